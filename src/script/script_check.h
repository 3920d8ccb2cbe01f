#pragma once
// The script host of the editor: VBScript through our own checker, JScript through the Qt
// JavaScript engine's parser. Neither runs the script.
#include <QByteArray>
#include <QString>
#include <optional>

#include "platform/script_checker.h"

class LanguageScriptChecker : public ScriptChecker {
public:
    std::optional<ScriptError> check(ScriptLanguage language, const QByteArray& text) override;
};

// JScript: parsed by a fresh engine after a statement that throws, so nothing in it executes.
std::optional<ScriptError> checkJscript(const QByteArray& text);

// The 1-based column, in characters, of a byte offset of UTF-8 text.
int columnAt(const QByteArray& text, int offset);
// What the user is told of an error: its description, then where it stands.
QString describeScriptError(const ScriptError& error);

// The language of a script file by its extension (.vbs, .js); none for other files.
std::optional<ScriptLanguage> scriptLanguageForFile(const QString& path);
