#include "cli/CaseInput.h"

#include "cli/Console.h"
#include "cli/CountArgument.h"
#include "model/BarTable.h"
#include "model/FileBytes.h"
#include "model/ModuleFolder.h"
#include "model/TextCodec.h"

const CliOption kCaseOption = {"case", "N",
                               "N 番目のケース（1 から数える）。既定: ファイルの現在のケース",
                               "the N-th case, counted from 1; default: the file's current case"};

const CliOption kReinfOption = {
    "reinf", "PATH", "鉄筋データのファイル。既定: 実行ファイルと同じフォルダの reinf.txt",
    "bar table file; default: reinf.txt beside the executable"};

const char kNoCaseMessage[] = "ファイルにケースがありません / the file holds no case";

namespace {

bool g_barTableMissing = false;

} // namespace

bool LoadCaseDocument(const std::string& path, CaseDocument& document) {
    std::vector<std::uint8_t> bytes;
    std::string reason;
    if (!ReadFileBytes(path, bytes, reason)) {
        PrintError(path + ": " + EncodeUtf8(CaseFileStatusMessage(CaseFileStatus::ReadFailure)) +
                   " (" + reason + ")");
        return false;
    }
    CaseFileStatus status = ReadCaseFile(bytes, document.settings, document.cases);
    if (status != CaseFileStatus::Ok) {
        PrintError(path + ": " + EncodeUtf8(CaseFileStatusMessage(status)));
        return false;
    }
    return true;
}

bool LoadDocumentOrDefault(const CCommandLine& line, CaseDocument& document) {
    if (!line.Operands().empty())
        return LoadCaseDocument(line.Operands()[0], document);
    document.cases.emplace_back();
    document.settings.nCurrent = 0;
    return true;
}

CRTData* SelectCase(const CCommandLine& line, CaseDocument& document) {
    const int count = static_cast<int>(document.cases.size());
    if (count == 0) {
        PrintError(kNoCaseMessage);
        return nullptr;
    }
    int index = document.settings.nCurrent;
    if (const std::optional<std::string> number = line.Value(kCaseOption.name)) {
        int n = 0;
        if (!ParsePositive(*number, n) || n > count) {
            PrintError("--case " + *number + ": ケース番号は 1 から " + std::to_string(count) +
                       " までです / the cases are numbered 1 to " + std::to_string(count));
            return nullptr;
        }
        index = n - 1;
    }
    return &document.cases[static_cast<std::size_t>(index)];
}

void LoadBarTableFor(const CCommandLine& line) {
    const std::string path =
        line.Value(kReinfOption.name).value_or(GetModuleFolder() + "reinf.txt");
    BarTableLoad table = LoadBarTable(path);
    g_barTableMissing = !table;
    if (!table)
        PrintError(path + ": " + EncodeUtf8(kBarTableLoadFailedMessage) + " (" + table.reason +
                   ")");
    if (table.linesLeftOut)
        PrintError(path + ": " + EncodeUtf8(kBarTableLinesLeftOutMessage));
}

bool BarTableMissing() {
    return g_barTableMissing;
}

CRTData* LoadChosenCase(const CCommandLine& line, CaseDocument& document) {
    if (!LoadDocumentOrDefault(line, document))
        return nullptr;
    CRTData* record = SelectCase(line, document);
    if (record != nullptr)
        LoadBarTableFor(line);
    return record;
}
