#include "render/ScreenView.h"

#include "model/MulDiv.h"
#include "model/RTData.h"
#include "render/PainterSurface.h"

#include <QPainter>

int ScrollHeightFor(const CRTData& c) {
    const int levels = (SeismicLevelAsked(c.m_kh1) ? 1 : 0) + (SeismicLevelAsked(c.m_kh2) ? 1 : 0);
    return kScrollHeight * (1 + levels);
}

void DrawScreenView(QPainter& painter, int dpiX, int dpiY, CRTData& c, int fontSize) {
    CPainterSurface surface(painter, dpiX, dpiY);
    c.DrawSheet(&surface, MulDiv(fontSize, dpiX, 72), 30, 0, 0);
}

QImage RenderScreenView(CRTData& c, int fontSize, int dpi) {
    QImage image(MulDiv(kScrollWidth, dpi, 96), MulDiv(ScrollHeightFor(c), dpi, 96),
                 QImage::Format_RGB32);
    if (image.isNull())
        return image;
    // Dots per metre, so that the image carries its resolution.
    const int dotsPerMetre = MulDiv(dpi, 10000, 254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawScreenView(painter, dpi, dpi, c, fontSize);
    return image;
}
