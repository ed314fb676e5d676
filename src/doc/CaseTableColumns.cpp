#include "doc/CaseTableColumns.h"

#include "doc/NumberText.h"
#include "doc/OptionExchange.h"
#include "doc/PanelControls.h"
#include "sheet/SheetFormat.h"

#include <cmath>
#include <limits>
#include <utility>

std::wstring CControlTexts::GetText(int id) const {
    auto it = m_texts.find(id);
    return it == m_texts.end() ? std::wstring() : it->second;
}

bool CControlTexts::IsChecked(int id) const {
    auto it = m_checks.find(id);
    return it != m_checks.end() && it->second;
}

namespace {

using CellRule = std::function<CTableCell(const CCaseValues&)>;

CTableCell TextCell(const std::wstring& text) {
    CTableCell cell;
    cell.empty = false;
    cell.text = text;
    return cell;
}

// A value shown as text; the text the panel or the dialog shows is read back for the value.
CTableCell ShownNumberCell(const std::wstring& text) {
    CTableCell cell = TextCell(text);
    if (!ScanDecimal(text, cell.value)) {
        const bool negative = text.find(L'-') != std::wstring::npos;
        cell.value = text.find(L"inf") != std::wstring::npos
                         ? (negative ? -1 : 1) * std::numeric_limits<double>::infinity()
                         : std::numeric_limits<double>::quiet_NaN();
    }
    return cell;
}

// A value with the field format of the sheet row that prints it ("%6.2f", ...), without the
// leading blanks of the field width.
CTableCell SheetNumberCell(const wchar_t* format, double value) {
    std::wstring text = FormatSheetLine(format, value);
    text.erase(0, text.find_first_not_of(L' '));
    CTableCell cell = TextCell(text);
    cell.value = value;
    return cell;
}

CTableCell VerdictCell(bool ok) {
    CTableCell cell = TextCell(VerdictText(ok));
    cell.ok = ok;
    return cell;
}

CColumnDef Column(std::string key, std::wstring header, CellKind kind, bool input, CellRule rule) {
    return {{std::move(key), std::move(header), kind, input}, std::move(rule)};
}

// An input as the panel or the dialog shows it.
CColumnDef PanelText(std::string key, std::wstring header, int id) {
    return Column(std::move(key), std::move(header), CellKind::Text, true,
                  [id](const CCaseValues& v) { return TextCell(v.panel.GetText(id)); });
}
CColumnDef PanelNumber(std::string key, std::wstring header, int id) {
    return Column(std::move(key), std::move(header), CellKind::Number, true,
                  [id](const CCaseValues& v) { return ShownNumberCell(v.panel.GetText(id)); });
}
CColumnDef OptionNumber(std::string key, std::wstring header, int id) {
    return Column(std::move(key), std::move(header), CellKind::Number, true,
                  [id](const CCaseValues& v) { return ShownNumberCell(v.options.GetText(id)); });
}
CColumnDef OptionFlag(std::string key, std::wstring header, int id) {
    return Column(std::move(key), std::move(header), CellKind::Number, true,
                  [id](const CCaseValues& v) {
                      return ShownNumberCell(v.options.IsChecked(id) ? L"1" : L"0");
                  });
}

// A result the sheet prints, when the sheet prints it.
CColumnDef Result(std::string key, std::wstring header, const wchar_t* format,
                  std::function<double(const CCaseValues&)> value,
                  std::function<bool(const CCaseValues&)> printed = nullptr) {
    return Column(std::move(key), std::move(header), CellKind::Number, false,
                  [format, value, printed](const CCaseValues& v) {
                      return printed && !printed(v) ? CTableCell()
                                                    : SheetNumberCell(format, value(v));
                  });
}

// A judgement the sheet prints, when the sheet prints it.
CColumnDef Judgement(std::string key, std::wstring header,
                     std::function<bool(const CCaseValues&)> ok,
                     std::function<bool(const CCaseValues&)> printed = nullptr) {
    return Column(std::move(key), std::move(header), CellKind::Verdict, false,
                  [ok, printed](const CCaseValues& v) {
                      return printed && !printed(v) ? CTableCell() : VerdictCell(ok(v));
                  });
}

CColumnGroup CaseColumns() {
    return {{
        Column("position", L"No.", CellKind::Number, false,
               [](const CCaseValues& v) { return ShownNumberCell(std::to_wstring(v.position)); }),
        Column("title", L"タイトル", CellKind::Text, false,
               [](const CCaseValues& v) { return TextCell(v.c.m_strTitle); }),
        Column("print", L"印刷", CellKind::Number, false,
               [](const CCaseValues& v) { return ShownNumberCell(v.c.m_bPrint ? L"1" : L"0"); }),
    }};
}

CColumnGroup PanelColumns() {
    return {{
        PanelNumber("H1", L"H1(cm)", IDC_H1),
        PanelNumber("H2", L"H2(cm)", IDC_H2),
        PanelNumber("D1", L"D1(cm)", IDC_D1),
        PanelNumber("D2", L"D2(cm)", IDC_D2),
        PanelNumber("alpha", L"αs(°)", IDC_ALPHA),
        PanelNumber("T1", L"T1(cm)", IDC_T1),
        PanelNumber("T2", L"T2(cm)", IDC_T2),
        PanelNumber("T3", L"T3(cm)", IDC_T3),
        PanelNumber("L1", L"L1(cm)", IDC_L1),
        PanelNumber("L2", L"L2(cm)", IDC_L2),
        PanelNumber("Fc", L"Fc(N/mm^2)", IDC_FC),
        PanelNumber("q", L"ｑ(kN/m^2)", IDC_Q),
        PanelNumber("mu", L"μ", IDC_MU),
        // The panel's friction field holds φ only in the φ-entered mode; an entered KA is the
        // KA of the results.
        Column("phi", L"φ(°)", CellKind::Number, true,
               [](const CCaseValues& v) {
                   return v.c.m_bPhiInput == 1 ? ShownNumberCell(v.panel.GetText(IDC_PHI))
                                               : CTableCell();
               }),
        PanelNumber("gammaS", L"γs(kN/m^3)", IDC_GAMMA_S),
        PanelNumber("fe", L"fe(kN/m^2)", IDC_FE),
        PanelText("barWall", L"壁筋", IDC_BAR_WALL),
        PanelNumber("pitchWall", L"壁筋@(mm)", IDC_PITCH_WALL),
        PanelText("barToe", L"L1部分", IDC_BAR_TOE),
        PanelNumber("pitchToe", L"L1部分@(mm)", IDC_PITCH_TOE),
        PanelText("barHeel", L"L2部分", IDC_BAR_HEEL),
        PanelNumber("pitchHeel", L"L2部分@(mm)", IDC_PITCH_HEEL),
    }};
}

CColumnGroup DetailColumns() {
    return {{
        OptionNumber("gammaC", L"γc(kN/m^3)", IDC_GAMMA_C),
        OptionNumber("gammaSFront", L"前面土γs(kN/m^3)", IDC_GAMMA_S_FRONT),
        OptionNumber("qFront", L"前面土ｑ(kN/m^2)", IDC_Q_FRONT),
        OptionNumber("P", L"Ｐ(kN/m)", IDC_LOAD_P),
        OptionNumber("M", L"Ｍ(kN･m/m)", IDC_MOMENT_M),
        OptionNumber("delta", L"δ(°)", IDC_DELTA),
        OptionNumber("deltaW", L"δw(°)", IDC_DELTA_W),
        OptionNumber("thetaW", L"θw(°)", IDC_THETA_W),
        OptionNumber("dtWall", L"壁dt(cm)", IDC_DT_WALL),
        OptionNumber("dtBase", L"基礎dt(cm)", IDC_DT_BASE),
        OptionNumber("FoLimit", L"転倒安全率の判定値", IDC_FS_OVERTURN),
        OptionNumber("FsLimit", L"滑動安全率の判定値", IDC_FS_SLIDING),
        OptionFlag("deltaIsAlpha", L"δ=α", IDC_CHECK_DELTA),
        OptionFlag("deltaWTwoThirdsPhi", L"δw=2/3φ", IDC_CHECK_DELTA_W),
        OptionFlag("thetaWAuto", L"θw=自動計算", IDC_CHECK_THETA_W),
    }};
}

// Section 5) is not printed after an overturning stop, and the heel end's row only while the
// heel end stays in contact.
bool BearingPrinted(const CCaseValues& v) {
    return !v.r.overturnFailure;
}
bool HeelEndPrinted(const CCaseValues& v) {
    return BearingPrinted(v) && v.r.bearing.HeelEndInContact();
}

CColumnGroup StabilityValues() {
    return {{
        Result("KA", L"KA", L"%6.3f", [](const CCaseValues& v) { return v.r.KA; }),
        Result("KAw", L"KAw", L"%6.3f", [](const CCaseValues& v) { return v.r.KAw; }),
        Result("SW", L"ΣW(kN)", L"%6.2f", [](const CCaseValues& v) { return v.r.SW; }),
        Result("Mo", L"Mo(kN･m)", L"%6.2f", [](const CCaseValues& v) { return v.r.Mo; }),
        Result("Mr", L"Mr(kN･m)", L"%6.2f", [](const CCaseValues& v) { return v.r.Mr; }),
        Result("Fo", L"Fo", L"%6.2f", [](const CCaseValues& v) { return v.r.Fo; }),
        Result("Fs", L"Fs", L"%6.2f", [](const CCaseValues& v) { return v.r.Fs; }),
        Result(
            "d", L"d(m)", L"%6.3f", [](const CCaseValues& v) { return v.r.bearing.d; },
            BearingPrinted),
        Result(
            "e", L"e(m)", L"%6.3f", [](const CCaseValues& v) { return v.r.bearing.e; },
            BearingPrinted),
        Result(
            "eB", L"e/B", L"%6.3f", [](const CCaseValues& v) { return std::fabs(v.r.bearing.eB); },
            BearingPrinted),
        Result(
            "qL", L"qL(kN/m^2)", L"%6.1f", [](const CCaseValues& v) { return v.r.bearing.qL; },
            BearingPrinted),
        Result(
            "qR", L"qR(kN/m^2)", L"%6.1f", [](const CCaseValues& v) { return v.r.bearing.qR; },
            HeelEndPrinted),
        Result("qmax", L"qmax(kN/m^2)", L"%6.1f",
               [](const CCaseValues& v) { return v.r.bearing.qmax; }),
    }};
}

// A member: stem (always designed), toe slab (length L1) or heel slab (length L2).
struct MemberOf {
    std::string key;
    std::wstring name;
    const CMemberResult CDesignResult::*member;
    double CRTData::*length; // null for the stem
    const CSeismicMember CSeismicResult::*seismic;
};

const MemberOf kMembers[] = {
    {"wall", L"壁体", &CDesignResult::wall, nullptr, &CSeismicResult::wall},
    {"toe", L"つまさき板", &CDesignResult::toe, &CRTData::m_L1, &CSeismicResult::toe},
    {"heel", L"かかと板", &CDesignResult::heel, &CRTData::m_L2, &CSeismicResult::heel},
};

// The same member in a seismic level.
const CSeismicMember& SeismicMemberOf(const CSeismicResult& s, const MemberOf& m) {
    return s.*m.seismic;
}

std::function<bool(const CCaseValues&)> Designed(const MemberOf& m) {
    if (!m.length)
        return nullptr;
    return [length = m.length](const CCaseValues& v) { return SlabDesigned(v.c.*length); };
}

std::function<bool(const CCaseValues&)> InSummary(const MemberOf& m) {
    if (!m.length)
        return nullptr;
    return [length = m.length](const CCaseValues& v) { return SlabInSummary(v.c.*length); };
}

CColumnGroup MemberValues(const MemberOf& m) {
    using Field = double CMemberResult::*;
    auto value = [member = m.member](Field f) {
        return [member, f](const CCaseValues& v) { return (v.r.*member).*f; };
    };
    const std::wstring n = m.name + L" ";
    return {{
        Result(m.key + "_M", n + L"M(kN･m)", L"%6.2f", value(&CMemberResult::M), Designed(m)),
        Result(m.key + "_Q", n + L"Q(kN)", L"%6.2f", value(&CMemberResult::Q), Designed(m)),
        Result(m.key + "_at", n + L"at(cm^2)", L"%6.2f", value(&CMemberResult::at), Designed(m)),
        Result(m.key + "_at_p", n + L"at'(cm^2)", L"%6.2f", value(&CMemberResult::at_p),
               Designed(m)),
        Result(m.key + "_pt", n + L"pt", L"%8.4f", value(&CMemberResult::pt), Designed(m)),
        Result(m.key + "_Ptb", n + L"Ptb", L"%6.4f", value(&CMemberResult::Ptb), Designed(m)),
        Result(m.key + "_tau", n + L"τ(N/mm^2)", L"%6.2f", value(&CMemberResult::tau), Designed(m)),
        Result(m.key + "_rho", n + L"ρ", L"%6.2f", value(&CMemberResult::rho), InSummary(m)),
    }};
}

CColumnGroup StabilityJudgements() {
    return {{
        Judgement("overturning", L"転倒", [](const CCaseValues& v) { return v.r.overturnOK; }),
        Judgement("sliding", L"滑動", [](const CCaseValues& v) { return v.r.slidingOK; }),
        Judgement(
            "toeBearing", L"左端接地圧", [](const CCaseValues& v) { return v.r.toeBearingOK; },
            BearingPrinted),
        Judgement(
            "heelBearing", L"右端接地圧", [](const CCaseValues& v) { return v.r.heelBearingOK; },
            HeelEndPrinted),
        Judgement("bearing", L"接地圧", [](const CCaseValues& v) { return v.r.bearingOK; }),
    }};
}

CColumnGroup MemberJudgements(const MemberOf& m) {
    auto of = [member = m.member](const CCaseValues& v) -> const CMemberResult& {
        return v.r.*member;
    };
    const std::wstring n = m.name + L" ";
    return {{
        Judgement(
            m.key + "_steel", n + L"鉄筋量", [of](const CCaseValues& v) { return of(v).SteelOK(); },
            Designed(m)),
        Judgement(
            m.key + "_balanced", n + L"釣合鉄筋比",
            [of](const CCaseValues& v) { return of(v).BalancedOK(); }, Designed(m)),
        Judgement(
            m.key + "_shear", n + L"せん断",
            [of](const CCaseValues& v) { return of(v).ShearOK(v.r.fs); }, Designed(m)),
        Judgement(
            m.key + "_ratio", n + L"応力度比",
            [of](const CCaseValues& v) { return of(v).RatioOK(); }, InSummary(m)),
    }};
}

CColumnGroup SeismicInputs() {
    return {{
        OptionNumber("kh1", L"中地震時kh", IDC_KH1),
        OptionNumber("kh2", L"大地震時kh", IDC_KH2),
        OptionNumber("FoLLimit", L"大地震時転倒安全率の判定値", IDC_FO_LARGE),
        OptionNumber("FsLLimit", L"大地震時滑動安全率の判定値", IDC_FS_LARGE),
        OptionNumber("ru", L"極限支持力の倍率", IDC_RU),
    }};
}

// A seismic level: its results and judgements stand only while the level is checked.
struct LevelOf {
    std::string key;
    std::wstring name;
    const CSeismicResult CDesignResult::*level;
    bool large; // the large earthquake judges the stability too
};

const LevelOf kLevels[] = {
    {"moderate", L"中地震時", &CDesignResult::moderate, false},
    {"large", L"大地震時", &CDesignResult::large, true},
};

std::function<bool(const CCaseValues&)> Checked(const LevelOf& l) {
    return [level = l.level](const CCaseValues& v) { return (v.r.*level).checked; };
}

// The member's rows of a level stand when the level is checked and the sheet prints the
// member's block (or, for the stress ratio, its summary row).
std::function<bool(const CCaseValues&)> CheckedAnd(const LevelOf& l,
                                                   std::function<bool(const CCaseValues&)> also) {
    auto checked = Checked(l);
    if (!also)
        return checked;
    return [checked, also](const CCaseValues& v) { return checked(v) && also(v); };
}

CColumnGroup SeismicValues(const LevelOf& l) {
    using Field = double CSeismicResult::*;
    auto value = [level = l.level](Field f) {
        return [level, f](const CCaseValues& v) { return (v.r.*level).*f; };
    };
    const std::string k = l.key + "_";
    const std::wstring n = l.name + L" ";
    std::vector<CColumnDef> columns = {
        Result(k + "KEA", n + L"KEA", L"%6.3f", value(&CSeismicResult::KEA), Checked(l)),
        Result(k + "KEAw", n + L"KEAw", L"%6.3f", value(&CSeismicResult::KEAw), Checked(l)),
        Result(k + "HE", n + L"HE(kN)", L"%6.2f", value(&CSeismicResult::HE), Checked(l)),
        Result(k + "MoE", n + L"MoE(kN･m)", L"%6.2f", value(&CSeismicResult::MoE), Checked(l)),
        Result(k + "MrE", n + L"MrE(kN･m)", L"%6.2f", value(&CSeismicResult::MrE), Checked(l)),
    };
    if (l.large) {
        columns.push_back(
            Result(k + "FoE", n + L"Fo", L"%6.2f", value(&CSeismicResult::FoE), Checked(l)));
        columns.push_back(
            Result(k + "FsE", n + L"Fs", L"%6.2f", value(&CSeismicResult::FsE), Checked(l)));
    }
    columns.push_back(Result(
        k + "qmax", n + L"qmax(kN/m^2)", L"%6.1f",
        [level = l.level](const CCaseValues& v) { return (v.r.*level).bearing.qmax; }, Checked(l)));
    for (const MemberOf& m : kMembers) {
        auto rho = [level = l.level, m](const CCaseValues& v) {
            return SeismicMemberOf(v.r.*level, m).m.rho;
        };
        columns.push_back(Result(k + m.key + "_rho", n + m.name + L" ρ", L"%6.2f", rho,
                                 CheckedAnd(l, InSummary(m))));
    }
    return {columns};
}

CColumnGroup SeismicJudgements(const LevelOf& l) {
    const std::string k = l.key + "_";
    const std::wstring n = l.name + L" ";
    const auto level = l.level;
    std::vector<CColumnDef> columns;
    if (l.large) {
        columns.push_back(Judgement(
            k + "overturning", n + L"転倒",
            [level](const CCaseValues& v) { return (v.r.*level).overturnOK; }, Checked(l)));
        columns.push_back(Judgement(
            k + "sliding", n + L"滑動",
            [level](const CCaseValues& v) { return (v.r.*level).slidingOK; }, Checked(l)));
        columns.push_back(Judgement(
            k + "bearing", n + L"接地圧",
            [level](const CCaseValues& v) { return (v.r.*level).bearingOK; }, Checked(l)));
    }
    for (const MemberOf& m : kMembers) {
        auto of = [level, m](const CCaseValues& v) -> const CSeismicMember& {
            return SeismicMemberOf(v.r.*level, m);
        };
        const std::string mk = k + m.key;
        const std::wstring mn = n + m.name + L" ";
        columns.push_back(Judgement(
            mk + "_steel", mn + L"鉄筋量", [of](const CCaseValues& v) { return of(v).SteelOK(); },
            CheckedAnd(l, Designed(m))));
        columns.push_back(Judgement(
            mk + "_balanced", mn + L"釣合鉄筋比",
            [of](const CCaseValues& v) { return of(v).BalancedOK(); }, CheckedAnd(l, Designed(m))));
        columns.push_back(Judgement(
            mk + "_shear", mn + L"せん断",
            [of, level](const CCaseValues& v) { return of(v).ShearOK((v.r.*level).fs); },
            CheckedAnd(l, Designed(m))));
        columns.push_back(Judgement(
            mk + "_ratio", mn + L"応力度比", [of](const CCaseValues& v) { return of(v).RatioOK(); },
            CheckedAnd(l, InSummary(m))));
    }
    return {columns};
}

std::vector<CColumnGroup> AllGroups() {
    std::vector<CColumnGroup> groups = {CaseColumns(), PanelColumns(), DetailColumns(),
                                        SeismicInputs(), StabilityValues()};
    for (const MemberOf& m : kMembers)
        groups.push_back(MemberValues(m));
    for (const LevelOf& l : kLevels)
        groups.push_back(SeismicValues(l));
    groups.push_back(StabilityJudgements());
    for (const MemberOf& m : kMembers)
        groups.push_back(MemberJudgements(m));
    for (const LevelOf& l : kLevels)
        groups.push_back(SeismicJudgements(l));
    return groups;
}

} // namespace

const std::vector<CColumnGroup>& CaseTableGroups() {
    static const std::vector<CColumnGroup> groups = AllGroups();
    return groups;
}
