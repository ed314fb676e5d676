// A 3.5 m cantilever wall that passes every long-term check, for the seismic tests: H1 3.00,
// H2 0.50, D1 0.40, D2 0.50, T1 0.30, T2 0.50, T3 0.20, L1 0.80, L2 1.80, mu 0.5, fe 200,
// Fc 24, phi 30 degrees, delta 0, q 10; D19 @150 in the stem, D16 @200 in toe and heel.
#pragma once

#include "model/RTData.h"

inline CRTData Wall35() {
    CRTData c;
    c.m_H1 = 3.0;
    c.m_H2 = 0.5;
    c.m_D1 = 0.4;
    c.m_D2 = 0.5;
    c.m_T1 = 0.3;
    c.m_T2 = 0.5;
    c.m_T3 = 0.2;
    c.m_L1 = 0.8;
    c.m_L2 = 1.8;
    c.m_mu = 0.5;
    c.m_fe = 200;
    c.m_Fc = 24;
    c.m_strBar[SLOT_WALL] = L"D19";
    c.m_strBar[SLOT_TOE] = L"D16";
    c.m_strBar[SLOT_HEEL] = L"D16";
    c.m_nPitch[SLOT_WALL] = 150;
    return c;
}
