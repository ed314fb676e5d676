// The document's commands, enable rules, page plan and its saving and loading, run against a
// fake panel and a fake message sink.
#include "DocFakes.h"
#include "ScratchFolder.h"

#include "doc/Commands.h"
#include "doc/PanelControls.h"
#include "doc/PanelExchange.h"
#include "model/CaseFile.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sys/stat.h>

namespace {

const wchar_t kBarTableFailed[] = L"鉄筋データ[reinf.txt]の読み込みに失敗しました";
const wchar_t kBarTableLeftOut[] =
    L"鉄筋データ[reinf.txt]の有効な行のうち、先頭の20行だけを読み込みました";
const wchar_t kDeleteQuestion[] = L"現在表示されているデータを削除します";
const wchar_t kUnexpectedFormat[] = L"予期しないファイル形式です。";
const wchar_t kOpenFailed[] = L"ドキュメントを開くことに失敗しました。";
const wchar_t kSaveFailed[] = L"ドキュメントの保存に失敗しました。";
const wchar_t kFreshTitle[] = L"新規擁壁設計";

// ---------------------------------------------------------------- construction

template <typename Case> std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// What the folder holds as "reinf.txt".
enum class BarTableFile { Shipped, Missing, Folder, Fifo, TwentyOneRows };

struct FolderCase {
    const char* name;
    BarTableFile barTable;
    bool picture;
    std::vector<std::wstring> messages;
};

void MakeBarTable(BarTableFile kind, const std::filesystem::path& path) {
    switch (kind) {
    case BarTableFile::Shipped:
        std::filesystem::copy_file(TARVO_BIN_DIR "/reinf.txt", path);
        break;
    case BarTableFile::Missing:
        break;
    case BarTableFile::Folder:
        std::filesystem::create_directory(path);
        break;
    case BarTableFile::Fifo:
        ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        break;
    case BarTableFile::TwentyOneRows: {
        std::ofstream out(path);
        out << "heading\n";
        for (int i = 1; i <= 21; ++i)
            out << "D" << 10 + i << " SD295 " << i << ",0,100,0,0,0,0\n";
        break;
    }
    }
}

class DocConstruction : public ::testing::TestWithParam<FolderCase> {};

// Whatever stands in the folder as the bar table, construction neither waits nor fails, and
// says once what went wrong.
TEST_P(DocConstruction, ReportsTheBarTableOnceAndFindsThePicture) {
    CScratchFolder folder;
    MakeBarTable(GetParam().barTable, folder.Path() / "reinf.txt");
    if (GetParam().picture)
        std::ofstream(folder.Path() / "manual.svg") << "<svg/>";
    CRecordingMessages messages;
    CFakeViews views;
    CRecordingShell shell;
    CFakeOptionDialog option;
    CFakeEditDialog edit;
    CTARVODoc doc({messages, views, shell, option, edit}, folder.Path());

    ASSERT_EQ(messages.shown.size(), GetParam().messages.size());
    for (std::size_t i = 0; i < messages.shown.size(); ++i) {
        EXPECT_EQ(messages.shown[i].caption, L"TARVO");
        EXPECT_EQ(messages.shown[i].text, GetParam().messages[i]);
        EXPECT_EQ(messages.shown[i].icon, MessageIcon::Warning);
        EXPECT_EQ(messages.shown[i].buttons, MessageButtons::Ok);
    }
    EXPECT_EQ(doc.m_pathManual.empty(), !GetParam().picture);
    EXPECT_TRUE(doc.m_arCases.empty());
    EXPECT_EQ(doc.m_nCurrent, -1);

    doc.OnHelpReadme();
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], folder.Path() / "readme.txt");
}

INSTANTIATE_TEST_SUITE_P(
    Folders, DocConstruction,
    ::testing::Values(FolderCase{"Shipped", BarTableFile::Shipped, true, {}},
                      FolderCase{"Missing", BarTableFile::Missing, false, {kBarTableFailed}},
                      FolderCase{"Folder", BarTableFile::Folder, false, {kBarTableFailed}},
                      FolderCase{"Fifo", BarTableFile::Fifo, false, {kBarTableFailed}},
                      FolderCase{
                          "TwentyOneRows", BarTableFile::TwentyOneRows, false, {kBarTableLeftOut}}),
    CaseName<FolderCase>);

