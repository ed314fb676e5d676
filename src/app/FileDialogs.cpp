#include "app/FileDialogs.h"

#include <QFileDialog>

namespace {

// The case files first, then every file.
QStringList Filters() {
    return {QStringLiteral("TARVO Files (*.tarvo)"), QStringLiteral("すべてのファイル (*.*)")};
}

QString Run(QFileDialog& dialog) {
    dialog.setNameFilters(Filters());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

} // namespace

QString CQtFileDialogs::GetOpenFileName(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog);
}

QString CQtFileDialogs::GetSaveFileName(QWidget* parent, const QString& proposed) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("tarvo"));
    dialog.selectFile(proposed);
    return Run(dialog);
}
