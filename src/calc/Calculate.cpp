// The design calculation of one wall case: derived inputs, earth pressure, weights and
// stability, bearing pressure, and the design of stem, toe slab and heel slab. Every formula
// is written in the order of the printed calculation, so that printed digits agree with a
// hand calculation also where a value sits exactly on a rounding boundary.
// Coordinates: x from the front edge of the toe towards the heel, y up from the base underside.
#include "calc/BearingPressure.h"
#include "calc/CoulombKA.h"
#include "calc/DesignResult.h"
#include "calc/MemberDesign.h"
#include "calc/Seismic.h"
#include "model/RTData.h"

#include <cmath>

namespace {

// Derived inputs of the case and the earth pressure on the virtual back face.
void EarthPressure(CRTData& c, CDesignResult& r) {
    r.Hs = c.m_H1 + c.m_H2 - c.m_D2;
    if (c.m_bDeltaIsAlpha)
        c.m_delta = c.m_alpha;
    if (c.m_bDeltaWTwoThirdsPhi)
        c.m_deltaW = c.m_phi * 2 / 3;
    if (c.m_bThetaWAuto)
        c.m_thetaW = std::atan2(c.m_T3, r.Hs);
    if (c.m_bPhiInput == 1) {
        c.m_KA = CoulombKA(c.m_phi, 0, c.m_delta, c.m_alpha);
        r.KAw = CoulombKA(c.m_phi, c.m_thetaW, c.m_deltaW, c.m_alpha);
    } else {
        r.KAw = c.m_KA;
    }
    r.KA = c.m_KA;

    r.dh = std::tan(c.m_alpha) * (c.m_T3 + c.m_L2);
    r.H = c.m_H1 + c.m_H2 + r.dh;
    r.B = c.m_T2 + c.m_L1 + c.m_L2;
    r.b = c.m_T2 - c.m_T1 - c.m_T3;

    const double cosDelta = std::cos(c.m_delta);
    const double sinDelta = std::sin(c.m_delta);
    r.PA = r.KA * 0.5 * c.m_gammaS * r.H * r.H;
    r.Ph = r.PA * cosDelta;
    r.Pv = r.PA * sinDelta;
    r.dPA = (c.m_q - c.m_qDeduct) * r.KA * r.H;
    r.dPh = r.dPA * cosDelta;
    r.dPv = r.dPA * sinDelta;
}

// Vertical loads on the base and their lever arms from the toe edge.
void Weights(const CRTData& c, CDesignResult& r) {
    const double T1 = c.m_T1, T2 = c.m_T2, T3 = c.m_T3, D1 = c.m_D1, D2 = c.m_D2;
    const double H2 = c.m_H2, L1 = c.m_L1, L2 = c.m_L2;
    const double Hs = r.Hs, B = r.B, b = r.b;

    r.W1 = c.m_gammaC * (T1 + T2) / 2 * Hs + c.m_P;
    r.W2 = c.m_gammaC * ((D1 + D2) / 2 * (L1 + L2) + T2 * D2);

    r.A31 = L2 * Hs;
    r.A32 = (D2 - D1) / 2 * L2;
    r.A33 = Hs / 2 * T3;
    r.A34 = (T3 + L2) / 2 * r.dh;
    r.W3 = c.m_gammaS * (r.A31 + r.A32 + r.A33 + r.A34) + c.m_q * (T3 + L2);

    r.bf = (H2 - D2) * b / Hs;
    r.A41 = (H2 - D2) * L1;
    r.A42 = (D2 - D1) * L1 / 2;
    r.A43 = (H2 - D2) * r.bf / 2;
    r.W4 = c.m_gammaSFront * (r.A41 + r.A42 + r.A43) + c.m_qFront * (L1 + r.bf);

    r.W5 = r.Pv + r.dPv;
    r.SW = r.W1 + r.W2 + r.W3 + r.W4 + r.W5;

    // Centroid of the stem's trapezoid: bottom from a to c, top from e1 to f1.
    const double a = L1, cc = L1 + T2, e1 = L1 + b, f1 = L1 + b + T1;
    r.x1 = ((cc * cc + cc * f1 + f1 * f1) - (a * a + a * e1 + e1 * e1)) / (3 * (T2 + T1));

    const double A21 = (D2 - D1) * L1 / 2, x21 = 2 * L1 / 3;
    const double A22 = D1 * B, x22 = B / 2;
    const double A23 = (D2 - D1) * T2, x23 = L1 + T2 / 2;
    const double A24 = (D2 - D1) * L2 / 2, x24 = B - 2 * L2 / 3;
    r.x2 = c.m_gammaC * (A21 * x21 + A22 * x22 + A23 * x23 + A24 * x24) / r.W2;

    if (r.W3 == 0) {
        r.x3 = 0;
    } else {
        r.x3 = (c.m_gammaS * (r.A31 * (B - L2 / 2) + r.A32 * (B - L2 / 3) +
                              r.A33 * (L1 + T2 - T3 / 3) + r.A34 * (B - (T3 + L2) / 3)) +
                c.m_q * (T3 + L2) * (B - (T3 + L2) / 2)) /
               r.W3;
    }

    if (r.W4 == 0) {
        r.x4 = 0;
    } else {
        const double front = L1 + r.bf;
        r.x4 = (c.m_gammaSFront * (r.A41 * L1 / 2 + r.A42 * L1 / 3 + r.A43 * (L1 + r.bf / 3)) +
                c.m_qFront * (front * front) / 2) /
               r.W4;
    }
}

void Stability(const CRTData& c, CDesignResult& r) {
    const double B = r.B;
    r.Mo = r.Ph * r.H / 3 + r.dPh * r.H / 2 + c.m_M;
    r.Mr = r.W1 * r.x1 + r.W2 * r.x2 + r.W3 * r.x3 + r.W4 * r.x4 + r.W5 * B;
    r.Fo = r.Mr / r.Mo;

    r.RH = r.SW * c.m_mu;
    r.SP = r.Ph + r.dPh;
    r.Fs = r.RH / r.SP;

    r.bearing = BearingPressure(r.SW, r.Mr, r.Mo, B, c.m_L1, c.m_T2);
    const CBearingPressure& p = r.bearing;

    r.overturnOK = r.Fo >= c.m_FsOverturnLimit;
    r.slidingOK = r.Fs >= c.m_FsSlidingLimit;
    // A resultant off the base leaves no pressure diagram to judge: the bearing checks fail
    // whatever the linear formulas give.
    const bool onBase = p.ResultantOnBase();
    r.toeBearingOK = onBase && p.qL < c.m_fe;
    r.heelBearingOK = onBase && p.qR < c.m_fe;
    r.bearingOK = onBase && p.qmax <= c.m_fe;
    r.overturnFailure = r.Fo < 1.0;
}

// Self-weight of a slab of length L, D1 thick at its free end and D2 at the stem, and the
// distance of its centroid from the stem face (rectangle at L/2, triangle at L/3).
void SlabWeight(double L, double D1, double D2, double gc, double& W, double& x) {
    W = (D1 + D2) * gc / 2 * L;
    x = (L * D1 * gc * L / 2 + L * (D2 - D1) * gc / 2 * L / 3) / W;
}

void MemberDesign(const CRTData& c, CDesignResult& r) {
    const double Fc = c.m_Fc;
    r.n = Fc <= 27 ? 15 : Fc <= 36 ? 13 : Fc <= 48 ? 11 : 9;
    r.fc = Fc / 3;
    r.fs = Fc <= 21 ? Fc / 30 : Fc / 100 + 0.49;
    r.gamma = 0;

    const double D1 = c.m_D1, D2 = c.m_D2, T2 = c.m_T2, L1 = c.m_L1, L2 = c.m_L2;
    const double gc = c.m_gammaC;

    // Stem, at its base.
    const double Hs = r.Hs;
    const double cw = std::cos(c.m_thetaW + c.m_deltaW);
    r.P1 = r.KAw * Hs * Hs * c.m_gammaS * 0.5 * cw;
    r.P2 = (c.m_q - c.m_qDeduct) * r.KAw * Hs * cw;
    CMemberResult& w = r.wall;
    w.M = r.P2 * Hs / 2 + r.P1 * Hs / 3 + c.m_M;
    w.Q = r.P1 + r.P2;
    SectionDepths(T2, c.m_dtWall, w);
    const CMemberStresses stresses{BAR_LONG_TERM, c.m_Fc / 3 / 10};
    DesignSection(c, r, SLOT_WALL, c.m_dtWall, stresses, w);
    w.tau = ShearStress(w);

    SlabWeight(L1, D1, D2, gc, r.Wt, r.xt);
    DesignToe(c, r, r.bearing, stresses, r.toeLoad, r.toe);
    SlabWeight(L2, D1, D2, gc, r.Wh, r.xh);
    DesignHeel(c, r, r.bearing, stresses, r.Lh, r.heelLoad, r.heel);
}

} // namespace

void CRTData::Calculate(CDesignResult& res) {
    res = CDesignResult{};
    EarthPressure(*this, res);
    Weights(*this, res);
    Stability(*this, res);
    MemberDesign(*this, res);
    SeismicChecks(*this, res);
}
