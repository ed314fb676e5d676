#include "calc/MemberDesign.h"

#include <cmath>

namespace {

// Upward moment and shear of the bearing pressure on a slab of length L about the stem face.
void SlabBearing(const CSlabLoad& load, double L, double& M, double& Q) {
    const double X = load.length;
    switch (load.shape) {
    case SlabPressure::Trapezoid:
        M = (2 * load.qEnd + load.qFace) * (X * X) / 6;
        Q = (load.qFace + load.qEnd) * X / 2;
        break;
    case SlabPressure::TriangleAtFreeEnd:
        M = load.qEnd * X / 2 * (L - X / 3);
        Q = load.qEnd * X / 2;
        break;
    case SlabPressure::TriangleAtStem:
        M = load.qFace * (X * X) / 6;
        Q = load.qFace * X / 2;
        break;
    }
}

// A slab about the stem face: the bearing pressure's moment and shear upwards against the
// moment of the loads on the slab and the weights of soil (load) and slab (own) downwards; then
// its section, reinforcement and shear stress.
void DesignSlab(const CRTData& c, const CDesignResult& r, int slot, const CSlabLoad& pressure,
                double L, double downMoment, double load, double own, const CMemberStresses& s,
                CMemberResult& m) {
    double up = 0, upShear = 0;
    SlabBearing(pressure, L, up, upShear);
    m.M = up + downMoment;
    m.Q = upShear - load - own;
    SectionDepths(c.m_D2, c.m_dtBase, m);
    DesignSection(c, r, slot, c.m_dtBase, s, m);
    m.tau = ShearStress(m);
}

} // namespace

void SectionDepths(double D, double cover, CMemberResult& m) {
    m.D = D;
    m.d = D - cover;
    m.j = m.d * 0.875;
}

void DesignSection(const CRTData& c, const CDesignResult& r, int slot, double dc,
                   const CMemberStresses& s, CMemberResult& m) {
    const CBarValues bar = c.GetBarValues(slot, s.barEntry);
    m.a = bar.area;
    m.ft = bar.stress;
    const double fc = s.fc;
    const double n = r.n, gamma = r.gamma, ft = m.ft;
    m.at = std::fabs(m.M) / ft / m.j;
    m.at_p = m.a * 1000 / c.m_nPitch[slot];
    m.pt = m.a / c.m_nPitch[slot] / m.d / 10;
    m.Ptb =
        0.5 / (1 + ft / n / fc) / ((1 + gamma * dc / m.d) * ft / fc - n * gamma * (1 - dc / m.d));
    m.rho = m.at / m.at_p;
}

double ShearStress(const CMemberResult& m) {
    return std::fabs(m.Q) / m.j / 1000;
}

// With the resultant on the heel side the pressure triangle starts at x0 and reaches under
// the toe only when x0 < L1.
void DesignToe(const CRTData& c, const CDesignResult& r, const CBearingPressure& p,
               const CMemberStresses& s, CSlabLoad& tl, CMemberResult& t) {
    const double L1 = c.m_L1;
    tl.qEnd = p.qL;
    tl.qFace = p.q1;
    if (p.q1 != 0) {
        tl.shape = SlabPressure::Trapezoid;
        tl.length = p.HeelSide() ? L1 - p.x0 : L1;
    } else {
        tl.shape = SlabPressure::TriangleAtFreeEnd;
        tl.length = p.HeelSide() ? 0.0 : p.Xn;
    }
    const double toeDown = -r.W4 * (L1 - r.x4) - r.Wt * r.xt;
    DesignSlab(c, r, SLOT_TOE, tl, L1, toeDown, r.W4, r.Wt, s, t);
}

// A toe-side diagram that ends before the heel end leaves a triangle of length Lh at the
// stem; a heel-side diagram that starts beyond the stem's back face a triangle of length Xn
// at the heel end.
void DesignHeel(const CRTData& c, const CDesignResult& r, const CBearingPressure& p,
                const CMemberStresses& s, double& Lh, CSlabLoad& hl, CMemberResult& h) {
    const double L1 = c.m_L1, L2 = c.m_L2, T2 = c.m_T2;
    Lh = p.Xn - L1 - T2;
    hl.qEnd = p.qR0;
    hl.qFace = p.q2;
    if (p.HeelSide() ? p.q2 != 0 : p.qR0 != 0) {
        hl.shape = SlabPressure::Trapezoid;
        hl.length = L2;
    } else if (p.HeelSide()) {
        hl.shape = SlabPressure::TriangleAtFreeEnd;
        hl.length = p.Xn;
    } else {
        hl.shape = SlabPressure::TriangleAtStem;
        hl.length = Lh;
    }
    const double heelDown = -r.W3 * (r.x3 - L1 - T2) - r.Wh * r.xh;
    DesignSlab(c, r, SLOT_HEEL, hl, L2, heelDown, r.W3, r.Wh, s, h);
}
