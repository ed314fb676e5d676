// The calculation sheet of one wall case: title, wall figure and input data, the stability
// calculation (earth pressure, weights, overturning, sliding, bearing pressure), then the
// design of stem, toe slab and heel slab, the bearing-pressure figure and the summary of the
// judgements. One routine serves the screen, both printed pages and the clipboard text.
#include "DesignResult.h"
#include "RTData.h"
#include "SheetFormat.h"
#include "Surface.h"
#include "Units.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr wchar_t kConcrete[] = L"コンクリート";
constexpr wchar_t kFc[] = L"　設計基準強度　Ｆc＝%6.1f(N/mm^2)";
constexpr wchar_t kFcAllowable[] = L"　　　　　　　　ｆc＝%6.1f(N/mm^2)";
constexpr wchar_t kGammaC[] = L"　単位体積重量　γc＝%6.1f(kN/m^3)";
constexpr wchar_t kSoil[] = L"土質定数";
constexpr wchar_t kGammaS[] = L"　単位体積重量　γs＝%6.1f(kN/m^3)";
constexpr wchar_t kPhi[] = L"　内部摩擦角　　φ ＝%6.1f(°)";
constexpr wchar_t kDelta[] = L"　壁面摩擦角　　δ ＝%6.3f(°)安定計算";
constexpr wchar_t kDeltaW[] = L"　　　　　　　　δw＝%6.3f(°)壁設計用";
constexpr wchar_t kMu[] = L"　底面摩擦係数　μ  ＝%6.2f";
constexpr wchar_t kLoads[] = L"荷　　重";
constexpr wchar_t kSurcharge[] = L"　地表面載荷重　ｑ ＝%6.2f(kN/m^2)";
constexpr wchar_t kTopLoad[] = L"　頂部分布荷重　Ｐ ＝%6.2f(kN/m)";
constexpr wchar_t kTopMoment[] = L"　頂部曲げ荷重　Ｍ ＝%6.2f(kN･m/m)";
constexpr wchar_t kEarthPressureHead[] = L"1) 土圧の算定";
constexpr wchar_t kKA[] = L"　　安定計算用土圧係数　　　：KA＝%6.3f";
constexpr wchar_t kPhiDelta[] =
    L"　　内部摩擦角　　　　　　　：φ＝%6.2f°　　壁背面と土との壁面摩擦角：δ＝%6.2f°";
constexpr wchar_t kAlphaTheta[] =
    L"　　地表面と水平面のなす角度：α＝%6.2f°　　仮想背面と鉛直面との角度：θ＝%6.2f°";
constexpr wchar_t kPA[] = L"　　主働土圧　　PA ＝%6.3f×%6.1f×%6.3f^2／2　              ＝%6.2f(kN)";
constexpr wchar_t kPh[] =
    L"　　　　　　　　Ph ＝%6.2f×cos(%6.2f)　　　                  ＝%6.2f(kN)";
constexpr wchar_t kPv[] =
    L"　　　　　　　　Pv ＝%6.2f×sin(%6.2f)　　　                  ＝%6.2f(kN)";
constexpr wchar_t kDPA[] = L"　　地表面載荷ΔPA ＝%6.3f×%6.1f×%6.3f　　                 ＝%6.2f(kN)";
constexpr wchar_t kDPh[] =
    L"　　　　　　　ΔPh ＝%6.2f×cos(%6.2f)　　　                  ＝%6.2f(kN)";
constexpr wchar_t kDPv[] =
    L"　　　　　　　ΔPv ＝%6.2f×sin(%6.2f)　　　                  ＝%6.2f(kN)";
