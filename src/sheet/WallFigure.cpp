// Figure 1 of the sheet: the wall section to scale, filled light grey, with the front ground,
// the backfill surface, dimension lines for every measure of the section and the load and
// soil labels. Heights are dimensioned on the left with upward-reading labels, the end
// thickness on the right, the widths below and the stem's top thickness above.
#include "model/RTData.h"
#include "sheet/Figure.h"
#include "sheet/SheetFormat.h"

#include <cmath>
#include <initializer_list>
#include <optional>

namespace {

void Line(ISheetSurface& surface, SurfacePoint from, SurfacePoint to) {
    surface.MoveTo(from.x, from.y);
    surface.LineTo(to.x, to.y);
}

// A side of the section that carries dimensions. A place on it is a position along the side
// (y on the left and right, x above and below) and a level across it: level n lies n figure
// units a outward from the section's edge. Each dimension line has its level; the extension
// lines run from the level of their dimension line in to level 1, and the labels stand on the
// dimension lines.
class CDimensionSide {
public:
    enum Direction { Vertical, Horizontal };
    struct Extension {
        int along;
        int level;
    };

    // edge: x of a vertical side, y of a horizontal one; outward: +1 or -1 in device units.
    CDimensionSide(CRTData& sheet, ISheetSurface& surface, Direction direction, int edge,
                   int outward, int a)
        : m_sheet(sheet), m_surface(surface), m_direction(direction), m_edge(edge),
          m_outward(outward), m_a(a) {}

    SurfacePoint At(int level, int along) const {
        const int across = m_edge + m_outward * level * m_a;
        return m_direction == Vertical ? SurfacePoint{across, along} : SurfacePoint{along, across};
    }
    void Extensions(std::initializer_list<Extension> extensions) const {
        for (const Extension& e : extensions)
            Line(m_surface, At(e.level, e.along), At(1, e.along));
    }
    void DimensionLine(int level, int from, int to) const {
        Line(m_surface, At(level, from), At(level, to));
    }
    void Label(int level, int along, const std::wstring& text, unsigned align) const {
        const SurfacePoint p = At(level, along);
        m_sheet.OutputLine(&m_surface, p.x, p.y, text, align);
    }

private:
    CRTData& m_sheet;
    ISheetSurface& m_surface;
    Direction m_direction;
    int m_edge;
    int m_outward;
    int m_a;
};

} // namespace

