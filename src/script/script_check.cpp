#include "script/script_check.h"

#include <QJSEngine>

#include "script/vbscript/vbscript_checker.h"

namespace {
// Thrown by the first statement: reaching it means the whole text parsed.
const char parsedMarker[] = "tessavel-parsed";
}  // namespace

std::optional<ScriptError> LanguageScriptChecker::check(ScriptLanguage language, const QByteArray& text) {
    return language == ScriptLanguage::VBScript ? checkVbscript(text) : checkJscript(text);
}

std::optional<ScriptError> checkJscript(const QByteArray& text) {
    // A script is parsed whole before its first statement runs; the throw stands on line 1 so
    // the engine's line numbers are the text's own. Function declarations are only hoisted.
    QJSEngine engine;
    const QJSValue result = engine.evaluate(
        QStringLiteral("throw \"%1\";").arg(QLatin1String(parsedMarker)) + QString::fromUtf8(text));
    if (!result.isError()) return std::nullopt;
    return ScriptError{result.property(QStringLiteral("lineNumber")).toInt(),
                       result.property(QStringLiteral("message")).toString()};
}

std::optional<ScriptLanguage> scriptLanguageForFile(const QString& path) {
    if (path.endsWith(QLatin1String(".vbs"), Qt::CaseInsensitive)) return ScriptLanguage::VBScript;
    if (path.endsWith(QLatin1String(".js"), Qt::CaseInsensitive)) return ScriptLanguage::JScript;
    return std::nullopt;
}
