#include "script/java_tools.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "core/app_state.h"
#include "core/delimited_reader.h"
#include "core/editor_pane.h"
#include "core/editor_window.h"
#include "core/frame.h"
#include "core/plain_text_file.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/shell_quote.h"

namespace JavaTools {

namespace {
ConsoleRunner& installedRunner() {
    static ConsoleRunner runner;
    return runner;
}

// What each tool is and what provides it, for the message when it is missing.
struct ToolSource {
    const char* name;
    const char* what;
    const char* provider;
};
const ToolSource toolSources[] = {
    {"javac", "The Java compiler",
     "It comes with a Java development kit (JDK): install one (on Debian or Ubuntu the package "
     "default-jdk-headless), or set the folder of its programs with Java > Set Path."},
    {"java", "The Java launcher",
     "It comes with every Java runtime and development kit: install one (on Debian or Ubuntu the "
     "package default-jdk-headless), or set the folder of its programs with Java > Set Path."},
    {"appletviewer", "The applet viewer",
     "Java kits from version 11 on have none, as applets were dropped from Java; it comes with "
     "Java 8 and older kits (such as OpenJDK 8). Install such a kit and set the folder of its "
     "programs with Java > Set Path."},
};

// Paths may come with either separator ("/" here, "\\" in paths typed the Windows way).
qsizetype lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}
}  // namespace

QString jdkPathFile() { return QDir(Paths::writableFolder()).filePath(QStringLiteral("pathc.tsh")); }
QString batchFile() { return QDir(Paths::writableFolder()).filePath(QStringLiteral("temp.bat")); }
QString appletPageFile() { return QDir(Paths::writableFolder()).filePath(QStringLiteral("temp.html")); }

QString readJdkFolder() {
    QString error;
    const auto text = readPlainText(jdkPathFile(), &error);
    if (!text) return QString();
    const QStringList items = readDelimitedItems(QString::fromUtf8(text->utf8));
    return items.isEmpty() ? QString() : items.first();
}

bool writeJdkFolder(AppState& app, const QString& folder) {
    return writeToolFile(app, jdkPathFile(), '"' + folder.toUtf8() + "\"\r\n");
}

bool writeToolFile(AppState& app, const QString& path, const QByteArray& text) {
    QString error;
    if (writePlainText(path, text, TextEncoding::Utf8, &error)) return true;
    app.dialogs->messageBox(QStringLiteral("Cannot write %1: %2").arg(path, error),
                            QStringLiteral("Tessavel Editor 2005"), MsgButtons::Ok, MsgIcon::Critical);
    return false;
}

QString folderOfProgram(const QString& programPath) {
    const qsizetype separator = lastSeparator(programPath);
    return separator < 0 ? QString() : programPath.left(separator);
}

QByteArray batchText(const QString& jdkFolder, const QString& commandLine) {
    return "path = " + jdkFolder.toUtf8() + "\r\n" + commandLine.toUtf8() + "\r\n@pause\r\n";
}

QByteArray appletPage(const QString& className, const QString& height, const QString& width) {
    return "<html><applet code = \"" + className.toUtf8() + ".class\" height=\"" + height.toUtf8() +
           "\" width =\"" + width.toUtf8() + "\"></applet></html>";
}

QString classNameOfSource(const QString& path) {
    const QString name = path.mid(lastSeparator(path) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString wordAtCaret(const EditorPane& pane) {
    static const QByteArray delimiters = QByteArrayLiteral(" ({}),.\t\r\n");
    const int caret = pane.SelStart();
    const int lineStart = pane.lineIndex(pane.GetLineFromChar(caret));
    int start = caret;
    while (start > lineStart && !delimiters.contains(pane.CharAt(start - 1))) --start;
    int end = caret;
    const int length = pane.TextLength();
    while (end < length && !delimiters.contains(pane.CharAt(end))) ++end;
    return QString::fromUtf8(pane.SnapshotRange(start, end).text);
}

QString findTool(const QString& name, const QString& jdkFolder) {
    if (!jdkFolder.isEmpty())
        if (QString inFolder = QStandardPaths::findExecutable(name, {jdkFolder}); !inFolder.isEmpty())
            return inFolder;
    return QStandardPaths::findExecutable(name);
}

QString missingToolMessage(const QString& name, const QString& jdkFolder) {
    const auto known = std::find_if(std::begin(toolSources), std::end(toolSources),
                                    [&name](const ToolSource& t) { return name == QLatin1String(t.name); });
    const QString what = known == std::end(toolSources) ? QStringLiteral("The program") : QString::fromLatin1(known->what);
    const QString where = jdkFolder.isEmpty()
        ? QStringLiteral("on the search path (PATH), and no folder is set with Java > Set Path")
        : QStringLiteral("in \"%1\" (the folder set with Java > Set Path) nor on the search path (PATH)").arg(jdkFolder);
    QString message = QStringLiteral("%1, \"%2\", was not found %3.").arg(what, name, where);
    if (known != std::end(toolSources)) message += QLatin1Char(' ') + QString::fromLatin1(known->provider);
    return message;
}

void setConsoleRunner(ConsoleRunner runner) { installedRunner() = std::move(runner); }

namespace {
// Writes temp.bat for the command and opens its console: in the folder of temp.bat, with the JDK
// folder ahead of PATH and the current Java window's source folder ahead of the class path, so
// that "java Name" finds what "javac" made there.
void launch(AppState& app, ConsoleCommand command, const QString& jdkFolder, ConsoleShow show) {
    if (!writeToolFile(app, batchFile(), batchText(jdkFolder, command.line))) return;
    command.folder = QFileInfo(batchFile()).absolutePath();
    if (!jdkFolder.isEmpty())
        command.environment.insert(QStringLiteral("PATH"), jdkFolder + QLatin1Char(':') +
                                                               command.environment.value(QStringLiteral("PATH")));
    if (EditorWindow* java = app.currentJavaWindow.data(); java && !java->isUntitled()) {
        const QString classPath = command.environment.value(QStringLiteral("CLASSPATH"), QStringLiteral("."));
        command.environment.insert(QStringLiteral("CLASSPATH"),
                                   QFileInfo(java->caption()).absolutePath() + QLatin1Char(':') + classPath);
    }
    const ConsoleRunner& runner = installedRunner();
    if (runner)
        runner(command, show, app.frameWidget());
    else
        ConsoleWindow::start(command, show, app.frameWidget());
}
}  // namespace

void runTool(AppState& app, const QString& tool, const QStringList& arguments, ConsoleShow show) {
    const QString jdkFolder = readJdkFolder();
    const QString program = findTool(tool, jdkFolder);
    if (program.isEmpty()) {
        app.dialogs->messageBox(missingToolMessage(tool, jdkFolder), QStringLiteral("Tessavel Editor 2005"),
                                MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    ConsoleCommand command;
    command.line = shellCommandLine(QStringList{tool} + arguments);
    command.arguments = QStringList{program} + arguments;
    launch(app, std::move(command), jdkFolder, show);
}

void runCommandLine(AppState& app, const QString& line, ConsoleShow show) {
    ConsoleCommand command;
    command.line = line;
    launch(app, std::move(command), readJdkFolder(), show);
}

}  // namespace JavaTools
