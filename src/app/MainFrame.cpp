#include "app/MainFrame.h"

#include "app/AboutDlg.h"
#include "app/CaseTableWindow.h"
#include "app/CommandTable.h"
#include "app/KeyStateIndicators.h"
#include "app/PreviewPane.h"
#include "app/SheetView.h"
#include "app/TARVOApp.h"
#include "app/ViewSplitter.h"
#include "app/WindowSize.h"
#include "doc/MessageSink.h"
#include "doc/TARVODoc.h"
#include "model/CaseFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

namespace {

// Width and height of the main window when it opens.
constexpr int kFrameWidth = 1150;
constexpr int kFrameHeight = 900;

using DocCommand = void (CTARVODoc::*)();
const std::map<int, DocCommand> kDocCommands = {
    {ID_DATA_PREV, &CTARVODoc::OnDataPrev},     {ID_DATA_NEXT, &CTARVODoc::OnDataNext},
    {ID_DATA_DELETE, &CTARVODoc::OnDataDelete}, {ID_DATA_ADD, &CTARVODoc::OnDataAdd},
    {ID_DATA_RECALC, &CTARVODoc::OnDataRecalc}, {ID_DATA_DETAIL, &CTARVODoc::OnDataDetail},
    {ID_DATA_EDIT, &CTARVODoc::OnDataEdit},     {ID_HELP_MANUAL, &CTARVODoc::OnHelpManual},
    {ID_HELP_README, &CTARVODoc::OnHelpReadme}, {ID_CHECK_PHI, &CTARVODoc::OnPhiCheck},
};

// What stays available while the print preview is open: it shows the document as it is.
bool IsAvailableInPreview(int id) {
    return id == ID_FILE_PRINT || id == ID_APP_EXIT || id == ID_APP_ABOUT || id == ID_HELP_README ||
           id == ID_VIEW_STATUS_BAR;
}

// The current case as the case file holds it; empty without a current case.
std::vector<std::uint8_t> CurrentCaseBytes(CTARVODoc& doc) {
    const CRTData* current = doc.GetCase(doc.m_nCurrent);
    return current == nullptr ? std::vector<std::uint8_t>()
                              : WriteCaseFile(CDocSettings(), {*current});
}

QKeySequence KeyOf(const QKeyEvent& event) {
    return QKeySequence(event.keyCombination());
}

} // namespace

CMainFrame::CMainFrame(CTARVOApp& app, CTARVODoc& doc, const CManualPicture& picture,
                       IMessageSink& messages)
    : m_app(app), m_doc(doc), m_panel(new CInputPanel),
      m_splitter(new CViewSplitter([&doc, &picture] { return new CTARVOView(doc, picture); })),
      m_messages(messages), m_printer(doc, messages, *m_panel), m_border(new QFrame),
      m_preview(
          new CPreviewPane(m_printer.Printer(), [this](QPrinter& printer, int first, int last) {
              m_printer.PrintPages(printer, first, last);
          })) {
    FitToScreen();
    setAcceptDrops(true);

    auto* client = new QWidget;
    auto* layout = new QHBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_panel);
    m_border->setFrameShape(QFrame::VLine);
    m_border->setFrameShadow(QFrame::Sunken);
    layout->addWidget(m_border);
    layout->addWidget(m_splitter, 1);
    layout->addWidget(m_preview, 1);
    m_preview->hide();
    connect(m_preview, &CPreviewPane::closeRequested, this, [this] {
        ClosePreview();
        UpdateCommandUI();
    });
    connect(m_preview, &CPreviewPane::printRequested, this, [this] { OnCommand(ID_FILE_PRINT); });
    setCentralWidget(client);
    connect(m_panel, &CInputPanel::commandRequested, this, &CMainFrame::OnCommand);

    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateAccelerators();
    RouteProgramKeys();
    OnDocumentChanged();
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::AddAction(int id, const QString& text) {
    auto* action = new QAction(text, this);
    action->setStatusTip(StatusPrompt(id));
    action->setToolTip(ToolTipPrompt(id));
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_actions[id] = action;
    return action;
}

