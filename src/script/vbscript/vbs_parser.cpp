#include "script/vbscript/vbs_parser.h"

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "script/vbscript/vbs_lexer.h"

namespace vbs {

namespace {

struct Failure {
    int line;
    int offset;  // of the token where the error shows
    Message message;
};

enum class Procedure { None, Sub, Function, Property };

// What a name stands for in its scope. The Get, Let and Set of one property share its name.
enum Declared : int {
    DeclaredVariable = 1,
    DeclaredProcedure = 2,
    DeclaredGet = 4,
    DeclaredLet = 8,
    DeclaredSet = 16,
};
constexpr int declaredProperty = DeclaredGet | DeclaredLet | DeclaredSet;

// Binding strength of the operators, loosest first. Not and unary minus sit between levels:
// "Not a = b" negates the comparison, "-2 ^ 2" is -4.
enum Precedence : int {
    NoOperator = 0,
    PrecImp,
    PrecEqv,
    PrecXor,
    PrecOr,
    PrecAnd,
    PrecNot,
    PrecCompare,
    PrecConcat,
    PrecAdd,
    PrecMod,
    PrecIntegerDivide,
    PrecMultiply,
    PrecUnaryMinus,
    PrecPower,
};

int binaryPrecedence(const Token& t) {
    if (t.kind == TokenKind::Operator) {
        switch (Operator(t.code)) {
        case Operator::Caret: return PrecPower;
        case Operator::Star:
        case Operator::Slash: return PrecMultiply;
        case Operator::Backslash: return PrecIntegerDivide;
        case Operator::Plus:
        case Operator::Minus: return PrecAdd;
        case Operator::Ampersand: return PrecConcat;
        default: return PrecCompare;  // = <> < > <= >=
        }
    }
    if (t.kind == TokenKind::Keyword) {
        switch (Keyword(t.code)) {
        case Keyword::Mod: return PrecMod;
        case Keyword::Is: return PrecCompare;
        case Keyword::And: return PrecAnd;
        case Keyword::Or: return PrecOr;
        case Keyword::Xor: return PrecXor;
        case Keyword::Eqv: return PrecEqv;
        case Keyword::Imp: return PrecImp;
        default: break;
        }
    }
    return NoOperator;
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text), tokens_(tokenize(text)) {
        scopes_.emplace_back();  // the script's own names
    }

    void program() {
        block(false);
        const Token& t = peek();
        if (t.kind == TokenKind::EndOfText) return;
        if (t.is(Keyword::Next)) fail(Message::UnexpectedNext);
        if (t.is(Keyword::Loop)) fail(Message::LoopWithoutDo);
        fail(Message::ExpectedStatement);
    }

private:
    // ---- Token access ----
    const Token& peek() const { return tokens_[pos_]; }
    void advance() {
        if (pos_ + 1 < tokens_.size()) ++pos_;
    }
    bool accept(Keyword k) {
        if (!peek().is(k)) return false;
        advance();
        return true;
    }
    bool acceptKind(TokenKind kind) {
        if (peek().kind != kind) return false;
        advance();
        return true;
    }
    bool isWord(std::string_view lowerWord) const { return tokenIsWord(text_, peek(), lowerWord); }
    bool nextIs(Keyword k) const { return pos_ + 1 < tokens_.size() && tokens_[pos_ + 1].is(k); }

    // Reports at the current token; a token the lexer could not read speaks for itself.
    [[noreturn]] void fail(Message message) const {
        const Token& t = peek();
        if (t.kind == TokenKind::LexError) throw Failure{t.line, t.offset, Message(t.code)};
        throw Failure{t.line, t.offset, message};
    }

    bool atEndOfStatement() const {
        const Token& t = peek();
        return t.kind == TokenKind::Newline || t.kind == TokenKind::Colon ||
               t.kind == TokenKind::EndOfText ||
               (singleLineIf_ > 0 && (t.is(Keyword::Else) || t.is(Keyword::End)));
    }
    void endOfStatement() const {
        if (!atEndOfStatement()) fail(Message::ExpectedEndOfStatement);
    }
    void skipSeparators() {
        while (peek().kind == TokenKind::Newline || peek().kind == TokenKind::Colon) advance();
    }
    void identifier() {
        if (!acceptKind(TokenKind::Identifier)) fail(Message::ExpectedIdentifier);
    }

