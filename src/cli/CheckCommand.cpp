// tarvo-cli check: the input check of every case of a file.
#include "cli/CaseInput.h"
#include "cli/Command.h"
#include "cli/Console.h"

namespace {

// One block per case: "[number] title", then the message lines of the check or "OK", then a
// blank line.
int RunCheck(const CCommandLine& line) {
    CaseDocument document;
    if (!LoadCaseDocument(line.Operands()[0], document))
        return kExitError;
    if (document.cases.empty()) {
        PrintError(kNoCaseMessage);
        return kExitError;
    }
    int status = kExitOk;
    for (std::size_t i = 0; i < document.cases.size(); ++i) {
        CRTData& record = document.cases[i];
        std::wstring messages = record.Validate();
        if (!messages.empty())
            status = kExitCheckFailed;
        PrintOut(L"[" + std::to_wstring(i + 1) + L"] " + record.m_strTitle + L"\n" +
                 (messages.empty() ? std::wstring(L"OK\n") : messages) + L"\n");
    }
    return status;
}

} // namespace

const CliCommand kCheckCommand = {
    "check",
    "FILE.tarvo",
    "ファイルの全ケースの入力チェックを行い、ケースごとに番号と表題、続けて\n"
    "エラーメッセージ（なければ OK）を書きます。ケースのないファイルはエラーです。\n",
    "Checks the input of every case of the file and writes, per case, its number and title\n"
    "followed by the error messages (OK when there are none). A file without cases is an\n"
    "error.\n",
    {},
    1,
    1,
    RunCheck,
};
