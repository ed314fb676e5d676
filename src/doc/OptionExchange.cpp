#include "doc/OptionExchange.h"

#include "doc/NumberText.h"

#include <string>

namespace {

const wchar_t kNotANumber[] = L"数字を入力してください。";
const wchar_t kOutOfRange[] = L"%1 から %2 までの数字を入力してください。";

constexpr int kShownDigits = 15;

struct NumberField {
    int id;
    double COptionValues::*value;
};

struct RangeRule {
    int id;
    double COptionValues::*value;
    double low;
    double high;
};

struct CheckField {
    int id;
    int COptionValues::*flag;
};

// The exchange runs in this order: three numbers, the ranges of the two unit weights, the
// other numbers, the boxes, the ranges of the two safety factors.
const NumberField kFirstNumbers[] = {
    {IDC_GAMMA_C, &COptionValues::m_gammaC},
    {IDC_GAMMA_S_FRONT, &COptionValues::m_gammaSFront},
    {IDC_Q_FRONT, &COptionValues::m_qFront},
};
const RangeRule kUnitWeightRanges[] = {
    {IDC_GAMMA_C, &COptionValues::m_gammaC, 0, 999},
    {IDC_GAMMA_S_FRONT, &COptionValues::m_gammaSFront, 0, 999},
};
const NumberField kOtherNumbers[] = {
    {IDC_MOMENT_M, &COptionValues::m_M},
    {IDC_LOAD_P, &COptionValues::m_P},
    {IDC_DELTA, &COptionValues::m_delta},
    {IDC_DELTA_W, &COptionValues::m_deltaW},
    {IDC_THETA_W, &COptionValues::m_thetaW},
    {IDC_DT_WALL, &COptionValues::m_dtWall},
    {IDC_DT_BASE, &COptionValues::m_dtBase},
    {IDC_FS_OVERTURN, &COptionValues::m_FsOverturnLimit},
    {IDC_FS_SLIDING, &COptionValues::m_FsSlidingLimit},
};
const CheckField kChecks[] = {
    {IDC_CHECK_DELTA, &COptionValues::m_bDeltaIsAlpha},
    {IDC_CHECK_DELTA_W, &COptionValues::m_bDeltaWTwoThirdsPhi},
    {IDC_CHECK_THETA_W, &COptionValues::m_bThetaWAuto},
};
const RangeRule kSafetyRanges[] = {
    {IDC_FS_OVERTURN, &COptionValues::m_FsOverturnLimit, 1, 5},
    {IDC_FS_SLIDING, &COptionValues::m_FsSlidingLimit, 1, 5},
};
// The seismic group follows: its numbers, then its ranges.
const NumberField kSeismicNumbers[] = {
    {IDC_KH1, &COptionValues::m_kh1},      {IDC_KH2, &COptionValues::m_kh2},
    {IDC_FO_LARGE, &COptionValues::m_FoL}, {IDC_FS_LARGE, &COptionValues::m_FsL},
    {IDC_RU, &COptionValues::m_ru},
};
const RangeRule kSeismicRanges[] = {
    {IDC_KH1, &COptionValues::m_kh1, 0, 1},      {IDC_KH2, &COptionValues::m_kh2, 0, 1},
    {IDC_FO_LARGE, &COptionValues::m_FoL, 1, 5}, {IDC_FS_LARGE, &COptionValues::m_FsL, 1, 5},
    {IDC_RU, &COptionValues::m_ru, 1, 10},
};

void Replace(std::wstring& text, const std::wstring& marker, const std::wstring& by) {
    std::wstring::size_type pos = text.find(marker);
    if (pos != std::wstring::npos)
        text.replace(pos, marker.size(), by);
}

// Reads and checks the fields into values; every step that fails reports itself.
class CExchange {
public:
    CExchange(const IDialogControls& controls, COptionValues& values, IMessageSink& messages)
        : m_controls(controls), m_values(values), m_messages(messages) {}

    template <size_t N> bool Numbers(const NumberField (&fields)[N]) {
        for (const NumberField& f : fields) {
            if (!ScanDecimal(m_controls.GetText(f.id), m_values.*f.value))
                return Fail(f.id, kNotANumber);
        }
        return true;
    }

    // Bounds are inclusive; a value that compares with neither bound fails too.
    template <size_t N> bool Ranges(const RangeRule (&rules)[N]) {
        for (const RangeRule& r : rules) {
            double v = m_values.*r.value;
            if (!(v >= r.low && v <= r.high)) {
                std::wstring text = kOutOfRange;
                Replace(text, L"%1", FormatGeneral(r.low, kShownDigits));
                Replace(text, L"%2", FormatGeneral(r.high, kShownDigits));
                return Fail(r.id, text);
            }
        }
        return true;
    }

    void Checks() {
        for (const CheckField& c : kChecks)
            m_values.*c.flag = m_controls.IsChecked(c.id) ? 1 : 0;
    }

    int FailedControl() const { return m_failed; }

private:
    bool Fail(int id, const std::wstring& text) {
        ShowWarning(m_messages, text);
        m_failed = id;
        return false;
    }

    const IDialogControls& m_controls;
    COptionValues& m_values;
    IMessageSink& m_messages;
    int m_failed = 0;
};

template <size_t N>
void ShowNumbers(const NumberField (&fields)[N], const COptionValues& values,
                 IDialogControls& controls) {
    for (const NumberField& f : fields)
        controls.SetText(f.id, FormatGeneral(values.*f.value, kShownDigits));
}

} // namespace

void ShowOptionValues(const COptionValues& values, IDialogControls& controls) {
    ShowNumbers(kFirstNumbers, values, controls);
    ShowNumbers(kOtherNumbers, values, controls);
    ShowNumbers(kSeismicNumbers, values, controls);
    for (const CheckField& c : kChecks)
        controls.SetCheck(c.id, values.*c.flag != 0);
}

bool ReadOptionValues(const IDialogControls& controls, COptionValues& values,
                      IMessageSink& messages, int& failedControl) {
    COptionValues read = values;
    CExchange exchange(controls, read, messages);
    bool ok = exchange.Numbers(kFirstNumbers) && exchange.Ranges(kUnitWeightRanges) &&
              exchange.Numbers(kOtherNumbers);
    if (ok) {
        exchange.Checks();
        ok = exchange.Ranges(kSafetyRanges) && exchange.Numbers(kSeismicNumbers) &&
             exchange.Ranges(kSeismicRanges);
    }
    if (!ok) {
        failedControl = exchange.FailedControl();
        return false;
    }
    values = read;
    return true;
}
