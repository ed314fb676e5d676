// The split bars of "分割(&P)" while they are being placed: a vertical and a horizontal bar
// across the panes that follow the mouse and the arrow keys until a click or Enter places
// them; Escape gives up. The mouse and the keyboard belong to the tracker meanwhile.
#pragma once

#include <QWidget>

class CSplitTracker : public QWidget {
    Q_OBJECT
public:
    // Covers over, with the bars crossing at start (in over's coordinates).
    CSplitTracker(QWidget& over, const QPoint& start);

    QPoint Position() const { return m_position; }

signals:
    // Once: where the bars cross when they were placed, or that the tracking was given up.
    void placed(QPoint position);
    void cancelled();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void MoveTo(const QPoint& position);
    void Finish();

    QPoint m_position;
    bool m_finished = false;
};
