// Unit conversions shared by the calculation, the sheet and the input exchange.
#pragma once

// Degrees and radians are converted with this value of pi throughout, so that angles
// stored in case files and printed on sheets agree with the values users already have.
constexpr double kPi = 3.1415926535898;

// Degrees typed by the user become radians by dividing by 180 first; the order decides the
// last bit of some angles, which the case file then stores.
inline double DegToRad(double deg) {
    return deg / 180.0 * kPi;
}
inline double RadToDeg(double rad) {
    return rad * 180.0 / kPi;
}
