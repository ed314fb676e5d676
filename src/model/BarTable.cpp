#include "model/BarTable.h"

#include "model/DecimalInteger.h"
#include "model/FileBytes.h"
#include "model/TextCodec.h"

#include <cctype>
#include <cstring>
#include <sstream>
#include <string>

BARDATA g_barTable[kBarTableRows];

namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Scans the next white-space separated token of field starting at pos. The token is
// accepted only when it has 1 to maxLen characters; it is widened byte by byte.
bool ScanToken(const std::string& field, size_t& pos, wchar_t* out, size_t maxLen) {
    while (pos < field.size() && IsBlank(field[pos]))
        ++pos;
    size_t start = pos;
    while (pos < field.size() && !IsBlank(field[pos]))
        ++pos;
    size_t len = pos - start;
    if (len == 0 || len > maxLen)
        return false;
    for (size_t i = 0; i < len; ++i)
        out[i] = static_cast<unsigned char>(field[start + i]);
    out[len] = L'\0';
    return true;
}

// Reads one decimal integer as "%d" does: leading white space, optional sign, digits. A value
// outside the range of int is no number of the table: saturated, an area of 4294967423 would
// pass as a very large bar.
bool ScanInt(const std::string& s, size_t& pos, int& value) {
    while (pos < s.size() && IsBlank(s[pos]))
        ++pos;
    const CDecimalInteger number = ScanDecimalInteger(std::string_view(s), pos);
    if (!number.found || !number.inRange)
        return false;
    value = number.value;
    return true;
}

// Columns 1 to 9: designation and grade; column 10 is skipped; from column 11 seven
// integers, each directly followed by a comma except the last.
bool ParseLine(const std::string& line, BARDATA& row) {
    BARDATA parsed{};
    std::string names = line.substr(0, 9);
    size_t pos = 0;
    if (!ScanToken(names, pos, parsed.szName, 3) || !ScanToken(names, pos, parsed.szGrade, 6))
        return false;
    if (line.size() <= 10)
        return false;
    std::string numbers = line.substr(10);
    pos = 0;
    for (int i = 0; i < 7; ++i) {
        if (!ScanInt(numbers, pos, parsed.nData[i]))
            return false;
        if (i < 6) {
            if (pos >= numbers.size() || numbers[pos] != ',')
                return false;
            ++pos;
        }
    }
    row = parsed;
    return true;
}

} // namespace

BarTableLoad LoadBarTable(const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    std::string reason;
    if (!ReadFileBytes(path, bytes, reason)) {
        std::memset(g_barTable, 0, sizeof g_barTable);
        return {false, false, reason};
    }
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    return LoadBarTable(in);
}

BarTableLoad LoadBarTable(std::istream& in) {
    BARDATA table[kBarTableRows] = {};
    int rows = 0;
    BarTableLoad load;
    std::string line;
    if (in && std::getline(in, line)) { // the heading line is skipped
        while (!load.linesLeftOut && std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            // The file is text: a NUL byte ends the line, as it ends any C string. Read as a
            // character, NUL bytes would make a row with an empty designation.
            if (std::size_t nul = line.find('\0'); nul != std::string::npos)
                line.erase(nul);
            BARDATA row;
            if (!ParseLine(line, row))
                continue;
            if (rows < kBarTableRows)
                table[rows++] = row;
            else
                load.linesLeftOut = true;
        }
    }
    // A failed load leaves an empty table: every lookup then resolves to zero.
    std::memcpy(g_barTable, table, sizeof table);
    load.loaded = rows > 0;
    if (!load.loaded)
        load.reason = EncodeUtf8(L"有効な行がありません。");
    return load;
}