void CMainFrame::CreateMenus() {
    for (const CMenuDef& def : MenuBar()) {
        QMenu* menu = menuBar()->addMenu(def.title);
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
        for (const CMenuItem& item : def.items) {
            if (item.id == 0) {
                menu->addSeparator();
            } else if (item.id == ID_FILE_MRU_FILE1) {
                // The placeholder stands where the recent files are listed.
                m_recentPlaceholder = item.text;
                for (int i = 0; i < kRecentFileCount; ++i)
                    menu->addAction(AddAction(ID_FILE_MRU_FILE1 + i, item.text));
            } else {
                menu->addAction(AddAction(item.id, item.text));
            }
        }
    }
    for (int id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR})
        m_actions[id]->setCheckable(true);
}

void CMainFrame::CreateToolBar() {
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("toolbar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : ToolbarButtons()) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = m_actions.at(id);
        action->setIcon(QIcon(ToolbarIcon(id)));
        m_toolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::CreateStatusBar() {
    auto* idle = new QLabel(IdleStatusText());
    statusBar()->addWidget(idle, 1);
    new CKeyStateIndicators(*statusBar());
}

void CMainFrame::CreateAccelerators() {
    // The first entry of a key wins; a later entry of the same key is never reached.
    std::set<QKeySequence> bound;
    for (const CAccelerator& accelerator : Accelerators()) {
        if (!bound.insert(accelerator.key).second)
            continue;
        if (!IsEditingCommand(accelerator.command))
            m_programKeys.insert(accelerator.key);
        auto* shortcut = new QShortcut(accelerator.key, this);
        shortcut->setAutoRepeat(false);
        const int id = accelerator.command;
        connect(shortcut, &QShortcut::activated, this, [this, id] { OnCommand(id); });
    }
}

void CMainFrame::RouteProgramKeys() {
    // An editable combo box answers the key check for its line edit itself, so both see
    // the filter.
    for (QLineEdit* edit : m_panel->findChildren<QLineEdit*>())
        edit->installEventFilter(this);
    for (QComboBox* combo : m_panel->findChildren<QComboBox*>())
        combo->installEventFilter(this);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // A text field claims keys such as Ctrl+A or Ctrl+Delete for itself; the program's own
    // accelerators take them first.
    if (event->type() == QEvent::ShortcutOverride &&
        m_programKeys.count(KeyOf(*static_cast<QKeyEvent*>(event))) != 0) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

QAction* CMainFrame::Action(int id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

bool CMainFrame::IsPreviewOpen() const {
    return !m_preview->isHidden();
}

std::vector<QWidget*> CMainFrame::PreviewHides() const {
    return {m_panel, m_border, m_splitter, m_toolBar};
}

void CMainFrame::OpenPreview() {
    if (!m_printer.HasPages())
        return;
    m_toolBarBeforePreview = !m_toolBar->isHidden();
    for (QWidget* widget : PreviewHides())
        widget->hide();
    m_preview->show();
    m_preview->Open(m_doc.GetPrintPageCount());
}

void CMainFrame::ClosePreview() {
    m_preview->hide();
    for (QWidget* widget : PreviewHides())
        widget->show();
    m_toolBar->setVisible(m_toolBarBeforePreview);
    m_splitter->ActiveView()->setFocus(Qt::OtherFocusReason);
}

bool CMainFrame::IsCommandEnabled(int id) const {
    if (IsPreviewOpen() && !IsAvailableInPreview(id))
        return false;
    if (IsRecentFileCommand(id))
        return id - ID_FILE_MRU_FILE1 < m_app.RecentFiles().Files().size();
    switch (id) {
    case ID_EDIT_UNDO:
    case ID_EDIT_CUT:
    case ID_EDIT_PASTE:
        return false;
    case ID_EDIT_COPY:
        return IsCopyEnabled(m_doc);
    default:
        return m_doc.IsCommandEnabled(id);
    }
}

void CMainFrame::OnCommand(int id) {
    if (!IsCommandEnabled(id))
        return;
    auto docCommand = kDocCommands.find(id);
    if (id == ID_DATA_EDIT) {
        // Another case brought to the screen starts at its top left.
        const std::vector<std::uint8_t> before = CurrentCaseBytes(m_doc);
        m_doc.OnDataEdit();
        if (CurrentCaseBytes(m_doc) != before)
            m_splitter->ScrollAllToOrigin();
    } else if (docCommand != kDocCommands.end()) {
        (m_doc.*docCommand->second)();
    } else if (IsRecentFileCommand(id)) {
        m_app.OnFileMru(id - ID_FILE_MRU_FILE1);
    } else {
        switch (id) {
        case ID_FILE_NEW:
            m_app.OnFileNew();
            break;
        case ID_FILE_OPEN:
            m_app.OnFileOpen();
            break;
        case ID_FILE_SAVE:
            m_app.OnFileSave();
            break;
        case ID_FILE_SAVE_AS:
            m_app.OnFileSaveAs();
            break;
        case ID_FILE_PRINT:
            if (IsPreviewOpen())
                ClosePreview();
            m_printer.Print(this);
            break;
        case ID_FILE_PRINT_PREVIEW:
            OpenPreview();
            break;
        case ID_FILE_PRINT_SETUP:
            m_printer.Setup(this);
            break;
        case ID_APP_EXIT:
            close();
            break;
        case ID_EDIT_COPY:
            CopySheetToClipboard(m_doc, m_app.Clipboard(), m_messages);
            break;
        case ID_VIEW_TOOLBAR:
            m_toolBar->setHidden(!m_toolBar->isHidden());
            break;
        case ID_VIEW_STATUS_BAR:
            statusBar()->setHidden(!statusBar()->isHidden());
            break;
        case ID_WINDOW_SPLIT:
            m_splitter->StartSplitTracking();
            break;
        case ID_NEXT_PANE:
            m_splitter->ActivatePane(1);
            break;
        case ID_PREV_PANE:
            m_splitter->ActivatePane(-1);
            break;
        case ID_APP_ABOUT:
            CAboutDlg(this).exec();
            break;
        case ID_VIEW_CASE_TABLE:
            ShowCaseTable();
            break;
        default:
            break;
        }
    }
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI() {
    for (const auto& [id, action] : m_actions)
        action->setEnabled(IsCommandEnabled(id));
    m_actions.at(ID_VIEW_TOOLBAR)->setChecked(!m_toolBar->isHidden());
    m_actions.at(ID_VIEW_STATUS_BAR)->setChecked(!statusBar()->isHidden());
    for (const auto& [id, button] : m_panel->Buttons())
        button->setEnabled(IsCommandEnabled(id));
}

void CMainFrame::UpdateRecentFileMenu() {
    const QStringList& files = m_app.RecentFiles().Files();
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* action = m_actions.at(ID_FILE_MRU_FILE1 + i);
        if (files.isEmpty()) {
            // The grey placeholder alone.
            action->setText(m_recentPlaceholder);
            action->setVisible(i == 0);
        } else {
            action->setText(m_app.RecentFiles().MenuText(i));
            action->setVisible(i < files.size());
        }
    }
}

void CMainFrame::UpdateAllViews() {
    m_splitter->UpdateAllViews();
    if (m_caseTable != nullptr && m_caseTable->isVisible())
        m_caseTable->Refresh();
}

void CMainFrame::ShowCaseTable() {
    if (m_caseTable == nullptr) {
        m_caseTable = new CCaseTableWindow(
            m_doc, m_messages, m_app.Clipboard(),
            [this](int index) {
                m_doc.OnDataGoTo(index);
                UpdateCommandUI();
            },
            this);
    }
    m_caseTable->Refresh();
    m_caseTable->show();
    m_caseTable->raise();
    m_caseTable->activateWindow();
}

void CMainFrame::OnDocumentChanged() {
    setWindowTitle(m_app.Title() + QStringLiteral(" - ") + QString::fromWCharArray(kAppTitle));
    m_printer.SetDocumentTitle(m_app.Title());
    UpdateRecentFileMenu();
    UpdateAllViews();
    UpdateCommandUI();
}

void CMainFrame::FitToScreen() {
    const QScreen* shown = screen();
    if (shown == nullptr)
        return;
    const QRect available = shown->availableGeometry();
    const QMargins frame(geometry().left() - frameGeometry().left(),
                         geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    resize(FittedClientSize(QSize(kFrameWidth, kFrameHeight), available.size(), frame));
    // A window reaching beyond the available area moves into it.
    if (!available.contains(frameGeometry()))
        move(FittedOuterPosition(frameGeometry(), available));
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The window frame is known once the window is on the screen.
    if (!m_fitted) {
        m_fitted = true;
        FitToScreen();
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_app.SaveModified()) {
        event->ignore();
        return;
    }
    m_app.ExitInstance();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            m_app.OpenDocumentFile(url.toLocalFile());
            return;
        }
    }
}
