// The seismic checks: the seismic earth pressure coefficient, the inertia forces and their
// heights, the large earthquake's stability against a hand calculation, and the judgements
// that must fail whatever the numbers.
#include "NamedWalls.h"
#include "calc/CoulombKA.h"
#include "calc/DesignResult.h"
#include "calc/SeismicKA.h"
#include "model/BarTable.h"
#include "model/RTData.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <sstream>

namespace {

class SeismicTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadBarTable(TARVO_TEST_DATA "/../res/reinf.txt")); }
    void TearDown() override { ASSERT_TRUE(LoadBarTable(TARVO_TEST_DATA "/../res/reinf.txt")); }

    CDesignResult Run(CRTData& c) {
        CDesignResult r;
        c.Calculate(r);
        return r;
    }
};

TEST(SeismicKA, HandFigures) {
    struct Case {
        double phi, theta, delta, alpha, kh; // degrees, coefficient
        double kea;                          // four decimals
    };
    const Case cases[] = {
        {30, 0, 0, 0, 0.20, 0.4733},
        {30, 0, 0, 0, 0.25, 0.5183},
        {35, 0, 0, 0, 0.20, 0.3956},
        {30, 10, 20, 0, 0.20, 0.5507},
    };
    for (const Case& k : cases) {
        const double kea = SeismicKA(DegToRad(k.phi), DegToRad(k.theta), DegToRad(k.delta),
                                     DegToRad(k.alpha), std::atan(k.kh));
        EXPECT_NEAR(kea, k.kea, 5e-5) << k.phi << " " << k.theta << " " << k.delta << " " << k.kh;
    }
}

// Without an earthquake the coefficient is Coulomb's to the last bit, slopes at and beyond the
// friction angle and negative back-face angles included.
TEST(SeismicKA, WithoutAnEarthquakeItIsTheCoulombCoefficient) {
    const double table[][4] = {
        {30, 0, 0, 0},    {30, 0, 20, 0},   {30, 10, 20, 0},  {36, 10, 24, 10},
        {28, -8, 18, 5},  {40, 5, 20, 40},  {30, 0, 20, 45},  {45, 20, 30, 15},
        {20, 3, 13.3, 2}, {33, 0, 0, 32.9}, {25, -15, 0, 10}, {38, 30, 25, 20},
    };
    for (const auto& t : table) {
        const double phi = DegToRad(t[0]), theta = DegToRad(t[1]);
        const double delta = DegToRad(t[2]), alpha = DegToRad(t[3]);
        const double ka = CoulombKA(phi, theta, delta, alpha);
        const double kea = SeismicKA(phi, theta, delta, alpha, std::atan(0.0));
        EXPECT_EQ(std::memcmp(&ka, &kea, sizeof ka), 0)
            << t[0] << " " << t[1] << " " << t[2] << " " << t[3] << ": " << ka << " " << kea;
    }
}

// ys: the stem trapezoid, 0.25 at the base and 0.20 at the top, 1.3 high on D2 = 0.2:
// 0.2 + 1.3 x (0.25 + 2 x 0.2) / (3 x 0.45) = 0.825926.
// y2: D1 = D2, so only the strip: 0.2 / 2 = 0.1.
// y3: A31 = 0.9 x 1.3 = 1.17 at 0.2 + 0.65 = 0.85; A32 = 0; A33 = 0.65 x 0.05 = 0.0325 at
// 0.2 + 2 x 1.3 / 3 = 1.066667; A34 = 0: (0.9945 + 0.0346667) / 1.2025 = 0.855856.
// The 3.5 m wall: ys = 0.5 + 3.0 x (0.5 + 0.6) / (3 x 0.8) = 1.875; y2 from the strip
// 1.24 (0.4 x 3.1) at 0.2, the wedges 0.04 and 0.09 at 0.4333 and the block 0.05 at 0.45:
// 0.326833 / 1.42 = 0.230164; y3 from A31 = 5.4 at 2.0, A32 = 0.09 at 0.4667 and A33 = 0.3
// at 2.5: 11.592 / 5.79 = 2.002073.
TEST_F(SeismicTest, CentroidHeightsOfTheInertiaForces) {
    struct Case {
        const char* name;
        CRTData c;
        double ys, y2, y3;
    };
    Case cases[] = {{"default", CRTData{}, 0.825926, 0.1, 0.855856},
                    {"3.5 m", Wall35(), 1.875, 0.230164, 2.002073}};
    for (Case& k : cases) {
        SCOPED_TRACE(k.name);
        k.c.m_kh1 = 0.2;
        const CDesignResult r = Run(k.c);
        const CSeismicResult& s = r.moderate;
        ASSERT_TRUE(s.checked);
        EXPECT_NEAR(s.ys, k.ys, 5e-7);
        EXPECT_NEAR(s.y2, k.y2, 5e-7);
        EXPECT_NEAR(s.y3, k.y3, 5e-7);
        EXPECT_EQ(s.yP, k.c.m_H1 + k.c.m_H2);
        EXPECT_EQ(s.HE, 0.2 * (s.Ws + k.c.m_P + r.W2 + s.W3s));
    }
}

