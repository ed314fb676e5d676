// The wall figure and the bearing-pressure figure on a recording surface: scale and corner
// points, dimension lines, labels with their formats, fonts and alignments, the hatched
// pressure diagram, the release of every font and brush, and the figures that are left out
// when the numbers give nothing to draw.
#include "NamedWalls.h"
#include "RecordingSurface.h"
#include "calc/DesignResult.h"
#include "model/RTData.h"
#include "model/Units.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// On a 96 pixels-per-inch screen with the 11-point sheet font: label font 10, figure unit 20
// (15 points), box 307 x 293 (230 x 220 points).
constexpr int kHF = 10;
constexpr int kA = 20;
constexpr int kBoxW = 307;
constexpr int kBoxH = 293;

void DrawWall(CRTData& c, CRecordingSurface& s, int left = 0, int top = 0) {
    c.DrawWallFigure(&s, kHF, kA, left, top, left + kBoxW, top + kBoxH);
}

void DrawPressure(CRTData& c, CRecordingSurface& s, const CBearingPressure& p) {
    c.DrawPressureFigure(&s, kHF, kA, 0, 0, kBoxW, kBoxH, p);
}

// A pressure line p(x) = qL - (qL / Xn) x from the toe end of the wall c.
void DrawPressure(CRTData& c, CRecordingSurface& s, double qL, double Xn) {
    CBearingPressure p;
    p.branch = BearingBranch::ToeSide;
    p.B = c.m_L1 + c.m_T2 + c.m_L2;
    p.qL = qL;
    p.Xn = Xn;
    PressuresUnderBase(p, c.m_L1, c.m_T2);
    DrawPressure(c, s, p);
}

CDesignResult Calculated(CRTData& c) {
    CDesignResult r;
    c.Calculate(r);
    return r;
}

// Every font and brush selected back and deleted, alignment back at 0, nothing misused.
void ExpectLeftAsFound(const CRecordingSurface& s) {
    EXPECT_TRUE(s.Restored());
    EXPECT_THAT(s.Faults(), IsEmpty());
}

RecordedOp TextOp(const CRecordingSurface& s, const std::wstring& text) {
    for (const RecordedOp& op : s.OpsOfKind(RecordedOp::TEXT))
        if (op.text == text)
            return op;
    ADD_FAILURE() << "no label " << std::string(text.begin(), text.end());
    return {};
}

bool HasLine(const CRecordingSurface& s, SurfacePoint from, SurfacePoint to) {
    for (const RecordedOp& op : s.OpsOfKind(RecordedOp::LINE))
        if ((op.points[0] == from && op.points[1] == to) ||
            (op.points[0] == to && op.points[1] == from))
            return true;
    return false;
}

