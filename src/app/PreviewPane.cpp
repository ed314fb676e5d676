#include "app/PreviewPane.h"

#include <QAction>
#include <QPrintPreviewWidget>
#include <QShortcut>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Each zoom step doubles the page, from the whole page in view.
constexpr int kMaxZoomStep = 2;

const QString kOnePage = QStringLiteral("1 ページ(&O)");
const QString kTwoPages = QStringLiteral("2 ページ(&T)");

} // namespace

CPreviewPane::CPreviewPane(QPrinter& printer, PagePainter paint, QWidget* parent)
    : QWidget(parent), m_paint(std::move(paint)), m_toolBar(new QToolBar),
      m_view(new QPrintPreviewWidget(&printer)) {
    const std::pair<QString, std::function<void()>> buttons[] = {
        {QStringLiteral("印刷(&P)..."), [this] { emit printRequested(); }},
        {QStringLiteral("次ページ(&N)"), [this] { ShowPage(m_current + 1); }},
        {QStringLiteral("前ページ(&V)"), [this] { ShowPage(m_current - 1); }},
        {kTwoPages, [this] { TogglePages(); }},
        {QStringLiteral("拡大(&I)"), [this] { Zoom(m_zoom + 1); }},
        {QStringLiteral("縮小(&O)"), [this] { Zoom(m_zoom - 1); }},
        {QStringLiteral("閉じる(&C)"), [this] { emit closeRequested(); }},
    };
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const auto& [text, run] : buttons) {
        QAction* action = m_toolBar->addAction(text);
        connect(action, &QAction::triggered, this, run);
        m_actions.push_back(action);
    }
    const std::pair<Qt::Key, ActionIndex> keys[] = {
        {Qt::Key_PageDown, Next}, {Qt::Key_PageUp, Previous}, {Qt::Key_Escape, Close}};
    for (const auto& [key, index] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QAction* action = m_actions[index];
        connect(shortcut, &QShortcut::activated, action, [action] {
            if (action->isEnabled())
                action->trigger();
        });
    }
    // Only the pages on show are painted: one page, or a page and the next side by side.
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* target) {
        m_paint(*target, m_current, std::min(m_current + Shown() - 1, m_pageCount));
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_view, 1);
}

QAction* CPreviewPane::Action(int index) const {
    return m_actions.at(index);
}

void CPreviewPane::Open(int pageCount) {
    m_pageCount = pageCount;
    m_pages = Shown();
    m_zoom = 0;
    m_view->setViewMode(QPrintPreviewWidget::AllPagesView);
    m_view->fitInView();
    ShowPage(1);
    m_view->setFocus(Qt::OtherFocusReason);
}

void CPreviewPane::ShowPage(int page) {
    m_current = std::clamp(page, 1, std::max(m_pageCount, 1));
    m_view->updatePreview();
    UpdateActions();
}

void CPreviewPane::TogglePages() {
    m_pages = Shown() == 2 ? 1 : 2;
    ShowPage(m_current);
    if (m_zoom == 0)
        m_view->fitInView();
}

void CPreviewPane::Zoom(int step) {
    step = std::clamp(step, 0, kMaxZoomStep);
    if (m_zoom == 0)
        m_wholePage = m_view->zoomFactor();
    m_zoom = step;
    if (m_zoom == 0)
        m_view->fitInView();
    else
        m_view->setZoomFactor(m_wholePage * (1 << m_zoom));
    UpdateActions();
}

void CPreviewPane::UpdateActions() {
    m_actions[Next]->setEnabled(m_current + Shown() - 1 < m_pageCount);
    m_actions[Previous]->setEnabled(m_current > 1);
    m_actions[OnePageTwoPages]->setText(Shown() == 2 ? kOnePage : kTwoPages);
    m_actions[ZoomIn]->setEnabled(m_zoom < kMaxZoomStep);
    m_actions[ZoomOut]->setEnabled(m_zoom > 0);
}
