#pragma once

// Coulomb active earth pressure coefficient for the internal friction angle phi, the angle
// theta of the back face from the vertical, the wall friction angle delta and the slope
// angle alpha of the ground surface (all in radians). Arguments are not checked: a negative
// radicand gives NaN and a zero denominator an infinity.
double CoulombKA(double phi, double theta, double delta, double alpha);