// ---------------------------------------------------------------- enable rules

struct EnableCase {
    const char* name;
    int cases;
    int current;
    std::vector<int> enabled;
};

class DocEnableRules : public DocTest, public ::testing::WithParamInterface<EnableCase> {};

TEST_P(DocEnableRules, FollowTheListAndTheCurrentCase) {
    const EnableCase& c = GetParam();
    if (c.cases > 0) {
        AddCases(std::vector<std::wstring>(c.cases, L"x"));
        doc.m_nCurrent = c.current;
    }
    const int all[] = {ID_FILE_SAVE,   ID_FILE_SAVE_AS, ID_DATA_PREV,   ID_DATA_NEXT,
                       ID_DATA_DELETE, ID_DATA_EDIT,    ID_DATA_RECALC, ID_DATA_DETAIL,
                       ID_DATA_ADD,    ID_HELP_MANUAL,  ID_HELP_README, ID_CHECK_PHI};
    for (int id : all) {
        bool expected = std::find(c.enabled.begin(), c.enabled.end(), id) != c.enabled.end();
        EXPECT_EQ(doc.IsCommandEnabled(id), expected) << c.name << " command " << id;
    }
}

const std::vector<int> kAlways = {ID_DATA_ADD, ID_HELP_MANUAL, ID_HELP_README, ID_CHECK_PHI};
std::vector<int> With(std::vector<int> ids) {
    ids.insert(ids.end(), kAlways.begin(), kAlways.end());
    return ids;
}
const std::vector<int> kHasCases = {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_DATA_DELETE,
                                    ID_DATA_EDIT, ID_DATA_RECALC,  ID_DATA_DETAIL};
std::vector<int> HasCasesWith(std::vector<int> ids) {
    ids.insert(ids.end(), kHasCases.begin(), kHasCases.end());
    return With(ids);
}

INSTANTIATE_TEST_SUITE_P(
    States, DocEnableRules,
    ::testing::Values(EnableCase{"Empty", 0, -1, With({})},
                      EnableCase{"OnlyCase", 1, 0, HasCasesWith({})},
                      EnableCase{"FirstOfThree", 3, 0, HasCasesWith({ID_DATA_NEXT})},
                      EnableCase{"MiddleOfThree", 3, 1, HasCasesWith({ID_DATA_PREV, ID_DATA_NEXT})},
                      EnableCase{"LastOfThree", 3, 2, HasCasesWith({ID_DATA_PREV})}),
    CaseName<EnableCase>);

TEST_F(DocTest, NewDocumentShowsNoCaseThePictureAndTheDefaultPanel) {
    EXPECT_EQ(Label(), L"    0 /     0");
    EXPECT_TRUE(doc.m_bShowManual);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(panel.GetText(IDC_TITLE), kFreshTitle);
    EXPECT_EQ(doc.m_nFontSize, 11);
    EXPECT_EQ(doc.m_rcMargin.left, 1500);
    EXPECT_EQ(doc.m_rcMargin.bottom, 1500);
}

// Until the main window exists there is no panel: the commands and a file read at start-up
// run without one, and the current index is still kept within the list.
TEST(DocWithoutWindow, RunsWithoutAPanel) {
    CRecordingMessages messages;
    CFakeViews views;
    CRecordingShell shell;
    CFakeOptionDialog option;
    CFakeEditDialog edit;
    CTARVODoc doc({messages, views, shell, option, edit}, TARVO_BIN_DIR "/");
    EXPECT_TRUE(doc.OnNewDocument());
    CDocSettings settings;
    settings.nCurrent = 5;
    ASSERT_TRUE(doc.LoadFromBytes(WriteCaseFile(settings, std::vector<CRTData>(2))));
    EXPECT_EQ(doc.m_nCurrent, 1);
    EXPECT_FALSE(doc.FillPanel(doc.GetCase(0)));
    doc.OnDataAdd();
    doc.OnDataRecalc();
    doc.OnDataPrev();
    doc.OnPhiCheck();
    doc.OnDataDelete();
    EXPECT_EQ(doc.GetCaseCount(), 2);
    EXPECT_EQ(doc.m_nCurrent, 1);
    EXPECT_TRUE(messages.shown.size() == 1u && messages.shown[0].buttons == MessageButtons::YesNo);
}