constexpr wchar_t kWeightHead[] = L"2) 擁壁重量の算定";
constexpr wchar_t kW1[] = L"　　壁板部分　　W1 ＝%6.1f× %6.3f×%6.3f ＋%6.2f　         ＝%6.2f(kN)";
constexpr wchar_t kW2[] = L"　　基礎部分　　W2 ＝%6.1f×(%6.3f×%6.3f ＋%6.3f×%6.3f)  ＝%6.2f(kN)";
constexpr wchar_t kW3[] = L"　　背 面 土　　W3 ＝%6.1f×(%6.3f＋%6.3f)＋%6.2f×%6.3f   ＝%6.2f(kN)";
constexpr wchar_t kW4[] = L"　　前 面 土　　W4 ＝%6.1f×(%6.3f＋%6.3f)＋%6.2f×%6.3f   ＝%6.2f(kN)";
constexpr wchar_t kW5[] =
    L"　　土　　圧　　W5 ＝%6.2f＋ %6.2f　　　                      ＝%6.2f(kN)";
constexpr wchar_t kSumW[] =
    L"　　　　　　　 ΣW ＝%6.2f＋ %6.2f＋%6.2f ＋%6.2f＋%6.2f   ＝%6.2f(kN)";
constexpr wchar_t kOverturnHead[] = L"3) 転倒の検討";
constexpr wchar_t kMo[] = L"　　転倒ﾓｰﾒﾝﾄ　 Mo ＝%6.2f×%6.3f/3＋%6.2f×%6.3f/2＋%6.2f ＝%6.2f(kN･m)";
constexpr wchar_t kMr[] = L"　　抵抗ﾓｰﾒﾝﾄ　 Mr ＝%6.2f×%6.3f＋%6.2f×%6.3f＋%6.2f×%6.3f";
constexpr wchar_t kMrCont[] =
    L"　　　　     　    　     ＋%6.2f×%6.3f＋%6.2f×%6.3f      ＝%6.2f(kN･m)";
constexpr wchar_t kFo[] =
    L"　　転倒安全率　F  ＝%6.2f ／%6.2f　                ＝%6.2f  %s %3.1f(安全率)   %s";
constexpr wchar_t kSlidingHead[] = L"4) 滑動の検討";
constexpr wchar_t kRH[] =
    L"　　摩擦抵抗力　RH ＝%6.2f ×%6.3f　                          ＝%6.2f(kN)";
constexpr wchar_t kSumP[] =
    L"　　全水平力　 ΣP ＝%6.2f ＋%6.2f　                          ＝%6.2f(kN)";
constexpr wchar_t kFs[] =
    L"　　滑動安全率　F  ＝%6.2f ／%6.2f                  ＝%6.2f  %s %3.1f(安全率)   %s";
constexpr wchar_t kOverturnStop[] = L"転倒安全率が 1.0 未満である";
constexpr wchar_t kBearingHead[] = L"5) 接地圧の検討";
constexpr wchar_t kResultant[] =
    L"　　合力作用位置 d ＝(%6.2f－%6.2f)／%6.2f　　               ＝ %6.3f(m)";
constexpr wchar_t kMeanPressure[] =
    L"　　平均接地圧　 q ＝%6.2f／%6.3f　　　                       ＝%6.1f(kN/m^2)";
constexpr wchar_t kEccentricity[] =
    L"　　偏心　距離　 e ＝%6.3f／2－%6.3f　　                      ＝ %6.3f(m)";
constexpr wchar_t kEccentricityRatio[] =
    L"　　偏　心　率　e/B＝｜%6.3f／%6.3f｜　                       ＝ %6.3f";
constexpr wchar_t kXnMiddleThird[] =
    L"　　中　立　軸　Xn ＝%6.3f/ 2 ×{1.0＋1／(6×%6.3f)}          ＝%6.2f(m)";
constexpr wchar_t kXnOutside[] =
    L"　　中　立　軸　Xn ＝3×(%6.3f／2－%6.3f)　                   ＝%6.2f(m)";
constexpr wchar_t kQL[] =
    L"　　左端接地圧　qL ＝%6.1f×%6.3f　            ＝%6.1f %s fe ＝%6.1f(kN/m^2) %2s";
constexpr wchar_t kQR[] =
    L"　　右端接地圧　qR ＝%6.1f×%6.3f　            ＝%6.1f %s fe ＝%6.1f(kN/m^2) %2s";
