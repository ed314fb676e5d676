#include "ViewSplitter.h"

#include "SheetView.h"

#include <QHBoxLayout>
#include <QSplitter>

#include <algorithm>

namespace {

constexpr int kMaxPanes = 2; // rows and columns

} // namespace

CViewSplitter::CViewSplitter(ViewFactory makeView, QWidget* parent)
    : QWidget(parent), m_makeView(std::move(makeView)), m_rows(new QSplitter(Qt::Vertical)) {
    m_rows->setChildrenCollapsible(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_rows);
    m_active = AddView(AddRow());
}

QSplitter* CViewSplitter::AddRow() {
    auto* row = new QSplitter(Qt::Horizontal);
    row->setChildrenCollapsible(false);
    m_rows->addWidget(row);
    return row;
}

CTARVOView* CViewSplitter::AddView(QSplitter* row) {
    CTARVOView* view = m_makeView();
    connect(view, &CTARVOView::activated, this, [this](CTARVOView* v) { m_active = v; });
    row->addWidget(view);
    return view;
}

std::vector<CTARVOView*> CViewSplitter::Views() const {
    std::vector<CTARVOView*> views;
    for (int r = 0; r < m_rows->count(); ++r) {
        auto* row = static_cast<QSplitter*>(m_rows->widget(r));
        for (int c = 0; c < row->count(); ++c)
            views.push_back(static_cast<CTARVOView*>(row->widget(c)));
    }
    return views;
}

bool CViewSplitter::IsSplit() const {
    return Views().size() > 1;
}

void CViewSplitter::ToggleSplit() {
    if (IsSplit()) {
        // The active pane stays, alone in the first row.
        auto* first = static_cast<QSplitter*>(m_rows->widget(0));
        first->insertWidget(0, m_active);
        for (CTARVOView* view : Views()) {
            if (view != m_active)
                delete view;
        }
        while (m_rows->count() > 1)
            delete m_rows->widget(m_rows->count() - 1);
        return;
    }
    const QPoint scroll = m_active->ScrollPosition();
    auto* first = static_cast<QSplitter*>(m_rows->widget(0));
    AddView(first)->ScrollTo(scroll);
    for (int r = 1; r < kMaxPanes; ++r) {
        QSplitter* row = AddRow();
        for (int c = 0; c < kMaxPanes; ++c)
            AddView(row)->ScrollTo(scroll);
    }
    // Equal panes.
    const QSize size = m_rows->size();
    m_rows->setSizes({size.height() / 2, size.height() / 2});
    for (int r = 0; r < m_rows->count(); ++r)
        static_cast<QSplitter*>(m_rows->widget(r))->setSizes({size.width() / 2, size.width() / 2});
}

void CViewSplitter::ActivatePane(int step) {
    const std::vector<CTARVOView*> views = Views();
    const auto it = std::find(views.begin(), views.end(), m_active);
    const int count = static_cast<int>(views.size());
    const int index = it == views.end() ? 0 : static_cast<int>(it - views.begin());
    views[((index + step) % count + count) % count]->setFocus(Qt::OtherFocusReason);
}

void CViewSplitter::UpdateAllViews() {
    for (CTARVOView* view : Views())
        view->viewport()->update();
}
