// Stand-ins for the windows around the document: a panel (and dialog) that keeps control texts
// and check states, a view counter, and the two dialogs driven by a script; the message sink
// and the shell are the recorders every test layer shares.
#pragma once

#include "RecordingMessages.h"
#include "RecordingShell.h"
#include "doc/DialogControls.h"
#include "doc/EditDialog.h"
#include "doc/OptionDialog.h"
#include "doc/OptionExchange.h"
#include "doc/PanelControls.h"
#include "doc/TARVODoc.h"
#include "doc/ViewUpdate.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

class CFakeControls : public IDialogControls {
public:
    std::wstring GetText(int id) const override {
        auto it = texts.find(id);
        return it == texts.end() ? std::wstring() : it->second;
    }
    void SetText(int id, const std::wstring& text) override { texts[id] = text; }
    bool IsChecked(int id) const override {
        auto it = checks.find(id);
        return it != checks.end() && it->second;
    }
    void SetCheck(int id, bool checked) override { checks[id] = checked; }

    std::map<int, std::wstring> texts;
    std::map<int, bool> checks;
};

class CFakeViews : public IViewUpdate {
public:
    void UpdateAllViews() override { ++repaints; }
    int repaints = 0;
};

// Shows the values in its fields, lets the user script edit them, and ends with OK when the
// exchange accepts them; a script that returns false presses Cancel. A rejected exchange is
// followed by Cancel too.
class CFakeOptionDialog : public IOptionDialog {
public:
    bool Run(COptionValues& values) override {
        ++runs;
        phiEntered = values.m_phiEntered;
        controls = CFakeControls();
        ShowOptionValues(values, controls);
        shownTexts = controls.texts;
        if (!user(controls))
            return false;
        return ReadOptionValues(controls, values, messages, failedControl);
    }

    std::function<bool(CFakeControls&)> user = [](CFakeControls&) { return true; };
    CFakeControls controls;
    std::map<int, std::wstring> shownTexts;
    CRecordingMessages messages;
    int failedControl = 0;
    int runs = 0;
    bool phiEntered = false; // as the dialog was told
};

// Runs the dialog's list on the entries it is handed; the user script works the buttons and
// returns true for OK.
class CFakeEditDialog : public IEditDialog {
public:
    bool Run(const std::vector<CEditEntry>& entries, std::vector<CEditChoice>& choices) override {
        received = entries;
        CEditList list(entries);
        listTexts.clear();
        for (const CEditList::CItem& item : list.Items())
            listTexts.push_back(item.text);
        if (!user(list))
            return false;
        choices = list.Choices();
        return true;
    }

    std::function<bool(CEditList&)> user = [](CEditList&) { return true; };
    std::vector<CEditEntry> received;
    std::vector<std::wstring> listTexts;
};

// A document as the program runs it: built in the folder of the test build's data files
// (bar table present), main window with its panel in place, new document started.
class DocTest : public ::testing::Test {
protected:
    DocTest() : doc(Services(), TARVO_BIN_DIR "/") {
        doc.SetPanel(&panel);
        doc.OnNewDocument();
    }

    CDocServices Services() {
        return CDocServices{messages, views, shell, optionDialog, editDialog};
    }

    // Adds cases titled as given, each a copy of the default case, and makes the first
    // one current, as if the user had stepped back to it; the flags are then reset.
    void AddCases(const std::vector<std::wstring>& titles) {
        for (const std::wstring& title : titles) {
            CRTData rt;
            rt.m_strTitle = title;
            doc.m_arCases.push_back(rt);
        }
        doc.m_nCurrent = 0;
        doc.SetModifiedFlag(false);
        views.repaints = 0;
    }

    std::vector<std::wstring> Titles() const {
        std::vector<std::wstring> titles;
        for (const CRTData& rt : doc.m_arCases)
            titles.push_back(rt.m_strTitle);
        return titles;
    }

    std::wstring Label() const { return panel.GetText(IDC_INDEX); }

    CFakeControls panel;
    CRecordingMessages messages;
    CFakeViews views;
    CRecordingShell shell;
    CFakeOptionDialog optionDialog;
    CFakeEditDialog editDialog;
    CTARVODoc doc;
};
