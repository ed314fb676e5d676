#include "model/RTData.h"
#include "model/WideSpace.h"

namespace {

// One rule of the input check: the condition under which the entered values are wrong, and
// the message line reported for it. Comparisons are plain floating-point comparisons, so a
// NaN never trips a rule.
struct ValidationRule {
    bool (*fails)(const CRTData&);
    const wchar_t* message;
};

const ValidationRule kRules[] = {
    {[](const CRTData& c) { return c.m_H1 <= 0; }, L"擁壁高さが０以下である\n"},
    {[](const CRTData& c) { return c.m_H2 <= 0 || c.m_H2 < c.m_D2; },
     L"根入れ深さ(H2)に誤りがある。\n"},
    {[](const CRTData& c) { return c.m_D1 <= 0 || c.m_D2 <= 0 || c.m_D1 > c.m_D2; },
     L"底板厚さに誤りがある。\n"},
    {[](const CRTData& c) { return c.m_T1 <= 0 || c.m_T2 <= 0 || c.m_T1 > c.m_T2; },
     L"壁板厚さに誤りがある。\n"},
    {[](const CRTData& c) { return c.m_L1 <= 0 && c.m_L2 <= 0; }, L"底板長さに誤りがある。\n"},
    {[](const CRTData& c) { return c.m_Fc <= 0; }, L"コンクリート強度に誤りがある。\n"},
    {[](const CRTData& c) { return c.m_mu <= 0 || c.m_mu > 1.0; }, L"底面摩擦係数に誤りがある。\n"},
    {[](const CRTData& c) { return c.m_gammaS <= 0; }, L"裏込め土の単位重量に誤りがある。\n"},
    {[](const CRTData& c) { return c.m_fe <= 0; }, L"地耐力に誤りがある。\n"},
    {[](const CRTData& c) {
         return c.m_nPitch[SLOT_WALL] <= 0 || c.m_nPitch[SLOT_TOE] <= 0 ||
                c.m_nPitch[SLOT_HEEL] <= 0;
     },
     L"鉄筋間隔に誤りがある。\n"},
    {[](const CRTData& c) { return c.m_alpha < 0 || c.m_alpha > c.m_phi; },
     L"法面勾配(α)に誤りがある。\n"},
};

// Removes leading, then trailing white space.
void Trim(std::wstring& s) {
    std::size_t first = 0;
    while (first < s.size() && IsWideSpace(s[first]))
        ++first;
    s.erase(0, first);
    std::size_t end = s.size();
    while (end > 0 && IsWideSpace(s[end - 1]))
        --end;
    s.erase(end);
}

} // namespace

std::wstring CRTData::Validate() {
    std::wstring messages;
    for (const ValidationRule& rule : kRules) {
        if (rule.fails(*this))
            messages += rule.message;
    }
    // The bar lookups compare designations character by character: blanks typed around a
    // designation are dropped whether or not the values above passed.
    for (std::wstring& bar : m_strBar)
        Trim(bar);
    return messages;
}