    // ---- Names ----
    // An identifier that declares a name in the innermost scope (script, class, procedure).
    // Names are declared once per scope, whatever the blocks around them: "Dim x" in both
    // branches of an If is one name too many.
    void declaredName(int what) {
        const Token& name = peek();
        identifier();
        auto [it, inserted] = scopes_.back().emplace(nameKey(name), what);
        if (inserted) return;
        const bool anotherAccessor = (what & declaredProperty) && (it->second & ~declaredProperty) == 0 &&
                                     (it->second & what) == 0;
        if (!anotherAccessor) throw Failure{name.line, name.offset, Message::NameRedefined};
        it->second |= what;
    }
    // A name as it is compared: without brackets, in small letters.
    std::string nameKey(const Token& name) const {
        std::string key(text_.substr(std::size_t(name.offset), std::size_t(name.length)));
        if (key.front() == '[') key = key.substr(1, key.size() - 2);
        for (char& c : key)
            if (c >= 'A' && c <= 'Z') c = char(c + 32);
        return key;
    }

    // The names of a class or procedure, for as long as it is being read.
    struct Scope {
        explicit Scope(Parser& parser) : parser_(parser) { parser_.scopes_.emplace_back(); }
        ~Scope() { parser_.scopes_.pop_back(); }
        Parser& parser_;
    };
    void expectEqual() {
        if (!peek().is(Operator::Equal)) fail(Message::ExpectedEqual);
        advance();
    }
    void expectRParen() {
        if (!acceptKind(TokenKind::RParen)) fail(Message::ExpectedRParen);
    }
    // "End" and the word that closes the construct.
    void closeWith(Keyword word, Message missingWord) {
        if (!accept(Keyword::End)) fail(Message::ExpectedEnd);
        if (!accept(word)) fail(missingWord);
    }

    // ---- Blocks ----
    // Words that close the block being read. Inside any construct a declaration that belongs
    // to the script level also ends it: that is where a missing "End ..." shows.
    static bool endsBlock(const Token& t, bool nested) {
        if (t.kind != TokenKind::Keyword) return false;
        switch (Keyword(t.code)) {
        case Keyword::End:
        case Keyword::Else:
        case Keyword::ElseIf:
        case Keyword::Case:
        case Keyword::Next:
        case Keyword::Loop:
        case Keyword::Wend:
            return true;
        case Keyword::Sub:
        case Keyword::Function:
        case Keyword::Class:
        case Keyword::Property:
        case Keyword::Public:
        case Keyword::Private:
            return nested;
        default:
            return false;
        }
    }

    // Nesting (of blocks and of parentheses) deeper than any script has would run the reader
    // out of stack; it ends the check as it ended the classic engine's.
    struct Nesting {
        explicit Nesting(Parser& parser) : parser_(parser) {
            if (++parser_.depth_ > maxDepth) parser_.fail(Message::OutOfMemory);
        }
        ~Nesting() { --parser_.depth_; }
        Parser& parser_;
    };
    static constexpr int maxDepth = 1000;

    // Statements up to the end of the text or a closing word, which is left for the caller.
    void block(bool nested) {
        const Nesting nesting(*this);
        for (;;) {
            skipSeparators();
            const Token& t = peek();
            if (t.kind == TokenKind::EndOfText || endsBlock(t, nested)) return;
            statement();
            endOfStatement();
            ++statementsRead_;
        }
    }

    // ---- Statements ----
    void statement() {
        const Token& t = peek();
        if (t.kind == TokenKind::Identifier && isWord("erase")) {
            eraseStatement();
            return;
        }
        if (t.kind == TokenKind::Identifier || t.kind == TokenKind::Dot || t.is(Keyword::Me)) {
            callOrAssignment();
            return;
        }
        if (t.kind != TokenKind::Keyword) fail(Message::ExpectedStatement);
        const Keyword keyword = Keyword(t.code);
        if (singleLineIf_ > 0 && opensBlock(keyword)) fail(Message::SyntaxError);
        const StatementReader reader = statementReaders().byKeyword[t.code];
        if (!reader) fail(Message::ExpectedStatement);
        (this->*reader)();
    }

