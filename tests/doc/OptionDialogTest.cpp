// The detail settings: what the dialog shows for a case, what it stores back, and the checks
// of its exchange in their order; and the document command around it.
#include "DocFakes.h"

#include "doc/OptionExchange.h"
#include "model/Units.h"

#include <gtest/gtest.h>

namespace {

const wchar_t kNotANumber[] = L"数字を入力してください。";
const wchar_t kOutOfRange[] = L"%1 から %2 までの数字を入力してください。";

std::wstring RangeMessage(const std::wstring& low, const std::wstring& high) {
    std::wstring text = kOutOfRange;
    text.replace(text.find(L"%1"), 2, low);
    text.replace(text.find(L"%2"), 2, high);
    return text;
}

TEST(EditOptions, ShowsAnglesCutToHundredthsAndStoresWhatWasShown) {
    CRTData rt;
    rt.m_delta = DegToRad(0.03);
    rt.m_deltaW = DegToRad(20);
    rt.m_thetaW = -0.123456;
    rt.m_dtWall = 0.075;
    rt.m_gammaC = 24.5;
    CFakeOptionDialog dialog;
    ASSERT_TRUE(EditOptions(rt, dialog));

    EXPECT_EQ(dialog.shownTexts[IDC_DELTA], L"0.02");
    EXPECT_EQ(dialog.shownTexts[IDC_DELTA_W], L"20");
    EXPECT_EQ(dialog.shownTexts[IDC_THETA_W], L"-7.07"); // toward zero, not down
    EXPECT_EQ(dialog.shownTexts[IDC_DT_WALL], L"7.5");
    EXPECT_EQ(dialog.shownTexts[IDC_GAMMA_C], L"24.5");
    EXPECT_EQ(dialog.shownTexts[IDC_Q_FRONT], L"0");
    EXPECT_EQ(dialog.shownTexts[IDC_FS_SLIDING], L"1.5");
    EXPECT_EQ(rt.m_delta, 0.02 / 180 * kPi);
    EXPECT_EQ(rt.m_thetaW, -7.07 / 180 * kPi);
    EXPECT_EQ(rt.m_dtWall, 0.075);
    EXPECT_EQ(rt.m_gammaC, 24.5);
}

TEST(EditOptions, WholeDegreesComeBackUnchanged) {
    for (double deg : {15.0, 20.0, 30.0, 45.0}) {
        CRTData rt;
        rt.m_deltaW = deg / 180 * kPi;
        CFakeOptionDialog dialog;
        ASSERT_TRUE(EditOptions(rt, dialog));
        EXPECT_EQ(rt.m_deltaW, deg / 180 * kPi) << deg;
    }
}

TEST(EditOptions, EditedFieldsAndBoxesReachTheCase) {
    CRTData rt;
    CFakeOptionDialog dialog;
    dialog.user = [](CFakeControls& c) {
        c.SetText(IDC_DT_BASE, L"5");
        c.SetText(IDC_DELTA, L"12abc");
        c.SetText(IDC_MOMENT_M, L"-3.5");
        c.SetCheck(IDC_CHECK_DELTA, true);
        c.SetCheck(IDC_CHECK_DELTA_W, false);
        return true;
    };
    ASSERT_TRUE(EditOptions(rt, dialog));
    EXPECT_EQ(rt.m_dtBase, 0.05);
    EXPECT_EQ(rt.m_delta, 12.0 / 180 * kPi);
    EXPECT_EQ(rt.m_M, -3.5);
    EXPECT_EQ(rt.m_bDeltaIsAlpha, 1);
    EXPECT_EQ(rt.m_bDeltaWTwoThirdsPhi, 0);
    EXPECT_EQ(rt.m_bThetaWAuto, 0);
}

struct FieldCase {
    int id;
    const wchar_t* text;
    std::wstring message; // empty when the text is accepted
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << "control " << c.id << " " << ::testing::PrintToString(std::wstring(c.text));
}

class OptionChecks : public ::testing::TestWithParam<FieldCase> {};

TEST_P(OptionChecks, RejectNonNumbersAndValuesOutOfRange) {
    CFakeControls controls;
    ShowOptionValues(COptionValues(), controls);
    controls.SetText(IDC_FS_OVERTURN, L"1.5");
    controls.SetText(IDC_FS_SLIDING, L"1.5");
    controls.SetText(GetParam().id, GetParam().text);
    COptionValues values;
    values.m_P = 77;
    CRecordingMessages messages;
    int failed = 0;
    bool ok = ReadOptionValues(controls, values, messages, failed);

    if (GetParam().message.empty()) {
        EXPECT_TRUE(ok) << GetParam().text;
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(values.m_P, 0);
        return;
    }
    EXPECT_FALSE(ok) << GetParam().text;
    EXPECT_EQ(failed, GetParam().id);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, GetParam().message);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(values.m_P, 77) << "nothing is stored";
}

INSTANTIATE_TEST_SUITE_P(
    Fields, OptionChecks,
    ::testing::Values(FieldCase{IDC_LOAD_P, L"letters", kNotANumber},
                      FieldCase{IDC_THETA_W, L"", kNotANumber},
                      FieldCase{IDC_DT_WALL, L"12 cm", L""}, FieldCase{IDC_Q_FRONT, L"-5", L""},
                      FieldCase{IDC_GAMMA_C, L"1000", RangeMessage(L"0", L"999")},
                      FieldCase{IDC_GAMMA_S_FRONT, L"-0.1", RangeMessage(L"0", L"999")},
                      FieldCase{IDC_GAMMA_C, L"0", L""}, FieldCase{IDC_GAMMA_C, L"999", L""},
                      FieldCase{IDC_FS_OVERTURN, L"0.9", RangeMessage(L"1", L"5")},
                      FieldCase{IDC_FS_SLIDING, L"5.1", RangeMessage(L"1", L"5")},
                      FieldCase{IDC_FS_SLIDING, L"1e999", RangeMessage(L"1", L"5")},
                      FieldCase{IDC_FS_OVERTURN, L"1", L""}, FieldCase{IDC_FS_SLIDING, L"5", L""}));

