// The calculation sheet: its clipboard text compared byte for byte with reviewed sheets, the
// line mechanism of the text form, the formatting of the sheet's fields, and the placement of
// the same lines, fonts and figure boxes on a drawing surface for the three page selectors.
#include "GoldenCases.h"
#include "NamedWalls.h"
#include "RecordingSurface.h"
#include "calc/DesignResult.h"
#include "model/BarTable.h"
#include "model/RTData.h"
#include "model/Units.h"
#include "sheet/SheetFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

namespace {

std::string Utf8(const std::wstring& text) {
    std::string out;
    for (wchar_t w : text) {
        const auto c = static_cast<char32_t>(w);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::wstring SheetText(CRTData c) {
    c.m_strSheet = std::wstring();
    c.DrawSheet(nullptr, 0, 0, 0, 0);
    return c.m_strSheet;
}

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

class SheetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadBarTable(TARVO_TEST_DATA "/../res/reinf.txt")); }
};

TEST_F(SheetTest, ClipboardTextMatchesReviewedSheets) {
    for (const GoldenCase& g : kGoldenCases) {
        SCOPED_TRACE(g.file);
        const CRTData c = g.wall;
        const std::string actual = Utf8(SheetText(c));
        const std::string expected =
            ReadFile(std::string(TARVO_TEST_DATA "/golden/") + g.file + ".txt");
        if (actual != expected) {
            // Left beside the test binary for a diff against the reviewed sheet.
            std::ofstream(std::string(g.file) + ".actual.txt", std::ios::binary) << actual;
        }
        EXPECT_TRUE(actual == expected) << "sheet differs; see " << g.file << ".actual.txt";
    }
}

TEST_F(SheetTest, EveryLineEndsInCrLfAndNoLineIsEmpty) {
    for (const GoldenCase& g : kGoldenCases) {
        SCOPED_TRACE(g.file);
        const CRTData c = g.wall;
        const std::wstring text = SheetText(c);
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text.substr(text.size() - 2), L"\r\n");
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == L'\r') {
                EXPECT_EQ(text[i + 1], L'\n') << "at " << i;
            }
            if (text[i] == L'\n') {
                EXPECT_EQ(text[i - 1], L'\r') << "at " << i;
            }
        }
        for (const std::wstring& line : SplitLines(text))
            EXPECT_FALSE(line.empty());
    }
}

// The second printed page of a case as text (selector 2).
std::vector<std::wstring> SecondPageLines(CRTData c) {
    c.m_strSheet = std::wstring();
    c.DrawSheet(nullptr, 0, 0, 0, 2);
    return SplitLines(c.m_strSheet);
}

