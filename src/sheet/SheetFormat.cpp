#include "SheetFormat.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <vector>

namespace {

struct Conversion {
    bool left = false; // "-": the field is padded on the right
    std::size_t width = 0;
    int precision = -1; // none given
    wchar_t letter = 0;
};

// Reads "[-][width][.precision][l]letter" after a '%' (no precision for an integer); p is
// left after the letter. False for anything else, with p where the reading stopped.
bool ReadConversion(const wchar_t*& p, Conversion& c) {
    while (*p == L'-') {
        c.left = true;
        ++p;
    }
    for (; *p >= L'0' && *p <= L'9'; ++p)
        c.width = std::min<std::size_t>(c.width * 10 + static_cast<std::size_t>(*p - L'0'),
                                        std::numeric_limits<int>::max());
    if (*p == L'.') {
        c.precision = 0;
        for (++p; *p >= L'0' && *p <= L'9'; ++p)
            c.precision = std::min(c.precision * 10 + (*p - L'0'), std::numeric_limits<int>::max());
    }
    if (*p == L'l')
        ++p;
    c.letter = *p;
    const bool integer = c.letter == L'i' || c.letter == L'd';
    if (!(c.letter == L'f' || c.letter == L's' || (integer && c.precision < 0)))
        return false;
    ++p;
    return true;
}

// Appends a field of the conversion's width around the characters [begin, end).
template <typename Char>
void AppendField(std::wstring& out, const Conversion& c, const Char* begin, const Char* end) {
    const std::size_t length = static_cast<std::size_t>(end - begin);
    const std::size_t padding = c.width > length ? c.width - length : 0;
    if (!c.left)
        out.append(padding, L' ');
    for (const Char* q = begin; q != end; ++q)
        out += static_cast<wchar_t>(*q);
    if (c.left)
        out.append(padding, L' ');
}

// Fixed notation with the conversion's precision (6 when none is given), as printf writes it.
void AppendFixed(std::wstring& out, const Conversion& c, double value) {
    const int precision = c.precision < 0 ? 6 : c.precision;
    // Up to 309 integer digits, the sign, the point and the decimals.
    char small[400];
    if (precision <= 64) {
        const std::to_chars_result r =
            std::to_chars(small, small + sizeof small, value, std::chars_format::fixed, precision);
        AppendField(out, c, small, r.ptr);
        return;
    }
    std::vector<char> large(static_cast<std::size_t>(precision) + 336);
    const std::to_chars_result r = std::to_chars(large.data(), large.data() + large.size(), value,
                                                 std::chars_format::fixed, precision);
    AppendField(out, c, large.data(), r.ptr);
}

void AppendInteger(std::wstring& out, const Conversion& c, int value) {
    char digits[16];
    const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits, value);
    AppendField(out, c, digits, r.ptr);
}

// Wide text; a precision gives the most characters printed.
void AppendText(std::wstring& out, const Conversion& c, const wchar_t* text) {
    std::size_t length = std::char_traits<wchar_t>::length(text);
    if (c.precision >= 0)
        length = std::min(length, static_cast<std::size_t>(c.precision));
    AppendField(out, c, text, text + length);
}

} // namespace

namespace sheet_format_detail {

void AppendFormatted(std::wstring& out, const wchar_t* format, const Argument* args,
                     std::size_t count) {
    std::size_t next = 0;
    const Argument none;
    for (const wchar_t* p = format; *p != L'\0';) {
        const wchar_t* literal = p;
        while (*p != L'\0' && *p != L'%')
            ++p;
        out.append(literal, p);
        if (*p == L'\0')
            break;
        const wchar_t* start = p++;
        if (*p == L'%') {
            out += L'%';
            ++p;
            continue;
        }
        Conversion c;
        if (!ReadConversion(p, c)) {
            out.append(start, p);
            continue;
        }
        const Argument& a = next < count ? args[next] : none;
        ++next;
        switch (c.letter) {
        case L'f':
            AppendFixed(out, c, a.number);
            break;
        case L's':
            AppendText(out, c, a.text);
            break;
        default:
            AppendInteger(out, c, a.integer);
            break;
        }
    }
}

} // namespace sheet_format_detail
