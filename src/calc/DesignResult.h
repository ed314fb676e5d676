// Every value of one case's design calculation, one double per printed quantity, named
// after the symbol the calculation sheet prints. Forces in kN, moments in kN*m, lengths in m,
// pressures in kN/m^2, stresses of the members in N/mm^2; all per metre run of wall.
#pragma once

#include "calc/BearingPressure.h"

// Design of one reinforced-concrete member (stem, toe slab or heel slab) at its root.
struct CMemberResult {
    double M = 0;    // design bending moment (signed)
    double Q = 0;    // shear force (signed)
    double D = 0;    // section thickness
    double d = 0;    // effective depth
    double j = 0;    // lever arm of the internal forces
    double a = 0;    // area of one bar (cm^2)
    double ft = 0;   // allowable tensile stress of the bar (kN/cm^2)
    double at = 0;   // required reinforcement |M| / ft / j (cm^2/m)
    double at_p = 0; // provided reinforcement a * 1000 / pitch (cm^2/m)
    double pt = 0;   // provided steel ratio
    double Ptb = 0;  // balanced steel ratio
    double tau = 0;  // shear stress
    double rho = 0;  // stress ratio at / at_p

    bool SteelOK() const { return at <= at_p; }
    bool BalancedOK() const { return pt <= Ptb; }
    bool BalancedBelow() const { return pt < Ptb; }
    bool ShearOK(double fs) const { return tau <= fs; }
    bool RatioOK() const { return rho <= 1.0; }
};

// Shape of the bearing pressure that acts upward on a slab between its free end (the toe end or
// the heel end) and the stem face.
enum class SlabPressure {
    Trapezoid,         // over the loaded length, from qEnd at its free side to qFace at the stem
    TriangleAtFreeEnd, // from qEnd at the free end falling to 0 over the length
    TriangleAtStem,    // from qFace at the stem face falling to 0 over the length
};

struct CSlabLoad {
    SlabPressure shape = SlabPressure::Trapezoid;
    double qEnd = 0;   // pressure at the free end
    double qFace = 0;  // pressure at the stem face
    double length = 0; // loaded length
};

// A slab of length L is designed in section 6) only when it is longer than 0; its stress-ratio
// row of the summary stands whenever the length is not 0, so a negative length keeps that row.
inline bool SlabDesigned(double L) {
    return L > 0;
}
inline bool SlabInSummary(double L) {
    return L != 0;
}

// A member of a seismic level: its design, and whether its judgements can stand at all. They
// cannot when the level's earth pressure is unbounded, when the bar table gives no usable
// stress for the level (an entry of 0 or below the long-term stress), or, for the slabs, when
// the level's resultant leaves the base.
struct CSeismicMember {
    CMemberResult m;
    bool valid = false;
    bool barUsable = false; // the level's bar stress is positive and not below the long-term one

    bool SteelOK() const { return valid && m.SteelOK(); }
    bool BalancedOK() const { return valid && m.BalancedOK(); }
    bool BalancedBelow() const { return valid && m.BalancedBelow(); }
    bool ShearOK(double fs) const { return valid && m.ShearOK(fs); }
    bool RatioOK() const { return valid && m.RatioOK(); }
};

// One earthquake level: the moderate one (members within the short-term allowable stresses)
// or the large one (stability, bearing against the ultimate capacity and members within the
// material strengths).
struct CSeismicResult {
    bool checked = false; // kh above 0 (or not a number) and phi entered
    double kh = 0;        // design horizontal coefficient
    double theta0 = 0;    // atan(kh)
    bool bounded = false; // phi - alpha - theta0 > 0: the seismic earth pressure is defined
    double deltaWE = 0;   // wall friction angle of the stem during the earthquake
    double KEA = 0;       // coefficient for the stability checks
    double KEAw = 0;      // coefficient for the stem design
    double PAE = 0, PAEh = 0, PAEv = 0;
    double dPAE = 0, dPAEh = 0, dPAEv = 0; // of the surcharge (delta PAE)

