// The sheet's formatter against glibc's swprintf in the C locale: the same characters for
// every conversion the sheet's lines use, over every width and precision the formats can take
// and a large set of values: random bit patterns (huge, tiny, subnormal, NaN payloads), random
// engineering magnitudes, values on and next to the rounding boundaries of each precision,
// signed zeros, infinities and NaNs.
#include "sheet/SheetFormat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

std::wstring Printf(const wchar_t* format, ...) {
    wchar_t buffer[2048];
    va_list args;
    va_start(args, format);
    const int n = std::vswprintf(buffer, sizeof buffer / sizeof buffer[0], format, args);
    va_end(args);
    return n < 0 ? L"<error>" : std::wstring(buffer, static_cast<std::size_t>(n));
}

std::string Ascii(const std::wstring& text) {
    std::string out;
    for (wchar_t w : text)
        out += w < 0x80 ? static_cast<char>(w) : '?';
    return out;
}

// The conversions of one letter the sheet can write: no flag or '-', no width or 1 to 12, and
// the given precisions (-1: none).
std::vector<std::wstring> Conversions(wchar_t letter, const std::vector<int>& precisions) {
    std::vector<std::wstring> conversions;
    for (const wchar_t* flag : {L"", L"-"})
        for (int width : {-1, 1, 2, 3, 4, 5, 6, 7, 8, 12})
            for (int precision : precisions) {
                std::wstring conversion = L"%";
                conversion += flag;
                if (width >= 0)
                    conversion += std::to_wstring(width);
                if (precision >= 0)
                    conversion += L"." + std::to_wstring(precision);
                conversions.push_back(conversion + letter);
            }
    return conversions;
}

double FromBits(std::uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::vector<double> Values() {
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> values = {0.0,
                                  -0.0,
                                  inf,
                                  -inf,
                                  std::numeric_limits<double>::quiet_NaN(),
                                  -std::numeric_limits<double>::quiet_NaN(),
                                  FromBits(0x7FF0000000000001), // signalling NaN
                                  FromBits(0xFFF8000000000123),
                                  DBL_MAX,
                                  -DBL_MAX,
                                  DBL_MIN,
                                  std::numeric_limits<double>::denorm_min(),
                                  -std::numeric_limits<double>::denorm_min(),
                                  1e300,
                                  -1e300,
                                  1e-300,
                                  9007199254740992.0,
                                  9007199254740993.0,
                                  1e22,
                                  1e23,
                                  0.1,
                                  2.0 / 3.0,
                                  -2.0 / 3.0,
                                  21.0,
                                  0.0050800};
    std::mt19937_64 engine(20261210);
    for (int i = 0; i < 1500; ++i)
        values.push_back(FromBits(engine()));
    std::uniform_real_distribution<double> engineering(-2000.0, 2000.0);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 1500; ++i)
        values.push_back(engineering(engine));
    for (int i = 0; i < 500; ++i)
        values.push_back(unit(engine) * std::pow(10.0, static_cast<int>(engine() % 40) - 20));
    // Decimal halves of each precision: their nearest double and its neighbours.
    std::uniform_int_distribution<int> whole(-100000, 100000);
    for (int precision = 0; precision <= 8; ++precision) {
        const double scale = std::pow(10.0, precision);
        for (int i = 0; i < 60; ++i) {
            const double tie = (whole(engine) + 0.5) / scale;
            values.push_back(tie);
            values.push_back(std::nextafter(tie, inf));
            values.push_back(std::nextafter(tie, -inf));
        }
    }
    // Exact binary ties (0.5, 0.125, 2.5, ...), which round to the even digit.
    for (int exponent = 1; exponent <= 12; ++exponent)
        for (int odd = 1; odd < 80; odd += 2) {
            values.push_back(std::ldexp(odd, -exponent));
            values.push_back(-std::ldexp(odd, -exponent));
        }
    return values;
}

TEST(SheetFormatPrintfTest, FixedConversionsGiveTheDigitsOfPrintf) {
    const std::vector<double> values = Values();
    int mismatches = 0;
    for (const std::wstring& conversion : Conversions(L'f', {-1, 0, 1, 2, 3, 4, 6, 10, 17})) {
        for (double value : values) {
            const std::wstring expected = Printf(conversion.c_str(), value);
            const std::wstring actual = FormatSheetLine(conversion.c_str(), value);
            if (actual != expected && ++mismatches <= 20)
                ADD_FAILURE() << Ascii(conversion) << " of " << std::hexfloat << value << ": \""
                              << Ascii(actual) << "\" instead of \"" << Ascii(expected) << "\"";
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(SheetFormatPrintfTest, IntegerAndTextConversionsGiveThePrintfFields) {
    std::vector<int> integers = {0, 1, -1, 9, 10, -10, 200, 12345, INT_MAX, INT_MIN, INT_MIN + 1};
    std::mt19937 engine(7);
    for (int i = 0; i < 200; ++i)
        integers.push_back(static_cast<int>(engine()));
    for (const std::wstring& conversion : Conversions(L'i', {-1}))
        for (int value : integers)
            EXPECT_EQ(FormatSheetLine(conversion.c_str(), value), Printf(conversion.c_str(), value))
                << Ascii(conversion) << " of " << value;

    const std::wstring texts[] = {L"", L"≧", L"OK", L"D13", L"D10+D13", L"ＭＳ 明朝", L"≦ 1.0 OK"};
    for (const std::wstring& conversion : Conversions(L's', {-1, 0, 1, 3, 10})) {
        // glibc reads a wide string through "%ls".
        const std::wstring wide = conversion.substr(0, conversion.size() - 1) + L"ls";
        for (const std::wstring& text : texts) {
            EXPECT_EQ(FormatSheetLine(conversion.c_str(), text), Printf(wide.c_str(), text.c_str()))
                << Ascii(conversion) << " of \"" << Ascii(text) << "\"";
            EXPECT_EQ(FormatSheetLine(wide.c_str(), text), Printf(wide.c_str(), text.c_str()));
        }
    }
}

// Whole lines in the forms of the sheet: literal text around the conversions, "%%", several
// arguments of each kind in their order.
TEST(SheetFormatPrintfTest, LinesOfSeveralConversionsMatchPrintf) {
    const std::wstring ge = L"≧";
    EXPECT_EQ(
        FormatSheetLine(L"　　転倒安全率　F  ＝%6.2f ／%6.2f　 ＝%6.2f  %s %3.1f(安全率)   %s",
                        312.4567, 98.125, 3.185, ge, 1.5, L"OK"),
        Printf(L"　　転倒安全率　F  ＝%6.2f ／%6.2f　 ＝%6.2f  %ls %3.1f(安全率)   %ls", 312.4567,
               98.125, 3.185, ge.c_str(), 1.5, L"OK"));
    EXPECT_EQ(FormatSheetLine(L"　　配　　筋　　%7s-@%-4i(%5s)  ft ＝%6.1f(kN/cm^2)", L"D10+D13",
                              250, L"SD345", 19.5),
              Printf(L"　　配　　筋　　%7ls-@%-4i(%5ls)  ft ＝%6.1f(kN/cm^2)", L"D10+D13", 250,
                     L"SD345", 19.5));
    EXPECT_EQ(FormatSheetLine(L"100%% ＝%6.2f%%|%.1f|%8.4f|%2.0f", 1.005, -0.05, 0.00635, 14.5),
              Printf(L"100%% ＝%6.2f%%|%.1f|%8.4f|%2.0f", 1.005, -0.05, 0.00635, 14.5));
}

} // namespace
