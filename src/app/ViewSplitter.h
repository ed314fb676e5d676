// The panes of the view: one pane, or 1 x 2, 2 x 1 or 2 x 2 panes placed with "分割(&P)",
// each pane a view of the same document with its own scroll position. The panes of a column
// share its width. A split bar dragged to the edge of the window removes its row or column.
#pragma once

#include <QWidget>

#include <functional>
#include <vector>

class CSplitTracker;
class CTARVOView;
class QSplitter;

class CViewSplitter : public QWidget {
    Q_OBJECT
public:
    using ViewFactory = std::function<CTARVOView*()>;

    explicit CViewSplitter(ViewFactory makeView, QWidget* parent = nullptr);

    // The panes row by row.
    std::vector<CTARVOView*> Views() const;
    // The pane that last had the keyboard focus.
    CTARVOView* ActiveView() const { return m_active; }
    int Rows() const;
    int Columns() const;
    bool IsSplit() const { return Rows() > 1 || Columns() > 1; }

    // "分割(&P)": the split bars follow the mouse and the arrow keys from where they stand
    // (the middle of an unsplit window) until a click or Enter places them; Escape keeps the
    // panes as they are.
    void StartSplitTracking();
    // The bars being placed, or null.
    CSplitTracker* Tracker() const { return m_tracker; }
    // Places the bars crossing at position: a bar closer to an edge than the smallest pane
    // leaves its row or column out. New panes are scrolled as the active pane; the active pane
    // stays.
    void PlaceBars(const QPoint& position);

    // Gives the focus to the next (step 1) or previous (step -1) pane, row by row.
    void ActivatePane(int step);
    // Repaints every pane.
    void UpdateAllViews();
    // Scrolls every pane to the top left.
    void ScrollAllToOrigin();

private:
    // rows x columns panes with the first row 'height' and the first column 'width' pixels.
    void SetPanes(int rows, int columns, int width, int height);
    QSplitter* Row(int index) const;
    CTARVOView* NewView();
    // Where the bars stand: the corner of the last pane.
    QPoint BarPosition() const;
    // After a bar was dragged: the other row follows a column bar; a bar at the edge goes.
    void OnBarMoved(QSplitter* moved);

    ViewFactory m_makeView;
    QSplitter* m_rows;
    CTARVOView* m_active = nullptr;
    CSplitTracker* m_tracker = nullptr;
};
