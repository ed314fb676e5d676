// Process-wide reinforcing-bar table read from "reinf.txt": per bar designation the area of
// one bar, its allowable tensile stress and a grade text.
#pragma once

#include <filesystem>
#include <istream>
#include <string>

constexpr int kBarTableRows = 20;

struct BARDATA {
    wchar_t szName[4];  // designation, e.g. "D13"
    int nData[7];       // [0] area of one bar (mm^2), [2] allowable tensile stress (N/mm^2)
    wchar_t szGrade[8]; // grade text, at most six characters
};

// Rows after the last row read are all zero; a row whose area is 0 ends the table.
extern BARDATA g_barTable[kBarTableRows];

// How a load of the table went.
struct BarTableLoad {
    bool loaded = false;       // at least one row was read
    bool linesLeftOut = false; // there were valid lines after the twentieth; they are ignored
    std::string reason;        // when nothing was loaded: why, in Japanese and UTF-8
    explicit operator bool() const { return loaded; }
};

// Reads the table from a regular file (see ReadFileBytes). The heading line is skipped,
// invalid lines leave no trace, and the first twenty valid lines fill the table. A failed load
// leaves an empty table.
BarTableLoad LoadBarTable(const std::filesystem::path& path);

// The same from an open stream of the file's bytes.
BarTableLoad LoadBarTable(std::istream& in);

// Reported once when the table beside the program cannot be loaded; the program runs on
// with an empty table.
inline constexpr wchar_t kBarTableLoadFailedMessage[] =
    L"鉄筋データ[reinf.txt]の読み込みに失敗しました";

// Said once when the table holds twenty rows and the file has more valid lines.
inline constexpr wchar_t kBarTableLinesLeftOutMessage[] =
    L"鉄筋データ[reinf.txt]の有効な行のうち、先頭の20行だけを読み込みました";
