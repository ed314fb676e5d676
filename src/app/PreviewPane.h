// The print preview inside the main window: the printed pages of the document, one or two
// side by side, with its own toolbar (print, next and previous page, one or two pages, zoom in
// and out, close) and the keys Page Down, Page Up and Escape. It offers no page orientation
// and no page setup: the pages are laid out by the document.
#pragma once

#include <QWidget>

#include <functional>

class QAction;
class QPrinter;
class QPrintPreviewWidget;
class QToolBar;

class CPreviewPane : public QWidget {
    Q_OBJECT
public:
    // paint draws pages first to last (from 1) on the preview's printer.
    using PagePainter = std::function<void(QPrinter& printer, int first, int last)>;

    CPreviewPane(QPrinter& printer, PagePainter paint, QWidget* parent = nullptr);

    // Shows page 1 of pageCount pages.
    void Open(int pageCount);

    // Pages shown side by side: 1 or 2; 0 until a preview was shown and the setting held
    // nothing else.
    int Pages() const { return m_pages; }
    void SetPages(int pages) { m_pages = pages; }

    int CurrentPage() const { return m_current; }
    int PageCount() const { return m_pageCount; }
    // The zoom step: 0 shows the whole page, 1 and 2 enlarge it.
    int ZoomStep() const { return m_zoom; }
    QAction* Action(int index) const;

    enum ActionIndex { Print, Next, Previous, OnePageTwoPages, ZoomIn, ZoomOut, Close };

signals:
    void printRequested();
    void closeRequested();

private:
    int Shown() const { return m_pages == 2 ? 2 : 1; }
    void ShowPage(int page);
    void TogglePages();
    void Zoom(int step);
    void UpdateActions();

    PagePainter m_paint;
    QToolBar* m_toolBar;
    QPrintPreviewWidget* m_view;
    std::vector<QAction*> m_actions;
    int m_pages = 0;
    int m_pageCount = 0;
    int m_current = 1;
    int m_zoom = 0;
    double m_wholePage = 1.0; // the zoom factor that shows the whole page
};