TEST_F(DocTest, NewDocumentResetsEverythingTheLastOneChanged) {
    AddCases({L"a", L"b"});
    doc.m_nFontSize = 14;
    doc.m_rcMargin = {1, 2, 3, 4};
    doc.m_bDrawFrame = 0;
    doc.m_bShowManual = false;
    doc.SetModifiedFlag();
    panel.SetText(IDC_H1, L"999");

    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_TRUE(doc.m_arCases.empty());
    EXPECT_EQ(doc.m_nCurrent, -1);
    EXPECT_EQ(doc.m_nFontSize, 11);
    EXPECT_EQ(doc.m_rcMargin.top, 1500);
    EXPECT_EQ(doc.m_bDrawFrame, 1);
    EXPECT_TRUE(doc.m_bShowManual);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(panel.GetText(IDC_H1), L"120");
    EXPECT_EQ(Label(), L"    0 /     0");
}

// ---------------------------------------------------------------- add and recalculate

TEST_F(DocTest, AddOnAnEmptyDocumentTakesThePanel) {
    panel.SetText(IDC_TITLE, L"擁壁A");
    panel.SetText(IDC_H1, L"150");
    doc.OnDataAdd();

    ASSERT_EQ(doc.m_arCases.size(), 1u);
    EXPECT_EQ(doc.m_arCases[0].m_strTitle, L"擁壁A");
    EXPECT_DOUBLE_EQ(doc.m_arCases[0].m_H1, 1.5);
    EXPECT_EQ(doc.m_nCurrent, 0);
    EXPECT_EQ(Label(), L"    1 /     1");
    EXPECT_FALSE(doc.m_bShowManual);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(views.repaints, 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DocTest, AddWithACurrentCaseDuplicatesTheStoredCaseNotThePanel) {
    panel.SetText(IDC_TITLE, L"擁壁A");
    doc.OnDataAdd();
    panel.SetText(IDC_TITLE, L"typed, never applied");
    panel.SetText(IDC_H1, L"0");
    doc.OnDataAdd();

    ASSERT_EQ(doc.m_arCases.size(), 2u);
    EXPECT_EQ(doc.m_arCases[1].m_strTitle, L"擁壁A");
    EXPECT_DOUBLE_EQ(doc.m_arCases[1].m_H1, 1.2);
    EXPECT_EQ(doc.m_nCurrent, 1);
    EXPECT_EQ(Label(), L"    2 /     2");
    EXPECT_EQ(panel.GetText(IDC_TITLE), L"typed, never applied");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DocTest, AddWithInvalidPanelValuesAddsNothing) {
    panel.SetText(IDC_H1, L"abc");
    panel.SetText(IDC_MU, L"1.5");
    CRTData expected;
    ReadPanel(panel, expected);

    doc.OnDataAdd();
    EXPECT_TRUE(doc.m_arCases.empty());
    EXPECT_EQ(doc.m_nCurrent, -1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, expected.Validate());
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(views.repaints, 0);
    EXPECT_TRUE(doc.m_bShowManual);
}

TEST_F(DocTest, RecalculateWithInvalidValuesKeepsThemButNeitherMarksNorRepaints) {
    AddCases({L"a"});
    doc.FillPanel(doc.GetCase(0));
    doc.OnHelpManual();
    views.repaints = 0;
    panel.SetText(IDC_H1, L"0");
    panel.SetText(IDC_TITLE, L"b");

    doc.OnDataRecalc();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, CRTData(doc.m_arCases[0]).Validate());
    EXPECT_EQ(doc.m_arCases[0].m_H1, 0.0);
    EXPECT_EQ(doc.m_arCases[0].m_strTitle, L"b");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(views.repaints, 0);
    EXPECT_TRUE(doc.m_bShowManual);

    panel.SetText(IDC_H1, L"140");
    doc.OnDataRecalc();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_DOUBLE_EQ(doc.m_arCases[0].m_H1, 1.4);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(views.repaints, 1);
    EXPECT_FALSE(doc.m_bShowManual);
}