constexpr wchar_t kSectionHead[] = L"6) 断面の設計";
constexpr wchar_t kKAw[] = L"　　壁背面主動土圧係数　　　：KA＝%6.3f";
constexpr wchar_t kPhiDeltaW[] =
    L"　　内部摩擦角　　　　　　　：φ＝%6.3f°　　壁背面と土との壁面摩擦角：δ＝%6.3f°";
constexpr wchar_t kAlphaThetaW[] =
    L"　　地表面と水平面のなす角度：α＝%6.3f°　　壁背面と鉛直面のなす角度：θ＝%6.3f°";
constexpr wchar_t kStemHead[] = L"　 壁体部分";
constexpr wchar_t kBars[] = L"　　配　　筋　　%7s-@%-4i(%5s)  ft ＝%6.1f(kN/cm^2)";
constexpr wchar_t kDimensions[] =
    L"　　断面寸法　　D  ＝%6.2f(cm)   d　＝%6.2f(cm)　 j　＝%6.2f(cm)";
constexpr wchar_t kP1[] = L"　　土圧荷重　　P1 ＝%6.3f×%6.2f×%6.3f^2／2×cos(%6.3f)   ＝%6.2f(kN)";
constexpr wchar_t kP2[] = L"　　　　　　　　P2 ＝%6.3f×%6.2f×%6.3f×cos(%6.3f)　      ＝%6.2f(kN)";
constexpr wchar_t kStemMoment[] =
    L"　　壁脚曲げ　　M  ＝%6.2f×(%6.2f/3＋%6.2f/2)＋%6.3f　     ＝%6.2f(kN･m)";
constexpr wchar_t kStemShear[] =
    L"　　せん断力　　Q  ＝%6.2f＋%6.2f　　　                       ＝%6.2f(kN)";
constexpr wchar_t kSteel[] =
    L"　　必要鉄筋量　at ＝%6.2f／%6.1f／%6.3f   ＝%6.2f  %2s  at ＝%6.2f(cm^2)   %2s";
constexpr wchar_t kBalancedFormula[] =
    L"　  釣合鉄筋比　Ptb＝0.5／(1＋ft/n･fc)･{ft/fc×(1＋γ･dc/d)－n･γ(1－dc/d)}";
constexpr wchar_t kStemBalanced[] =
    L"　  　　　　　　   ＝%6.4f [n ＝ %2.0f，γ ＝ %2.1f ]       %2s  pt ＝%8.4f       %2s";
constexpr wchar_t kShearStress[] =
    L"　  せん断応力　τ ＝%6.2f／%6.1f　         ＝%6.2f  %2s  fs ＝%6.2f(N/mm^2) %2s";
constexpr wchar_t kToeHead[] = L"　 つまさき板 [ L1＝%4.2fm] 部分";
constexpr wchar_t kHeelHead[] = L"　 かかと板 [ L2＝%4.2fm] 部分";
constexpr wchar_t kSlabMomentTrapezoid[] = L"　　曲げﾓｰﾒﾝﾄ　 M  ＝(2×%6.2f＋%6.2f)×%6.3f^2／6";
constexpr wchar_t kMomentTriangleAtFreeEnd[] =
    L"　　曲げﾓｰﾒﾝﾄ　 M  ＝%6.2f×%6.3f×(%6.3f－%6.3f／3)／2";
constexpr wchar_t kMomentTriangleAtStem[] = L"　　曲げﾓｰﾒﾝﾄ　 M  ＝%6.2f×%6.3f^2／6";
constexpr wchar_t kSlabMomentLoads[] =
    L"　　　　　　　        －%6.2f×%6.3f－%6.2f×%6.3f          ＝%6.2f(kN･m)";
constexpr wchar_t kSlabShearTrapezoid[] = L"　　せん断力　　Q  ＝(%6.2f＋%6.2f)×%6.3f／2";
constexpr wchar_t kSlabShearTriangle[] = L"　　せん断力　　Q  ＝%6.2f×%6.3f／2";
constexpr wchar_t kSlabShearLoads[] =
    L"　　　　　　　        －%6.2f－%6.2f　      　                ＝%6.2f(kN)";
