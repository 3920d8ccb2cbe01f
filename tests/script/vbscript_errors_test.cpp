// Broken VBScript: each row is a source, the line the error must be reported on and the
// classic engine's description.
#include <gtest/gtest.h>

#include "script/vbscript/vbscript_checker.h"

namespace {

struct ErrorCase {
    const char* source;
    int line;
    const char* message;
};

const ErrorCase errorCases[] = {
    // Blocks left open: reported where the text ends, or where the wrong closing word stands.
    {"If a Then\n  b\n", 3, "Expected 'End'"},
    {"If a Then\n  b", 2, "Expected 'End'"},
    {"For i = 1 To 3\n  x = i\n", 3, "Expected 'Next'"},
    {"Sub A\n For i = 1 To 3\n  x\nEnd Sub\n", 4, "Expected 'Next'"},
    {"Do\n x\n", 3, "Expected 'Loop'"},
    {"While x\n y\n", 3, "Expected 'Wend'"},
    {"Sub A\n x\n", 3, "Expected 'End'"},
    {"Sub A\n x\nSub B\nEnd Sub\n", 3, "Expected 'End'"},
    {"Function F\n F = 1\nEnd Sub\n", 3, "Expected 'Function'"},
    {"Class C\n Public x\n", 3, "Expected 'End'"},
    {"Class C\n x = 1\nEnd Class\n", 2, "Expected 'End'"},
    {"If a Then\nEnd Sub\n", 2, "Expected 'If'"},
    {"With x\n .a = 1\n", 3, "Expected 'End'"},
    {"With x\nEnd If\n", 2, "Expected 'With'"},
    {"If a Then\nSub S\nEnd Sub\nEnd If\n", 2, "Expected 'End'"},
    {"Select Case x\nCase 1\nCase Else\nCase 2\nEnd Select\n", 4, "Expected 'End'"},
    {"For i = 1 To 3\n  If i Then\n    x\nNext\n", 4, "Expected 'End'"},
    // Words left out or misplaced.
    {"x = 1\nIf x = 1\n y\nEnd If\n", 2, "Expected 'Then'"},
    {"If a Then b End Sub\n", 1, "Expected 'If'"},
    {"If a Then For i = 1 To 2: Next\n", 1, "Syntax error"},
    {"x = 1\nElse\n", 2, "Expected statement"},
    {"Case 1\n", 1, "Expected statement"},
    {"Next\n", 1, "Unexpected 'Next'"},
    {"Loop\n", 1, "'loop' without 'do'"},
    {"For i = 1 To 2\nNext i\n", 2, "Expected end of statement"},
    {"Select x\n", 1, "Expected 'Case'"},
    {"Select Case x\n y = 1\nEnd Select\n", 2, "Expected 'Case'"},
    {"For i 1 To 2\nNext\n", 1, "Expected '='"},
    {"For i = 1 2\nNext\n", 1, "Expected 'To'"},
    {"For Each x coll\nNext\n", 1, "Expected 'In'"},
    {"Do x\nLoop\n", 1, "Expected 'While', 'Until' or end of statement"},
    {"Class C\nProperty Get A\nEnd Sub\nEnd Class\n", 3, "Expected 'Property'"},
    {"Class C\nEnd Sub\n", 2, "Expected 'Class'"},
    {"Dim 1a\n", 1, "Expected identifier"},
    {"Dim a(n)\n", 1, "Expected integer constant"},
    {"Const a = b\n", 1, "Expected literal constant"},
    {"ReDim a\n", 1, "Expected '('"},
    {"Exit Do\n", 1, "Invalid 'exit' statement"},
    {"Function F\n Exit Sub\nEnd Function\n", 2, "Invalid 'exit' statement"},
    {"On Error GoTo Handler\n", 1, "Syntax error"},
    {"a = 1 Rem x\n", 1, "Expected end of statement"},
    {"MsgBox(\"a\", 1)\n", 1, "Cannot use parentheses when calling a Sub"},
    {"Dim x = 5\n", 1, "Expected end of statement"},
    {"Set x\n", 1, "Expected '='"},
    // What classes ask of their members.
    {"Property Get A\nEnd Property\n", 1, "Must be defined inside a Class"},
    {"Class C\nPublic Default Function A\nEnd Function\nPublic Default Property Get B\nEnd Property\n"
     "End Class\n", 4, "Cannot have multiple default property/method in a Class"},
    {"Class C\nPrivate Default Function A\nEnd Function\nEnd Class\n", 2,
     "'Default' must also be 'Public'"},
    {"Class C\nPublic Default Property Let A(v)\nEnd Property\nEnd Class\n", 2,
     "'Default' can only be used on Property Get"},
    {"Class C\nSub Class_Initialize(x)\nEnd Sub\nEnd Class\n", 2,
     "Class initialize or terminate do not have arguments"},
    {"Class C\nProperty Let A()\nEnd Property\nEnd Class\n", 2,
     "Property Set or Let must have at least one argument"},
    {"For a(1) = 1 To 2\nNext\n", 1, "Invalid 'for' loop control variable"},
    // Names declared twice in one scope.
    {"Dim a\nIf x Then\n  Dim a\nEnd If\n", 3, "Name redefined"},
    {"Const A = 1\nDim b, [a]\n", 2, "Name redefined"},
    {"Sub S\nEnd Sub\nFunction s()\nEnd Function\n", 3, "Name redefined"},
    {"Sub S(a, A)\nEnd Sub\n", 1, "Name redefined"},
    {"Sub S(a)\n Dim a\nEnd Sub\n", 2, "Name redefined"},
    {"Class C\nPublic Name\nProperty Get Name\nEnd Property\nEnd Class\n", 3, "Name redefined"},
    {"Class C\nProperty Get N\nEnd Property\nProperty Get N\nEnd Property\nEnd Class\n", 4,
     "Name redefined"},
    // Rules of order and agreement.
    {"' note\nx = 1\nOption Explicit\n", 3, "Expected 'Option Explicit' before any other statement"},
    {"Class C\nProperty Get A(i)\nEnd Property\nProperty Let A(v)\nEnd Property\nEnd Class\n", 4,
     "Expected one argument more in Property Let or Set than in Property Get"},
    {"Class C\nProperty Set A(k, v)\nEnd Property\nProperty Get A\nEnd Property\nEnd Class\n", 4,
     "Expected one argument more in Property Let or Set than in Property Get"},
    {"Erase\n", 1, "Expected identifier"},
    // Expressions.
    {"x = \n", 1, "Expected expression"},
    {"x = 1 +\n", 1, "Expected expression"},
    {"If a = Then\nEnd If\n", 1, "Expected expression"},
    {"x = (1 + 2\n", 1, "Expected ')'"},
    {"a = 1\nCall foo(1, 2\n", 2, "Expected ')'"},
    {"x = f(1 2)\n", 1, "Expected ')'"},
    // What the lexer cannot read.
    {"a = 1\nb = \"abc\nc = 2\n", 2, "Unterminated string constant"},
    {"x = 1 $\n", 1, "Invalid character"},
    {"x = 1e\n", 1, "Invalid number"},
    // The first error wins, even when a later line has a lexical one.
    {"If x\ny = \"abc\n", 1, "Expected 'Then'"},
    // Line numbers across CR LF, blank lines and continued lines.
    {"a = 1\r\n\r\nIf b\r\n", 3, "Expected 'Then'"},
    {"s = \"a\" & _\n  \"b\" &\n", 2, "Expected expression"},
    {"a = 1\r\rIf b\r", 3, "Expected 'Then'"},
};

TEST(VbscriptErrors, NestingBeyondAnyScriptEndsTheCheckInsteadOfTheProgram) {
    const QByteArray parentheses = "x = " + QByteArray(200000, '(') + "1";
    const QByteArray ifs = QByteArray("If a Then\n").repeated(50000);
    const QByteArray unary = "x = " + QByteArray(200000, '-') + "1";
    for (const QByteArray& text : {parentheses, ifs, unary}) {
        const auto error = checkVbscript(text);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->description.toStdString(), "Out of memory");
    }
    // Deep but reasonable nesting is fine.
    EXPECT_FALSE(checkVbscript("x = " + QByteArray(200, '(') + "1" + QByteArray(200, ')') + "\n"));
}

TEST(VbscriptErrors, EachBrokenScriptReportsItsLineAndDescription) {
    for (const ErrorCase& c : errorCases) {
        const auto error = checkVbscript(QByteArray(c.source));
        if (!error) {
            ADD_FAILURE() << "no error found in:\n" << c.source;
            continue;
        }
        EXPECT_EQ(error->line, c.line) << c.source;
        EXPECT_EQ(error->description.toStdString(), c.message) << c.source;
    }
}

}  // namespace
