// Randomized: the scan colours every byte exactly once, and the passes never change the text
// of JScript and Java (VBScript only changes letter case) nor use colours of their own.
#include "core/keyword_tables.h"
#include "hardening/random_text.h"
#include "script/script_kind.h"
#include "script/script_scan.h"
#include "script_fixture.h"

namespace {
constexpr std::string_view scriptPieces[] = {
    "var", "Dim", "dim", "MsgBox", "String", "Math", "function", "public", "x", "s.", "(", ")",
    "{", "}", "\"", "'", "//", "/", "=", " ", "\t", "\r\n", "\n", ",", ";", "caf\xc3\xa9", "\"a b\"",
    "' note", "// note", "if", "If", "IF", "Vector", "123"};
}  // namespace

using ScriptRandomTest = ScriptFixture;

TEST_F(ScriptRandomTest, ScanColoursEveryByteOnceInOrder) {
    RandomText random(9);
    const ScriptColours palette{Text, Keyword, Object, Param, Comment};
    for (const WindowKind kind : {KindVbscript, KindJscript, KindJava}) {
        WordClassifier words(app.tables, scriptKindRow(kind));
        for (int round = 0; round < 300; ++round) {
            const QByteArray text = random.pieces(scriptPieces, 40);
            for (const bool inLine : {false, true}) {
                RunList runs;
                const ScanRequest request{text, palette, scriptKindRow(kind).commentMarker,
                                          words, runs, inLine};
                const int end = scanWords(request, 0, int(text.size()));
                EXPECT_EQ(end, text.size()) << round;
                int covered = 0;
                for (const ColourRun& run : runs.runs()) {
                    ASSERT_EQ(run.from, covered) << round << " " << text.toStdString();
                    ASSERT_LT(run.from, run.to);
                    covered = run.to;
                }
                EXPECT_EQ(covered, text.size()) << round;
            }
        }
    }
}

TEST_F(ScriptRandomTest, PassesKeepTheTextAndTheWindowColours) {
    RandomText random(11);
    for (const WindowKind kind : {KindVbscript, KindJscript, KindJava}) {
        ScriptWindow& window = open(kind);
        for (int round = 0; round < 40; ++round) {
            const QByteArray text = random.pieces(scriptPieces, 30);
            setText(window, text);
            window.colourAll();
            ASSERT_EQ(window.pane().Text(), text) << round;
            const std::string letters = colours(window.pane());
            EXPECT_EQ(letters.find_first_of("O?"), std::string::npos) << round << " " << letters;

            // A few keys typed somewhere: only letter case may change, and only in VBScript.
            window.pane().SetSelStart(random.below(int(text.size()) + 1));
            type(window, QStringLiteral("a "));
            const QByteArray typed = window.pane().Text();
            EXPECT_EQ(typed.size(), text.size() + 2) << round;
            if (kind != KindVbscript) EXPECT_TRUE(typed.contains("a ")) << round;
            EXPECT_EQ(colours(window.pane()).find('?'), std::string::npos) << round;
        }
    }
}
