// The colours the passes give, byte by byte, and VBScript's respelling; randomized: the scan
// colours every byte exactly once, the passes never change the text of JScript and Java
// (VBScript only changes letter case) nor use colours of their own, and edits leave the colours
// the whole-text pass gives.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>

#include "core/keyword_tables.h"
#include "hardening/random_text.h"
#include "script/script_kind.h"
#include "script/script_scan.h"
#include "support/editor_fixture.h"
#include "support/random_edit.h"

using ScriptColouringTest = EditorFixture;

TEST_F(ScriptColouringTest, WholeTextPassColoursEveryByteOfEachKind) {
    const struct {
        WindowKind kind;
        QByteArray text;
        std::string expected;
    } cases[] = {
        // Keyword, object, strings that end with their line.
        {KindJscript, "var d = new Date(\"a\r\nb\"); // note \"x",
         "KKKTTTTTKKKTBBBBTPPTTTPPPPPPPPPPPPPT"},
        // "//" in a string starts no comment; a backslash escapes a quote in JScript and Java,
        // not in VBScript, where the apostrophe comments and "//" means nothing.
        {KindJscript, "u = \"h//\\\"b\"; // c", "TTTTPPPPPPPPTTCCCC"},
        {KindVbscript, "dim s // \"a\\\" 'c", "KKKTTTTTTPPPPTCC"},
        // An unpaired last quote runs to the end of its line; the Java class is an object.
        {KindJava, "String s = \"x\" + \"", "BBBBBBTTTTTPPPTTTP"},
        // A byte order mark inside the text stands between words.
        {KindVbscript, "\xEF\xBB\xBF" "dim x", "TTTKKKTT"},
    };
    for (const auto& c : cases) {
        ScriptWindow& window = openScript(c.kind);
        setText(window, c.text);
        window.colourAll();
        EXPECT_EQ(colours(window.pane()), c.expected) << c.text.constData();
    }
}

// Strings and comments (' and Rem) keep the user's letters; the code takes the tables' spelling
// once typed or pasted, never on load, and never in JScript. A word being typed keeps its letters
// until the caret leaves it: by a blank, Enter, an arrow key or a click elsewhere.
TEST_F(ScriptColouringTest, VbscriptRespellsTypedAndPastedCodeOnly) {
    ScriptWindow& typed = openScript(KindVbscript);
    EditorPane& pane = typed.pane();
    type(typed, QStringLiteral("DIM\nmsgbox"));
    EXPECT_EQ(pane.Text(), "Dim\r\nmsgbox");
    EXPECT_EQ(colours(pane), "KKKTTBBBBBB");
    type(typed, QStringLiteral(" x = true"));
    QTest::keyClick(pane.widget(), Qt::Key_Up);
    EXPECT_EQ(pane.Text(), "Dim\r\nMsgBox x = True");
    pane.SetSelStart(pane.TextLength());
    type(typed, QStringLiteral(" or nothing"));
    QTest::keyClick(pane.widget(), Qt::Key_Left);  // still inside the word
    EXPECT_EQ(pane.Text(), "Dim\r\nMsgBox x = True Or nothing");
    QWidget* viewport = qobject_cast<QAbstractScrollArea*>(pane.widget())->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(300, 5));
    EXPECT_EQ(pane.Text(), "Dim\r\nMsgBox x = True Or Nothing");

    const QByteArray source = "msgbox \"dim the lights\" & x\r\nrem dim it\r\nx = 1 ' dim\r\n"
                              "dim y : REM if then\r\nIf a Then b = \"Do \"\"it\"\" now\" else";
    const QByteArray corrected = "MsgBox \"dim the lights\" & x\r\nRem dim it\r\nx = 1 ' dim\r\n"
                                 "Dim y : Rem if then\r\nIf a Then b = \"Do \"\"it\"\" now\" Else";
    QApplication::clipboard()->setText(QString::fromUtf8(source));
    ScriptWindow& pasted = openScript(KindVbscript);
    pasted.pasteFromClipboard();
    EXPECT_EQ(pasted.pane().Text(), corrected);
    EXPECT_EQ(pasted.modifiedTag(), "n");
}

namespace {
constexpr std::string_view scriptPieces[] = {
    "var", "Dim", "dim", "MsgBox", "String", "Math", "function", "public", "x", "s.", "(", ")",
    "{", "}", "\"", "'", "//", "/", "=", " ", "\t", "\r\n", "\n", ",", ";", "caf\xc3\xa9", "\"a b\"",
    "' note", "// note", "if", "If", "IF", "Vector", "123", "rem", "REM", "msgbox", ":",
    "\"http://example.com/\"", "\\", "\\\"", "\xEF\xBB\xBF", "End If", "System.out.println(s);"};

// Scripts as people write them, one of each kind.
const std::pair<WindowKind, QByteArray> scripts[] = {
    {KindJscript, "// greet\r\nvar url = \"http://example.com/\";\r\nfunction greet(name) {\r\n"
                  "  alert(\"Hello \\\"\" + name + \"\\\"\"); // say it\r\n}\r\n"},
    {KindVbscript, "\xEF\xBB\xBFOption Explicit\r\nDim msg ' the text\r\nmsg = \"it's \"\"here\"\"\"\r\n"
                   "If msg <> \"\" Then MsgBox msg\r\nRem done\r\n"},
    {KindJava, "import java.util.*;\r\npublic class A {\r\n  String u = \"http://x/\"; // site\r\n"
               "  char q = '\"';\r\n  String e = \"a\\\"b\";\r\n}\r\n"},
};

// The bytes of a VBScript text that lie in a string or a comment (' or Rem): a string ends
// with its line.
std::vector<bool> stringsAndComments(const QByteArray& text) {
    std::vector<bool> inside(size_t(text.size()), false);
    bool quoted = false;
    bool comment = false;
    for (int i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            quoted = comment = false;
            continue;
        }
        if (!comment && !quoted && isWholeWord(text, i, i + 3) &&
            text.mid(i, 3).compare("rem", Qt::CaseInsensitive) == 0) {
            comment = true;
            i += 2;
            continue;
        }
        if (c == '"' && !comment) quoted = !quoted;
        if (c == '\'' && !quoted) comment = true;
        inside[size_t(i)] = comment || quoted || c == '"';
    }
    return inside;
}
}  // namespace

