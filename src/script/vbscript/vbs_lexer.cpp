#include "script/vbscript/vbs_lexer.h"

#include <array>
#include <cstring>

#include "script/vbscript/vbs_messages.h"

namespace vbs {

namespace {

struct KeywordRow {
    const char* text;  // lower case
    Keyword keyword;
};

const KeywordRow keywordRows[] = {
    {"and", Keyword::And},         {"byref", Keyword::ByRef},     {"byval", Keyword::ByVal},
    {"call", Keyword::Call},       {"case", Keyword::Case},       {"class", Keyword::Class},
    {"const", Keyword::Const},     {"dim", Keyword::Dim},         {"do", Keyword::Do},
    {"each", Keyword::Each},       {"else", Keyword::Else},       {"elseif", Keyword::ElseIf},
    {"empty", Keyword::Empty},     {"end", Keyword::End},         {"eqv", Keyword::Eqv},
    {"exit", Keyword::Exit},       {"false", Keyword::False},     {"for", Keyword::For},
    {"function", Keyword::Function}, {"goto", Keyword::GoTo},     {"if", Keyword::If},
    {"imp", Keyword::Imp},         {"in", Keyword::In},           {"is", Keyword::Is},
    {"let", Keyword::Let},         {"loop", Keyword::Loop},       {"me", Keyword::Me},
    {"mod", Keyword::Mod},         {"new", Keyword::New},         {"next", Keyword::Next},
    {"not", Keyword::Not},         {"nothing", Keyword::Nothing}, {"null", Keyword::Null},
    {"on", Keyword::On},           {"option", Keyword::Option},   {"or", Keyword::Or},
    {"private", Keyword::Private}, {"property", Keyword::Property}, {"public", Keyword::Public},
    {"redim", Keyword::ReDim},     {"rem", Keyword::Rem},         {"select", Keyword::Select},
    {"set", Keyword::Set},         {"sub", Keyword::Sub},         {"then", Keyword::Then},
    {"to", Keyword::To},           {"true", Keyword::True},       {"until", Keyword::Until},
    {"wend", Keyword::Wend},       {"while", Keyword::While},     {"with", Keyword::With},
    {"xor", Keyword::Xor},
};
constexpr std::size_t longestKeyword = 8;
constexpr std::size_t longestIdentifier = 255;

// The keyword rows by initial letter, so that an identifier is compared with a handful at most.
struct KeywordIndex {
    std::array<std::vector<const KeywordRow*>, 26> byLetter;
    KeywordIndex() {
        for (const KeywordRow& row : keywordRows) byLetter[row.text[0] - 'a'].push_back(&row);
    }
};

char lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isWordChar(char c) { return isLetter(c) || isDigit(c) || c == '_'; }
bool isHexDigit(char c) { return isDigit(c) || (lower(c) >= 'a' && lower(c) <= 'f'); }
bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }

int findKeyword(std::string_view word) {
    static const KeywordIndex index;
    if (word.size() < 2 || word.size() > longestKeyword) return -1;
    char buffer[longestKeyword];
    for (std::size_t i = 0; i < word.size(); ++i) buffer[i] = lower(word[i]);
    if (buffer[0] < 'a' || buffer[0] > 'z') return -1;
    for (const KeywordRow* row : index.byLetter[buffer[0] - 'a'])
        if (std::strlen(row->text) == word.size() && std::memcmp(row->text, buffer, word.size()) == 0)
            return int(row->keyword);
    return -1;
}

class Lexer {
public:
    Lexer(std::string_view text, std::vector<Token>& out) : s_(text), out_(out) {}

