// Standard output and standard error of tarvo-cli: text goes out as UTF-8; messages go to
// standard error as "tarvo-cli: " and one line.
#pragma once

#include <string>
#include <string_view>

void PrintOut(std::wstring_view text);
void PrintOut(std::string_view utf8);

// Flushes standard output; 0 when everything written to it arrived, else the system's error
// number of the first failure.
int FinishOutput();

// "tarvo-cli: " + message + line feed on standard error.
void PrintError(std::string_view utf8);
void PrintError(std::wstring_view text);
