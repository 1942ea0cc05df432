#pragma once
// Per-user settings: organisation and application "Kelvora", group
// "Preferences", as the program's only settings store.

#include <QString>

namespace platform {

QString GetSetting(const QString &key, const QString &defaultValue = QString());
void SaveSetting(const QString &key, const QString &value);

// The key of the current database's path.
inline const char *const CurrentDatabaseKey = "CurrentDatabase";

// The folder printed pages are saved to as PDF when no printer is configured;
// the documents folder when not set.
inline const char *const PrintPdfFolderKey = "PrintPdfFolder";

} // namespace platform