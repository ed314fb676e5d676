#include "app/RecentFileList.h"

namespace {

const QString kSection = QStringLiteral("Recent File List");
const QString kEntry = QStringLiteral("File%1"); // "File%d", numbered from 1
constexpr int kMenuLength = 30;

} // namespace

void CRecentFileList::Read(QSettings& settings) {
    m_files.clear();
    settings.beginGroup(kSection);
    for (int i = 1; i <= m_size; ++i) {
        const QString file = settings.value(kEntry.arg(i)).toString();
        if (!file.isEmpty())
            m_files.append(file);
    }
    settings.endGroup();
}

void CRecentFileList::Write(QSettings& settings) const {
    settings.remove(kSection);
    settings.beginGroup(kSection);
    for (int i = 0; i < m_files.size(); ++i)
        settings.setValue(kEntry.arg(i + 1), m_files[i]);
    settings.endGroup();
}

void CRecentFileList::Add(const QString& path) {
    // A line break would end the entry in the settings file.
    if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r')))
        return;
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > m_size)
        m_files.removeLast();
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < m_files.size())
        m_files.removeAt(index);
}

QString CRecentFileList::MenuText(int index) const {
    QString name = AbbreviatePath(m_files.value(index), kMenuLength);
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(name);
}

QString AbbreviatePath(const QString& path, int maxLength) {
    if (path.size() <= maxLength)
        return path;
    const QStringList parts = path.split(QLatin1Char('/'));
    const QString root = path.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    const QString ellipsis = root + QStringLiteral("...");
    QString tail;
    for (qsizetype i = parts.size() - 1; i > 0; --i) {
        const QString longer = QLatin1Char('/') + parts[i] + tail;
        if (ellipsis.size() + longer.size() > maxLength)
            break;
        tail = longer;
    }
    return tail.isEmpty() ? parts.last() : ellipsis + tail;
}