// The 3.5 m wall in the large earthquake, kh 0.25, by hand:
//   theta0 = atan 0.25 = 14.036 degrees, KEA(30, 0, 0, 0) = 0.51835; H = 3.5.
//   PAE = 0.51835 x 0.5 x 18 x 3.5^2 = 57.148 at H/3; dPAE = 10 x 0.51835 x 3.5 = 18.142 at H/2.
//   Ws = 24 x 0.4 x 3.0 = 28.80 at 1.875; W2 = 24 x (0.45 x 2.6 + 0.5 x 0.5) = 34.08 at
//   0.23016; W3s = 18 x 5.79 = 104.22 at 2.00207; P = 0.
//   HE = 0.25 x (28.80 + 34.08 + 104.22) = 41.775; MHE = 0.25 x (54.0 + 7.844 + 208.656)
//   = 67.625.
//   MoE = 57.148 x 3.5 / 3 + 18.142 x 3.5 / 2 + 67.625 = 166.046.
//   MrE = 28.80 x 1.00417 + 34.08 x 1.52594 + 124.22 x 2.14579 + 0.72 x 0.26667 = 347.666;
//   SWE = 28.80 + 34.08 + 124.22 + 0.72 = 187.82 (delta = 0: no vertical components).
//   FoE = 347.666 / 166.046 = 2.0938 (OK against 1.0).
//   FsE = 187.82 x 0.5 / (57.148 + 18.142 + 41.775) = 93.91 / 117.065 = 0.8022 (NG).
//   d = (347.666 - 166.046) / 187.82 = 0.96699; e = 1.55 - 0.96699 = 0.58301;
//   e/B = 0.18807 > 1/6, so qmax = qL = 2 x 187.82 / (3 x 0.96699) = 129.49 <= 3 x 200.
TEST_F(SeismicTest, LargeEarthquakeStabilityOfTheWallOf3_5mByHand) {
    CRTData c = Wall35();
    c.m_kh2 = 0.25;
    const CDesignResult r = Run(c);
    const CSeismicResult& s = r.large;
    ASSERT_TRUE(s.checked);
    EXPECT_FALSE(r.moderate.checked);
    EXPECT_NEAR(s.KEA, 0.51835, 5e-6);
    EXPECT_NEAR(s.HE, 41.775, 5e-4);
    EXPECT_NEAR(s.MHE, 67.625, 5e-4);
    EXPECT_NEAR(s.MoE, 166.046, 5e-4);
    EXPECT_NEAR(s.MrE, 347.666, 5e-4);
    EXPECT_NEAR(s.FoE, 2.0938, 5e-5);
    EXPECT_NEAR(s.FsE, 0.8022, 5e-5);
    EXPECT_NEAR(s.bearing.qmax, 129.49, 5e-3);
    EXPECT_EQ(s.qu, 600.0);
    EXPECT_TRUE(s.overturnOK);
    EXPECT_FALSE(s.slidingOK);
    EXPECT_TRUE(s.bearingOK);
    // The long-term results are those of the wall without an earthquake.
    CRTData still = Wall35();
    const CDesignResult r0 = Run(still);
    EXPECT_EQ(r.Fo, r0.Fo);
    EXPECT_EQ(r.heel.M, r0.heel.M);
}

// The stem of a level: the seismic earth pressure with delta_wE, the stem's own inertia at
// its centroid and that of the top load at the top; allowables by level.
TEST_F(SeismicTest, StemLoadsAndAllowablesOfBothLevels) {
    CRTData c = Wall35();
    c.m_kh1 = 0.2;
    c.m_kh2 = 0.25;
    c.m_P = 5;
    const CDesignResult r = Run(c);
    for (const CSeismicResult* s : {&r.moderate, &r.large}) {
        SCOPED_TRACE(s->kh);
        EXPECT_EQ(s->deltaWE, c.m_phi / 2); // the 2/3 phi option takes phi / 2 in earthquakes
        EXPECT_EQ(s->KEAw, SeismicKA(c.m_phi, c.m_thetaW, c.m_phi / 2, 0, std::atan(s->kh)));
        const double Hs = 3.0;
        EXPECT_NEAR(s->wall.m.M,
                    s->P2E * Hs / 2 + s->P1E * Hs / 3 + s->kh * s->Ws * (s->ys - 0.5) +
                        s->kh * 5 * Hs,
                    1e-12);
        EXPECT_NEAR(s->wall.m.Q, s->P1E + s->P2E + s->kh * (s->Ws + 5), 1e-12);
    }
    // D19 SD345: 215 long-term, 345 short-term and yield; Fc 24, fs 0.24 + 0.49 = 0.73.
    EXPECT_DOUBLE_EQ(r.moderate.wall.m.ft, 34.5);
    EXPECT_DOUBLE_EQ(r.moderate.fc, 16.0);
    EXPECT_DOUBLE_EQ(r.moderate.fs, 1.095);
    EXPECT_DOUBLE_EQ(r.large.wall.m.ft, 34.5);
    EXPECT_DOUBLE_EQ(r.large.fc, 24.0);
    EXPECT_DOUBLE_EQ(r.large.fs, 2.19);
    EXPECT_TRUE(r.moderate.wall.valid);

    c.m_bDeltaWTwoThirdsPhi = 0;
    c.m_deltaW = DegToRad(10);
    EXPECT_EQ(Run(c).moderate.deltaWE, DegToRad(10));
}

