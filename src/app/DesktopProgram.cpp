#include "DesktopProgram.h"

#include "DesktopShell.h"
#include "FileDialogs.h"
#include "ModuleFolder.h"
#include "QtMessageSink.h"
#include "SettingsFile.h"
#include "TARVOApp.h"
#include "TextClipboard.h"

#include <QApplication>

int RunDesktopProgram() {
    QApplication::setApplicationName(QStringLiteral("TARVO"));
    InstallUiDefaults();

    CQtMessageSink messages;
    CQtFileDialogs files;
    CDesktopShell shell;
    CSystemClipboard clipboard;
    CTARVOApp app(CAppServices{messages, files, shell, clipboard}, GetModuleFolder(),
                  SettingsFilePath(QApplication::applicationFilePath()));
    switch (app.InitInstance(QApplication::arguments().mid(1))) {
    case CTARVOApp::StartUp::ShowWindow:
        return QApplication::exec();
    case CTARVOApp::StartUp::Finished:
        return 0;
    case CTARVOApp::StartUp::Failed:
        break;
    }
    return 1;
}
