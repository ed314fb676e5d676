#pragma once

#include <cmath>

// Horizontal and vertical components of an earth pressure resultant P acting at the wall
// friction angle delta (radians) on a vertical back face.
inline void PressureComponents(double P, double delta, double& horizontal, double& vertical) {
    horizontal = P * std::cos(delta);
    vertical = P * std::sin(delta);
}