// Every judgement of a level, as the sheet and the overview read them.
std::vector<bool> Judgements(const CSeismicResult& s, bool large) {
    std::vector<bool> all;
    if (large)
        all = {s.overturnOK, s.slidingOK, s.bearingOK};
    for (const CSeismicMember* m : {&s.wall, &s.toe, &s.heel}) {
        all.push_back(m->SteelOK());
        all.push_back(m->BalancedOK());
        all.push_back(m->ShearOK(s.fs));
        all.push_back(m->RatioOK());
    }
    return all;
}

// Without a bounded wedge (phi - alpha - theta0 <= 0), with a coefficient that is not a
// number and with an infinite one every judgement of the level fails; nothing crashes.
TEST_F(SeismicTest, UnboundedPressureAndBadCoefficientsFailEveryJudgement) {
    struct Case {
        const char* name;
        double kh;
        double alphaDeg;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"kh 1", 1.0, 0},     {"slope 20, kh 0.2", 0.2, 20}, {"NaN", nan, 0},
        {"infinite", inf, 0}, {"-infinite", -inf, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        CRTData c = Wall35();
        c.m_alpha = DegToRad(k.alphaDeg);
        c.m_kh1 = k.kh;
        c.m_kh2 = k.kh;
        const CDesignResult r = Run(c);
        if (k.kh == -inf) {
            EXPECT_FALSE(r.seismicAsked);
            EXPECT_FALSE(r.large.checked);
            continue;
        }
        ASSERT_TRUE(r.large.checked);
        EXPECT_FALSE(r.large.bounded);
        for (bool ok : Judgements(r.moderate, false))
            EXPECT_FALSE(ok);
        for (bool ok : Judgements(r.large, true))
            EXPECT_FALSE(ok);
    }
    // A friction angle that is not a number fails the level too.
    CRTData c = Wall35();
    c.m_phi = nan;
    c.m_kh2 = 0.25;
    for (bool ok : Judgements(Run(c).large, true))
        EXPECT_FALSE(ok);
}

// A large earthquake that moves the resultant off the base: the bearing and both slabs fail
// whatever their numbers; the stem is judged on its own.
TEST_F(SeismicTest, ResultantOffTheBaseFailsBearingToeAndHeel) {
    CRTData c = Wall35();
    c.m_L1 = 0.1;
    c.m_L2 = 0.4;
    c.m_phi = DegToRad(45);
    c.m_kh2 = 0.6;
    const CDesignResult r = Run(c);
    const CSeismicResult& s = r.large;
    ASSERT_TRUE(s.bounded);
    ASSERT_FALSE(s.bearing.ResultantOnBase()) << s.bearing.d;
    EXPECT_FALSE(s.bearingOK);
    EXPECT_FALSE(s.toe.valid);
    EXPECT_FALSE(s.heel.valid);
    EXPECT_FALSE(s.toe.RatioOK());
    EXPECT_FALSE(s.heel.ShearOK(s.fs));
    EXPECT_TRUE(s.wall.valid);
}

// A bar whose short-term or yield entry is 0 or below its long-term stress cannot be judged
// for that level: the member fails, the other level and the other members stand.
TEST_F(SeismicTest, BarWithoutAUsableSeismicStressFailsItsMember) {
    std::istringstream table("BarGrade  area,dia,long,short,perimeter,mass,yield\n"
                             "D13 SD295 127,127,195,0,40,995,295\n"
                             "D16 SD295 199,159,195,295,50,1560,180\n"
                             "D19 SD345 287,191,215,345,60,2250,345\n");
    ASSERT_TRUE(LoadBarTable(table));
    CRTData c = Wall35();
    c.m_strBar[SLOT_TOE] = L"D13";
    c.m_strBar[SLOT_HEEL] = L"D16";
    c.m_kh1 = 0.2;
    c.m_kh2 = 0.25;
    const CDesignResult r = Run(c);
    EXPECT_EQ(r.moderate.toe.m.ft, 0.0);
    EXPECT_FALSE(r.moderate.toe.barUsable);
    EXPECT_FALSE(r.moderate.toe.SteelOK());
    EXPECT_FALSE(r.moderate.toe.ShearOK(r.moderate.fs));
    EXPECT_TRUE(r.moderate.heel.barUsable);
    EXPECT_TRUE(r.large.toe.barUsable);
    EXPECT_DOUBLE_EQ(r.large.heel.m.ft, 18.0);
    EXPECT_FALSE(r.large.heel.barUsable);
    EXPECT_FALSE(r.large.heel.RatioOK());
    EXPECT_TRUE(r.large.wall.barUsable);
}

