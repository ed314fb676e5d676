#include "sheet/SheetFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// Collects the characters of a line in pieces of its own and hands each full piece to the
// line, so that the fields and the literal text cost no call of the string each.
class CLineWriter {
public:
    explicit CLineWriter(std::wstring& out) : m_out(out) {}

    void Append(const wchar_t* text, std::size_t length) {
        if (length > kPiece - m_used) {
            Flush();
            if (length > kPiece) {
                m_out.append(text, length);
                return;
            }
        }
        std::copy(text, text + length, m_piece + m_used);
        m_used += length;
    }

    // A field of the conversion's width around the characters [begin, end).
    template <typename Char> void Field(const Conversion& c, const Char* begin, const Char* end) {
        const std::size_t length = static_cast<std::size_t>(end - begin);
        const std::size_t padding = c.width > length ? c.width - length : 0;
        if (!c.left)
            Fill(padding);
        for (const Char* q = begin; q != end; ++q) {
            if (m_used == kPiece)
                Flush();
            m_piece[m_used++] = static_cast<wchar_t>(*q);
        }
        if (c.left)
            Fill(padding);
    }

    void Flush() {
        m_out.append(m_piece, m_used);
        m_used = 0;
    }

private:
    static constexpr std::size_t kPiece = 256;

    void Fill(std::size_t count) {
        while (count > 0) {
            if (m_used == kPiece)
                Flush();
            const std::size_t n = std::min(count, kPiece - m_used);
            std::fill_n(m_piece + m_used, n, L' ');
            m_used += n;
            count -= n;
        }
    }

    std::wstring& m_out;
    wchar_t m_piece[kPiece];
    std::size_t m_used = 0;
};

// An unsigned integer of 128 bits (a GCC and Clang extension), for exact products of the
// significand of a double and a power of ten.
__extension__ using Uint128 = unsigned __int128;

constexpr int kMaxScaledPrecision = 19;

constexpr std::uint64_t kPowersOfTen[kMaxScaledPrecision + 1] = {1,
                                                                 10,
                                                                 100,
                                                                 1000,
                                                                 10000,
                                                                 100000,
                                                                 1000000,
                                                                 10000000,
                                                                 100000000,
                                                                 1000000000,
                                                                 10000000000,
                                                                 100000000000,
                                                                 1000000000000,
                                                                 10000000000000,
                                                                 100000000000000,
                                                                 1000000000000000,
                                                                 10000000000000000,
                                                                 100000000000000000,
                                                                 1000000000000000000,
                                                                 10000000000000000000u};

// |value| x 10^precision rounded to an integer, halves to even, computed exactly on the
// binary value (value = m x 2^e): the correctly rounded digits printf prints. False when the
// value is not finite, the precision is above 19 or the result does not fit in 64 bits.
bool ScaledMagnitude(double value, int precision, std::uint64_t& scaled) {
    if (precision > kMaxScaledPrecision)
        return false;
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>(bits >> 52 & 0x7FF);
    if (biased == 0x7FF)
        return false;
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t m = biased == 0 ? fraction : fraction | std::uint64_t{1} << 52;
    const int e = (biased == 0 ? 1 : biased) - 1075;
    // Below 2^53 x 10^19 < 2^117.
    const Uint128 product = static_cast<Uint128>(m) * kPowersOfTen[precision];
    Uint128 q;
    if (e >= 0) {
        if (e >= 64 || product >> (64 - e) != 0)
            return false;
        q = product << e;
    } else if (-e >= 128) {
        q = 0; // below 2^117 / 2^128: less than half a unit
    } else {
        const int k = -e;
        q = product >> k;
        const Uint128 rest = product - (q << k);
        const Uint128 half = Uint128{1} << (k - 1);
        if (rest > half || (rest == half && (q & 1) != 0))
            ++q;
    }
    if (q >> 64 != 0)
        return false;
    scaled = static_cast<std::uint64_t>(q);
    return true;
}

// Fixed notation with the conversion's precision (6 when none is given), as printf writes it:
// the sign of a negative value (also of -0 and of what rounds to zero), the digits, the point
// and the decimals.
void AppendFixed(CLineWriter& out, const Conversion& c, double value) {
    const int precision = c.precision < 0 ? 6 : c.precision;
    std::uint64_t scaled;
    if (ScaledMagnitude(value, precision, scaled)) {
        // Sign, 20 integer digits, the point and 19 decimals.
        char text[48];
        char* end = text;
        if (std::signbit(value))
            *end++ = '-';
        const std::uint64_t unit = kPowersOfTen[precision];
        end = std::to_chars(end, text + sizeof text, scaled / unit).ptr;
        if (precision > 0) {
            *end++ = '.';
            std::uint64_t decimals = scaled % unit;
            for (char* d = end + precision; d != end; decimals /= 10)
                *--d = static_cast<char>('0' + decimals % 10);
            end += precision;
        }
        out.Field(c, text, end);
        return;
    }
    // Infinities, NaNs, huge values and long decimals. Up to 309 integer digits, the sign,
    // the point and the decimals.
    char small[400];
    if (precision <= 64) {
        const std::to_chars_result r =
            std::to_chars(small, small + sizeof small, value, std::chars_format::fixed, precision);
        out.Field(c, small, r.ptr);
        return;
    }
    std::vector<char> large(static_cast<std::size_t>(precision) + 336);
    const std::to_chars_result r = std::to_chars(large.data(), large.data() + large.size(), value,
                                                 std::chars_format::fixed, precision);
    out.Field(c, large.data(), r.ptr);
}

void AppendInteger(CLineWriter& out, const Conversion& c, int value) {
    char digits[16];
    const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits, value);
    out.Field(c, digits, r.ptr);
}

// Wide text; a precision gives the most characters printed.
void AppendText(CLineWriter& out, const Conversion& c, const wchar_t* text) {
    std::size_t length = std::char_traits<wchar_t>::length(text);
    if (c.precision >= 0)
        length = std::min(length, static_cast<std::size_t>(c.precision));
    out.Field(c, text, text + length);
}

} // namespace

namespace sheet_format_detail {

void AppendFormatted(std::wstring& line, const wchar_t* format, const Argument* args,
                     std::size_t count) {
    CLineWriter out(line);
    std::size_t next = 0;
    const Argument none;
    for (const wchar_t* p = format; *p != L'\0';) {
        const wchar_t* literal = p;
        while (*p != L'\0' && *p != L'%')
            ++p;
        out.Append(literal, static_cast<std::size_t>(p - literal));
        if (*p == L'\0')
            break;
        const wchar_t* start = p++;
        if (*p == L'%') {
            out.Append(p++, 1);
            continue;
        }
        Conversion c;
        if (!ReadConversion(p, c)) {
            out.Append(start, static_cast<std::size_t>(p - start));
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
    out.Flush();
}

} // namespace sheet_format_detail
