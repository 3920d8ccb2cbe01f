#pragma once
// The compile errors the checker reports, worded as the classic Windows script engine words
// them, so that a message looks up the same way people have always looked it up.
#include <cstdint>

namespace vbs {

enum class Message : std::uint8_t {
    SyntaxError,
    ExpectedLParen,
    ExpectedRParen,
    ExpectedIdentifier,
    ExpectedEqual,
    ExpectedIf,
    ExpectedTo,
    ExpectedEnd,
    ExpectedFunction,
    ExpectedSub,
    ExpectedThen,
    ExpectedWend,
    ExpectedLoop,
    ExpectedNext,
    ExpectedCase,
    ExpectedSelect,
    ExpectedExpression,
    ExpectedStatement,
    ExpectedEndOfStatement,
    ExpectedIntegerConstant,
    ExpectedWhileUntilOrEnd,
    ExpectedWith,
    IdentifierTooLong,
    InvalidNumber,
    InvalidCharacter,
    UnterminatedString,
    InvalidExit,
    LoopWithoutDo,
    ParenthesesInSubCall,
    ExpectedLiteralConstant,
    ExpectedIn,
    ExpectedClass,
    ExpectedProperty,
    UnexpectedNext,
    OutOfMemory,
    MustBeInsideClass,
    MultipleDefaults,
    ClassEventArguments,
    DefaultOnlyOnPropertyGet,
    DefaultMustBePublic,
    PropertyWriteNeedsArgument,
    InvalidForVariable,
    NameRedefined,
    OptionExplicitFirst,
    PropertyArgumentsDiffer,
};

const char* messageText(Message message);

}  // namespace vbs
