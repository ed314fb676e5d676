// tarvo-cli: the retaining-wall design engine on the command line. The first argument names
// the command; the rest goes to the command through the shared option parser.
#include "Command.h"
#include "Console.h"
#include "Version.h"

#include <string>
#include <vector>

namespace {

std::string Indent(const char* lines, const std::string& prefix) {
    std::string out;
    bool lineStart = true;
    for (const char* p = lines; *p != '\0'; ++p) {
        if (lineStart)
            out += prefix;
        out += *p;
        lineStart = *p == '\n';
    }
    return out;
}

std::string UsageText() {
    std::string text = "使い方 / usage:\n";
    for (const CliCommand* command : AllCommands())
        text += std::string("  tarvo-cli ") + command->name + " " + command->synopsis + "\n";
    text += "  tarvo-cli --help\n";
    return text;
}

std::string HelpText() {
    std::string text =
        "tarvo-cli: 擁壁設計 TARVO のケースファイル (.tarvo) をコマンドラインで扱います。\n"
        "tarvo-cli: works with TARVO retaining-wall case files (.tarvo) on the "
        "command line.\n\n" +
        UsageText() + "\nコマンド / commands:\n";
    for (const CliCommand* command : AllCommands()) {
        text += std::string("  ") + command->name + " " + command->synopsis + "\n";
        text += Indent(command->descriptionJa, "    ");
        text += Indent(command->descriptionEn, "    ");
        for (const CliOption& option : command->options) {
            std::string head = "    ";
            if (option.shortName != 0)
                head += std::string("-") + option.shortName + ", ";
            head += std::string("--") + option.name;
            if (option.valueName != nullptr)
                head += std::string(" ") + option.valueName;
            text += head + "\n      " + option.helpJa + "\n      " + option.helpEn + "\n";
        }
        text += "\n";
    }
    text += "オプション / options:\n"
            "  --help, -h  このヘルプを表示します / shows this help\n"
            "  --version   バージョンを表示します / shows the version\n\n"
            "終了ステータス / exit status:\n"
            "  0  成功 / success\n"
            "  1  入力チェックでエラーになったケースがある (check) / a case fails the input "
            "check (check)\n"
            "  2  コマンドラインの誤り、読めない入力、書けない出力。メッセージは標準エラーに\n"
            "     出ます / bad command line, unreadable input or unwritable output; the message\n"
            "     goes to standard error\n";
    return text;
}

bool WantsHelp(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--")
            return false;
        if (arg == "--help" || arg == "-h")
            return true;
    }
    return false;
}

int UsageError(const std::string& message) {
    PrintError(message);
    std::string usage = UsageText();
    std::fwrite(usage.data(), 1, usage.size(), stderr);
    return kExitError;
}

const CliCommand* FindCommand(const std::string& name) {
    for (const CliCommand* command : AllCommands()) {
        if (name == command->name)
            return command;
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (WantsHelp(args)) {
        PrintOut(HelpText());
        return kExitOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        PrintOut("tarvo-cli " TARVO_VERSION "\n");
        return kExitOk;
    }
    if (args.empty())
        return UsageError("コマンドがありません / no command given");
    const CliCommand* command = FindCommand(args[0]);
    if (command == nullptr)
        return UsageError("不明なコマンドです / unknown command: " + args[0]);
    ParsedArgs parsed;
    std::string error;
    if (!ParseArguments(std::vector<std::string>(args.begin() + 1, args.end()), command->options,
                        parsed, error))
        return UsageError(error);
    std::size_t n = parsed.operands.size();
    if (n < command->minOperands || n > command->maxOperands)
        return UsageError(std::string("引数の数が違います / wrong number of arguments for ") +
                          command->name);
    return command->run(parsed);
}