// The seismic group: its numbers and ranges are checked after every other field, with the
// dialog's messages.
INSTANTIATE_TEST_SUITE_P(
    Seismic, OptionChecks,
    ::testing::Values(FieldCase{IDC_KH1, L"0.2", L""}, FieldCase{IDC_KH2, L"1", L""},
                      FieldCase{IDC_KH1, L"-0.01", RangeMessage(L"0", L"1")},
                      FieldCase{IDC_KH2, L"1.01", RangeMessage(L"0", L"1")},
                      FieldCase{IDC_KH2, L"nan", kNotANumber},
                      FieldCase{IDC_FO_LARGE, L"0.99", RangeMessage(L"1", L"5")},
                      FieldCase{IDC_FS_LARGE, L"5.5", RangeMessage(L"1", L"5")},
                      FieldCase{IDC_RU, L"10", L""},
                      FieldCase{IDC_RU, L"0.5", RangeMessage(L"1", L"10")},
                      FieldCase{IDC_RU, L"kh", kNotANumber}));

// The five seismic values go to the case and come back as typed; they are shown for a case
// without an entered friction angle too, which the dialog is told.
TEST(EditOptions, SeismicValuesReachTheCase) {
    CRTData rt;
    rt.m_bPhiInput = 0;
    CFakeOptionDialog dialog;
    dialog.user = [](CFakeControls& c) {
        c.SetText(IDC_KH1, L"0.2");
        c.SetText(IDC_KH2, L"0.25");
        c.SetText(IDC_FO_LARGE, L"1.2");
        c.SetText(IDC_FS_LARGE, L"1.1");
        c.SetText(IDC_RU, L"2.5");
        return true;
    };
    ASSERT_TRUE(EditOptions(rt, dialog));
    EXPECT_FALSE(dialog.phiEntered);
    EXPECT_EQ(dialog.shownTexts[IDC_KH1], L"0");
    EXPECT_EQ(dialog.shownTexts[IDC_FO_LARGE], L"1");
    EXPECT_EQ(dialog.shownTexts[IDC_RU], L"3");
    EXPECT_EQ(rt.m_kh1, 0.2);
    EXPECT_EQ(rt.m_kh2, 0.25);
    EXPECT_EQ(rt.m_FoL, 1.2);
    EXPECT_EQ(rt.m_FsL, 1.1);
    EXPECT_EQ(rt.m_ru, 2.5);
    EXPECT_EQ(rt.m_bPhiInput, 0);
}

// The exchange stops at the first failure in its own order: the unit weights' ranges come
// before the later number fields, and the safety factors' ranges last.
TEST(OptionChecks, FirstFailureInExchangeOrderIsTheOneReported) {
    const struct {
        std::vector<std::pair<int, const wchar_t*>> texts;
        int failed;
    } cases[] = {
        {{{IDC_MOMENT_M, L"x"}, {IDC_GAMMA_S_FRONT, L"1000"}}, IDC_GAMMA_S_FRONT},
        {{{IDC_Q_FRONT, L"x"}, {IDC_GAMMA_C, L"1000"}}, IDC_Q_FRONT},
        {{{IDC_FS_OVERTURN, L"9"}, {IDC_DT_BASE, L"x"}}, IDC_DT_BASE},
        {{{IDC_FS_SLIDING, L"9"}, {IDC_FS_OVERTURN, L"0"}}, IDC_FS_OVERTURN},
    };
    for (const auto& c : cases) {
        CFakeControls controls;
        COptionValues values;
        values.m_FsOverturnLimit = values.m_FsSlidingLimit = 1.5;
        ShowOptionValues(values, controls);
        for (const auto& [id, text] : c.texts)
            controls.SetText(id, text);
        CRecordingMessages messages;
        int failed = 0;
        EXPECT_FALSE(ReadOptionValues(controls, values, messages, failed));
        EXPECT_EQ(failed, c.failed);
        EXPECT_EQ(messages.shown.size(), 1u);
    }
}

TEST_F(DocTest, DetailSettingsOkMarksAndRepaintsEvenWithoutChanges) {
    AddCases({L"a"});
    doc.OnHelpManual();
    views.repaints = 0;
    doc.OnDataDetail();
    EXPECT_EQ(optionDialog.runs, 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(views.repaints, 1);
    EXPECT_TRUE(doc.m_bShowManual);
}

TEST_F(DocTest, DetailSettingsCancelChangesNothing) {
    AddCases({L"a"});
    optionDialog.user = [](CFakeControls& c) {
        c.SetText(IDC_GAMMA_C, L"20");
        return false;
    };
    doc.OnDataDetail();
    EXPECT_EQ(doc.m_arCases[0].m_gammaC, 24.0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(views.repaints, 0);
}

TEST_F(DocTest, DetailSettingsNeedACurrentCase) {
    doc.OnDataDetail();
    EXPECT_EQ(optionDialog.runs, 0);
}

} // namespace
