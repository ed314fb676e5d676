#include "doc/TARVODoc.h"

#include "doc/Commands.h"
#include "doc/PanelControls.h"
#include "doc/PanelExchange.h"
#include "model/BarTable.h"
#include "model/CaseFile.h"
#include "model/FileBytes.h"
#include "model/ModuleFolder.h"
#include "model/PagePlan.h"
#include "model/TextCodec.h"

#include <cwchar>
#include <string>
#include <utility>

namespace {

const wchar_t kDeleteQuestion[] = L"現在表示されているデータを削除します";

// The reason for a failed file operation (UTF-8) as a second line of the message.
std::wstring WithReason(const std::wstring& message, const std::string& reason) {
    return reason.empty() ? message : message + L"\n" + DecodeUtf8(reason);
}

// The settings the case file carries, as the document holds them.
CDocSettings SettingsOf(const CTARVODoc& doc) {
    CDocSettings settings;
    settings.nFontSize = doc.m_nFontSize;
    settings.nCurrent = doc.m_nCurrent;
    settings.rcMargin[0] = doc.m_rcMargin.left;
    settings.rcMargin[1] = doc.m_rcMargin.top;
    settings.rcMargin[2] = doc.m_rcMargin.right;
    settings.rcMargin[3] = doc.m_rcMargin.bottom;
    settings.bDrawFrame = doc.m_bDrawFrame;
    settings.bPageNumber = doc.m_bPageNumber;
    return settings;
}

} // namespace

CTARVODoc::CTARVODoc(const CDocServices& services) : CTARVODoc(services, GetModuleFolder()) {}

CTARVODoc::CTARVODoc(const CDocServices& services, const std::filesystem::path& folder)
    : m_services(services), m_folder(folder) {
    ApplySettings(CDocSettings{});
    std::error_code error;
    std::filesystem::path picture = m_folder / "manual.svg";
    if (std::filesystem::is_regular_file(picture, error))
        m_pathManual = picture;
    BarTableLoad table = LoadBarTable(m_folder / "reinf.txt");
    if (!table)
        ShowWarning(m_services.messages, kBarTableLoadFailedMessage);
    if (table.linesLeftOut)
        ShowWarning(m_services.messages, kBarTableLinesLeftOutMessage);
}

bool CTARVODoc::OnNewDocument() {
    DeleteContents();
    SetModifiedFlag(false);
    ApplySettings(CDocSettings{});
    m_bShowManual = true;
    if (m_pPanel) {
        FillPanelDefaults();
        UpdateIndexLabel();
    }
    return true;
}

void CTARVODoc::DeleteContents() {
    m_arCases.clear();
}

bool CTARVODoc::OnOpenDocument(const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    std::string reason;
    if (!ReadFileBytes(path, bytes, reason)) {
        ShowWarning(m_services.messages,
                    WithReason(CaseFileStatusMessage(CaseFileStatus::ReadFailure), reason));
        return false;
    }
    return LoadFromBytes(bytes);
}