bool HasLine(const std::vector<std::wstring>& lines, const std::wstring& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The slab rows name the pressure figure the slab carries under a heel-side triangle: nothing
// under the toe when the zero point lies beyond its stem face (the triangle rows with length 0),
// and a triangle of length Xn at the heel end when it lies inside the heel (the toe's triangle
// rows with qR0, Xn and L2).
TEST_F(SheetTest, HeelSideSlabRowsShowTheTriangleTheSlabCarries) {
    const wchar_t* const triangleMoment = L"　　曲げﾓｰﾒﾝﾄ　 M  ＝%6.2f×%6.3f×(%6.3f－%6.3f／3)／2";
    const wchar_t* const triangleShear = L"　　せん断力　　Q  ＝%6.2f×%6.3f／2";

    const CRTData underStem = HeelSideUnderStemWall();
    std::vector<std::wstring> lines = SplitLines(SheetText(underStem));
    EXPECT_TRUE(HasLine(lines, FormatSheetLine(triangleMoment, 0.0, 0.0, 0.3, 0.0)));
    EXPECT_TRUE(HasLine(lines, FormatSheetLine(triangleShear, 0.0, 0.0)));

    CRTData insideHeel;
    insideHeel.m_L2 = 1.5;
    insideHeel.m_M = -60;
    CDesignResult r;
    CRTData(insideHeel).Calculate(r);
    ASSERT_TRUE(r.bearing.HeelSide());
    lines = SecondPageLines(insideHeel);
    const double Xn = r.bearing.Xn, qR0 = r.bearing.qR0;
    EXPECT_TRUE(HasLine(lines, FormatSheetLine(triangleMoment, qR0, Xn, 1.5, Xn)));
    EXPECT_TRUE(HasLine(lines, FormatSheetLine(triangleShear, qR0, Xn)));
}

// A resultant exactly on the toe-side third point (e/B = 1/6, reached with a top moment) belongs
// to the middle third: the middle-third row of Xn and the heel-end pressure row are printed.
TEST_F(SheetTest, ResultantOnTheThirdPointPrintsTheMiddleThirdRows) {
    CRTData c;
    c.m_M = 9.4640833333333632;
    CDesignResult r;
    CRTData(c).Calculate(r);
    ASSERT_EQ(r.bearing.eB, 1.0 / 6.0);
    ASSERT_FALSE(r.overturnFailure);
    const std::vector<std::wstring> lines = SplitLines(SheetText(c));
    auto starts = [&](const std::wstring& prefix) {
        return std::any_of(lines.begin(), lines.end(), [&](const std::wstring& line) {
            return line.compare(0, prefix.size(), prefix) == 0;
        });
    };
    EXPECT_TRUE(starts(L"　　中　立　軸　Xn ＝ 1.450/ 2 ×{1.0＋1／(6× 0.167)}"));
    EXPECT_TRUE(starts(L"　　右端接地圧　qR ＝"));
}

// A slab length that is not positive omits the slab's block, while the summary leaves out only
// a slab of length exactly 0: a negative length still prints its summary row.
TEST_F(SheetTest, NegativeSlabLengthKeepsItsSummaryRow) {
    const struct {
        double L1, L2;
        const wchar_t* block;
        int summaryRows;
    } rows[] = {{-0.1, 0.9, L"　 つまさき板", 2},
                {0.3, -0.1, L"　 かかと板", 2},
                {0.0, 0.9, L"　 つまさき板", 1},
                {0.3, 0.0, L"　 かかと板", 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.L1 << " " << row.L2);
        CRTData c;
        c.m_L1 = row.L1;
        c.m_L2 = row.L2;
        const std::vector<std::wstring> lines = SecondPageLines(c);
        auto count = [&](const std::wstring& prefix) {
            return std::count_if(lines.begin(), lines.end(), [&](const std::wstring& line) {
                return line.compare(0, prefix.size(), prefix) == 0;
            });
        };
        EXPECT_EQ(count(row.block), 0);
        EXPECT_EQ(count(L"底板の検討"), row.summaryRows);
    }
}

// Only the value 1 means that phi was entered; any other value read from a file is the
// KA-entered mode, for the calculation and for the sheet alike.
TEST_F(SheetTest, OnlyOneMeansPhiEntered) {
    CRTData two, zero;
    two.m_bPhiInput = 2;
    zero.m_bPhiInput = 0;
    EXPECT_TRUE(SheetText(two) == SheetText(zero));
}

// A provided steel ratio exactly equal to the balanced ratio (a cover chosen for it) is OK, with
// the sign "＜", since the sign marks pt < Ptb and the verdict pt <= Ptb.
TEST_F(SheetTest, SteelRatioEqualToTheBalancedRatio) {
    CRTData c;
    c.m_dtWall = 0.17120408163265305;
    CDesignResult r;
    CRTData(c).Calculate(r);
    ASSERT_EQ(r.wall.pt, r.wall.Ptb);
    const std::wstring expected = FormatSheetLine(
        L"　  　　　　　　   ＝%6.4f [n ＝ %2.0f，γ ＝ %2.1f ]       %2s  pt ＝%8.4f       %2s",
        r.wall.Ptb, 15.0, 0.0, L"＜", r.wall.pt, L"OK");
    EXPECT_TRUE(HasLine(SplitLines(SheetText(c)), expected));
}

// A wall that overturns has its resultant off the base: the summary of the second page judges
// its bearing NG although the linear formulas give a pressure below fe.
TEST_F(SheetTest, OverturningWallsBearingIsNgOnTheSecondPage) {
    const CRTData c = OverturningWall();
    CDesignResult r;
    CRTData(c).Calculate(r);
    ASSERT_LE(r.bearing.qmax, c.m_fe);
    const std::wstring expected = FormatSheetLine(L"接地圧の検討 接地圧　：%6.1f %s%4.0f %s",
                                                  r.bearing.qmax, L"＞", c.m_fe, L"NG");
    EXPECT_TRUE(HasLine(SecondPageLines(c), expected));
}

TEST_F(SheetTest, TextIsAppendedToWhatTheBufferHolds) {
    CRTData c;
    const std::wstring once = SheetText(c);
    c.m_strSheet = std::wstring(L"前の内容\r\n");
    c.DrawSheet(nullptr, 0, 0, 0, 0);
    c.DrawSheet(nullptr, 0, 0, 0, 0);
    EXPECT_TRUE(c.m_strSheet == L"前の内容\r\n" + once + once);
}

TEST_F(SheetTest, TitleIsPrintedAsItStandsEvenWithPercentSigns) {
    CRTData c;
    c.m_strTitle = L"擁壁 %s %d 100%";
    EXPECT_TRUE(SplitLines(SheetText(c)).front() == c.m_strTitle);
}

// The sheet computes the case anew on the case itself: stale derived inputs (KA and the wall
// friction angle in the phi-entered mode) are refreshed before anything is printed.
TEST_F(SheetTest, SheetRefreshesTheDerivedInputsBeforePrinting) {
    CRTData c;
    c.m_KA = 0.9;
    c.m_deltaW = 0.0;
    c.DrawSheet(nullptr, 0, 0, 0, 0);
    EXPECT_NEAR(c.m_KA, 1.0 / 3.0, 1e-12);
    EXPECT_NEAR(RadToDeg(c.m_deltaW), 20.0, 1e-9);
    EXPECT_TRUE(c.m_strSheet == SheetText(CRTData()));
}

TEST(SheetFormatTest, FieldsFollowThePrintfConventionsInCharacters) {
    const std::wstring sign = L"≧";
    const std::wstring bar = L"D10+D13";
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        std::wstring actual;
        std::wstring expected;
    } rows[] = {
        {FormatSheetLine(L"[%2s]", sign), L"[ ≧]"},
        {FormatSheetLine(L"[%s]", L"OK"), L"[OK]"},
        {FormatSheetLine(L"[%7s][%5s]", L"D13", L""), L"[    D13][     ]"},
        {FormatSheetLine(L"[%7s]", bar), L"[D10+D13]"},
        {FormatSheetLine(L"[%7s]", L"D10+D13+"), L"[D10+D13+]"},
        {FormatSheetLine(L"[%-4i]", 200), L"[200 ]"},
        {FormatSheetLine(L"[%-4i]", 12345), L"[12345]"},
        {FormatSheetLine(L"%6.1f|%6.2f|%6.3f", 21.0, 0.005, 2.0 / 3.0), L"  21.0|  0.01| 0.667"},
        {FormatSheetLine(L"%6.2f|%6.2f|%6.2f", nan, -inf, inf), L"   nan|  -inf|   inf"},
        {FormatSheetLine(L"%2.0f|%2.1f|%4.0f|%8.4f", 15.0, 0.0, 50.0, 0.0050800),
         L"15|0.0|  50|  0.0051"},
        {FormatSheetLine(L"100%% ＝%6.2f", 1.0), L"100% ＝  1.00"},
    };
    for (const Row& row : rows)
        EXPECT_TRUE(row.actual == row.expected) << Utf8(row.actual);
}