constexpr wchar_t kSlabBalanced[] =
    L"　  釣合鉄筋比　Ptb＝%6.4f [n ＝ %2.0f，γ ＝ %2.1f ]       %2s  pt ＝%8.4f       %2s";
constexpr wchar_t kPressureCaption[] = L"   　接地圧 (kN/m^2)";
constexpr wchar_t kSummaryOverturn[] = L"転倒の検討 　安全率　：%6.2f %s %3.1f %s";
constexpr wchar_t kSummarySliding[] = L"滑動の検討 　安全率　：%6.2f %s %3.1f %s";
constexpr wchar_t kSummaryBearing[] = L"接地圧の検討 接地圧　：%6.1f %s%4.0f %s";
constexpr wchar_t kSummaryStem[] = L"壁筋の検討　 応力度比：%6.2f %s";
constexpr wchar_t kSummarySlab[] = L"底板の検討　 応力度比：%6.2f %s";
constexpr wchar_t kSignGreaterEqual[] = L"≧";
constexpr wchar_t kSignLess[] = L"＜";
constexpr wchar_t kSignGreater[] = L"＞";
constexpr wchar_t kSignLessEqual[] = L"≦";
constexpr wchar_t kOK[] = L"OK";
constexpr wchar_t kNG[] = L"NG";
constexpr wchar_t kRatioOK[] = L"≦ 1.0 OK";
constexpr wchar_t kRatioNG[] = L"＞ 1.0 NG";

const wchar_t* Verdict(bool ok) {
    return ok ? kOK : kNG;
}

// Sheet positions are summed in 64 bits and clamped on the way to the surface, so that an
// absurd font size read from a file cannot overflow the coordinates. The limit leaves the
// figures room to add their margins to a box edge and to take midpoints.
constexpr long long kDeviceLimit = 1LL << 28;

int ToDevice(long long v) {
    return static_cast<int>(std::clamp(v, -kDeviceLimit, kDeviceLimit));
}

// Layout quantities in device units. Without a surface only the order of the lines matters.
struct SheetLayout {
    long long fh; // font height
    long long LP; // line pitch, 1.2 fh truncated
    long long Wb; // figure box width (230 pt)
    long long Hb; // figure box height (220 pt)
    long long U;  // figure unit (15 pt)
    long long x0;
    long long y0;
    int labelHeight; // font height of the figure labels, two thirds of fh
};

// Writes the rows of the sheet top to bottom: each row stands a given advance below the
// previous printed row of its column.
class SheetComposer {
public:
    SheetComposer(CRTData& c, const CDesignResult& r, ISheetSurface* surface,
                  const SheetLayout& lay)
        : c(c), r(r), m_surface(surface), lay(lay), m_phiInput(c.m_bPhiInput == 1) {}

    // Title, wall figure, input data and sections 1) to 5). Returns false when the
    // overturning safety factor is below 1.0: the sheet ends with that message.
    bool StabilityPart();
    // Section 6), the bearing-pressure figure and the summary, starting at y = top.
    void SectionDesignPart(long long top);
    // Position of the last row, printed or left empty.
    long long Y() const { return m_y; }

private:
    void MoveTo(long long x, long long y) {
        m_x = x;
        m_y = y;
    }
    void Text(long long advance, const std::wstring& text) {
        m_y += advance;
        c.OutputLine(m_surface, ToDevice(m_x), ToDevice(m_y), text, 0);
    }
    template <typename... Args>
    void Line(long long advance, const wchar_t* format, const Args&... args) {
        FormatSheetLineInto(m_line, format, args...);
        Text(advance, m_line);
    }

    void InputData();
    void EarthPressure();
    void Weights();
    void Overturning();
    void Sliding();
    void BearingPressure();
    void Stem();
    void MemberSection(int slot, const CMemberResult& m);
    void MemberChecks(bool stem, const CMemberResult& m);
    void Slab(const std::wstring& heading, int slot, const CMemberResult& m, const CSlabLoad& load,
              double L, const std::wstring& momentLoads, const std::wstring& shearLoads);
    void Toe();
    void Heel();
    void Summary(long long Yf);

