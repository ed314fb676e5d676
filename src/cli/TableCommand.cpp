// tarvo-cli table: every case of a file with its inputs, results and judgements, one row per
// case, as aligned text, CSV or JSON.
#include "cli/CaseInput.h"
#include "cli/Command.h"
#include "cli/Console.h"
#include "cli/RenderOutput.h"
#include "doc/CaseTableWriters.h"
#include "model/TextCodec.h"

namespace {

const CliOption kFormatOption = {"format", "csv|json|text", "出力の形式。既定: text",
                                 "output format; default text"};
const CliOption kTableOutputOption = {"output", "OUT", "書き出すファイル。既定: 標準出力",
                                      "the file to write; default standard output", 'o'};

std::string TextTable(const CCaseTable& table) {
    return EncodeUtf8(CaseTableText(table));
}

struct TableFormat {
    const char* name;
    std::string (*write)(const CCaseTable& table);
};
const TableFormat kFormats[] = {
    {"text", TextTable},
    {"csv", CaseTableCsv},
    {"json", CaseTableJson},
};

int RunTable(const CCommandLine& line) {
    const std::string format = line.Value(kFormatOption.name).value_or("text");
    const TableFormat* chosen = nullptr;
    for (const TableFormat& f : kFormats) {
        if (format == f.name)
            chosen = &f;
    }
    if (chosen == nullptr) {
        PrintError("--format " + format +
                   ": csv, json, text のどれかです / must be csv, json or text");
        return kExitError;
    }
    CaseDocument document;
    if (!LoadCaseDocument(line.Operands()[0], document))
        return kExitError;
    LoadBarTableFor(line);
    const std::string out = chosen->write(BuildCaseTable(document.cases));
    if (const std::optional<std::string> path = line.Value(kTableOutputOption.name))
        return WriteOutput(*path, QByteArray(out.data(), static_cast<qsizetype>(out.size())))
                   ? kExitOk
                   : kExitError;
    PrintOut(out);
    return kExitOk;
}

} // namespace

const CliCommand kTableCommand = {
    "table",
    "FILE.tarvo [--format csv|json|text] [-o OUT] [--reinf PATH]",
    "ファイルの全ケースを 1 ケース 1 行の一覧表にします：入力値（入力パネルと詳細設定の\n"
    "単位と桁）、計算書が印字する結果（計算書と同じ桁）、各判定と総合判定。csv は UTF-8\n"
    "（BOM 付き）、json は全計算値を完全な精度で書きます。-o のファイルは一時ファイルに\n"
    "書いてから置き換えます。\n",
    "Lists every case of the file, one row per case: the inputs (units and decimals of the\n"
    "input panel and the detail settings), the results the sheet prints (with its decimals),\n"
    "each judgement and the overall verdict. csv is UTF-8 with a byte-order mark; json holds\n"
    "every calculated value at full precision. The -o file is written to a temporary file and\n"
    "then renamed.\n",
    {kFormatOption, kTableOutputOption, kReinfOption},
    1,
    1,
    RunTable,
};
