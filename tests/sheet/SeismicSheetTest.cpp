// Section 7) of the calculation sheet, the seismic checks: where it stands in the text and on
// the pages, its rows with their numbers and verdicts, and the rows that stand in for a check
// that cannot be made.
#include "NamedWalls.h"
#include "RecordingSurface.h"
#include "model/BarTable.h"
#include "model/RTData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

std::vector<std::wstring> SheetLines(CRTData c) {
    c.m_strSheet = std::wstring();
    c.DrawSheet(nullptr, 0, 0, 0, 0);
    std::vector<std::wstring> lines;
    const std::wstring& text = c.m_strSheet;
    size_t start = 0;
    for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

const std::wstring kHead = L"7) 地震時の検討";

// The lines from section 7) on.
std::vector<std::wstring> Section7(const std::vector<std::wstring>& lines) {
    auto at = std::find(lines.begin(), lines.end(), kHead);
    return std::vector<std::wstring>(at, lines.end());
}

// Lines that hold text, in their order, with any others between them.
void ExpectInOrder(const std::vector<std::wstring>& lines,
                   const std::vector<std::wstring>& expected) {
    auto at = lines.begin();
    for (const std::wstring& line : expected) {
        at = std::find(at, lines.end(), line);
        ASSERT_NE(at, lines.end()) << "missing or out of order: " << line.size() << " chars";
        ++at;
    }
}

int Count(const std::vector<std::wstring>& lines, const std::wstring& word) {
    int n = 0;
    for (const std::wstring& line : lines) {
        for (size_t at = line.find(word); at != std::wstring::npos; at = line.find(word, at + 1))
            ++n;
    }
    return n;
}

class SeismicSheetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadBarTable(TARVO_TEST_DATA "/../res/reinf.txt")); }
    void TearDown() override { ASSERT_TRUE(LoadBarTable(TARVO_TEST_DATA "/../res/reinf.txt")); }
};

// Both levels of the 3.5 m wall: the sheet up to section 6) and its summary is the sheet
// without an earthquake, and section 7) follows with both blocks, their numbers, signs and
// verdicts in the sheet's forms.
TEST_F(SeismicSheetTest, BothLevelsFollowTheSummaryOfTheLongTermChecks) {
    CRTData c = Wall35();
    const std::vector<std::wstring> still = SheetLines(c);
    c.m_kh1 = 0.2;
    c.m_kh2 = 0.25;
    const std::vector<std::wstring> lines = SheetLines(c);
    ASSERT_GT(lines.size(), still.size());
    EXPECT_TRUE(std::equal(still.begin(), still.end(), lines.begin()));
    EXPECT_EQ(lines[still.size()], kHead);

    ExpectInOrder(
        Section7(lines),
        {
            kHead,
            L"　 中地震時（設計水平震度 kh＝0.200）",
            L"　　地震合成角　θ0 ＝tan^-1(0.200)　　                         ＝ 11.31°",
            L"　　安定計算用　　KEA ＝ 0.473 [φ＝ 30.00°，δ＝  0.00°，α＝  0.00°，θ＝  0.00°]",
            L"　　壁体設計用　　KEAw＝ 0.452 [φ＝ 30.00°，δ＝ 15.00°，α＝  0.00°，θ＝  0.00°]",
            L"　　壁体重心高　ys ＝ 0.500＋ 3.000× 1.100／(3× 0.800)　      ＝ 1.875(m)",
            L"　　基礎重心高　y2 ＝ 0.3268／ 1.4200　　　                     ＝ 0.230(m)",
            L"　　背面土重心高y3 ＝11.5920／ 5.7900　　　                     ＝ 2.002(m)",
            L"　　左端接地圧　qL ＝  60.6× 1.901　            ＝ 115.2(kN/m^2)",
            L"　　右端接地圧　qR ＝  60.6× 0.099　            ＝   6.0(kN/m^2)",
            L"　　短期許容応力度　fc ＝2×24.0／3＝ 16.00(N/mm^2)　fs ＝1.5× 0.73＝  1.09(N/mm^2)",
            L"　　配　　筋　　    D19-@150 (SD345)  ft ＝  34.5(kN/cm^2)",
            L"　 中地震時の判定",
            L"壁筋の検討　 応力度比：  0.26 ≦ 1.0 OK",
            L"　 大地震時（設計水平震度 kh＝0.250）",
            L"　　水平慣性力　HE ＝0.250×( 28.80＋  0.00＋ 34.08＋104.22)　  ＝ 41.78(kN)",
            L"　　転倒安全率　F  ＝347.67 ／166.05　                ＝  2.09  ≧ 1.0(安全率)   OK",
            L"　　全水平力　 ΣPE＝ 57.15 ＋ 18.14 ＋ 41.78　                 ＝117.07(kN)",
            L"　　滑動安全率　F  ＝ 93.91 ／117.07                  ＝  0.80  ＜ 1.0(安全率)   NG",
            L"　　極限支持力　qu ＝ 3.0× 200.0　              ＝ 600.0(kN/m^2)",
            L"　　最大接地圧　qmax                             ＝ 129.5 ≦ qu ＝ 600.0(kN/m^2) OK",
            L"　　材料強度　　　　fc ＝24.0(N/mm^2)　　　　　 fs ＝3× 0.73＝  2.19(N/mm^2)",
            L"　 大地震時の判定",
            L"転倒の検討 　安全率　：  2.09 ＞ 1.0 OK",
            L"滑動の検討 　安全率　：  0.80 ＜ 1.0 NG",
            L"接地圧の検討 接地圧　： 129.5 ≦ 600 OK",
        });
    // The moderate earthquake judges no stability, the large one overturning and sliding.
    EXPECT_EQ(Count(Section7(lines), L"(安全率)"), 2);
    // Beyond the middle third in the large earthquake the heel end lifts off: one qR row.
    EXPECT_EQ(Count(Section7(lines), L"右端接地圧"), 1);
}

