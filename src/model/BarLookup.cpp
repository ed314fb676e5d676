// Resolution of a slot's bar designation ("D13" or the alternating pair "D10+D13")
// against the bar table.
#include "model/BarTable.h"
#include "model/RTData.h"

#include <string_view>

namespace {

// True when a part of a designation is the row's name (at most three characters).
bool IsRowName(std::wstring_view part, const wchar_t (&name)[4]) {
    std::size_t length = 0;
    while (length < 3 && name[length] != L'\0')
        ++length;
    if (part.size() != length)
        return false;
    // Three characters at most: compared in place, without a call of the library.
    for (std::size_t i = 0; i < length; ++i)
        if (part[i] != name[i])
            return false;
    return true;
}

// Row visitor: called for every match with the row and whether it matched the first part.
// Returns true when the designation resolved (as many matches as it has parts).
template <typename OnMatch> bool ScanBarTable(const std::wstring& s, OnMatch onMatch) {
    const size_t n = s.size();
    const int parts = n == 7 ? 2 : 1;
    const std::wstring_view first = std::wstring_view(s).substr(0, 3);
    const bool hasSecond = n >= 6;
    const std::wstring_view second = hasSecond ? std::wstring_view(s).substr(4, 3) : first;
    int matches = 0;
    for (const BARDATA& row : g_barTable) {
        if (row.nData[0] == 0)
            break;
        if (IsRowName(first, row.szName)) {
            ++matches;
            onMatch(row, true);
        }
        if (hasSecond && IsRowName(second, row.szName)) {
            ++matches;
            onMatch(row, false);
        }
        if (matches >= parts)
            return true;
    }
    return false;
}

int PartCount(const std::wstring& s) {
    return s.size() == 7 ? 2 : 1;
}

} // namespace

// The area is the mean of the parts' areas. The first part sets the stress; the second part
// lowers it only when its stress is not higher, so a pair written small-before-large yields
// the lower of the two stresses. Both come from one scan of the table.
CBarValues CRTData::GetBarValues(int slot, int entry) const {
    const std::wstring& s = m_strBar[slot];
    double sum = 0.0;
    double ft = 0.0;
    bool resolved = ScanBarTable(s, [&](const BARDATA& row, bool isFirst) {
        sum += row.nData[0] * 0.01;
        double x = row.nData[entry] * 0.1;
        if (isFirst || x <= ft)
            ft = x;
    });
    return resolved ? CBarValues{sum / PartCount(s), ft} : CBarValues{};
}

double CRTData::GetBarArea(int slot) const {
    return GetBarValues(slot, BAR_LONG_TERM).area;
}

double CRTData::GetBarAllowableStress(int slot) const {
    return GetBarStress(slot, BAR_LONG_TERM);
}

double CRTData::GetBarStress(int slot, int entry) const {
    return GetBarValues(slot, entry).stress;
}

// The grade belongs to the bar whose stress GetBarAllowableStress returns; on equal
// stresses it is the first part's grade.
std::wstring CRTData::GetBarGradeLabel(int slot) const {
    int firstStress = 0;
    std::wstring label;
    bool resolved = ScanBarTable(m_strBar[slot], [&](const BARDATA& row, bool isFirst) {
        if (isFirst) {
            firstStress = row.nData[2];
            label = row.szGrade;
        } else if (firstStress > row.nData[2]) {
            label = row.szGrade;
        }
    });
    return resolved ? label : std::wstring();
}
