// The status bar's key-state indicators "CAP", "NUM" and "SCRL": lit while Caps Lock, Num
// Lock and Scroll Lock are on, as far as the window system reports them (X11 does); grey
// elsewhere. They are read again after every key and whenever the program becomes active.
#pragma once

#include "app/KeyStates.h"

#include <QObject>

#include <vector>

class QLabel;
class QStatusBar;

class CKeyStateIndicators : public QObject {
    Q_OBJECT
public:
    // Adds the indicators at the right end of the status bar.
    explicit CKeyStateIndicators(QStatusBar& bar);

    const std::vector<QLabel*>& Panes() const { return m_panes; }
    // Lights the indicators by states.
    void Show(const CKeyStates& states);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QLabel*> m_panes;
};
