// Walls that tests of several layers use, each named after what makes it worth testing. Each
// is a new default case with the changes its comment lists.
#pragma once

#include "model/RTData.h"

// A 3.5 m cantilever wall that passes every long-term check, for the seismic tests: H1 3.00,
// H2 0.50, D1 0.40, D2 0.50, T1 0.30, T2 0.50, T3 0.20, L1 0.80, L2 1.80, mu 0.5, fe 200,
// Fc 24, phi 30 degrees, delta 0, q 10; D19 @150 in the stem, D16 @200 in toe and heel.
CRTData Wall35();

// A tall wall on a short base (H1 2.50, L1 1.00, L2 0.30): the resultant lies outside the
// middle third on the toe side (e/B = 0.297), the pressure diagram is shorter than the toe,
// Fo 1.38 is NG without stopping the sheet, Fs 0.58 is NG.
CRTData OutsideToeWall();

// A tall wall on a narrow base (H1 4.00, L2 0.30): Fo = 0.27, the resultant lies beyond the toe
// edge and the sheet stops after section 4).
CRTData OverturningWall();

// A heavy line load on a stem near the heel end (L1 1.20, L2 0.20, P 60): the resultant lies
// outside the middle third on the heel side (e/B = -0.218) and the no-tension triangle, measured
// from the heel end, reaches under the toe.
CRTData OutsideHeelWall();

// A heavy surcharge on the heel of a wide, low stem with a short toe (L1 0.30, L2 0.10, H1 0.30,
// T1 0.95, T2 1.00, q 150, phi 40 and delta 35 degrees, deltaW entered): the resultant lies on
// the heel side and the zero point of the triangle under the stem.
CRTData HeelSideUnderStemWall();

// Backfill sloping at 15 degrees, a battered front (T2 0.45, T3 0.10) and a surcharge of 10 on
// the front ground: every label of the wall figure.
CRTData SlopedBatterWall();
