// The desktop program as the GUI tests drive it: the real application with its main window,
// built in the folder of the test build's data files, with a settings file of its own, and
// with message boxes, file dialogs and the desktop shell replaced by recorders, so that no test
// waits for a person. Modal dialogs are worked by WhenModal.
#pragma once

#include "app/FileDialogs.h"
#include "app/QtMessageSink.h"
#include "app/TARVOApp.h"
#include "app/TextClipboard.h"
#include "doc/ShellOpen.h"

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

struct CShownBox {
    std::wstring caption;
    std::wstring text;
    MessageIcon icon;
    MessageButtons buttons;
};

class CRecordingMessages : public IAppMessages {
public:
    MessageAnswer Show(const std::wstring& caption, const std::wstring& text, MessageIcon icon,
                       MessageButtons buttons) override;
    SaveAnswer AskSave(const std::wstring& text) override;

    std::vector<CShownBox> shown;
    std::vector<std::wstring> saveQuestions;
    MessageAnswer answer = MessageAnswer::Yes; // to yes/no questions
    SaveAnswer saveAnswer = SaveAnswer::Discard;
};

class CScriptedFileDialogs : public IFileDialogs {
public:
    QString GetOpenFileName(QWidget*) override;
    QString GetSaveFileName(QWidget*, const QString& proposed) override;

    QString openName; // returned by the open dialog (empty: cancelled)
    QString saveName; // returned by the save dialog (empty: cancelled)
    int opens = 0;
    std::vector<QString> proposals; // names the save dialog was offered
};

class CRecordingShell : public IShellOpen {
public:
    void OpenFile(const std::filesystem::path& path) override { opened.push_back(path); }
    std::vector<std::filesystem::path> opened;
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

    CRecordingMessages messages;
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
