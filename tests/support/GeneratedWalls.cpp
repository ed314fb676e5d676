#include "GeneratedWalls.h"

#include "model/Units.h"

#include <cmath>
#include <random>
#include <string>

namespace {

class WallDice {
public:
    explicit WallDice(unsigned long long seed) : m_engine(seed) {}

    // Uniform in [lo, hi], rounded to the step an engineer would type.
    double Between(double lo, double hi, double step) {
        const double u = static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
        return std::round((lo + (hi - lo) * u) / step) * step;
    }
    bool Chance(double p) { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53 < p; }
    template <typename T, size_t N> const T& Pick(const T (&items)[N]) {
        return items[m_engine() % N];
    }

private:
    std::mt19937_64 m_engine;
};

} // namespace

std::vector<CRTData> GeneratedWalls(int count, unsigned long long seed) {
    static const wchar_t* const kBars[] = {L"D10", L"D13",     L"D16",     L"D19",    L"D22",
                                           L"D25", L"D13+D16", L"D16+D13", L"D10+D13"};
    static const int kPitches[] = {100, 125, 150, 200, 250, 300};
    static const double kFc[] = {18, 21, 24, 27, 30, 36, 40, 50};
    WallDice dice(seed);
    std::vector<CRTData> walls;
    for (int i = 0; i < count; ++i) {
        CRTData c;
        c.m_strTitle = L"生成壁 " + std::to_wstring(i + 1);
        c.m_H1 = dice.Between(0.5, 4.0, 0.05);
        c.m_D1 = dice.Between(0.2, 0.5, 0.05);
        c.m_D2 = c.m_D1 + dice.Between(0.0, 0.2, 0.05);
        c.m_H2 = c.m_D2 + dice.Between(0.0, 0.8, 0.05);
        c.m_T1 = dice.Between(0.15, 0.4, 0.05);
        c.m_T3 = dice.Between(0.0, 0.3, 0.05);
        c.m_T2 = c.m_T1 + c.m_T3 + (dice.Chance(0.3) ? dice.Between(0.0, 0.2, 0.05) : 0.0);
        const int shape = static_cast<int>(dice.Between(0, 3, 1));
        const bool invertedL = shape == 0;
        if (invertedL) { // long toe, short or no heel, often a heavy load on the top
            c.m_L1 = dice.Between(0.8, 3.0, 0.05);
            c.m_L2 = dice.Chance(0.4) ? 0.0 : dice.Between(0.05, 0.5, 0.05);
            c.m_H1 = dice.Between(0.3, 2.0, 0.05);
        } else if (shape == 1) { // L-shaped: no or short toe
            c.m_L1 = dice.Chance(0.5) ? 0.0 : dice.Between(0.05, 0.4, 0.05);
            c.m_L2 = dice.Between(0.5, 3.0, 0.05);
        } else {
            c.m_L1 = dice.Between(0.1, 2.0, 0.05);
            c.m_L2 = dice.Between(0.1, 2.5, 0.05);
        }
        c.m_alpha = DegToRad(dice.Chance(0.6) ? 0.0 : dice.Between(0.0, 30.0, 1.0));
        c.m_phi = DegToRad(dice.Between(20.0, 40.0, 1.0));
        c.m_delta = DegToRad(dice.Between(0.0, 20.0, 1.0));
        c.m_bDeltaIsAlpha = dice.Chance(0.3) ? 1 : 0;
        c.m_bDeltaWTwoThirdsPhi = dice.Chance(0.7) ? 1 : 0;
        c.m_deltaW = DegToRad(dice.Between(0.0, 20.0, 1.0));
        c.m_bThetaWAuto = dice.Chance(0.5) ? 1 : 0;
        c.m_bPhiInput = dice.Chance(0.85) ? 1 : 0;
        c.m_KA = dice.Between(0.2, 0.6, 0.01);
        c.m_q = dice.Between(0.0, 20.0, 1.0);
        c.m_qDeduct = dice.Chance(0.2) ? dice.Between(0.0, c.m_q, 1.0) : 0.0;
        c.m_qFront = dice.Chance(0.2) ? dice.Between(0.0, 10.0, 1.0) : 0.0;
        c.m_P = dice.Chance(invertedL ? 0.7 : 0.3)
                    ? dice.Between(0.0, invertedL ? 200.0 : 80.0, 5.0)
                    : 0.0;
        c.m_M = dice.Chance(0.2) ? dice.Between(0.0, 20.0, 1.0) : 0.0;
        c.m_mu = dice.Between(0.3, 0.6, 0.05);
        c.m_fe = dice.Between(50.0, 300.0, 10.0);
        c.m_Fc = dice.Pick(kFc);
        c.m_gammaS = dice.Between(16.0, 20.0, 1.0);
        for (int slot = SLOT_WALL; slot <= SLOT_HEEL; ++slot) {
            c.m_strBar[slot] = dice.Pick(kBars);
            c.m_nPitch[slot] = dice.Pick(kPitches);
        }
        walls.push_back(c);
    }
    return walls;
}
