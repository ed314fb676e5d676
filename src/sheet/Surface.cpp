#include "sheet/Surface.h"

const wchar_t kSheetFace[] = L"ＭＳ 明朝";
