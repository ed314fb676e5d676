#include "app/ViewSplitter.h"

#include "app/SheetView.h"
#include "app/SplitTracker.h"

#include <QHBoxLayout>
#include <QSplitter>

#include <algorithm>

namespace {

constexpr int kMaxPanes = 2; // rows and columns
constexpr int kMinPane = 10; // the smallest pane, in pixels either way

// Whether a bar at 'first' along a length leaves a pane of the smallest size on either side.
bool SplitsAt(int first, int length, int handle) {
    return first >= kMinPane && length - first - handle >= kMinPane;
}

} // namespace

CViewSplitter::CViewSplitter(ViewFactory makeView, QWidget* parent)
    : QWidget(parent), m_makeView(std::move(makeView)), m_rows(new QSplitter(Qt::Vertical)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_rows);
    connect(m_rows, &QSplitter::splitterMoved, this, [this] { OnBarMoved(m_rows); });
    m_active = NewView();
    SetPanes(1, 1, 0, 0);
}

CTARVOView* CViewSplitter::NewView() {
    CTARVOView* view = m_makeView();
    view->setMinimumSize(kMinPane, kMinPane);
    connect(view, &CTARVOView::activated, this, [this](CTARVOView* v) { m_active = v; });
    return view;
}

QSplitter* CViewSplitter::Row(int index) const {
    return static_cast<QSplitter*>(m_rows->widget(index));
}

int CViewSplitter::Rows() const {
    return m_rows->count();
}

int CViewSplitter::Columns() const {
    return m_rows->count() == 0 ? 0 : Row(0)->count();
}

std::vector<CTARVOView*> CViewSplitter::Views() const {
    std::vector<CTARVOView*> views;
    for (int r = 0; r < Rows(); ++r) {
        for (int c = 0; c < Row(r)->count(); ++c)
            views.push_back(static_cast<CTARVOView*>(Row(r)->widget(c)));
    }
    return views;
}

QPoint CViewSplitter::BarPosition() const {
    const int x = Columns() > 1 ? Row(0)->sizes().at(0) : width() / 2;
    const int y = Rows() > 1 ? m_rows->sizes().at(0) : height() / 2;
    return QPoint(x, y);
}

void CViewSplitter::StartSplitTracking() {
    if (m_tracker != nullptr)
        return;
    m_tracker = new CSplitTracker(*this, BarPosition());
    connect(m_tracker, &CSplitTracker::placed, this, [this](QPoint position) {
        m_tracker = nullptr;
        PlaceBars(position);
    });
    connect(m_tracker, &CSplitTracker::cancelled, this, [this] {
        m_tracker = nullptr;
        m_active->setFocus(Qt::OtherFocusReason);
    });
}

void CViewSplitter::PlaceBars(const QPoint& position) {
    const int handle = m_rows->handleWidth();
    const bool columns = SplitsAt(position.x(), width(), handle);
    const bool rows = SplitsAt(position.y(), height(), handle);
    SetPanes(rows ? 2 : 1, columns ? 2 : 1, position.x(), position.y());
    m_active->setFocus(Qt::OtherFocusReason);
}

