// printf-style formatting of the wide-character lines of the calculation sheet.
//
// The sheet's line formats are written as the designer wrote them, with "%s", "%2s", "%5s" or
// "%7s" for a text field. glibc's wide formatted output reads a wide string only through
// "%ls", so the formatter rewrites each text conversion before formatting. Field widths count
// characters: "%2s" of "≧" gives " ≧". Numbers are printed in the C locale (decimal point
// '.'); infinities and NaNs as glibc prints them ("inf", "-nan", ...).
#pragma once

#include <string>

namespace sheet_format_detail {

// Formats with vswprintf after the rewrite of the text conversions; the arguments must
// match the conversions of the format (double, int, const wchar_t*).
std::wstring Format(const wchar_t* format, ...);

inline double Arg(double value) {
    return value;
}
inline int Arg(int value) {
    return value;
}
inline const wchar_t* Arg(const wchar_t* text) {
    return text;
}
inline const wchar_t* Arg(const std::wstring& text) {
    return text.c_str();
}
// Any other type (float, bool, long, a narrow string) would reach the variadic call with a
// representation the format does not expect: refuse it at compile time.
template <typename T> void Arg(const T&) = delete;

} // namespace sheet_format_detail

// Formats one sheet line. Arguments: double for the floating conversions, int for "%i",
// std::wstring or a wide literal for the text conversions.
template <typename... Args>
std::wstring FormatSheetLine(const wchar_t* format, const Args&... args) {
    return sheet_format_detail::Format(format, sheet_format_detail::Arg(args)...);
}
