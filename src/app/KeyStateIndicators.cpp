#include "app/KeyStateIndicators.h"

#include "app/CommandTable.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>

CKeyStateIndicators::CKeyStateIndicators(QStatusBar& bar) : QObject(&bar) {
    for (const QString& indicator : StatusIndicators()) {
        auto* pane = new QLabel(indicator);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(indicator) + 12);
        bar.addPermanentWidget(pane);
        m_panes.push_back(pane);
    }
    Show(ReadKeyStates());
    qApp->installEventFilter(this);
}

void CKeyStateIndicators::Show(const CKeyStates& states) {
    const bool lit[] = {states.caps, states.num, states.scroll};
    for (size_t i = 0; i < m_panes.size(); ++i)
        m_panes[i]->setEnabled(states.known && lit[i]);
}

bool CKeyStateIndicators::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
        // A key reaches the focus widget and each of its parents: read once, at the window.
        if (watched->isWindowType() || event->type() == QEvent::ApplicationActivate)
            Show(ReadKeyStates());
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
