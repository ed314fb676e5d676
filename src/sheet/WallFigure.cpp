#include "RTData.h"
#include "Surface.h"

void CRTData::DrawWallFigure(ISheetSurface*, int, int, int, int, int, int) {}
