#pragma once
// Where the program finds its data files and keeps its settings.
#include <QString>

namespace Paths {
// The program folder: TESSAVEL_HOME when set, otherwise the folder of the executable (the build
// folder, or the installed program folder), which holds tag.tsh and the other data files.
QString programFolder();
// The per-user settings folder (tshedef01.dat): TESSAVEL_SETTINGS_DIR when set, otherwise the
// application's configuration folder. Created when missing.
QString settingsFolder();
// Where the program writes its own files (temp1.html, temp.bat, ...): the program folder when it
// is writable, otherwise the per-user data folder.
QString writableFolder();
// A file in the program folder.
QString programFile(const QString& name);
}  // namespace Paths
