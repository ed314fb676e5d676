// tarvo-cli sheet: the calculation sheet of one case as the text the clipboard receives.
#include "cli/CaseInput.h"
#include "cli/Command.h"
#include "cli/Console.h"

namespace {

int RunSheet(const CCommandLine& line) {
    CaseDocument document;
    CRTData* record = LoadChosenCase(line, document);
    if (record == nullptr)
        return kExitError;
    record->m_strSheet.clear();
    record->DrawSheet(nullptr, 0, 0, 0, 0);
    PrintOut(record->m_strSheet);
    return kExitOk;
}

} // namespace

const CliCommand kSheetCommand = {
    "sheet",
    "[FILE.tarvo] [--case N] [--reinf PATH]",
    "ケースの計算書をクリップボードにコピーされるテキストと同じ形で標準出力に書きます\n"
    "（UTF-8、行末は CR LF）。FILE を省略すると新規の既定ケースの計算書です。\n"
    "鉄筋データを読み込めないときはメッセージを標準エラーに出し、計算書はそのまま書きます。\n",
    "Writes the calculation sheet of a case to standard output as the text the clipboard\n"
    "receives (UTF-8, lines ending in CR LF). Without FILE: the sheet of a new default case.\n"
    "A bar table that cannot be loaded is reported on standard error; the sheet is written.\n",
    {kCaseOption, kReinfOption},
    0,
    1,
    RunSheet,
};