TEST_F(DocTest, RecalculateTrimsTheDesignationsOfTheStoredCase) {
    AddCases({L"a"});
    doc.FillPanel(doc.GetCase(0));
    panel.SetText(IDC_BAR_TOE, L" D16\u3000");
    doc.OnDataRecalc();
    EXPECT_EQ(doc.m_arCases[0].m_strBar[SLOT_TOE], L"D16");
}

// ---------------------------------------------------------------- stepping and the picture

TEST_F(DocTest, SteppingRefillsThePanelAndStopsAtTheEnds) {
    AddCases({L"a", L"b", L"c"});
    doc.OnHelpManual();
    views.repaints = 0;

    doc.OnDataPrev(); // already at the first case
    EXPECT_EQ(doc.m_nCurrent, 0);
    EXPECT_EQ(views.repaints, 0);
    EXPECT_TRUE(doc.m_bShowManual);

    panel.SetText(IDC_TITLE, L"unapplied");
    doc.OnDataNext();
    EXPECT_EQ(doc.m_nCurrent, 1);
    EXPECT_EQ(panel.GetText(IDC_TITLE), L"b");
    EXPECT_EQ(Label(), L"    2 /     3");
    EXPECT_FALSE(doc.m_bShowManual);
    doc.OnDataNext();
    doc.OnDataNext(); // already at the last case
    EXPECT_EQ(doc.m_nCurrent, 2);
    doc.OnDataPrev();
    EXPECT_EQ(panel.GetText(IDC_TITLE), L"b");
    EXPECT_EQ(views.repaints, 3);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.m_arCases[0].m_strTitle, L"a");
}

TEST_F(DocTest, InputExplanationShowsThePictureAndDoesNotToggle) {
    AddCases({L"a", L"b"});
    doc.m_bShowManual = false;
    doc.OnHelpManual();
    doc.OnHelpManual();
    EXPECT_TRUE(doc.m_bShowManual);
    EXPECT_EQ(views.repaints, 2);
    EXPECT_FALSE(doc.IsModified());
}

// ---------------------------------------------------------------- delete

struct DeleteCase {
    const char* name;
    int cases;
    int current;
    MessageAnswer answer;
    std::vector<std::wstring> remaining;
    int newCurrent;
    const wchar_t* label;
};

class DocDelete : public DocTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DocDelete, AsksAndKeepsTheCurrentIndexInTheList) {
    const DeleteCase& c = GetParam();
    const std::vector<std::wstring> all = {L"1", L"2", L"3", L"4", L"5"};
    AddCases(std::vector<std::wstring>(all.begin(), all.begin() + c.cases));
    doc.m_nCurrent = c.current;
    doc.FillPanel(doc.GetCase(c.current));
    doc.UpdateIndexLabel();
    doc.OnHelpManual();
    views.repaints = 0;
    messages.answer = c.answer;