    // The statement that each leading keyword starts; each reader takes its keyword first.
    using StatementReader = void (Parser::*)();
    struct StatementTable {
        StatementReader byKeyword[std::size_t(Keyword::Xor) + 1] = {};
        StatementTable() {
            const std::pair<Keyword, StatementReader> rows[] = {
                {Keyword::Option, &Parser::optionStatement},
                {Keyword::Dim, &Parser::dimStatement},
                {Keyword::ReDim, &Parser::redim},
                {Keyword::Const, &Parser::constants},
                {Keyword::Private, &Parser::declaration},
                {Keyword::Public, &Parser::declaration},
                {Keyword::Set, &Parser::setStatement},
                {Keyword::Let, &Parser::setStatement},
                {Keyword::Call, &Parser::callStatement},
                {Keyword::If, &Parser::ifStatement},
                {Keyword::Select, &Parser::selectStatement},
                {Keyword::For, &Parser::forStatement},
                {Keyword::Do, &Parser::doStatement},
                {Keyword::While, &Parser::whileStatement},
                {Keyword::With, &Parser::withStatement},
                {Keyword::Sub, &Parser::procedure},
                {Keyword::Function, &Parser::procedure},
                {Keyword::Property, &Parser::property},
                {Keyword::Class, &Parser::classStatement},
                {Keyword::Exit, &Parser::exitStatement},
                {Keyword::On, &Parser::onError},
            };
            for (const auto& [keyword, reader] : rows) byKeyword[std::size_t(keyword)] = reader;
        }
    };
    static const StatementTable& statementReaders() {
        static const StatementTable table;
        return table;
    }

    // Option Explicit stands before every other statement of the script.
    void optionStatement() {
        if (statementsRead_ > 0) fail(Message::OptionExplicitFirst);
        advance();
        if (!isWord("explicit")) fail(Message::SyntaxError);
        advance();
    }

    // Erase names the one array it empties.
    void eraseStatement() {
        advance();
        identifier();
    }

    void dimStatement() {
        advance();
        variables();
    }

    // Set and Let: name = value.
    void setStatement() {
        advance();
        target();
        expectEqual();
        expression();
    }

    // Statements that span lines cannot stand in a one-line If.
    static bool opensBlock(Keyword k) {
        switch (k) {
        case Keyword::Select:
        case Keyword::For:
        case Keyword::Do:
        case Keyword::While:
        case Keyword::With:
        case Keyword::Sub:
        case Keyword::Function:
        case Keyword::Property:
        case Keyword::Class:
        case Keyword::Private:
        case Keyword::Public:
            return true;
        default:
            return false;
        }
    }

    // name = value, or a call: name args, name(arg), obj.method args. A call whose arguments
    // start with a parenthesis ("foo (a), b") reads as an indexed name at first; it is read
    // again as an argument list from that parenthesis on.
    void callOrAssignment() {
        const Chain head = chain(true);
        if (peek().is(Operator::Equal)) {
            advance();
            expression();
            return;
        }
        if (atEndOfStatement()) {
            if (head.lastParenArguments >= 2) fail(Message::ParenthesesInSubCall);
            return;
        }
        if (head.lastParen != noParen) pos_ = head.lastParen;
        arguments();
    }

    void callStatement() {
        advance();
        target();
    }

    // The name after Set, Let and Call.
    void target() {
        const Token& t = peek();
        if (t.kind != TokenKind::Identifier && t.kind != TokenKind::Dot && !t.is(Keyword::Me))
            fail(Message::ExpectedIdentifier);
        chain(false);
    }