// Default case: H = 1.50, B = 1.45; s = trunc(min(167 / 1.45, 153 / 1.5)) = 102, origin
// u = 4a = 80, t = 3a = 60.
TEST(WallFigure, DefaultCaseOutlineScaleAndLabels) {
    CRTData c;
    CRecordingSurface s;
    DrawWall(c, s);

    const std::vector<RecordedOp> polygons = s.OpsOfKind(RecordedOp::POLYGON);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].brush.kind, RecordedBrush::SOLID);
    EXPECT_EQ(polygons[0].brush.color, Rgb(225, 225, 225));
    // X(0.3) = 80 + trunc(30.6); Y(1.3) = 60 + trunc(132.6); X(1.45) = 80 + trunc(147.9);
    // X(0.55) = 80 + trunc(56.1); X(0.5) = 80 + 51.
    EXPECT_THAT(polygons[0].points,
                ElementsAre(SurfacePoint{110, 60}, SurfacePoint{110, 192}, SurfacePoint{80, 192},
                            SurfacePoint{80, 213}, SurfacePoint{227, 213}, SurfacePoint{227, 192},
                            SurfacePoint{136, 192}, SurfacePoint{131, 60}));

    EXPECT_THAT(s.Texts(), ElementsAre(L"1.50", L"1.20", L"0.20 ", L"0.10", L"0.20", L"10.0kN/m^2",
                                       L"18.0kN/m^3", L"1.45", L"0.30", L"0.90", L"0.25", L"0.20"));
    const std::vector<RecordedOp> texts = s.OpsOfKind(RecordedOp::TEXT);
    const unsigned aligns[] = {14, 14, 2, 14, 6, 14, 6, 14, 14, 14, 6, 14};
    for (size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(texts[i].align, aligns[i]);
        EXPECT_EQ(texts[i].font.escapement, i < 5 ? 900 : 0); // heights read upward
        EXPECT_EQ(texts[i].font.height, kHF);
        EXPECT_EQ(texts[i].font.pitch, 0);
        EXPECT_EQ(texts[i].font.face, kSheetFace);
    }
    // Reference points: H on the outer line at mid-height, D2 at the underside, the load on
    // the middle of the level backfill line, B on the outer width line, T1 above the stem.
    EXPECT_EQ(texts[0].points[0], (SurfacePoint{20, (60 + 213) / 2}));
    EXPECT_EQ(texts[2].points[0], (SurfacePoint{40, 213}));
    EXPECT_EQ(texts[5].points[0], (SurfacePoint{(227 + 40 + 131) / 2, 60}));
    EXPECT_EQ(texts[7].points[0], (SurfacePoint{(80 + 227) / 2, 273}));
    EXPECT_EQ(texts[11].points[0], (SurfacePoint{(110 + 131) / 2, 20}));

    EXPECT_EQ(s.FontsCreated(), 2);
    EXPECT_EQ(s.BrushesCreated(), 1);
    ExpectLeftAsFound(s);
}

TEST(WallFigure, DimensionGroundAndBackfillLines) {
    CRTData c;
    CRecordingSurface s;
    DrawWall(c, s);
    const int u = 80, t = 60, yG = 60 + 122, yB = 213, xB = 227;
    EXPECT_TRUE(HasLine(s, {u - 3 * kA, t}, {u - 3 * kA, yB}));     // outer height line
    EXPECT_TRUE(HasLine(s, {u - 2 * kA, t}, {u - 2 * kA, yB}));     // inner height line
    EXPECT_TRUE(HasLine(s, {u - 2 * kA, yG}, {u - kA, yG}));        // ground tick
    EXPECT_TRUE(HasLine(s, {xB + 2 * kA, yB}, {xB + 2 * kA, 192})); // end thickness
    EXPECT_TRUE(HasLine(s, {u - 2 * kA, yG}, {110, yG}));           // front ground line
    EXPECT_TRUE(HasLine(s, {131, t}, {xB + 2 * kA, t}));            // level backfill
    EXPECT_TRUE(HasLine(s, {u, yB + 3 * kA}, {xB, yB + 3 * kA}));   // outer width line
    EXPECT_TRUE(HasLine(s, {110, t - 2 * kA}, {131, t - 2 * kA}));  // stem top thickness
    EXPECT_EQ(s.OpsOfKind(RecordedOp::LINE).size(), 20u);
}

