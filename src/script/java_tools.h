#pragma once
// The Java tool runner: the JDK folder kept in pathc.tsh, the batch file temp.bat that every
// tool command writes (the folder on PATH, the command, a pause) and the console that runs it.
#include <QString>
#include <functional>

#include "platform/console_window.h"

struct AppState;
class EditorPane;

namespace JavaTools {

// Where the files live: the program folder, or the per-user folder when it is read-only.
QString jdkPathFile();    // pathc.tsh
QString batchFile();      // temp.bat
QString appletPageFile(); // temp.html

// The JDK folder from pathc.tsh: one quoted field; empty when the file is missing.
QString readJdkFolder();
bool writeJdkFolder(AppState& app, const QString& folder);

// Writes one of the tool files; a failure is reported to the user and answers false.
bool writeToolFile(AppState& app, const QString& path, const QByteArray& text);

// The browse result cut to its folder: the text before the last "/" or "\".
QString folderOfProgram(const QString& programPath);

// The three lines of temp.bat, each ending in CR LF.
QByteArray batchText(const QString& jdkFolder, const QString& command);

// temp.html for the applet viewer.
QByteArray appletPage(const QString& className, const QString& height, const QString& width);

// The class name in a source path: after the last "\" or "/", before the last ".".
QString classNameOfSource(const QString& path);

// The word around the caret on the caret's line, bounded by " ({}),.", tab, CR and LF.
QString wordAtCaret(const EditorPane& pane);

// Runs a batch file in a console owned by the main window; tests put a recorder in its place.
using BatchRunner = std::function<void(const QString& batchFile, ConsoleShow show,
                                       const QString& sourceFolder, QWidget* owner)>;
void setBatchRunner(BatchRunner runner);  // an empty runner restores the console

// Writes temp.bat for the command and runs it. The classes next to the current Java window's
// source are on the class path, so that "java Name" finds what "javac" made there. A batch
// file that cannot be written is reported and nothing runs.
void runTool(AppState& app, const QString& command, ConsoleShow show);

}  // namespace JavaTools