// A seismic stress equal to the long-term one is usable: the level may not fall below it.
TEST_F(SeismicTest, SeismicStressEqualToTheLongTermOneIsUsable) {
    std::istringstream table("BarGrade  area,dia,long,short,perimeter,mass,yield\n"
                             "D16 SD295 199,159,195,195,50,1560,195\n"
                             "D19 SD345 287,191,215,215,60,2250,215\n");
    ASSERT_TRUE(LoadBarTable(table));
    CRTData c = Wall35();
    c.m_kh1 = 0.2;
    c.m_kh2 = 0.25;
    const CDesignResult r = Run(c);
    for (const CSeismicResult* s : {&r.moderate, &r.large}) {
        EXPECT_TRUE(s->wall.barUsable);
        EXPECT_TRUE(s->toe.barUsable);
        EXPECT_TRUE(s->heel.barUsable);
    }
}

// No wedge is in equilibrium when phi - alpha - theta0 is exactly 0: the level fails.
TEST_F(SeismicTest, WedgeExactlyAtTheLimitIsUnbounded) {
    CRTData c = Wall35();
    c.m_kh2 = 0.25;
    const double theta0 = std::atan(c.m_kh2);
    c.m_phi = theta0; // level ground: phi - alpha - theta0 is exactly 0
    const double alpha = c.m_alpha;
    ASSERT_EQ(c.m_phi - alpha - theta0, 0.0);
    EXPECT_FALSE(SeismicWedgeBounded(c.m_phi, alpha, theta0));
    const CSeismicResult s = Run(c).large;
    ASSERT_TRUE(s.checked);
    EXPECT_FALSE(s.bounded);
    EXPECT_FALSE(s.overturnOK);
    EXPECT_FALSE(s.slidingOK);
    EXPECT_FALSE(s.bearingOK);
}

// Seismic checks need an entered friction angle; without an asked level nothing is computed.
TEST_F(SeismicTest, LevelsAreCheckedOnlyWhenAskedAndPhiIsEntered) {
    CRTData c = Wall35();
    EXPECT_FALSE(Run(c).seismicAsked);
    c.m_kh1 = 0.2;
    c.m_bPhiInput = 0;
    const CDesignResult r = Run(c);
    EXPECT_TRUE(r.seismicAsked);
    EXPECT_FALSE(r.moderate.checked);
    EXPECT_FALSE(r.large.checked);
    EXPECT_EQ(r.moderate.KEA, 0.0);
}

// The large earthquake's judgements exactly on their boundaries: a safety factor equal to its
// required value is OK, and so is a maximum pressure equal to ru x fe; one step beyond fails.
TEST_F(SeismicTest, LargeEarthquakeJudgementsAcceptEquality) {
    CRTData base = Wall35();
    base.m_kh2 = 0.25;
    const CSeismicResult s = Run(base).large;
    struct Row {
        const char* name;
        std::function<void(CRTData&, double)> setLimit;
        double atLimit;
        double beyond;
        bool CSeismicResult::*ok;
    };
    const Row rows[] = {
        {"overturning", [](CRTData& c, double v) { c.m_FoL = v; }, s.FoE,
         std::nextafter(s.FoE, INFINITY), &CSeismicResult::overturnOK},
        {"sliding", [](CRTData& c, double v) { c.m_FsL = v; }, s.FsE,
         std::nextafter(s.FsE, INFINITY), &CSeismicResult::slidingOK},
        // qu = ru x fe with ru = 1 is fe itself.
        {"bearing",
         [](CRTData& c, double v) {
             c.m_ru = 1.0;
             c.m_fe = v;
         },
         s.bearing.qmax, std::nextafter(s.bearing.qmax, 0.0), &CSeismicResult::bearingOK},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CRTData at = base, beyond = base;
        row.setLimit(at, row.atLimit);
        row.setLimit(beyond, row.beyond);
        EXPECT_TRUE(Run(at).large.*row.ok);
        EXPECT_FALSE(Run(beyond).large.*row.ok);
    }
}

} // namespace