    // Arguments of a call without parentheses; an argument may be left out ("a, , b").
    void arguments() {
        if (peek().kind != TokenKind::Comma && !startsExpression(peek()))
            fail(Message::ExpectedEndOfStatement);
        for (;;) {
            if (peek().kind != TokenKind::Comma) expression();
            if (!acceptKind(TokenKind::Comma)) return;
            if (atEndOfStatement()) return;
        }
    }

    // Dim, Private and Public variables: name, name(), name(3, 4).
    void variables() {
        for (;;) {
            declaredName(DeclaredVariable);
            if (acceptKind(TokenKind::LParen) && !acceptKind(TokenKind::RParen)) {
                for (;;) {
                    if (!acceptKind(TokenKind::Number)) fail(Message::ExpectedIntegerConstant);
                    if (acceptKind(TokenKind::Comma)) continue;
                    expectRParen();
                    break;
                }
            }
            if (!acceptKind(TokenKind::Comma)) return;
        }
    }

    void redim() {
        advance();
        // "Preserve" is a keyword here only when a name follows it.
        if (isWord("preserve") && pos_ + 1 < tokens_.size() &&
            tokens_[pos_ + 1].kind == TokenKind::Identifier)
            advance();
        for (;;) {
            identifier();
            if (!acceptKind(TokenKind::LParen)) fail(Message::ExpectedLParen);
            expression();
            while (acceptKind(TokenKind::Comma)) expression();
            expectRParen();
            if (!acceptKind(TokenKind::Comma)) return;
        }
    }

    // Const, or a Const after Private or Public.
    void constants() {
        advance();
        for (;;) {
            declaredName(DeclaredVariable);
            expectEqual();
            while (peek().is(Operator::Minus) || peek().is(Operator::Plus)) advance();
            const Token& t = peek();
            const bool literal = t.kind == TokenKind::Number || t.kind == TokenKind::String ||
                                 t.kind == TokenKind::Date || t.isValueKeyword();
            if (!literal) fail(Message::ExpectedLiteralConstant);
            advance();
            if (!acceptKind(TokenKind::Comma)) return;
        }
    }

    // Private or Public: a procedure, a property, constants or variables.
    void declaration() {
        const bool isPublic = peek().is(Keyword::Public);
        advance();
        if (isWord("default") && (nextIs(Keyword::Function) || nextIs(Keyword::Sub) ||
                                  nextIs(Keyword::Property))) {
            if (inClass_) defaultMember(isPublic);
            advance();
        }
        const Token& t = peek();
        if (t.is(Keyword::Sub) || t.is(Keyword::Function)) {
            procedure();
        } else if (t.is(Keyword::Property)) {
            property();
        } else if (t.is(Keyword::Const)) {
            constants();
        } else {
            variables();
        }
    }

    // A class has one default member, public, and a property's default is its Get.
    void defaultMember(bool isPublic) {
        if (!isPublic) fail(Message::DefaultMustBePublic);
        if (nextIs(Keyword::Property) && pos_ + 2 < tokens_.size() &&
            !tokenIsWord(text_, tokens_[pos_ + 2], "get"))
            fail(Message::DefaultOnlyOnPropertyGet);
        if (classHasDefault_) fail(Message::MultipleDefaults);
        classHasDefault_ = true;
    }

    void ifStatement() {
        advance();
        expression();
        if (!accept(Keyword::Then)) fail(Message::ExpectedThen);
        if (peek().kind == TokenKind::Newline || peek().kind == TokenKind::EndOfText) {
            blockIf();
            return;
        }
        // One line: "If a Then b: c Else d", optionally closed by "End If" on the same line.
        ++singleLineIf_;
        simpleStatements();
        if (accept(Keyword::Else)) simpleStatements();
        if (accept(Keyword::End) && !accept(Keyword::If)) fail(Message::ExpectedIf);
        --singleLineIf_;
    }

    // The statements of a one-line If branch, separated by ":" (empty ones too).
    void simpleStatements() {
        for (;;) {
            while (acceptKind(TokenKind::Colon)) {
            }
            if (atEndOfStatement()) return;
            statement();
            endOfStatement();
        }
    }