TEST(WallFigure, OptionalLabelsFollowTheCase) {
    struct Row {
        const char* name;
        std::function<void(CRTData&)> change;
        std::vector<std::wstring> labels;
    };
    const Row rows[] = {
        {"ground on the base top: no soil depth label",
         [](CRTData& c) { c.m_H2 = c.m_D2; },
         {L"1.40", L"1.20", L"0.20 ", L"0.20", L"10.0kN/m^2", L"18.0kN/m^3", L"1.45", L"0.30",
          L"0.90", L"0.25", L"0.20"}},
        {"no toe, no surcharge: neither label",
         [](CRTData& c) {
             c.m_L1 = 0;
             c.m_q = 0;
         },
         {L"1.50", L"1.20", L"0.20 ", L"0.10", L"0.20", L"18.0kN/m^3", L"1.15", L"0.90", L"0.25",
          L"0.20"}},
        {"front surcharge and front soil: two labels in front",
         [](CRTData& c) {
             c.m_qFront = 5;
             c.m_gammaSFront = 16;
             c.m_L2 = 0;
         },
         {L"1.50", L"1.20", L"0.20 ", L"0.10", L"0.20", L"10.0kN/m^2", L"5.0kN/m^2", L"18.0kN/m^3",
          L"16.0kN/m^3", L"0.55", L"0.30", L"0.25", L"0.20"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CRTData c;
        row.change(c);
        CRecordingSurface s;
        DrawWall(c, s);
        EXPECT_THAT(s.Texts(), ElementsAreArray(row.labels));
        ExpectLeftAsFound(s);
    }
}

// The front labels stand on and hang below the middle of the front ground line.
TEST(WallFigure, FrontLabelsOnTheGroundLine) {
    CRTData c;
    c.m_qFront = 5;
    c.m_gammaSFront = 16;
    CRecordingSurface s;
    DrawWall(c, s);
    const int xFront = (80 - 2 * kA + 110) / 2;
    EXPECT_EQ(TextOp(s, L"5.0kN/m^2").points[0], (SurfacePoint{xFront, 182}));
    EXPECT_EQ(TextOp(s, L"5.0kN/m^2").align, 14u);
    EXPECT_EQ(TextOp(s, L"16.0kN/m^3").points[0], (SurfacePoint{xFront, (182 + 192) / 2}));
    EXPECT_EQ(TextOp(s, L"16.0kN/m^3").align, 6u);
}

// A backfill sloping at 20 degrees rises tan(20) x its drawn length from the stem's back
// top corner; its surcharge label stands on the middle of that line.
TEST(WallFigure, SlopedBackfillRisesAtItsAngle) {
    CRTData c;
    c.m_alpha = DegToRad(20);
    CRecordingSurface s;
    DrawWall(c, s);
    const int x7 = 131, xEnd = 227 + 2 * kA;
    const int dz = static_cast<int>(std::tan(c.m_alpha) * (xEnd - x7));
    EXPECT_EQ(dz, 49);
    EXPECT_TRUE(HasLine(s, {x7, 60}, {xEnd, 60 - dz}));
    EXPECT_EQ(TextOp(s, L"10.0kN/m^2").points[0], (SurfacePoint{(xEnd + x7) / 2, 60 - dz / 2}));
}

// A tall narrow wall is scaled by its height, a long low one by its width.
TEST(WallFigure, GoverningRatioSetsTheScale) {
    CRTData tall;
    tall.m_H1 = 4.7; // H = 5.0: s = trunc(153 / 5) = 30
    CRecordingSurface s1;
    DrawWall(tall, s1);
    EXPECT_EQ(s1.OpsOfKind(RecordedOp::POLYGON)[0].points[3], (SurfacePoint{80, 60 + 150}));

    CRTData wide;
    wide.m_L2 = 3.2; // B = 3.75: s = trunc(167 / 3.75) = 44
    CRecordingSurface s2;
    DrawWall(wide, s2);
    EXPECT_EQ(s2.OpsOfKind(RecordedOp::POLYGON)[0].points[4], (SurfacePoint{80 + 165, 60 + 66}));
}

// A case that failed validation, or whose numbers overflow, gets no figure at all rather
// than one drawn from undefined conversions; the surface is left as it was.
TEST(WallFigure, NoFigureFromNumbersThatGiveNone) {
    const std::pair<const char*, std::function<void(CRTData&)>> rows[] = {
        {"zero height", [](CRTData& c) { c.m_H1 = -0.3; }},
        {"negative base width", [](CRTData& c) { c.m_L2 = -1.0; }},
        {"NaN height", [](CRTData& c) { c.m_H1 = kNaN; }},
        {"infinite height", [](CRTData& c) { c.m_H2 = kInf; }},
        {"infinite heel", [](CRTData& c) { c.m_L2 = kInf; }},
        {"NaN batter", [](CRTData& c) { c.m_T3 = kNaN; }},
        {"huge toe", [](CRTData& c) { c.m_D1 = 1e300; }},
        {"vertical backfill", [](CRTData& c) { c.m_alpha = kPi / 2; }},
    };
    for (const auto& [name, change] : rows) {
        SCOPED_TRACE(name);
        CRTData c;
        change(c);
        CRecordingSurface s;
        DrawWall(c, s);
        EXPECT_THAT(s.Ops(), IsEmpty());
        ExpectLeftAsFound(s);
    }
}

// Pressure figure: s = trunc(min(187 / 1.45, 173 / 1.5)) = 115, u = t = 3a = 60; the base
// underside at yB = 60 + trunc(172.5) = 232, the heel end at 60 + trunc(166.75) = 226.
constexpr int kU = 60;
constexpr int kYB = 232;
constexpr int kXB = 226;

struct PressureDrawing {
    std::vector<RecordedOp> labels;
    std::vector<SurfacePoint> diagram; // empty when no diagram was drawn
};

PressureDrawing PressureOf(const CRecordingSurface& s) {
    PressureDrawing d;
    const std::vector<RecordedOp> polygons = s.OpsOfKind(RecordedOp::POLYGON);
    EXPECT_GE(polygons.size(), 1u);
    EXPECT_LE(polygons.size(), 2u);
    if (!polygons.empty()) {
        EXPECT_EQ(polygons[0].brush.color, Rgb(225, 225, 225));
    }
    if (polygons.size() == 2) {
        EXPECT_EQ(polygons[1].brush.kind, RecordedBrush::HATCH);
        EXPECT_EQ(polygons[1].brush.hatchStyle, HATCH_VERTICAL);
        EXPECT_EQ(polygons[1].brush.color, Rgb(0, 0, 0));
        d.diagram = polygons[1].points;
        // Order of drawing: outline, labels, diagram.
        EXPECT_EQ(s.Ops().back().kind, RecordedOp::POLYGON);
    }
    d.labels = s.OpsOfKind(RecordedOp::TEXT);
    for (const RecordedOp& label : d.labels) {
        EXPECT_EQ(label.font.escapement, 900);
        EXPECT_EQ(label.font.height, kHF);
    }
    EXPECT_TRUE(s.OpsOfKind(RecordedOp::LINE).empty());
    ExpectLeftAsFound(s);
    return d;
}

TEST(PressureFigure, DefaultCaseTrapezoidDeepestAtTheToe) {
    CRTData c;
    const CDesignResult r = Calculated(c);
    ASSERT_GT(r.bearing.Xn, 1.45);
    CRecordingSurface s;
    DrawPressure(c, s, r.bearing);
    const PressureDrawing d = PressureOf(s);

    ASSERT_EQ(d.labels.size(), 4u);
    const std::wstring texts[] = {L"36.0", L"34.1", L"32.6", L"27.0"};
    // qL left of the toe end, q1 left of the stem's front foot, q2 and qR0 right of the stem's
    // back foot and of the heel end; each at the depth of its ordinate.
    const int xs[] = {kU, kU + 34, kU + 63, kXB};
    const unsigned aligns[] = {10, 10, 2, 2};
    const double qs[] = {r.bearing.qL, r.bearing.q1, r.bearing.q2, r.bearing.qR0};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(d.labels[i].text, texts[i]);
        EXPECT_EQ(d.labels[i].align, aligns[i]);
        const int depth = static_cast<int>(kA * qs[i] / r.bearing.qL + kA);
        EXPECT_EQ(d.labels[i].points[0], (SurfacePoint{xs[i], kYB + depth}));
    }
    // qR0 / qL is about 27 / 36: the heel ordinate ends 20 x 0.75 + 20 = 35 below the base.
    EXPECT_THAT(d.diagram, ElementsAre(SurfacePoint{kU, kYB + kA}, SurfacePoint{kU, kYB + 2 * kA},
                                       SurfacePoint{kXB, kYB + 35}, SurfacePoint{kXB, kYB + kA}));
}

// Resultant outside the middle third: the diagram is a triangle ending at the zero point,
// and the pressures beyond it are neither labelled nor drawn.
TEST(PressureFigure, TriangleEndsAtTheZeroPoint) {
    CRTData c = OutsideToeWall();
    const CDesignResult r = Calculated(c);
    ASSERT_FALSE(r.bearing.MiddleThird());
    ASSERT_GT(r.bearing.Xn, 0);
    ASSERT_LT(r.bearing.Xn, c.m_L1);
    CRecordingSurface s;
    DrawPressure(c, s, r.bearing);
    const PressureDrawing d = PressureOf(s);

    ASSERT_EQ(d.labels.size(), 1u);
    EXPECT_EQ(d.labels[0].align, 10u);
    EXPECT_EQ(d.labels[0].points[0], (SurfacePoint{kU, d.diagram[1].y}));
    // H = 2.8, B = 1.55: s = trunc(min(187 / 1.55, 173 / 2.8)) = 61.
    const int yB = kU + static_cast<int>(2.8 * 61);
    const int xr = kU + static_cast<int>(61 * r.bearing.Xn);
    EXPECT_THAT(d.diagram, ElementsAre(SurfacePoint{kU, yB + kA}, SurfacePoint{kU, yB + 2 * kA},
                                       SurfacePoint{xr, yB + kA}, SurfacePoint{xr, yB + kA}));
}

TEST(PressureFigure, ZeroPointBetweenTheStemFacesLabelsToeAndFrontFace) {
    CRTData c;
    CRecordingSurface s;
    DrawPressure(c, s, 60.0, 0.5); // q1 = 24, q2 = -6 -> 0, qR0 -> 0
    const PressureDrawing d = PressureOf(s);
    ASSERT_EQ(d.labels.size(), 2u);
    EXPECT_EQ(d.labels[0].text, L"60.0");
    EXPECT_EQ(d.labels[1].text, L"24.0");
    EXPECT_EQ(d.diagram[2], (SurfacePoint{kU + 57, kYB + kA}));
}

// Xn negative (e < 0 in the middle third): the pressure grows toward the heel, where the
// diagram is deepest.
TEST(PressureFigure, NegativeXnDeepestAtTheHeel) {
    CRTData c;
    CRecordingSurface s;
    DrawPressure(c, s, 20.0, -2.0); // p(x) = 20 + 10 x: q1 = 23, q2 = 25.5, qR0 = 34.5
    const PressureDrawing d = PressureOf(s);
    ASSERT_EQ(d.labels.size(), 4u);
    EXPECT_EQ(d.labels[0].text, L"20.0");
    EXPECT_EQ(d.labels[3].text, L"34.5");
    EXPECT_EQ(d.labels[3].points[0], (SurfacePoint{kXB, kYB + 2 * kA}));
    EXPECT_THAT(d.diagram,
                ElementsAre(SurfacePoint{kU, kYB + kA},
                            SurfacePoint{kU, kYB + static_cast<int>(kA * 20.0 / 34.5 + kA)},
                            SurfacePoint{kXB, kYB + 2 * kA}, SurfacePoint{kXB, kYB + kA}));
}

// e = 0: Xn is infinite and the pressure uniform; every ordinate reaches 2a.
TEST(PressureFigure, UniformPressureWhenXnIsInfinite) {
    CRTData c;
    CRecordingSurface s;
    DrawPressure(c, s, 30.0, kInf);
    const PressureDrawing d = PressureOf(s);
    ASSERT_EQ(d.labels.size(), 4u);
    for (const RecordedOp& label : d.labels) {
        EXPECT_EQ(label.text, L"30.0");
        EXPECT_EQ(label.points[0].y, kYB + 2 * kA);
    }
    EXPECT_THAT(d.diagram,
                ElementsAre(SurfacePoint{kU, kYB + kA}, SurfacePoint{kU, kYB + 2 * kA},
                            SurfacePoint{kXB, kYB + 2 * kA}, SurfacePoint{kXB, kYB + kA}));
}

// Resultant in the heel-side third: a triangle from its zero point x0 to the heel end, where it
// peaks; qL is 0 and not labelled, nor is q1 when x0 lies beyond the stem's front face.
TEST(PressureFigure, HeelSideTriangleRisesFromItsZeroPointToTheHeelEnd) {
    CRTData c;
    CBearingPressure p;
    p.branch = BearingBranch::HeelSide;
    p.B = 1.45;
    p.Xn = 0.95;
    p.x0 = 0.5; // between the stem faces at 0.3 and 0.55
    p.qR = 95;
    PressuresUnderBase(p, c.m_L1, c.m_T2); // q1 = 0, q2 = 95 x 0.05 / 0.95 = 5, qR0 = 95
    CRecordingSurface s;
    DrawPressure(c, s, p);
    const PressureDrawing d = PressureOf(s);
    ASSERT_EQ(d.labels.size(), 2u);
    EXPECT_EQ(d.labels[0].text, L"5.0");
    EXPECT_EQ(d.labels[0].align, 2u);
    EXPECT_EQ(d.labels[0].points[0],
              (SurfacePoint{kU + 63, kYB + static_cast<int>(kA * 5.0 / 95 + kA)}));
    EXPECT_EQ(d.labels[1].text, L"95.0");
    EXPECT_EQ(d.labels[1].points[0], (SurfacePoint{kXB, kYB + 2 * kA}));
    // X(x0) = u + trunc(0.5 x 115) = u + 57.
    EXPECT_THAT(d.diagram,
                ElementsAre(SurfacePoint{kU + 57, kYB + kA}, SurfacePoint{kXB, kYB + 2 * kA},
                            SurfacePoint{kXB, kYB + kA}));
}

// Every pressure that is not exactly 0 is labelled, a negative toe pressure (from a negative
// load) included.
TEST(PressureFigure, NegativeToePressureIsLabelled) {
    CRTData c;
    CRecordingSurface s;
    DrawPressure(c, s, -20.0, 1.0); // p(x) = -20 + 20 x: 9.0 at the heel end
    const std::vector<RecordedOp> labels = s.OpsOfKind(RecordedOp::TEXT);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].text, L"-20.0");
    EXPECT_EQ(labels[1].text, L"9.0");
}