void CViewSplitter::SetPanes(int rows, int columns, int width, int height) {
    // The panes by row and column; the row and the column of the active pane stay when
    // fewer are wanted.
    CTARVOView* grid[kMaxPanes][kMaxPanes] = {};
    grid[0][0] = m_active; // the first pane, before it has a row
    int activeRow = 0;
    int activeColumn = 0;
    for (int r = 0; r < Rows(); ++r) {
        for (int c = 0; c < Row(r)->count(); ++c) {
            grid[r][c] = static_cast<CTARVOView*>(Row(r)->widget(c));
            if (grid[r][c] == m_active) {
                activeRow = r;
                activeColumn = c;
            }
        }
    }
    const QPoint scroll = m_active->ScrollPosition();
    std::vector<CTARVOView*> unused;
    CTARVOView* placed[kMaxPanes][kMaxPanes] = {};
    for (int r = 0; r < kMaxPanes; ++r) {
        for (int c = 0; c < kMaxPanes; ++c) {
            const int fromRow = rows == 1 ? activeRow : r;
            const int fromColumn = columns == 1 ? activeColumn : c;
            if (r < rows && c < columns) {
                placed[r][c] = grid[fromRow][fromColumn];
                grid[fromRow][fromColumn] = nullptr;
            }
        }
    }
    for (auto& row : grid)
        for (CTARVOView* view : row)
            if (view != nullptr)
                unused.push_back(view);

    // The views leave their rows before the rows are rebuilt.
    for (auto& row : placed)
        for (CTARVOView* view : row)
            if (view != nullptr)
                view->setParent(nullptr);
    for (CTARVOView* view : unused)
        delete view;
    while (m_rows->count() > 0)
        delete m_rows->widget(0);

    for (int r = 0; r < rows; ++r) {
        auto* row = new QSplitter(Qt::Horizontal);
        m_rows->addWidget(row);
        connect(row, &QSplitter::splitterMoved, this, [this, row] { OnBarMoved(row); });
        for (int c = 0; c < columns; ++c) {
            CTARVOView* view = placed[r][c];
            if (view == nullptr) {
                view = NewView();
                view->ScrollTo(scroll);
            }
            row->addWidget(view);
            view->show();
        }
        if (columns > 1)
            row->setSizes({width, std::max(0, this->width() - width - row->handleWidth())});
    }
    if (rows > 1)
        m_rows->setSizes({height, std::max(0, this->height() - height - m_rows->handleWidth())});
}

void CViewSplitter::OnBarMoved(QSplitter* moved) {
    const QList<int> sizes = moved->sizes();
    const bool collapsed = std::any_of(sizes.begin(), sizes.end(), [](int s) { return s == 0; });
    if (!collapsed) {
        // The panes of a column share its width.
        if (moved != m_rows) {
            for (int r = 0; r < Rows(); ++r)
                if (Row(r) != moved)
                    Row(r)->setSizes(sizes);
        }
        return;
    }
    // The bar reached an edge: its row or column goes once the splitter has finished with the
    // mouse. The pane that keeps its size stays.
    const int kept = sizes.at(0) == 0 ? 1 : 0;
    const bool rowGone = moved == m_rows;
    QMetaObject::invokeMethod(
        this,
        [this, kept, rowGone] {
            if (rowGone ? Rows() < 2 : Columns() < 2)
                return;
            // An active pane in the row or column that goes hands over to its neighbour.
            const std::vector<CTARVOView*> views = Views();
            const int columns = Columns();
            const auto found = std::find(views.begin(), views.end(), m_active);
            const auto index = found == views.end() ? 0 : found - views.begin();
            const int r = rowGone ? kept : static_cast<int>(index) / columns;
            const int c = rowGone ? static_cast<int>(index) % columns : kept;
            m_active = views.at(static_cast<size_t>(r * columns + c));
            const QPoint bars = BarPosition();
            SetPanes(rowGone ? 1 : Rows(), rowGone ? Columns() : 1, bars.x(), bars.y());
            m_active->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

void CViewSplitter::ActivatePane(int step) {
    const std::vector<CTARVOView*> views = Views();
    const auto it = std::find(views.begin(), views.end(), m_active);
    const int count = static_cast<int>(views.size());
    const int index = it == views.end() ? 0 : static_cast<int>(it - views.begin());
    views[((index + step) % count + count) % count]->setFocus(Qt::OtherFocusReason);
}

void CViewSplitter::UpdateAllViews() {
    for (CTARVOView* view : Views()) {
        view->UpdateScrollBars();
        view->viewport()->update();
    }
}

void CViewSplitter::ScrollAllToOrigin() {
    for (CTARVOView* view : Views())
        view->ScrollTo(QPoint(0, 0));
}