    void blockIf() {
        block(true);
        while (accept(Keyword::ElseIf)) {
            expression();
            if (!accept(Keyword::Then)) fail(Message::ExpectedThen);
            block(true);
        }
        if (accept(Keyword::Else)) block(true);
        closeWith(Keyword::If, Message::ExpectedIf);
    }

    void selectStatement() {
        advance();
        if (!accept(Keyword::Case)) fail(Message::ExpectedCase);
        expression();
        endOfStatement();
        bool anyCase = false;
        for (;;) {
            skipSeparators();
            if (peek().is(Keyword::End)) break;
            if (!accept(Keyword::Case)) fail(anyCase ? Message::ExpectedEnd : Message::ExpectedCase);
            anyCase = true;
            if (accept(Keyword::Else)) {
                block(true);
                break;
            }
            expression();
            while (acceptKind(TokenKind::Comma)) expression();
            endOfStatement();
            block(true);
        }
        closeWith(Keyword::Select, Message::ExpectedSelect);
    }

    void forStatement() {
        advance();
        if (accept(Keyword::Each)) {
            identifier();
            if (!accept(Keyword::In)) fail(Message::ExpectedIn);
            expression();
        } else {
            identifier();
            if (peek().kind == TokenKind::Dot || peek().kind == TokenKind::LParen)
                fail(Message::InvalidForVariable);
            expectEqual();
            expression();
            if (!accept(Keyword::To)) fail(Message::ExpectedTo);
            expression();
            if (isWord("step")) {
                advance();
                expression();
            }
        }
        endOfStatement();
        ++forDepth_;
        block(true);
        --forDepth_;
        if (!accept(Keyword::Next)) fail(Message::ExpectedNext);
    }

    void doStatement() {
        advance();
        if (accept(Keyword::While) || accept(Keyword::Until)) {
            expression();
            endOfStatement();
        } else if (!atEndOfStatement()) {
            fail(Message::ExpectedWhileUntilOrEnd);
        }
        ++doDepth_;
        block(true);
        --doDepth_;
        if (!accept(Keyword::Loop)) fail(Message::ExpectedLoop);
        if (accept(Keyword::While) || accept(Keyword::Until))
            expression();
        else if (!atEndOfStatement())
            fail(Message::ExpectedWhileUntilOrEnd);
    }

    void whileStatement() {
        advance();
        expression();
        endOfStatement();
        block(true);
        if (!accept(Keyword::Wend)) fail(Message::ExpectedWend);
    }

    void withStatement() {
        advance();
        expression();
        endOfStatement();
        block(true);
        closeWith(Keyword::With, Message::ExpectedWith);
    }

    void procedure() {
        const bool isSub = peek().is(Keyword::Sub);
        advance();
        procedureBody(isSub ? Procedure::Sub : Procedure::Function, DeclaredProcedure);
        if (isSub)
            closeWith(Keyword::Sub, Message::ExpectedSub);
        else
            closeWith(Keyword::Function, Message::ExpectedFunction);
    }

    // Property Get, Let or Set (the lexer makes "Property" a keyword only before these three),
    // then the procedure.
    void property() {
        if (!inClass_) fail(Message::MustBeInsideClass);
        advance();
        const int accessor = isWord("get") ? DeclaredGet : peek().is(Keyword::Let) ? DeclaredLet : DeclaredSet;
        advance();
        const Token& name = peek();
        const int parameterCount = procedureBody(Procedure::Property, accessor);
        matchAccessors(name, accessor, parameterCount);
        closeWith(Keyword::Property, Message::ExpectedProperty);
    }

    // Name, parameters and statements of a procedure, up to its "End". A property that is
    // written (Let, Set) takes the value as a parameter; a class's own events take none.
    // Answers how many parameters the procedure takes.
    int procedureBody(Procedure kind, int declared) {
        const Token& name = peek();
        declaredName(declared);
        const Scope scope(*this);
        const int parameterCount = parameters();
        if ((declared & (DeclaredLet | DeclaredSet)) && parameterCount == 0) fail(Message::PropertyWriteNeedsArgument);
        if (inClass_ && kind == Procedure::Sub && parameterCount > 0 &&
            (tokenIsWord(text_, name, "class_initialize") || tokenIsWord(text_, name, "class_terminate")))
            fail(Message::ClassEventArguments);
        endOfStatement();
        const Procedure outerProcedure = procedure_;
        const int outerDo = doDepth_;
        const int outerFor = forDepth_;
        procedure_ = kind;
        doDepth_ = forDepth_ = 0;
        block(true);
        procedure_ = outerProcedure;
        doDepth_ = outerDo;
        forDepth_ = outerFor;
        return parameterCount;
    }

