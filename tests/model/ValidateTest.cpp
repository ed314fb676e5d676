// Input check of a case: the eleven rules with their message lines, and the trimming of
// the bar designations.
#include "model/RTData.h"
#include "model/Units.h"

#include <cmath>
#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace {

// Message line of each rule, in rule order.
const std::wstring kMessage[11] = {
    L"擁壁高さが０以下である\n",     L"根入れ深さ(H2)に誤りがある。\n",
    L"底板厚さに誤りがある。\n",     L"壁板厚さに誤りがある。\n",
    L"底板長さに誤りがある。\n",     L"コンクリート強度に誤りがある。\n",
    L"底面摩擦係数に誤りがある。\n", L"裏込め土の単位重量に誤りがある。\n",
    L"地耐力に誤りがある。\n",       L"鉄筋間隔に誤りがある。\n",
    L"法面勾配(α)に誤りがある。\n"};

std::wstring Messages(std::initializer_list<int> rules) {
    std::wstring text;
    for (int rule : rules)
        text += kMessage[rule - 1];
    return text;
}

struct ValidateCase {
    const char* name;
    std::function<void(CRTData&)> edit;
    std::wstring expected;
};

class ValidateExamples : public testing::TestWithParam<ValidateCase> {};

TEST_P(ValidateExamples, YieldsTheMessagesOfTheFailingRules) {
    CRTData c;
    GetParam().edit(c);
    EXPECT_EQ(c.Validate(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ValidateExamples,
    testing::Values(
        ValidateCase{"Default", [](CRTData&) {}, L""},
        ValidateCase{"ZeroHeightAndFrictionAbove1",
                     [](CRTData& c) {
                         c.m_H1 = 0;
                         c.m_mu = 1.5;
                     },
                     Messages({1, 7})},
        ValidateCase{"EmbedmentEqualToBaseThickness",
                     [](CRTData& c) {
                         c.m_H2 = 0.20;
                         c.m_D2 = 0.20;
                     },
                     L""},
        ValidateCase{"EmbedmentOneCentimetreBelowBaseThickness", [](CRTData& c) { c.m_H2 = 0.19; },
                     Messages({2})},
        ValidateCase{"NegativeEmbedment", [](CRTData& c) { c.m_H2 = -0.1; }, Messages({2})},
        ValidateCase{"BaseThicknessEqualAtEndsAndUnderStem",
                     [](CRTData& c) { c.m_D1 = c.m_D2 = 0.3; }, L""},
        ValidateCase{"BaseThickerAtEndsThanUnderStem", [](CRTData& c) { c.m_D1 = 0.25; },
                     Messages({3})},
        ValidateCase{"ZeroBaseThicknessUnderStem",
                     [](CRTData& c) {
                         c.m_D1 = -0.1;
                         c.m_D2 = 0;
                     },
                     Messages({3})},
        ValidateCase{"StemOfEqualThickness", [](CRTData& c) { c.m_T1 = c.m_T2 = 0.3; }, L""},
        ValidateCase{"StemThickerAtTop", [](CRTData& c) { c.m_T1 = 0.3; }, Messages({4})},
        ValidateCase{"NoToe", [](CRTData& c) { c.m_L1 = 0; }, L""},
        ValidateCase{"NoToeAndNoHeel", [](CRTData& c) { c.m_L1 = c.m_L2 = 0; }, Messages({5})},
        ValidateCase{"ZeroConcreteStrength", [](CRTData& c) { c.m_Fc = 0; }, Messages({6})},
        ValidateCase{"FrictionOfExactly1", [](CRTData& c) { c.m_mu = 1.0; }, L""},
        ValidateCase{"ZeroFriction", [](CRTData& c) { c.m_mu = 0; }, Messages({7})},
        ValidateCase{"ZeroBackfillWeight", [](CRTData& c) { c.m_gammaS = 0; }, Messages({8})},
        ValidateCase{"ZeroBearingCapacity", [](CRTData& c) { c.m_fe = 0; }, Messages({9})},
        ValidateCase{"ZeroToePitchFromPanel", [](CRTData& c) { c.m_nPitch[SLOT_TOE] = 0; },
                     Messages({10})},
        ValidateCase{"SpareSlotPitchIsNotChecked", [](CRTData& c) { c.m_nPitch[SLOT_SPARE] = 0; },
                     L""},
        ValidateCase{"SlopeBelowFrictionAngle", [](CRTData& c) { c.m_alpha = DegToRad(20); }, L""},
        ValidateCase{"SlopeEqualToFrictionAngle", [](CRTData& c) { c.m_alpha = c.m_phi; }, L""},
        ValidateCase{"SlopeAboveFrictionAngle", [](CRTData& c) { c.m_alpha = DegToRad(35); },
                     Messages({11})},
        ValidateCase{"SlopeAboveFrictionAngleWhileKAIsEntered",
                     [](CRTData& c) {
                         c.m_bPhiInput = 0;
                         c.m_KA = 0.5;
                         c.m_alpha = DegToRad(35);
                     },
                     Messages({11})},
        ValidateCase{"NegativeSlope", [](CRTData& c) { c.m_alpha = -0.01; }, Messages({11})},
        // A rule holds only when its comparison is true, and every comparison with NaN is
        // false.
        ValidateCase{"NotANumberTripsNoRule",
                     [](CRTData& c) { c.m_H1 = c.m_mu = c.m_alpha = std::nan(""); }, L""}),
    [](const testing::TestParamInfo<ValidateCase>& test) { return test.param.name; });

TEST(Validate, AllElevenRulesFailingGiveElevenLinesInRuleOrder) {
    CRTData c;
    c.m_H1 = 0;
    c.m_H2 = 0;
    c.m_D1 = 0.5;
    c.m_T1 = 0.5;
    c.m_L1 = c.m_L2 = 0;
    c.m_Fc = -1;
    c.m_mu = 2;
    c.m_gammaS = 0;
    c.m_fe = 0;
    c.m_nPitch[SLOT_HEEL] = -200;
    c.m_alpha = 1.0;
    EXPECT_EQ(c.Validate(), Messages({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

// Blanks typed around a designation are dropped in all four slots, also when a rule fails,
// with the ideographic space counted as white space whatever the process locale (the test
// runs in the C locale). Blanks inside a designation and the other fields stay as they were.
TEST(Validate, TrimsTheFourDesignationsAlsoWhenARuleFails) {
    for (double h1 : {1.2, 0.0}) {
        CRTData c;
        c.m_H1 = h1;
        c.m_strTitle = L" 擁壁 ";
        c.m_strBar[SLOT_WALL] = L" D13 ";
        c.m_strBar[SLOT_TOE] = L"\t\u3000D10+D13\r\n";
        c.m_strBar[SLOT_HEEL] = L"\u3000\u2003 \v\f";
        c.m_strBar[SLOT_SPARE] = L"D10 +D13\u3000";
        c.Validate();
        EXPECT_EQ(c.m_strBar[SLOT_WALL], L"D13");
        EXPECT_EQ(c.m_strBar[SLOT_TOE], L"D10+D13");
        EXPECT_EQ(c.m_strBar[SLOT_HEEL], L"");
        EXPECT_EQ(c.m_strBar[SLOT_SPARE], L"D10 +D13");
        EXPECT_EQ(c.m_strTitle, L" 擁壁 ");
    }
}

} // namespace
