// What the commands that render the sheet (png, pdf) share: Qt's painting and font services,
// the --output and --dpi options, the case file or a new default case as input, and the
// crash-safe writing of the result.
#pragma once

#include "cli/CaseInput.h"
#include "cli/CommandLine.h"

#include <QByteArray>
#include <QGuiApplication>

#include <optional>
#include <string>

extern const CliOption kOutputOption;

// Qt's GUI services for the lifetime of a command, on the offscreen platform unless another
// is asked for through QT_QPA_PLATFORM: rendering needs no display. Qt's notices stay off
// standard error.
class CGuiSession {
public:
    CGuiSession();
    CGuiSession(const CGuiSession&) = delete;
    CGuiSession& operator=(const CGuiSession&) = delete;

private:
    int m_argc = 1;
    char m_name[10] = "tarvo-cli";
    char* m_argv[2] = {m_name, nullptr};
    // Made in the constructor's body, once the platform is chosen: the application reads the
    // platform name when it is made.
    std::optional<QGuiApplication> m_app;
};

// The value of --dpi, or fallback without it: a whole number from 1 to maxDpi. Otherwise the
// reason goes to standard error and false is returned.
bool ReadDpi(const CCommandLine& line, int fallback, int maxDpi, int& dpi);

// The path given with --output; an error on standard error and nothing when it is missing.
std::optional<std::string> OutputPath(const CCommandLine& line);

// Replaces the file at path with bytes, never leaving it half-written; a failure is reported
// on standard error.
bool WriteOutput(const std::string& path, const QByteArray& bytes);
