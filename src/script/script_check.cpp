#include "script/script_check.h"

#include <QJSEngine>
#include <QRegularExpression>
#include <algorithm>

#include "core/text_scan.h"
#include "script/jscript_scan.h"

#include "script/vbscript/vbscript_checker.h"

namespace {
// Thrown by the first statement: reaching it means the whole text parsed.
const char parsedMarker[] = "tessavel-parsed";

struct EngineError {
    int line = 0;  // 0: the code parses
    QString message;
};

EngineError engineError(const QString& code) {
    // A script is parsed whole before its first statement runs; the throw stands on line 1 so
    // the engine's line numbers are the text's own. Function declarations are only hoisted.
    QJSEngine engine;
    const QJSValue result =
        engine.evaluate(QStringLiteral("throw \"%1\";").arg(QLatin1String(parsedMarker)) + code);
    if (!result.isError()) return {};
    return {result.property(QStringLiteral("lineNumber")).toInt(),
            result.property(QStringLiteral("message")).toString()};
}

// The engine names no column. It is the shortest start of the error's line that, with the
// lines above, the engine already finds wrong: blank lines after it move an error that only
// the end of the text shows off that line.
int errorOffset(const QString& code, int lineStart, int lineEnd, int line) {
    int low = 1;
    int high = lineEnd - lineStart;
    int found = lineEnd - lineStart + 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        if (engineError(code.left(lineStart + middle) + QStringLiteral("\n\n\n")).line == line) {
            found = middle;
            high = middle - 1;
        } else {
            low = middle + 1;
        }
    }
    return lineStart + found - 1;
}

// The engine's parser words its messages after its grammar; a script writer reads them as
// the VBScript check words its own.
QString describe(const QString& message, const QString& code, int offset, const JscriptScan& scan) {
    int lastCode = int(code.size()) - 1;
    while (lastCode >= 0 && code[lastCode].isSpace()) --lastCode;
    if (offset > lastCode)
        return scan.unclosed.isEmpty() ? QStringLiteral("Unexpected end of script")
                                       : QStringLiteral("Expected '%1' before the end of the script")
                                             .arg(scan.unclosed.front());
    const QChar there = code[offset];
    if (there == QLatin1Char('"') || there == QLatin1Char('\'') || there == QLatin1Char('`'))
        return QStringLiteral("Unterminated string constant");
    static const QRegularExpression token(QStringLiteral("^(Expected|Unexpected) token `(.*)'$"));
    const QRegularExpressionMatch match = token.match(message);
    if (!match.hasMatch()) return message;
    const QString what = match.captured(2);
    if (match.captured(1) == QLatin1String("Unexpected"))
        return QStringLiteral("Unexpected '%1'").arg(what.isEmpty() ? QString(there) : what);
    if (what == QLatin1String("numeric literal")) return QStringLiteral("Expected expression");
    if (what == QLatin1String("identifier")) return QStringLiteral("Expected identifier");
    return QStringLiteral("Expected '%1'").arg(what);
}
}  // namespace

std::optional<ScriptError> LanguageScriptChecker::check(ScriptLanguage language, const QByteArray& text) {
    return language == ScriptLanguage::VBScript ? checkVbscript(text) : checkJscript(text);
}

std::optional<ScriptError> checkJscript(const QByteArray& text) {
    const JscriptScan scan = scanJscript(QString::fromUtf8(text));
    const QString& code = scan.parseable;
    const EngineError error = engineError(code);
    if (error.line == 0) return std::nullopt;
    int lineStart = 0;
    for (int line = 1; line < error.line && lineStart >= 0; ++line) {
        lineStart = int(code.indexOf(QLatin1Char('\n'), lineStart));
        if (lineStart >= 0) ++lineStart;
    }
    if (lineStart < 0) lineStart = int(code.size());
    int lineEnd = int(code.indexOf(QLatin1Char('\n'), lineStart));
    if (lineEnd < 0) lineEnd = int(code.size());
    const int offset = errorOffset(code, lineStart, lineEnd, error.line);
    return ScriptError{error.line, offset - lineStart + 1, describe(error.message, code, offset, scan)};
}

int columnAt(const QByteArray& text, int offset) {
    const int lineStart = int(text.lastIndexOf('\n', offset - 1)) + 1;
    const int lineEnd = std::clamp(offset, lineStart, int(text.size()));
    return utf8CharacterCount(text.constData() + lineStart, lineEnd - lineStart) + 1;
}

QString describeScriptError(const ScriptError& error) {
    return QStringLiteral("%1\nLine %2, column %3").arg(error.description).arg(error.line).arg(error.column);
}

std::optional<ScriptLanguage> scriptLanguageForFile(const QString& path) {
    if (path.endsWith(QLatin1String(".vbs"), Qt::CaseInsensitive)) return ScriptLanguage::VBScript;
    if (path.endsWith(QLatin1String(".js"), Qt::CaseInsensitive)) return ScriptLanguage::JScript;
    return std::nullopt;
}
