// Design of the three reinforced-concrete members at their roots, shared by the long-term
// design and the seismic levels: section depths, reinforcement and stresses of a member, and
// the toe and heel slabs on a given bearing-pressure diagram.
#pragma once

#include "calc/DesignResult.h"
#include "model/RTData.h"

// Allowable values a member is checked with: the entry of the bar table that gives the bar's
// tensile stress ft, and the concrete's compressive stress fc (kN/cm^2); n and the
// compression steel ratio come from the design result.
struct CMemberStresses {
    int barEntry = BAR_LONG_TERM;
    double fc = 0;
};

// Thickness, effective depth and lever arm of a member's section.
void SectionDepths(double D, double cover, CMemberResult& m);

// Reinforcement, balanced steel ratio and stress ratio of the member in slot; dc is its cover.
void DesignSection(const CRTData& c, const CDesignResult& r, int slot, double dc,
                   const CMemberStresses& s, CMemberResult& m);

// Shear stress on the magnitude of the shear force, whichever way it acts.
double ShearStress(const CMemberResult& m);

// The toe slab (cantilever from the stem's front face) and the heel slab (from the stem's
// back face) on the pressure diagram p, with the slab weights, W3, x3, W4 and x4 of r.
void DesignToe(const CRTData& c, const CDesignResult& r, const CBearingPressure& p,
               const CMemberStresses& s, CSlabLoad& load, CMemberResult& m);
void DesignHeel(const CRTData& c, const CDesignResult& r, const CBearingPressure& p,
                const CMemberStresses& s, double& Lh, CSlabLoad& load, CMemberResult& m);