TEST(SheetFormatTest, LongLinesAreNotCut) {
    const std::wstring line = FormatSheetLine(L"%6.2f", 1e300);
    EXPECT_EQ(line.size(), 304u); // 301 digits, the point and two decimals
    EXPECT_EQ(line.substr(line.size() - 3), L".00");
}

// ---- Drawing surface ----

// A sheet line as drawn: the text and its top-left corner.
struct DrawnLine {
    int x;
    int y;
    std::wstring text;
};

// The sheet's own lines: drawn in the sheet font (fixed pitch) with the surface's alignment.
std::vector<DrawnLine> SheetLines(const CRecordingSurface& s) {
    std::vector<DrawnLine> lines;
    for (const RecordedOp& op : s.OpsOfKind(RecordedOp::TEXT))
        if (op.font.pitch == 1 && op.align == 0)
            lines.push_back({op.points[0].x, op.points[0].y, op.text});
    return lines;
}

// Expected positions, written from the layout rules: a column of rows, each given by its
// advance below the previous one.
struct Column {
    int x;
    int y;
    std::vector<int> advances; // the first row at y + advances[0]
};

std::vector<SurfacePoint> Positions(const std::vector<Column>& columns) {
    std::vector<SurfacePoint> points;
    for (const Column& column : columns) {
        int y = column.y;
        for (int advance : column.advances) {
            y += advance;
            points.push_back({column.x, y});
        }
    }
    return points;
}