    // The case and its results, named as in the formulas of the calculation.
    CRTData& c;
    const CDesignResult& r;
    ISheetSurface* m_surface;
    const SheetLayout& lay;
    const bool m_phiInput; // rows of the friction angles only when phi was entered
    long long m_x = 0;
    long long m_y = 0;
    std::wstring m_line; // the line being formatted; its storage serves every line
};

bool SheetComposer::StabilityPart() {
    MoveTo(lay.x0, lay.y0);
    Text(0, c.m_strTitle);
    if (m_surface)
        c.DrawWallFigure(m_surface, lay.labelHeight, ToDevice(lay.U), ToDevice(lay.x0),
                         ToDevice(lay.y0 + lay.LP), ToDevice(lay.x0 + lay.Wb),
                         ToDevice(lay.y0 + lay.LP + lay.Hb));
    InputData();
    EarthPressure();
    Weights();
    Overturning();
    Sliding();
    if (r.overturnFailure) {
        Text(lay.LP + lay.fh, kOverturnStop);
        return false;
    }
    BearingPressure();
    return true;
}

// Input data block to the right of the wall figure.
void SheetComposer::InputData() {
    const long long LP = lay.LP;
    MoveTo(lay.x0 + lay.Wb, lay.y0 + LP + lay.U);
    Text(0, kConcrete);
    Line(LP, kFc, c.m_Fc);
    Line(LP, kFcAllowable, r.fc);
    Line(LP, kGammaC, c.m_gammaC);
    Text(LP, kSoil);
    Line(LP, kGammaS, c.m_gammaS);
    if (m_phiInput) {
        Line(LP, kPhi, RadToDeg(c.m_phi));
        Line(LP, kDelta, RadToDeg(c.m_delta));
        Line(LP, kDeltaW, RadToDeg(c.m_deltaW));
    }
    Line(LP, kMu, c.m_mu);
    Text(LP, kLoads);
    Line(LP, kSurcharge, c.m_q);
    Line(LP, kTopLoad, c.m_P);
    Line(LP, kTopMoment, c.m_M);
}

// Section 1), below the wall figure.
void SheetComposer::EarthPressure() {
    const long long LP = lay.LP;
    const double delta = RadToDeg(c.m_delta);
    MoveTo(lay.x0, lay.y0 + LP + lay.Hb);
    Text(0, kEarthPressureHead);
    Line(LP, kKA, r.KA);
    if (m_phiInput) {
        Line(LP, kPhiDelta, RadToDeg(c.m_phi), delta);
        // The virtual back face through the heel end is vertical.
        Line(LP, kAlphaTheta, RadToDeg(c.m_alpha), 0.0);
    }
    Line(LP, kPA, r.KA, c.m_gammaS, r.H, r.PA);
    Line(LP, kPh, r.PA, delta, r.Ph);
    Line(LP, kPv, r.PA, delta, r.Pv);
    Line(LP, kDPA, r.KA, c.m_q, r.H, r.dPA);
    Line(LP, kDPh, r.dPA, delta, r.dPh);
    Line(LP, kDPv, r.dPA, delta, r.dPv);
}

// Section 2).
void SheetComposer::Weights() {
    const long long LP = lay.LP;
    Text(LP + lay.fh, kWeightHead);
    Line(LP, kW1, c.m_gammaC, (c.m_T1 + c.m_T2) / 2, r.Hs, c.m_P, r.W1);
    Line(LP, kW2, c.m_gammaC, (c.m_D1 + c.m_D2) / 2, c.m_L1 + c.m_L2, c.m_T2, c.m_D2, r.W2);
    Line(LP, kW3, c.m_gammaS, r.A31, r.A32 + r.A33 + r.A34, c.m_q, c.m_T3 + c.m_L2, r.W3);
    Line(LP, kW4, c.m_gammaSFront, r.A41, r.A42 + r.A43, c.m_qFront, c.m_L1 + r.bf, r.W4);
    Line(LP, kW5, r.Pv, r.dPv, r.W5);
    Line(LP, kSumW, r.W1, r.W2, r.W3, r.W4, r.W5, r.SW);
}

