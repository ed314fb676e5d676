// Reading the bar table and resolving designations against it.
#include "model/BarTable.h"
#include "model/RTData.h"
#include "model/TextCodec.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kHeading[] = "Bar Grade area,dia,ft,fts,perimeter,mass,fy\n";

class BarTableTest : public ::testing::Test {
protected:
    BarTableLoad Load(const std::string& body) {
        std::ofstream(path_, std::ios::binary) << kHeading << body;
        return LoadBarTable(path_);
    }
    void TearDown() override { std::remove(path_.c_str()); }

    static CRTData WithDesignation(const wchar_t* designation) {
        CRTData c;
        c.m_strBar[SLOT_WALL] = designation;
        return c;
    }

    // One file per test and process: ctest runs the tests of this suite in parallel.
    std::string path_ = ::testing::TempDir() + "reinf_" +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                        std::to_string(getpid()) + ".txt";
};

const char kTable[] = "D10 SD295 71,95,195,295,30,560,295\n"
                      "D13 SD295 127,127,195,295,40,995,295\r\n"
                      "D16 SD345 199,159,215,345,50,1560,345\n";

// Column rules: designation and grade within columns 1 to 9, column 10 skipped, seven
// comma-separated integers from column 11.
TEST_F(BarTableTest, LineValidity) {
    const struct {
        const char* line;
        bool valid;
        const wchar_t* name;
        const wchar_t* grade;
        int area;
    } cases[] = {
        {"D13 SD295 127,127,195,295,40,995,295", true, L"D13", L"SD295", 127},
        {" D13 SD29 127, 1,+195,-2,  40,995,295 trailing text", true, L"D13", L"SD29", 127},
        {"D13\tSD295 127,127,195,295,40,995,295", true, L"D13", L"SD295", 127},
        // Numbers starting in column 10: the first digit falls into the skipped column.
        {"D13 SD295127,127,195,295,40,995,295", true, L"D13", L"SD295", 27},
        {"D13 SD2957,127,195,295,40,995,295", false, nullptr, nullptr, 0},
        // A grade running past column 9 is cut there.
        {"D1 SD2951X 127,127,195,295,40,995,295", true, L"D1", L"SD2951", 127},
        // Tokens longer than their limits within the nine columns invalidate the line.
        {"D130 SD29 127,127,195,295,40,995,295", false, nullptr, nullptr, 0},
        {"D SD29512 127,127,195,295,40,995,295", false, nullptr, nullptr, 0},
        {"D13       127,127,195,295,40,995,295", false, nullptr, nullptr, 0},
        {"D13 SD295 127,127,195,295,40,995", false, nullptr, nullptr, 0},
        {"D13 SD295 127 ,127,195,295,40,995,295", false, nullptr, nullptr, 0},
        {"D13 SD295 127,x,195,295,40,995,295", false, nullptr, nullptr, 0},
        {"D13 SD295", false, nullptr, nullptr, 0},
        // Every number must fit in 32 bits; one that does not is no number of the line.
        {"D13 SD295 2147483647,127,195,295,40,995,295", true, L"D13", L"SD295", 2147483647},
        {"D13 SD295 -2147483648,127,195,295,40,995,295", true, L"D13", L"SD295", INT_MIN},
        {"D13 SD295 000000000000000127,127,195,295,40,995,295", true, L"D13", L"SD295", 127},
        {"D13 SD295 4294967423,127,195,295,40,995,295", false, nullptr, nullptr, 0},
        {"D13 SD295 2147483648,127,195,295,40,995,295", false, nullptr, nullptr, 0},
        {"D13 SD295 127,127,195,295,40,995,-2147483649", false, nullptr, nullptr, 0},
        {"D13 SD295 127,99999999999999999999999,195,295,40,995,295", false, nullptr, nullptr, 0},
        {"", false, nullptr, nullptr, 0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.line);
        EXPECT_EQ(Load(std::string(k.line) + "\n").loaded, k.valid);
        if (k.valid) {
            EXPECT_STREQ(g_barTable[0].szName, k.name);
            EXPECT_STREQ(g_barTable[0].szGrade, k.grade);
            EXPECT_EQ(g_barTable[0].nData[0], k.area);
        } else {
            EXPECT_EQ(g_barTable[0].nData[0], 0);
        }
    }
}

