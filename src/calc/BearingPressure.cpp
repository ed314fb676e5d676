#include "calc/BearingPressure.h"

#include <cmath>

bool CBearingPressure::ResultantOnBase() const {
    return d > 0 && d < B;
}

double CBearingPressure::PressureAt(double x) const {
    double p;
    if (branch == BearingBranch::HeelSide)
        p = x <= x0 ? 0.0 : qR * (x - x0) / Xn;
    else
        p = qL - (qL / Xn) * x;
    return p < 0 ? 0.0 : p;
}

void PressuresUnderBase(CBearingPressure& p, double L1, double T2) {
    p.q1 = p.PressureAt(L1);
    p.q2 = p.PressureAt(L1 + T2);
    // On the heel side the diagram peaks at the heel end itself.
    p.qR0 = p.branch == BearingBranch::HeelSide ? (p.qR < 0 ? 0.0 : p.qR) : p.PressureAt(p.B);
    p.qmax = p.qL > p.qR0 ? p.qL : p.qR0;
}

CBearingPressure BearingPressure(double SW, double Mr, double Mo, double B, double L1, double T2) {
    CBearingPressure p;
    p.B = B;
    p.d = (Mr - Mo) / SW;
    p.qm = SW / B;
    p.e = B / 2 - p.d;
    p.eB = p.e / B;

    if (std::fabs(p.eB) <= 1.0 / 6.0) {
        // Middle third (equality included): the whole base is in compression.
        p.branch = BearingBranch::MiddleThird;
        p.Xn = (B / p.e / 6 + 1) * (B / 2);
        p.alphaL = 6 * p.eB + 1;
    } else if (p.eB < -1.0 / 6.0) {
        // Heel-side outer third: the no-tension triangle is measured from the heel end, three
        // times the resultant's distance from it.
        p.branch = BearingBranch::HeelSide;
        p.Xn = (B / 2 - (-p.e)) * 3;
        p.x0 = B - p.Xn;
        p.alphaL = 0;
        p.qL = 0;
        p.alphaR = (2.0 / 3.0) / (0.5 + p.e / B);
        p.qR = p.alphaR * p.qm;
        PressuresUnderBase(p, L1, T2);
        return p;
    } else {
        // Toe-side outer third, and a ratio that is not a number.
        p.branch = BearingBranch::ToeSide;
        p.Xn = (B / 2 - p.e) * 3;
        p.alphaL = (2.0 / 3.0) / (0.5 - p.eB);
    }
    p.alphaR = p.alphaL - (p.alphaL / p.Xn) * B;
    p.qL = p.alphaL * p.qm;
    p.qR = p.alphaR * p.qm;
    PressuresUnderBase(p, L1, T2);
    return p;
}
