// The calculation sheet of one wall case: title, wall figure and input data, the stability
// calculation (earth pressure, weights, overturning, sliding, bearing pressure), then the
// design of stem, toe slab and heel slab, the bearing-pressure figure and the summary of the
// judgements. One routine serves the screen, both printed pages and the clipboard text.
#include "calc/DesignResult.h"
#include "model/MulDiv.h"
#include "model/RTData.h"
#include "model/Units.h"
#include "sheet/SheetFormat.h"
#include "sheet/Surface.h"

#include <algorithm>
#include <cmath>
#include <functional>

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
constexpr wchar_t kSeismicHead[] = L"7) 地震時の検討";
constexpr wchar_t kSeismicLoadsActing[] =
    L"　　地表面載荷重ｑと頂部曲げ荷重Ｍは地震時にも作用させ、ｑと前面土の慣性力は考えない";
constexpr wchar_t kSeismicPressureHeights[] =
    L"　　地震時土圧 PAE は H／3、地表面載荷による ΔPAE は H／2 の高さに作用させる";
constexpr wchar_t kSeismicNeedsPhi[] = L"地震時の検討は内部摩擦角(φ)を入力した場合に行います。";
constexpr wchar_t kModerateName[] = L"中地震時";
constexpr wchar_t kLargeName[] = L"大地震時";
constexpr wchar_t kLevelHead[] = L"　 %s（設計水平震度 kh＝%5.3f）";
constexpr wchar_t kTheta0[] =
    L"　　地震合成角　θ0 ＝tan^-1(%5.3f)　　                         ＝%6.2f°";
constexpr wchar_t kKEAFormula[] =
    L"　　KEA＝cos^2(φ－θ0－θ)／{cosθ0×cos^2θ×cos(θ＋θ0＋δ)×(1＋r)^2}";
constexpr wchar_t kKEARoot[] = L"　　 r ＝√{sin(φ＋δ)×sin(φ－α－θ0)／(cos(θ＋θ0＋δ)×cos(θ－α))}";
constexpr wchar_t kKEA[] =
    L"　　安定計算用　　KEA ＝%6.3f [φ＝%6.2f°，δ＝%6.2f°，α＝%6.2f°，θ＝%6.2f°]";
constexpr wchar_t kKEAw[] =
    L"　　壁体設計用　　KEAw＝%6.3f [φ＝%6.2f°，δ＝%6.2f°，α＝%6.2f°，θ＝%6.2f°]";
constexpr wchar_t kSeismicUnbounded[] =
    L"　　φ－α－θ0≦0 のため地震時土圧が定まらない：この検討は NG とする";
constexpr wchar_t kPAE[] =
    L"　　地震時土圧　　PAE＝%6.3f×%6.1f×%6.3f^2／2　            ＝%6.2f(kN)";
constexpr wchar_t kPAEh[] =
    L"　　　　　　　　PAEh＝%6.2f×cos(%6.2f)　　　                 ＝%6.2f(kN)";
constexpr wchar_t kPAEv[] =
    L"　　　　　　　　PAEv＝%6.2f×sin(%6.2f)　　　                 ＝%6.2f(kN)";
constexpr wchar_t kDPAE[] =
    L"　　地表面載荷ΔPAE＝%6.3f×%6.1f×%6.3f　　                 ＝%6.2f(kN)";
constexpr wchar_t kDPAEh[] =
    L"　　　　　　 ΔPAEh＝%6.2f×cos(%6.2f)　　　                  ＝%6.2f(kN)";
constexpr wchar_t kDPAEv[] =
    L"　　　　　　 ΔPAEv＝%6.2f×sin(%6.2f)　　　                  ＝%6.2f(kN)";
constexpr wchar_t kWs[] = L"　　壁体重量　　Ws ＝%6.1f× %6.3f×%6.3f　　　              ＝%6.2f(kN)";
constexpr wchar_t kYs[] = L"　　壁体重心高　ys ＝%6.3f＋%6.3f×%6.3f／(3×%6.3f)　      ＝%6.3f(m)";
constexpr wchar_t kY2[] = L"　　基礎重心高　y2 ＝%7.4f／%7.4f　　　                     ＝%6.3f(m)";
constexpr wchar_t kW3s[] =
    L"　　背面土重量　W3s＝%6.1f×(%6.3f＋%6.3f)　　               ＝%6.2f(kN)";
constexpr wchar_t kY3[] = L"　　背面土重心高y3 ＝%7.4f／%7.4f　　　                     ＝%6.3f(m)";
constexpr wchar_t kHE[] = L"　　水平慣性力　HE ＝%5.3f×(%6.2f＋%6.2f＋%6.2f＋%6.2f)　  ＝%6.2f(kN)";
constexpr wchar_t kMHE[] = L"　　慣性力ﾓｰﾒﾝﾄ MHE＝%5.3f×(%6.2f×%6.3f＋%6.2f×%6.3f";
constexpr wchar_t kMHECont[] =
    L"　　　　　　　　　　　＋%6.2f×%6.3f＋%6.2f×%6.3f)　       ＝%6.2f(kN･m)";
constexpr wchar_t kMoE[] = L"　　転倒ﾓｰﾒﾝﾄ　 MoE＝%6.2f×%6.3f/3＋%6.2f×%6.3f/2";
constexpr wchar_t kMoECont[] =
    L"　　　　　　　　　　　＋%6.2f＋%6.2f　　                      ＝%6.2f(kN･m)";
constexpr wchar_t kW5E[] =
    L"　　土　　圧　　W5E＝%6.2f＋ %6.2f　　　                      ＝%6.2f(kN)";
constexpr wchar_t kSumWE[] =
    L"　　　　　　　 ΣWE＝%6.2f＋ %6.2f＋%6.2f ＋%6.2f＋%6.2f   ＝%6.2f(kN)";
constexpr wchar_t kMrE[] = L"　　抵抗ﾓｰﾒﾝﾄ　 MrE＝%6.2f×%6.3f＋%6.2f×%6.3f＋%6.2f×%6.3f";
constexpr wchar_t kRHE[] =
    L"　　摩擦抵抗力　RHE＝%6.2f ×%6.3f　                          ＝%6.2f(kN)";
constexpr wchar_t kSumPE[] =
    L"　　全水平力　 ΣPE＝%6.2f ＋%6.2f ＋%6.2f　                 ＝%6.2f(kN)";
