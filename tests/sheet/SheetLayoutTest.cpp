// The figures as the sheet places them: label font height and line pitch from the sheet's
// font height, the figure boxes below the title and above the pressure caption, the release
// of every font and brush, and sheets of cases whose numbers give no figure.
#include "RecordingSurface.h"
#include "model/RTData.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <vector>

namespace {

using ::testing::IsEmpty;

// 96 pixels per inch: figure unit 20, box 307 x 293.
constexpr int kU = 20;

RecordedOp FirstTextWith(const CRecordingSurface& s, const std::wstring& text) {
    for (const RecordedOp& op : s.OpsOfKind(RecordedOp::TEXT))
        if (op.text == text)
            return op;
    ADD_FAILURE() << "text not drawn";
    return {};
}

TEST(SheetLayout, LinePitchAndLabelHeightFollowTheFontHeight) {
    struct Row {
        int fh;
        int LP;
        int label;
    };
    for (const Row& row : {Row{10, 12, 6}, Row{11, 13, 7}}) {
        SCOPED_TRACE(row.fh);
        CRTData c;
        CRecordingSurface s;
        c.DrawSheet(&s, row.fh, 30, 0, 0);

        // The data block starts LP + U below the title and steps by LP.
        const RecordedOp concrete = FirstTextWith(s, L"コンクリート");
        EXPECT_EQ(concrete.points[0].y, row.LP + kU);
        const std::vector<RecordedOp> texts = s.OpsOfKind(RecordedOp::TEXT);
        size_t i = 0;
        while (i < texts.size() && texts[i].text != concrete.text)
            ++i;
        ASSERT_LT(i + 1, texts.size());
        EXPECT_EQ(texts[i + 1].points[0].y - texts[i].points[0].y, row.LP);

        // Both figures label with two thirds of the sheet font, at default pitch.
        int labels = 0;
        for (const RecordedOp& op : texts) {
            if (op.font.pitch != 0)
                continue;
            ++labels;
            EXPECT_EQ(op.font.height, row.label);
        }
        EXPECT_EQ(labels, 12 + 4);

        // Figure 1's box hangs one line pitch below the title: its stem top lies 3U lower.
        // Figure 2's box starts 2U above the pressure caption and its stem top 3U below it.
        const std::vector<RecordedOp> polygons = s.OpsOfKind(RecordedOp::POLYGON);
        ASSERT_EQ(polygons.size(), 3u);
        EXPECT_EQ(polygons[0].points[0].y, row.LP + 3 * kU);
        const RecordedOp caption = FirstTextWith(s, L"   　接地圧 (kN/m^2)");
        EXPECT_EQ(polygons[1].points[0].y, caption.points[0].y - 2 * kU + 3 * kU);
        EXPECT_EQ(polygons[2].brush.kind, RecordedBrush::HATCH);

        EXPECT_EQ(s.FontsCreated(), 4);
        EXPECT_EQ(s.BrushesCreated(), 3);
        EXPECT_TRUE(s.Restored());
        EXPECT_THAT(s.Faults(), IsEmpty());
    }
}

// A case whose numbers give no figure still gets its sheet lines, on every page, and leaves
// the surface as it found it.
TEST(SheetLayout, SheetWithoutFiguresFromNaNOrInfiniteInput) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::function<void(CRTData&)> changes[] = {
        [&](CRTData& c) { c.m_H1 = nan; },
        [&](CRTData& c) { c.m_L2 = inf; },
        [&](CRTData& c) { c.m_T2 = nan; },
        [&](CRTData& c) { c.m_H2 = -inf; },
    };
    for (size_t i = 0; i < std::size(changes); ++i) {
        SCOPED_TRACE(i);
        for (int selector : {0, 1, 2}) {
            CRTData c;
            changes[i](c);
            CRecordingSurface s;
            c.DrawSheet(&s, 15, 30, 0, selector);
            EXPECT_FALSE(s.OpsOfKind(RecordedOp::TEXT).empty());
            EXPECT_TRUE(s.OpsOfKind(RecordedOp::POLYGON).empty());
            EXPECT_TRUE(s.OpsOfKind(RecordedOp::LINE).empty());
            EXPECT_TRUE(s.Restored());
            EXPECT_THAT(s.Faults(), IsEmpty());
        }
    }
}

} // namespace
