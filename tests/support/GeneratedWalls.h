// A fixed, reproducible set of wall cases for tests that compare whole sheets over many walls:
// ordinary cantilever walls, inverted-L walls with a long toe and a short or no heel, L-shaped
// walls without a toe, sloped backfill, line loads and moments on the top, KA entered directly,
// and the bar designations of the shipped table. The same seed gives the same walls on every
// machine (mt19937_64 is the same in every standard library, and the values are
// mapped from its output by plain arithmetic, not by a library distribution).
#pragma once

#include "model/RTData.h"

#include <vector>

std::vector<CRTData> GeneratedWalls(int count, unsigned long long seed = 20261210);
