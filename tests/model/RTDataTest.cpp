// The case record: defaults and copying.
#include "model/RTData.h"
#include "model/Units.h"

#include <gtest/gtest.h>

namespace {

TEST(RTData, DefaultsDescribeAComputableWall) {
    CRTData c;
    EXPECT_EQ(c.m_strTitle, L"新規擁壁");
    EXPECT_DOUBLE_EQ(RadToDeg(c.m_phi), 30.0);
    EXPECT_EQ(c.m_bPhiInput, 1);
    EXPECT_EQ(c.m_strBar[SLOT_WALL], L"D10+D13");
    for (int slot : {SLOT_TOE, SLOT_HEEL, SLOT_SPARE})
        EXPECT_EQ(c.m_strBar[slot], L"D13");
    for (int slot = 0; slot < BAR_SLOTS; ++slot) {
        EXPECT_EQ(c.m_nPitch[slot], 200);
        EXPECT_EQ(c.m_dBarSpare[slot], 295.0);
    }
    EXPECT_EQ(c.m_dReserve6, 100.0);
    EXPECT_EQ(c.m_dReserve9, 0.2);
    EXPECT_EQ(c.m_dReserve10, 30.0);
    EXPECT_EQ(c.m_nReserve3, 1);
    EXPECT_EQ(c.m_nReserve4, 1);
    // No seismic check until a coefficient is entered.
    EXPECT_EQ(c.m_kh1, 0.0);
    EXPECT_EQ(c.m_kh2, 0.0);
    EXPECT_EQ(c.m_FoL, 1.0);
    EXPECT_EQ(c.m_FsL, 1.0);
    EXPECT_EQ(c.m_ru, 3.0);
    EXPECT_TRUE(c.m_strSheet.empty());
}

// Copies carry every saved field, slot 3 and the reserved values included, but never the
// sheet text, which belongs to the record it was rendered for.
TEST(RTData, CopyingCarriesEverythingButTheSheetText) {
    CRTData src;
    src.m_strTitle = L"擁壁A";
    src.m_strBar[SLOT_SPARE] = L"D25";
    src.m_nPitch[SLOT_SPARE] = 125;
    src.m_dBarSpare[SLOT_SPARE] = 345.0;
    src.m_dReserve1 = 1.5;
    src.m_dReserve11 = -2.25;
    src.m_nReserve5 = 7;
    src.m_qDeduct = 3.0;
    src.m_kh2 = 0.25;
    src.m_ru = 2.0;
    src.m_strSheet = L"source sheet";

    CRTData target;
    target.m_strSheet = L"target sheet";
    target = src;
    EXPECT_EQ(target.m_strTitle, L"擁壁A");
    EXPECT_EQ(target.m_strBar[SLOT_SPARE], L"D25");
    EXPECT_EQ(target.m_nPitch[SLOT_SPARE], 125);
    EXPECT_EQ(target.m_dBarSpare[SLOT_SPARE], 345.0);
    EXPECT_EQ(target.m_dReserve1, 1.5);
    EXPECT_EQ(target.m_dReserve11, -2.25);
    EXPECT_EQ(target.m_nReserve5, 7);
    EXPECT_EQ(target.m_qDeduct, 3.0);
    EXPECT_EQ(target.m_kh2, 0.25);
    EXPECT_EQ(target.m_ru, 2.0);
    EXPECT_EQ(target.m_strSheet, L"target sheet");

    CRTData copy(src);
    EXPECT_EQ(copy.m_strTitle, L"擁壁A");
    EXPECT_TRUE(copy.m_strSheet.empty());

    CRTData& self = src;
    src = self;
    EXPECT_EQ(src.m_strTitle, L"擁壁A");
    EXPECT_EQ(src.m_strSheet, L"source sheet");
}

} // namespace
