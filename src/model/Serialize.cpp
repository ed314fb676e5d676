#include "model/Archive.h"
#include "model/RTData.h"

namespace {

// The doubles of a case body in the order the file holds them: the two safety-factor limits
// follow the five angles, and reserves 10, 5 and 11 close the list.
constexpr double CRTData::*kDoubles[] = {
    &CRTData::m_Fc,
    &CRTData::m_T1,
    &CRTData::m_T2,
    &CRTData::m_T3,
    &CRTData::m_D1,
    &CRTData::m_D2,
    &CRTData::m_dReserve1,
    &CRTData::m_H1,
    &CRTData::m_H2,
    &CRTData::m_dReserve2,
    &CRTData::m_L1,
    &CRTData::m_L2,
    &CRTData::m_dReserve3,
    &CRTData::m_dReserve4,
    &CRTData::m_dtWall,
    &CRTData::m_dtBase,
    &CRTData::m_phi,
    &CRTData::m_alpha,
    &CRTData::m_delta,
    &CRTData::m_deltaW,
    &CRTData::m_thetaW,
    &CRTData::m_FsSlidingLimit,
    &CRTData::m_FsOverturnLimit,
    &CRTData::m_KA,
    &CRTData::m_mu,
    &CRTData::m_fe,
    &CRTData::m_dReserve6,
    &CRTData::m_gammaC,
    &CRTData::m_gammaS,
    &CRTData::m_gammaSFront,
    &CRTData::m_q,
    &CRTData::m_qFront,
    &CRTData::m_qDeduct,
    &CRTData::m_P,
    &CRTData::m_M,
    &CRTData::m_dReserve7,
    &CRTData::m_dReserve8,
    &CRTData::m_dReserve9,
    &CRTData::m_dReserve10,
    &CRTData::m_dReserve5,
    &CRTData::m_dReserve11,
};

// The ints that close a case body.
constexpr int CRTData::*kInts[] = {
    &CRTData::m_bPrint,      &CRTData::m_bPhiInput,     &CRTData::m_nReserve1,
    &CRTData::m_nReserve2,   &CRTData::m_nReserve3,     &CRTData::m_nReserve4,
    &CRTData::m_nReserve5,   &CRTData::m_bDeltaIsAlpha, &CRTData::m_bDeltaWTwoThirdsPhi,
    &CRTData::m_bThetaWAuto,
};

// One layout for both directions: Record is const CRTData with the writer and CRTData with
// the reader.
template <class Archive, class Record> void TransferBody(Archive& ar, Record& c) {
    ar.Transfer(c.m_strTitle);
    for (double CRTData::*field : kDoubles)
        ar.Transfer(c.*field);
    for (int slot = 0; slot < BAR_SLOTS; ++slot) {
        ar.Transfer(c.m_strBar[slot]);
        ar.Transfer(c.m_nPitch[slot]);
        ar.Transfer(c.m_dBarSpare[slot]);
    }
    for (int CRTData::*field : kInts)
        ar.Transfer(c.*field);
}

} // namespace

void CRTData::Serialize(CArchiveWriter& ar) const {
    TransferBody(ar, *this);
}

void CRTData::Serialize(CArchiveReader& ar) {
    TransferBody(ar, *this);
}
