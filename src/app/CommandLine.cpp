#include "app/CommandLine.h"

namespace {

enum class Switch { None, Print, PrintTo, Ignored };

Switch SwitchOf(const QString& argument) {
    if (!argument.startsWith(QLatin1Char('/')) && !argument.startsWith(QLatin1Char('-')))
        return Switch::None;
    const QString name = argument.mid(1).toLower();
    if (name == QLatin1String("p"))
        return Switch::Print;
    if (name == QLatin1String("pt"))
        return Switch::PrintTo;
    // Waiting for a request of the desktop needs no switch here.
    if (name == QLatin1String("dde"))
        return Switch::Ignored;
    return Switch::None;
}

} // namespace

CCommandLineInfo ParseCommandLine(const QStringList& arguments) {
    CCommandLineInfo info;
    bool print = false;
    bool printTo = false;
    QStringList names;
    for (const QString& argument : arguments) {
        switch (SwitchOf(argument)) {
        case Switch::Print:
            print = true;
            break;
        case Switch::PrintTo:
            printTo = true;
            break;
        case Switch::Ignored:
            break;
        case Switch::None:
            names.append(argument);
            break;
        }
    }
    if (names.isEmpty())
        return info;
    info.file = names.first();
    info.action = CCommandLineInfo::FileOpen;
    if (printTo && names.size() > 1) {
        info.action = CCommandLineInfo::FilePrintTo;
        info.printer = names[1];
    } else if (print || printTo) {
        info.action = CCommandLineInfo::FilePrint;
    }
    return info;
}
