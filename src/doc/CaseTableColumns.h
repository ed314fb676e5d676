// The columns of the case overview, in groups. A group is a list of columns, each with the
// rule that makes its cell from a calculated case; adding a group to CaseTableGroups() adds
// its columns to the table, to every output format and to the window, and its verdicts to
// the overall verdict.
#pragma once

#include "doc/CaseTable.h"
#include "doc/DialogControls.h"

#include <functional>
#include <map>
#include <vector>

// The texts and check boxes of a form as a fill from a case leaves them, without any widget.
class CControlTexts : public IDialogControls {
public:
    std::wstring GetText(int id) const override;
    void SetText(int id, const std::wstring& text) override { m_texts[id] = text; }
    bool IsChecked(int id) const override;
    void SetCheck(int id, bool checked) override { m_checks[id] = checked; }

private:
    std::map<int, std::wstring> m_texts;
    std::map<int, bool> m_checks;
};

// One calculated case as the column rules see it.
struct CCaseValues {
    int position;                 // 1 for the first case
    const CRTData& c;             // after the calculation refreshed the derived fields
    const CDesignResult& r;       // its results
    const CControlTexts& panel;   // the input panel filled from the case
    const CControlTexts& options; // the detail settings dialog filled from the case
};

struct CColumnDef {
    CTableColumn column;
    std::function<CTableCell(const CCaseValues&)> cell;
};

struct CColumnGroup {
    std::vector<CColumnDef> columns;
};

const std::vector<CColumnGroup>& CaseTableGroups();
