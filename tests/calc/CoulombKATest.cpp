// Coulomb active earth pressure coefficients against published tables.
#include "calc/CoulombKA.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct KACase {
    double phi, theta, delta, alpha; // degrees
    double ka;                       // published value, four decimals
};

// B. M. Das, "Principles of Foundation Engineering", Table 7.4 (Coulomb's Ka for
// delta = 2/3 phi) and Table 7.5 (delta = phi/2); theta is the inclination of the back face
// from the vertical and alpha the slope of the backfill.
const KACase kPublished[] = {
    {28, 0, 28.0 * 2 / 3, 0, 0.3213}, {30, 0, 20, 0, 0.2973},   {32, 0, 32.0 * 2 / 3, 0, 0.2750},
    {34, 0, 34.0 * 2 / 3, 0, 0.2543}, {36, 0, 24, 0, 0.2349},   {38, 0, 38.0 * 2 / 3, 0, 0.2168},
    {40, 0, 40.0 * 2 / 3, 0, 0.1998}, {42, 0, 28, 0, 0.1840},   {30, 0, 15, 0, 0.3014},
    {34, 0, 17, 0, 0.2564},           {40, 0, 20, 0, 0.1994},   {30, 10, 20, 0, 0.3769},
    {30, 0, 20, 10, 0.3400},          {36, 10, 24, 10, 0.3574},
};

TEST(CoulombKA, MatchesPublishedTables) {
    for (const KACase& c : kPublished) {
        double ka =
            CoulombKA(DegToRad(c.phi), DegToRad(c.theta), DegToRad(c.delta), DegToRad(c.alpha));
        EXPECT_NEAR(ka, c.ka, 5e-5) << "phi " << c.phi << " theta " << c.theta << " delta "
                                    << c.delta << " alpha " << c.alpha;
    }
}

TEST(CoulombKA, SmoothVerticalWallIsRankine) {
    for (double phi : {20.0, 30.0, 40.0}) {
        double s = std::sin(DegToRad(phi));
        EXPECT_NEAR(CoulombKA(DegToRad(phi), 0, 0, 0), (1 - s) / (1 + s), 1e-12) << phi;
    }
}

// Once the slope reaches the friction angle the root term vanishes and alpha drops out.
TEST(CoulombKA, SlopeAtOrBeyondFrictionAngle) {
    const double phi = DegToRad(30), delta = DegToRad(20);
    const double expected = std::cos(phi) * std::cos(phi) / std::cos(delta);
    EXPECT_NEAR(CoulombKA(phi, 0, delta, phi), expected, 1e-12);
    EXPECT_NEAR(CoulombKA(phi, 0, delta, DegToRad(40)), expected, 1e-12);
}

TEST(CoulombKA, BadArgumentsGiveNanWithoutFailing) {
    // Negative radicand: sin(phi + delta) < 0.
    EXPECT_TRUE(std::isnan(CoulombKA(DegToRad(30), 0, DegToRad(-60), 0)));
    EXPECT_TRUE(std::isnan(CoulombKA(NAN, 0, 0, 0)));
    EXPECT_TRUE(std::isnan(CoulombKA(INFINITY, 0, 0, 0)));
}

} // namespace
