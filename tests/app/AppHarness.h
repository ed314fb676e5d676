// The desktop program as the GUI tests drive it: the real application with its main window,
// built in the folder of the test build's data files, with a settings file of its own, and
// with message boxes, file dialogs and the desktop shell replaced by recorders, so that no test
// waits for a person. Modal dialogs are worked by WhenModal.
#pragma once

#include "RecordingAppMessages.h"
#include "RecordingShell.h"
#include "app/FileDialogs.h"
#include "app/TARVOApp.h"
#include "app/TextClipboard.h"

#include <QString>
#include <QTemporaryDir>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CInputPanel;
class CMainFrame;
class CTARVODoc;
class QWidget;

class CScriptedFileDialogs : public IFileDialogs {
public:
    QString GetOpenFileName(QWidget*) override;
    QString GetSaveFileName(QWidget*, const QString& proposed) override;

    QString openName; // returned by the open dialog (empty: cancelled)
    QString saveName; // returned by the save dialog (empty: cancelled)
    int opens = 0;
    std::vector<QString> proposals; // names the save dialog was offered
};

// The desktop's clipboard, or one that another program holds open.
class CTestClipboard : public ITextClipboard {
public:
    bool SetText(const QString& text) override;
    bool heldElsewhere = false;
};

class CAppHarness {
public:
    // Starts the program with the command line arguments and, when given, a settings file of
    // those bytes, or in a folder where the settings file cannot be created; the main window
    // is shown and active.
    explicit CAppHarness(const QStringList& arguments = {}, const QByteArray& settings = {},
                         bool settingsWritable = true);
    ~CAppHarness();

    CTARVOApp& App() { return *m_app; }
    CMainFrame& Frame();
    CTARVODoc& Doc();
    CInputPanel& Panel();

    // Replaces the text of a panel field by typing it.
    void Type(int controlId, const QString& text);
    QString Text(int controlId);
    // Clicks the panel button of a command.
    void Press(int commandId);
    // The position label.
    QString Label();
    // A file in the test's own folder.
    QString TempFile(const QString& name) const { return m_dir.filePath(name); }
    QString SettingsPath() const { return TempFile(QStringLiteral("settings/tarvo.ini")); }

    CRecordingAppMessages messages;
    CScriptedFileDialogs files;
    CRecordingShell shell;
    CTestClipboard clipboard;
    CTARVOApp::StartUp startUp;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CTARVOApp> m_app;
};

// Runs action on the next modal window (dialog or message box) as soon as it is open. A window
// the action leaves open is closed after a few seconds, and a window that never opens stops
// the wait, so that no test can hang; both count as failures of the test.
void WhenModal(std::function<void(QWidget*)> action);
