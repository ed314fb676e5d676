// Unit conversions shared by the calculation, the sheet and the input exchange.
#pragma once

// Degrees and radians are converted with this value of pi throughout, so that angles
// stored in case files and printed on sheets agree with the values users already have.
constexpr double kPi = 3.1415926535898;

inline double DegToRad(double deg) {
    return deg * kPi / 180.0;
}
inline double RadToDeg(double rad) {
    return rad * 180.0 / kPi;
}
