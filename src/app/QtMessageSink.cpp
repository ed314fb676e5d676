#include "app/QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>

namespace {

int RunBox(QMessageBox::Icon icon, const std::wstring& caption, const std::wstring& text,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape) {
    QMessageBox box(icon, QString::fromStdWString(caption), QString::fromStdWString(text), buttons,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setEscapeButton(escape);
    return box.exec();
}

} // namespace

MessageAnswer CQtMessageSink::Show(const std::wstring& caption, const std::wstring& text,
                                   MessageIcon icon, MessageButtons buttons) {
    const QMessageBox::Icon shown =
        icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::Warning;
    if (buttons == MessageButtons::Ok) {
        RunBox(shown, caption, text, QMessageBox::Ok, QMessageBox::Ok);
        return MessageAnswer::Ok;
    }
    const int answer =
        RunBox(shown, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

SaveAnswer CQtMessageSink::AskSave(const std::wstring& text) {
    const int answer =
        RunBox(QMessageBox::Question, kAppTitle, text,
               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return SaveAnswer::Save;
    return answer == QMessageBox::No ? SaveAnswer::Discard : SaveAnswer::Cancel;
}
