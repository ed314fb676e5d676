#include "model/WideSpace.h"

bool IsWideSpace(wchar_t ch) {
    switch (ch) {
    case L' ':
    case L'\t':
    case L'\n':
    case L'\v':
    case L'\f':
    case L'\r':
    case 0x1680:
    case 0x202F:
    case 0x205F:
    case 0x2028:
    case 0x2029:
    case 0x3000:
        return true;
    default:
        return ch >= 0x2000 && ch <= 0x200A;
    }
}