void CRTData::DrawWallFigure(ISheetSurface* surface, int hF, int a, int left, int top, int right,
                             int bottom) {
    if (surface == nullptr)
        return;
    const int W = right - left;
    const int Hb = bottom - top;
    const int u = left + 4 * a;
    const int t = top + 3 * a;
    const std::optional<CWallOutline> fit = CWallOutline::Fit(*this, W, Hb, 7 * a, u, t);
    if (!fit)
        return;
    const CWallOutline& o = *fit;
    const int xB = o.xHeelEnd();
    const int xL1 = o.xToeFoot();
    const int x6 = o.xHeelFoot();
    const int x0 = o.P[0].x;
    const int x7 = o.P[7].x;
    // Rise of the backfill surface over its drawn length, at the slope angle.
    const std::optional<int> dz = DeviceUnits(std::tan(m_alpha) * (xB + 2 * a - x7));
    if (!dz)
        return;
    const double H = m_H1 + m_H2;
    const double B = m_L1 + m_T2 + m_L2;
    ISheetSurface& s = *surface;

    o.Draw(s);
    {
        CSelectedObject font(s, CreateFigureFont(s, hF, 900));
        // Heights on the left: total height outside, front ground and base top inside.
        const CDimensionSide heights(*this, s, CDimensionSide::Vertical, u, -1, a);
        heights.Extensions({{t, 3}, {o.yG, 2}, {o.yD, 2}, {o.yB, 3}});
        heights.DimensionLine(3, t, o.yB);
        heights.DimensionLine(2, t, o.yB);
        heights.Label(3, (t + o.yB) / 2, FormatSheetLine(L"%2.2f", H), TA_BOTTOM + TA_CENTER);
        heights.Label(2, (o.yG + t) / 2, FormatSheetLine(L"%2.2f", m_H1), TA_BOTTOM + TA_CENTER);
        heights.Label(2, o.yB, FormatSheetLine(L"%2.2f ", m_D2), TA_RIGHT);
        if (m_H2 != m_D2)
            heights.Label(2, (o.yG + o.yD) / 2, FormatSheetLine(L"%2.2f", m_H2 - m_D2),
                          TA_BOTTOM + TA_CENTER);
        // Thickness of the base at its free end, on the right.
        const CDimensionSide endThickness(*this, s, CDimensionSide::Vertical, xB, 1, a);
        endThickness.Extensions({{o.yB, 2}, {o.yE, 2}});
        endThickness.DimensionLine(2, o.yB, o.yE);
        endThickness.Label(2, (o.yE + o.yB) / 2, FormatSheetLine(L"%2.2f", m_D1), TA_CENTER);
    }
    CSelectedObject font(s, CreateFigureFont(s, hF, 0));
    // Front ground up to the stem's front foot; backfill rising from the stem's back top corner.
    Line(s, {u - 2 * a, o.yG}, {xL1, o.yG});
    Line(s, {x7, t}, {xB + 2 * a, t - *dz});
    if (m_q != 0)
        OutputLine(&s, (xB + 2 * a + x7) / 2, t - *dz / 2, FormatSheetLine(L"%3.1fkN/m^2", m_q),
                   TA_BOTTOM + TA_CENTER);
    const int xFront = (u - 2 * a + xL1) / 2;
    if (m_qFront != 0)
        OutputLine(&s, xFront, o.yG, FormatSheetLine(L"%3.1fkN/m^2", m_qFront),
                   TA_BOTTOM + TA_CENTER);
    OutputLine(&s, (x6 + 2 * a + xB) / 2, (o.yD + t) / 2, FormatSheetLine(L"%3.1fkN/m^3", m_gammaS),
               TA_CENTER);
    if (m_gammaSFront != m_gammaS)
        OutputLine(&s, xFront, (o.yG + o.yD) / 2, FormatSheetLine(L"%3.1fkN/m^3", m_gammaSFront),
                   TA_CENTER);
    // Widths below: base width outside; toe, stem and heel inside.
    const CDimensionSide widths(*this, s, CDimensionSide::Horizontal, o.yB, 1, a);
    widths.Extensions({{u, 3}, {xL1, 2}, {x6, 2}, {xB, 3}});
    widths.DimensionLine(2, u, xB);
    widths.DimensionLine(3, u, xB);
    widths.Label(3, (u + xB) / 2, FormatSheetLine(L"%2.2f", B), TA_BOTTOM + TA_CENTER);
    if (m_L1 != 0)
        widths.Label(2, (u + xL1) / 2, FormatSheetLine(L"%2.2f", m_L1), TA_BOTTOM + TA_CENTER);
    if (m_L2 != 0)
        widths.Label(2, (x6 + xB) / 2, FormatSheetLine(L"%2.2f", m_L2), TA_BOTTOM + TA_CENTER);
    widths.Label(2, (x6 + xL1) / 2, FormatSheetLine(L"%2.2f", m_T2), TA_CENTER);
    // Thickness of the stem at its top.
    const CDimensionSide stemTop(*this, s, CDimensionSide::Horizontal, t, -1, a);
    stemTop.Extensions({{x0, 2}, {x7, 2}});
    stemTop.DimensionLine(2, x0, x7);
    stemTop.Label(2, (x0 + x7) / 2, FormatSheetLine(L"%2.2f", m_T1), TA_BOTTOM + TA_CENTER);
}
