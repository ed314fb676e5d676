// tarvo-cli end to end: the built program run on files made for each test, with its standard
// output, standard error and exit status.
#include "FileContents.h"
#include "RunTarvoCli.h"
#include "ScratchFolder.h"
#include "model/BarTable.h"
#include "model/CaseFile.h"
#include "model/TextCodec.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

std::string Utf8(const std::wstring& text) {
    return EncodeUtf8(text);
}

class Cli : public testing::Test {
protected:
    // Standard output goes to a file of the test, or to `device` (and is then not read back).
    RunResult Run(const std::vector<std::string>& args, const fs::path& device = {}) {
        const fs::path out = device.empty() ? fs::path(Path("stdout")) : device;
        const fs::path err = Path("stderr");
        const int status = RunTarvoCli(args, {out.string(), err.string(), m_memoryKiB});
        return {status, device.empty() ? ReadText(out) : "", ReadText(err)};
    }

    std::string Path(const std::string& name) const { return m_scratch.File(name); }

    // Two cases "A" (valid) and "B"; B fails the check when its wall height is zero.
    std::string TwoCaseFile(const std::string& name, int current, double heightOfB) {
        std::vector<CRTData> cases(2);
        cases[0].m_strTitle = L"A";
        cases[1].m_strTitle = L"B";
        cases[1].m_H1 = heightOfB;
        CDocSettings settings;
        settings.nCurrent = current;
        WriteBytes(Path(name), WriteCaseFile(settings, cases));
        return Path(name);
    }

    CScratchFolder m_scratch;
    rlim_t m_memoryKiB = 0; // a limit of the program's address space; 0 for none
};

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find("\r\n"));
}

// The sheet is the clipboard text: every line ends with CR LF and no bare line feed occurs.
void ExpectClipboardLines(const std::string& sheet) {
    ASSERT_GE(sheet.size(), 2u);
    EXPECT_EQ(sheet.substr(sheet.size() - 2), "\r\n");
    for (std::size_t i = sheet.find('\n'); i != std::string::npos; i = sheet.find('\n', i + 1))
        ASSERT_EQ(sheet[i - 1], '\r') << "bare line feed at byte " << i;
}

// Without a file: the sheet of a new default case, as the golden clipboard text has it, with
// the bar table found beside the executable (the test runs in another folder).
TEST_F(Cli, SheetOfANewDefaultCaseIsTheGoldenSheet) {
    RunResult r = Run({"sheet"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, ReadText(fs::path(TARVO_TEST_DATA) / "golden" / "default.txt"));
}

TEST_F(Cli, SheetOfTheCurrentOrTheChosenCase) {
    std::string file = TwoCaseFile("two.tarvo", 1, 1.2);
    RunResult current = Run({"sheet", file});
    EXPECT_EQ(current.status, 0);
    EXPECT_EQ(FirstLine(current.out), "B");

    RunResult first = Run({"sheet", "--case", "1", file});
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(FirstLine(first.out), "A");
    ExpectClipboardLines(first.out);

    for (const char* number : {"0", "3", "x", "-1", "+1", "1x", "4294967297", "99999999999"}) {
        RunResult none = Run({"sheet", file, std::string("--case=") + number});
        EXPECT_EQ(none.status, 2) << number;
        EXPECT_EQ(none.out, "") << number;
        EXPECT_NE(none.err, "") << number;
    }
}

// A bar table that cannot be loaded is reported with the path tried and the reason, the output
// is written all the same, and the exit status 3 tells a batch.
TEST_F(Cli, OutputWithoutBarTableIsWrittenAndEndsWithStatus3) {
    fs::create_directory(Path("folder"));
    ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0600), 0);
    WriteBytes(Path("heading-only.txt"), {'h', '\n'});
    const struct {
        std::string path;
        std::wstring reason;
    } tables[] = {
        {Path("missing.txt"), L"ファイルまたはフォルダーが見つかりません。"},
        {Path("folder"), L"ファイルではなくフォルダーです。"},
        {Path("fifo"), L"通常のファイルではありません。"},
        {"/dev/zero", L"通常のファイルではありません。"},
        {Path("heading-only.txt"), L"有効な行がありません。"},
    };
    for (const auto& table : tables) {
        SCOPED_TRACE(table.path);
        const std::string said = "tarvo-cli: " + table.path + ": " +
                                 Utf8(kBarTableLoadFailedMessage) + " (" + Utf8(table.reason) +
                                 ")\n";
        RunResult sheet = Run({"sheet", "--reinf", table.path});
        EXPECT_EQ(sheet.status, 3);
        EXPECT_EQ(sheet.err, said);
        EXPECT_EQ(FirstLine(sheet.out), Utf8(CRTData().m_strTitle));

        RunResult pdf = Run({"pdf", "-o", Path("out.pdf"), "--reinf", table.path});
        EXPECT_EQ(pdf.status, 3);
        EXPECT_EQ(pdf.err, said);
        EXPECT_EQ(ReadText(Path("out.pdf")).substr(0, 5), "%PDF-");
    }
    // A failure of the command itself keeps its own status.
    RunResult missing = Run({"sheet", Path("missing.tarvo"), "--reinf", Path("missing.txt")});
    EXPECT_EQ(missing.status, 2);
}