// Rows that stand for a check that cannot be made: without phi only the note; an unbounded
// wedge its line after the coefficients and NG throughout; a bar without a usable stress its
// note and NG for that member.
TEST_F(SeismicSheetTest, ChecksThatCannotBeMadeSayWhyAndFail) {
    CRTData ka = Wall35();
    ka.m_bPhiInput = 0;
    ka.m_kh1 = 0.2;
    EXPECT_EQ(Section7(SheetLines(ka)),
              (std::vector<std::wstring>{
                  kHead, L"地震時の検討は内部摩擦角(φ)を入力した場合に行います。"}));

    CRTData unbounded = Wall35();
    unbounded.m_kh2 = 1.0;
    const std::vector<std::wstring> lines = Section7(SheetLines(unbounded));
    const std::wstring line = L"　　φ－α－θ0≦0 のため地震時土圧が定まらない：この検討は NG とする";
    auto at = std::find(lines.begin(), lines.end(), line);
    ASSERT_NE(at, lines.end());
    EXPECT_EQ((at - 1)->rfind(L"　　壁体設計用　　KEAw＝", 0), 0u);
    EXPECT_EQ(Count(lines, L"OK"), 0);
    EXPECT_GT(Count(lines, L"NG"), 15);

    std::istringstream table("BarGrade  area,dia,long,short,perimeter,mass,yield\n"
                             "D16 SD295 199,159,195,0,50,1560,295\n"
                             "D19 SD345 287,191,215,345,60,2250,345\n");
    ASSERT_TRUE(LoadBarTable(table));
    CRTData bars = Wall35();
    bars.m_kh1 = 0.2;
    const std::vector<std::wstring> moderate = Section7(SheetLines(bars));
    const std::wstring note =
        L"　　　　　　　　鉄筋表の値が 0 か長期許容応力度未満のため、この部材は NG とする";
    EXPECT_EQ(Count(moderate, note), 2); // toe and heel, not the stem
    ExpectInOrder(moderate, {L"　 つまさき板 [ L1＝0.80m] 部分",
                             L"　　配　　筋　　    D16-@200 (SD295)  ft ＝   0.0(kN/cm^2)", note,
                             L"底板の検討　 応力度比：   inf ＞ 1.0 NG"});
}

// On paper the section is the third page, from its top, complete even where the screen and
// the text stop at an overturning wall; the first and the second page do not carry it.
TEST_F(SeismicSheetTest, ThirdPageCarriesTheSectionEvenAfterAnOverturningStop) {
    CRTData c = Wall35();
    c.m_L1 = 0.1;
    c.m_L2 = 0.2;
    c.m_kh2 = 0.25;
    const std::vector<std::wstring> text = SheetLines(c);
    EXPECT_EQ(text.back(), L"転倒安全率が 1.0 未満である");
    EXPECT_TRUE(Section7(text).empty());

    CRecordingSurface page3(600, 600);
    c.DrawSheet(&page3, 92, 189, 118, 3);
    const std::vector<RecordedOp> ops = page3.OpsOfKind(RecordedOp::TEXT);
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.front().text, kHead);
    EXPECT_EQ(ops.front().points.front().x, 189);
    EXPECT_EQ(ops.front().points.front().y, 118);
    EXPECT_EQ(ops.back().text.rfind(L"　　判定", 0), 0u);
    EXPECT_TRUE(page3.Restored());
    for (int selector : {1, 2}) {
        CRecordingSurface s(600, 600);
        c.DrawSheet(&s, 92, 189, 118, selector);
        for (const RecordedOp& op : s.OpsOfKind(RecordedOp::TEXT))
            EXPECT_NE(op.text, kHead) << selector;
    }
}

