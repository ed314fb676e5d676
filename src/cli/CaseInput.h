// Inputs the commands share: the case file named on the command line, the case chosen with
// --case, and the bar table from --reinf or beside the executable.
#pragma once

#include "cli/CommandLine.h"
#include "model/CaseFile.h"

#include <string>
#include <vector>

struct CaseDocument {
    CDocSettings settings;
    std::vector<CRTData> cases;
};

// Option --case N of the commands that work on one case.
extern const CliOption kCaseOption;
// Option --reinf PATH of the commands that calculate.
extern const CliOption kReinfOption;

// Reads the case file. On failure the reason goes to standard error and false is returned.
bool LoadCaseDocument(const std::string& path, CaseDocument& document);

// The case file named by the first operand; without one, a document holding one new default
// case. On failure the reason goes to standard error and false is returned.
bool LoadDocumentOrDefault(const CCommandLine& line, CaseDocument& document);

// The case named by --case (counted from 1), else the document's current case. When there is
// no such case the reason goes to standard error and nullptr is returned.
CRTData* SelectCase(const CCommandLine& line, CaseDocument& document);

// The case a command calculates: the file named by the first operand (or a new default case),
// the case chosen with --case, and the bar table loaded for it. nullptr, with the reason on
// standard error, when the file or the case cannot be had.
CRTData* LoadChosenCase(const CCommandLine& line, CaseDocument& document);

// Said when a file holds no case at all.
extern const char kNoCaseMessage[];

// Loads the bar table from --reinf, else from reinf.txt beside the executable. A table that
// cannot be loaded is reported on standard error with the path tried and the reason; the
// commands run on with an empty table. Valid lines beyond the table's twenty rows are said
// once.
void LoadBarTableFor(const CCommandLine& line);

// Whether LoadBarTableFor found no table: a command that then completes ends with
// kExitWithoutBarTable.
bool BarTableMissing();
