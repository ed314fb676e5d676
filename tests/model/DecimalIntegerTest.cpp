// The one decimal-integer reader of the panel, the bar table and the command line: the int
// range's edges, saturation beyond them and where the reading stops.
#include "model/DecimalInteger.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DecimalInteger, RangeEdgesSaturationAndEnd) {
    const struct {
        const char* text;
        bool found;
        bool inRange;
        int value;
        std::size_t end;
    } cases[] = {
        {"2147483647", true, true, 2147483647, 10},
        {"2147483648", true, false, 2147483647, 10},
        {"-2147483648", true, true, -2147483647 - 1, 11},
        {"-2147483649", true, false, -2147483647 - 1, 11},
        {"4294967297", true, false, 2147483647, 10}, // 2^32 + 1 must not wrap to 1
        {"00000000000000000001", true, true, 1, 20},
        {"+12ab", true, true, 12, 3},
        {"+", false, false, 0, 0},
        {"-x", false, false, 0, 0},
        {"", false, false, 0, 0},
    };
    for (const auto& c : cases) {
        std::size_t pos = 0;
        const CDecimalInteger n = ScanDecimalInteger(std::string_view(c.text), pos);
        EXPECT_EQ(n.found, c.found) << c.text;
        EXPECT_EQ(n.inRange, c.inRange) << c.text;
        EXPECT_EQ(n.value, c.value) << c.text;
        EXPECT_EQ(pos, c.end) << c.text;
    }
    // Wide text reads alike.
    std::size_t pos = 0;
    EXPECT_EQ(ScanDecimalInteger(std::wstring_view(L"-15 cm"), pos).value, -15);
    EXPECT_EQ(pos, 3u);
}

} // namespace
