#pragma once
// Tokens of VBScript source. The lexer turns a whole text into a vector of these; the parser
// walks the vector by index, so it can look back to re-read a call statement's arguments.
#include <cstdint>

namespace vbs {

enum class TokenKind : std::uint8_t {
    EndOfText,
    Newline,
    Colon,
    Comma,
    LParen,
    RParen,
    Dot,
    Identifier,  // plain, bracketed, or a keyword standing after "."
    Keyword,
    Number,
    String,
    Date,
    Operator,
    LexError,  // a text the lexer could not read; its code is a Message
};

// Reserved words. Words that are keywords only in one place ("Explicit", "Step", "Get",
// "Error", "Resume", "Preserve", "Default") stay identifiers and are recognised by text.
enum class Keyword : std::uint8_t {
    And, ByRef, ByVal, Call, Case, Class, Const, Dim, Do, Each, Else, ElseIf, Empty, End,
    Eqv, Exit, False, For, Function, GoTo, If, Imp, In, Is, Let, Loop, Me, Mod, New, Next, Not,
    Nothing, Null, On, Option, Or, Private, Property, Public, ReDim, Rem, Select, Set, Sub,
    Then, To, True, Until, Wend, While, With, Xor,
};

enum class Operator : std::uint8_t {
    Plus, Minus, Star, Slash, Backslash, Caret, Ampersand, Equal, NotEqual, Less, Greater,
    LessEqual, GreaterEqual,
};

struct Token {
    TokenKind kind;
    std::uint8_t code;         // Keyword, Operator or Message, by kind
    bool spaceBefore;          // blank (or a line continuation) right before the token
    std::int32_t offset;       // byte offset in the text
    std::int32_t length;
    std::int32_t line;         // 1-based

    bool is(Keyword k) const { return kind == TokenKind::Keyword && code == std::uint8_t(k); }
    bool is(Operator o) const { return kind == TokenKind::Operator && code == std::uint8_t(o); }
    // True, False, Nothing, Null and Empty: the keywords that stand for a value.
    bool isValueKeyword() const {
        return is(Keyword::True) || is(Keyword::False) || is(Keyword::Nothing) ||
               is(Keyword::Null) || is(Keyword::Empty);
    }
};

}  // namespace vbs
