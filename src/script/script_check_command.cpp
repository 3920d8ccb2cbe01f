#include "script/script_check_command.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "core/text_encoding.h"
#include "script/script_check.h"

namespace {
enum ExitCode { AllClean = 0, SyntaxErrors = 1, Unreadable = 2 };

// The named files, and the .vbs and .js files below each named folder, in name order.
QStringList scriptFiles(const QStringList& paths) {
    QStringList files;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        QStringList found;
        QDirIterator it(path, {QStringLiteral("*.vbs"), QStringLiteral("*.js")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) found << it.next();
        found.sort();
        files << found;
    }
    return files;
}
}  // namespace

int runScriptCheckCommand(const QStringList& paths, QTextStream& out, QTextStream& err) {
    LanguageScriptChecker checker;
    int exitCode = AllClean;
    for (const QString& file : scriptFiles(paths)) {
        const auto language = scriptLanguageForFile(file);
        if (!language) {
            err << file << ": not a VBScript (.vbs) or JScript (.js) file\n";
            exitCode = Unreadable;
            continue;
        }
        QFile input(file);
        if (!input.open(QIODevice::ReadOnly)) {
            err << file << ": cannot read: " << input.errorString() << "\n";
            exitCode = Unreadable;
            continue;
        }
        // Read as the editor reads it: UTF-16 with its mark ("Unicode" on Windows), UTF-8 or
        // Windows-1252; the checkers take UTF-8.
        const auto error = checker.check(*language, decodeText(input.readAll()).utf8);
        if (!error) {
            out << file << ": No Error found\n";
            continue;
        }
        out << file << ':' << error->line << ':' << error->column << ": " << error->description << "\n";
        if (exitCode == AllClean) exitCode = SyntaxErrors;
    }
    out.flush();
    err.flush();
    return exitCode;
}
