#include "sheet/Figure.h"

#include "model/RTData.h"

#include <algorithm>
#include <cmath>

namespace {

// Far beyond any page, and small enough that sums and differences of a few coordinates and
// figure units stay within int.
constexpr double kCoordinateLimit = 1 << 28;

} // namespace

std::optional<int> DeviceUnits(double value) {
    if (!(std::fabs(value) <= kCoordinateLimit))
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<CWallOutline> CWallOutline::Fit(const CRTData& c, int width, int height, int margin,
                                              int u, int t) {
    const double H = c.m_H1 + c.m_H2;
    const double B = c.m_L1 + c.m_T2 + c.m_L2;
    if (!(H > 0) || !(B > 0))
        return std::nullopt;
    std::optional<int> s = DeviceUnits(std::min((width - margin) / B, (height - margin) / H));
    if (!s)
        return std::nullopt;

    CWallOutline o;
    o.s = *s;
    o.u = u;
    o.t = t;
    bool representable = true;
    // origin + trunc(v * s): each product truncated on its own, then added.
    auto offset = [&](int origin, double v) {
        std::optional<int> d = DeviceUnits(v * o.s);
        representable = representable && d;
        return d ? origin + *d : origin;
    };
    auto X = [&](double v) { return offset(u, v); };
    auto Y = [&](double v) { return offset(t, v); };

    o.P[0] = {X(c.m_L1 + c.m_T2 - c.m_T3 - c.m_T1), t};
    o.P[1] = {X(c.m_L1), Y(H - c.m_D2)};
    o.P[2] = {u, Y(H - c.m_D1)};
    o.P[3] = {u, Y(H)};
    o.P[4] = {X(B), Y(H)};
    o.P[5] = {X(B), Y(H - c.m_D1)};
    o.P[6] = {X(c.m_L1 + c.m_T2), Y(H - c.m_D2)};
    o.P[7] = {X(c.m_L1 + c.m_T2 - c.m_T3), t};
    o.yG = Y(c.m_H1);
    o.yB = o.P[3].y;
    o.yD = o.P[1].y;
    o.yE = o.P[2].y;
    if (!representable)
        return std::nullopt;
    return o;
}

void CWallOutline::Draw(ISheetSurface& surface) const {
    CSelectedObject grey(surface, surface.CreateSolidBrush(Rgb(225, 225, 225)));
    surface.Polygon({std::begin(P), std::end(P)});
}

SurfaceHandle CreateFigureFont(ISheetSurface& surface, int hF, int escapement) {
    SurfaceFont request;
    request.height = hF;
    request.escapement = escapement;
    request.pitch = 0;
    request.face = kSheetFace;
    return surface.CreateFont(request);
}