// Valid lines beyond the twentieth are said once; the sheet is computed with the first twenty.
TEST_F(Cli, BarTableLinesBeyondTheTwentiethAreSaidOnce) {
    std::string table = "heading\n";
    for (int i = 0; i < 25; ++i)
        table += "D13 SD295 127,127,195,295,40,995,295\n";
    WriteBytes(Path("long.txt"), Bytes(table.begin(), table.end()));
    RunResult r = Run({"sheet", "--reinf", Path("long.txt")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err,
              "tarvo-cli: " + Path("long.txt") + ": " + Utf8(kBarTableLinesLeftOutMessage) + "\n");
    EXPECT_EQ(FirstLine(r.out), Utf8(CRTData().m_strTitle));
}

// Output that does not reach standard output is a failure with its reason, whichever command
// wrote it.
TEST_F(Cli, StandardOutputThatCannotBeWrittenIsStatus2) {
    const std::string file = TwoCaseFile("two.tarvo", 0, 1.2);
    const std::string said =
        "tarvo-cli: 標準出力に書き込めません / cannot write to standard output (" +
        Utf8(L"ディスクの空き領域が不足しています。") + ")\n";
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"sheet", file}, {"check", file}, {"table", file}, {"--help"}}) {
        SCOPED_TRACE(args[0]);
        RunResult r = Run(args, "/dev/full");
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, said);
    }
}

TEST_F(Cli, CheckOfAFileWithoutCasesSaysSo) {
    WriteBytes(Path("empty.tarvo"), WriteCaseFile(CDocSettings(), {}));
    RunResult r = Run({"check", Path("empty.tarvo")});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tarvo-cli: ファイルにケースがありません / the file holds no case\n");
}

TEST_F(Cli, CheckReportsEveryCaseAndFailsWhenOneFails) {
    CRTData flat;
    flat.m_H1 = 0;
    const std::string messages = Utf8(flat.Validate());

    RunResult failing = Run({"check", TwoCaseFile("bad.tarvo", 0, 0.0)});
    EXPECT_EQ(failing.status, 1);
    EXPECT_EQ(failing.out, "[1] A\nOK\n\n[2] B\n" + messages + "\n");

    RunResult passing = Run({"check", TwoCaseFile("good.tarvo", 0, 1.2)});
    EXPECT_EQ(passing.status, 0);
    EXPECT_EQ(passing.out, "[1] A\nOK\n\n[2] B\nOK\n\n");
}

