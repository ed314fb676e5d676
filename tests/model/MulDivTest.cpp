// Integer scaling of device units: exact 64-bit products, halves rounded away from zero in
// both directions, and -1 for what has no int result.
#include "model/MulDiv.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(MulDiv, RoundsHalvesAwayFromZeroWithoutOverflow) {
    struct Row {
        int a, b, c, expected;
    };
    const Row rows[] = {
        {15, 96, 72, 20},                 // 15 pt at 96 dpi
        {230, 144, 72, 460},              // exact
        {1, 1, 2, 1},                     // +0.5
        {-1, 1, 2, -1},                   // -0.5
        {3, 1, 2, 2},                     // +1.5
        {-3, 1, 2, -2},                   // -1.5
        {1, 1, 3, 0},                     // below a half
        {2, 1, 3, 1},                     // above a half
        {5, 1, -2, -3},                   // a negative divisor: -2.5
        {-5, 1, -2, 3},                   // both negative: +2.5
        {100000, 100000, 100000, 100000}, // the product exceeds an int
        {INT_MIN, 1, 1, INT_MIN},
        {INT_MAX, 1, 1, INT_MAX},
        {0, 7, 3, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.a << " * " << r.b << " / " << r.c);
        EXPECT_EQ(MulDiv(r.a, r.b, r.c), r.expected);
    }
}

TEST(MulDiv, NoIntResultGivesMinusOne) {
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, 2, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, -1, 1), -1);
}

} // namespace
