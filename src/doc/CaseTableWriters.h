// The case overview written out: CSV for spreadsheets, JSON for programs, aligned text for the
// terminal, and tab-separated text for the clipboard.
#pragma once

#include "doc/CaseTable.h"

#include <string>
#include <vector>

// Which columns and rows are written, in which order (indices into the table).
struct CTableSelection {
    std::vector<int> columns;
    std::vector<int> rows;
};

// The text with tabs and line breaks turned into spaces, for formats of one line per case.
std::wstring SingleLineText(std::wstring text);

// Every column, every row in list order.
CTableSelection WholeTable(const CCaseTable& table);

// RFC 4180: UTF-8 with a byte-order mark, a heading row, fields quoted when they hold a comma,
// a quote or a line break, lines ending in CR LF. Numbers with the decimals they are shown
// with; an empty cell is an empty field.
std::string CaseTableCsv(const CCaseTable& table);

// Tab-separated text as a spreadsheet pastes it into cells: a heading row, then the rows;
// tabs and line breaks inside a text become spaces. Lines end in CR LF.
std::wstring CaseTableTabText(const CCaseTable& table, const CTableSelection& selection);

// An array with one object per case (UTF-8): each column's value under its key (numbers at
// full precision, a text as a string, a judgement as "OK" or "NG", null where the sheet
// prints nothing), the overall verdict, and under "result" every value of the design
// calculation. A number that is not finite is null, with "<key>_nonfinite" beside it holding
// "nan", "inf" or "-inf".
std::string CaseTableJson(const CCaseTable& table);

// Columns aligned for a terminal with a fixed-pitch font (wide characters take two cells),
// numbers right-aligned, a heading row and a rule; lines end in a line feed.
std::wstring CaseTableText(const CCaseTable& table);
