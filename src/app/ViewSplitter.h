// The panes of the view: one pane, or 2 x 2 panes after "分割(&P)", each pane a view of the
// same document with its own scroll position.
#pragma once

#include <QWidget>

#include <functional>
#include <vector>

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
    bool IsSplit() const;

    // One pane becomes 2 x 2 panes, the new ones scrolled as the active pane; 2 x 2 panes
    // become the active pane alone.
    void ToggleSplit();
    // Gives the focus to the next (step 1) or previous (step -1) pane, row by row.
    void ActivatePane(int step);
    // Repaints every pane.
    void UpdateAllViews();

private:
    CTARVOView* AddView(QSplitter* row);
    QSplitter* AddRow();

    ViewFactory m_makeView;
    QSplitter* m_rows;
    CTARVOView* m_active = nullptr;
};
