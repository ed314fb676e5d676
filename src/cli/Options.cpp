#include "cli/Options.h"

const std::string* ParsedArgs::Value(const std::string& name) const {
    auto it = options.find(name);
    return it == options.end() ? nullptr : &it->second;
}

bool ParseArguments(const std::vector<std::string>& args, const std::vector<CliOption>& accepted,
                    ParsedArgs& parsed, std::string& error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const bool isLong = arg.compare(0, 2, "--") == 0;
        std::string name = isLong ? arg.substr(2) : std::string();
        std::string::size_type equals = name.find('=');
        bool inlineValue = equals != std::string::npos;
        std::string value = inlineValue ? name.substr(equals + 1) : std::string();
        name = name.substr(0, equals);
        const CliOption* option = nullptr;
        for (const CliOption& candidate : accepted) {
            bool longMatch = isLong && !name.empty() && name == candidate.name;
            bool shortMatch = !isLong && arg.size() == 2 && candidate.shortName != 0 &&
                              arg[1] == candidate.shortName;
            if (longMatch || shortMatch)
                option = &candidate;
        }
        if (option != nullptr)
            name = option->name;
        if (option == nullptr) {
            error = "不明なオプションです / unknown option: " + arg;
            return false;
        }
        if (option->valueName == nullptr && inlineValue) {
            error = "値をとらないオプションです / option takes no value: " + arg;
            return false;
        }
        if (option->valueName != nullptr && !inlineValue) {
            if (i + 1 >= args.size()) {
                error = "オプションに値がありません / option needs a value: " + arg;
                return false;
            }
            value = args[++i];
        }
        if (!parsed.options.emplace(name, value).second) {
            error = "オプションが重複しています / option given twice: --" + name;
            return false;
        }
    }
    return true;
}