    void run() {
        if (s_.substr(0, 3) == "\xEF\xBB\xBF") i_ = 3;  // a byte-order mark is not text
        while (i_ < s_.size()) {
            if (!step()) return;
        }
        push(TokenKind::EndOfText, 0, i_, 0);
    }

private:
    // Reads one piece of text; false after a lexical error (the list is complete then).
    bool step() {
        const char c = s_[i_];
        switch (c) {
        case ' ':
        case '\t':
        case '\f':
        case '\v':
            ++i_;
            space_ = true;
            return true;
        case '\r':
        case '\n':
            lineEnd();
            return true;
        case '\'':
            skipToLineEnd();
            return true;
        case '"':
            return stringLiteral();
        case '#':
            return delimited(TokenKind::Date, '#');
        case '[':
            return delimited(TokenKind::Identifier, ']');
        case '_':
            if (continuation()) return true;
            return error(Message::InvalidCharacter);
        case '&':
            if (!previousEndsOperand() && prefixedNumber()) return true;
            return op(Operator::Ampersand, 1);
        case '.':
            if (i_ + 1 < s_.size() && isDigit(s_[i_ + 1]) && !previousEndsOperand()) return number();
            return simple(TokenKind::Dot);
        case ',': return simple(TokenKind::Comma);
        case ':': return simple(TokenKind::Colon);
        case '(': return simple(TokenKind::LParen);
        case ')': return simple(TokenKind::RParen);
        case '+': return op(Operator::Plus, 1);
        case '-': return op(Operator::Minus, 1);
        case '*': return op(Operator::Star, 1);
        case '/': return op(Operator::Slash, 1);
        case '\\': return op(Operator::Backslash, 1);
        case '^': return op(Operator::Caret, 1);
        case '=': return op(Operator::Equal, 1);
        case '<':
            if (next() == '=') return op(Operator::LessEqual, 2);
            if (next() == '>') return op(Operator::NotEqual, 2);
            return op(Operator::Less, 1);
        case '>':
            if (next() == '=') return op(Operator::GreaterEqual, 2);
            return op(Operator::Greater, 1);
        default:
            if (isLetter(c)) return word();
            if (isDigit(c)) return number();
            return error(Message::InvalidCharacter);
        }
    }

    char next() const { return i_ + 1 < s_.size() ? s_[i_ + 1] : '\0'; }

    void push(TokenKind kind, std::uint8_t code, std::size_t offset, std::size_t length) {
        out_.push_back(Token{kind, code, space_, std::int32_t(offset), std::int32_t(length), line_});
        space_ = false;
    }

    bool simple(TokenKind kind) {
        push(kind, 0, i_, 1);
        ++i_;
        return true;
    }

    bool op(Operator o, std::size_t length) {
        push(TokenKind::Operator, std::uint8_t(o), i_, length);
        i_ += length;
        return true;
    }

    bool error(Message message) {
        push(TokenKind::LexError, std::uint8_t(message), i_, 1);
        push(TokenKind::EndOfText, 0, s_.size(), 0);
        return false;
    }

    void lineEnd() {
        if (s_[i_] == '\r' && next() == '\n') ++i_;
        ++i_;
        // Blank and comment lines add no tokens: one Newline stands for a run of them.
        if (out_.empty() || out_.back().kind != TokenKind::Newline) push(TokenKind::Newline, 0, i_ - 1, 1);
        space_ = false;
        ++line_;
    }

    void skipToLineEnd() {
        while (i_ < s_.size() && s_[i_] != '\r' && s_[i_] != '\n') ++i_;
    }

    // "_" followed by blanks up to the line end joins the next line to this one.
    bool continuation() {
        std::size_t j = i_ + 1;
        while (j < s_.size() && (s_[j] == ' ' || s_[j] == '\t')) ++j;
        if (j < s_.size() && s_[j] != '\r' && s_[j] != '\n') return false;
        if (j < s_.size()) {
            if (s_[j] == '\r' && j + 1 < s_.size() && s_[j + 1] == '\n') ++j;
            ++j;
            ++line_;
        }
        i_ = j;
        space_ = true;
        return true;
    }

    bool stringLiteral() {
        const std::size_t start = i_;
        std::size_t j = i_ + 1;
        for (;;) {
            const void* quote = std::memchr(s_.data() + j, '"', s_.size() - j);
            const std::size_t end = quote ? std::size_t(static_cast<const char*>(quote) - s_.data()) : s_.size();
            // A line end before the closing quote leaves the string open.
            for (std::size_t k = j; k < end; ++k)
                if (s_[k] == '\r' || s_[k] == '\n') return error(Message::UnterminatedString);
            if (!quote) return error(Message::UnterminatedString);
            if (end + 1 < s_.size() && s_[end + 1] == '"') {  // "" stands for one quote
                j = end + 2;
                continue;
            }
            i_ = end + 1;
            push(TokenKind::String, 0, start, i_ - start);
            return true;
        }
    }

    // #date# and [name]: closed on the same line.
    bool delimited(TokenKind kind, char close) {
        std::size_t j = i_ + 1;
        while (j < s_.size() && s_[j] != close && s_[j] != '\r' && s_[j] != '\n') ++j;
        if (j >= s_.size() || s_[j] != close)
            return error(kind == TokenKind::Date ? Message::SyntaxError : Message::InvalidCharacter);
        push(kind, 0, i_, j + 1 - i_);
        i_ = j + 1;
        return true;
    }