// The printed page holds both levels of a wall with toe and heel on one sheet of A4 at the
// default font: a table of the levels side by side, each value with the formula it comes from,
// and the verdicts of each level.
TEST_F(SeismicSheetTest, ThirdPageFitsBothLevelsOnOneSheet) {
    CRTData c = Wall35();
    c.m_kh1 = 0.2;
    c.m_kh2 = 0.25;
    CRecordingSurface page(600, 600);
    // A4 at 600 pixels per inch, 15 mm margins: the sheet starts at 352 and the frame ends at
    // 7016 - 120 - 354 = 6542.
    const int fh = 92, top = 352, bottom = 6542;
    c.DrawSheet(&page, fh, 423, top, 3);
    const std::vector<RecordedOp> ops = page.OpsOfKind(RecordedOp::TEXT);
    ASSERT_GT(ops.size(), 40u);
    EXPECT_LE(ops.back().points.front().y + fh, bottom);
    std::vector<std::wstring> lines;
    for (const RecordedOp& op : ops)
        lines.push_back(op.text);
    auto row = [&](const std::wstring& start) {
        for (const std::wstring& line : lines) {
            if (line.rfind(start, 0) == 0)
                return line.substr(line.find(L"：") + 1);
        }
        return std::wstring(L"(missing)");
    };
    EXPECT_EQ(row(L"　　設計水平震度"), L"       0.200       0.250");
    EXPECT_EQ(row(L"　　転倒安全率"), L"           -     2.09 OK");
    EXPECT_EQ(row(L"　　滑動安全率"), L"           -     0.80 NG");
    EXPECT_EQ(row(L"　　最大接地圧"), L"           -    129.5 OK");
    EXPECT_EQ(row(L"　　右端接地圧"), L"         6.0           -");
    EXPECT_EQ(row(L"　　判定"), L"          OK          NG");

    // Without an entered friction angle the page holds the note alone.
    c.m_bPhiInput = 0;
    CRecordingSurface note(600, 600);
    c.DrawSheet(&note, fh, 423, top, 3);
    const std::vector<RecordedOp> noteOps = note.OpsOfKind(RecordedOp::TEXT);
    ASSERT_EQ(noteOps.size(), 2u);
    EXPECT_EQ(noteOps[1].text, L"地震時の検討は内部摩擦角(φ)を入力した場合に行います。");
}

// A bar that the table gives no usable seismic stress is NG beside its stress on the printed
// page, and so are its member's checks of that level.
TEST_F(SeismicSheetTest, ThirdPageMarksABarWithoutAUsableStress) {
    std::istringstream table("BarGrade  area,dia,long,short,perimeter,mass,yield\n"
                             "D16 SD295 199,159,195,0,50,1560,295\n"
                             "D19 SD345 287,191,215,345,60,2250,345\n");
    ASSERT_TRUE(LoadBarTable(table));
    CRTData c = Wall35();
    c.m_kh1 = 0.2;
    c.m_kh2 = 0.25;
    CRecordingSurface page(600, 600);
    c.DrawSheet(&page, 92, 423, 352, 3);
    std::vector<std::wstring> heads;
    for (const RecordedOp& op : page.OpsOfKind(RecordedOp::TEXT)) {
        if (op.text.find(L"ft（短期許容応力度，降伏点）") != std::wstring::npos)
            heads.push_back(op.text.substr(op.text.find(L"：") + 1));
    }
    EXPECT_EQ(heads,
              (std::vector<std::wstring>{L"        34.5        34.5", L"      0.0 NG        29.5",
                                         L"      0.0 NG        29.5"}));
}

// On screen section 7) starts below the bearing-pressure figure of the summary.
TEST_F(SeismicSheetTest, OnScreenTheSectionFollowsTheFigureOfTheSummary) {
    CRTData c = Wall35();
    c.m_kh1 = 0.2;
    CRecordingSurface s(96, 96);
    c.DrawSheet(&s, 15, 30, 0, 0);
    int figureBottom = 0;
    for (RecordedOp::Kind kind : {RecordedOp::LINE, RecordedOp::POLYGON}) {
        for (const RecordedOp& op : s.OpsOfKind(kind)) {
            for (const SurfacePoint& p : op.points)
                figureBottom = std::max(figureBottom, p.y);
        }
    }
    int head = -1;
    int previous = 0;
    for (const RecordedOp& op : s.OpsOfKind(RecordedOp::TEXT)) {
        if (op.text == kHead)
            head = op.points.front().y;
        else if (head < 0)
            previous = std::max(previous, op.points.front().y);
    }
    const int Hb = 293; // 220 pt at 96 pixels per inch
    ASSERT_GT(head, 0);
    EXPECT_GE(head, figureBottom);
    EXPECT_GE(head, previous + 18 + 15);
    EXPECT_LE(head, previous + Hb + 18 + 15);
}

} // namespace