// Where the pressure line or its depths are undefined the outline is drawn without a
// diagram; where the wall itself gives no scale there is no figure.
TEST(PressureFigure, UndefinedDiagramOrScaleIsLeftOut) {
    struct Row {
        const char* name;
        double qL;
        double Xn;
        std::function<void(CRTData&)> change;
        bool outline;
    };
    const Row rows[] = {
        {"Xn = 0", 0.0, 0.0, nullptr, true},
        {"no pressure at all", 0.0, 2.0, nullptr, true},
        {"NaN pressure", kNaN, 2.0, nullptr, true},
        {"NaN Xn", 30.0, kNaN, nullptr, true},
        {"infinite pressure", kInf, 2.0, nullptr, true},
        {"no base", 30.0, 2.0, [](CRTData& c) { c.m_L1 = c.m_T2 = c.m_L2 = 0; }, false},
        {"NaN height", 30.0, 2.0, [](CRTData& c) { c.m_H2 = kNaN; }, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CRTData c;
        if (row.change)
            row.change(c);
        CRecordingSurface s;
        DrawPressure(c, s, row.qL, row.Xn);
        EXPECT_EQ(s.OpsOfKind(RecordedOp::POLYGON).size(), row.outline ? 1u : 0u);
        EXPECT_TRUE(s.OpsOfKind(RecordedOp::TEXT).empty());
        ExpectLeftAsFound(s);
    }
}

} // namespace
