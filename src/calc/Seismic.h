// Seismic checks of a wall case for the moderate and the large earthquake, after the
// long-term design: seismic earth pressure, inertia forces, the stability of the large
// earthquake and the members of both levels with their allowable values.
#pragma once

#include "calc/DesignResult.h"
#include "model/RTData.h"

// Fills r.seismicAsked, r.moderate and r.large from the case and the long-term results in r.
void SeismicChecks(const CRTData& c, CDesignResult& r);
