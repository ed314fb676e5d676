// Figure 1 of the sheet: the wall section to scale, filled light grey, with the front ground,
// the backfill surface, dimension lines for every measure of the section and the load and
// soil labels. Heights are dimensioned on the left with upward-reading labels, the end
// thickness on the right, the widths below and the stem's top thickness above.
#include "model/RTData.h"
#include "sheet/Figure.h"
#include "sheet/SheetFormat.h"

#include <cmath>
#include <optional>

namespace {

void Line(ISheetSurface& surface, int x1, int y1, int x2, int y2) {
    surface.MoveTo(x1, y1);
    surface.LineTo(x2, y2);
}

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
        Line(s, u - 3 * a, t, u - a, t);
        Line(s, u - 2 * a, o.yG, u - a, o.yG);
        Line(s, u - 2 * a, o.yD, u - a, o.yD);
        Line(s, u - 3 * a, o.yB, u - a, o.yB);
        Line(s, u - 3 * a, t, u - 3 * a, o.yB);
        Line(s, u - 2 * a, t, u - 2 * a, o.yB);
        OutputLine(&s, u - 3 * a, (t + o.yB) / 2, FormatSheetLine(L"%2.2f", H),
                   TA_BOTTOM + TA_CENTER);
        OutputLine(&s, u - 2 * a, (o.yG + t) / 2, FormatSheetLine(L"%2.2f", m_H1),
                   TA_BOTTOM + TA_CENTER);
        OutputLine(&s, u - 2 * a, o.yB, FormatSheetLine(L"%2.2f ", m_D2), TA_RIGHT);
        if (m_H2 != m_D2)
            OutputLine(&s, u - 2 * a, (o.yG + o.yD) / 2, FormatSheetLine(L"%2.2f", m_H2 - m_D2),
                       TA_BOTTOM + TA_CENTER);
        // Thickness of the base at its free end, on the right.
        Line(s, xB + 2 * a, o.yB, xB + a, o.yB);
        Line(s, xB + 2 * a, o.yE, xB + a, o.yE);
        Line(s, xB + 2 * a, o.yB, xB + 2 * a, o.yE);
        OutputLine(&s, xB + 2 * a, (o.yE + o.yB) / 2, FormatSheetLine(L"%2.2f", m_D1), TA_CENTER);
    }
    CSelectedObject font(s, CreateFigureFont(s, hF, 0));
    // Front ground up to the stem's front foot; backfill rising from the stem's back top corner.
    Line(s, u - 2 * a, o.yG, xL1, o.yG);
    Line(s, x7, t, xB + 2 * a, t - *dz);
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
    Line(s, u, o.yB + 3 * a, u, o.yB + a);
    Line(s, xL1, o.yB + 2 * a, xL1, o.yB + a);
    Line(s, x6, o.yB + 2 * a, x6, o.yB + a);
    Line(s, xB, o.yB + 3 * a, xB, o.yB + a);
    Line(s, u, o.yB + 2 * a, xB, o.yB + 2 * a);
    Line(s, u, o.yB + 3 * a, xB, o.yB + 3 * a);
    OutputLine(&s, (u + xB) / 2, o.yB + 3 * a, FormatSheetLine(L"%2.2f", B), TA_BOTTOM + TA_CENTER);
    if (m_L1 != 0)
        OutputLine(&s, (u + xL1) / 2, o.yB + 2 * a, FormatSheetLine(L"%2.2f", m_L1),
                   TA_BOTTOM + TA_CENTER);
    if (m_L2 != 0)
        OutputLine(&s, (x6 + xB) / 2, o.yB + 2 * a, FormatSheetLine(L"%2.2f", m_L2),
                   TA_BOTTOM + TA_CENTER);
    OutputLine(&s, (x6 + xL1) / 2, o.yB + 2 * a, FormatSheetLine(L"%2.2f", m_T2), TA_CENTER);
    // Thickness of the stem at its top.
    Line(s, x0, t - 2 * a, x0, t - a);
    Line(s, x7, t - 2 * a, x7, t - a);
    Line(s, x0, t - 2 * a, x7, t - 2 * a);
    OutputLine(&s, (x0 + x7) / 2, t - 2 * a, FormatSheetLine(L"%2.2f", m_T1),
               TA_BOTTOM + TA_CENTER);
}
