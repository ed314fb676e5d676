#include "cli/Command.h"

const std::vector<const CliCommand*>& AllCommands() {
    static const std::vector<const CliCommand*> commands = {
        &kSheetCommand, &kCheckCommand, &kResaveCommand, &kPngCommand, &kPdfCommand, &kTableCommand,
    };
    return commands;
}
