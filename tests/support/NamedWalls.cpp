#include "NamedWalls.h"

#include "model/Units.h"

CRTData Wall35() {
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

CRTData OutsideToeWall() {
    CRTData c;
    c.m_H1 = 2.5;
    c.m_L1 = 1.0;
    c.m_L2 = 0.3;
    return c;
}

CRTData OverturningWall() {
    CRTData c;
    c.m_H1 = 4.0;
    c.m_L2 = 0.3;
    return c;
}

CRTData OutsideHeelWall() {
    CRTData c;
    c.m_L1 = 1.2;
    c.m_L2 = 0.2;
    c.m_P = 60.0;
    return c;
}

CRTData HeelSideUnderStemWall() {
    CRTData c;
    c.m_L1 = 0.3;
    c.m_L2 = 0.1;
    c.m_H1 = 0.3;
    c.m_q = 150;
    c.m_bDeltaWTwoThirdsPhi = 0;
    c.m_delta = DegToRad(35);
    c.m_phi = DegToRad(40);
    c.m_T2 = 1.0;
    c.m_T1 = 0.95;
    return c;
}

CRTData SlopedBatterWall() {
    CRTData c;
    c.m_alpha = DegToRad(15);
    c.m_T2 = 0.45;
    c.m_T3 = 0.10;
    c.m_qFront = 10;
    return c;
}
