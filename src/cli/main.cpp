// tarvo-cli: the retaining-wall design engine on the command line. The first argument names
// the command; the rest is the command line of the command, read against its options.
#include "Version.h"
#include "cli/CaseInput.h"
#include "cli/Command.h"
#include "cli/Console.h"
#include "model/SystemErrorText.h"
#include "model/TextCodec.h"

#include <exception>
#include <new>
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
            "  2  コマンドラインの誤り、読めない入力、ケースのないファイル、書けない出力\n"
            "     （標準出力を含む）。メッセージは標準エラーに出ます / bad command line,\n"
            "     unreadable input, a file without cases, or unwritable output (standard output\n"
            "     included); the message goes to standard error\n"
            "  3  鉄筋データを読み込めなかった。出力は鉄筋データなしで計算して書きました\n"
            "     / the bar table could not be loaded; the output was computed without it and\n"
            "     written\n";
    return text;
}

int ShowHelp() {
    PrintOut(HelpText());
    return kExitOk;
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

// The command's own status, made 3 when it completed without a bar table.
int RunCommand(const std::vector<std::string>& args) {
    if (AsksForHelp(args))
        return ShowHelp();
    if (args.size() == 1 && args[0] == "--version") {
        PrintOut("tarvo-cli " TARVO_VERSION "\n");
        return kExitOk;
    }
    if (args.empty())
        return UsageError("コマンドがありません / no command given");
    const CliCommand* command = FindCommand(args[0]);
    if (command == nullptr)
        return UsageError("不明なコマンドです / unknown command: " + args[0]);
    CCommandLine line(command->options);
    std::string error;
    if (!line.Parse(std::vector<std::string>(args.begin() + 1, args.end()), error))
        return UsageError(error);
    if (line.HelpAsked())
        return ShowHelp();
    std::size_t n = line.Operands().size();
    if (n < command->minOperands || n > command->maxOperands)
        return UsageError(std::string("引数の数が違います / wrong number of arguments for ") +
                          command->name);
    int status = command->run(line);
    return status == kExitOk && BarTableMissing() ? kExitWithoutBarTable : status;
}

// An exception that reaches here ends the command as a failure with a message, never as an
// abort.
int RunGuarded(const std::vector<std::string>& args) {
    try {
        return RunCommand(args);
    } catch (const std::bad_alloc&) {
        PrintError("メモリが不足しています / out of memory");
    } catch (const std::exception& e) {
        PrintError(std::string("予期しないエラーです / unexpected error: ") + e.what());
    }
    return kExitError;
}

} // namespace

int main(int argc, char** argv) {
    int status = RunGuarded(std::vector<std::string>(argv + 1, argv + argc));
    if (int code = FinishOutput()) {
        PrintError("標準出力に書き込めません / cannot write to standard output (" +
                   EncodeUtf8(SystemErrorText(code)) + ")");
        return kExitError;
    }
    return status;
}
