#include "calc/CoulombKA.h"

#include <cmath>

// KA = cos^2(phi - theta) / (cos^2 theta * cos(theta + delta) * (1 + r)^2)
// r  = sqrt(sin(phi + delta) * sin s / (cos(theta + delta) * cos(theta - alpha))),
// s  = phi - alpha, or 0 when the slope reaches the friction angle.
double CoulombKA(double phi, double theta, double delta, double alpha) {
    double s = phi - alpha > 0 ? phi - alpha : 0.0;
    double ctd = std::cos(theta + delta);
    double r = std::sqrt(std::sin(phi + delta) * std::sin(s) / (ctd * std::cos(theta - alpha)));
    double cpt = std::cos(phi - theta);
    double ct = std::cos(theta);
    double onePlusR = 1 + r;
    return cpt * cpt / (ct * ct * ctd * (onePlusR * onePlusR));
}
