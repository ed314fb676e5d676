// Figure 2 of the sheet: the wall outline, filled light grey, and below its base the linear
// bearing-pressure diagram, hatched vertically, with the pressures at the toe end, under the two
// faces of the stem and at the heel end. The diagram's baseline lies one figure unit below the
// base; the largest pressure reaches two units below it.
#include "calc/BearingPressure.h"
#include "model/RTData.h"
#include "sheet/Figure.h"
#include "sheet/SheetFormat.h"

#include <algorithm>
#include <optional>
#include <vector>

void CRTData::DrawPressureFigure(ISheetSurface* surface, int hF, int a, int left, int top,
                                 int right, int bottom, const CBearingPressure& p) {
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

    // With Xn = 0 the pressure line has no length to speak of, and pressures or depths that are
    // not numbers cannot be drawn: the diagram is left out.
    if (p.Xn == 0)
        return;
    auto depth = [&](double q) { return DeviceUnits(a * q / p.qmax + a); };
    const std::optional<int> dL = depth(p.qL);
    const std::optional<int> d1 = depth(p.q1);
    const std::optional<int> d2 = depth(p.q2);
    const std::optional<int> dR0 = depth(p.qR0);
    // On the heel side the triangle starts at its zero point x0 under the base.
    const std::optional<int> xZero = DeviceUnits(p.x0 * o.s);
    if (!dL || !d1 || !d2 || !dR0 || (p.HeelSide() && !xZero))
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
            {p.qL, u, *dL, TA_BOTTOM + TA_RIGHT},
            {p.q1, o.xToeFoot(), *d1, TA_BOTTOM + TA_RIGHT},
            {p.q2, o.xHeelFoot(), *d2, TA_RIGHT},
            {p.qR0, o.xHeelEnd(), *dR0, TA_RIGHT},
        };
        for (const Label& label : labels)
            if (label.q != 0)
                OutputLine(&s, label.x, o.yB + label.depth, FormatSheetLine(L"%.1f", label.q),
                           label.align);
    }

    CSelectedObject hatch(s, s.CreateHatchBrush(HATCH_VERTICAL, Rgb(0, 0, 0)));
    if (p.HeelSide()) {
        const int x0 = u + *xZero;
        s.Polygon({{x0, o.yB + a}, {o.xHeelEnd(), o.yB + *dR0}, {o.xHeelEnd(), o.yB + a}});
        return;
    }
    // The diagram ends at the zero point when it lies inside the base, else at the heel end.
    const double B = m_L1 + m_T2 + m_L2;
    int xr = o.xHeelEnd();
    if (p.Xn > 0 && p.Xn < B)
        xr = std::min(xr, u + static_cast<int>(o.s * p.Xn));
    s.Polygon({{u, o.yB + a}, {u, o.yB + *dL}, {xr, o.yB + *dR0}, {xr, o.yB + a}});
}
