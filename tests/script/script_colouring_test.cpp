// The colours the passes give, byte by byte.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/editor_fixture.h"

namespace {
struct WholeTextCase {
    WindowKind kind;
    QByteArray text;
    std::string expected;
};
}  // namespace

using ScriptColouringTest = EditorFixture;

TEST_F(ScriptColouringTest, WholeTextPassColoursEveryByteOfEachKind) {
    const WholeTextCase cases[] = {
        // Keyword, object, strings that end with their line.
        {KindJscript, "var d = new Date(\"a\r\nb\"); // note \"x",
         "KKKTTTTTKKKTBBBBTPPTTTPPPPPPPPPPPPPT"},
        {KindJscript, "u = \"http://x\"; // c", "TTTTPPPPPPPPPPTTCCCC"},
        // A backslash escapes a quote in JScript and Java, not in VBScript.
        {KindJscript, "s = \"a\\\"b\" + c", "TTTTPPPPPPTTTT"},
        {KindVbscript, "s = \"a\\\" 'c", "TTTTPPPPTCC"},
        // An unpaired last quote runs to the end of its line; the Java class is an object.
        {KindJava, "String s = \"x\" + \"", "BBBBBBTTTTTPPPTTTP"},
        // The apostrophe comments in VBScript; "//" means nothing there.
        {KindVbscript, "dim x // y ' rem", "KKKTTTTTTTTCCCCC"},
        // A byte order mark inside the text stands between words.
        {KindVbscript, "\xEF\xBB\xBF" "dim x", "TTTKKKTT"},
    };
    for (const WholeTextCase& c : cases) {
        ScriptWindow& window = openScript(c.kind);
        setText(window, c.text);
        window.colourAll();
        EXPECT_EQ(colours(window.pane()), c.expected) << c.text.constData();
        // The whole-text pass colours; it never respells.
        EXPECT_EQ(window.pane().Text(), c.text);
        // Written into a window as a command would: the same colours.
        ScriptWindow& written = openScript(c.kind);
        written.pane().SetText(c.text);
        EXPECT_EQ(colours(written.pane()), c.expected) << c.text.constData();
    }
}

TEST_F(ScriptColouringTest, AWordInBothTablesTakesTheKeywordColour) {
    QTemporaryDir folder;
    for (const QString& name : QDir(app.programFolder).entryList({"*.tsh"}, QDir::Files))
        QFile::copy(QDir(app.programFolder).filePath(name), folder.filePath(name));
    QFile objects(folder.filePath("jsobj.tsh"));
    ASSERT_TRUE(objects.open(QIODevice::ReadOnly));
    QByteArray items = objects.readAll().replace("window", "while");
    objects.close();
    ASSERT_TRUE(objects.open(QIODevice::WriteOnly | QIODevice::Truncate));
    objects.write(items);
    objects.close();
    app.tables.loadAll(folder.path());
    ASSERT_TRUE(app.tables.IsJsObject("while"));

    ScriptWindow& window = openScript(KindJscript);
    setText(window, "while");
    window.colourAll();
    EXPECT_EQ(colours(window.pane()), "KKKKK");
}

TEST_F(ScriptColouringTest, LinePassColoursTheTypedLineOnly) {
    ScriptWindow& window = openScript(KindJscript);
    type(window, QStringLiteral("var s = \"ab"));
    // The string without its closing quote runs to the end of the line being typed.
    EXPECT_EQ(colours(window.pane()), "KKKTTTTTPPP");
    type(window, QStringLiteral("\" // c"));
    EXPECT_EQ(colours(window.pane()), "KKKTTTTTPPPPTCCCC");
}