std::vector<int> Repeat(int n, int advance) {
    return std::vector<int>(n, advance);
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class SheetSurfaceTest : public SheetTest {
protected:
    // fh = 13: LP = 15 (15.6 truncated), labels 8 high (8.67 truncated). Different resolutions
    // across and down show which one each box measure is converted with.
    static constexpr int kFh = 13, kLP = 15, kLabel = 8;
    static constexpr int kX0 = 30, kY0 = 40;
    static constexpr int kDpiX = 144, kDpiY = 96;
    static constexpr int kWb = 460; // MulDiv(230, 144, 72)
    static constexpr int kHb = 293; // MulDiv(220, 96, 72)
    static constexpr int kU = 20;   // MulDiv(15, 96, 72)

    // Rows of the first half of the default case, up to row 36 of section 5).
    static std::vector<Column> FirstHalf() {
        const int sectionGap = kLP + kFh;
        return {
            {kX0, kY0, {0}},
            {kX0 + kWb, kY0 + kLP + kU, Join({{0}, Repeat(13, kLP)})},
            {kX0, kY0 + kLP + kHb,
             Join({{0},
                   Repeat(9, kLP),
                   {sectionGap},
                   Repeat(6, kLP),
                   {sectionGap},
                   Repeat(4, kLP),
                   {sectionGap},
                   Repeat(3, kLP),
                   {sectionGap},
                   Repeat(7, kLP)})},
        };
    }
    static int FirstHalfEnd() { return Positions(FirstHalf()).back().y; }

    // Rows of the second half of the default case from y = top.
    static std::vector<Column> SecondHalf(int top) {
        const std::vector<int> slab = Join({{kLP + kFh, 2 * kFh}, Repeat(8, kLP)});
        const std::vector<int> section =
            Join({{0, 2 * kFh, kLP, kLP, 2 * kLP, 2 * kFh}, Repeat(9, kLP), slab, slab});
        int yf = top;
        for (int advance : section)
            yf += advance;
        return {
            {kX0, top, section},
            {kX0, yf + 2 * kU, {0}},
            {kX0 + kWb, yf + 2 * kU, Repeat(6, kLP)},
        };
    }

    static std::vector<SurfacePoint> Points(const std::vector<DrawnLine>& lines) {
        std::vector<SurfacePoint> points;
        for (const DrawnLine& line : lines)
            points.push_back({line.x, line.y});
        return points;
    }

    static void ExpectPositions(const std::vector<DrawnLine>& lines,
                                const std::vector<SurfacePoint>& expected) {
        ASSERT_EQ(lines.size(), expected.size());
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].x, expected[i].x) << "line " << i << ": " << Utf8(lines[i].text);
            EXPECT_EQ(lines[i].y, expected[i].y) << "line " << i << ": " << Utf8(lines[i].text);
        }
    }

    static void ExpectFontsRestored(const CRecordingSurface& s) {
        EXPECT_TRUE(s.Restored());
        EXPECT_TRUE(s.Faults().empty());
        for (const RecordedOp& op : s.OpsOfKind(RecordedOp::TEXT)) {
            if (op.font.pitch == 1) {
                EXPECT_EQ(op.font.height, kFh);
                EXPECT_EQ(op.font.escapement, 0);
                EXPECT_TRUE(op.font.face == kSheetFace);
            } else {
                EXPECT_EQ(op.font.height, kLabel) << Utf8(op.text);
            }
        }
    }

    static std::vector<DrawnLine> Draw(CRTData& c, CRecordingSurface& s, int selector) {
        c.DrawSheet(&s, kFh, kX0, kY0, selector);
        return SheetLines(s);
    }
};

