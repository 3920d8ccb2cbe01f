#pragma once
// tessavel --check-script FILE...: checks scripts kept outside the editor (a repository of old
// .vbs and .js files) without opening a window. A folder stands for the scripts in it.
#include <QStringList>
#include <QTextStream>

// Prints "FILE: No Error found" or "FILE:LINE: description" for each script on out, problems
// with the files themselves on err. Returns 0 when every script is clean, 1 when one has a
// syntax error, 2 when a file could not be read or is not a script.
int runScriptCheckCommand(const QStringList& paths, QTextStream& out, QTextStream& err);
