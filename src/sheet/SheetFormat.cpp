#include "SheetFormat.h"

#include "ClassicLocale.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

namespace {

// The format with every text conversion ("%s", "%-7s", "%5s", ...) turned into its wide form
// ("%ls", ...); other conversions and literal text are kept.
std::wstring WideTextConversions(const wchar_t* format) {
    std::wstring out;
    for (const wchar_t* p = format; *p != L'\0';) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        out += *p++;
        if (*p == L'%') {
            out += *p++;
            continue;
        }
        // Flags, width, precision and length modifiers up to the conversion letter.
        while (*p != L'\0' && std::wcschr(L"-+ #0123456789.*hlLqjzt", *p) != nullptr)
            out += *p++;
        if (*p == L's' && (out.empty() || out.back() != L'l'))
            out += L'l';
        if (*p != L'\0')
            out += *p++;
    }
    return out;
}

} // namespace

namespace sheet_format_detail {

std::wstring Format(const wchar_t* format, ...) {
    const std::wstring wide = WideTextConversions(format);
    // vswprintf reports a buffer that is too small with -1 and nothing else; grow until the
    // line fits. The limit keeps a format that glibc rejects for another reason (an encoding
    // error) from growing the buffer without end: such a line comes out empty.
    constexpr size_t kLimit = size_t{1} << 20;
    std::vector<wchar_t> buffer(256);
    const CClassicLocaleScope classic; // decimal point "." whatever the user's locale
    while (buffer.size() <= kLimit) {
        std::va_list args;
        va_start(args, format);
        const int n = std::vswprintf(buffer.data(), buffer.size(), wide.c_str(), args);
        va_end(args);
        if (n >= 0)
            return std::wstring(buffer.data(), static_cast<size_t>(n));
        buffer.resize(buffer.size() * 2);
    }
    return std::wstring();
}

} // namespace sheet_format_detail