TEST_F(BarTableTest, InvalidLinesLeaveNoTraceAndLastLineNeedsNoLineEnd) {
    ASSERT_TRUE(Load("\nD10 SD295 71,95,195,295,30,560,295\nbroken line\n"
                     "D13 SD295 127,127,195,295,40,995,295"));
    EXPECT_STREQ(g_barTable[0].szName, L"D10");
    EXPECT_STREQ(g_barTable[1].szName, L"D13");
    EXPECT_EQ(g_barTable[1].nData[6], 295);
    EXPECT_EQ(g_barTable[2].nData[0], 0);
}

TEST_F(BarTableTest, LoadFailsWithoutValidRows) {
    for (const char* body : {"", "no valid line\n", "D13 SD295 1,2,3\n"}) {
        ASSERT_TRUE(Load(kTable));
        EXPECT_FALSE(Load(body)) << body;
        CRTData c = WithDesignation(L"D13");
        EXPECT_EQ(c.GetBarArea(0), 0.0);
        EXPECT_EQ(c.GetBarAllowableStress(0), 0.0);
        EXPECT_EQ(c.GetBarGradeLabel(0), L"");
    }
}

// The first twenty valid lines are the table; only a valid line after them counts as left
// out, however many invalid lines follow.
TEST_F(BarTableTest, AtMostTwentyRowsAreHeld) {
    std::string twenty;
    for (int i = 1; i <= 20; ++i)
        twenty += "D" + std::to_string(10 + i) + " SD295 " + std::to_string(i) + ",0,100,0,0,0,0\n";
    const struct {
        std::string after;
        bool leftOut;
    } cases[] = {
        {"", false},
        {"broken\n\nD13 SD295 4294967423,0,0,0,0,0,0\n", false},
        {"D31 SD295 21,0,100,0,0,0,0\n", true},
        {"broken\nD31 SD295 21,0,100,0,0,0,0\nD32 SD295 22,0,100,0,0,0,0", true},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.after);
        BarTableLoad load = Load(twenty + k.after);
        ASSERT_TRUE(load);
        EXPECT_EQ(load.linesLeftOut, k.leftOut);
        EXPECT_STREQ(g_barTable[19].szName, L"D30");
        EXPECT_DOUBLE_EQ(WithDesignation(L"D30").GetBarArea(0), 0.2);
        EXPECT_EQ(WithDesignation(L"D31").GetBarArea(0), 0.0); // a 21st valid line
    }
}

// What is not a regular file is no table, and the reason says why: a FIFO without a writer is
// not waited for and a device is not read.
TEST_F(BarTableTest, OnlyARegularFileIsRead) {
    const std::string fifo = path_ + ".fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string path;
        const wchar_t* reason;
    } cases[] = {
        {fifo, L"通常のファイルではありません。"},
        {"/dev/zero", L"通常のファイルではありません。"},
        {::testing::TempDir(), L"ファイルではなくフォルダーです。"},
        {::testing::TempDir() + "no_such_dir/reinf.txt",
         L"ファイルまたはフォルダーが見つかりません。"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.path);
        ASSERT_TRUE(Load(kTable));
        BarTableLoad load = LoadBarTable(k.path);
        EXPECT_FALSE(load);
        EXPECT_FALSE(load.linesLeftOut);
        EXPECT_EQ(load.reason, EncodeUtf8(k.reason));
        EXPECT_EQ(WithDesignation(L"D13").GetBarArea(0), 0.0);
    }
    std::remove(fifo.c_str());
    EXPECT_EQ(Load("no valid line\n").reason, EncodeUtf8(L"有効な行がありません。"));
}