// A file written by this system comes back byte for byte, also when written over itself; the
// reserved fields, slot 3 and a long title included.
TEST_F(Cli, ResaveGivesBackTheSameBytes) {
    std::vector<CRTData> cases(3);
    cases[0].m_strTitle = std::wstring(300, L'擁');
    cases[1].m_dReserve7 = -7.5;
    cases[2].m_strBar[SLOT_SPARE] = L"D29";
    CDocSettings settings;
    settings.nCurrent = 2;
    settings.nFontSize = 12;
    Bytes original = WriteCaseFile(settings, cases);
    WriteBytes(Path("in.tarvo"), original);

    RunResult r = Run({"resave", Path("in.tarvo"), Path("out.tarvo")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(ReadBytes(Path("out.tarvo")), original);

    EXPECT_EQ(Run({"resave", Path("in.tarvo"), Path("in.tarvo")}).status, 0);
    EXPECT_EQ(ReadBytes(Path("in.tarvo")), original);
}

// Saving replaces the file a link points to, and an existing file keeps its permissions.
TEST_F(Cli, ResaveKeepsLinksAndPermissions) {
    std::string in = TwoCaseFile("in.tarvo", 0, 1.2);
    WriteBytes(Path("old.tarvo"), {0x00});
    fs::permissions(Path("old.tarvo"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("old.tarvo", Path("link.tarvo"));

    EXPECT_EQ(Run({"resave", in, Path("link.tarvo")}).status, 0);
    EXPECT_TRUE(fs::is_symlink(Path("link.tarvo")));
    EXPECT_EQ(ReadBytes(Path("old.tarvo")), ReadBytes(in));
    EXPECT_EQ(fs::status(Path("old.tarvo")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A save that fails leaves the target as it was and no temporary file behind.
TEST_F(Cli, ResaveThatCannotWriteLeavesNothingBehind) {
    std::string in = TwoCaseFile("in.tarvo", 0, 1.2);
    fs::create_directory(Path("target"));
    RunResult r = Run({"resave", in, Path("target")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(Utf8(kCaseFileSaveFailedMessage)), std::string::npos);
    EXPECT_TRUE(fs::is_directory(Path("target")));
    std::vector<std::string> left;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_scratch.Path()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"in.tarvo", "stderr", "stdout", "target"}));
}

// A file that cannot be read: the system's message on standard error, exit status 2 and
// nothing on standard output, whichever command reads it.
TEST_F(Cli, UnreadableFileGivesTheMessageAndStatus2) {
    Bytes whole = ReadBytes(TwoCaseFile("two.tarvo", 0, 1.2));
    WriteBytes(Path("cut.tarvo"), Bytes(whole.begin(), whole.begin() + whole.size() / 2));
    const std::string format = Utf8(CaseFileStatusMessage(CaseFileStatus::UnexpectedFormat));
    const std::string failed = Utf8(CaseFileStatusMessage(CaseFileStatus::ReadFailure));
    // Not a case file: read without waiting or running out of memory, and refused.
    const std::string notRegular = failed + " (" + Utf8(L"通常のファイルではありません。") + ")";
    ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0600), 0);
    WriteBytes(Path("huge.tarvo"), {});
    fs::resize_file(Path("huge.tarvo"), 257u * 1024 * 1024); // sparse
    const std::string tooLarge = failed + " (" + Utf8(L"ファイルが大きすぎます。") + ")";
    struct Unreadable {
        std::vector<std::string> args;
        std::string message;
    };
    const Unreadable runs[] = {
        {{"sheet", Path("cut.tarvo")}, format},
        {{"check", Path("cut.tarvo")}, format},
        {{"resave", Path("cut.tarvo"), Path("out.tarvo")}, format},
        {{"sheet", Path("missing.tarvo")}, failed},
        {{"check", m_scratch.Path().string()}, failed},
        {{"sheet", "/dev/zero"}, notRegular},
        {{"check", Path("fifo")}, notRegular},
        {{"resave", "/dev/zero", Path("out.tarvo")}, notRegular},
        {{"table", Path("fifo")}, notRegular},
        {{"sheet", Path("huge.tarvo")}, tooLarge},
    };
    for (const Unreadable& run : runs) {
        SCOPED_TRACE(run.args[0] + " " + run.args[1]);
        RunResult r = Run(run.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(run.message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(Path("out.tarvo")));
}

// Memory that runs out (here: a file within the size limit and a process allowed less) ends
// the command with a message and status 2, not with an abort.
TEST_F(Cli, RunningOutOfMemoryIsAMessageAndStatus2) {
    WriteBytes(Path("large.tarvo"), {});
    fs::resize_file(Path("large.tarvo"), 250u * 1024 * 1024); // sparse
    m_memoryKiB = 200000;
    ASSERT_EQ(Run({"sheet"}).status, 0); // room enough for the program itself
    RunResult r = Run({"sheet", Path("large.tarvo")});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tarvo-cli: メモリが不足しています / out of memory\n");
}

TEST_F(Cli, BadCommandLinesGiveTheUsageAndStatus2) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"print"},
        {"sheet", "--font", "12"},
        {"sheet", "--case"},
        {"check"},
        {"check", "a.tarvo", "b.tarvo"},
        {"resave", "a.tarvo"},
        {"check", "--case", "1", "a.tarvo"},
    };
    for (const std::vector<std::string>& args : bad) {
        RunResult r = Run(args);
        EXPECT_EQ(r.status, 2) << testing::PrintToString(args);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("tarvo-cli check FILE.tarvo"), std::string::npos);
    }
}

TEST_F(Cli, HelpExplainsEveryCommand) {
    for (const char* flag : {"--help", "-h"}) {
        RunResult r = Run({"check", flag});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        for (const char* text : {"tarvo-cli sheet", "tarvo-cli check", "tarvo-cli resave", "--case",
                                 "--reinf", "使い方", "usage", "\n  3  "})
            EXPECT_NE(r.out.find(text), std::string::npos) << text;
    }
}

// The version is the one of the about box.
TEST_F(Cli, VersionIsTheProgramsVersion) {
    RunResult r = Run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "tarvo-cli 1.03\n");
    EXPECT_EQ(r.err, "");
}

