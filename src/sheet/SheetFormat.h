// printf-style formatting of the wide-character lines of the calculation sheet.
//
// The sheet's line formats are written as the designer wrote them. The conversions are those
// of printf: "%[-][width][.precision]f" (double), "%[-][width]i" or "d" (int),
// "%[-][width][.precision]s" (wide text; "%ls" is the same) and "%%"; they give exactly the
// characters glibc's swprintf gives in the C locale: numbers with a decimal point '.' whatever the
// user's locale, correctly rounded (ties to even, on the exact binary value), infinities and NaNs
// as "inf", "-inf", "nan" and "-nan". Field widths count characters: "%2s" of "≧" gives " ≧". The
// flags "+", " ", "0" and "#", "*" widths, the precision of an integer and other conversions are
// not used by the sheet: such a conversion is copied as it is written.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace sheet_format_detail {

// One argument of a line; a conversion of another kind reads the default of its own field.
struct Argument {
    double number = 0;
    int integer = 0;
    const wchar_t* text = L"";
};

// Appends the formatted line to out; arguments are taken in the order of the conversions.
void AppendFormatted(std::wstring& line, const wchar_t* format, const Argument* args,
                     std::size_t count);

inline Argument Arg(double value) {
    Argument a;
    a.number = value;
    return a;
}
inline Argument Arg(int value) {
    Argument a;
    a.integer = value;
    return a;
}
inline Argument Arg(const wchar_t* text) {
    Argument a;
    a.text = text;
    return a;
}
inline Argument Arg(const std::wstring& text) {
    return Arg(text.c_str());
}
// Any other type (float, bool, long, a narrow string) is refused at compile time, so that
// each conversion gets the type it prints.
template <typename T> Argument Arg(const T&) = delete;

} // namespace sheet_format_detail

// Formats one sheet line into out, replacing its text (its storage is reused). Arguments:
// double for the floating conversions, int for "%i", std::wstring or a wide literal for the
// text conversions.
template <typename... Args>
void FormatSheetLineInto(std::wstring& out, const wchar_t* format, const Args&... args) {
    const std::array<sheet_format_detail::Argument, sizeof...(Args)> list = {
        sheet_format_detail::Arg(args)...};
    out.clear();
    sheet_format_detail::AppendFormatted(out, format, list.data(), list.size());
}

// Formats one sheet line.
template <typename... Args>
std::wstring FormatSheetLine(const wchar_t* format, const Args&... args) {
    std::wstring line;
    FormatSheetLineInto(line, format, args...);
    return line;
}
