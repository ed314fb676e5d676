#include "app/SettingsFile.h"

#include "app/RawUtf8.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QStandardPaths>

#include <map>

namespace {

bool ReadIni(QIODevice& device, QSettings::SettingsMap& map) {
    QString section;
    // Bytes that are not UTF-8 (a file name in another encoding) are kept as they stand.
    const QStringList lines = DecodeRawUtf8(device.readAll()).split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        map.insert(section.isEmpty() ? key : section + QLatin1Char('/') + key, value);
    }
    return true;
}

bool WriteIni(QIODevice& device, const QSettings::SettingsMap& map) {
    // Keys outside any section first, then each section with its keys.
    std::map<QString, QStringList> sections;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().lastIndexOf(QLatin1Char('/'));
        const QString section = slash < 0 ? QString() : it.key().left(slash);
        const QString key = it.key().mid(slash + 1);
        sections[section].append(key + QLatin1Char('=') + it.value().toString());
    }
    QString text;
    for (const auto& [section, entries] : sections) {
        if (!section.isEmpty())
            text += QLatin1Char('[') + section + QStringLiteral("]\n");
        text += entries.join(QLatin1Char('\n')) + QStringLiteral("\n\n");
    }
    return device.write(EncodeRawUtf8(text)) >= 0;
}

QSettings::Format PlainIniFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), ReadIni, WriteIni);
    return format;
}

// Whether the file can be written, or created when it does not exist.
bool IsWritable(const QFileInfo& file) {
    if (file.exists())
        return file.isFile() && file.isWritable();
    const QFileInfo folder(file.absolutePath());
    return folder.isDir() && folder.isWritable();
}

} // namespace

QString SettingsFilePath(const QString& executablePath) {
    const QFileInfo executable(executablePath);
    const QString name = executable.completeBaseName() + QStringLiteral(".ini");
    const QFileInfo beside(executable.dir(), name);
    if (IsWritable(beside))
        return beside.filePath();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(name);
}

bool IsSettingsFileWritable(const QString& path) {
    return IsWritable(QFileInfo(path));
}

std::unique_ptr<QSettings> OpenSettings(const QString& path) {
    return std::make_unique<QSettings>(path, PlainIniFormat());
}
