#include "app/DesktopProgram.h"

#include "app/DesktopShell.h"
#include "app/FileDialogs.h"
#include "app/GuardedApplication.h"
#include "app/QtMessageSink.h"
#include "app/SettingsFile.h"
#include "app/TARVOApp.h"
#include "app/TextClipboard.h"
#include "model/ModuleFolder.h"

#include <QApplication>

int RunDesktopProgram(CGuardedApplication& application) {
    QApplication::setApplicationName(QStringLiteral("TARVO"));
    InstallUiDefaults();

    CQtMessageSink messages;
    application.ReportTo(&messages);
    CQtFileDialogs files;
    CDesktopShell shell;
    CSystemClipboard clipboard;
    int status = 1;
    application.Guarded([&] {
        CTARVOApp app(CAppServices{messages, files, shell, clipboard}, GetModuleFolder(),
                      SettingsFilePath(QApplication::applicationFilePath()));
        switch (app.InitInstance(QApplication::arguments().mid(1))) {
        case CTARVOApp::StartUp::ShowWindow:
            status = QApplication::exec();
            break;
        case CTARVOApp::StartUp::Finished:
            status = 0;
            break;
        case CTARVOApp::StartUp::Failed:
            break;
        }
    });
    application.ReportTo(nullptr);
    return status;
}
