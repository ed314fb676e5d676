#include "app/DesktopShell.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

void CDesktopShell::OpenFile(const std::filesystem::path& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path.string())));
}
