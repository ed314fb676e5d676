// Command-line parsing shared by the commands: operands, and long options "--name VALUE",
// "--name=VALUE" or flags "--name", an option with a short name also as "-x VALUE";
// "--" ends the options.
#pragma once

#include <map>
#include <string>
#include <vector>

struct CliOption {
    const char* name;      // without the leading "--"
    const char* valueName; // shown in the help text; nullptr for a flag without value
    const char* helpJa;
    const char* helpEn;
    char shortName = 0; // "-x" form of the option; 0 when there is none
};

struct ParsedArgs {
    std::vector<std::string> operands;
    std::map<std::string, std::string> options; // flags map to an empty value

    // The option's value, or nullptr when the option was not given.
    const std::string* Value(const std::string& name) const;
};

// Parses args against the options a command accepts. On an unknown option, a flag given a
// value, an option missing its value or an option given twice returns false with a message
// (Japanese / English) in `error`.
bool ParseArguments(const std::vector<std::string>& args, const std::vector<CliOption>& accepted,
                    ParsedArgs& parsed, std::string& error);