// Section 3).
void SheetComposer::Overturning() {
    const long long LP = lay.LP;
    Text(LP + lay.fh, kOverturnHead);
    Line(LP, kMo, r.Ph, r.H, r.dPh, r.H, c.m_M, r.Mo);
    Line(LP, kMr, r.W1, r.x1, r.W2, r.x2, r.W3, r.x3);
    Line(LP, kMrCont, r.W4, r.x4, r.W5, r.B, r.Mr);
    Line(LP, kFo, r.Mr, r.Mo, r.Fo, r.overturnOK ? kSignGreaterEqual : kSignLess,
         c.m_FsOverturnLimit, Verdict(r.overturnOK));
}

// Section 4).
void SheetComposer::Sliding() {
    const long long LP = lay.LP;
    Text(LP + lay.fh, kSlidingHead);
    Line(LP, kRH, r.SW, c.m_mu, r.RH);
    Line(LP, kSumP, r.Ph, r.dPh, r.SP);
    Line(LP, kFs, r.RH, r.SP, r.Fs, r.slidingOK ? kSignGreaterEqual : kSignLess, c.m_FsSlidingLimit,
         Verdict(r.slidingOK));
}

// Section 5).
void SheetComposer::BearingPressure() {
    const long long LP = lay.LP;
    Text(LP + lay.fh, kBearingHead);
    const CBearingPressure& p = r.bearing;
    Line(LP, kResultant, r.Mr, r.Mo, r.SW, p.d);
    Line(LP, kMeanPressure, r.SW, r.B, p.qm);
    Line(LP, kEccentricity, r.B, p.d, p.e);
    Line(LP, kEccentricityRatio, p.e, r.B, std::fabs(p.eB));
    // Outside the middle third the triangle's length is three times the resultant's distance
    // from the edge it is measured from: the toe end, or the heel end (|e| = -e).
    if (p.MiddleThird())
        Line(LP, kXnMiddleThird, r.B, p.eB, p.Xn);
    else
        Line(LP, kXnOutside, r.B, p.HeelSide() ? -p.e : p.e, p.Xn);
    Line(LP, kQL, p.qm, p.alphaL, p.qL, r.toeBearingOK ? kSignLessEqual : kSignGreater, c.m_fe,
         Verdict(r.toeBearingOK));
    // Beyond the middle third on the toe side the heel end lifts off (qR < 0): its row is left
    // empty, but keeps its place.
    if (p.HeelEndInContact())
        Line(LP, kQR, p.qm, p.alphaR, p.qR, r.heelBearingOK ? kSignLessEqual : kSignGreater, c.m_fe,
             Verdict(r.heelBearingOK));
    else
        m_y += LP;
}

void SheetComposer::SectionDesignPart(long long top) {
    const long long LP = lay.LP;
    MoveTo(lay.x0, top);
    Text(0, kSectionHead);
    Line(2 * lay.fh, kKAw, r.KAw);
    if (m_phiInput) {
        Line(LP, kPhiDeltaW, RadToDeg(c.m_phi), RadToDeg(c.m_deltaW));
        Line(LP, kAlphaThetaW, RadToDeg(c.m_alpha), RadToDeg(c.m_thetaW));
    }
    Stem();
    // The blocks need a positive slab length; the summary rows below only a non-zero one.
    if (SlabDesigned(c.m_L1))
        Toe();
    const bool heel = SlabDesigned(c.m_L2);
    if (heel)
        Heel();
    const long long Yf = heel ? m_y : m_y + LP;
    if (m_surface)
        c.DrawPressureFigure(m_surface, lay.labelHeight, ToDevice(lay.U), ToDevice(lay.x0),
                             ToDevice(Yf), ToDevice(lay.x0 + lay.Wb), ToDevice(Yf + lay.Hb),
                             r.bearing);
    Summary(Yf);
}

