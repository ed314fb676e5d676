// Decimal integers as the C library's "%d" reads them: an optional sign and at least one ASCII
// digit. One reader for the input panel (which saturates), the bar table (which refuses a
// number outside the range of int) and the command line's counts.
#pragma once

#include <climits>
#include <cstddef>
#include <string_view>

struct CDecimalInteger {
    bool found = false;   // a sign and digits stood at the position
    bool inRange = false; // the number fits an int
    int value = 0;        // the number, saturated to the range of int; 0 when none was found
};

// Reads the integer at pos and advances pos past its last digit; without one pos stays.
template <typename Char>
CDecimalInteger ScanDecimalInteger(std::basic_string_view<Char> text, std::size_t& pos) {
    auto isDigit = [&](std::size_t i) {
        return i < text.size() && text[i] >= Char('0') && text[i] <= Char('9');
    };
    CDecimalInteger result;
    std::size_t i = pos;
    bool negative = false;
    if (i < text.size() && (text[i] == Char('+') || text[i] == Char('-')))
        negative = text[i++] == Char('-');
    if (!isDigit(i))
        return result;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; isDigit(i); ++i) {
        // Past the limit the digits are read but no longer counted: the number is out of range.
        if (magnitude <= limit)
            magnitude = magnitude * 10 + (text[i] - Char('0'));
    }
    pos = i;
    result.found = true;
    result.inRange = magnitude <= limit;
    const long long clamped = result.inRange ? magnitude : limit;
    result.value = static_cast<int>(negative ? -clamped : clamped);
    return result;
}
