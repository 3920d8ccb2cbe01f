#include "script/vbscript/vbs_messages.h"

namespace vbs {

namespace {
// In the order of Message.
const char* const texts[] = {
    "Syntax error",
    "Expected '('",
    "Expected ')'",
    "Expected identifier",
    "Expected '='",
    "Expected 'If'",
    "Expected 'To'",
    "Expected 'End'",
    "Expected 'Function'",
    "Expected 'Sub'",
    "Expected 'Then'",
    "Expected 'Wend'",
    "Expected 'Loop'",
    "Expected 'Next'",
    "Expected 'Case'",
    "Expected 'Select'",
    "Expected expression",
    "Expected statement",
    "Expected end of statement",
    "Expected integer constant",
    "Expected 'While', 'Until' or end of statement",
    "Expected 'With'",
    "Identifier too long",
    "Invalid number",
    "Invalid character",
    "Unterminated string constant",
    "Invalid 'exit' statement",
    "'loop' without 'do'",
    "Cannot use parentheses when calling a Sub",
    "Expected literal constant",
    "Expected 'In'",
    "Expected 'Class'",
    "Expected 'Property'",
    "Unexpected 'Next'",
    "Out of memory",
    "Must be defined inside a Class",
    "Cannot have multiple default property/method in a Class",
    "Class initialize or terminate do not have arguments",
    "'Default' can only be used on Property Get",
    "'Default' must also be 'Public'",
    "Property Set or Let must have at least one argument",
    "Invalid 'for' loop control variable",
    "Name redefined",
    "Expected 'Option Explicit' before any other statement",
    "Expected one argument more in Property Let or Set than in Property Get",
};
static_assert(sizeof(texts) / sizeof(texts[0]) == std::size_t(Message::PropertyArgumentsDiffer) + 1);
}  // namespace

const char* messageText(Message message) { return texts[std::size_t(message)]; }

}  // namespace vbs
