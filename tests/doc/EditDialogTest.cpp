// The data edit dialog's list and the document command around it: reordering, marks,
// deletions, cancel, and titles that hold commas and line breaks.
#include "DocFakes.h"

#include "doc/PanelControls.h"

#include <gtest/gtest.h>

namespace {

std::vector<CEditEntry> Entries(int n) {
    std::vector<CEditEntry> entries;
    for (int i = 0; i < n; ++i)
        entries.push_back({1, i + 1, L"case " + std::to_wstring(i + 1)});
    return entries;
}

std::vector<int> Order(const CEditList& list) {
    std::vector<int> order;
    for (const CEditList::CItem& item : list.Items())
        order.push_back(item.index);
    return order;
}

TEST(EditList, EntriesShowPositionAndTitleAndKeepTheirPositionWhenMoved) {
    std::vector<CEditEntry> entries = Entries(11);
    entries[10].mark = 0;
    CEditList list(entries);
    EXPECT_EQ(list.Items()[0].text, L" 1 case 1");
    EXPECT_EQ(list.Items()[10].text, L" 11 case 11");
    EXPECT_FALSE(list.Items()[10].Checked());
    EXPECT_EQ(list.Selected(), -1);

    list.Select(10);
    list.MoveUp();
    EXPECT_EQ(list.Selected(), 9);
    EXPECT_EQ(list.Items()[9].text, L" 11 case 11");
    EXPECT_EQ(list.Items()[9].index, 10);
    EXPECT_FALSE(list.Items()[9].Checked());
}

TEST(EditList, MovesThatCannotHappenDoNothing) {
    CEditList list(Entries(3));
    list.MoveUp(); // nothing selected
    list.MoveDown();
    list.Select(0);
    list.MoveUp();
    list.Select(2);
    list.MoveDown();
    list.Select(7); // outside the list: none
    list.DeleteSelected();
    EXPECT_EQ(Order(list), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(list.Selected(), -1);
}

TEST(EditList, ChecksAndDeletionsShapeTheChoices) {
    std::vector<CEditEntry> entries = Entries(4);
    entries[3].mark = 2; // a mark only a foreign file can hold
    CEditList list(entries);
    list.UncheckAll();
    list.SetChecked(3, true);
    list.SetChecked(1, true);
    list.Select(0);
    list.DeleteSelected();
    EXPECT_EQ(list.Selected(), -1);
    std::vector<CEditChoice> choices = list.Choices();
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0].index, 1);
    EXPECT_EQ(choices[0].mark, 1);
    EXPECT_EQ(choices[1].mark, 0);
    EXPECT_EQ(choices[2].mark, 1);

    CEditList untouched(entries);
    untouched.CheckAll();
    EXPECT_EQ(untouched.Choices()[3].mark, 2) << "a checked entry keeps its mark";
}

TEST_F(DocTest, DataEditReorderKeepsTheCurrentIndexNumber) {
    AddCases({L"a", L"b", L"c"});
    doc.m_nCurrent = 1;
    editDialog.user = [](CEditList& list) {
        list.Select(1);
        list.MoveUp();
        list.SetChecked(0, false);
        return true;
    };
    doc.OnDataEdit();

    EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"b", L"a", L"c"}));
    EXPECT_EQ(doc.m_arCases[0].m_bPrint, 0);
    EXPECT_EQ(doc.m_arCases[1].m_bPrint, 1);
    EXPECT_EQ(doc.m_nCurrent, 1);
    EXPECT_EQ(panel.GetText(IDC_TITLE), L"a");
    EXPECT_EQ(Label(), L"    2 /     3");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(views.repaints, 1);
    // The cleared mark drops the case from printing and shows next time.
    EXPECT_EQ(doc.GetPrintPageCount(), 4);
    EXPECT_EQ(doc.GetCaseForPage(1)->m_strTitle, L"a");
    doc.OnDataEdit();
    EXPECT_EQ(editDialog.received[0].mark, 0);
    EXPECT_EQ(editDialog.listTexts[0], L" 1 b");
}

TEST_F(DocTest, DataEditOkWithoutChangesStillRefillsTheStoredValues) {
    AddCases({L"a", L"b"});
    doc.OnHelpManual();
    views.repaints = 0;
    panel.SetText(IDC_TITLE, L"unapplied");
    doc.OnDataEdit();
    EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(panel.GetText(IDC_TITLE), L"a");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(views.repaints, 1);
    EXPECT_TRUE(doc.m_bShowManual);
}

TEST_F(DocTest, DataEditDeletingEveryEntryEmptiesTheDocument) {
    AddCases({L"a", L"b", L"c"});
    doc.FillPanel(doc.GetCase(0));
    panel.SetText(IDC_H1, L"333");
    editDialog.user = [](CEditList& list) {
        while (!list.Items().empty()) {
            list.Select(0);
            list.DeleteSelected();
        }
        return true;
    };
    doc.OnDataEdit();
    EXPECT_TRUE(doc.m_arCases.empty());
    EXPECT_EQ(doc.m_nCurrent, -1);
    EXPECT_EQ(Label(), L"    0 /     0");
    EXPECT_EQ(panel.GetText(IDC_H1), L"333");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.OnUpdateDataHasCases());
}

TEST_F(DocTest, DataEditCancelAfterDeletingKeepsEverything) {
    AddCases({L"a", L"b"});
    panel.SetText(IDC_TITLE, L"unapplied");
    editDialog.user = [](CEditList& list) {
        list.Select(0);
        list.DeleteSelected();
        return false;
    };
    doc.OnDataEdit();
    EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(views.repaints, 0);
    EXPECT_EQ(panel.GetText(IDC_TITLE), L"unapplied");
}

// A title is handed over whole, whatever it holds, and each case comes back exactly once.
TEST_F(DocTest, DataEditKeepsTitlesWithCommasAndLineBreaksWhole) {
    AddCases({L"1, 2", L"north\nsouth", L"1 1,0 0"});
    editDialog.user = [](CEditList& list) {
        list.Select(2);
        list.MoveUp();
        return true;
    };
    doc.OnDataEdit();
    ASSERT_EQ(editDialog.received.size(), 3u);
    EXPECT_EQ(editDialog.received[1].title, L"north\nsouth");
    EXPECT_EQ(editDialog.received[1].position, 2);
    EXPECT_EQ(editDialog.listTexts[0], L" 1 1, 2");
    EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"1, 2", L"1 1,0 0", L"north\nsouth"}));
}

TEST_F(DocTest, ApplyEditListTakesEachCaseOnceAndSkipsUnknownIndices) {
    AddCases({L"a", L"b", L"c"});
    doc.ApplyEditList({{1, 2}, {0, 2}, {1, 9}, {1, -1}, {0, 0}});
    EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"c", L"a"}));
    EXPECT_EQ(doc.m_arCases[0].m_bPrint, 1);
    EXPECT_EQ(doc.m_arCases[1].m_bPrint, 0);
}

} // namespace