void SheetComposer::Stem() {
    const long long LP = lay.LP;
    const double angle = RadToDeg(c.m_thetaW + c.m_deltaW);
    Text(2 * LP, kStemHead);
    MemberSection(SLOT_WALL, r.wall);
    Line(LP, kP1, r.KAw, c.m_gammaS, r.Hs, angle, r.P1);
    Line(LP, kP2, r.KAw, c.m_q, r.Hs, angle, r.P2);
    Line(LP, kStemMoment, r.Hs, r.P1, r.P2, c.m_M, r.wall.M);
    Line(LP, kStemShear, r.P1, r.P2, r.wall.Q);
    MemberChecks(true, r.wall);
}

// Bars and section dimensions of a member (d and j in cm).
void SheetComposer::MemberSection(int slot, const CMemberResult& m) {
    Line(2 * lay.fh, kBars, c.m_strBar[slot], c.m_nPitch[slot], c.GetBarGradeLabel(slot), m.ft);
    Line(lay.LP, kDimensions, m.D * 100, m.d * 100, m.j * 100);
}

// Required reinforcement, balanced steel ratio and shear stress of a member. The stem states
// the formula of the balanced ratio on a line of its own before its value.
void SheetComposer::MemberChecks(bool stem, const CMemberResult& m) {
    const long long LP = lay.LP;
    Line(LP, kSteel, std::fabs(m.M), m.ft, m.j, m.at, m.SteelOK() ? kSignLessEqual : kSignGreater,
         m.at_p, Verdict(m.SteelOK()));
    if (stem)
        Text(LP, kBalancedFormula);
    Line(LP, stem ? kStemBalanced : kSlabBalanced, m.Ptb, r.n, r.gamma,
         m.BalancedBelow() ? kSignGreaterEqual : kSignLess, m.pt, Verdict(m.BalancedOK()));
    const bool shearOK = m.ShearOK(r.fs);
    Line(LP, kShearStress, std::fabs(m.Q), m.j * 1000, m.tau,
         shearOK ? kSignLessEqual : kSignGreater, r.fs, Verdict(shearOK));
}

// The two rows of the bearing pressure's moment and shear on a slab of length L, in the form
// of the pressure's shape.
std::wstring PressureMomentRow(const CSlabLoad& load, double L) {
    switch (load.shape) {
    case SlabPressure::Trapezoid:
        return FormatSheetLine(kSlabMomentTrapezoid, load.qEnd, load.qFace, load.length);
    case SlabPressure::TriangleAtFreeEnd:
        return FormatSheetLine(kMomentTriangleAtFreeEnd, load.qEnd, load.length, L, load.length);
    case SlabPressure::TriangleAtStem:
        break;
    }
    return FormatSheetLine(kMomentTriangleAtStem, load.qFace, load.length);
}

std::wstring PressureShearRow(const CSlabLoad& load) {
    switch (load.shape) {
    case SlabPressure::Trapezoid:
        return FormatSheetLine(kSlabShearTrapezoid, load.qEnd, load.qFace, load.length);
    case SlabPressure::TriangleAtFreeEnd:
        return FormatSheetLine(kSlabShearTriangle, load.qEnd, load.length);
    case SlabPressure::TriangleAtStem:
        break;
    }
    return FormatSheetLine(kSlabShearTriangle, load.qFace, load.length);
}

void SheetComposer::Slab(const std::wstring& heading, int slot, const CMemberResult& m,
                         const CSlabLoad& load, double L, const std::wstring& momentLoads,
                         const std::wstring& shearLoads) {
    const long long LP = lay.LP;
    Text(LP + lay.fh, heading);
    MemberSection(slot, m);
    Text(LP, PressureMomentRow(load, L));
    Text(LP, momentLoads);
    Text(LP, PressureShearRow(load));
    Text(LP, shearLoads);
    MemberChecks(false, m);
}

