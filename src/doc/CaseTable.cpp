#include "doc/CaseTable.h"

#include "doc/CaseTableColumns.h"
#include "doc/OptionExchange.h"
#include "doc/PanelExchange.h"

const wchar_t* VerdictText(bool ok) {
    return ok ? L"OK" : L"NG";
}

namespace {

const CTableColumn kOverallColumn = {"verdict", L"総合判定", CellKind::Verdict, false};

CTableRow BuildRow(int position, const CRTData& stored, const std::vector<CColumnGroup>& groups) {
    CTableRow row;
    row.position = position;
    // The calculation refreshes the derived fields (δ, δw, θw, KA) of the case, as the sheet's
    // does; the document's case is left as it is.
    CRTData calculated = stored;
    calculated.Calculate(row.result);
    CControlTexts panel;
    FillPanel(panel, calculated);
    CControlTexts options;
    ShowOptionValues(ShownOptionValues(calculated), options);
    const CCaseValues values{position, calculated, row.result, panel, options};

    // Every judgement the sheet prints counts, and so does the overturning stop, which ends
    // the sheet whatever the required safety factor.
    bool ok = !row.result.overturnFailure;
    for (const CColumnGroup& group : groups) {
        for (const CColumnDef& def : group.columns) {
            CTableCell cell = def.cell(values);
            if (def.column.kind == CellKind::Verdict && !cell.empty)
                ok = ok && cell.ok;
            row.cells.push_back(std::move(cell));
        }
    }
    row.ok = ok;
    CTableCell overall;
    overall.empty = false;
    overall.ok = ok;
    overall.text = VerdictText(ok);
    row.cells.push_back(overall);
    return row;
}

} // namespace

CCaseTable BuildCaseTable(const std::vector<CRTData>& cases) {
    const std::vector<CColumnGroup>& groups = CaseTableGroups();
    CCaseTable table;
    for (const CColumnGroup& group : groups) {
        for (const CColumnDef& def : group.columns)
            table.columns.push_back(def.column);
    }
    table.columns.push_back(kOverallColumn);
    for (std::size_t i = 0; i < cases.size(); ++i)
        table.rows.push_back(BuildRow(static_cast<int>(i) + 1, cases[i], groups));
    return table;
}
