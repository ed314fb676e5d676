#include "doc/PanelExchange.h"

#include "doc/NumberText.h"
#include "doc/PanelControls.h"
#include "model/Units.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

const wchar_t kDefaultTitle[] = L"新規擁壁設計";
const wchar_t kPhiLabel[] = L"内部摩擦角(φ)";
const wchar_t kKALabel[] = L"土圧係数(KA)";

// Lengths: shown in centimetres as "%g".
struct LengthField {
    int id;
    double CRTData::*value;
};
const LengthField kLengths[] = {
    {IDC_H1, &CRTData::m_H1}, {IDC_H2, &CRTData::m_H2}, {IDC_D1, &CRTData::m_D1},
    {IDC_D2, &CRTData::m_D2}, {IDC_T1, &CRTData::m_T1}, {IDC_T2, &CRTData::m_T2},
    {IDC_T3, &CRTData::m_T3}, {IDC_L1, &CRTData::m_L1}, {IDC_L2, &CRTData::m_L2},
};

// Calculation conditions: shown as they are held, with a fixed number of decimals.
struct ConditionField {
    int id;
    double CRTData::*value;
    int decimals;
};
const ConditionField kConditions[] = {
    {IDC_FC, &CRTData::m_Fc, 1},          {IDC_Q, &CRTData::m_q, 1},   {IDC_MU, &CRTData::m_mu, 2},
    {IDC_GAMMA_S, &CRTData::m_gammaS, 1}, {IDC_FE, &CRTData::m_fe, 0},
};

// Designation and pitch of the stem, toe and heel bars (slots 0 to 2).
struct BarField {
    int bar;
    int pitch;
};
const BarField kBars[] = {
    {IDC_BAR_WALL, IDC_PITCH_WALL},
    {IDC_BAR_TOE, IDC_PITCH_TOE},
    {IDC_BAR_HEEL, IDC_PITCH_HEEL},
};

// A fresh panel shows φ with one decimal and KA with two; a stored case shows one more each.
void Fill(IDialogControls& panel, const CRTData& rt, const std::wstring& title, int phiDecimals,
          int kaDecimals) {
    panel.SetText(IDC_TITLE, title);
    for (const LengthField& f : kLengths)
        panel.SetText(f.id, FormatGeneral(rt.*f.value * 100, 6));
    panel.SetText(IDC_ALPHA, FormatFixed(RadToDeg(rt.m_alpha), 2));
    for (const ConditionField& f : kConditions)
        panel.SetText(f.id, FormatFixed(rt.*f.value, f.decimals));
    bool phiInput = rt.m_bPhiInput == 1;
    panel.SetCheck(IDC_PHI_CHECK, phiInput);
    panel.SetText(IDC_PHI_LABEL, phiInput ? kPhiLabel : kKALabel);
    panel.SetText(IDC_PHI, phiInput ? FormatFixed(RadToDeg(rt.m_phi), phiDecimals)
                                    : FormatFixed(rt.m_KA, kaDecimals));
    for (int slot = 0; slot < 3; ++slot) {
        panel.SetText(kBars[slot].bar, rt.m_strBar[slot]);
        panel.SetText(kBars[slot].pitch, std::to_wstring(rt.m_nPitch[slot]));
    }
}

double Number(const IDialogControls& panel, int id) {
    return ReadNumber(panel.GetText(id));
}

} // namespace

void FillPanelDefaults(IDialogControls& panel) {
    Fill(panel, CRTData(), kDefaultTitle, 1, 2);
}

void FillPanel(IDialogControls& panel, const CRTData& rt) {
    Fill(panel, rt, rt.m_strTitle, 2, 3);
}

void ReadPanel(const IDialogControls& panel, CRTData& rt) {
    rt.SetTitle(panel.GetText(IDC_TITLE));
    for (const LengthField& f : kLengths)
        rt.*f.value = Number(panel, f.id) / 100;
    rt.m_alpha = DegToRad(Number(panel, IDC_ALPHA));
    for (const ConditionField& f : kConditions)
        rt.*f.value = Number(panel, f.id);
    if (panel.IsChecked(IDC_PHI_CHECK)) {
        rt.m_bPhiInput = 1;
        rt.m_phi = DegToRad(Number(panel, IDC_PHI));
    } else {
        rt.m_bPhiInput = 0;
        rt.m_KA = Number(panel, IDC_PHI);
    }
    for (int slot = 0; slot < 3; ++slot) {
        rt.m_strBar[slot] = panel.GetText(kBars[slot].bar);
        rt.m_nPitch[slot] = ReadInteger(panel.GetText(kBars[slot].pitch));
    }
}

void ConvertPhiField(IDialogControls& panel) {
    // The field still holds the quantity of the state before the click.
    double v = Number(panel, IDC_PHI);
    if (panel.IsChecked(IDC_PHI_CHECK)) {
        // KA to φ = 2 (45° - atan √KA). KA has no meaning below 0; a negative coefficient is
        // taken as 0, the value a field without a number gives, so the field shows 90.0.
        v = std::max(v, 0.0);
        panel.SetText(IDC_PHI_LABEL, kPhiLabel);
        panel.SetText(IDC_PHI,
                      FormatFixed((45 - std::atan(std::sqrt(v)) * 57.295779513082195) * 2, 1));
    } else {
        // φ to KA = tan²(45° - φ/2).
        double t = std::tan((45 - v * 0.5) * 0.017453292519943334);
        panel.SetText(IDC_PHI_LABEL, kKALabel);
        panel.SetText(IDC_PHI, FormatFixed(t * t, 3));
    }
}
