// Figure 2 of the sheet: the wall outline, filled light grey, and below its base the linear
// bearing-pressure diagram, hatched vertically, with the pressures at the toe end, under the two
// faces of the stem and at the heel end. The diagram's baseline lies one figure unit below the
// base; the largest pressure reaches two units below it.
#include "Figure.h"
#include "RTData.h"
#include "SheetFormat.h"

#include <algorithm>
#include <optional>

void CRTData::DrawPressureFigure(ISheetSurface* surface, int hF, int a, int left, int top,
                                 int right, int bottom, double qL, double Xn) {
    if (surface == nullptr)
        return;
    const int u = left + 3 * a;
    const int t = top + 3 * a;
    const std::optional<CWallOutline> fit =
        CWallOutline::Fit(*this, right - left, bottom - top, 6 * a, u, t);
    if (!fit)
        return;
    const CWallOutline& o = *fit;
    ISheetSurface& s = *surface;
    o.Draw(s);

    // With Xn = 0 the pressure line p(x) = qL - (qL / Xn) x has no slope to speak of, and
    // pressures or depths that are not numbers cannot be drawn: the diagram is left out.
    if (Xn == 0)
        return;
    const double B = m_L1 + m_T2 + m_L2;
    auto pressureAt = [&](double x) {
        double p = qL - (qL / Xn) * x;
        return p < 0 ? 0.0 : p;
    };
    const double q1 = pressureAt(m_L1);
    const double q2 = pressureAt(m_L1 + m_T2);
    const double qR0 = pressureAt(B);
    const double qmax = qL > qR0 ? qL : qR0;
    auto depth = [&](double q) { return DeviceUnits(a * q / qmax + a); };
    const std::optional<int> dL = depth(qL);
    const std::optional<int> d1 = depth(q1);
    const std::optional<int> d2 = depth(q2);
    const std::optional<int> dR0 = depth(qR0);
    if (!dL || !d1 || !d2 || !dR0)
        return;

    {
        CSelectedObject font(s, CreateFigureFont(s, hF, 900));
        struct Label {
            double q;
            int x;
            int depth;
            unsigned align;
        };
        const Label labels[] = {
            {qL, u, *dL, TA_BOTTOM + TA_RIGHT},
            {q1, o.xToeFoot(), *d1, TA_BOTTOM + TA_RIGHT},
            {q2, o.xHeelFoot(), *d2, TA_RIGHT},
            {qR0, o.xHeelEnd(), *dR0, TA_RIGHT},
        };
        for (const Label& label : labels)
            if (label.q != 0)
                OutputLine(&s, label.x, o.yB + label.depth, FormatSheetLine(L"%.1f", label.q),
                           label.align);
    }

    // The diagram ends at the zero point when it lies inside the base, else at the heel end.
    int xr = o.xHeelEnd();
    if (Xn > 0 && Xn < B)
        xr = std::min(xr, u + static_cast<int>(o.s * Xn));
    CSelectedObject hatch(s, s.CreateHatchBrush(HATCH_VERTICAL, Rgb(0, 0, 0)));
    s.Polygon({{u, o.yB + a}, {u, o.yB + *dL}, {xr, o.yB + *dR0}, {xr, o.yB + a}});
}