constexpr wchar_t kQLE[] = L"　　左端接地圧　qL ＝%6.1f×%6.3f　            ＝%6.1f(kN/m^2)";
constexpr wchar_t kQRE[] = L"　　右端接地圧　qR ＝%6.1f×%6.3f　            ＝%6.1f(kN/m^2)";
constexpr wchar_t kQu[] = L"　　極限支持力　qu ＝%4.1f×%6.1f　              ＝%6.1f(kN/m^2)";
constexpr wchar_t kQmaxE[] =
    L"　　最大接地圧　qmax                             ＝%6.1f %s qu ＝%6.1f(kN/m^2) %2s";
constexpr wchar_t kModerateAllowables[] =
    L"　　短期許容応力度　fc ＝2×%4.1f／3＝%6.2f(N/mm^2)　fs ＝1.5×%5.2f＝%6.2f(N/mm^2)";
constexpr wchar_t kLargeAllowables[] =
    L"　　材料強度　　　　fc ＝%4.1f(N/mm^2)　　　　　 fs ＝3×%5.2f＝%6.2f(N/mm^2)";
constexpr wchar_t kModerateBarStress[] = L"　　　　　　　　　ft ＝鉄筋表の短期許容応力度";
constexpr wchar_t kLargeBarStress[] = L"　　　　　　　　　ft ＝鉄筋表の降伏点";
constexpr wchar_t kP1E[] = L"　　土圧荷重　　P1E＝%6.3f×%6.2f×%6.3f^2／2×cos(%6.3f)   ＝%6.2f(kN)";
constexpr wchar_t kP2E[] = L"　　　　　　　　P2E＝%6.3f×%6.2f×%6.3f×cos(%6.3f)　      ＝%6.2f(kN)";
constexpr wchar_t kStemMomentE[] = L"　　壁脚曲げ　　M  ＝%6.2f×(%6.2f/3＋%6.2f/2)＋%6.3f";
constexpr wchar_t kStemMomentECont[] =
    L"　　　　　　　　＋%5.3f×%6.2f×%6.3f＋%5.3f×%6.2f×%6.3f  ＝%6.2f(kN･m)";
constexpr wchar_t kStemShearE[] =
    L"　　せん断力　　Q  ＝%6.2f＋%6.2f＋%5.3f×(%6.2f＋%6.2f)　  ＝%6.2f(kN)";
constexpr wchar_t kBarUnusable[] =
    L"　　　　　　　　鉄筋表の値が 0 か長期許容応力度未満のため、この部材は NG とする";
constexpr wchar_t kLevelSummaryHead[] = L"　 %sの判定";
constexpr wchar_t kPageConventions[] =
    L"　　ｑとＭは地震時も作用、ｑと前面土は慣性力なし、PAE は H／3、ΔPAE は H／2 に作用";
constexpr wchar_t kPageHeader[] =
    L"                                                                中地震時    大地震時";
constexpr wchar_t kRowKh[] = L"　　設計水平震度　　kh                                    ：";
constexpr wchar_t kRowTheta0[] = L"　　地震合成角　　　θ0＝tan^-1(kh)　　　　　　(°)       ：";
constexpr wchar_t kRowKEA[] = L"　　地震時土圧係数　KEA （θ＝0，δ）                     ：";
constexpr wchar_t kRowKEAw[] = L"　　壁体設計用　　　KEAw（θw，δwE）                     ：";
constexpr wchar_t kRowPAE[] = L"　　地震時土圧　　　PAE＝KEA×γs×H^2／2　　　(kN)       ：";
constexpr wchar_t kRowPAEhv[] = L"　　　　　　　　　　PAE×cosδ／PAE×sinδ　　　(kN)      ：";
constexpr wchar_t kRowDPAE[] = L"　　地表面載荷　　　ΔPAE＝KEA×(ｑ－ｑd)×H　 (kN)       ：";
constexpr wchar_t kRowDPAEhv[] = L"　　　　　　　　　　ΔPAE×cosδ／ΔPAE×sinδ　 (kN)     ：";
constexpr wchar_t kRowHE[] = L"　　水平慣性力　HE＝kh×(Ws＋P＋W2＋W3s)　　　(kN)        ：";
constexpr wchar_t kRowMHE[] = L"　　MHE＝kh×(Ws･ys＋P･(H1＋H2)＋W2･y2＋W3s･y3)           ：";
constexpr wchar_t kRowMoE[] = L"　　MoE＝PAEh･H／3＋ΔPAEh･H／2＋MHE＋M　(kN･m)           ：";
constexpr wchar_t kRowSWE[] = L"　　ΣWE＝W1＋W2＋W3＋W4＋PAEv＋ΔPAEv　　　 (kN)         ：";
constexpr wchar_t kRowMrE[] = L"　　MrE＝W1･x1＋W2･x2＋W3･x3＋W4･x4＋W5E･B (kN･m)         ：";
constexpr wchar_t kRowFoE[] = L"　　転倒安全率　FoE＝MrE／MoE　　　（判定値 %3.1f）         ：";
constexpr wchar_t kRowSPE[] = L"　　全水平力　　ΣPE＝PAEh＋ΔPAEh＋HE　　　　 (kN)       ：";
constexpr wchar_t kRowFsE[] = L"　　滑動安全率　FsE＝ΣWE×μ／ΣPE　　（判定値 %3.1f）     ：";
constexpr wchar_t kRowD[] = L"　　合力作用位置　d＝(MrE－MoE)／ΣWE　　　　　(m)        ：";
constexpr wchar_t kRowE[] = L"　　偏心距離　　　e＝B／2－d　　　　　　　　　　(m)       ：";
constexpr wchar_t kRowQL[] = L"　　左端接地圧　qL　　　　　　　　　　　　(kN/m^2)        ：";
constexpr wchar_t kRowQR[] = L"　　右端接地圧　qR　　　　　　　　　　　　(kN/m^2)        ：";
constexpr wchar_t kRowQmax[] = L"　　最大接地圧　qmax≦qu＝%3.1f×fe＝%6.1f　(kN/m^2)       ：";
constexpr wchar_t kRowFcFs[] = L"　　fc（2×Fc／3，Fc）／fs（1.5×fs，3×fs）(N/mm^2)      ：";

