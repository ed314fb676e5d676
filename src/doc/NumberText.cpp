#include "doc/NumberText.h"

#include "model/ClassicLocale.h"
#include "model/DecimalInteger.h"
#include "model/WideSpace.h"

#include <charconv>
#include <cstdlib>

namespace {

bool IsDigit(const std::wstring& text, size_t pos) {
    return pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9';
}

bool IsSign(const std::wstring& text, size_t pos) {
    return pos < text.size() && (text[pos] == L'+' || text[pos] == L'-');
}

size_t SkipBlanks(const std::wstring& text) {
    size_t pos = 0;
    while (pos < text.size() && IsWideSpace(text[pos]))
        ++pos;
    return pos;
}

size_t SkipDigits(const std::wstring& text, size_t pos) {
    while (IsDigit(text, pos))
        ++pos;
    return pos;
}

template <typename Format> std::wstring Widen(double value, Format format, int precision) {
    char buffer[400]; // "%.*f" of the largest double with a few decimals fits
    std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return std::wstring(buffer, r.ptr);
}

} // namespace

bool ScanDecimal(const std::wstring& text, double& value) {
    size_t start = SkipBlanks(text);
    size_t pos = start;
    if (IsSign(text, pos))
        ++pos;
    size_t end = SkipDigits(text, pos);
    size_t digits = end - pos;
    if (end < text.size() && text[end] == L'.') {
        size_t fractionEnd = SkipDigits(text, end + 1);
        digits += fractionEnd - (end + 1);
        end = fractionEnd;
    }
    if (digits == 0)
        return false;
    if (end < text.size() && (text[end] == L'e' || text[end] == L'E')) {
        size_t exp = end + 1;
        if (IsSign(text, exp))
            ++exp;
        if (IsDigit(text, exp))
            end = SkipDigits(text, exp);
    }
    // Everything from start to end is ASCII now; the conversion itself is the C library's,
    // so overflow gives an infinity and underflow zero as with the standard conversions.
    std::string ascii(text.begin() + start, text.begin() + end);
    value = strtod_l(ascii.c_str(), nullptr, ClassicLocale());
    return true;
}

double ReadNumber(const std::wstring& text) {
    double value = 0.0;
    ScanDecimal(text, value);
    return value;
}

int ReadInteger(const std::wstring& text) {
    size_t pos = SkipBlanks(text);
    return ScanDecimalInteger(std::wstring_view(text), pos).value;
}

std::wstring FormatFixed(double value, int decimals) {
    return Widen(value, std::chars_format::fixed, decimals);
}

std::wstring FormatGeneral(double value, int precision) {
    return Widen(value, std::chars_format::general, precision);
}
