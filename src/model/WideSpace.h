// White space of typed text, independent of the process locale: the six ASCII white-space
// characters and, above the 8-bit range, the Unicode space separators and the line and
// paragraph separators (the ideographic space U+3000 typed in full-width mode among them).
#pragma once

bool IsWideSpace(wchar_t ch);