    bool word() {
        std::size_t j = i_ + 1;
        while (j < s_.size() && isWordChar(s_[j])) ++j;
        const std::string_view text = s_.substr(i_, j - i_);
        if (text.size() > longestIdentifier) return error(Message::IdentifierTooLong);
        // After "." every word is a member name, keywords included (obj.Type, x.End).
        const bool member = !out_.empty() && out_.back().kind == TokenKind::Dot && !space_;
        int keyword = member ? -1 : findKeyword(text);
        if (keyword == int(Keyword::Property) && !startsPropertyWord(j)) keyword = -1;
        if (keyword == int(Keyword::Rem) && atStatementStart()) {
            skipToLineEnd();
            return true;
        }
        if (keyword >= 0)
            push(TokenKind::Keyword, std::uint8_t(keyword), i_, text.size());
        else
            push(TokenKind::Identifier, 0, i_, text.size());
        i_ = j;
        return true;
    }

    // "Property" is a name like any other ("For Each property In item.Properties_") except in
    // "Property Get/Let/Set", "End Property" and "Exit Property".
    bool startsPropertyWord(std::size_t after) const {
        if (!out_.empty() && (out_.back().is(Keyword::End) || out_.back().is(Keyword::Exit))) return true;
        while (after < s_.size() && (s_[after] == ' ' || s_[after] == '\t')) ++after;
        std::size_t end = after;
        while (end < s_.size() && isWordChar(s_[end])) ++end;
        if (end - after != 3) return false;
        const std::string_view next = s_.substr(after, 3);
        for (const char* kind : {"get", "let", "set"})
            if (lower(next[0]) == kind[0] && lower(next[1]) == kind[1] && lower(next[2]) == kind[2]) return true;
        return false;
    }

    bool number() {
        const std::size_t start = i_;
        std::size_t j = i_;
        while (j < s_.size() && isDigit(s_[j])) ++j;
        if (j < s_.size() && s_[j] == '.') {
            ++j;
            while (j < s_.size() && isDigit(s_[j])) ++j;
        }
        if (j < s_.size() && lower(s_[j]) == 'e') {
            std::size_t k = j + 1;
            if (k < s_.size() && (s_[k] == '+' || s_[k] == '-')) ++k;
            if (k < s_.size() && isDigit(s_[k])) {
                while (k < s_.size() && isDigit(s_[k])) ++k;
                j = k;
            } else if (k >= s_.size() || !isLetter(s_[k])) {
                i_ = j;
                return error(Message::InvalidNumber);
            }
        }
        i_ = j;
        push(TokenKind::Number, 0, start, j - start);
        return true;
    }

    // &H1F, &O17 and &17 (octal), with an optional trailing "&".
    bool prefixedNumber() {
        std::size_t j = i_ + 1;
        bool (*digit)(char) = isOctalDigit;
        if (j < s_.size() && lower(s_[j]) == 'h') {
            digit = isHexDigit;
            ++j;
        } else if (j < s_.size() && lower(s_[j]) == 'o') {
            ++j;
        }
        const std::size_t digits = j;
        while (j < s_.size() && digit(s_[j])) ++j;
        if (j == digits) return false;
        if (j < s_.size() && s_[j] == '&') ++j;
        if (j < s_.size() && isWordChar(s_[j])) return false;
        push(TokenKind::Number, 0, i_, j - i_);
        i_ = j;
        return true;
    }

    bool previousEndsOperand() const {
        if (out_.empty()) return false;
        const Token& t = out_.back();
        switch (t.kind) {
        case TokenKind::Identifier:
        case TokenKind::Number:
        case TokenKind::String:
        case TokenKind::Date:
        case TokenKind::RParen:
            return true;
        case TokenKind::Keyword:
            return t.isValueKeyword() || t.is(Keyword::Me);
        default:
            return false;
        }
    }

    bool atStatementStart() const {
        if (out_.empty()) return true;
        const Token& t = out_.back();
        return t.kind == TokenKind::Newline || t.kind == TokenKind::Colon || t.is(Keyword::Then) ||
               t.is(Keyword::Else);
    }

    std::string_view s_;
    std::vector<Token>& out_;
    std::size_t i_ = 0;
    std::int32_t line_ = 1;
    bool space_ = false;
};

}  // namespace

std::vector<Token> tokenize(std::string_view text) {
    std::vector<Token> tokens;
    tokens.reserve(text.size() / 5 + 8);
    Lexer(text, tokens).run();
    return tokens;
}

bool tokenIsWord(std::string_view text, const Token& token, std::string_view lowerWord) {
    if (token.kind != TokenKind::Identifier || std::size_t(token.length) != lowerWord.size()) return false;
    for (std::size_t i = 0; i < lowerWord.size(); ++i)
        if (lower(text[std::size_t(token.offset) + i]) != lowerWord[i]) return false;
    return true;
}

}  // namespace vbs
