// The list of the most recently opened or saved files, most recent first, as the "File"
// menu shows it and the settings file keeps it.
#pragma once

#include <QSettings>
#include <QStringList>

class CRecentFileList {
public:
    explicit CRecentFileList(int size) : m_size(size) {}

    // From "Recent File List" / "File1" ... of the settings, and back.
    void Read(QSettings& settings);
    void Write(QSettings& settings) const;

    // Puts path at the top, once; the oldest entry beyond the size drops out.
    void Add(const QString& path);
    void Remove(int index);

    const QStringList& Files() const { return m_files; }

    // The menu text of entry index: its number as mnemonic and the path shortened to 30
    // characters.
    QString MenuText(int index) const;

private:
    int m_size;
    QStringList m_files;
};

// path itself when it has at most maxLength characters; otherwise its root, "..." and as many
// of its last components as fit, or the file name alone when not even one fits.
QString AbbreviatePath(const QString& path, int maxLength);
