// Bearing pressure under the base slab of a wall from the vertical load and the moments about
// the toe edge: the resultant's position, the eccentricity, the linear pressure diagram without
// tension, and the pressures that the toe and heel slabs are designed for. Lengths in m,
// pressures in kN/m^2, x measured from the toe edge.
#pragma once

// Which pressure diagram the resultant's position gives.
enum class BearingBranch {
    MiddleThird, // |e/B| <= 1/6: a trapezoid over the whole base
    ToeSide,     // e/B > 1/6 (or a NaN ratio): a triangle from the toe edge to Xn
    HeelSide,    // e/B < -1/6: a triangle from x0 to the heel end
};

struct CBearingPressure {
    BearingBranch branch = BearingBranch::MiddleThird;
    double B = 0;  // base width
    double d = 0;  // distance of the resultant from the toe edge
    double qm = 0; // mean bearing pressure
    double e = 0;  // eccentricity, positive towards the toe
    double eB = 0; // e / B with its sign
    // Length of the linear pressure diagram: from the toe edge to its zero point (middle third
    // and toe side; it may exceed B, be infinite or negative), or from the heel end (heel side).
    double Xn = 0;
    double x0 = 0; // heel side only: the diagram's zero point, from the toe edge (B - Xn)
    double alphaL = 0, alphaR = 0;
    double qL = 0, qR = 0; // pressure at the toe end and at the heel end
    // Pressures under the stem's front face (x = L1), its back face (x = L1 + T2) and at the
    // heel end, none below 0.
    double q1 = 0, q2 = 0, qR0 = 0;
    double qmax = 0; // governing pressure: qL when qL > qR0, otherwise qR0

    bool MiddleThird() const { return branch == BearingBranch::MiddleThird; }
    bool HeelSide() const { return branch == BearingBranch::HeelSide; }
    // The resultant strikes the base strictly between its edges (false for a NaN d). Outside
    // it the wall overturns and no pressure diagram can stand.
    bool ResultantOnBase() const;
    // Pressure of the diagram at x, not below 0.
    double PressureAt(double x) const;
};

// The pressure diagram for the vertical load SW, the resisting moment Mr and the overturning
// moment Mo on a base of width B whose stem faces stand at L1 and L1 + T2.
CBearingPressure BearingPressure(double SW, double Mr, double Mo, double B, double L1, double T2);

// Fills q1, q2, qR0 and qmax from the diagram's branch, B, qL, qR, Xn and x0.
void PressuresUnderBase(CBearingPressure& p, double L1, double T2);