// The forms of the command line: "--name=VALUE" and "--name VALUE" before or after the operands,
// "-o" for --output, a value that starts with '-', "--" before an operand that starts with '-',
// a lone "-" as an operand, help before "--" winning (also as "-help", a dash before a word
// naming one option), and file names that are no UTF-8 reaching the files byte for byte. A
// command-line error says what is wrong, then the usage.
TEST_F(Cli, CommandLineForms) {
    std::vector<CRTData> cases(2);
    cases[0].m_strTitle = L"first";
    cases[1].m_strTitle = L"second";
    const std::string file = Path("two.tarvo");
    const std::string notUtf8 = Path("two\xff.tarvo");
    WriteBytes(file, WriteCaseFile(CDocSettings(), cases));
    WriteBytes(notUtf8, WriteCaseFile(CDocSettings(), cases));
    fs::create_directory(Path("folder"));
    const std::string unwritable = Path("folder") + ": 書き込めません / cannot be written";
    const std::string unreadable = ": " + Utf8(CaseFileStatusMessage(CaseFileStatus::ReadFailure));
    const std::string usage = "\n使い方 / usage:\n";
    const std::string help = "\nコマンド / commands:\n";
    struct Form {
        std::vector<std::string> args;
        int status;
        std::string out; // a part of standard output
        std::string err; // a part of standard error
    };
    const Form forms[] = {
        {{"sheet", "--case=2", file}, 0, "second\r\n", ""},
        {{"sheet", file, "--case", "2"}, 0, "second\r\n", ""},
        {{"check", notUtf8}, 0, "[2] second\nOK\n", ""},
        {{"sheet", "--case", "-1", file}, 2, "", "--case -1: ケース番号は 1 から 2 までです"},
        {{"table", file, "-o", Path("folder")}, 2, "", unwritable},
        {{"table", "--output=" + Path("folder"), file}, 2, "", unwritable},
        {{"sheet", "--reinf", Path("bars\xfe.txt")},
         3,
         "",
         "tarvo-cli: " + Path("bars\xfe.txt") + ": "},
        {{"sheet", "--", "-two.tarvo"}, 2, "", "tarvo-cli: -two.tarvo" + unreadable},
        {{"sheet", "-"}, 2, "", "tarvo-cli: -" + unreadable},
        {{"sheet", "--", "--help"}, 2, "", "tarvo-cli: --help" + unreadable},
        {{"sheet", "--case", "--help"}, 0, help, ""},
        {{"print", "--font", "-h"}, 0, help, ""},
        {{"sheet", "-help"}, 0, help, ""},
        {{"sheet", "--reinf"},
         2,
         "",
         "オプションに値がありません / option needs a value: --reinf" + usage},
        {{"table", file, "-o"},
         2,
         "",
         "オプションに値がありません / option needs a value: -o" + usage},
        {{"sheet", "--help=x"},
         2,
         "",
         "値をとらないオプションです / option takes no value: --help=x" + usage},
        {{"sheet", "--case", "1", "--case=2", file},
         2,
         "",
         "オプションが重複しています / option given twice: --case" + usage},
        {{"table", file, "-o", Path("a"), "--output", Path("b")},
         2,
         "",
         "オプションが重複しています / option given twice: --output" + usage},
        {{"sheet", "-xyz"}, 2, "", "不明なオプションです / unknown option: -xyz" + usage},
        {{"sheet", "-ofile"}, 2, "", "不明なオプションです / unknown option: -ofile" + usage},
        {{"sheet", "--font=12"}, 2, "", "不明なオプションです / unknown option: --font=12" + usage},
        {{"check", file, "-"},
         2,
         "",
         "引数の数が違います / wrong number of arguments for check" + usage},
        {{}, 2, "", "tarvo-cli: コマンドがありません / no command given" + usage},
        {{"print"}, 2, "", "tarvo-cli: 不明なコマンドです / unknown command: print" + usage},
    };
    for (const Form& form : forms) {
        SCOPED_TRACE(testing::PrintToString(form.args));
        RunResult r = Run(form.args);
        EXPECT_EQ(r.status, form.status);
        EXPECT_NE(r.out.find(form.out), std::string::npos);
        EXPECT_NE(r.err.find(form.err), std::string::npos) << r.err;
    }
}

} // namespace