constexpr wchar_t kRowHeelHead[] = L"　 かかと板　ft（短期許容応力度，降伏点）(kN/cm^2)        ：";
constexpr wchar_t kRowToeHead[] = L"　 つまさき板 ft（短期許容応力度，降伏点）(kN/cm^2)       ：";
constexpr wchar_t kRowStemHead[] = L"　 壁体　　　ft（短期許容応力度，降伏点）(kN/cm^2)        ：";
constexpr wchar_t kRowP1E[] = L"　　P1E＝KEAw×γs×Hs^2／2×cos(θw＋δwE)　　(kN)       ：";
constexpr wchar_t kRowP2E[] = L"　　P2E＝KEAw×(ｑ－ｑd)×Hs×cos(θw＋δwE)　(kN)        ：";
constexpr wchar_t kRowStemM[] = L"　　M＝P2E･Hs／2＋P1E･Hs／3＋kh･Ws･(ys－D2)＋kh･P･Hs＋M   ：";
constexpr wchar_t kRowStemQ[] = L"　　Q＝P1E＋P2E＋kh×(Ws＋P)　　　　　　　　　　(kN)      ：";
constexpr wchar_t kRowSlabM[] = L"　　M（接地圧，自重，上載土による）　　　　(kN･m)         ：";
constexpr wchar_t kRowSlabQ[] = L"　　Q（接地圧，自重，上載土による）　　　　　(kN)         ：";
constexpr wchar_t kRowSteel[] = L"　　at＝|M|／ft／j ≦ at＝%6.2f　　　　　　(cm^2)        ：";
constexpr wchar_t kRowBalanced[] = L"　　pt＝%8.4f ≦ Ptb                                   ：";
constexpr wchar_t kRowShear[] = L"　　τ＝|Q|／j ≦ fs　　　　　　　　　　　　(N/mm^2)      ：";
constexpr wchar_t kRowVerdict[] = L"　　判定                                                  ：";
constexpr wchar_t kLevelCell[] = L"%12s";
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

