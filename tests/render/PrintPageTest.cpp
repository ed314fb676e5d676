// Printed pages: the rectangle inside the margins, the frame, the page number above its top
// right corner, the sheet origin 8 mm and 5 mm inside it, the half of the sheet that odd and
// even pages carry, and the page count of a PDF of the marked cases.
#include "render/PrintPage.h"
#include "../sheet/RecordingSurface.h"

#include <QFile>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using ::testing::IsEmpty;

// A4 at 600 pixels per inch with the printable area 100 and 120 device units in.
constexpr PageGeometry kA4{4961, 7016, 100, 120};

struct Page {
    std::vector<RecordedOp> frames;
    std::vector<RecordedOp> numbers; // texts in the page number's font
    std::vector<RecordedOp> sheet;   // texts in the sheet font
};

Page Printed(CRecordingSurface& s, const CDocSettings& settings, CRTData* c, int number) {
    DrawPrintedPage(s, kA4, settings, {c, number % 2 == 1 ? 1 : 2}, number);
    EXPECT_TRUE(s.Restored());
    EXPECT_THAT(s.Faults(), IsEmpty());
    Page page;
    page.frames = s.OpsOfKind(RecordedOp::RECTANGLE);
    for (const RecordedOp& op : s.OpsOfKind(RecordedOp::TEXT)) {
        if (op.font.pitch == 1)
            page.sheet.push_back(op);
        else if (op.text.rfind(L"P - ", 0) == 0)
            page.numbers.push_back(op);
    }
    return page;
}

// Default settings at 600 x 600: margins of 15 mm are 354 device units; R runs from
// (354 - 100, 354 - 120) to (4961 - 100 - 354, 7016 - 120 - 354).
TEST(PrintPage, FrameNumberAndSheetOriginOfTheDefaultSettings) {
    CRTData c;
    CDocSettings settings;
    CRecordingSurface s(600, 600);
    const Page page = Printed(s, settings, &c, 3);

    ASSERT_EQ(page.frames.size(), 1u);
    EXPECT_EQ(page.frames[0].points[0], (SurfacePoint{254, 234}));
    EXPECT_EQ(page.frames[0].points[1], (SurfacePoint{4507, 6542}));
    EXPECT_EQ(page.frames[0].brush.kind, RecordedBrush::STOCK_WHITE);
    EXPECT_EQ(s.Ops().front().kind, RecordedOp::RECTANGLE); // before anything else

    ASSERT_EQ(page.numbers.size(), 1u);
    EXPECT_EQ(page.numbers[0].text, L"P - 3");
    EXPECT_EQ(page.numbers[0].points[0], (SurfacePoint{4507, 234}));
    EXPECT_EQ(page.numbers[0].align, TA_RIGHT + TA_BOTTOM);
    EXPECT_EQ(page.numbers[0].font.height, 88); // 10.5 points
    EXPECT_EQ(page.numbers[0].font.face, kSheetFace);

    // Odd page: the first half, from the title, 189 and 118 device units inside R, in the
    // 92-unit sheet font.
    ASSERT_FALSE(page.sheet.empty());
    EXPECT_EQ(page.sheet[0].text, c.m_strTitle);
    EXPECT_EQ(page.sheet[0].points[0], (SurfacePoint{254 + 189, 234 + 118}));
    EXPECT_EQ(page.sheet[0].font.height, 92);
    EXPECT_FALSE(s.OpsOfKind(RecordedOp::POLYGON).empty()); // the wall figure
}

// Horizontal measures use the horizontal resolution, vertical ones the vertical resolution,
// except the sheet's 5 mm top offset, which is converted horizontally.
TEST(PrintPage, MarginsPerSideAndResolution) {
    CRTData c;
    CDocSettings settings;
    settings.rcMargin[0] = 1000; // left, top, right, bottom in 0.01 mm
    settings.rcMargin[1] = 2000;
    settings.rcMargin[2] = 1500;
    settings.rcMargin[3] = 500;
    settings.nFontSize = 10;
    CRecordingSurface s(600, 300);
    const Page page = Printed(s, settings, &c, 4);

    ASSERT_EQ(page.frames.size(), 1u);
    EXPECT_EQ(page.frames[0].points[0], (SurfacePoint{236 - 100, 236 - 120}));
    EXPECT_EQ(page.frames[0].points[1], (SurfacePoint{4961 - 100 - 354, 7016 - 120 - 59}));
    ASSERT_EQ(page.numbers.size(), 1u);
    EXPECT_EQ(page.numbers[0].font.height, 44);
    // Even page: the second half from section 6).
    ASSERT_FALSE(page.sheet.empty());
    EXPECT_EQ(page.sheet[0].text, L"6) 断面の設計");
    EXPECT_EQ(page.sheet[0].points[0], (SurfacePoint{136 + 189, 116 + 118}));
    EXPECT_EQ(page.sheet[0].font.height, 83); // 10 points at 600 across
}

TEST(PrintPage, FrameAndNumberAreOptionalAndKeepTheOrigin) {
    CRTData c;
    CDocSettings settings;
    settings.bDrawFrame = 0;
    settings.bPageNumber = 0;
    CRecordingSurface s(600, 600);
    const Page page = Printed(s, settings, &c, 1);
    EXPECT_TRUE(page.frames.empty());
    EXPECT_TRUE(page.numbers.empty());
    EXPECT_EQ(s.FontsCreated(), 3); // sheet and the two label fonts of the wall figure
    ASSERT_FALSE(page.sheet.empty());
    EXPECT_EQ(page.sheet[0].points[0], (SurfacePoint{254 + 189, 234 + 118}));
}

TEST(PrintPage, PageWithoutACaseCarriesFrameAndNumberOnly) {
    CDocSettings settings;
    CRecordingSurface s(600, 600);
    const Page page = Printed(s, settings, nullptr, 7);
    EXPECT_EQ(page.frames.size(), 1u);
    ASSERT_EQ(page.numbers.size(), 1u);
    EXPECT_EQ(page.numbers[0].text, L"P - 7");
    EXPECT_EQ(s.Ops().size(), 2u);
}

int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString pdf = QString::fromLatin1(file.readAll());
    return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

TEST(PrintPage, PdfOfTheMarkedCasesHasTwoPagesEach) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<CRTData> cases(3);
    cases[1].m_bPrint = 0;
    const QString path = dir.filePath(QStringLiteral("cases.pdf"));
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        EXPECT_EQ(PrintMarkedCases(writer, CDocSettings(), cases), 4);
    }
    EXPECT_EQ(PdfPageCount(path), 4);

    for (CRTData& c : cases)
        c.m_bPrint = 0;
    const QString none = dir.filePath(QStringLiteral("none.pdf"));
    {
        QPdfWriter writer(none);
        EXPECT_EQ(PrintMarkedCases(writer, CDocSettings(), cases), 0);
    }
    EXPECT_FALSE(QFile::exists(none));
}

} // namespace
