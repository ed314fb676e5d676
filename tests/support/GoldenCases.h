// Cases whose clipboard text is kept in tests/golden: each file was generated once and then
// checked line by line against the sheet's row tables and a hand calculation.
#pragma once

#include "model/RTData.h"

#include <vector>

struct GoldenCase {
    const char* file; // tests/golden/<file>.txt
    CRTData wall;
};

extern const std::vector<GoldenCase> kGoldenCases;
