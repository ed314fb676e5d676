// The bearing pressure under the base: the three diagrams the resultant's position gives, the
// heel-side triangle's load on toe and heel, the failed bearing check of a resultant off the
// base, and the shear check on the magnitude of the shear force.
#include "calc/BearingPressure.h"
#include "NamedWalls.h"
#include "calc/DesignResult.h"
#include "model/BarTable.h"
#include "model/RTData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class BearingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadBarTable(TARVO_TEST_DATA "/../res/reinf.txt")); }

    static CDesignResult Run(CRTData& c) {
        CDesignResult r;
        c.Calculate(r);
        return r;
    }
};

// Hand figures on a 3 m base carrying SW = 90 kN (q = 30 kN/m^2); Mo = 15 kN*m throughout,
// Mr chosen for the resultant's position d = (Mr - Mo) / SW.
TEST(BearingPressure, DiagramFollowsTheResultantsThird) {
    struct Row {
        const char* name;
        double Mr, L1, T2;
        BearingBranch branch;
        double Xn, x0, qL, qR, q1, q2, qR0;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        // d = 1.5: uniform pressure, Xn infinite.
        {"centre", 150, 1.0, 0.3, BearingBranch::MiddleThird, inf, 0, 30, 30, 30, 30, 30},
        // d = 0.5, e/B = 1/3: triangle of 3 d = 1.5 from the toe, qL = 2 SW / (3 d) = 120.
        {"toe side", 60, 1.0, 0.3, BearingBranch::ToeSide, 1.5, 0, 120, -120, 40, 16, 0},
        // d = 2.5, e/B = -1/3: triangle of 3 (B - d) = 1.5 from the heel end, zero at x0 = 1.5,
        // qR = 2 SW / (3 (B - d)) = 120; it reaches under the toe (x0 < L1).
        {"heel side under the toe", 240, 2.0, 0.3, BearingBranch::HeelSide, 1.5, 1.5, 0, 120, 40,
         64, 120},
        // Zero point under the stem (L1 <= x0 < L1 + T2): nothing under the toe.
        {"heel side zero under the stem", 240, 1.4, 0.3, BearingBranch::HeelSide, 1.5, 1.5, 0, 120,
         0, 16, 120},
        // Zero point inside the heel (x0 >= L1 + T2): only the heel is loaded.
        {"heel side zero inside the heel", 240, 1.0, 0.3, BearingBranch::HeelSide, 1.5, 1.5, 0, 120,
         0, 0, 120},
        // Zero point exactly at the stem's front face: the toe gets nothing.
        {"heel side zero at the stem face", 240, 1.5, 0.3, BearingBranch::HeelSide, 1.5, 1.5, 0,
         120, 0, 24, 120},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CBearingPressure p = BearingPressure(90, row.Mr, 15, 3, row.L1, row.T2);
        EXPECT_EQ(p.branch, row.branch);
        EXPECT_DOUBLE_EQ(p.qm, 30);
        EXPECT_DOUBLE_EQ(p.Xn, row.Xn);
        EXPECT_DOUBLE_EQ(p.x0, row.x0);
        EXPECT_DOUBLE_EQ(p.qL, row.qL);
        EXPECT_DOUBLE_EQ(p.qR, row.qR);
        EXPECT_NEAR(p.q1, row.q1, 1e-12);
        EXPECT_NEAR(p.q2, row.q2, 1e-12);
        EXPECT_NEAR(p.qR0, row.qR0, 1e-12);
        EXPECT_DOUBLE_EQ(p.qmax, std::max(row.qL, row.qR0));
    }
}

