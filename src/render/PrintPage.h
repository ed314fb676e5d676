// Printed pages of a document: every case marked for printing takes two pages, the first half
// of its sheet and then the second half, and a third with its seismic checks when it asks for
// them; each page with the document's optional frame and page number inside its margins.
#pragma once

#include "model/CaseFile.h"
#include "model/PagePlan.h"
#include "sheet/Surface.h"

#include <functional>
#include <vector>

class QPagedPaintDevice;

// A printed page in device units: the paper's size and the offset of the printable area's
// corner, where the surface's origin lies, from the paper's corner.
struct PageGeometry {
    int width = 0;
    int height = 0;
    int offsetX = 0;
    int offsetY = 0;
};

// Draws page pageNumber (from 1): the frame and the page number "P - n" as the settings ask,
// then the part of the planned case's sheet that the page carries; a page without a case
// carries only the frame and the number.
void DrawPrintedPage(ISheetSurface& surface, const PageGeometry& page, const CDocSettings& settings,
                     const CPlannedPage& planned, int pageNumber);

// The geometry of the device's current page at its resolution.
PageGeometry PageGeometryOf(const QPagedPaintDevice& device);

// Prints pages first to last (from 1) on a printer or PDF writer, starting a new sheet of
// paper between pages; pageOf is the document's page plan. False when nothing could be
// painted on the device.
bool PrintPages(QPagedPaintDevice& device, const CDocSettings& settings,
                const std::function<CPlannedPage(int)>& pageOf, int first, int last);

// Prints every case of the list whose print mark is set, two or three pages each, on a printer or
// PDF writer; returns the number of pages (0, with nothing painted, when no case is marked), or -1
// when nothing could be painted on the device.
int PrintMarkedCases(QPagedPaintDevice& device, const CDocSettings& settings,
                     std::vector<CRTData>& cases);
