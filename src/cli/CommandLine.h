// The command line of one command, read with Qt's parser against the options the command
// accepts: operands, options as "--name VALUE" or "--name=VALUE", "-x VALUE" for an option with
// a short name, flags without a value, and "--" ending the options. Options may follow the
// operands; the value of an option is the next argument whatever it starts with; a lone "-" is
// an operand; a dash before a word names one option, never a group of one-letter options.
#pragma once

#include <QCommandLineParser>

#include <optional>
#include <string>
#include <vector>

struct CliOption {
    const char* name;      // without the leading "--"
    const char* valueName; // shown in the help text; nullptr for a flag without value
    const char* helpJa;
    const char* helpEn;
    char shortName = 0; // "-x" form of the option; 0 when there is none
};

// Whether "--help" or "-h" comes before any "--": help then wins over everything else on the
// command line, the command and its errors included.
bool AsksForHelp(const std::vector<std::string>& args);

class CCommandLine {
public:
    // The options of a command; every command line also takes the help flag.
    explicit CCommandLine(const std::vector<CliOption>& accepted);
    CCommandLine(const CCommandLine&) = delete;
    CCommandLine& operator=(const CCommandLine&) = delete;

    // Reads args, the arguments after the command's name. On an unknown option, a flag given a
    // value, an option missing its value or an option given twice returns false with a message
    // (Japanese / English) in error.
    bool Parse(const std::vector<std::string>& args, std::string& error);

    // The value of the option with this long name as given, empty for a flag; nothing when the
    // option was not given.
    std::optional<std::string> Value(const char* name) const;

    const std::vector<std::string>& Operands() const { return m_operands; }

    // Whether the help flag was given in a form that AsksForHelp leaves to the parser, such as
    // "--h" or "-help".
    bool HelpAsked() const;

private:
    // The accepted option with this long or short name; nullptr when there is none.
    const CliOption* Find(const QString& name) const;
    qsizetype TimesGiven(const CliOption& option) const;

    std::vector<CliOption> m_accepted;
    QCommandLineParser m_parser;
    std::vector<std::string> m_operands;
};