// e/B exactly +-1/6 belongs to the middle third; just beyond it the outer-third triangles start.
TEST(BearingPressure, ThirdBoundariesBelongToTheMiddleThird) {
    // d = 1.0 and 2.0 on a 3 m base: e = +-0.5, e/B = +-1/6 exactly.
    EXPECT_EQ(BearingPressure(90, 105, 15, 3, 1, 0.3).branch, BearingBranch::MiddleThird);
    EXPECT_EQ(BearingPressure(90, 195, 15, 3, 1, 0.3).branch, BearingBranch::MiddleThird);
    EXPECT_EQ(BearingPressure(90, 104.999, 15, 3, 1, 0.3).branch, BearingBranch::ToeSide);
    EXPECT_EQ(BearingPressure(90, 195.001, 15, 3, 1, 0.3).branch, BearingBranch::HeelSide);
    // At the toe-side boundary the trapezoid closes to a triangle over the whole base.
    const CBearingPressure toe = BearingPressure(90, 105, 15, 3, 1, 0.3);
    EXPECT_DOUBLE_EQ(toe.Xn, 3);
    EXPECT_DOUBLE_EQ(toe.qL, 60);
    EXPECT_NEAR(toe.qR, 0, 1e-12);
    // A ratio that is not a number takes the toe-side formulas and gives NaN pressures.
    const CBearingPressure nan = BearingPressure(kNaN, 105, 15, 3, 1, 0.3);
    EXPECT_EQ(nan.branch, BearingBranch::ToeSide);
    EXPECT_TRUE(std::isnan(nan.qmax));
}

// A negative vertical load (only from input that fails validation) gives negative pressures on
// the heel side; the pressures the slabs are designed for never go below 0.
TEST(BearingPressure, SlabPressuresNeverGoBelowZero) {
    const CBearingPressure p = BearingPressure(-90, -210, 15, 3, 2.0, 0.3); // d = 2.5
    ASSERT_EQ(p.branch, BearingBranch::HeelSide);
    EXPECT_DOUBLE_EQ(p.qR, -120);
    EXPECT_EQ(p.q1, 0.0);
    EXPECT_EQ(p.q2, 0.0);
    EXPECT_EQ(p.qR0, 0.0);
    EXPECT_EQ(p.qmax, 0.0);
}

TEST(BearingPressure, ResultantMustStrikeTheBaseBetweenItsEdges) {
    struct Row {
        double Mr;
        bool onBase;
    };
    // d = (Mr - 15) / 90 on a 3 m base: 0 is the toe edge, 3 the heel end.
    const Row rows[] = {{15, false},  {15.09, true}, {150, true}, {284.91, true},
                        {285, false}, {300, false},  {0, false},  {kNaN, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Mr);
        EXPECT_EQ(BearingPressure(90, row.Mr, 15, 3, 1, 0.3).ResultantOnBase(), row.onBase);
    }
}

