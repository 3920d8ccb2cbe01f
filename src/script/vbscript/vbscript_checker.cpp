#include "script/vbscript/vbscript_checker.h"

#include "script/script_check.h"
#include "script/vbscript/vbs_parser.h"

std::optional<ScriptError> checkVbscript(const QByteArray& text) {
    const auto problem = vbs::findSyntaxProblem(std::string_view(text.constData(), std::size_t(text.size())));
    if (!problem) return std::nullopt;
    return ScriptError{problem->line, columnAt(text, problem->offset),
                       QString::fromLatin1(vbs::messageText(problem->message))};
}
