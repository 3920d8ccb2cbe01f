// The VBScript checker and the RTF reader under the same harness as the other readers: thousands
// of generated and mutated inputs from a fixed seed, checked for invariants. Their own tests hold
// the expected answers; these hold that no input crashes, hangs or answers two ways.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTextDocument>

#include "document/rtf/rtf_reader.h"
#include "hardening/random_text.h"
#include "script/vbscript/vbscript_checker.h"

namespace {
constexpr std::string_view vbsPieces[] = {
    "Dim x", "Sub A(", ")", "End Sub", "If x Then", "Else", "End If", "For i = 1 To 3", "Next",
    "Do While x", "Loop", "Select Case x", "Case 1", "End Select", "Class C", "End Class",
    "\"text\"", "\"open", "x = (1 + 2", " & ", ".Name", "With o", "End With", ":", " _\r\n",
    "\r\n", "\n", "' note", "Rem note", "#1/2/2003#", "&HFF", "[odd name]", "Set o = New C",
    "On Error Resume Next", "Function F(ByVal a)", "End Function", "Property Get P", "Wend",
};
constexpr std::string_view rtfPieces[] = {
    "{\\rtf1\\ansi", "{", "}", "\\b ", "\\b0 ", "\\i", "\\par ", "\\pard", "\\qc", "\\fs24",
    "{\\fonttbl{\\f0\\fcharset238 Arial;}}", "{\\colortbl;\\red255\\green0\\blue0;}", "\\cf1",
    "\\'e9", "\\'", "\\u8364?", "\\uc2", "\\bin4 ", "{\\*\\unknown x}", "\\fs99999999999",
    "text ", "\\tab", "\\line", "{\\pict abc}", "\\trowd\\cell\\row", "\\\\", "\\{", "\r\n",
    "\\bin999999999 ", "\\uc9", "\\'z", "\\f99 ", "\\cf77", "-2147483649", "{\\listtext \\'b7}",
    "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}", "\\page", "\\intbl", "\\fcharset128",
};

// Lines as the checker counts them: CR LF, a lone CR and a lone LF each end one.
int lineCount(const QByteArray& text) {
    return int(text.count('\n') + text.count('\r') - text.count("\r\n")) + 1;
}
}  // namespace

TEST(ParsersRandomTest, VbscriptErrorsNameALineOfTheTextAndRepeat) {
    RandomText random(5);
    for (int i = 0; i < 20000; ++i) {
        QByteArray text = random.pieces(vbsPieces, 30);
        if (random.chance(30)) text = random.mutate(text);
        const std::optional<ScriptError> error = checkVbscript(text);
        if (!error) continue;
        ASSERT_GE(error->line, 1) << "iteration " << i;
        ASSERT_LE(error->line, lineCount(text) + 1) << "iteration " << i << ": " << text.toStdString();
        ASSERT_FALSE(error->description.isEmpty());
        const std::optional<ScriptError> again = checkVbscript(text);
        ASSERT_TRUE(again && again->line == error->line && again->description == error->description);
    }
}

// Also groups nested very deep; each input loads in bounded time (generous bounds for a loaded
// machine: a hang or a blow-up is orders of magnitude beyond).
TEST(ParsersRandomTest, RtfReaderLoadsWhatItCanAndTheSameTwice) {
    RandomText random(6);
    QTextDocument first;
    QTextDocument second;
    for (int i = 0; i < 20000; ++i) {
        QByteArray rtf = random.pieces(rtfPieces, 40);
        if (random.chance(30)) rtf = random.mutate(rtf);
        if (random.chance(1)) rtf.insert(random.below(int(rtf.size()) + 1), QByteArray(20000, '{'));
        if (random.chance(50)) rtf.prepend("{\\rtf1 ");
        QElapsedTimer one;
        one.start();
        const bool read = rtf::readRtf(rtf, first);
        ASSERT_LT(one.elapsed(), 2000) << "iteration " << i;
        ASSERT_EQ(rtf::readRtf(rtf, second), read) << "iteration " << i;
        // Text comes only from the bytes: never more characters than there were bytes.
        ASSERT_LE(first.characterCount(), rtf.size() + 1) << "iteration " << i;
        ASSERT_EQ(first.toPlainText(), second.toPlainText()) << "iteration " << i;
    }
}