    doc.OnDataDelete();
    ASSERT_EQ(messages.shown.size(), 1u) << c.name;
    EXPECT_EQ(messages.shown[0].text, kDeleteQuestion);
    EXPECT_EQ(messages.shown[0].caption, L"TARVO");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(Titles(), c.remaining) << c.name;
    EXPECT_EQ(doc.m_nCurrent, c.newCurrent) << c.name;
    EXPECT_EQ(Label(), c.label) << c.name;
    bool deleted = c.answer == MessageAnswer::Yes;
    EXPECT_EQ(doc.IsModified(), deleted) << c.name;
    EXPECT_EQ(views.repaints, deleted ? 1 : 0) << c.name;
    // The panel shows the new current case; with none left it keeps the deleted values.
    std::wstring shown = c.newCurrent >= 0 && deleted ? c.remaining[c.newCurrent] : all[c.current];
    EXPECT_EQ(panel.GetText(IDC_TITLE), shown) << c.name;
    EXPECT_TRUE(doc.m_bShowManual) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocDelete,
    ::testing::Values(
        DeleteCase{
            "Middle", 5, 2, MessageAnswer::Yes, {L"1", L"2", L"4", L"5"}, 2, L"    3 /     4"},
        DeleteCase{"Last", 5, 4, MessageAnswer::Yes, {L"1", L"2", L"3", L"4"}, 3, L"    4 /     4"},
        DeleteCase{"Only", 1, 0, MessageAnswer::Yes, {}, -1, L"    0 /     0"},
        DeleteCase{"AnsweredNo", 3, 1, MessageAnswer::No, {L"1", L"2", L"3"}, 1, L"    2 /     3"}),
    CaseName<DeleteCase>);

TEST_F(DocTest, DeleteOnAnEmptyDocumentAsksNothing) {
    doc.OnDataDelete();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(doc.RemoveCase(0));
}

// ---------------------------------------------------------------- page plan

TEST_F(DocTest, PagePlanTakesTwoPagesPerMarkedCase) {
    AddCases({L"a", L"b", L"c"});
    doc.m_arCases[1].m_bPrint = 0;
    EXPECT_EQ(doc.GetPrintPageCount(), 4);
    const struct {
        int page;
        const wchar_t* title;
    } pages[] = {{1, L"a"},    {2, L"a"},    {3, L"c"},    {4, L"c"},
                 {5, nullptr}, {0, nullptr}, {-1, nullptr}};
    for (const auto& p : pages) {
        const CRTData* rt = doc.GetCaseForPage(p.page);
        if (p.title)
            EXPECT_EQ(rt ? rt->m_strTitle : L"(none)", p.title) << "page " << p.page;
        else
            EXPECT_EQ(rt, nullptr) << "page " << p.page;
    }
    for (CRTData& rt : doc.m_arCases)
        rt.m_bPrint = 0;
    EXPECT_EQ(doc.GetPrintPageCount(), 0);
    EXPECT_EQ(doc.GetCaseForPage(1), nullptr);
}

// A case that asks for seismic checks takes a third page with selector 3; the others keep
// their two pages, the first and the second half.
TEST_F(DocTest, PagePlanGivesSeismicCasesAThirdPage) {
    AddCases({L"a", L"b", L"c", L"d"});
    doc.m_arCases[0].m_kh2 = 0.25;
    doc.m_arCases[1].m_bPrint = 0;
    doc.m_arCases[1].m_kh1 = 0.2;
    doc.m_arCases[3].m_kh1 = 0.2;
    EXPECT_EQ(doc.GetPrintPageCount(), 8);
    const struct {
        int page;
        const wchar_t* title;
        int selector;
    } pages[] = {{1, L"a", 1}, {2, L"a", 2}, {3, L"a", 3}, {4, L"c", 1},    {5, L"c", 2},
                 {6, L"d", 1}, {7, L"d", 2}, {8, L"d", 3}, {9, nullptr, 0}, {0, nullptr, 0}};
    for (const auto& p : pages) {
        const CPlannedPage planned = doc.GetPlannedPage(p.page);
        if (p.title) {
            ASSERT_NE(planned.pageCase, nullptr) << "page " << p.page;
            EXPECT_EQ(planned.pageCase->m_strTitle, p.title) << "page " << p.page;
            EXPECT_EQ(planned.selector, p.selector) << "page " << p.page;
        } else {
            EXPECT_EQ(planned.pageCase, nullptr) << "page " << p.page;
        }
    }
}

// ---------------------------------------------------------------- saving and loading

