#pragma once

// Active earth pressure coefficient during an earthquake (Mononobe-Okabe) for the internal
// friction angle phi, the angle theta of the back face from the vertical, the wall friction
// angle delta, the slope angle alpha of the ground surface and the seismic angle
// theta0 = atan(kh) (all in radians). With theta0 = 0 it is the Coulomb coefficient, the same
// double. When phi - alpha - theta0 is not positive no sliding wedge is in equilibrium: the
// term under the root is then taken as 0 and the caller must judge the level as failed.
double SeismicKA(double phi, double theta, double delta, double alpha, double theta0);

// True when phi - alpha - theta0 > 0, the condition under which SeismicKA bounds the pressure
// (false for a NaN).
bool SeismicWedgeBounded(double phi, double alpha, double theta0);
