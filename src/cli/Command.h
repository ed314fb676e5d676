// The commands of tarvo-cli. Each command lives in its own source file and is listed once in
// the command table (Commands.cpp); the dispatcher, the help text and the command line of each
// command work from that table.
#pragma once

#include "cli/CommandLine.h"

#include <vector>

enum ExitStatus {
    kExitOk = 0,
    kExitCheckFailed = 1,     // the command ran and found a case that fails validation
    kExitError = 2,           // bad command line, unreadable input, unwritable output
    kExitWithoutBarTable = 3, // the output is written, computed without a bar table
};

struct CliCommand {
    const char* name;
    const char* synopsis;      // what follows the command name in the usage line
    const char* descriptionJa; // one or more lines, each ending with a line feed
    const char* descriptionEn;
    std::vector<CliOption> options;
    std::size_t minOperands;
    std::size_t maxOperands;
    int (*run)(const CCommandLine& line);
};

extern const CliCommand kSheetCommand;
extern const CliCommand kCheckCommand;
extern const CliCommand kResaveCommand;
extern const CliCommand kPngCommand;
extern const CliCommand kPdfCommand;
extern const CliCommand kTableCommand;

// Every command in the order the help text lists them.
const std::vector<const CliCommand*>& AllCommands();
