#include "app/TARVOApp.h"

#include "app/CommandTable.h"
#include "app/DialogTranslations.h"
#include "app/FileDialogs.h"
#include "app/MainFrame.h"
#include "app/ManualPicture.h"
#include "app/PreviewPane.h"
#include "app/RawUtf8.h"
#include "app/SettingsFile.h"
#include "app/ViewSplitter.h"
#include "doc/ShellOpen.h"
#include "doc/TARVODoc.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QStatusBar>
#include <QTranslator>

namespace {

const QString kUntitled = QStringLiteral("無題");
const QString kDefaultExtension = QStringLiteral(".tarvo");
const QString kSaveQuestion = QStringLiteral("%1 への変更を保存しますか?");
const QString kPreviewPagesKey = QStringLiteral("Settings/PreviewPages");

const QString kSettingsUnwritable =
    QStringLiteral("設定ファイル %1 に書き込めません。最近使ったファイルの一覧は保存されません。");

// The file's name as the system spells it, bytes that are not UTF-8 included.
std::filesystem::path FilePath(const QString& path) {
    return std::filesystem::path(EncodeRawUtf8(path).toStdString());
}

} // namespace

void InstallUiDefaults() {
    QFont::insertSubstitutions(QStringLiteral("MS UI Gothic"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    QApplication::setFont(QFont(QStringLiteral("MS UI Gothic"), 9));
    auto* translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    // Asked first: the texts that translation lacks.
    QApplication::installTranslator(new CDialogTranslations(qApp));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tarvo.svg")));
}

void CTARVOApp::CViewRelay::UpdateAllViews() {
    if (frame != nullptr)
        frame->UpdateAllViews();
}

CTARVOApp::CTARVOApp(const CAppServices& services, const std::filesystem::path& folder,
                     const QString& settingsPath)
    : m_services(services), m_folder(folder), m_optionDialog(services.messages),
      m_settings(OpenSettings(settingsPath)), m_recent(kRecentFileCount) {}

CTARVOApp::~CTARVOApp() {
    // The window goes first: it refers to the document and the picture.
    if (m_doc)
        m_doc->SetPanel(nullptr);
    m_views.frame = nullptr;
    m_frame.reset();
}

CTARVOApp::StartUp CTARVOApp::InitInstance(const QStringList& arguments) {
    m_recent.Read(*m_settings);
    m_recentWritten = m_recent.Files();
    m_previewPages = m_settings->value(kPreviewPagesKey, 0).toInt();
    const CCommandLineInfo info = ParseCommandLine(arguments);

    m_doc = std::make_unique<CTARVODoc>(
        CDocServices{m_services.messages, m_views, m_services.shell, m_optionDialog, m_editDialog},
        m_folder);
    m_picture = std::make_unique<CManualPicture>(m_doc->m_pathManual);
    // A file named on the command line is read before the main window exists.
    if (info.action == CCommandLineInfo::FileNew)
        m_doc->OnNewDocument();
    else if (!ReadDocument(info.file))
        return StartUp::Failed;
    CreateMainFrame();

    if (info.action == CCommandLineInfo::FilePrint || info.action == CCommandLineInfo::FilePrintTo)
        return PrintFromCommandLine(info) ? StartUp::Finished : StartUp::Failed;
    m_frame->OnDocumentChanged();
    m_frame->show();
    if (!IsSettingsFileWritable(m_settings->fileName()))
        ReportSettingsUnwritable();
    return StartUp::ShowWindow;
}

void CTARVOApp::CreateMainFrame() {
    m_frame = std::make_unique<CMainFrame>(*this, *m_doc, *m_picture, m_services.messages);
    m_frame->Preview().SetPages(m_previewPages);
    m_views.frame = m_frame.get();
    m_doc->SetPanel(&m_frame->Panel().Controls());
    // The panel refresh that the document skips while there is no main window. After a
    // file was read the panel shows its current case, so that "再計算" does not overwrite
    // that case with the values of a new one.
    m_doc->FillPanelDefaults();
    m_doc->FillPanel(m_doc->GetCase(m_doc->m_nCurrent));
    m_doc->UpdateIndexLabel();
}

bool CTARVOApp::PrintFromCommandLine(const CCommandLineInfo& info) {
    if (info.action == CCommandLineInfo::FilePrintTo)
        m_frame->Printer().Printer().setPrinterName(info.printer);
    return m_frame->Printer().PrintDirect();
}

void CTARVOApp::WriteRecentFiles() {
    // Reopening the first file of the list leaves it as it is: no write, no flush of the disk.
    if (m_recent.Files() == m_recentWritten)
        return;
    m_recentWritten = m_recent.Files();
    m_recent.Write(*m_settings);
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        ReportSettingsUnwritable();
}

void CTARVOApp::ReportSettingsUnwritable() {
    if (m_settingsReported || !m_frame)
        return;
    m_settingsReported = true;
    m_frame->statusBar()->showMessage(kSettingsUnwritable.arg(m_settings->fileName()));
}

void CTARVOApp::ExitInstance() {
    m_recent.Write(*m_settings);
    if (m_frame)
        m_previewPages = m_frame->Preview().Pages();
    m_settings->setValue(kPreviewPagesKey, m_previewPages);
    m_settings->sync();
}

QString CTARVOApp::Title() const {
    return m_path.isEmpty() ? kUntitled : QFileInfo(m_path).fileName();
}

bool CTARVOApp::SaveModified() {
    if (!m_doc->IsModified())
        return true;
    const QString name = m_path.isEmpty() ? kUntitled : m_path;
    switch (m_services.messages.AskSave(kSaveQuestion.arg(name).toStdWString())) {
    case SaveAnswer::Save:
        return OnFileSave();
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

void CTARVOApp::OnFileNew() {
    if (!SaveModified())
        return;
    m_doc->OnNewDocument();
    m_path.clear();
    m_frame->OnDocumentChanged();
    m_frame->Splitter().ScrollAllToOrigin();
}

void CTARVOApp::OnFileOpen() {
    const QString path = m_services.files.GetOpenFileName(m_frame.get());
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

bool CTARVOApp::OpenDocumentFile(const QString& path) {
    return SaveModified() && ReadDocument(path);
}

void CTARVOApp::OnFileMru(int index) {
    if (index < 0 || index >= m_recent.Files().size() || !SaveModified())
        return;
    // A file that can no longer be read leaves the list.
    if (!ReadDocument(m_recent.Files()[index])) {
        m_recent.Remove(index);
        WriteRecentFiles();
        m_frame->OnDocumentChanged();
    }
}

bool CTARVOApp::ReadDocument(const QString& path) {
    if (!m_doc->OnOpenDocument(FilePath(path)))
        return false;
    m_path = QFileInfo(path).absoluteFilePath();
    m_recent.Add(m_path);
    if (m_frame) {
        WriteRecentFiles();
        m_frame->OnDocumentChanged();
        m_frame->Splitter().ScrollAllToOrigin();
    }
    return true;
}

bool CTARVOApp::OnFileSave() {
    return m_path.isEmpty() ? OnFileSaveAs() : SaveDocument(m_path);
}

bool CTARVOApp::OnFileSaveAs() {
    const QString proposed = m_path.isEmpty() ? kUntitled + kDefaultExtension : m_path;
    const QString path = m_services.files.GetSaveFileName(m_frame.get(), proposed);
    return !path.isEmpty() && SaveDocument(path);
}

bool CTARVOApp::SaveDocument(const QString& path) {
    if (!m_doc->OnSaveDocument(FilePath(path)))
        return false;
    m_path = QFileInfo(path).absoluteFilePath();
    m_recent.Add(m_path);
    WriteRecentFiles();
    m_frame->OnDocumentChanged();
    return true;
}