void SheetComposer::Toe() {
    const double L1 = c.m_L1;
    Slab(FormatSheetLine(kToeHead, L1), SLOT_TOE, r.toe, r.toeLoad, L1,
         FormatSheetLine(kSlabMomentLoads, r.W4, L1 - r.x4, r.Wt, r.xt, r.toe.M),
         FormatSheetLine(kSlabShearLoads, r.W4, r.Wt, r.toe.Q));
}

void SheetComposer::Heel() {
    const double L2 = c.m_L2;
    Slab(FormatSheetLine(kHeelHead, L2), SLOT_HEEL, r.heel, r.heelLoad, L2,
         FormatSheetLine(kSlabMomentLoads, r.W3, r.x3 - c.m_L1 - c.m_T2, r.Wh, r.xh, r.heel.M),
         FormatSheetLine(kSlabShearLoads, r.W3, r.Wh, r.heel.Q));
}

// Caption of the bearing-pressure figure and the summary of the judgements beside it.
void SheetComposer::Summary(long long Yf) {
    const long long LP = lay.LP;
    const long long top = Yf + 2 * lay.U;
    MoveTo(lay.x0, top);
    Text(0, kPressureCaption);
    MoveTo(lay.x0 + lay.Wb, top);
    Line(LP, kSummaryOverturn, r.Fo, r.overturnOK ? kSignGreater : kSignLess, c.m_FsOverturnLimit,
         Verdict(r.overturnOK));
    Line(LP, kSummarySliding, r.Fs, r.slidingOK ? kSignGreater : kSignLess, c.m_FsSlidingLimit,
         Verdict(r.slidingOK));
    Line(LP, kSummaryBearing, r.bearing.qmax, r.bearingOK ? kSignLessEqual : kSignGreater, c.m_fe,
         Verdict(r.bearingOK));
    auto ratio = [](const CMemberResult& m) { return m.RatioOK() ? kRatioOK : kRatioNG; };
    Line(LP, kSummaryStem, r.wall.rho, ratio(r.wall));
    if (SlabInSummary(c.m_L1))
        Line(LP, kSummarySlab, r.toe.rho, ratio(r.toe));
    if (SlabInSummary(c.m_L2))
        Line(LP, kSummarySlab, r.heel.rho, ratio(r.heel));
}

} // namespace

void CRTData::DrawSheet(ISheetSurface* surface, int fh, int x0, int y0, int selector) {
    CDesignResult r;
    Calculate(r);

    // Integer form of trunc(1.2 * fh): the same value for every int, without a float round trip.
    const long long height = fh;
    SheetLayout lay{height, height * 6 / 5, 230, 220, 0, x0, y0, static_cast<int>(2 * height / 3)};
    SurfaceHandle font = 0;
    SurfaceHandle previousFont = 0;
    if (surface) {
        lay.Wb = MulDiv(230, surface->PixelsPerInchX(), 72);
        lay.Hb = MulDiv(220, surface->PixelsPerInchY(), 72);
        lay.U = MulDiv(15, surface->PixelsPerInchY(), 72);
        font = surface->CreateFont(SurfaceFont{fh, 0, 1, kSheetFace});
        previousFont = surface->SelectObject(font);
    }

    // Selector 0: the whole sheet; 1: the first printed page; 2: the second printed page.
    SheetComposer sheet(*this, r, surface, lay);
    long long secondHalfTop = y0;
    bool goOn = true;
    if (selector != 2) {
        goOn = sheet.StabilityPart();
        secondHalfTop = sheet.Y() + lay.LP + lay.fh;
    }
    if (goOn && selector != 1)
        sheet.SectionDesignPart(secondHalfTop);

    if (surface) {
        surface->SelectObject(previousFont);
        surface->DeleteObject(font);
    }
}

void CRTData::OutputLine(ISheetSurface* surface, int x, int y, const std::wstring& text,
                         unsigned align) {
    if (!surface) {
        m_strSheet += text;
        m_strSheet += L"\r\n";
        return;
    }
    if (align == 0) {
        surface->TextOut(x, y, text);
        return;
    }
    const unsigned previous = surface->SetTextAlign(align);
    surface->TextOut(x, y, text);
    surface->SetTextAlign(previous);
}
