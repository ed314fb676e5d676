#include "app/ManualPicture.h"

#include "model/MulDiv.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>
#include <limits>

namespace {

// A length of the root element in millimetres; NaN when it is not one.
double Millimetres(QStringView text) {
    static const QRegularExpression length(
        QStringLiteral(R"(^\s*([0-9]*\.?[0-9]+(?:[eE][-+]?[0-9]+)?)\s*(mm|cm|in|pt|pc|px)?\s*$)"));
    const QRegularExpressionMatch match = length.match(text);
    if (!match.hasMatch())
        return std::numeric_limits<double>::quiet_NaN();
    const double value = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    if (unit == QLatin1String("mm"))
        return value;
    if (unit == QLatin1String("cm"))
        return value * 10;
    if (unit == QLatin1String("in"))
        return value * 25.4;
    if (unit == QLatin1String("pt"))
        return value * 25.4 / 72;
    if (unit == QLatin1String("pc"))
        return value * 25.4 / 6;
    return value * 25.4 / 96;
}

// Hundredths of a millimetre, or 0 for what is no positive length of a sensible size.
int Hundredths(double mm) {
    if (!(mm > 0) || mm > 1e6)
        return 0;
    return static_cast<int>(std::lround(mm * 100));
}

} // namespace

QSize SvgFrame(const QByteArray& svg) {
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() != QLatin1String("svg"))
            return QSize();
        const int width = Hundredths(Millimetres(reader.attributes().value("width")));
        const int height = Hundredths(Millimetres(reader.attributes().value("height")));
        return width > 0 && height > 0 ? QSize(width, height) : QSize();
    }
    return QSize();
}

CManualPicture::CManualPicture(const std::filesystem::path& path) {
    if (path.empty())
        return;
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray svg = file.readAll();
    const QSize frame = SvgFrame(svg);
    auto renderer = std::make_unique<QSvgRenderer>(svg);
    if (frame.isEmpty() || !renderer->isValid())
        return;
    m_frame = frame;
    m_renderer = std::move(renderer);
}

QRect CManualPicture::Target(int dpiX, int dpiY) const {
    return QRect(50, 0, MulDiv(m_frame.width(), dpiX, 2000), MulDiv(m_frame.height(), dpiY, 2000));
}

void CManualPicture::Draw(QPainter& painter, int dpiX, int dpiY) const {
    if (m_renderer)
        m_renderer->render(&painter, QRectF(Target(dpiX, dpiY)));
}
