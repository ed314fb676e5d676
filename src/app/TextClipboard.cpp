#include "app/TextClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

bool CSystemClipboard::SetText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    // The window system may refuse the clipboard to us; it then still holds another
    // program's content.
    return clipboard->text() == text;
}
