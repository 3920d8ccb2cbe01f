#pragma once
// Splits VBScript source into tokens. Comments (' and Rem), blanks and line continuations
// ("_" before a line end) leave no token; a line end, CR LF, LF or CR alone, is a Newline.
// Text the lexer cannot read becomes one LexError token and ends the list, so the parser
// reports it only if nothing before it was wrong already.
#include <string_view>
#include <vector>

#include "script/vbscript/vbs_token.h"

namespace vbs {

std::vector<Token> tokenize(std::string_view text);

// True when the token's text, compared without case, is the lower-case word.
bool tokenIsWord(std::string_view text, const Token& token, std::string_view lowerWord);

}  // namespace vbs