// The untouched panel of a new document, added as the first case, gives the example file.
TEST_F(DocTest, FirstCaseFromTheFreshPanelSavesAsTheExampleFile) {
    doc.OnDataAdd();
    std::vector<std::uint8_t> bytes = doc.SaveToBytes();
    EXPECT_EQ(bytes.size(), 531u);
    const std::vector<std::uint8_t> head = {0x01, 0x00, 0x00, 0x00, 0x0B, 0x00, 0x00, 0x00,
                                            0x00, 0x00, 0x00, 0x00, 0xDC, 0x05, 0x00, 0x00};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), bytes.begin()));
    const std::vector<std::uint8_t> title = {0xFF, 0xFE, 0xFF, 0x06, 0xB0, 0x65, 0x8F, 0x89,
                                             0xC1, 0x64, 0xC1, 0x58, 0x2D, 0x8A, 0x08, 0x8A};
    EXPECT_TRUE(std::equal(title.begin(), title.end(), bytes.begin() + 51));
}

TEST_F(DocTest, SavingRefillsThePanelFromTheStoredCaseAndShowsTheSheet) {
    AddCases({L"a", L"b"});
    doc.m_nCurrent = 1;
    doc.OnHelpManual();
    panel.SetText(IDC_TITLE, L"unapplied");
    panel.SetText(IDC_H1, L"500");

    doc.SaveToBytes();
    EXPECT_EQ(panel.GetText(IDC_TITLE), L"b");
    EXPECT_EQ(panel.GetText(IDC_H1), L"120");
    EXPECT_EQ(Label(), L"    2 /     2");
    EXPECT_FALSE(doc.m_bShowManual);
}

TEST_F(DocTest, LoadingRestoresCasesSettingsAndPanel) {
    AddCases({L"a", L"b", L"c"});
    doc.m_arCases[2].m_H1 = 2.5;
    doc.m_nCurrent = 2;
    doc.m_nFontSize = 9;
    doc.m_rcMargin = {100, 200, 300, 400};
    doc.m_bPageNumber = 0;
    std::vector<std::uint8_t> bytes = doc.SaveToBytes();

    doc.OnNewDocument();
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.LoadFromBytes(bytes));
    EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"a", L"b", L"c"}));
    EXPECT_EQ(doc.m_nCurrent, 2);
    EXPECT_EQ(doc.m_nFontSize, 9);
    EXPECT_EQ(doc.m_rcMargin.left, 100);
    EXPECT_EQ(doc.m_rcMargin.bottom, 400);
    EXPECT_EQ(doc.m_bPageNumber, 0);
    EXPECT_EQ(panel.GetText(IDC_TITLE), L"c");
    EXPECT_EQ(panel.GetText(IDC_H1), L"250");
    EXPECT_EQ(Label(), L"    3 /     3");
    EXPECT_FALSE(doc.m_bShowManual);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocTest, LoadedCurrentIndexBeyondTheListNamesTheLastCase) {
    CDocSettings settings;
    settings.nCurrent = 7;
    std::vector<CRTData> cases(3);
    cases[2].m_strTitle = L"last";
    ASSERT_TRUE(doc.LoadFromBytes(WriteCaseFile(settings, cases)));
    EXPECT_EQ(doc.m_nCurrent, 2);
    EXPECT_EQ(Label(), L"    3 /     3");
    EXPECT_EQ(panel.GetText(IDC_TITLE), L"last");
    EXPECT_FALSE(doc.OnUpdateDataNext());
}

TEST_F(DocTest, ZeroLengthFileGivesNoCaseAndKeepsTheSettings) {
    AddCases({L"a", L"b"});
    doc.m_nCurrent = 1;
    doc.m_nFontSize = 13;
    doc.m_rcMargin = {1, 2, 3, 4};
    ASSERT_TRUE(doc.LoadFromBytes({}));
    EXPECT_TRUE(doc.m_arCases.empty());
    EXPECT_EQ(doc.m_nCurrent, -1);
    EXPECT_EQ(doc.m_nFontSize, 13);
    EXPECT_EQ(doc.m_rcMargin.right, 3);
    EXPECT_EQ(Label(), L"    0 /     0");
    EXPECT_FALSE(doc.OnUpdateDataHasCases());
    EXPECT_FALSE(doc.OnUpdateDataNext());
    // The next case is made from the panel, as in a new document.
    panel.SetText(IDC_TITLE, L"from the panel");
    doc.OnDataAdd();
    EXPECT_EQ(Titles(), std::vector<std::wstring>{L"from the panel"});
}

