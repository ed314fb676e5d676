#include "doc/OptionDialog.h"

#include "model/Units.h"

#include <cmath>

namespace {

enum class Unit {
    AsHeld,
    Angle, // radians in the case, degrees in the dialog
    Cover, // metres in the case, centimetres in the dialog
};

struct Field {
    double CRTData::*record;
    double COptionValues::*dialog;
    Unit unit;
};
const Field kFields[] = {
    {&CRTData::m_gammaC, &COptionValues::m_gammaC, Unit::AsHeld},
    {&CRTData::m_gammaSFront, &COptionValues::m_gammaSFront, Unit::AsHeld},
    {&CRTData::m_qFront, &COptionValues::m_qFront, Unit::AsHeld},
    {&CRTData::m_P, &COptionValues::m_P, Unit::AsHeld},
    {&CRTData::m_M, &COptionValues::m_M, Unit::AsHeld},
    {&CRTData::m_delta, &COptionValues::m_delta, Unit::Angle},
    {&CRTData::m_deltaW, &COptionValues::m_deltaW, Unit::Angle},
    {&CRTData::m_thetaW, &COptionValues::m_thetaW, Unit::Angle},
    {&CRTData::m_dtWall, &COptionValues::m_dtWall, Unit::Cover},
    {&CRTData::m_dtBase, &COptionValues::m_dtBase, Unit::Cover},
    {&CRTData::m_FsOverturnLimit, &COptionValues::m_FsOverturnLimit, Unit::AsHeld},
    {&CRTData::m_FsSlidingLimit, &COptionValues::m_FsSlidingLimit, Unit::AsHeld},
    {&CRTData::m_kh1, &COptionValues::m_kh1, Unit::AsHeld},
    {&CRTData::m_kh2, &COptionValues::m_kh2, Unit::AsHeld},
    {&CRTData::m_FoL, &COptionValues::m_FoL, Unit::AsHeld},
    {&CRTData::m_FsL, &COptionValues::m_FsL, Unit::AsHeld},
    {&CRTData::m_ru, &COptionValues::m_ru, Unit::AsHeld},
};

struct Flag {
    int CRTData::*record;
    int COptionValues::*dialog;
};
const Flag kFlags[] = {
    {&CRTData::m_bDeltaIsAlpha, &COptionValues::m_bDeltaIsAlpha},
    {&CRTData::m_bDeltaWTwoThirdsPhi, &COptionValues::m_bDeltaWTwoThirdsPhi},
    {&CRTData::m_bThetaWAuto, &COptionValues::m_bThetaWAuto},
};

// Angles are cut (not rounded) to 0.01°, so that an angle the calculation derived shows no
// more digits than are typed.
double Shown(double held, Unit unit) {
    switch (unit) {
    case Unit::Angle:
        return std::trunc(held * 180 / kPi / 0.01) * 0.01;
    case Unit::Cover:
        return held * 100;
    case Unit::AsHeld:
        break;
    }
    return held;
}

double Stored(double shown, Unit unit) {
    switch (unit) {
    case Unit::Angle:
        return DegToRad(shown);
    case Unit::Cover:
        return shown / 100;
    case Unit::AsHeld:
        break;
    }
    return shown;
}

} // namespace

COptionValues ShownOptionValues(const CRTData& rt) {
    COptionValues values;
    for (const Field& f : kFields)
        values.*f.dialog = Shown(rt.*f.record, f.unit);
    for (const Flag& f : kFlags)
        values.*f.dialog = rt.*f.record;
    values.m_phiEntered = rt.m_bPhiInput == 1;
    return values;
}

bool EditOptions(CRTData& rt, IOptionDialog& dialog) {
    COptionValues values = ShownOptionValues(rt);
    if (!dialog.Run(values))
        return false;
    for (const Field& f : kFields)
        rt.*f.record = Stored(values.*f.dialog, f.unit);
    for (const Flag& f : kFlags)
        rt.*f.record = values.*f.dialog;
    return true;
}