TEST_F(ScriptColouringTest, VbscriptTakesTheTableSpellingOnTypingAndPasteButNotOnLoad) {
    ScriptWindow& typed = openScript(KindVbscript);
    type(typed, QStringLiteral("DIM x\nmsgbox"));
    // The word still being typed keeps its letters until it is finished.
    EXPECT_EQ(typed.pane().Text(), "Dim x\r\nmsgbox");
    EXPECT_EQ(colours(typed.pane()), "KKKTTTTBBBBBB");
    type(typed, QStringLiteral(" x"));
    EXPECT_EQ(typed.pane().Text(), "Dim x\r\nMsgBox x");

    QApplication::clipboard()->setText(QStringLiteral("if a then msgbox a\r\nend if"));
    ScriptWindow& pasted = openScript(KindVbscript);
    pasted.pasteFromClipboard();
    EXPECT_EQ(pasted.pane().Text(), "If a Then MsgBox a\r\nEnd If");
    EXPECT_EQ(pasted.modifiedTag(), "n");

    ScriptWindow& loaded = openScript(KindVbscript);
    setText(loaded, "DIM x");
    loaded.colourAll();
    EXPECT_EQ(loaded.pane().Text(), "DIM x");
    EXPECT_EQ(colours(loaded.pane()), "KKKTT");

    // JScript never respells a typed word.
    ScriptWindow& script = openScript(KindJscript);
    type(script, QStringLiteral("VAR x "));
    EXPECT_EQ(script.pane().Text(), "VAR x ");
}

TEST_F(ScriptColouringTest, VbscriptCorrectsTheCaseOfCodeOnly) {
    // Strings and comments (' and Rem) keep the user's letters on paste and on typing.
    const QByteArray source = "msgbox \"dim the lights\" & x\r\nrem dim it\r\nx = 1 ' dim\r\n"
                              "dim y : REM if then\r\nIf a Then b = \"Do \"\"it\"\" now\" else";
    const QByteArray corrected = "MsgBox \"dim the lights\" & x\r\nRem dim it\r\nx = 1 ' dim\r\n"
                                 "Dim y : Rem if then\r\nIf a Then b = \"Do \"\"it\"\" now\" Else";
    QApplication::clipboard()->setText(QString::fromUtf8(source));
    ScriptWindow& pasted = openScript(KindVbscript);
    pasted.pasteFromClipboard();
    EXPECT_EQ(pasted.pane().Text(), corrected);

    ScriptWindow& typed = openScript(KindVbscript);
    type(typed, QString::fromUtf8(source).remove(QLatin1Char('\r')));
    // The last word is still under the caret.
    EXPECT_EQ(typed.pane().Text(), corrected.chopped(4) + "else");
}

TEST_F(ScriptColouringTest, VbscriptKeywordEndingALineIsCorrectedWhenTheCaretLeaves) {
    ScriptWindow& window = openScript(KindVbscript);
    EditorPane& pane = window.pane();
    type(window, QStringLiteral("dim\n"));  // Enter
    EXPECT_EQ(pane.Text(), "Dim\r\n");
    type(window, QStringLiteral("x = true"));
    QTest::keyClick(pane.widget(), Qt::Key_Up);  // an arrow key
    EXPECT_EQ(pane.Text(), "Dim\r\nx = True");
    pane.SetSelStart(pane.TextLength());
    type(window, QStringLiteral(" or nothing"));
    // Moving inside the word still being typed keeps it as it is.
    QTest::keyClick(pane.widget(), Qt::Key_Left);
    EXPECT_EQ(pane.Text(), "Dim\r\nx = True Or nothing");
    QWidget* viewport = qobject_cast<QAbstractScrollArea*>(pane.widget())->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(300, 5));  // a click elsewhere
    EXPECT_EQ(pane.Text(), "Dim\r\nx = True Or Nothing");
}

TEST_F(ScriptColouringTest, KeysAreSwallowedWhileAPassRuns) {
    ScriptWindow& window = openScript(KindJscript);
    window.busy = true;
    type(window, QStringLiteral("abc"));
    window.busy = false;
    EXPECT_EQ(window.pane().TextLength(), 0);
}