TEST_F(SheetSurfaceTest, WholeSheetPlacesTheTextLinesByTheLayoutRules) {
    CRTData c;
    CRecordingSurface s(kDpiX, kDpiY);
    const std::vector<DrawnLine> lines = Draw(c, s, 0);

    std::vector<Column> columns = FirstHalf();
    for (const Column& column : SecondHalf(FirstHalfEnd() + kLP + kFh))
        columns.push_back(column);
    ExpectPositions(lines, Positions(columns));

    // The same lines in the same order as the clipboard text, and nothing in the text buffer.
    const std::vector<std::wstring> text = SplitLines(SheetText(c));
    ASSERT_EQ(lines.size(), text.size());
    for (size_t i = 0; i < text.size(); ++i)
        EXPECT_TRUE(lines[i].text == text[i]) << i;
    EXPECT_TRUE(c.m_strSheet.empty());

    ExpectFontsRestored(s);
}

TEST_F(SheetSurfaceTest, PrintedPagesSplitTheSheetAtSectionSix) {
    CRTData c;
    const std::vector<std::wstring> text = SplitLines(SheetText(c));

    CRecordingSurface first(kDpiX, kDpiY);
    const std::vector<DrawnLine> page1 = Draw(c, first, 1);
    ExpectPositions(page1, Positions(FirstHalf()));
    ExpectFontsRestored(first);

    CRecordingSurface second(kDpiX, kDpiY);
    const std::vector<DrawnLine> page2 = Draw(c, second, 2);
    ExpectPositions(page2, Positions(SecondHalf(kY0)));
    ExpectFontsRestored(second);

    ASSERT_EQ(page1.size() + page2.size(), text.size());
    EXPECT_TRUE(page2.front().text == text[page1.size()]);
}

// Outside the middle third the heel pressure row is not drawn, but its place stays empty.
TEST_F(SheetSurfaceTest, MissingHeelPressureRowKeepsItsPlace) {
    CRTData c = OutsideToeWall();
    CRecordingSurface s(kDpiX, kDpiY);
    const std::vector<DrawnLine> lines = Draw(c, s, 0);
    const std::vector<SurfacePoint> firstHalf = Positions(FirstHalf());
    // Everything up to the toe pressure row as in the default case; row 36 is missing.
    const size_t toeRow = firstHalf.size() - 2;
    ASSERT_GT(lines.size(), toeRow + 1);
    EXPECT_EQ(lines[toeRow].y, firstHalf[toeRow].y);
    EXPECT_EQ(lines[toeRow + 1].y, firstHalf.back().y + kLP + kFh);
    EXPECT_TRUE(lines[toeRow + 1].text == SplitLines(SheetText(c))[toeRow + 1]);
    ExpectFontsRestored(s);
}

// Fo below 1.0 ends the first page and the screen sheet after the message; the second printed
// page is complete all the same. The font is released on every path.
TEST_F(SheetSurfaceTest, OverturningStopEndsTheFirstHalfOnly) {
    CRTData c = OverturningWall();
    const std::wstring stop = SplitLines(SheetText(c)).back();
    for (int selector : {0, 1}) {
        SCOPED_TRACE(selector);
        CRecordingSurface s(kDpiX, kDpiY);
        const std::vector<DrawnLine> lines = Draw(c, s, selector);
        ASSERT_FALSE(lines.empty());
        EXPECT_TRUE(lines.back().text == stop);
        const DrawnLine& sliding = lines[lines.size() - 2];
        EXPECT_EQ(lines.back().y, sliding.y + kLP + kFh);
        ExpectFontsRestored(s);
    }
    CRecordingSurface s(kDpiX, kDpiY);
    const std::vector<DrawnLine> page2 = Draw(c, s, 2);
    ExpectPositions(page2, Positions(SecondHalf(kY0)));
    ExpectFontsRestored(s);
}