    // Inertia forces of the bodies that move with the wall, with their heights.
    double Ws = 0, ys = 0;          // stem
    double yP = 0;                  // the top load P
    double A2 = 0, A2y = 0, y2 = 0; // base slab: area, first moment of area, centroid height
    double A3 = 0, A3y = 0, y3 = 0; // backfill on the heel: the same
    double W3s = 0;                 // weight of that backfill
    double HE = 0, MHE = 0;         // horizontal force and its moment about the base underside

    // Stability.
    double W5E = 0, SWE = 0;
    double MoE = 0, MrE = 0, FoE = 0;
    double RHE = 0, SPE = 0, FsE = 0;
    CBearingPressure bearing;
    double qu = 0; // ultimate bearing capacity ru * fe (large earthquake)

    // Allowable values of the members.
    double fc = 0; // N/mm^2
    double fs = 0; // N/mm^2
    double cw = 0; // cos(thetaW + deltaWE)
    double P1E = 0, P2E = 0;
    CSeismicMember wall;
    CSlabLoad toeLoad;
    CSeismicMember toe;
    double Lh = 0;
    CSlabLoad heelLoad;
    CSeismicMember heel;

    // Judgements of the large earthquake, each stated as its OK condition.
    bool overturnOK = false; // FoE >= required factor
    bool slidingOK = false;  // FsE >= required factor
    bool bearingOK = false;  // qmax <= qu with the resultant on the base
};

struct CDesignResult {
    // Earth pressure and geometry.
    double KA = 0;  // coefficient for the stability checks
    double KAw = 0; // coefficient for the stem design
    double dh = 0;  // rise of the backfill surface over the back width (delta h)
    double H = 0;   // height of the virtual back face
    double Hs = 0;  // stem height above the base
    double B = 0;   // base width
    double b = 0;   // front batter of the stem
    double PA = 0, Ph = 0, Pv = 0;
    double dPA = 0, dPh = 0, dPv = 0; // surcharge earth pressure (delta PA) and components

    // Weights and lever arms.
    double A31 = 0, A32 = 0, A33 = 0, A34 = 0; // soil areas over the heel side
    double A41 = 0, A42 = 0, A43 = 0;          // soil areas over the toe side
    double bf = 0; // width of the front soil over the stem's front batter
    double W1 = 0, x1 = 0;
    double W2 = 0, x2 = 0;
    double W3 = 0, x3 = 0;
    double W4 = 0, x4 = 0;
    double W5 = 0;
    double SW = 0; // sum of the vertical loads (Sigma W)

    // Overturning and sliding.
    double Mo = 0, Mr = 0, Fo = 0;
    double RH = 0, SP = 0, Fs = 0; // SP: total horizontal force (Sigma P)

    CBearingPressure bearing;

    // Allowable values of the member design.
    double n = 0;     // modular ratio
    double fc = 0;    // allowable compressive stress of the concrete (N/mm^2)
    double fs = 0;    // allowable shear stress of the concrete (N/mm^2)
    double gamma = 0; // compression steel ratio (single reinforcement)

    // Stem.
    double P1 = 0, P2 = 0;
    CMemberResult wall;
    // Toe slab.
    double Wt = 0, xt = 0;
    CSlabLoad toeLoad;
    CMemberResult toe;
    // Heel slab.
    double Wh = 0, xh = 0;
    double Lh =
        0; // Xn - L1 - T2: where a toe-side diagram ends, measured from the stem's back face
    CSlabLoad heelLoad;
    CMemberResult heel;

    // Judgements, each stated as its OK condition so that a NaN gives NG.
    bool overturnOK = false; // Fo >= required factor
    bool slidingOK = false;  // Fs >= required factor
    // The bearing checks also need the resultant on the base: outside it the wall overturns.
    bool toeBearingOK = false;    // qL < fe
    bool heelBearingOK = false;   // qR < fe
    bool bearingOK = false;       // qmax <= fe (summary)
    bool overturnFailure = false; // Fo < 1.0: the sheet stops after sliding

    // Seismic checks, each level only when its coefficient asks for it.
    bool seismicAsked = false; // some level has a coefficient that asks for a check
    CSeismicResult moderate;   // kh1
    CSeismicResult large;      // kh2
};
