#pragma once

#include <QSettings>
#include <QString>
#include <string>
#include <vector>

namespace kolvane::ui {

// The user's settings of the program (tests point their path elsewhere).
QSettings UserSettings();

// The group of the user's settings kept for one column folder: what the
// windows remember for that folder (their inputs, the report's title block).
// Named by the folder's bytes in hexadecimal, so that a folder whose name is
// not UTF-8 keeps settings of its own and two folders never share them.
QString FolderSettingsGroup(const std::string& folder);

// A list of folder names under `key`, kept by their bytes (in hexadecimal),
// so that a folder whose name is not UTF-8 comes back as the very folder.
void StoreFolderList(const QString& key, const std::vector<std::string>& folders);
// The list stored so; a list kept as plain text by an earlier version reads
// as UTF-8.
std::vector<std::string> FolderList(const QString& key);

}  // namespace kolvane::ui
