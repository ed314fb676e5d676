#include "calc/SeismicKA.h"

#include <cmath>

// KEA = cos^2(phi - theta0 - theta) / (cos theta0 * cos^2 theta * cos(theta + theta0 + delta)
//       * (1 + r)^2)
// r   = sqrt(sin(phi + delta) * sin sE / (cos(theta + theta0 + delta) * cos(theta - alpha))),
// sE  = phi - alpha - theta0, or 0 when that is not positive.
double SeismicKA(double phi, double theta, double delta, double alpha, double theta0) {
    double sE = phi - alpha - theta0 > 0 ? phi - alpha - theta0 : 0.0;
    double r = std::sqrt(std::sin(phi + delta) * std::sin(sE) /
                         (std::cos(theta + theta0 + delta) * std::cos(theta - alpha)));
    double cpt = std::cos(phi - theta0 - theta);
    double ct = std::cos(theta);
    double onePlusR = 1 + r;
    return cpt * cpt /
           (std::cos(theta0) * ct * ct * std::cos(theta + theta0 + delta) * (onePlusR * onePlusR));
}

bool SeismicWedgeBounded(double phi, double alpha, double theta0) {
    return phi - alpha - theta0 > 0;
}
