#include "app/GuardedApplication.h"

CGuardedApplication::CGuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool CGuardedApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    Guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void CGuardedApplication::Report(const wchar_t* text) noexcept {
    if (m_messages == nullptr)
        return;
    // The box's own events pass through notify and are guarded there; only the box itself
    // failing to appear (no memory for it either) is left unsaid.
    try {
        ShowWarning(*m_messages, text);
    } catch (const std::exception&) {
        // Nothing more can be done for this event.
    }
}
