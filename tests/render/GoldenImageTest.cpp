// The screen view of three cases at 96 pixels per inch against reference images: the default
// wall, a sloped backfill over a stem with a front batter and a front surcharge, and a wall
// whose resultant lies outside the middle third. A pixel counts as different when its grey
// level is off by more than a quarter of the range; a few such pixels are tolerated for
// antialiasing. With TARVO_UPDATE_GOLDEN=1 the references are written instead.
#include "NamedWalls.h"
#include "model/BarTable.h"
#include "model/RTData.h"
#include "render/ScreenView.h"

#include <QCoreApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>

namespace {

constexpr int kTolerance = 64;     // grey levels
constexpr int kMaxDifferent = 250; // pixels of 2.5 million, 0.01 %

struct GoldenScreen {
    const char* name; // tests/golden/screen-<name>.png
    CRTData wall;
};

const GoldenScreen kCases[] = {
    {"default", CRTData()},
    {"sloped-batter", SlopedBatterWall()},
    {"outside-middle-third", OutsideToeWall()},
};

void PrintTo(const GoldenScreen& c, std::ostream* os) {
    *os << c.name;
}

class GoldenImage : public ::testing::TestWithParam<GoldenScreen> {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadBarTable(TARVO_TEST_DATA "/../res/reinf.txt")); }
};

TEST_P(GoldenImage, ScreenViewMatchesTheReference) {
    CRTData c = GetParam().wall;
    const QImage actual = RenderScreenView(c, 11, 96).convertToFormat(QImage::Format_Grayscale8);
    ASSERT_EQ(actual.size(), QSize(1000, 2500));
    const QString path = QStringLiteral(TARVO_TEST_DATA "/golden/screen-%1.png")
                             .arg(QString::fromLatin1(GetParam().name));
    const char* update = std::getenv("TARVO_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        ASSERT_TRUE(actual.save(path));
        GTEST_SKIP() << "reference written";
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_Grayscale8);
    ASSERT_FALSE(expected.isNull()) << "missing reference " << path.toStdString();
    ASSERT_EQ(expected.size(), actual.size());
    int different = 0;
    for (int y = 0; y < actual.height(); ++y) {
        const uchar* a = actual.constScanLine(y);
        const uchar* e = expected.constScanLine(y);
        for (int x = 0; x < actual.width(); ++x)
            different += std::abs(a[x] - e[x]) > kTolerance;
    }
    // A failing image is kept beside the test program for a look.
    if (different > kMaxDifferent)
        actual.save(
            QCoreApplication::applicationDirPath() +
            QStringLiteral("/screen-%1-actual.png").arg(QString::fromLatin1(GetParam().name)));
    EXPECT_LE(different, kMaxDifferent) << "pixels different";
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenImage, ::testing::ValuesIn(kCases), [](const auto& test) {
    std::string name = test.param.name;
    for (char& ch : name)
        if (ch == '-')
            ch = '_';
    return name;
});

} // namespace
