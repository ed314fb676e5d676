#include "render/PrintPage.h"

#include "model/MulDiv.h"
#include "model/PagePlan.h"
#include "model/RTData.h"
#include "render/PainterSurface.h"
#include "sheet/SheetFormat.h"

#include <QPagedPaintDevice>
#include <QPainter>

void DrawPrintedPage(ISheetSurface& surface, const PageGeometry& page, const CDocSettings& settings,
                     const CPlannedPage& planned, int pageNumber) {
    const int dpiX = surface.PixelsPerInchX();
    const int dpiY = surface.PixelsPerInchY();
    const int* margin = settings.rcMargin;
    // The rectangle inside the margins, relative to the printable area's corner.
    const int left = MulDiv(margin[0], dpiX, 2540) - page.offsetX;
    const int top = MulDiv(margin[1], dpiY, 2540) - page.offsetY;
    const int right = page.width - page.offsetX - MulDiv(margin[2], dpiX, 2540);
    const int bottom = page.height - page.offsetY - MulDiv(margin[3], dpiY, 2540);
    if (settings.bDrawFrame != 0)
        surface.Rectangle(left, top, right, bottom);
    if (settings.bPageNumber != 0) {
        // 10.5 points, standing in the top margin with its lower right corner on the frame's.
        SurfaceFont request;
        request.height = MulDiv(105, dpiY, 720);
        request.face = kSheetFace;
        CSelectedObject font(surface, surface.CreateFont(request));
        const unsigned previousAlign = surface.SetTextAlign(TA_RIGHT + TA_BOTTOM);
        surface.TextOut(right, top, FormatSheetLine(L"P - %i", pageNumber));
        surface.SetTextAlign(previousAlign);
    }
    if (planned.pageCase == nullptr)
        return;
    // The sheet starts 8 mm and 5 mm inside the frame; both offsets use the horizontal
    // resolution.
    planned.pageCase->DrawSheet(&surface, MulDiv(settings.nFontSize, dpiX, 72),
                                left + MulDiv(800, dpiX, 2540), top + MulDiv(500, dpiX, 2540),
                                planned.selector);
}

PageGeometry PageGeometryOf(const QPagedPaintDevice& device) {
    const int resolution = device.logicalDpiX();
    const QPageLayout layout = device.pageLayout();
    const QRect paper = layout.fullRectPixels(resolution);
    const QRect printable = layout.paintRectPixels(resolution);
    return {paper.width(), paper.height(), printable.left() - paper.left(),
            printable.top() - paper.top()};
}

bool PrintPages(QPagedPaintDevice& device, const CDocSettings& settings,
                const std::function<CPlannedPage(int)>& pageOf, int first, int last) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int n = first; n <= last; ++n) {
        if (n > first && !device.newPage())
            return false;
        CPainterSurface surface(painter, device.logicalDpiX(), device.logicalDpiY());
        DrawPrintedPage(surface, PageGeometryOf(device), settings, pageOf(n), n);
    }
    return painter.end();
}

int PrintMarkedCases(QPagedPaintDevice& device, const CDocSettings& settings,
                     std::vector<CRTData>& cases) {
    const int pages = PrintPageCount(cases);
    if (pages == 0)
        return 0;
    auto pageOf = [&](int page) { return PlannedPage(cases, page); };
    return PrintPages(device, settings, pageOf, 1, pages) ? pages : -1;
}
