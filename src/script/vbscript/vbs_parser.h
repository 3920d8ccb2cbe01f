#pragma once
// A recursive-descent reader of the VBScript 5 language that checks syntax and nothing else:
// statements are recognised by their leading keyword, expressions by precedence climbing.
// It stops at the first error, as the classic engine does, and reports the line of the token
// where the error shows (an unclosed block: where the text ends or the wrong closing word).
#include <optional>
#include <string_view>

#include "script/vbscript/vbs_messages.h"

namespace vbs {

struct SyntaxProblem {
    int line = 0;
    int offset = 0;  // byte offset of the token where the error shows
    Message message = Message::SyntaxError;
};

std::optional<SyntaxProblem> findSyntaxProblem(std::string_view text);

}  // namespace vbs
