// Well-formed VBScript of every statement and expression form, and whole scripts written the
// way administrators write them: each must check clean.
#include <gtest/gtest.h>

#include "script/vbscript/vbscript_checker.h"
#include "vbscript_samples.h"

namespace {

struct ValidCase {
    const char* name;
    const char* source;
};

const ValidCase validCases[] = {
    {"empty", ""},
    {"comments only", "' a comment\r\nRem another\r\n   ' indented\r\n"},
    {"option explicit and dim", "Option Explicit\r\nDim a, b(3), c(), d(2, 3)\r\n"},
    {"redim preserve", "Dim arr()\nReDim arr(5)\nReDim Preserve arr(UBound(arr) + 1), other(2, n)\n"},
    {"const", "Const A = 1, B = \"x\", C = -2.5, D = #1/1/2000#, E = True, F = &HFF\n"
              "Private Const G = Nothing\nPublic Const H = &O17\n"},
    {"set and assignment", "Set fso = CreateObject(\"Scripting.FileSystemObject\")\nSet x = Nothing\n"
                           "x = 1\nLet y = 2\nobj.Prop = 5\nobj.Item(1, 2) = 3\narr(i) = arr(i - 1)\n"},
    {"calls", "WScript.Echo \"a\", b\nWScript.Echo\nCall foo(1, 2)\nCall foo\nfoo()\nfoo (1)\n"
              "foo (1), 2\nfoo (a) + 1, b\nMsgBox \"Hi\", , \"Title\"\nobj.Method(1).Other 2\n"
              "x.y(1)\nfoo -1\nCall Me.Bar(1)\n"},
    {"single-line if", "If a Then b = 1\nIf a Then b = 1 Else b = 2\nIf a Then x: y Else z: w\n"
                       "If a Then If b Then c Else d\nSub S: If a Then Exit Sub\nEnd Sub\nIf a Then WScript.Quit 1\n"
                       "If a Then Else b\nIf x Then: y = 1\nIf a Then b End If\nIf a Then b: End If\n"
                       "If a Then b Else c End If\nIf a Then b Else If c Then d End If\n"},
    {"block if", "If a > 1 Then\n  b\nElseIf a = 1 Then\n  c\nElseIf a Then d\nElse\n  e\nEnd If\n"
                 "If x Then ' comment\r\n  y = 1\r\nEnd If\r\n"
                 "If a Then\nElse If b Then\n c\n End If\nEnd If\n"},
    {"select case", "Select Case x\n  Case 1\n    a\n  Case 2, 3, \"four\"\n    b\n  Case y + 1: c\n"
                    "  Case Else\n    d\nEnd Select\nSelect Case LCase(s)\nEnd Select\n"
                    "Select Case x ' why\n ' nothing yet\nCase 1\nEnd Select\n"},
    {"for loops", "For i = 1 To 10\n  x = x + i\nNext\nFor i = 10 To 1 Step -1: y: Next\n"
                  "For Each item In coll\n  WScript.Echo item.Name\nNext\n"
                  "For i = 0 To UBound(a) Step 2\n For j = i To n\n  If j Then Exit For\n Next\nNext\n"},
    {"do loops", "Do\n  x = x + 1\nLoop\nDo While x < 5\n x = x + 1\nLoop\nDo Until x = 0: x = x - 1: Loop\n"
                 "Do\n If x Then Exit Do\nLoop While x < 10\nDo\nLoop Until Not rs.EOF\n"},
    {"while wend", "While x < 10\n  x = x + 1\nWend\n"},
    {"with", "With obj\n  .Name = \"a\"\n  .Items(1) = 2\n  Set .Font = f\n  .Refresh\n"
             "  WScript.Echo .Name, .Value\n  x = .Count + 1\n  With .Child\n    .Go\n  End With\nEnd With\n"},
    {"sub and function", "Sub Foo\nEnd Sub\nSub Bar(a, ByVal b, ByRef c, d())\n  Exit Sub\nEnd Sub\n"
                         "Function Baz()\n  Baz = 1\n  Exit Function\nEnd Function\n"
                         "Private Sub P(): End Sub\nPublic Function Q(x)\n Q = x * 2\nEnd Function\n"},
    {"class", "Class Person\n  Private m_name\n  Public Age, Tags(3)\n  Dim legacy\n"
              "  Private Sub Class_Initialize()\n    m_name = \"\"\n  End Sub\n"
              "  Public Property Get Name\n    Name = m_name\n  End Property\n"
              "  Public Property Let Name(ByVal value)\n    If value = \"\" Then Exit Property\n"
              "    m_name = value\n  End Property\n"
              "  Public Property Set Owner(o)\n    Set m_owner = o\n  End Property\n"
              "  Public Default Function Describe()\n    Describe = Me.Name & \" \" & Age\n  End Function\n"
              "  Private Const Limit = 10\nEnd Class\nSet p = New Person\np.Name = \"Ann\"\n"},
    {"error handling", "On Error Resume Next\nx = 1 / 0\nIf Err.Number <> 0 Then Err.Clear\nOn Error GoTo 0\n"},
    {"statements named like functions", "Erase arr\nRandomize\nRandomize Timer\nExecute \"x = 1\"\n"
                                        "ExecuteGlobal code\nStop\n"},
    {"operators", "x = 2 ^ -3 * -4 / 5 \\ 6 Mod 7 + 8 - 9 & \"s\"\n"
                  "b = a = 1 Or b <> 2 And Not c < 3 Xor d > 4 Eqv e <= 5 Imp f >= 6\n"
                  "c = obj Is Nothing\nd = Not obj Is Nothing\ne = -(a + b) * (c - (d))\n"
                  "f = New RegExp\ng = Null: h = Empty: k = True Or False\n"},
    {"literals", "s = \"say \"\"hi\"\"\"\nd = #12/31/1999 23:59#\nh = &H1F + &hff& + &O17 + &17\n"
                 "n = 1.5E+3 + .5 + 2. + 1e-2\n[my var] = 1\nx = [my var] + 1\n"},
    {"line continuation", "s = \"a\" & _\n    \"b\" & _\r\n    \"c\"\nCall foo(1, _\n 2)\n"
                          "If a And _\n   b Then\nEnd If\nx = \"a\" &_\n\"b\"\n"},
    {"colons and rem", "a = 1: b = 2: Rem done\nc = 3 ' trailing\n:\n: a = 1\n"},
    {"keywords after a dot", "x = obj.Type + obj.End + obj.Class + obj.Next\nobj.Select\nrs.Fields.Item(\"a\").Value = 1\n"},
    {"names that are keywords only in place", "For Each property In item.Properties_\n"
                                              "  WScript.Echo property.Name\nNext\nstep = 1: error = 2\n"
                                              "explicit = default + get + preserve\nSub S(property)\nEnd Sub\n"},
    {"one name in separate scopes", "Dim x\nSub A(x)\n Dim y\nEnd Sub\nSub B\n Dim y, x\nEnd Sub\n"
                                    "Class C\n Dim x\n Sub A\n  Dim x\n End Sub\n"
                                    " Property Get P\n End Property\n Property Let P(v)\n End Property\n"
                                    " Property Set P(v)\n End Property\nEnd Class\n"
                                    "Class D\n Public x\n Sub A\n End Sub\nEnd Class\nReDim z(2): ReDim z(3)\n"},
    {"mixed case keywords", "IF a THEN\n b\nend if\nfor I = 1 to 2: NEXT\nDO: LOOP\n"},
    {"lone CR and LF line ends", "a = 1\rb = 2\nc = 3\r\n"},
    {"utf-8 in strings and comments", "' caf\xC3\xA9\nx = \"\xC3\xA9t\xC3\xA9\"\n"},
};

TEST(VbscriptValid, EachStatementAndExpressionFormChecksClean) {
    for (const ValidCase& c : validCases) {
        const auto error = checkVbscript(QByteArray(c.source));
        EXPECT_FALSE(error) << c.name << ": line " << (error ? error->line : 0) << " "
                            << (error ? error->description.toStdString() : "");
    }
}

TEST(VbscriptValid, RealisticScriptsCheckClean) {
    for (const char* script : realisticScripts) {
        const auto error = checkVbscript(QByteArray(script));
        EXPECT_FALSE(error) << "line " << (error ? error->line : 0) << " "
                            << (error ? error->description.toStdString() : "") << "\n" << script;
    }
}

}  // namespace
