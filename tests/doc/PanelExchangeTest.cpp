// The input panel exchange: the texts a fresh and a stored case show, how typed text is read
// back, the φ/KA switch, and the number conversions under both.
#include "DocFakes.h"

#include "doc/NumberText.h"
#include "doc/PanelControls.h"
#include "doc/PanelExchange.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

const wchar_t kFreshTitle[] = L"新規擁壁設計";
const wchar_t kPhiLabel[] = L"内部摩擦角(φ)";
const wchar_t kKALabel[] = L"土圧係数(KA)";

TEST(PanelExchange, FreshPanelShowsTheDefaultCase) {
    CFakeControls panel;
    FillPanelDefaults(panel);
    const std::map<int, std::wstring> expected = {
        {IDC_TITLE, kFreshTitle},
        {IDC_H1, L"120"},
        {IDC_H2, L"30"},
        {IDC_D1, L"20"},
        {IDC_D2, L"20"},
        {IDC_ALPHA, L"0.00"},
        {IDC_T1, L"20"},
        {IDC_T2, L"25"},
        {IDC_T3, L"5"},
        {IDC_L1, L"30"},
        {IDC_L2, L"90"},
        {IDC_FC, L"21.0"},
        {IDC_Q, L"10.0"},
        {IDC_MU, L"0.45"},
        {IDC_PHI_LABEL, kPhiLabel},
        {IDC_PHI, L"30.0"},
        {IDC_GAMMA_S, L"18.0"},
        {IDC_FE, L"50"},
        {IDC_BAR_WALL, L"D10+D13"},
        {IDC_BAR_TOE, L"D13"},
        {IDC_BAR_HEEL, L"D13"},
        {IDC_PITCH_WALL, L"200"},
        {IDC_PITCH_TOE, L"200"},
        {IDC_PITCH_HEEL, L"200"},
    };
    EXPECT_EQ(panel.texts, expected);
    EXPECT_TRUE(panel.IsChecked(IDC_PHI_CHECK));
}

TEST(PanelExchange, StoredCaseShowsOneMoreDecimalOfPhiAndKA) {
    CRTData rt;
    rt.m_strTitle = L"擁壁B";
    rt.m_H1 = 0.125;
    rt.m_dtWall = 0.05; // not on the panel
    rt.m_alpha = DegToRad(20);
    rt.m_phi = DegToRad(32.5);
    rt.m_fe = 149.6;
    CFakeControls panel;
    FillPanel(panel, rt);
    EXPECT_EQ(panel.GetText(IDC_TITLE), L"擁壁B");
    EXPECT_EQ(panel.GetText(IDC_H1), L"12.5");
    EXPECT_EQ(panel.GetText(IDC_ALPHA), L"20.00");
    EXPECT_EQ(panel.GetText(IDC_PHI), L"32.50");
    EXPECT_EQ(panel.GetText(IDC_FE), L"150");

    rt.m_bPhiInput = 0;
    rt.m_KA = 0.3333333;
    FillPanel(panel, rt);
    EXPECT_FALSE(panel.IsChecked(IDC_PHI_CHECK));
    EXPECT_EQ(panel.GetText(IDC_PHI_LABEL), kKALabel);
    EXPECT_EQ(panel.GetText(IDC_PHI), L"0.333");

    rt = CRTData();
    rt.m_bPhiInput = 0;
    FillPanel(panel, rt);
    EXPECT_EQ(panel.GetText(IDC_PHI), L"0.400");
}

TEST(PanelExchange, ReadingConvertsUnitsAndTouchesOnlyPanelFields) {
    CFakeControls panel;
    FillPanelDefaults(panel);
    panel.SetText(IDC_TITLE, L"A, B\nC");
    panel.SetText(IDC_H1, L"12.5");
    panel.SetText(IDC_T3, L"letters");
    panel.SetText(IDC_ALPHA, L"15");
    panel.SetText(IDC_FC, L"24");
    panel.SetText(IDC_PHI, L"35");
    panel.SetText(IDC_BAR_TOE, L" D16 ");
    panel.SetText(IDC_PITCH_WALL, L"150mm");
    panel.SetText(IDC_PITCH_TOE, L"1.5e2");
    panel.SetText(IDC_PITCH_HEEL, L"");

    CRTData rt;
    rt.m_KA = 0.27;
    rt.m_bPrint = 0;
    rt.m_gammaC = 23.0;
    rt.m_strBar[SLOT_SPARE] = L"D25";
    rt.m_dReserve3 = 4.5;
    ReadPanel(panel, rt);

    EXPECT_EQ(rt.m_strTitle, L"A, B\nC");
    EXPECT_EQ(rt.m_H1, 12.5 / 100);
    EXPECT_EQ(rt.m_T3, 0.0);
    EXPECT_EQ(rt.m_alpha, 15.0 / 180 * kPi);
    EXPECT_EQ(rt.m_Fc, 24.0);
    EXPECT_EQ(rt.m_bPhiInput, 1);
    EXPECT_EQ(rt.m_phi, 35.0 / 180 * kPi);
    EXPECT_EQ(rt.m_KA, 0.27);
    EXPECT_EQ(rt.m_strBar[SLOT_TOE], L" D16 ");
    EXPECT_EQ(rt.m_nPitch[SLOT_WALL], 150);
    EXPECT_EQ(rt.m_nPitch[SLOT_TOE], 1);
    EXPECT_EQ(rt.m_nPitch[SLOT_HEEL], 0);
    EXPECT_EQ(rt.m_bPrint, 0);
    EXPECT_EQ(rt.m_gammaC, 23.0);
    EXPECT_EQ(rt.m_strBar[SLOT_SPARE], L"D25");
    EXPECT_EQ(rt.m_dReserve3, 4.5);

    // With the box clear the field is KA, and φ keeps its last value.
    panel.SetCheck(IDC_PHI_CHECK, false);
    panel.SetText(IDC_PHI, L"0.31");
    ReadPanel(panel, rt);
    EXPECT_EQ(rt.m_bPhiInput, 0);
    EXPECT_EQ(rt.m_KA, 0.31);
    EXPECT_EQ(rt.m_phi, 35.0 / 180 * kPi);
}