// The heel block decides where figure 2 and the summary go: at the heel block's last row, or
// one line pitch below the last row when there is no heel block.
TEST_F(SheetSurfaceTest, SummaryFollowsTheLastPrintedBlock) {
    for (bool heel : {true, false}) {
        SCOPED_TRACE(heel);
        CRTData c;
        if (!heel)
            c.m_L2 = 0.0;
        CRecordingSurface s(kDpiX, kDpiY);
        const std::vector<DrawnLine> lines = Draw(c, s, 2);
        const int summaryRows = heel ? 6 : 5;
        const size_t caption = lines.size() - summaryRows - 1;
        const int yf = lines[caption - 1].y + (heel ? 0 : kLP);
        EXPECT_EQ(lines[caption].x, kX0);
        EXPECT_EQ(lines[caption].y, yf + 2 * kU);
        EXPECT_EQ(lines[caption + 1].x, kX0 + kWb);
        EXPECT_EQ(lines[caption + 1].y, yf + 2 * kU + kLP);
        // The pressure figure is drawn into the box from (x0, Yf) to (x0 + Wb, Yf + Hb).
        for (const RecordedOp& op : s.OpsOfKind(RecordedOp::POLYGON)) {
            for (const SurfacePoint& p : op.points) {
                EXPECT_GE(p.x, kX0);
                EXPECT_LE(p.x, kX0 + kWb);
                EXPECT_GE(p.y, yf);
                EXPECT_LE(p.y, yf + kHb);
            }
        }
        ExpectFontsRestored(s);
    }
}

TEST_F(SheetSurfaceTest, WallFigureIsDrawnIntoItsBoxBelowTheTitle) {
    CRTData c;
    CRecordingSurface s(kDpiX, kDpiY);
    Draw(c, s, 1);
    const std::vector<RecordedOp> polygons = s.OpsOfKind(RecordedOp::POLYGON);
    ASSERT_FALSE(polygons.empty());
    for (const RecordedOp& op : polygons) {
        for (const SurfacePoint& p : op.points) {
            EXPECT_GE(p.x, kX0);
            EXPECT_LE(p.x, kX0 + kWb);
            EXPECT_GE(p.y, kY0 + kLP);
            EXPECT_LE(p.y, kY0 + kLP + kHb);
        }
    }
}

// The font size comes from the document file unchecked: an absurd one must neither overflow the
// positions nor lose lines. Positions far beyond any page stay at 2^28.
TEST_F(SheetSurfaceTest, AbsurdFontHeightKeepsPositionsInRange) {
    CRTData c;
    CRecordingSurface s(kDpiX, kDpiY);
    c.DrawSheet(&s, INT_MAX, kX0, kY0, 0);
    const std::vector<DrawnLine> lines = SheetLines(s);
    ASSERT_EQ(lines.size(), SplitLines(SheetText(c)).size());
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].x == lines[i - 1].x) {
            EXPECT_GE(lines[i].y, lines[i - 1].y) << i;
        }
    }
    EXPECT_EQ(lines.back().y, 1 << 28);
    EXPECT_TRUE(s.Restored());
}

TEST_F(SheetSurfaceTest, OutputLineSetsAndRestoresAGivenAlignment) {
    CRTData c;
    CRecordingSurface s;
    c.OutputLine(&s, 5, 6, L"a", TA_RIGHT + TA_BOTTOM);
    c.OutputLine(&s, 7, 8, L"b", 0);
    const std::vector<RecordedOp> texts = s.OpsOfKind(RecordedOp::TEXT);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].align, 10u);
    EXPECT_EQ(texts[1].align, 0u);
    EXPECT_EQ(texts[1].points[0].x, 7);
    EXPECT_EQ(texts[1].points[0].y, 8);
    EXPECT_TRUE(s.Restored());
    EXPECT_TRUE(c.m_strSheet.empty());
}

} // namespace