    // A property's Let and Set take the value as one argument more than its Get takes.
    void matchAccessors(const Token& name, int accessor, int parameterCount) {
        const int getterCount = accessor == DeclaredGet ? parameterCount : parameterCount - 1;
        const auto [it, first] = getterCounts_.emplace(nameKey(name), getterCount);
        if (!first && it->second != getterCount)
            throw Failure{name.line, name.offset, Message::PropertyArgumentsDiffer};
    }

    // (ByVal a, ByRef b, c()); answers how many there are.
    int parameters() {
        if (!acceptKind(TokenKind::LParen) || acceptKind(TokenKind::RParen)) return 0;
        for (int count = 1;; ++count) {
            if (!accept(Keyword::ByVal)) accept(Keyword::ByRef);
            declaredName(DeclaredVariable);
            if (acceptKind(TokenKind::LParen)) expectRParen();
            if (acceptKind(TokenKind::Comma)) continue;
            expectRParen();
            return count;
        }
    }

    void classStatement() {
        advance();
        declaredName(DeclaredProcedure);
        const Scope scope(*this);
        endOfStatement();
        inClass_ = true;
        classHasDefault_ = false;
        getterCounts_.clear();
        for (;;) {
            skipSeparators();
            const Token& t = peek();
            if (t.is(Keyword::End)) break;
            if (!isClassMember(t)) fail(Message::ExpectedEnd);
            (this->*statementReaders().byKeyword[t.code])();
            endOfStatement();
        }
        closeWith(Keyword::Class, Message::ExpectedClass);
        inClass_ = false;
    }

    static bool isClassMember(const Token& t) {
        return t.is(Keyword::Dim) || t.is(Keyword::Private) || t.is(Keyword::Public) ||
               t.is(Keyword::Sub) || t.is(Keyword::Function) || t.is(Keyword::Property) ||
               t.is(Keyword::Const);
    }

    void exitStatement() {
        advance();
        const Token& t = peek();
        const bool valid = (t.is(Keyword::Do) && doDepth_ > 0) || (t.is(Keyword::For) && forDepth_ > 0) ||
                           (t.is(Keyword::Sub) && procedure_ == Procedure::Sub) ||
                           (t.is(Keyword::Function) && procedure_ == Procedure::Function) ||
                           (t.is(Keyword::Property) && procedure_ == Procedure::Property);
        if (!valid) fail(Message::InvalidExit);
        advance();
    }

    // On Error Resume Next, On Error GoTo 0.
    void onError() {
        advance();
        if (!isWord("error")) fail(Message::SyntaxError);
        advance();
        if (isWord("resume")) {
            advance();
            if (!accept(Keyword::Next)) fail(Message::SyntaxError);
            return;
        }
        if (!accept(Keyword::GoTo)) fail(Message::SyntaxError);
        const Token& t = peek();
        if (t.kind != TokenKind::Number || text_.substr(std::size_t(t.offset), std::size_t(t.length)) != "0")
            fail(Message::SyntaxError);
        advance();
    }

    // ---- Expressions ----
    void expression(int minPrecedence = PrecImp) {
        const Nesting nesting(*this);
        operand();
        binaryTail(minPrecedence);
    }

    // Precedence climbing: takes every operator at least as strong as minPrecedence, each
    // right operand taking only stronger ones (all binary operators associate to the left).
    void binaryTail(int minPrecedence) {
        for (;;) {
            const int precedence = binaryPrecedence(peek());
            if (precedence == NoOperator || precedence < minPrecedence) return;
            advance();
            operand();
            binaryTail(precedence + 1);
        }
    }

