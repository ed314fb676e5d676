// Seismic checks. Coordinates as in the long-term calculation: x from the toe edge, y up from
// the base underside. The surcharge q and the top moment M act during the earthquake; the
// surcharge and the front soil get no inertia force; the seismic earth pressure acts at H/3
// and its surcharge part at H/2. Every formula is written in the order the sheet prints it.
#include "calc/Seismic.h"

#include "calc/BearingPressure.h"
#include "calc/MemberDesign.h"
#include "calc/PressureComponents.h"
#include "calc/SeismicKA.h"

#include <cmath>

namespace {

enum class Level { Moderate, Large };

// Seismic coefficients and the earth pressure on the virtual back face.
void EarthPressure(const CRTData& c, const CDesignResult& r, CSeismicResult& s) {
    s.theta0 = std::atan(s.kh);
    s.bounded = SeismicWedgeBounded(c.m_phi, c.m_alpha, s.theta0);
    // With the 2/3 phi option the stem takes the wall friction of the earthquake, phi / 2.
    s.deltaWE = c.m_bDeltaWTwoThirdsPhi ? c.m_phi / 2 : c.m_deltaW;
    s.KEA = SeismicKA(c.m_phi, 0, c.m_delta, c.m_alpha, s.theta0);
    s.KEAw = SeismicKA(c.m_phi, c.m_thetaW, s.deltaWE, c.m_alpha, s.theta0);
    s.PAE = s.KEA * 0.5 * c.m_gammaS * r.H * r.H;
    PressureComponents(s.PAE, c.m_delta, s.PAEh, s.PAEv);
    s.dPAE = (c.m_q - c.m_qDeduct) * s.KEA * r.H;
    PressureComponents(s.dPAE, c.m_delta, s.dPAEh, s.dPAEv);
}

// Horizontal inertia forces, towards the toe, of the stem, the top load, the base slab and the
// backfill resting on the heel, with their heights above the base underside.
void Inertia(const CRTData& c, const CDesignResult& r, CSeismicResult& s) {
    const double T1 = c.m_T1, T2 = c.m_T2, D1 = c.m_D1, D2 = c.m_D2;
    const double H1 = c.m_H1, H2 = c.m_H2, L1 = c.m_L1, L2 = c.m_L2;
    const double Hs = r.Hs;
    s.Ws = c.m_gammaC * (T1 + T2) / 2 * Hs;
    s.ys = D2 + Hs * (T2 + 2 * T1) / (3 * (T1 + T2));
    s.yP = H1 + H2;

    // Base section: the strip D1 thick over the whole width, the toe and heel wedges above
    // it and the block under the stem.
    const double strip = D1 * r.B, toeWedge = (D2 - D1) * L1 / 2, heelWedge = (D2 - D1) * L2 / 2;
    const double block = (D2 - D1) * T2;
    const double yWedge = D1 + (D2 - D1) / 3, yBlock = D1 + (D2 - D1) / 2;
    s.A2 = strip + toeWedge + heelWedge + block;
    s.A2y = strip * (D1 / 2) + toeWedge * yWedge + heelWedge * yWedge + block * yBlock;
    s.y2 = s.A2 == 0 ? 0.0 : s.A2y / s.A2;

    s.A3 = r.A31 + r.A32 + r.A33 + r.A34;
    s.A3y = r.A31 * (D2 + Hs / 2) + r.A32 * (D2 - (D2 - D1) / 3) + r.A33 * (D2 + 2 * Hs / 3) +
            r.A34 * (H1 + H2 + r.dh / 3);
    s.y3 = s.A3 == 0 ? 0.0 : s.A3y / s.A3;
    s.W3s = c.m_gammaS * (r.A31 + r.A32 + r.A33 + r.A34);

    s.HE = s.kh * (s.Ws + c.m_P + r.W2 + s.W3s);
    s.MHE = s.kh * (s.Ws * s.ys + c.m_P * (H1 + H2) + r.W2 * s.y2 + s.W3s * s.y3);
}

void Stability(const CRTData& c, const CDesignResult& r, Level level, CSeismicResult& s) {
    const double B = r.B;
    s.MoE = s.PAEh * r.H / 3 + s.dPAEh * r.H / 2 + s.MHE + c.m_M;
    s.W5E = s.PAEv + s.dPAEv;
    s.MrE = r.W1 * r.x1 + r.W2 * r.x2 + r.W3 * r.x3 + r.W4 * r.x4 + s.W5E * B;
    s.SWE = r.W1 + r.W2 + r.W3 + r.W4 + s.W5E;
    s.FoE = s.MrE / s.MoE;
    s.RHE = s.SWE * c.m_mu;
    s.SPE = s.PAEh + s.dPAEh + s.HE;
    s.FsE = s.RHE / s.SPE;
    s.bearing = BearingPressure(s.SWE, s.MrE, s.MoE, B, c.m_L1, c.m_T2);
    s.qu = c.m_ru * c.m_fe;
    if (level == Level::Large) {
        s.overturnOK = s.bounded && s.FoE >= c.m_FoL;
        s.slidingOK = s.bounded && s.FsE >= c.m_FsL;
        s.bearingOK = s.bounded && s.bearing.ResultantOnBase() && s.bearing.qmax <= s.qu;
    }
}

// The bar stress of the level must be given and must not fall below the long-term one.
void JudgeableMember(const CRTData& c, int slot, bool judgeable, CSeismicMember& m) {
    m.barUsable = m.m.ft > 0 && m.m.ft >= c.GetBarAllowableStress(slot);
    m.valid = judgeable && m.barUsable;
}

// Moderate earthquake: short-term allowable stresses; large earthquake: material strengths.
void Members(const CRTData& c, const CDesignResult& r, Level level, CSeismicResult& s) {
    const bool moderate = level == Level::Moderate;
    s.fc = moderate ? 2 * c.m_Fc / 3 : c.m_Fc;
    s.fs = moderate ? 1.5 * r.fs : 3 * r.fs;
    const CMemberStresses stresses{moderate ? BAR_SHORT_TERM : BAR_YIELD, s.fc / 10};

    const double Hs = r.Hs;
    s.cw = std::cos(c.m_thetaW + s.deltaWE);
    s.P1E = s.KEAw * Hs * Hs * c.m_gammaS * 0.5 * s.cw;
    s.P2E = (c.m_q - c.m_qDeduct) * s.KEAw * Hs * s.cw;
    CMemberResult& w = s.wall.m;
    w.M =
        s.P2E * Hs / 2 + s.P1E * Hs / 3 + s.kh * s.Ws * (s.ys - c.m_D2) + s.kh * c.m_P * Hs + c.m_M;
    w.Q = s.P1E + s.P2E + s.kh * (s.Ws + c.m_P);
    SectionDepths(c.m_T2, c.m_dtWall, w);
    DesignSection(c, r, SLOT_WALL, c.m_dtWall, stresses, w);
    w.tau = ShearStress(w);
    JudgeableMember(c, SLOT_WALL, s.bounded, s.wall);

    DesignToe(c, r, s.bearing, stresses, s.toeLoad, s.toe.m);
    DesignHeel(c, r, s.bearing, stresses, s.Lh, s.heelLoad, s.heel.m);
    // Off the base no pressure diagram stands under the slabs.
    const bool onBase = s.bounded && s.bearing.ResultantOnBase();
    JudgeableMember(c, SLOT_TOE, onBase, s.toe);
    JudgeableMember(c, SLOT_HEEL, onBase, s.heel);
}

void LevelChecks(const CRTData& c, const CDesignResult& r, double kh, Level level,
                 CSeismicResult& s) {
    s.kh = kh;
    // Without an entered friction angle there is no seismic earth pressure to compute.
    s.checked = SeismicLevelAsked(kh) && c.m_bPhiInput == 1;
    if (!s.checked)
        return;
    EarthPressure(c, r, s);
    Inertia(c, r, s);
    Stability(c, r, level, s);
    Members(c, r, level, s);
}

} // namespace

void SeismicChecks(const CRTData& c, CDesignResult& r) {
    r.seismicAsked = c.SeismicAsked();
    LevelChecks(c, r, c.m_kh1, Level::Moderate, r.moderate);
    LevelChecks(c, r, c.m_kh2, Level::Large, r.large);
}
