// tarvo-cli png and pdf, run as the built program: the image is the screen view of the chosen
// case, the PDF carries two pages per case marked for printing, and a failed command leaves
// the output file as it was.
#include "FileContents.h"
#include "RunTarvoCli.h"
#include "ScratchFolder.h"
#include "model/BarTable.h"
#include "model/CaseFile.h"
#include "render/ScreenView.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

class RenderCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadBarTable(TARVO_BIN_DIR "/reinf.txt")); }

    std::string Path(const char* name) const { return m_scratch.File(name); }

    // Runs tarvo-cli with the arguments and returns its exit status; its standard error is kept
    // in the file "stderr" of the test.
    int Cli(const std::vector<std::string>& args) const {
        return RunTarvoCli(args, {Path("stdout"), Path("stderr")});
    }

    // A case file of three cases, the second one not marked for printing.
    std::string ThreeCases(int fontSize = 11) {
        CDocSettings settings;
        settings.nFontSize = fontSize;
        m_cases.assign(3, CRTData());
        m_cases[1].m_bPrint = 0;
        m_cases[1].m_H1 = 2.0;
        const std::string path = Path("cases.tarvo");
        WriteBytes(path, WriteCaseFile(settings, m_cases));
        return path;
    }

    CScratchFolder m_scratch;
    std::vector<CRTData> m_cases;
};

TEST_F(RenderCommand, PngIsTheScreenViewOfTheChosenCase) {
    const std::string file = ThreeCases(10);
    const std::string out = Path("case2.png");
    ASSERT_EQ(Cli({"png", file, "--case", "2", "-o", out}), 0);
    const QImage image(QString::fromStdString(out));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32), RenderScreenView(m_cases[1], 10, 96));

    const std::string large = Path("large.png");
    ASSERT_EQ(Cli({"png", "--dpi", "192", "--output", large}), 0);
    const QImage twice(QString::fromStdString(large));
    EXPECT_EQ(twice.size(), QSize(2000, 5000));
    EXPECT_NEAR(twice.dotsPerMeterX() * 0.0254, 192, 0.1);
}

TEST_F(RenderCommand, PdfHasTwoPagesPerMarkedCase) {
    const std::string out = Path("cases.pdf");
    ASSERT_EQ(Cli({"pdf", ThreeCases(), "-o", out, "--dpi", "300"}), 0);
    QFile pdf(QString::fromStdString(out));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(pdf.readAll());
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 4);
    EXPECT_TRUE(text.startsWith(QStringLiteral("%PDF-")));
}

TEST_F(RenderCommand, FailureLeavesTheOutputAsItWas) {
    const std::string file = ThreeCases();
    std::vector<CRTData> unmarked(2);
    for (CRTData& c : unmarked)
        c.m_bPrint = 0;
    const std::string none = Path("unmarked.tarvo");
    WriteBytes(none, WriteCaseFile(CDocSettings(), unmarked));

    const std::string out = Path("out");
    std::ofstream(out) << "kept";
    const std::vector<std::vector<std::string>> failures = {
        {"png", file},                                  // no --output
        {"png", file, "--output", out, "--dpi", "601"}, // beyond the resolution limit
        {"png", file, "--output", out, "--dpi", "0"},
        {"png", file, "--output", out, "--case", "4"},   // no such case
        {"pdf", none, "--output", out},                  // nothing marked for printing
        {"pdf", Path("missing.tarvo"), "--output", out}, // unreadable input
        {"pdf", file, "--output", out, "--dpi", "x"},
    };
    for (const std::vector<std::string>& args : failures) {
        SCOPED_TRACE(args.back());
        EXPECT_EQ(Cli(args), 2);
        EXPECT_EQ(ReadText(out), "kept");
    }
    EXPECT_EQ(Cli({"png", "--output", Path("no/such/folder.png")}), 2);
}

} // namespace
