#include "render/PainterSurface.h"

#include "model/MulDiv.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygon>
#include <QTransform>

#include <algorithm>
#include <cstdlib>

namespace {

QColor ToQColor(SurfaceColor c) {
    return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
}

// Spacing of the vertical hatch lines: 8 pixels on a 96 pixels-per-inch screen, the same
// distance on paper.
int HatchSpacing(int dpiX) {
    return std::max(8, MulDiv(8, dpiX, 96));
}

} // namespace

QString CPainterSurface::FamilyFor(const std::wstring& face) {
    if (face != kSheetFace)
        return QString::fromStdWString(face);
    static const QString mincho = [] {
        const QString candidates[] = {QString::fromWCharArray(kSheetFace),
                                      QStringLiteral("MS Mincho")};
        for (const QString& family : candidates)
            if (QFontDatabase::hasFamily(family))
                return family;
        return QStringLiteral("IPAMincho");
    }();
    return mincho;
}

CPainterSurface::CPainterSurface(QPainter& painter, int dpiX, int dpiY)
    : m_painter(painter), m_dpiX(dpiX), m_dpiY(dpiY) {
    m_painter.save();
    // The default pen: solid black, one device pixel wide whatever the resolution.
    m_painter.setPen(QPen(Qt::black, 0));
    m_painter.setBackgroundMode(Qt::TransparentMode);
    SurfaceFont stockFont;
    stockFont.height = MulDiv(12, dpiY, 96);
    stockFont.face = kSheetFace;
    m_objects.Select(CreateFont(stockFont));
    m_objects.Select(CreateSolidBrush(Rgb(255, 255, 255)));
}

CPainterSurface::~CPainterSurface() {
    m_painter.restore();
}

QFont CPainterSurface::FontFor(const SurfaceFont& request) {
    QFont font(FamilyFor(request.face));
    // The cell height is the em square of the Mincho faces.
    font.setPixelSize(std::max(1, std::abs(request.height)));
    // Unhinted advances keep every ASCII character exactly half as wide as a full-width one,
    // so that the columns of the sheet line up at any size.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

SurfaceHandle CPainterSurface::CreateFont(const SurfaceFont& request) {
    return m_objects.Add(true, {FontFor(request), request.escapement, {}});
}

SurfaceHandle CPainterSurface::CreateSolidBrush(SurfaceColor color) {
    return m_objects.Add(false, {{}, 0, QBrush(ToQColor(color))});
}

SurfaceHandle CPainterSurface::CreateHatchBrush(int, SurfaceColor color) {
    return m_objects.Add(false, {{}, 0, QBrush(ToQColor(color), Qt::VerPattern)});
}

SurfaceHandle CPainterSurface::SelectObject(SurfaceHandle object) {
    return m_objects.Select(object);
}

void CPainterSurface::DeleteObject(SurfaceHandle object) {
    m_objects.Delete(object);
}

unsigned CPainterSurface::SetTextAlign(unsigned flags) {
    return m_objects.SetTextAlign(flags);
}

void CPainterSurface::TextOut(int x, int y, const std::wstring& text) {
    const Object& font = m_objects.Font();
    const unsigned align = m_objects.TextAlign();
    const QString string = QString::fromStdWString(text);
    const QFontMetricsF metrics(font.font, m_painter.device());
    // Offsets from the reference point to the start of the baseline, in the text's own frame;
    // only a centred or right-aligned text needs its width.
    qreal dx = 0;
    if ((align & TA_CENTER) == TA_CENTER)
        dx = -metrics.horizontalAdvance(string) / 2;
    else if (align & TA_RIGHT)
        dx = -metrics.horizontalAdvance(string);
    const qreal dy = (align & TA_BOTTOM) ? -metrics.descent() : metrics.ascent();

    // A text whose widest possible box, with an em to spare on every side, lies off the
    // device paints nothing: it is not laid out at all. On screen most of the sheet's lines
    // are outside the window.
    const qreal em = font.font.pixelSize();
    const qreal longest = string.size() * std::max(metrics.maxWidth(), em);
    const QRectF box(dx - em, dy - metrics.ascent() - em, longest + 2 * em,
                     metrics.ascent() + metrics.descent() + 2 * em);
    QTransform frame = QTransform::fromTranslate(x, y);
    frame.rotate(-font.escapement / 10.0);
    const QPaintDevice* device = m_painter.device();
    if (!(frame * m_painter.combinedTransform())
             .mapRect(box)
             .intersects(QRectF(0, 0, device->width(), device->height())))
        return;

    m_painter.setFont(font.font);
    if (font.escapement == 0) {
        m_painter.drawText(QPointF(x + dx, y + dy), string);
        return;
    }
    m_painter.save();
    m_painter.translate(x, y);
    // Escapement counts tenths of a degree counter-clockwise; y grows downward here.
    m_painter.rotate(-font.escapement / 10.0);
    m_painter.drawText(QPointF(dx, dy), string);
    m_painter.restore();
}

void CPainterSurface::MoveTo(int x, int y) {
    m_position = QPoint(x, y);
}

void CPainterSurface::LineTo(int x, int y) {
    m_painter.drawLine(m_position, QPoint(x, y));
    m_position = QPoint(x, y);
}

void CPainterSurface::Polygon(const std::vector<SurfacePoint>& points) {
    QPolygon polygon;
    for (const SurfacePoint& p : points)
        polygon << QPoint(p.x, p.y);
    const QBrush& brush = m_objects.Brush().brush;
    if (brush.style() == Qt::VerPattern) {
        // Hatch lines drawn with the pen, at a spacing that reads the same on screen and paper;
        // the gaps stay unpainted.
        QPainterPath outline;
        outline.addPolygon(polygon);
        outline.closeSubpath();
        const QRect bounds = polygon.boundingRect();
        const int step = HatchSpacing(m_dpiX);
        m_painter.save();
        m_painter.setClipPath(outline, Qt::IntersectClip);
        m_painter.setPen(QPen(brush.color(), 0));
        const int first = bounds.left() - ((bounds.left() % step) + step) % step;
        for (int x = first; x <= bounds.right(); x += step)
            m_painter.drawLine(x, bounds.top(), x, bounds.bottom());
        m_painter.restore();
        m_painter.setBrush(Qt::NoBrush);
    } else {
        m_painter.setBrush(brush);
    }
    m_painter.drawPolygon(polygon);
}

void CPainterSurface::Rectangle(int left, int top, int right, int bottom) {
    // The outline runs on the first and the last pixel inside (left, top) - (right, bottom).
    m_painter.setBrush(m_objects.Brush().brush);
    m_painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}