TEST_F(DocTest, FileThatCannotBeReadLeavesTheOpenDocumentAsItWas) {
    AddCases({L"a", L"b"});
    doc.m_nCurrent = 1;
    doc.SetModifiedFlag();
    std::vector<std::uint8_t> bytes = doc.SaveToBytes();
    bytes.resize(bytes.size() - 10); // cut inside the last case
    panel.SetText(IDC_TITLE, L"typed");

    EXPECT_FALSE(doc.LoadFromBytes(bytes));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, kUnexpectedFormat);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(doc.m_nCurrent, 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(panel.GetText(IDC_TITLE), L"typed");
}

TEST_F(DocTest, SavedFileOpensAgainAndFileErrorsAreReported) {
    CScratchFolder folder;
    AddCases({L"a"});
    doc.SetModifiedFlag();
    std::filesystem::path file = folder.Path() / "walls.tarvo";
    ASSERT_TRUE(doc.OnSaveDocument(file));
    EXPECT_FALSE(doc.IsModified());

    doc.OnNewDocument();
    ASSERT_TRUE(doc.OnOpenDocument(file));
    EXPECT_EQ(Titles(), std::vector<std::wstring>{L"a"});

    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument(folder.Path() / "no such folder" / "x.tarvo"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.OnOpenDocument(folder.Path() / "missing.tarvo"));
    EXPECT_FALSE(doc.OnOpenDocument(folder.Path()));
    // Neither a FIFO without a writer nor an endless device is read.
    ASSERT_EQ(mkfifo((folder.Path() / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(doc.OnOpenDocument(folder.Path() / "fifo"));
    EXPECT_FALSE(doc.OnOpenDocument("/dev/zero"));
    // The system's reason follows in Japanese, whatever the process locale.
    ASSERT_EQ(messages.shown.size(), 5u);
    const std::wstring notFound = L"ファイルまたはフォルダーが見つかりません。";
    EXPECT_EQ(messages.shown[0].text, std::wstring(kSaveFailed) + L"\n" + notFound);
    EXPECT_EQ(messages.shown[1].text, std::wstring(kOpenFailed) + L"\n" + notFound);
    EXPECT_EQ(messages.shown[2].text,
              std::wstring(kOpenFailed) + L"\n" + L"ファイルではなくフォルダーです。");
    for (std::size_t i : {3, 4})
        EXPECT_EQ(messages.shown[i].text,
                  std::wstring(kOpenFailed) + L"\n" + L"通常のファイルではありません。");
    EXPECT_EQ(Titles(), std::vector<std::wstring>{L"a"});
}

// ---------------------------------------------------------------- the φ check box

TEST_F(DocTest, PhiCheckConvertsTheFieldTwiceAndLeavesTheCase) {
    AddCases({L"a"});
    doc.FillPanel(doc.GetCase(0));
    ASSERT_EQ(panel.GetText(IDC_PHI), L"30.00");

    panel.SetCheck(IDC_PHI_CHECK, false); // the click toggles the box first
    doc.OnPhiCheck();
    EXPECT_EQ(panel.GetText(IDC_PHI), L"0.333");
    EXPECT_TRUE(doc.IsModified());
    panel.SetCheck(IDC_PHI_CHECK, true);
    doc.OnPhiCheck();
    EXPECT_EQ(panel.GetText(IDC_PHI), L"30.0");
    EXPECT_EQ(doc.m_arCases[0].m_bPhiInput, 1);
    EXPECT_EQ(doc.m_arCases[0].m_phi, CRTData().m_phi);
}

} // namespace
