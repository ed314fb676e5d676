// The detail settings of a case: the data the input panel does not show. The dialog works on
// a copy in its own units (degrees, centimetres); the case is written only when it ends
// with OK.
#pragma once

#include "model/RTData.h"

struct COptionValues {
    double m_gammaC = 0;          // kN/m^3
    double m_gammaSFront = 0;     // kN/m^3
    double m_qFront = 0;          // kN/m^2
    double m_P = 0;               // kN/m
    double m_M = 0;               // kN*m/m
    double m_delta = 0;           // degrees
    double m_deltaW = 0;          // degrees
    double m_thetaW = 0;          // degrees
    double m_dtWall = 0;          // cm
    double m_dtBase = 0;          // cm
    double m_FsOverturnLimit = 0; // required safety factors
    double m_FsSlidingLimit = 0;
    int m_bDeltaIsAlpha = 0;
    int m_bDeltaWTwoThirdsPhi = 0;
    int m_bThetaWAuto = 0;
    // Seismic checks, with the values of a new case.
    double m_kh1 = 0;   // design horizontal coefficient, moderate earthquake
    double m_kh2 = 0;   // design horizontal coefficient, large earthquake
    double m_FoL = 1.0; // required safety factors of the large earthquake
    double m_FsL = 1.0;
    double m_ru = 3.0; // ultimate bearing capacity as a multiple of fe
    // Shown only: the seismic checks need an entered friction angle.
    bool m_phiEntered = false;
};

class IOptionDialog {
public:
    virtual ~IOptionDialog() = default;

    // Runs the dialog modally on values. True when it ended with OK; values then hold what
    // the dialog accepted. False leaves values as they were.
    virtual bool Run(COptionValues& values) = 0;
};

// The case's values as the dialog shows them: angles in degrees cut to 0.01°, covers in cm.
COptionValues ShownOptionValues(const CRTData& rt);

// Runs the dialog on the case. The angles are shown truncated to 0.01°. On OK every field is
// written back, changed or not, and true is returned; otherwise the case is untouched.
bool EditOptions(CRTData& rt, IOptionDialog& dialog);