bool CTARVODoc::OnSaveDocument(const std::filesystem::path& path) {
    std::string reason;
    if (!WriteFileAtomically(path, SaveToBytes(), reason)) {
        ShowWarning(m_services.messages, WithReason(kCaseFileSaveFailedMessage, reason));
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

std::vector<std::uint8_t> CTARVODoc::SaveToBytes() {
    std::vector<std::uint8_t> bytes = WriteCaseFile(SettingsOf(*this), m_arCases);
    ShowStoredCurrent();
    return bytes;
}

bool CTARVODoc::LoadFromBytes(const std::vector<std::uint8_t>& bytes) {
    // The file is read beside the open document, which is replaced only by a complete list.
    CDocSettings settings = SettingsOf(*this);
    std::vector<CRTData> cases;
    CaseFileStatus status = ReadCaseFile(bytes, settings, cases);
    if (status != CaseFileStatus::Ok) {
        ShowWarning(m_services.messages, CaseFileStatusMessage(status));
        return false;
    }
    DeleteContents();
    m_arCases = std::move(cases);
    ApplySettings(settings);
    ShowStoredCurrent();
    SetModifiedFlag(false);
    return true;
}

void CTARVODoc::ApplySettings(const CDocSettings& settings) {
    m_nFontSize = settings.nFontSize;
    m_nCurrent = settings.nCurrent;
    m_rcMargin = {settings.rcMargin[0], settings.rcMargin[1], settings.rcMargin[2],
                  settings.rcMargin[3]};
    m_bDrawFrame = settings.bDrawFrame;
    m_bPageNumber = settings.bPageNumber;
}

void CTARVODoc::ShowStoredCurrent() {
    m_bShowManual = false;
    if (m_nCurrent != -1)
        FillPanel(GetCase(m_nCurrent));
    UpdateIndexLabel();
}

CRTData* CTARVODoc::GetCase(int index) {
    return index >= 0 && index < GetCaseCount() ? &m_arCases[index] : nullptr;
}

const CRTData* CTARVODoc::GetCase(int index) const {
    return index >= 0 && index < GetCaseCount() ? &m_arCases[index] : nullptr;
}

bool CTARVODoc::RemoveCase(int index) {
    if (!GetCase(m_nCurrent) || !GetCase(index))
        return false;
    m_arCases.erase(m_arCases.begin() + index);
    return true;
}

void CTARVODoc::UpdateIndexLabel() {
    if (m_nCurrent >= GetCaseCount())
        m_nCurrent = GetCaseCount() - 1;
    if (!m_pPanel)
        return;
    wchar_t label[32];
    std::swprintf(label, sizeof label / sizeof label[0], L"%5i / %5i", m_nCurrent + 1,
                  GetCaseCount());
    m_pPanel->SetText(IDC_INDEX, label);
}

int CTARVODoc::GetPrintPageCount() const {
    return PrintPageCount(m_arCases);
}

CRTData* CTARVODoc::GetCaseForPage(int page) {
    return CaseForPage(m_arCases, page);
}

CPlannedPage CTARVODoc::GetPlannedPage(int page) {
    return PlannedPage(m_arCases, page);
}

CDocSettings CTARVODoc::GetSettings() const {
    return SettingsOf(*this);
}

void CTARVODoc::FillPanelDefaults() {
    if (m_pPanel)
        ::FillPanelDefaults(*m_pPanel);
}

bool CTARVODoc::FillPanel(const CRTData* rt) {
    if (!m_pPanel || !rt)
        return false;
    ::FillPanel(*m_pPanel, *rt);
    return true;
}

void CTARVODoc::ReadPanel(CRTData& rt) const {
    if (m_pPanel)
        ::ReadPanel(*m_pPanel, rt);
}

void CTARVODoc::OnDataAdd() {
    // With a current case the new case is a copy of it as last applied, not of what the
    // panel holds; only the first case comes from the panel.
    CRTData rt;
    if (m_nCurrent < 0)
        ReadPanel(rt);
    else if (const CRTData* current = GetCase(m_nCurrent))
        rt = *current;
    std::wstring messages = rt.Validate();
    if (!messages.empty()) {
        ShowWarning(m_services.messages, messages);
        return;
    }
    m_arCases.push_back(rt);
    m_bShowManual = false;
    m_nCurrent = GetCaseCount() - 1;
    UpdateIndexLabel();
    SetModifiedFlag();
    UpdateAllViews();
}

void CTARVODoc::OnDataRecalc() {
    CRTData* rt = GetCase(m_nCurrent);
    if (!rt)
        return;
    // The panel values stay in the case even when they fail the check; the sheet drawn next
    // shows what they give.
    ReadPanel(*rt);
    std::wstring messages = rt->Validate();
    if (!messages.empty()) {
        ShowWarning(m_services.messages, messages);
        return;
    }
    m_bShowManual = false;
    SetModifiedFlag();
    UpdateAllViews();
}

void CTARVODoc::OnDataPrev() {
    if (m_nCurrent >= 1)
        StepTo(m_nCurrent - 1);
}

void CTARVODoc::OnDataNext() {
    if (m_nCurrent < GetCaseCount() - 1)
        StepTo(m_nCurrent + 1);
}

// Unapplied panel edits of the case left behind are discarded; the modified flag stays.
void CTARVODoc::OnDataGoTo(int index) {
    if (index >= 0 && index < GetCaseCount())
        StepTo(index);
}

void CTARVODoc::StepTo(int index) {
    m_nCurrent = index;
    m_bShowManual = false;
    FillPanel(GetCase(m_nCurrent));
    UpdateIndexLabel();
    UpdateAllViews();
}

void CTARVODoc::OnDataDelete() {
    if (!GetCase(m_nCurrent))
        return;
    if (!AskYesNo(m_services.messages, kDeleteQuestion))
        return;
    if (!RemoveCase(m_nCurrent))
        return;
    // The following case becomes current, or the new last one.
    ShowChangedList();
}

void CTARVODoc::OnDataDetail() {
    CRTData* rt = GetCase(m_nCurrent);
    if (!rt)
        return;
    if (EditOptions(*rt, m_services.optionDialog)) {
        SetModifiedFlag();
        UpdateAllViews();
    }
}

void CTARVODoc::OnDataEdit() {
    std::vector<CEditEntry> entries;
    for (int i = 0; i < GetCaseCount(); ++i)
        entries.push_back({m_arCases[i].m_bPrint, i + 1, m_arCases[i].m_strTitle});
    std::vector<CEditChoice> choices;
    if (!m_services.editDialog.Run(entries, choices))
        return;
    ApplyEditList(choices);
    // The current index keeps its number: the case now standing there becomes current.
    ShowChangedList();
}

// After cases were deleted or reordered: the current index stays within the list and the
// panel shows the case it names; with no case left the panel keeps what it showed.
void CTARVODoc::ShowChangedList() {
    if (m_nCurrent >= GetCaseCount())
        m_nCurrent = GetCaseCount() - 1;
    FillPanel(GetCase(m_nCurrent));
    SetModifiedFlag();
    UpdateIndexLabel();
    UpdateAllViews();
}

void CTARVODoc::ApplyEditList(const std::vector<CEditChoice>& choices) {
    std::vector<CRTData> before = std::move(m_arCases);
    std::vector<bool> taken(before.size(), false);
    m_arCases.clear();
    for (const CEditChoice& choice : choices) {
        if (choice.index < 0 || choice.index >= static_cast<int>(before.size()) ||
            taken[choice.index])
            continue;
        taken[choice.index] = true;
        m_arCases.push_back(std::move(before[choice.index]));
        m_arCases.back().m_bPrint = choice.mark;
    }
}

void CTARVODoc::OnHelpManual() {
    m_bShowManual = true;
    UpdateAllViews();
}

void CTARVODoc::OnHelpReadme() {
    m_services.shell.OpenFile(m_folder / "readme.txt");
}

void CTARVODoc::OnPhiCheck() {
    if (!m_pPanel)
        return;
    ConvertPhiField(*m_pPanel);
    SetModifiedFlag();
}

bool CTARVODoc::OnUpdateFileSave() const {
    return !m_arCases.empty();
}

bool CTARVODoc::OnUpdateDataPrev() const {
    return m_nCurrent > 0;
}

bool CTARVODoc::OnUpdateDataNext() const {
    return m_nCurrent < GetCaseCount() - 1;
}

bool CTARVODoc::OnUpdateDataHasCases() const {
    return !m_arCases.empty();
}

bool CTARVODoc::IsCommandEnabled(int commandId) const {
    switch (commandId) {
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
        return OnUpdateFileSave();
    case ID_DATA_PREV:
        return OnUpdateDataPrev();
    case ID_DATA_NEXT:
        return OnUpdateDataNext();
    case ID_DATA_DELETE:
    case ID_DATA_EDIT:
    case ID_DATA_RECALC:
    case ID_DATA_DETAIL:
        return OnUpdateDataHasCases();
    default:
        return true;
    }
}

void CTARVODoc::UpdateAllViews() {
    m_services.views.UpdateAllViews();
}
