#include "RTData.h"
#include "Surface.h"

void CRTData::DrawPressureFigure(ISheetSurface*, int, int, int, int, int, int, double, double) {}
