// The settings file of the program: an INI file named after the executable, with the
// extension ".ini", beside it; in the user's configuration folder when the executable's folder
// cannot be written (an installed program). It holds the recent-file list and the preview's
// page count, never data of the cases.
#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// The file for the executable at executablePath.
QString SettingsFilePath(const QString& executablePath);

// Whether the settings file at path can be written, or created.
bool IsSettingsFileWritable(const QString& path);

// Settings on the INI file at path. Section and key names stand in the file as they are
// ("[Recent File List]"), where QSettings' own INI format would escape their spaces; values
// are UTF-8 text, and bytes that are not UTF-8 come back as they were.
std::unique_ptr<QSettings> OpenSettings(const QString& path);
