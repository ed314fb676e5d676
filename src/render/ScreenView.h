// The screen view of a case's sheet: the whole sheet, both printed halves one after the other,
// 30 pixels in from the left edge of the scroll area and at its top.
#pragma once

#include <QImage>

class CRTData;
class QPainter;

// The view's scroll area: 1000 x 2500 device units on a 96 pixels-per-inch screen.
constexpr int kScrollWidth = 1000;
constexpr int kScrollHeight = 2500;

// Height of the scroll area for the sheet of c: 2500, and 2500 more for each seismic level the
// case asks for, so that its section 7) can be scrolled into view.
int ScrollHeightFor(const CRTData& c);

// Draws the sheet of c with the painter, whose origin is the scroll area's top left corner, at
// the device's resolution dpiX x dpiY; fontSize is the document's font size in points.
void DrawScreenView(QPainter& painter, int dpiX, int dpiY, CRTData& c, int fontSize);

// The scroll area of c rendered at dpi pixels per inch on white: the scroll size at 96 pixels
// per inch scaled to dpi, so that every resolution shows the same part of the sheet.
QImage RenderScreenView(CRTData& c, int fontSize, int dpi);
