#include "Console.h"

#include "TextCodec.h"

#include <cstdio>

void PrintOut(std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
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
