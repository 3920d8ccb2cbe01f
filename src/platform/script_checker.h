#pragma once
// The script host's syntax check: one text in one language, answered with nothing (the text
// is well formed) or the first error's 1-based line and column and its description. Checking never runs the
// script.
#include <QByteArray>
#include <QString>
#include <optional>

enum class ScriptLanguage { VBScript, JScript };

struct ScriptError {
    int line = 0;
    int column = 0;  // 1-based, in characters
    QString description;
};

class ScriptChecker {
public:
    virtual ~ScriptChecker() = default;
    // text is the script as UTF-8 bytes, as the editor pane holds it.
    virtual std::optional<ScriptError> check(ScriptLanguage language, const QByteArray& text) = 0;
};
