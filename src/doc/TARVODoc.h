// The single document: the ordered list of wall cases, the current case, the page settings
// printing uses, and whether the view shows the input explanation picture or the sheet of
// the current case. It handles every command of the data menu and the two help commands, and
// reaches the program's windows only through the small interfaces it is given.
#pragma once

#include "doc/DialogControls.h"
#include "doc/EditDialog.h"
#include "doc/MessageSink.h"
#include "doc/OptionDialog.h"
#include "doc/ShellOpen.h"
#include "doc/ViewUpdate.h"
#include "model/CaseFile.h"
#include "model/PagePlan.h"
#include "model/RTData.h"

#include <cstdint>
#include <filesystem>
#include <vector>

// What the document needs of the program around it.
struct CDocServices {
    IMessageSink& messages;
    IViewUpdate& views;
    IShellOpen& shell;
    IOptionDialog& optionDialog;
    IEditDialog& editDialog;
};

// Page margins in 0.01 mm (2540 per inch).
struct CMarginRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class CTARVODoc {
public:
    // Looks for the input explanation picture and loads the bar table, both from folder (the
    // executable's folder by default); a bar table that cannot be read is reported once and
    // the document is constructed all the same.
    explicit CTARVODoc(const CDocServices& services);
    CTARVODoc(const CDocServices& services, const std::filesystem::path& folder);

    // The input panel of the main window; none (the default) until that window exists. The
    // panel and the position label are left alone while there is none.
    void SetPanel(IDialogControls* panel) { m_pPanel = panel; }

    // New document: no case, default page settings, the picture on screen, the panel showing
    // the default case. Clears the modified flag.
    bool OnNewDocument();

    // Deletes every case; the current index and the settings stay as they are.
    void DeleteContents();

    // Opens a case file. On failure the message is shown and the document stays as it was.
    bool OnOpenDocument(const std::filesystem::path& path);
    // Saves the document; the file on disk is replaced only by a complete new file.
    bool OnSaveDocument(const std::filesystem::path& path);

    // The document as the bytes of a case file, and back. Both show the sheet afterwards and
    // refill the panel from the current case. Reading a file of zero bytes gives a document
    // without cases that keeps its page settings. A file that cannot be read is reported and
    // leaves the document as it was.
    std::vector<std::uint8_t> SaveToBytes();
    bool LoadFromBytes(const std::vector<std::uint8_t>& bytes);

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    int GetCaseCount() const { return static_cast<int>(m_arCases.size()); }
    // The case at index, or null when there is none.
    CRTData* GetCase(int index);
    const CRTData* GetCase(int index) const;
    // Deletes the case at index; false, with no change, when index or the current index is
    // not a valid index.
    bool RemoveCase(int index);
    // Keeps the current index within the list and writes "current / count" into the panel.
    void UpdateIndexLabel();

    // Page plan of printing: two pages for each case marked for printing; pages 1 and 2 show
    // the first marked case, 3 and 4 the second, and so on.
    int GetPrintPageCount() const;
    CRTData* GetCaseForPage(int page);
    // The case of a printed page with the part of its sheet the page carries.
    CPlannedPage GetPlannedPage(int page);
    // The page settings as printing uses them and the case file carries them.
    CDocSettings GetSettings() const;

    // The panel exchange through the main window's panel; without a panel nothing happens
    // and FillPanel reports false, as it does when it is given no case.
    void FillPanelDefaults();
    bool FillPanel(const CRTData* rt);
    void ReadPanel(CRTData& rt) const;

    // Commands.
    void OnDataAdd();
    void OnDataRecalc();
    void OnDataPrev();
    void OnDataNext();
    // Makes the case at index current as the previous and next commands do; an index outside
    // the list changes nothing.
    void OnDataGoTo(int index);
    void OnDataDelete();
    void OnDataDetail();
    void OnDataEdit();
    void OnHelpManual();
    void OnHelpReadme();
    void OnPhiCheck();

    // Rebuilds the case list from the data edit dialog's choices: the chosen cases in the
    // chosen order with the chosen marks; cases not chosen are deleted. A case is taken once
    // at most and an index outside the list is passed over.
    void ApplyEditList(const std::vector<CEditChoice>& choices);

    // Enable rules of the commands, shared by menus, toolbar and panel buttons.
    bool OnUpdateFileSave() const;     // save and save as
    bool OnUpdateDataPrev() const;     // previous case
    bool OnUpdateDataNext() const;     // next case
    bool OnUpdateDataHasCases() const; // delete, data edit, recalculate, detail settings
    // The rule for any command id; commands without a rule are always enabled.
    bool IsCommandEnabled(int commandId) const;

    // The settings the case file carries; a new document takes those of CDocSettings.
    int m_nFontSize;   // points
    int m_bDrawFrame;  // frame round each printed page
    int m_bPageNumber; // "P - n" on each printed page
    int m_nCurrent;    // index of the current case, -1 for none
    std::vector<CRTData> m_arCases;
    CMarginRect m_rcMargin;
    bool m_bShowManual = true;          // the view shows the picture instead of the sheet
    std::filesystem::path m_pathManual; // the input explanation picture; empty when missing

private:
    // Takes the settings a new document starts with or a case file carries.
    void ApplySettings(const CDocSettings& settings);
    // After the case list was read or written.
    void ShowStoredCurrent();
    void StepTo(int index);
    void ShowChangedList();
    void UpdateAllViews();

    CDocServices m_services;
    std::filesystem::path m_folder;
    IDialogControls* m_pPanel = nullptr;
    bool m_bModified = false;
};
