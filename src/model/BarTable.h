// Process-wide reinforcing-bar table read from "reinf.txt": per bar designation the area of
// one bar, its allowable tensile stress and a grade text.
#pragma once

#include <filesystem>
#include <istream>

constexpr int kBarTableRows = 20;

struct BARDATA {
    wchar_t szName[4];  // designation, e.g. "D13"
    int nData[7];       // [0] area of one bar (mm^2), [2] allowable tensile stress (N/mm^2)
    wchar_t szGrade[8]; // grade text, at most six characters
};

// Rows after the last row read are all zero; a row whose area is 0 ends the table.
extern BARDATA g_barTable[kBarTableRows];

// Reads the table; returns true when at least one row was read. The heading line is skipped,
// invalid lines leave no trace, and valid lines after the twentieth are ignored.
bool LoadBarTable(const std::filesystem::path& path);

// The same from an open stream of the file's bytes.
bool LoadBarTable(std::istream& in);

// Reported once when the table beside the program cannot be loaded; the program runs on
// with an empty table.
inline constexpr wchar_t kBarTableLoadFailedMessage[] =
    L"鉄筋データ[reinf.txt]の読み込みに失敗しました";
