// The main window: menus, accelerator keys, toolbar and status bar, the input panel at the
// left and the panes of the sheet view. Menus, keys, toolbar buttons and the panel's buttons
// send command ids to one handler, which runs a command only while its enable rule allows.
#pragma once

#include "app/InputPanel.h"
#include "app/SheetPrinter.h"
#include "doc/ViewUpdate.h"

#include <QKeySequence>
#include <QMainWindow>

#include <map>
#include <set>
#include <vector>

class CCaseTableWindow;
class CManualPicture;
class CPreviewPane;
class CTARVOApp;
class CTARVODoc;
class CViewSplitter;
class IMessageSink;
class QAction;
class QFrame;
class QLabel;
class QToolBar;

class CMainFrame : public QMainWindow, public IViewUpdate {
    Q_OBJECT
public:
    CMainFrame(CTARVOApp& app, CTARVODoc& doc, const CManualPicture& picture,
               IMessageSink& messages);
    ~CMainFrame() override;

    CInputPanel& Panel() { return *m_panel; }
    CViewSplitter& Splitter() { return *m_splitter; }
    CSheetPrinter& Printer() { return m_printer; }
    // The case overview window, or null before it was first opened.
    CCaseTableWindow* CaseTable() const { return m_caseTable; }
    CPreviewPane& Preview() { return *m_preview; }
    bool IsPreviewOpen() const;
    // The menu or toolbar action of a command, or null.
    QAction* Action(int id) const;

    // Runs a command when its enable rule allows it, then refreshes the enable states.
    void OnCommand(int id);
    bool IsCommandEnabled(int id) const;
    // Enables and disables menu items, toolbar buttons and panel buttons by their rules.
    void UpdateCommandUI();

    void UpdateAllViews() override;
    // After the document was replaced, saved or renewed: title, recent files, panes and
    // enable states.
    void OnDocumentChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* AddAction(int id, const QString& text);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateAccelerators();
    void UpdateRecentFileMenu();
    void ShowCaseTable();
    // 1150 x 900 pixels with the window frame, within the screen's available area.
    void FitToScreen();
    // The print preview takes the place of the panel and the panes until it is closed.
    void OpenPreview();
    void ClosePreview();
    // The panel, the panes and the toolbar: hidden while the preview is open.
    std::vector<QWidget*> PreviewHides() const;
    // The panel's fields keep their editing keys; the program's own keys work there too.
    void RouteProgramKeys();

    CTARVOApp& m_app;
    CTARVODoc& m_doc;
    CInputPanel* m_panel;
    CViewSplitter* m_splitter;
    IMessageSink& m_messages;
    CSheetPrinter m_printer;
    QFrame* m_border;
    bool m_toolBarBeforePreview = true;
    bool m_fitted = false;
    CPreviewPane* m_preview;
    CCaseTableWindow* m_caseTable = nullptr;
    QToolBar* m_toolBar = nullptr;
    std::map<int, QAction*> m_actions;
    std::set<QKeySequence> m_programKeys;
    QString m_recentPlaceholder;
};
