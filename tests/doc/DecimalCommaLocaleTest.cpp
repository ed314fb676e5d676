// The desktop program runs in the user's locale, which may write a decimal comma (de_DE here).
// The sheet, the numbers shown in the input fields and the numbers typed into them keep the
// decimal point all the same: a comma would change every printed value, and "1.5" typed by the
// user would read as 1.
#include "doc/NumberText.h"
#include "model/RTData.h"
#include "sheet/SheetFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

class DecimalCommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = std::setlocale(LC_ALL, nullptr);
        // Without the locale this test proves nothing: scripts/install-deps generates it.
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locale de_DE.UTF-8 missing";
        ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    }
    void TearDown() override { std::setlocale(LC_ALL, m_previous.c_str()); }

    static std::wstring Sheet() {
        CRTData c;
        c.DrawSheet(nullptr, 0, 0, 0, 0);
        return c.m_strSheet;
    }

private:
    std::string m_previous;
};

TEST_F(DecimalCommaLocale, SheetKeepsTheDecimalPoint) {
    EXPECT_EQ(FormatSheetLine(L"%6.2f|%.1f|%6.4f", 1.5, 36.04, 0.0063), L"  1.50|36.0|0.0063");
    const std::wstring commaSheet = Sheet();
    std::setlocale(LC_ALL, "C");
    EXPECT_TRUE(commaSheet == Sheet());
}

TEST_F(DecimalCommaLocale, FieldsShowAndReadTheDecimalPoint) {
    EXPECT_EQ(FormatFixed(21.0, 1), L"21.0");
    EXPECT_EQ(FormatGeneral(0.45, 6), L"0.45");
    EXPECT_EQ(ReadNumber(L"1.5"), 1.5);
    EXPECT_EQ(ReadNumber(L" -0.25e1"), -2.5);
    // A comma is not a decimal separator of the fields: the number ends before it.
    EXPECT_EQ(ReadNumber(L"1,5"), 1.0);
    double value = 7;
    EXPECT_TRUE(ScanDecimal(L"30.5°", value));
    EXPECT_EQ(value, 30.5);
}

} // namespace
