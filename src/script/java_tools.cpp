#include "script/java_tools.h"

#include <QDir>
#include <QFileInfo>

#include "core/app_state.h"
#include "core/delimited_reader.h"
#include "core/editor_pane.h"
#include "core/editor_window.h"
#include "core/frame.h"
#include "core/plain_text_file.h"
#include "platform/dialogs.h"
#include "platform/paths.h"

namespace JavaTools {

namespace {
BatchRunner& installedRunner() {
    static BatchRunner runner;
    return runner;
}

// The console, with the Java source's folder ahead of the class path.
void runInConsole(const QString& batch, ConsoleShow show, const QString& sourceFolder, QWidget* owner) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!sourceFolder.isEmpty()) {
        const QString classPath = environment.value(QStringLiteral("CLASSPATH"), QStringLiteral("."));
        environment.insert(QStringLiteral("CLASSPATH"), sourceFolder + QLatin1Char(':') + classPath);
    }
    ConsoleWindow::start(batch, show, environment, owner);
}

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

QByteArray batchText(const QString& jdkFolder, const QString& command) {
    return "path = " + jdkFolder.toUtf8() + "\r\n" + command.toUtf8() + "\r\n@pause\r\n";
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

void setBatchRunner(BatchRunner runner) { installedRunner() = std::move(runner); }

void runTool(AppState& app, const QString& command, ConsoleShow show) {
    if (!writeToolFile(app, batchFile(), batchText(readJdkFolder(), command))) return;
    QString sourceFolder;
    if (EditorWindow* java = app.currentJavaWindow.data(); java && !java->isUntitled())
        sourceFolder = QFileInfo(java->caption()).absolutePath();
    const BatchRunner& runner = installedRunner();
    QWidget* owner = app.frameWidget();
    (runner ? runner : BatchRunner(runInConsole))(batchFile(), show, sourceFolder, owner);
}

}  // namespace JavaTools
