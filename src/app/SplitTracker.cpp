#include "app/SplitTracker.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// Width of a bar being placed, and the arrow keys' step (with Ctrl: one pixel).
constexpr int kBarWidth = 4;
constexpr int kKeyStep = 16;

} // namespace

CSplitTracker::CSplitTracker(QWidget& over, const QPoint& start) : QWidget(&over) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setCursor(Qt::SizeAllCursor);
    setGeometry(over.rect());
    MoveTo(start);
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    grabMouse();
    grabKeyboard();
}

bool CSplitTracker::event(QEvent* event) {
    // Every key, the program's accelerators included, is the tracker's while it runs.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void CSplitTracker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QBrush bar(Qt::darkGray, Qt::Dense4Pattern);
    painter.fillRect(QRect(m_position.x() - kBarWidth / 2, 0, kBarWidth, height()), bar);
    painter.fillRect(QRect(0, m_position.y() - kBarWidth / 2, width(), kBarWidth), bar);
}

void CSplitTracker::MoveTo(const QPoint& position) {
    m_position = QPoint(std::clamp(position.x(), 0, std::max(0, width() - 1)),
                        std::clamp(position.y(), 0, std::max(0, height() - 1)));
    update();
}

void CSplitTracker::mouseMoveEvent(QMouseEvent* event) {
    MoveTo(event->position().toPoint());
}

void CSplitTracker::mousePressEvent(QMouseEvent* event) {
    MoveTo(event->position().toPoint());
    Finish();
    emit placed(m_position);
}

void CSplitTracker::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers().testFlag(Qt::ControlModifier) ? 1 : kKeyStep;
    switch (event->key()) {
    case Qt::Key_Left:
        MoveTo(m_position - QPoint(step, 0));
        break;
    case Qt::Key_Right:
        MoveTo(m_position + QPoint(step, 0));
        break;
    case Qt::Key_Up:
        MoveTo(m_position - QPoint(0, step));
        break;
    case Qt::Key_Down:
        MoveTo(m_position + QPoint(0, step));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Finish();
        emit placed(m_position);
        break;
    case Qt::Key_Escape:
        Finish();
        emit cancelled();
        break;
    default:
        break;
    }
}

void CSplitTracker::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // Another window took the keyboard: the panes stay as they were.
    if (!m_finished && event->reason() != Qt::PopupFocusReason) {
        Finish();
        emit cancelled();
    }
}

void CSplitTracker::Finish() {
    m_finished = true;
    releaseMouse();
    releaseKeyboard();
    close();
}
