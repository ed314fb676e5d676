// The overview of every case of a document: one row per case in list order with its inputs as
// the input panel and the detail settings dialog show them, the results the calculation sheet
// prints with the sheet's own decimals, every judgement of the sheet and an overall verdict.
// The command line and the desktop window both show this table; the writers of CSV, JSON and
// text work from it.
#pragma once

#include "calc/DesignResult.h"
#include "model/RTData.h"

#include <string>
#include <vector>

enum class CellKind {
    Text,    // a title, a bar designation
    Number,  // a value; shown with the decimals of the panel, the dialog or the sheet
    Verdict, // OK or NG
};

struct CTableCell {
    bool empty = true; // the sheet prints nothing here (a slab without its block, ...)
    std::wstring text; // as shown: a number without leading blanks, "OK" or "NG"
    double value = 0;  // Number: the value at full precision
    bool ok = false;   // Verdict
};

struct CTableColumn {
    std::string key;     // field name of the JSON output
    std::wstring header; // heading of the CSV, the text table and the window
    CellKind kind = CellKind::Text;
    bool input = false; // an input value (the window may fold these away)
};

struct CTableRow {
    int position = 0; // 1 for the first case of the list
    std::vector<CTableCell> cells;
    bool ok = false;      // overall verdict: every judgement OK and no overturning stop
    CDesignResult result; // the calculation the row shows
};

struct CCaseTable {
    std::vector<CTableColumn> columns; // the last one is the overall verdict
    std::vector<CTableRow> rows;
};

// Calculates every case (on a copy: the document is not touched) and builds the table.
CCaseTable BuildCaseTable(const std::vector<CRTData>& cases);

// The words of a verdict, as the sheet prints them.
const wchar_t* VerdictText(bool ok);
