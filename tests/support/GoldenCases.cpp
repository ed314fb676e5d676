#include "GoldenCases.h"

#include "NamedWalls.h"

namespace {

// A new default case with one change.
template <typename Change> CRTData Changed(Change change) {
    CRTData c;
    change(c);
    return c;
}

} // namespace

const std::vector<GoldenCase> kGoldenCases = {
    {"default", CRTData()},
    // KA entered directly: no friction-angle rows in the data block and in sections 1) and 6).
    {"ka_input", Changed([](CRTData& c) { c.m_bPhiInput = 0; })},
    // Fo = 0.27, the sheet ends after section 4).
    {"overturning_stop", OverturningWall()},
    // Xn from the toe-side formula, no heel pressure row, q1 = qR0 = 0 (triangle rows of both
    // slabs).
    {"outside_toe", OutsideToeWall()},
    // Checked by hand: SW = 84.865, Mr = 107.730, Mo = 7.125, so d = (Mr - Mo) / SW = 1.1855
    // and B - d = 0.4645; Xn = 3 (B - d) = 1.394 ("1.39"); qR = 2 SW / (3 (B - d)) = 169.73 /
    // 1.3936 = 121.8 > fe = 50 (NG, also in the summary); qL = 0.0 with alpha 0.000; the zero point
    // x0 = B - Xn = 0.256 lies under the toe: q1 = qR (L1 - x0) / Xn = 121.79 x 0.9436 / 1.3936
    // = 82.47 over Lt = L1 - x0 = 0.944, toe M = 82.47 x 0.944^2 / 6 - 2.16 x 0.6 - 5.76 x 0.6
    // = 12.24 - 4.75 = 7.49; q2 = qR (L1 + T2 - x0) / Xn = 104.31, and the heel takes the
    // trapezoid from 104.31 to 121.79.
    {"outside_heel", OutsideHeelWall()},
    {"no_toe", Changed([](CRTData& c) { c.m_L1 = 0.0; })},
    // An L-shaped wall with the stem at the heel end (the default wall without its heel would
    // overturn).
    {"no_heel", Changed([](CRTData& c) {
         c.m_L1 = 1.2;
         c.m_L2 = 0.0;
     })},
    // Toe bar not in the table: empty grade label, zero area and stress, infinite and NaN
    // results in its block, NG judgements.
    {"unknown_bar", Changed([](CRTData& c) { c.m_strBar[SLOT_TOE] = L"D99"; })},
    // A stem of zero thickness (T1 = T2 = T3 = 0): the stem's lever arm is 0/0, so Mr, Fo, the
    // whole bearing-pressure calculation and the slab designs are NaN (a NaN Fo is no overturning
    // stop; every judgement on a NaN is NG); a heel bar pitch of 0 makes its provided steel and
    // steel ratio infinite.
    {"nan_inf", Changed([](CRTData& c) {
         c.m_T1 = 0.0;
         c.m_T2 = 0.0;
         c.m_T3 = 0.0;
         c.m_nPitch[SLOT_HEEL] = 0;
     })},
};
