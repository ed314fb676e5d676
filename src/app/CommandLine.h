// The command line of the program: a file name opens that file; "/p" prints it on the current
// printer and "/pt" on the printer named after it (driver and port follow and are not
// needed here). Both switches may also start with "-"; any other argument is a file name.
#pragma once

#include <QStringList>

struct CCommandLineInfo {
    enum Action { FileNew, FileOpen, FilePrint, FilePrintTo };

    Action action = FileNew;
    QString file;
    QString printer; // for FilePrintTo
};

// arguments: the arguments after the program's own name.
CCommandLineInfo ParseCommandLine(const QStringList& arguments);