TEST(PanelExchange, TypedLengthComesBackAsTyped) {
    CFakeControls panel;
    FillPanelDefaults(panel);
    panel.SetText(IDC_L2, L"12.5");
    CRTData rt;
    ReadPanel(panel, rt);
    CFakeControls again;
    FillPanel(again, rt);
    EXPECT_EQ(again.GetText(IDC_L2), L"12.5");
}

struct PhiSwitchCase {
    bool checkedAfterClick;
    const wchar_t* before;
    const wchar_t* after;
};

void PrintTo(const PhiSwitchCase& c, std::ostream* os) {
    *os << (c.checkedAfterClick ? "to phi from " : "to KA from ")
        << ::testing::PrintToString(std::wstring(c.before));
}

class PhiSwitch : public ::testing::TestWithParam<PhiSwitchCase> {};

TEST_P(PhiSwitch, ConvertsTheFieldToTheNewState) {
    CFakeControls panel;
    panel.SetCheck(IDC_PHI_CHECK, GetParam().checkedAfterClick);
    panel.SetText(IDC_PHI, GetParam().before);
    ConvertPhiField(panel);
    EXPECT_EQ(panel.GetText(IDC_PHI), GetParam().after);
    EXPECT_EQ(panel.GetText(IDC_PHI_LABEL), GetParam().checkedAfterClick ? kPhiLabel : kKALabel);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, PhiSwitch,
    ::testing::Values(PhiSwitchCase{false, L"30.0", L"0.333"},
                      PhiSwitchCase{true, L"0.333", L"30.0"}, PhiSwitchCase{false, L"35", L"0.271"},
                      PhiSwitchCase{false, L"no number", L"1.000"},
                      PhiSwitchCase{true, L"no number", L"90.0"},
                      // no φ has a negative KA: it reads as 0, like a field without a number
                      PhiSwitchCase{true, L"-0.5", L"90.0"}));

struct NumberCase {
    const wchar_t* text;
    double number;
    int integer;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(std::wstring(c.text));
}

class NumberReading : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberReading, TakesTheDecimalNumberAtTheStart) {
    EXPECT_EQ(ReadNumber(GetParam().text), GetParam().number) << GetParam().text;
    EXPECT_EQ(ReadInteger(GetParam().text), GetParam().integer) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberReading,
    ::testing::Values(NumberCase{L"", 0, 0}, NumberCase{L"abc", 0, 0},
                      NumberCase{L"150mm", 150, 150}, NumberCase{L"1.5e2", 150, 1},
                      NumberCase{L"  -12.5cm", -12.5, -12}, NumberCase{L"+7", 7, 7},
                      NumberCase{L".5", 0.5, 0}, NumberCase{L"5.", 5, 5}, NumberCase{L"2e", 2, 2},
                      NumberCase{L"2e+x", 2, 2}, NumberCase{L"-", 0, 0}, NumberCase{L".", 0, 0},
                      NumberCase{L"\u3000"
                                 L"18",
                                 18, 18},
                      // only decimal numbers: no infinities, NaNs or hexadecimal forms
                      NumberCase{L"inf", 0, 0}, NumberCase{L"nan", 0, 0}, NumberCase{L"0x1A", 0, 0},
                      NumberCase{L"99999999999", 99999999999.0, INT_MAX},
                      NumberCase{L"-99999999999", -99999999999.0, INT_MIN}));

TEST(NumberText, OverflowReadsAsInfinityAndFormatsFollowPrintf) {
    EXPECT_TRUE(std::isinf(ReadNumber(L"1e999")));
    EXPECT_EQ(ReadNumber(L"1e-999"), 0.0);
    EXPECT_EQ(FormatGeneral(0.075 * 100, 6), L"7.5");
    EXPECT_EQ(FormatGeneral(1e-5, 6), L"1e-05");
    EXPECT_EQ(FormatGeneral(1234567, 6), L"1.23457e+06");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2, 15), L"0.3");
    EXPECT_EQ(FormatFixed(0.125, 2), L"0.12");
    EXPECT_EQ(FormatFixed(-1.0e300, 1).size(), 304u);
}

} // namespace