// Toe and heel under the heel-side triangle, one wall for each place of its zero point x0.
TEST_F(BearingTest, HeelSideTriangleLoadsToeAndHeel) {
    // A heavy line load on a stem near the heel end: x0 < L1, the triangle reaches under the
    // toe over Lt = L1 - x0, and the heel carries the trapezoid from q2 to qR0.
    CRTData underToe = OutsideHeelWall();
    CDesignResult r = Run(underToe);
    const CBearingPressure& p = r.bearing;
    ASSERT_TRUE(p.HeelSide());
    ASSERT_LT(p.x0, underToe.m_L1);
    EXPECT_DOUBLE_EQ(p.qR, 2 * r.SW / (3 * (r.B - p.d)));
    const double Lt = underToe.m_L1 - p.x0;
    EXPECT_EQ(r.toeLoad.shape, SlabPressure::Trapezoid);
    EXPECT_EQ(r.toeLoad.length, Lt);
    EXPECT_DOUBLE_EQ(r.toe.M, p.q1 * Lt * Lt / 6 - r.W4 * (underToe.m_L1 - r.x4) - r.Wt * r.xt);
    EXPECT_DOUBLE_EQ(r.toe.Q, p.q1 * Lt / 2 - r.W4 - r.Wt);
    EXPECT_EQ(r.heelLoad.shape, SlabPressure::Trapezoid);
    EXPECT_DOUBLE_EQ(r.heel.Q, (p.qR0 + p.q2) * underToe.m_L2 / 2 - r.W3 - r.Wh);
    // The true heel pressure 121.8 exceeds fe = 50 at the heel row and in the summary.
    EXPECT_TRUE(r.toeBearingOK);
    EXPECT_FALSE(r.heelBearingOK);
    EXPECT_FALSE(r.bearingOK);
    EXPECT_EQ(p.qmax, p.qR0);

    // A heavy surcharge on the heel of a wide stem with a short toe: the zero point lies under
    // the stem (L1 <= x0 < L1 + T2). The toe takes the triangle of length 0 (its own loads only),
    // the heel the trapezoid.
    CRTData underStem = HeelSideUnderStemWall();
    r = Run(underStem);
    ASSERT_TRUE(r.bearing.HeelSide());
    ASSERT_GE(r.bearing.x0, underStem.m_L1);
    ASSERT_LT(r.bearing.x0, underStem.m_L1 + underStem.m_T2);
    EXPECT_EQ(r.bearing.q1, 0.0);
    EXPECT_GT(r.bearing.q2, 0.0);
    EXPECT_EQ(r.toeLoad.shape, SlabPressure::TriangleAtFreeEnd);
    EXPECT_EQ(r.toeLoad.length, 0.0);
    EXPECT_EQ(r.toe.M, -r.W4 * (underStem.m_L1 - r.x4) - r.Wt * r.xt);
    EXPECT_EQ(r.toe.Q, -r.W4 - r.Wt);
    EXPECT_EQ(r.heelLoad.shape, SlabPressure::Trapezoid);

    // A moment on the top turning the wall towards the backfill pulls the resultant within L2/3
    // of the heel end: the zero point lies inside the heel (x0 >= L1 + T2), whose triangle of
    // length Xn ends at the heel end.
    CRTData insideHeel;
    insideHeel.m_L2 = 1.5;
    insideHeel.m_M = -60;
    r = Run(insideHeel);
    ASSERT_TRUE(r.bearing.HeelSide());
    ASSERT_GE(r.bearing.x0, insideHeel.m_L1 + insideHeel.m_T2);
    EXPECT_EQ(r.bearing.q1, 0.0);
    EXPECT_EQ(r.bearing.q2, 0.0);
    EXPECT_EQ(r.heelLoad.shape, SlabPressure::TriangleAtFreeEnd);
    const double Xn = r.bearing.Xn, L2 = insideHeel.m_L2;
    EXPECT_DOUBLE_EQ(r.heel.M, r.bearing.qR0 * Xn / 2 * (L2 - Xn / 3) -
                                   r.W3 * (r.x3 - insideHeel.m_L1 - insideHeel.m_T2) - r.Wh * r.xh);
    EXPECT_DOUBLE_EQ(r.heel.Q, r.bearing.qR0 * Xn / 2 - r.W3 - r.Wh);
}

// An overturning wall (Fo < 1): its resultant lies beyond the toe edge, where the linear formulas
// give pressures below fe that mean nothing. Every bearing check is NG.
TEST_F(BearingTest, ResultantOffTheBaseFailsTheBearingChecks) {
    CRTData c = OverturningWall();
    const CDesignResult r = Run(c);
    ASSERT_TRUE(r.overturnFailure);
    ASSERT_LT(r.bearing.d, 0.0);
    ASSERT_LT(r.bearing.qL, c.m_fe);
    ASSERT_LE(r.bearing.qmax, c.m_fe);
    EXPECT_FALSE(r.toeBearingOK);
    EXPECT_FALSE(r.heelBearingOK);
    EXPECT_FALSE(r.bearingOK);
}

// The shear stress is |Q| / j: a heel whose upward pressure dominates its loads has a positive
// shear force, and its stress must stay below fs like any other.
TEST_F(BearingTest, ShearOfTheUnusualSignIsJudgedOnItsMagnitude) {
    CRTData c;
    c.m_L1 = 2.0;
    c.m_L2 = 0.5;
    c.m_P = 200;
    const CDesignResult r = Run(c);
    ASSERT_GT(r.heel.Q, 0.0);
    EXPECT_DOUBLE_EQ(r.heel.tau, r.heel.Q / r.heel.j / 1000);
    EXPECT_GT(r.heel.tau, r.fs);
    EXPECT_FALSE(r.heel.ShearOK(r.fs));
    // The usual signs give the same stress as before: stem Q / j, heel -Q / j.
    CRTData usual;
    const CDesignResult u = Run(usual);
    EXPECT_EQ(u.wall.tau, u.wall.Q / u.wall.j / 1000);
    EXPECT_EQ(u.heel.tau, -(u.heel.Q / u.heel.j) / 1000);
}

} // namespace
