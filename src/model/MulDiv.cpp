#include "model/MulDiv.h"

#include <cstdlib>

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    long long num = static_cast<long long>(a) * b;
    long long den = c;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    // Round half away from zero: add half the divisor to the magnitude before truncating.
    long long q = (std::llabs(num) + den / 2) / den;
    long long result = num < 0 ? -q : q;
    if (result > 2147483647LL || result < -2147483648LL)
        return -1;
    return static_cast<int>(result);
}
