#include "cli/Console.h"

#include "model/TextCodec.h"

#include <cerrno>
#include <cstdio>

namespace {

// The first failure to write standard output, kept until the end of the command.
int g_outputError = 0;

void NoteOutputError() {
    if (g_outputError == 0)
        g_outputError = errno != 0 ? errno : EIO;
}

} // namespace

void PrintOut(std::string_view utf8) {
    if (std::fwrite(utf8.data(), 1, utf8.size(), stdout) != utf8.size())
        NoteOutputError();
}

int FinishOutput() {
    if (std::fflush(stdout) != 0)
        NoteOutputError();
    return g_outputError;
}

void PrintOut(std::wstring_view text) {
    PrintOut(EncodeUtf8(text));
}

void PrintError(std::string_view utf8) {
    std::string line = "tarvo-cli: ";
    line += utf8;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
}

void PrintError(std::wstring_view text) {
    PrintError(EncodeUtf8(text));
}
