#pragma once
// The Java tool runner: the JDK folder kept in pathc.tsh, the batch file temp.bat that every
// tool command writes (the folder on PATH, the command, a pause) and the console that runs the
// command.
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
QByteArray batchText(const QString& jdkFolder, const QString& commandLine);

// temp.html for the applet viewer.
QByteArray appletPage(const QString& className, const QString& height, const QString& width);

// The class name in a source path: after the last "\" or "/", before the last ".".
QString classNameOfSource(const QString& path);

// The word around the caret on the caret's line, bounded by " ({}),.", tab, CR and LF.
QString wordAtCaret(const EditorPane& pane);

// The JDK's programs by their real names ("javac", "java", "appletviewer"): the one in the folder
// set with Set Path, else the one on PATH; empty when neither has it.
QString findTool(const QString& name, const QString& jdkFolder);
// Which tool is missing, where it was looked for and what provides it.
QString missingToolMessage(const QString& name, const QString& jdkFolder);

// Opens a console for a command, owned by the main window; tests put a recorder in its place.
using ConsoleRunner = std::function<void(const ConsoleCommand& command, ConsoleShow show, QWidget* owner)>;
void setConsoleRunner(ConsoleRunner runner);  // an empty runner restores the console

// Starts a JDK tool with its arguments as they are: no shell sees them. A tool that is not
// there is reported and nothing runs. temp.bat records the run, the arguments quoted for the
// shell, so that its command line does the same when run again by hand.
void runTool(AppState& app, const QString& tool, const QStringList& arguments, ConsoleShow show);
// Runs a command line the user typed, through the shell: the Command dialog.
void runCommandLine(AppState& app, const QString& line, ConsoleShow show);

}  // namespace JavaTools
