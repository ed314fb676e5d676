// The application: start-up with the settings file and the command line, the one document
// and its main window, and the file commands (new, open, save, save as, recent files) with
// the question whether to save a modified document.
#pragma once

#include "app/CommandLine.h"
#include "app/EditDlg.h"
#include "app/OptionDlg.h"
#include "app/QtMessageSink.h"
#include "app/RecentFileList.h"
#include "doc/ViewUpdate.h"

#include <QString>

#include <filesystem>
#include <memory>

class CMainFrame;
class CManualPicture;
class CTARVODoc;
class IFileDialogs;
class IShellOpen;
class ITextClipboard;
class QSettings;

// What the application needs of the desktop around it.
struct CAppServices {
    IAppMessages& messages;
    IFileDialogs& files;
    IShellOpen& shell;
    ITextClipboard& clipboard;
};

class CTARVOApp {
public:
    // folder: where the data files are (the executable's folder); settingsPath: the settings
    // file.
    CTARVOApp(const CAppServices& services, const std::filesystem::path& folder,
              const QString& settingsPath);
    ~CTARVOApp();

    enum class StartUp {
        ShowWindow, // the main window is shown: run the event loop
        Finished,   // a print request of the command line is done
        Failed,     // the file named on the command line could not be read, or printing failed
    };
    // arguments: the command line after the program's name.
    StartUp InitInstance(const QStringList& arguments);
    // Writes the recent-file list and the preview's page count to the settings file.
    void ExitInstance();

    CTARVODoc& Document() { return *m_doc; }
    ITextClipboard& Clipboard() { return m_services.clipboard; }
    CMainFrame& MainFrame() { return *m_frame; }
    const CRecentFileList& RecentFiles() const { return m_recent; }

    // The document's title: its file name, or "無題" before it was saved or read.
    QString Title() const;

    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnFileMru(int index);
    // Asks whether to save a modified document first, then reads the file; false when the
    // user cancelled or the file could not be read.
    bool OpenDocumentFile(const QString& path);
    // The save question for a modified document: true when the caller may go on (saved or
    // changes discarded), false when the user cancelled or saving failed.
    bool SaveModified();

private:
    bool ReadDocument(const QString& path);
    bool SaveDocument(const QString& path);
    void CreateMainFrame();
    bool PrintFromCommandLine(const CCommandLineInfo& info);
    // The recent files go to the settings file as soon as they change; a settings file that
    // cannot be written is said once in the status bar.
    void WriteRecentFiles();
    void ReportSettingsUnwritable();

    // Repaint requests of the document, passed on to the main window once it exists.
    class CViewRelay : public IViewUpdate {
    public:
        void UpdateAllViews() override;
        CMainFrame* frame = nullptr;
    };

    CAppServices m_services;
    std::filesystem::path m_folder;
    COptionDialogRunner m_optionDialog;
    CEditDialogRunner m_editDialog;
    CViewRelay m_views;
    std::unique_ptr<QSettings> m_settings;
    CRecentFileList m_recent;
    QStringList m_recentWritten; // the list as the settings file holds it
    int m_previewPages = 0;
    bool m_settingsReported = false;
    std::unique_ptr<CTARVODoc> m_doc;
    std::unique_ptr<CManualPicture> m_picture;
    std::unique_ptr<CMainFrame> m_frame;
    QString m_path; // the document's file; empty before it was saved or read
};

// The fonts, translations and icon of the desktop program: the panel's face "MS UI Gothic"
// with a Japanese stand-in, Japanese texts in the dialogs the program borrows from Qt.
void InstallUiDefaults();