TEST_F(BarTableTest, Lookups) {
    const struct {
        const wchar_t* designation;
        double area, stress;
        const wchar_t* grade;
    } cases[] = {
        {L"D13", 1.27, 19.5, L"SD295"},
        {L"D10+D13", (0.71 + 1.27) / 2, 19.5, L"SD295"},
        {L"D13+D16", (1.27 + 1.99) / 2, 19.5, L"SD295"},
        {L"D13+D13", 1.27, 19.5, L"SD295"},
        // Larger bar written first: the second part is met first and does not lower the stress.
        {L"D16+D13", (1.99 + 1.27) / 2, 21.5, L"SD345"},
        {L"D13+D10", (1.27 + 0.71) / 2, 19.5, L"SD295"},
        // Second part missing from the table: unresolved although the first part was found.
        {L"D13+D25", 0.0, 0.0, L""},
        // Six characters count as one part; the scan ends at the first row matching either.
        {L"D10+D6", 0.71, 19.5, L"SD295"},
        {L"D25+D1", 0.71, 0.0, L""},
        // Only exactly seven characters make two parts: eight resolve at the first match.
        {L"D10+D13X", 0.71, 19.5, L"SD295"},
        // Equal stresses: the grade is the first part's.
        {L"D13+D19", (1.27 + 2.87) / 2, 19.5, L"SD295"},
        {L"D19+D13", (2.87 + 1.27) / 2, 19.5, L"SD390"},
        {L"D99", 0.0, 0.0, L""},
        {L"d13", 0.0, 0.0, L""},
        {L"", 0.0, 0.0, L""},
    };
    ASSERT_TRUE(Load(std::string(kTable) + "D1  SD390 71,0,100,0,0,0,0\n" +
                     "D19 SD390 287,191,195,390,60,2250,390\n"));
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message()
                     << std::string(k.designation, k.designation + wcslen(k.designation)));
        CRTData c = WithDesignation(k.designation);
        EXPECT_NEAR(c.GetBarArea(0), k.area, 1e-12);
        EXPECT_NEAR(c.GetBarAllowableStress(0), k.stress, 1e-12);
        EXPECT_EQ(c.GetBarGradeLabel(0), k.grade);
    }
}

TEST_F(BarTableTest, RowWithZeroAreaEndsTheTable) {
    ASSERT_TRUE(Load("D10 SD295 71,95,195,295,30,560,295\n"
                     "D13 SD295 0,127,195,295,40,995,295\n"
                     "D16 SD345 199,159,215,345,50,1560,345\n"));
    EXPECT_EQ(WithDesignation(L"D10").GetBarArea(0), 0.71);
    EXPECT_EQ(WithDesignation(L"D16").GetBarArea(0), 0.0);
}

TEST_F(BarTableTest, DuplicateDesignationResolvesAtItsFirstRow) {
    ASSERT_TRUE(Load("D13 SD295 127,127,195,295,40,995,295\n"
                     "D13 SD345 130,127,215,345,40,995,345\n"));
    CRTData c = WithDesignation(L"D13");
    EXPECT_EQ(c.GetBarArea(0), 1.27);
    EXPECT_EQ(c.GetBarGradeLabel(0), L"SD295");
}

TEST_F(BarTableTest, ShippedTableHasTheJisDeformedBars) {
    ASSERT_TRUE(LoadBarTable(TARVO_TEST_DATA "/../res/reinf.txt"));
    const struct {
        const wchar_t* name;
        int area, stress;
        const wchar_t* grade;
    } bars[] = {{L"D10", 71, 195, L"SD295"},  {L"D13", 127, 195, L"SD295"},
                {L"D16", 199, 195, L"SD295"}, {L"D19", 287, 215, L"SD345"},
                {L"D22", 387, 215, L"SD345"}, {L"D25", 507, 215, L"SD345"},
                {L"D29", 642, 195, L"SD345"}, {L"D32", 794, 195, L"SD345"}};
    for (const auto& b : bars) {
        CRTData c = WithDesignation(b.name);
        EXPECT_NEAR(c.GetBarArea(0), b.area * 0.01, 1e-12);
        EXPECT_NEAR(c.GetBarAllowableStress(0), b.stress * 0.1, 1e-12);
        EXPECT_EQ(c.GetBarGradeLabel(0), b.grade);
    }
}

// A NUL byte ends the text of a line: NUL bytes in the designation columns make no row with
// an empty designation, which an empty designation of a case would then resolve to.
TEST_F(BarTableTest, NulByteEndsTheLine) {
    using namespace std::string_literals;
    EXPECT_FALSE(Load("\0\0\0 SD345 127,127,195,345,40,995,345\n"s));
    EXPECT_EQ(WithDesignation(L"").GetBarArea(0), 0.0);
    EXPECT_FALSE(Load("D13 SD\0"
                      "345 127,127,195,345,40,995,345\n"s));
    ASSERT_TRUE(Load("D13 SD345 127,127,195,345,40,995,345\0 trailing\n"s));
    EXPECT_STREQ(g_barTable[0].szGrade, L"SD345");
}

} // namespace