    static bool startsExpression(const Token& t) {
        switch (t.kind) {
        case TokenKind::Identifier:
        case TokenKind::Number:
        case TokenKind::String:
        case TokenKind::Date:
        case TokenKind::Dot:
        case TokenKind::LParen:
        case TokenKind::LexError:
            return true;
        case TokenKind::Operator:
            return t.is(Operator::Minus) || t.is(Operator::Plus);
        case TokenKind::Keyword:
            return t.is(Keyword::Not) || t.is(Keyword::New) || t.isValueKeyword() ||
                   t.is(Keyword::Me);
        default:
            return false;
        }
    }

    void operand() {
        const Nesting nesting(*this);
        const Token& t = peek();
        switch (t.kind) {
        case TokenKind::Number:
        case TokenKind::String:
        case TokenKind::Date:
            advance();
            return;
        case TokenKind::LParen:
            advance();
            expression();
            expectRParen();
            return;
        case TokenKind::Identifier:
        case TokenKind::Dot:
            chain(false);
            return;
        case TokenKind::Operator:
            if (t.is(Operator::Minus) || t.is(Operator::Plus)) {
                advance();
                operand();
                binaryTail(PrecPower);
                return;
            }
            break;
        case TokenKind::Keyword:
            switch (Keyword(t.code)) {
            case Keyword::True:
            case Keyword::False:
            case Keyword::Nothing:
            case Keyword::Null:
            case Keyword::Empty:
                advance();
                return;
            case Keyword::Me:
                chain(false);
                return;
            case Keyword::Not:
                advance();
                operand();
                binaryTail(PrecCompare);
                return;
            case Keyword::New:
                advance();
                identifier();
                return;
            default:
                break;
            }
            break;
        default:
            break;
        }
        fail(Message::ExpectedExpression);
    }

    static constexpr std::size_t noParen = std::size_t(-1);
    struct Chain {
        std::size_t lastParen = noParen;  // token index of a final "(...)"
        int lastParenArguments = 0;
    };

    // name, .name (inside With), Me, then any run of .member and (arguments). At the head of a
    // statement a "." after a blank starts the first argument ("WScript.Echo .Name").
    Chain chain(bool statementHead) {
        Chain result;
        if (acceptKind(TokenKind::Dot)) {
            identifier();
        } else {
            advance();  // the name or Me
        }
        for (;;) {
            const Token& t = peek();
            if (t.kind == TokenKind::Dot) {
                if (statementHead && t.spaceBefore) return result;
                advance();
                identifier();
                result.lastParen = noParen;
                result.lastParenArguments = 0;
            } else if (t.kind == TokenKind::LParen) {
                result.lastParen = pos_;
                advance();
                result.lastParenArguments = parenthesisedArguments();
            } else {
                return result;
            }
        }
    }

    // After "(": arguments up to ")"; any may be left out. Returns how many there were.
    int parenthesisedArguments() {
        if (acceptKind(TokenKind::RParen)) return 0;
        int count = 0;
        for (;;) {
            const Token& t = peek();
            if (t.kind != TokenKind::Comma && t.kind != TokenKind::RParen) expression();
            ++count;
            if (acceptKind(TokenKind::Comma)) continue;
            expectRParen();
            return count;
        }
    }

    std::string_view text_;
    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    int singleLineIf_ = 0;
    int depth_ = 0;
    std::vector<std::unordered_map<std::string, int>> scopes_;
    bool inClass_ = false;
    bool classHasDefault_ = false;
    // Per property of the class being read: how many arguments its Get takes.
    std::unordered_map<std::string, int> getterCounts_;
    int statementsRead_ = 0;
    int doDepth_ = 0;
    int forDepth_ = 0;
    Procedure procedure_ = Procedure::None;
};

}  // namespace

std::optional<SyntaxProblem> findSyntaxProblem(std::string_view text) {
    Parser parser(text);
    try {
        parser.program();
    } catch (const Failure& failure) {
        return SyntaxProblem{failure.line, failure.offset, failure.message};
    }
    return std::nullopt;
}

}  // namespace vbs