const wchar_t* RatioText(bool ok) {
    return ok ? kRatioOK : kRatioNG;
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

// How a member's checks are judged: against the concrete's shear stress fs, and only while
// they can stand at all (a seismic level may rule them out whatever the numbers).
struct MemberJudge {
    double fs;
    bool valid = true;
    bool barUsable = true; // the bar table gives the level a usable stress
};

MemberJudge SeismicJudge(const CSeismicResult& s, const CSeismicMember& m) {
    return {s.fs, m.valid, m.barUsable};
}

// The cell of one seismic level in a row of the printed table.
using LevelCell = std::function<std::wstring(const CSeismicResult&)>;

// Writes the rows of the sheet top to bottom: each row stands a given advance below the
// previous printed row of its column.
class SheetComposer {
public:
    SheetComposer(CRTData& c, const CDesignResult& r, ISheetSurface* surface,
                  const SheetLayout& lay)
        : m_c(c), m_r(r), m_surface(surface), m_lay(lay), m_phiInput(c.m_bPhiInput == 1) {}

    // Title, wall figure, input data and sections 1) to 5). Returns false when the
    // overturning safety factor is below 1.0: the sheet ends with that message.
    bool StabilityPart();
    // Section 6), the bearing-pressure figure and the summary, starting at y = top.
    void SectionDesignPart(long long top);
    // Section 7), the seismic checks of every asked level, starting at y = top.
    void SeismicPart(long long top);
    // The same checks on one printed page: a table of both levels side by side.
    void SeismicPage(long long top);
    // Position of the last row, printed or left empty.
    long long Y() const { return m_y; }
    // Lowest position drawn so far: the last row, or the bottom of a figure beside it.
    long long Bottom() const { return std::max(m_y, m_figureBottom); }

private:
    void MoveTo(long long x, long long y) {
        m_x = x;
        m_y = y;
    }
    void Text(long long advance, const std::wstring& text) {
        m_y += advance;
        m_c.OutputLine(m_surface, ToDevice(m_x), ToDevice(m_y), text, 0);
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
    void MemberSection(int slot, const CMemberResult& m, const MemberJudge& j);
    void MemberChecks(bool stem, const CMemberResult& m, const MemberJudge& j);
    void Slab(const std::wstring& heading, int slot, const CMemberResult& m, const CSlabLoad& load,
              double L, const std::wstring& momentLoads, const std::wstring& shearLoads,
              const MemberJudge& j);
    void Toe(const CMemberResult& m, const CSlabLoad& load, const MemberJudge& j);
    void Heel(const CMemberResult& m, const CSlabLoad& load, const MemberJudge& j);
    void Summary(long long Yf);
    void SeismicLevel(const wchar_t* name, const CSeismicResult& s, bool large);
    void SeismicEarthPressure(const CSeismicResult& s);
    void SeismicInertia(const CSeismicResult& s);
    void SeismicStability(const CSeismicResult& s, bool large);
    void SeismicBearing(const CSeismicResult& s, bool large);
    void SeismicMembers(const CSeismicResult& s, bool large);
    void SeismicSummary(const wchar_t* name, const CSeismicResult& s, bool large);
    void LevelsRow(const std::wstring& label, const LevelCell& cell, bool largeOnly = false);
    void PageMember(const wchar_t* head, const CSeismicMember CSeismicResult::*member,
                    const wchar_t* momentLabel, const wchar_t* shearLabel);

    // The case, its results and the sheet's layout.
    CRTData& m_c;
    const CDesignResult& m_r;
    ISheetSurface* m_surface;
    const SheetLayout& m_lay;
    const bool m_phiInput; // rows of the friction angles only when phi was entered
    long long m_x = 0;
    long long m_y = 0;
    long long m_figureBottom = 0;
    std::wstring m_line; // the line being formatted; its storage serves every line
};

bool SheetComposer::StabilityPart() {
    MoveTo(m_lay.x0, m_lay.y0);
    Text(0, m_c.m_strTitle);
    if (m_surface)
        m_c.DrawWallFigure(m_surface, m_lay.labelHeight, ToDevice(m_lay.U), ToDevice(m_lay.x0),
                           ToDevice(m_lay.y0 + m_lay.LP), ToDevice(m_lay.x0 + m_lay.Wb),
                           ToDevice(m_lay.y0 + m_lay.LP + m_lay.Hb));
    InputData();
    EarthPressure();
    Weights();
    Overturning();
    Sliding();
    if (m_r.overturnFailure) {
        Text(m_lay.LP + m_lay.fh, kOverturnStop);
        return false;
    }
    BearingPressure();
    return true;
}

// Input data block to the right of the wall figure.
void SheetComposer::InputData() {
    const long long LP = m_lay.LP;
    MoveTo(m_lay.x0 + m_lay.Wb, m_lay.y0 + LP + m_lay.U);
    Text(0, kConcrete);
    Line(LP, kFc, m_c.m_Fc);
    Line(LP, kFcAllowable, m_r.fc);
    Line(LP, kGammaC, m_c.m_gammaC);
    Text(LP, kSoil);
    Line(LP, kGammaS, m_c.m_gammaS);
    if (m_phiInput) {
        Line(LP, kPhi, RadToDeg(m_c.m_phi));
        Line(LP, kDelta, RadToDeg(m_c.m_delta));
        Line(LP, kDeltaW, RadToDeg(m_c.m_deltaW));
    }
    Line(LP, kMu, m_c.m_mu);
    Text(LP, kLoads);
    Line(LP, kSurcharge, m_c.m_q);
    Line(LP, kTopLoad, m_c.m_P);
    Line(LP, kTopMoment, m_c.m_M);
}

// Section 1), below the wall figure.
void SheetComposer::EarthPressure() {
    const long long LP = m_lay.LP;
    const double delta = RadToDeg(m_c.m_delta);
    MoveTo(m_lay.x0, m_lay.y0 + LP + m_lay.Hb);
    Text(0, kEarthPressureHead);
    Line(LP, kKA, m_r.KA);
    if (m_phiInput) {
        Line(LP, kPhiDelta, RadToDeg(m_c.m_phi), delta);
        // The virtual back face through the heel end is vertical.
        Line(LP, kAlphaTheta, RadToDeg(m_c.m_alpha), 0.0);
    }
    Line(LP, kPA, m_r.KA, m_c.m_gammaS, m_r.H, m_r.PA);
    Line(LP, kPh, m_r.PA, delta, m_r.Ph);
    Line(LP, kPv, m_r.PA, delta, m_r.Pv);
    Line(LP, kDPA, m_r.KA, m_c.m_q, m_r.H, m_r.dPA);
    Line(LP, kDPh, m_r.dPA, delta, m_r.dPh);
    Line(LP, kDPv, m_r.dPA, delta, m_r.dPv);
}

// Section 2).
void SheetComposer::Weights() {
    const long long LP = m_lay.LP;
    Text(LP + m_lay.fh, kWeightHead);
    Line(LP, kW1, m_c.m_gammaC, (m_c.m_T1 + m_c.m_T2) / 2, m_r.Hs, m_c.m_P, m_r.W1);
    Line(LP, kW2, m_c.m_gammaC, (m_c.m_D1 + m_c.m_D2) / 2, m_c.m_L1 + m_c.m_L2, m_c.m_T2, m_c.m_D2,
         m_r.W2);
    Line(LP, kW3, m_c.m_gammaS, m_r.A31, m_r.A32 + m_r.A33 + m_r.A34, m_c.m_q, m_c.m_T3 + m_c.m_L2,
         m_r.W3);
    Line(LP, kW4, m_c.m_gammaSFront, m_r.A41, m_r.A42 + m_r.A43, m_c.m_qFront, m_c.m_L1 + m_r.bf,
         m_r.W4);
    Line(LP, kW5, m_r.Pv, m_r.dPv, m_r.W5);
    Line(LP, kSumW, m_r.W1, m_r.W2, m_r.W3, m_r.W4, m_r.W5, m_r.SW);
}

// Section 3).
void SheetComposer::Overturning() {
    const long long LP = m_lay.LP;
    Text(LP + m_lay.fh, kOverturnHead);
    Line(LP, kMo, m_r.Ph, m_r.H, m_r.dPh, m_r.H, m_c.m_M, m_r.Mo);
    Line(LP, kMr, m_r.W1, m_r.x1, m_r.W2, m_r.x2, m_r.W3, m_r.x3);
    Line(LP, kMrCont, m_r.W4, m_r.x4, m_r.W5, m_r.B, m_r.Mr);
    Line(LP, kFo, m_r.Mr, m_r.Mo, m_r.Fo, m_r.overturnOK ? kSignGreaterEqual : kSignLess,
         m_c.m_FsOverturnLimit, Verdict(m_r.overturnOK));
}

// Section 4).
void SheetComposer::Sliding() {
    const long long LP = m_lay.LP;
    Text(LP + m_lay.fh, kSlidingHead);
    Line(LP, kRH, m_r.SW, m_c.m_mu, m_r.RH);
    Line(LP, kSumP, m_r.Ph, m_r.dPh, m_r.SP);
    Line(LP, kFs, m_r.RH, m_r.SP, m_r.Fs, m_r.slidingOK ? kSignGreaterEqual : kSignLess,
         m_c.m_FsSlidingLimit, Verdict(m_r.slidingOK));
}

// Section 5).
void SheetComposer::BearingPressure() {
    const long long LP = m_lay.LP;
    Text(LP + m_lay.fh, kBearingHead);
    const CBearingPressure& p = m_r.bearing;
    Line(LP, kResultant, m_r.Mr, m_r.Mo, m_r.SW, p.d);
    Line(LP, kMeanPressure, m_r.SW, m_r.B, p.qm);
    Line(LP, kEccentricity, m_r.B, p.d, p.e);
    Line(LP, kEccentricityRatio, p.e, m_r.B, std::fabs(p.eB));
    // Outside the middle third the triangle's length is three times the resultant's distance
    // from the edge it is measured from: the toe end, or the heel end (|e| = -e).
    if (p.MiddleThird())
        Line(LP, kXnMiddleThird, m_r.B, p.eB, p.Xn);
    else
        Line(LP, kXnOutside, m_r.B, p.HeelSide() ? -p.e : p.e, p.Xn);
    Line(LP, kQL, p.qm, p.alphaL, p.qL, m_r.toeBearingOK ? kSignLessEqual : kSignGreater, m_c.m_fe,
         Verdict(m_r.toeBearingOK));
    // Beyond the middle third on the toe side the heel end lifts off (qR < 0): its row is left
    // empty, but keeps its place.
    if (p.HeelEndInContact())
        Line(LP, kQR, p.qm, p.alphaR, p.qR, m_r.heelBearingOK ? kSignLessEqual : kSignGreater,
             m_c.m_fe, Verdict(m_r.heelBearingOK));
    else
        m_y += LP;
}

void SheetComposer::SectionDesignPart(long long top) {
    const long long LP = m_lay.LP;
    MoveTo(m_lay.x0, top);
    Text(0, kSectionHead);
    Line(2 * m_lay.fh, kKAw, m_r.KAw);
    if (m_phiInput) {
        Line(LP, kPhiDeltaW, RadToDeg(m_c.m_phi), RadToDeg(m_c.m_deltaW));
        Line(LP, kAlphaThetaW, RadToDeg(m_c.m_alpha), RadToDeg(m_c.m_thetaW));
    }
    Stem();
    // The blocks need a positive slab length; the summary rows below only a non-zero one.
    const MemberJudge longTerm{m_r.fs};
    if (SlabDesigned(m_c.m_L1))
        Toe(m_r.toe, m_r.toeLoad, longTerm);
    const bool heel = SlabDesigned(m_c.m_L2);
    if (heel)
        Heel(m_r.heel, m_r.heelLoad, longTerm);
    const long long Yf = heel ? m_y : m_y + LP;
    m_figureBottom = Yf + m_lay.Hb;
    if (m_surface)
        m_c.DrawPressureFigure(m_surface, m_lay.labelHeight, ToDevice(m_lay.U), ToDevice(m_lay.x0),
                               ToDevice(Yf), ToDevice(m_lay.x0 + m_lay.Wb), ToDevice(Yf + m_lay.Hb),
                               m_r.bearing);
    Summary(Yf);
}

void SheetComposer::Stem() {
    const long long LP = m_lay.LP;
    const double angle = RadToDeg(m_c.m_thetaW + m_c.m_deltaW);
    Text(2 * LP, kStemHead);
    const MemberJudge longTerm{m_r.fs};
    MemberSection(SLOT_WALL, m_r.wall, longTerm);
    Line(LP, kP1, m_r.KAw, m_c.m_gammaS, m_r.Hs, angle, m_r.P1);
    Line(LP, kP2, m_r.KAw, m_c.m_q, m_r.Hs, angle, m_r.P2);
    Line(LP, kStemMoment, m_r.Hs, m_r.P1, m_r.P2, m_c.m_M, m_r.wall.M);
    Line(LP, kStemShear, m_r.P1, m_r.P2, m_r.wall.Q);
    MemberChecks(true, m_r.wall, longTerm);
}

// Bars and section dimensions of a member (d and j in cm). A bar without a usable stress is
// said below its row.
void SheetComposer::MemberSection(int slot, const CMemberResult& m, const MemberJudge& j) {
    Line(2 * m_lay.fh, kBars, m_c.m_strBar[slot], m_c.m_nPitch[slot], m_c.GetBarGradeLabel(slot),
         m.ft);
    if (!j.barUsable)
        Text(m_lay.LP, kBarUnusable);
    Line(m_lay.LP, kDimensions, m.D * 100, m.d * 100, m.j * 100);
}

// Required reinforcement, balanced steel ratio and shear stress of a member. The stem states
// the formula of the balanced ratio on a line of its own before its value.
void SheetComposer::MemberChecks(bool stem, const CMemberResult& m, const MemberJudge& j) {
    const long long LP = m_lay.LP;
    const bool steelOK = j.valid && m.SteelOK();
    Line(LP, kSteel, std::fabs(m.M), m.ft, m.j, m.at, steelOK ? kSignLessEqual : kSignGreater,
         m.at_p, Verdict(steelOK));
    if (stem)
        Text(LP, kBalancedFormula);
    Line(LP, stem ? kStemBalanced : kSlabBalanced, m.Ptb, m_r.n, m_r.gamma,
         j.valid && m.BalancedBelow() ? kSignGreaterEqual : kSignLess, m.pt,
         Verdict(j.valid && m.BalancedOK()));
    const bool shearOK = j.valid && m.ShearOK(j.fs);
    Line(LP, kShearStress, std::fabs(m.Q), m.j * 1000, m.tau,
         shearOK ? kSignLessEqual : kSignGreater, j.fs, Verdict(shearOK));
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
                         const std::wstring& shearLoads, const MemberJudge& j) {
    const long long LP = m_lay.LP;
    Text(LP + m_lay.fh, heading);
    MemberSection(slot, m, j);
    Text(LP, PressureMomentRow(load, L));
    Text(LP, momentLoads);
    Text(LP, PressureShearRow(load));
    Text(LP, shearLoads);
    MemberChecks(false, m, j);
}

void SheetComposer::Toe(const CMemberResult& m, const CSlabLoad& load, const MemberJudge& j) {
    const double L1 = m_c.m_L1;
    Slab(FormatSheetLine(kToeHead, L1), SLOT_TOE, m, load, L1,
         FormatSheetLine(kSlabMomentLoads, m_r.W4, L1 - m_r.x4, m_r.Wt, m_r.xt, m.M),
         FormatSheetLine(kSlabShearLoads, m_r.W4, m_r.Wt, m.Q), j);
}

void SheetComposer::Heel(const CMemberResult& m, const CSlabLoad& load, const MemberJudge& j) {
    const double L2 = m_c.m_L2;
    Slab(FormatSheetLine(kHeelHead, L2), SLOT_HEEL, m, load, L2,
         FormatSheetLine(kSlabMomentLoads, m_r.W3, m_r.x3 - m_c.m_L1 - m_c.m_T2, m_r.Wh, m_r.xh,
                         m.M),
         FormatSheetLine(kSlabShearLoads, m_r.W3, m_r.Wh, m.Q), j);
}

// Caption of the bearing-pressure figure and the summary of the judgements beside it.
void SheetComposer::Summary(long long Yf) {
    const long long LP = m_lay.LP;
    const long long top = Yf + 2 * m_lay.U;
    MoveTo(m_lay.x0, top);
    Text(0, kPressureCaption);
    MoveTo(m_lay.x0 + m_lay.Wb, top);
    Line(LP, kSummaryOverturn, m_r.Fo, m_r.overturnOK ? kSignGreater : kSignLess,
         m_c.m_FsOverturnLimit, Verdict(m_r.overturnOK));
    Line(LP, kSummarySliding, m_r.Fs, m_r.slidingOK ? kSignGreater : kSignLess,
         m_c.m_FsSlidingLimit, Verdict(m_r.slidingOK));
    Line(LP, kSummaryBearing, m_r.bearing.qmax, m_r.bearingOK ? kSignLessEqual : kSignGreater,
         m_c.m_fe, Verdict(m_r.bearingOK));
    Line(LP, kSummaryStem, m_r.wall.rho, RatioText(m_r.wall.RatioOK()));
    if (SlabInSummary(m_c.m_L1))
        Line(LP, kSummarySlab, m_r.toe.rho, RatioText(m_r.toe.RatioOK()));
    if (SlabInSummary(m_c.m_L2))
        Line(LP, kSummarySlab, m_r.heel.rho, RatioText(m_r.heel.RatioOK()));
}

// Section 7): the conventions of the seismic loads once, then one block per asked level and
// the summary of its judgements. Without an entered friction angle only a note.
void SheetComposer::SeismicPart(long long top) {
    const long long LP = m_lay.LP;
    MoveTo(m_lay.x0, top);
    Text(0, kSeismicHead);
    if (!m_phiInput) {
        Text(LP, kSeismicNeedsPhi);
        return;
    }
    Text(LP, kSeismicLoadsActing);
    Text(LP, kSeismicPressureHeights);
    Text(LP, kKEAFormula);
    Text(LP, kKEARoot);
    if (m_r.moderate.checked)
        SeismicLevel(kModerateName, m_r.moderate, false);
    if (m_r.large.checked)
        SeismicLevel(kLargeName, m_r.large, true);
}

void SheetComposer::SeismicLevel(const wchar_t* name, const CSeismicResult& s, bool large) {
    const long long LP = m_lay.LP;
    MoveTo(m_lay.x0, m_y);
    Line(LP + m_lay.fh, kLevelHead, name, s.kh);
    Line(2 * m_lay.fh, kTheta0, s.kh, RadToDeg(s.theta0));
    SeismicEarthPressure(s);
    SeismicInertia(s);
    SeismicStability(s, large);
    SeismicBearing(s, large);
    SeismicMembers(s, large);
    SeismicSummary(name, s, large);
}

void SheetComposer::SeismicEarthPressure(const CSeismicResult& s) {
    const long long LP = m_lay.LP;
    const double phi = RadToDeg(m_c.m_phi), alpha = RadToDeg(m_c.m_alpha);
    const double delta = RadToDeg(m_c.m_delta);
    Line(LP, kKEA, s.KEA, phi, delta, alpha, 0.0);
    Line(LP, kKEAw, s.KEAw, phi, RadToDeg(s.deltaWE), alpha, RadToDeg(m_c.m_thetaW));
    if (!s.bounded)
        Text(LP, kSeismicUnbounded);
    Line(LP, kPAE, s.KEA, m_c.m_gammaS, m_r.H, s.PAE);
    Line(LP, kPAEh, s.PAE, delta, s.PAEh);
    Line(LP, kPAEv, s.PAE, delta, s.PAEv);
    Line(LP, kDPAE, s.KEA, m_c.m_q, m_r.H, s.dPAE);
    Line(LP, kDPAEh, s.dPAE, delta, s.dPAEh);
    Line(LP, kDPAEv, s.dPAE, delta, s.dPAEv);
}

void SheetComposer::SeismicInertia(const CSeismicResult& s) {
    const long long LP = m_lay.LP;
    Line(LP + m_lay.fh, kWs, m_c.m_gammaC, (m_c.m_T1 + m_c.m_T2) / 2, m_r.Hs, s.Ws);
    Line(LP, kYs, m_c.m_D2, m_r.Hs, m_c.m_T2 + 2 * m_c.m_T1, m_c.m_T1 + m_c.m_T2, s.ys);
    Line(LP, kY2, s.A2y, s.A2, s.y2);
    Line(LP, kW3s, m_c.m_gammaS, m_r.A31, m_r.A32 + m_r.A33 + m_r.A34, s.W3s);
    Line(LP, kY3, s.A3y, s.A3, s.y3);
    Line(LP, kHE, s.kh, s.Ws, m_c.m_P, m_r.W2, s.W3s, s.HE);
    Line(LP, kMHE, s.kh, s.Ws, s.ys, m_c.m_P, s.yP);
    Line(LP, kMHECont, m_r.W2, s.y2, s.W3s, s.y3, s.MHE);
}

// Moments and vertical loads of the level; the safety factors are judged in the large
// earthquake only.
void SheetComposer::SeismicStability(const CSeismicResult& s, bool large) {
    const long long LP = m_lay.LP;
    Line(LP + m_lay.fh, kMoE, s.PAEh, m_r.H, s.dPAEh, m_r.H);
    Line(LP, kMoECont, s.MHE, m_c.m_M, s.MoE);
    Line(LP, kW5E, s.PAEv, s.dPAEv, s.W5E);
    Line(LP, kSumWE, m_r.W1, m_r.W2, m_r.W3, m_r.W4, s.W5E, s.SWE);
    Line(LP, kMrE, m_r.W1, m_r.x1, m_r.W2, m_r.x2, m_r.W3, m_r.x3);
    Line(LP, kMrCont, m_r.W4, m_r.x4, s.W5E, m_r.B, s.MrE);
    if (!large)
        return;
    Line(LP, kFo, s.MrE, s.MoE, s.FoE, s.overturnOK ? kSignGreaterEqual : kSignLess, m_c.m_FoL,
         Verdict(s.overturnOK));
    Line(LP, kRHE, s.SWE, m_c.m_mu, s.RHE);
    Line(LP, kSumPE, s.PAEh, s.dPAEh, s.HE, s.SPE);
    Line(LP, kFs, s.RHE, s.SPE, s.FsE, s.slidingOK ? kSignGreaterEqual : kSignLess, m_c.m_FsL,
         Verdict(s.slidingOK));
}

// The bearing pressure the slabs of the level are designed for; the large earthquake judges
// its largest value against the ultimate bearing capacity.
void SheetComposer::SeismicBearing(const CSeismicResult& s, bool large) {
    const long long LP = m_lay.LP;
    const CBearingPressure& p = s.bearing;
    Line(LP + m_lay.fh, kResultant, s.MrE, s.MoE, s.SWE, p.d);
    Line(LP, kMeanPressure, s.SWE, m_r.B, p.qm);
    Line(LP, kEccentricity, m_r.B, p.d, p.e);
    Line(LP, kEccentricityRatio, p.e, m_r.B, std::fabs(p.eB));
    if (p.MiddleThird())
        Line(LP, kXnMiddleThird, m_r.B, p.eB, p.Xn);
    else
        Line(LP, kXnOutside, m_r.B, p.HeelSide() ? -p.e : p.e, p.Xn);
    Line(LP, kQLE, p.qm, p.alphaL, p.qL);
    if (p.HeelEndInContact())
        Line(LP, kQRE, p.qm, p.alphaR, p.qR);
    if (!large)
        return;
    Line(LP, kQu, m_c.m_ru, m_c.m_fe, s.qu);
    Line(LP, kQmaxE, p.qmax, s.bearingOK ? kSignLessEqual : kSignGreater, s.qu,
         Verdict(s.bearingOK));
}

void SheetComposer::SeismicMembers(const CSeismicResult& s, bool large) {
    const long long LP = m_lay.LP;
    if (large) {
        Line(LP + m_lay.fh, kLargeAllowables, s.fc, m_r.fs, s.fs);
        Text(LP, kLargeBarStress);
    } else {
        Line(LP + m_lay.fh, kModerateAllowables, m_c.m_Fc, s.fc, m_r.fs, s.fs);
        Text(LP, kModerateBarStress);
    }

    const CMemberResult& w = s.wall.m;
    const double angle = RadToDeg(m_c.m_thetaW + s.deltaWE);
    Text(2 * LP, kStemHead);
    const MemberJudge stem = SeismicJudge(s, s.wall);
    MemberSection(SLOT_WALL, w, stem);
    Line(LP, kP1E, s.KEAw, m_c.m_gammaS, m_r.Hs, angle, s.P1E);
    Line(LP, kP2E, s.KEAw, m_c.m_q, m_r.Hs, angle, s.P2E);
    Line(LP, kStemMomentE, m_r.Hs, s.P1E, s.P2E, m_c.m_M);
    Line(LP, kStemMomentECont, s.kh, s.Ws, s.ys - m_c.m_D2, s.kh, m_c.m_P, m_r.Hs, w.M);
    Line(LP, kStemShearE, s.P1E, s.P2E, s.kh, s.Ws, m_c.m_P, w.Q);
    MemberChecks(true, w, stem);
    if (SlabDesigned(m_c.m_L1))
        Toe(s.toe.m, s.toeLoad, SeismicJudge(s, s.toe));
    if (SlabDesigned(m_c.m_L2))
        Heel(s.heel.m, s.heelLoad, SeismicJudge(s, s.heel));
}

// The level's judgements in the form of the summary of the long-term checks.
void SheetComposer::SeismicSummary(const wchar_t* name, const CSeismicResult& s, bool large) {
    const long long LP = m_lay.LP;
    Line(LP + m_lay.fh, kLevelSummaryHead, name);
    MoveTo(m_lay.x0 + m_lay.Wb, m_y);
    if (large) {
        Line(LP, kSummaryOverturn, s.FoE, s.overturnOK ? kSignGreater : kSignLess, m_c.m_FoL,
             Verdict(s.overturnOK));
        Line(LP, kSummarySliding, s.FsE, s.slidingOK ? kSignGreater : kSignLess, m_c.m_FsL,
             Verdict(s.slidingOK));
        Line(LP, kSummaryBearing, s.bearing.qmax, s.bearingOK ? kSignLessEqual : kSignGreater, s.qu,
             Verdict(s.bearingOK));
    }
    Line(LP, kSummaryStem, s.wall.m.rho, RatioText(s.wall.RatioOK()));
    if (SlabInSummary(m_c.m_L1))
        Line(LP, kSummarySlab, s.toe.m.rho, RatioText(s.toe.RatioOK()));
    if (SlabInSummary(m_c.m_L2))
        Line(LP, kSummarySlab, s.heel.m.rho, RatioText(s.heel.RatioOK()));
}

// A row of the printed table: the label with its formula, then the cell of each level; "-"
// for a level that is not checked, or that the row does not concern.
void SheetComposer::LevelsRow(const std::wstring& label, const LevelCell& cell, bool largeOnly) {
    std::wstring text = label;
    for (const CSeismicResult* s : {&m_r.moderate, &m_r.large}) {
        const bool shown = s->checked && (!largeOnly || s == &m_r.large);
        text += FormatSheetLine(kLevelCell, shown ? cell(*s) : std::wstring(L"-"));
    }
    Text(m_lay.LP, text);
}

LevelCell Number(const wchar_t* format, double CSeismicResult::*field) {
    return [format, field](const CSeismicResult& s) { return FormatSheetLine(format, s.*field); };
}

LevelCell Pair(double CSeismicResult::*first, double CSeismicResult::*second) {
    return [first, second](const CSeismicResult& s) {
        return FormatSheetLine(L"%5.2f/%5.2f", s.*first, s.*second);
    };
}

std::wstring Judged(double value, bool ok) {
    return FormatSheetLine(L"%6.2f %s", value, Verdict(ok));
}

void SheetComposer::PageMember(const wchar_t* head, const CSeismicMember CSeismicResult::*member,
                               const wchar_t* momentLabel, const wchar_t* shearLabel) {
    auto of = [member](const CSeismicResult& s) -> const CSeismicMember& { return s.*member; };
    const CMemberResult& longTerm = member == &CSeismicResult::wall  ? m_r.wall
                                    : member == &CSeismicResult::toe ? m_r.toe
                                                                     : m_r.heel;
    // A bar without a usable stress for the level is marked NG beside its stress.
    LevelsRow(head, [of](const CSeismicResult& s) {
        return of(s).barUsable ? FormatSheetLine(L"%6.1f", of(s).m.ft)
                               : FormatSheetLine(L"%6.1f %s", of(s).m.ft, kNG);
    });
    if (member == &CSeismicResult::wall) {
        LevelsRow(kRowP1E, Number(L"%6.2f", &CSeismicResult::P1E));
        LevelsRow(kRowP2E, Number(L"%6.2f", &CSeismicResult::P2E));
    }
    LevelsRow(momentLabel,
              [of](const CSeismicResult& s) { return FormatSheetLine(L"%6.2f", of(s).m.M); });
    LevelsRow(shearLabel,
              [of](const CSeismicResult& s) { return FormatSheetLine(L"%6.2f", of(s).m.Q); });
    LevelsRow(FormatSheetLine(kRowSteel, longTerm.at_p),
              [of](const CSeismicResult& s) { return Judged(of(s).m.at, of(s).SteelOK()); });
    LevelsRow(FormatSheetLine(kRowBalanced, longTerm.pt), [of](const CSeismicResult& s) {
        return FormatSheetLine(L"%6.4f %s", of(s).m.Ptb, Verdict(of(s).BalancedOK()));
    });
    LevelsRow(kRowShear,
              [of](const CSeismicResult& s) { return Judged(of(s).m.tau, of(s).ShearOK(s.fs)); });
}

// Every judgement of a level, for the verdict row of the printed table.
bool LevelOK(const CRTData& c, const CSeismicResult& s, bool large) {
    bool ok = !large || (s.overturnOK && s.slidingOK && s.bearingOK);
    for (const CSeismicMember* m : {&s.wall, &s.toe, &s.heel}) {
        const bool designed = m == &s.wall || SlabDesigned(m == &s.toe ? c.m_L1 : c.m_L2);
        const bool inSummary = m == &s.wall || SlabInSummary(m == &s.toe ? c.m_L1 : c.m_L2);
        if (designed)
            ok = ok && m->SteelOK() && m->BalancedOK() && m->ShearOK(s.fs);
        if (inSummary)
            ok = ok && m->RatioOK();
    }
    return ok;
}

void SheetComposer::SeismicPage(long long top) {
    const long long LP = m_lay.LP;
    MoveTo(m_lay.x0, top);
    Text(0, kSeismicHead);
    if (!m_phiInput) {
        Text(LP, kSeismicNeedsPhi);
        return;
    }
    Text(LP, kPageConventions);
    Text(LP, kKEAFormula);
    Text(LP, kKEARoot);
    Text(LP, kPageHeader);
    LevelsRow(kRowKh, Number(L"%6.3f", &CSeismicResult::kh));
    LevelsRow(kRowTheta0, [](const CSeismicResult& s) {
        return FormatSheetLine(L"%6.2f", RadToDeg(s.theta0));
    });
    LevelsRow(kRowKEA, Number(L"%6.3f", &CSeismicResult::KEA));
    LevelsRow(kRowKEAw, Number(L"%6.3f", &CSeismicResult::KEAw));
    if ((m_r.moderate.checked && !m_r.moderate.bounded) ||
        (m_r.large.checked && !m_r.large.bounded))
        Text(LP, kSeismicUnbounded);
    LevelsRow(kRowPAE, Number(L"%6.2f", &CSeismicResult::PAE));
    LevelsRow(kRowPAEhv, Pair(&CSeismicResult::PAEh, &CSeismicResult::PAEv));
    LevelsRow(kRowDPAE, Number(L"%6.2f", &CSeismicResult::dPAE));
    LevelsRow(kRowDPAEhv, Pair(&CSeismicResult::dPAEh, &CSeismicResult::dPAEv));

    // The bodies that move with the wall are the same for both levels.
    const CSeismicResult& any = m_r.moderate.checked ? m_r.moderate : m_r.large;
    Line(LP, kWs, m_c.m_gammaC, (m_c.m_T1 + m_c.m_T2) / 2, m_r.Hs, any.Ws);
    Line(LP, kYs, m_c.m_D2, m_r.Hs, m_c.m_T2 + 2 * m_c.m_T1, m_c.m_T1 + m_c.m_T2, any.ys);
    Line(LP, kY2, any.A2y, any.A2, any.y2);
    Line(LP, kW3s, m_c.m_gammaS, m_r.A31, m_r.A32 + m_r.A33 + m_r.A34, any.W3s);
    Line(LP, kY3, any.A3y, any.A3, any.y3);
    LevelsRow(kRowHE, Number(L"%6.2f", &CSeismicResult::HE));
    LevelsRow(kRowMHE, Number(L"%6.2f", &CSeismicResult::MHE));

    LevelsRow(kRowMoE, Number(L"%6.2f", &CSeismicResult::MoE));
    LevelsRow(kRowSWE, Number(L"%6.2f", &CSeismicResult::SWE));
    LevelsRow(kRowMrE, Number(L"%6.2f", &CSeismicResult::MrE));
    LevelsRow(
        FormatSheetLine(kRowFoE, m_c.m_FoL),
        [](const CSeismicResult& s) { return Judged(s.FoE, s.overturnOK); }, true);
    LevelsRow(kRowSPE, Number(L"%6.2f", &CSeismicResult::SPE));
    LevelsRow(
        FormatSheetLine(kRowFsE, m_c.m_FsL),
        [](const CSeismicResult& s) { return Judged(s.FsE, s.slidingOK); }, true);
    LevelsRow(kRowD,
              [](const CSeismicResult& s) { return FormatSheetLine(L"%6.3f", s.bearing.d); });
    LevelsRow(kRowE,
              [](const CSeismicResult& s) { return FormatSheetLine(L"%6.3f", s.bearing.e); });
    LevelsRow(kRowQL,
              [](const CSeismicResult& s) { return FormatSheetLine(L"%6.1f", s.bearing.qL); });
    // The heel end's pressure stands while the heel end stays in contact.
    LevelsRow(kRowQR, [](const CSeismicResult& s) {
        return s.bearing.HeelEndInContact() ? FormatSheetLine(L"%6.1f", s.bearing.qR)
                                            : std::wstring(L"-");
    });
    LevelsRow(
        FormatSheetLine(kRowQmax, m_c.m_ru, m_c.m_ru * m_c.m_fe),
        [](const CSeismicResult& s) {
            return FormatSheetLine(L"%6.1f %s", s.bearing.qmax, Verdict(s.bearingOK));
        },
        true);

    LevelsRow(kRowFcFs,
              [](const CSeismicResult& s) { return FormatSheetLine(L"%5.2f/%5.2f", s.fc, s.fs); });
    PageMember(kRowStemHead, &CSeismicResult::wall, kRowStemM, kRowStemQ);
    if (SlabDesigned(m_c.m_L1))
        PageMember(kRowToeHead, &CSeismicResult::toe, kRowSlabM, kRowSlabQ);
    if (SlabDesigned(m_c.m_L2))
        PageMember(kRowHeelHead, &CSeismicResult::heel, kRowSlabM, kRowSlabQ);
    LevelsRow(kRowVerdict, [this](const CSeismicResult& s) {
        return std::wstring(Verdict(LevelOK(m_c, s, &s == &m_r.large)));
    });
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

    // Selector 0: the whole sheet; 1: the first printed page; 2: the second printed page;
    // 3: the third printed page, the seismic checks.
    SheetComposer sheet(*this, r, surface, lay);
    if (selector == 3) {
        sheet.SeismicPage(y0);
    } else {
        long long secondHalfTop = y0;
        bool goOn = true;
        if (selector != 2) {
            goOn = sheet.StabilityPart();
            secondHalfTop = sheet.Y() + lay.LP + lay.fh;
        }
        if (goOn && selector != 1) {
            sheet.SectionDesignPart(secondHalfTop);
            if (selector == 0 && r.seismicAsked)
                sheet.SeismicPart(sheet.Bottom() + lay.LP + lay.fh);
        }
    }

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