// The scan colours every byte once, in order; the window's passes keep the text and use no
// colours of their own, and a few keys typed change only letter case, and only in VBScript.
TEST_F(ScriptColouringTest, ScanColoursEveryByteOnceAndPassesKeepTheText) {
    RandomText random(9);
    const ScriptColours palette{Text, Keyword, Object, Param, Comment};
    for (const WindowKind kind : {KindVbscript, KindJscript, KindJava}) {
        WordClassifier words(app.tables, scriptKindRow(kind));
        ScriptWindow& window = openScript(kind);
        for (int round = 0; round < 300; ++round) {
            const QByteArray text = random.pieces(scriptPieces, 40);
            RunList runs;
            const ScanRequest request{text, palette, scriptKindRow(kind).commentMarker, words, runs};
            const int end = scanWords(request, 0, int(text.size()));
            EXPECT_EQ(end, text.size()) << round;
            int covered = 0;
            for (const ColourRun& run : runs.runs()) {
                ASSERT_EQ(run.from, covered) << round << " " << text.toStdString();
                ASSERT_LT(run.from, run.to);
                covered = run.to;
            }
            EXPECT_EQ(covered, text.size()) << round;
            if (round % 8) continue;  // the window's passes are the slow part

            setText(window, text);
            window.colourAll();
            ASSERT_EQ(window.pane().Text(), text) << round;
            const std::string letters = colours(window.pane());
            EXPECT_EQ(letters.find_first_of("O?"), std::string::npos) << round << " " << letters;
            const int caret = random.below(int(text.size()) + 1);
            window.pane().SetSelStart(caret);
            type(window, QStringLiteral("a "));
            const QByteArray typed = window.pane().Text();
            EXPECT_EQ(typed.size(), text.size() + 2) << round;
            if (kind != KindVbscript)
                EXPECT_EQ(typed, QByteArray(text).insert(caret, "a ")) << round;
            EXPECT_EQ(colours(window.pane()).find('?'), std::string::npos) << round;
        }
    }
}

// Whatever the edit (keys, a replaced stretch, a paste, undo, redo), every byte has the colour
// the whole-text pass gives the same text.
TEST_F(ScriptColouringTest, EditsLeaveTheColoursOfAFreshOpen) {
    frame.checked["Doundo"] = true;
    for (const auto& [kind, script] : scripts) {
        ScriptWindow& window = openScript(kind);
        ScriptWindow& fresh = openScript(kind);
        EditorPane& pane = window.pane();
        const unsigned seed = unsigned(kind) + 7;
        RandomText random(seed);
        setText(window, script);
        window.colourAll();
        for (int step = 0; step < 150; ++step) {
            randomEdit(window, random, random.pieces(scriptPieces, 2));
            const QByteArray text = pane.Text();
            setText(fresh, text);
            fresh.colourAll();
            const std::string difference = colourDifference(colours(pane), colours(fresh.pane()), text);
            ASSERT_EQ(difference, "") << "seed " << seed << ", step " << step;
        }
    }
}

TEST_F(ScriptColouringTest, VbscriptPasteRespellsCodeOnly) {
    RandomText random(13);
    ScriptWindow& window = openScript(KindVbscript);
    int respelt = 0;
    for (int round = 0; round < 200; ++round) {
        // As the clipboard holds it (characters, not stray bytes), with the window's line ends.
        const QByteArray text = QString::fromUtf8(random.pieces(scriptPieces, 30))
                                    .toUtf8()
                                    .replace("\r\n", "\n")
                                    .replace('\r', '\n')
                                    .replace("\n", "\r\n");
        setText(window, "");
        QApplication::clipboard()->setText(QString::fromUtf8(text));
        window.pasteFromClipboard();
        const QByteArray result = window.pane().Text();
        ASSERT_EQ(result.compare(text, Qt::CaseInsensitive), 0) << round;
        const std::vector<bool> inside = stringsAndComments(text);
        for (int i = 0; i < text.size(); ++i)
            ASSERT_TRUE(!inside[size_t(i)] || result[i] == text[i])
                << round << " at " << i << ": " << text.toStdString();
        respelt += result != text;
    }
    EXPECT_GT(respelt, 40);  // the code around them was respelt
}
