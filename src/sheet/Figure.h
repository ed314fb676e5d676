// What the wall figure and the bearing pressure figure share: the wall section scaled into a
// figure box (one scale for both directions, the toe end and the stem top as origin, the eight
// corners of the section in device units) and the label fonts.
#pragma once

#include "sheet/Surface.h"

#include <optional>

class CRTData;

// Truncates a device coordinate toward zero. Empty when the value is not a number, infinite
// or so large that the figure's integer arithmetic could overflow: such a figure is skipped
// rather than drawn from an undefined conversion.
std::optional<int> DeviceUnits(double value);

struct CWallOutline {
    int s = 0; // device units per metre
    int u = 0; // x of the toe end
    int t = 0; // y of the stem top
    // Down the front face and the toe, along the underside, up the heel and the back face,
    // starting at the front top corner of the stem.
    SurfacePoint P[8] = {};
    int yG = 0; // front ground
    int yB = 0; // base underside
    int yD = 0; // base top at the stem
    int yE = 0; // base top at the free ends

    int xToeFoot() const { return P[1].x; }  // X(L1), foot of the stem's front face
    int xHeelFoot() const { return P[6].x; } // X(L1 + T2), foot of the stem's back face
    int xHeelEnd() const { return P[4].x; }  // X(B)

    // Scales the section of c into a box of the given size: s = trunc(min((width - margin) / B,
    // (height - margin) / H)), origin (u, t). Empty when H or B is not positive or a scale or
    // coordinate is not representable.
    static std::optional<CWallOutline> Fit(const CRTData& c, int width, int height, int margin,
                                           int u, int t);

    // The section filled light grey and outlined with the current pen; the surface's brush is
    // restored and the grey brush released.
    void Draw(ISheetSurface& surface) const;
};

// The label font of the figures: the sheet's Mincho face at cell height hF, default pitch,
// escapement 0 (horizontal) or 900 (reading upward).
SurfaceHandle CreateFigureFont(ISheetSurface& surface, int hF, int escapement);
