// Each judgement exactly on its boundary: a safety factor equal to the required value is OK, a
// pressure equal to fe fails at the section's end rows but passes the summary, and every member
// check accepts equality; the concrete strengths at which the allowable values change.
#include "calc/DesignResult.h"
#include "model/BarTable.h"
#include "model/RTData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

class JudgementBoundary : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadBarTable(TARVO_TEST_DATA "/../res/reinf.txt")); }

    static CDesignResult Run(CRTData c) {
        CDesignResult r;
        c.Calculate(r);
        return r;
    }
    static double Above(double v) { return std::nextafter(v, INFINITY); }
};

TEST_F(JudgementBoundary, SafetyFactorEqualToTheRequiredValueIsOk) {
    const CDesignResult base = Run(CRTData());
    struct Row {
        const char* name;
        std::function<void(CRTData&, double)> setLimit;
        double factor;
        bool CDesignResult::*ok;
    };
    const Row rows[] = {
        {"overturning", [](CRTData& c, double v) { c.m_FsOverturnLimit = v; }, base.Fo,
         &CDesignResult::overturnOK},
        {"sliding", [](CRTData& c, double v) { c.m_FsSlidingLimit = v; }, base.Fs,
         &CDesignResult::slidingOK},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CRTData at, above;
        row.setLimit(at, row.factor);
        row.setLimit(above, Above(row.factor));
        EXPECT_TRUE(Run(at).*row.ok);
        EXPECT_FALSE(Run(above).*row.ok);
    }
}

// Section 5) asks for a pressure below fe, the summary for one not above it.
TEST_F(JudgementBoundary, PressureEqualToFeFailsTheEndRowsButPassesTheSummary) {
    const CDesignResult base = Run(CRTData());
    const CBearingPressure& p = base.bearing;
    ASSERT_GT(p.qL, p.qR0); // the toe end governs the summary

    CRTData toe;
    toe.m_fe = p.qL;
    CDesignResult r = Run(toe);
    EXPECT_FALSE(r.toeBearingOK);
    EXPECT_TRUE(r.bearingOK);
    toe.m_fe = Above(p.qL);
    EXPECT_TRUE(Run(toe).toeBearingOK);

    CRTData heel;
    heel.m_fe = p.qR;
    EXPECT_FALSE(Run(heel).heelBearingOK);
    heel.m_fe = Above(p.qR);
    EXPECT_TRUE(Run(heel).heelBearingOK);
    // qmax just above fe fails the summary.
    CRTData below;
    below.m_fe = std::nextafter(p.qL, 0.0);
    EXPECT_FALSE(Run(below).bearingOK);
}

// A top moment that makes Mo equal to Mr exactly: Fo = 1.0 is no overturning stop, but the
// resultant stands exactly on the toe edge (d = 0), off the base, and the bearing checks fail.
TEST_F(JudgementBoundary, ResultantOnTheToeEdgeAtFoOne) {
    CRTData c;
    c.m_M = 31.535500000000031;
    const CDesignResult r = Run(c);
    ASSERT_EQ(r.Fo, 1.0);
    EXPECT_FALSE(r.overturnFailure);
    EXPECT_FALSE(r.overturnOK);
    EXPECT_EQ(r.bearing.d, 0.0);
    EXPECT_FALSE(r.toeBearingOK);
    EXPECT_FALSE(r.heelBearingOK);
    EXPECT_FALSE(r.bearingOK);
    c.m_M += 1e-9; // Mo just above Mr
    EXPECT_LT(Run(c).Fo, 1.0);
    EXPECT_TRUE(Run(c).overturnFailure);
}

TEST(MemberJudgement, EqualityPassesEveryMemberCheck) {
    CMemberResult m;
    m.at = m.at_p = 4.5;
    m.pt = m.Ptb = 0.0063;
    m.tau = 0.7;
    m.rho = 1.0;
    EXPECT_TRUE(m.SteelOK());
    EXPECT_TRUE(m.BalancedOK());
    EXPECT_FALSE(m.BalancedBelow()); // the sheet prints "＜" with "OK" here
    EXPECT_TRUE(m.ShearOK(0.7));
    EXPECT_TRUE(m.RatioOK());

    CMemberResult over = m;
    over.at = std::nextafter(4.5, 5.0);
    over.pt = std::nextafter(0.0063, 1.0);
    over.tau = std::nextafter(0.7, 1.0);
    over.rho = std::nextafter(1.0, 2.0);
    EXPECT_FALSE(over.SteelOK());
    EXPECT_FALSE(over.BalancedOK());
    EXPECT_FALSE(over.ShearOK(0.7));
    EXPECT_FALSE(over.RatioOK());
    CMemberResult under = m;
    under.pt = std::nextafter(0.0063, 0.0);
    EXPECT_TRUE(under.BalancedBelow());
}

// The modular ratio and the allowable shear stress change just above Fc = 21, 27, 36 and 48.
TEST_F(JudgementBoundary, AllowableValuesChangeJustAboveTheirStrengths) {
    const struct {
        double Fc, n;
        bool shearByThirty;
    } rows[] = {{21, 15, true},  {Above(21), 15, false}, {27, 15, false}, {Above(27), 13, false},
                {36, 13, false}, {Above(36), 11, false}, {48, 11, false}, {Above(48), 9, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Fc);
        CRTData c;
        c.m_Fc = row.Fc;
        const CDesignResult r = Run(c);
        EXPECT_EQ(r.n, row.n);
        EXPECT_EQ(r.fs, row.shearByThirty ? row.Fc / 30 : row.Fc / 100 + 0.49);
    }
}

} // namespace
