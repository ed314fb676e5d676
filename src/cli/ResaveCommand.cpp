// tarvo-cli resave: reads a case file and writes it again.
#include "cli/CaseInput.h"
#include "cli/Command.h"
#include "cli/Console.h"
#include "model/FileBytes.h"
#include "model/TextCodec.h"

namespace {

int RunResave(const CCommandLine& line) {
    CaseDocument document;
    if (!LoadCaseDocument(line.Operands()[0], document))
        return kExitError;
    const std::string& out = line.Operands()[1];
    std::string reason;
    if (!WriteFileAtomically(out, WriteCaseFile(document.settings, document.cases), reason)) {
        PrintError(out + ": " + EncodeUtf8(kCaseFileSaveFailedMessage) + " (" + reason + ")");
        return kExitError;
    }
    return kExitOk;
}

} // namespace

const CliCommand kResaveCommand = {
    "resave",
    "IN.tarvo OUT.tarvo",
    "IN を読み込んで OUT に保存します。このシステムで書いたファイルはバイト単位で同じに\n"
    "なります。OUT は一時ファイルに書いてから置き換えるので、途中で失敗しても壊れません。\n",
    "Loads IN and saves it as OUT; a file written by this system comes back byte for byte.\n"
    "OUT is written to a temporary file and then renamed, so a failure never leaves it\n"
    "half-written.\n",
    {},
    2,
    2,
    RunResave,
};
