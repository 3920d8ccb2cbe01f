// The script windows: New and Open per kind, the keys they handle, undo and the status bar;
// the Java window's member lists and import assistant; inside the main window, files named on
// the command line opening in the window of their kind.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QStatusBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include "script/import_assistant.h"
#include "script/java_completion.h"
#include "script/script_commands.h"
#include "shell/frame_fixture.h"
#include "support/editor_fixture.h"
#include "tags/tag_insertion.h"
#include "tags/tag_templates.h"

using TestEnvironment::readFile;

class ScriptWindowTest : public EditorFixture {
protected:
    ScriptWindowTest() {
        registerScriptCommands(app, [this](EditorWindow* window) { adopt(window); });
    }
    ScriptWindow* current() { return static_cast<ScriptWindow*>(app.activeWindow()); }
};

TEST_F(ScriptWindowTest, NewAndOpenMakeEachKindOfWindow) {
    QTemporaryDir folder;
    const struct {
        const char* newCommand;
        const char* openCommand;
        const char* caption;
        const char* templateFile;
    } kinds[] = {
        {"vbs", "openvbs", "VBScript", "vbscript.temp"},
        {"jscript", "openjs", "JScript", "jscript.temp"},
        {"java", "openjava", "Java", "javatemp.temp"},
    };
    for (const auto& c : kinds) {
        SCOPED_TRACE(c.caption);
        ASSERT_TRUE(commands.run(c.newCommand));
        ScriptWindow* window = current();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->modifiedTag(), "s");
        EXPECT_EQ(window->pane().Text(),
                  readFile(QDir(app.programFolder).filePath(c.templateFile)));

        // A chosen file opens coloured, captioned by its path.
        const QString path = folder.filePath(QString(c.caption) + ".txt");
        ASSERT_TRUE(TestEnvironment::writeFile(path, "x = 1\r\n"));
        dialogs.textAnswers.push_back(path);
        ASSERT_TRUE(commands.run(c.openCommand));
        EXPECT_EQ(current()->caption(), path);
        EXPECT_EQ(current()->pane().Text(), "x = 1\r\n");
        EXPECT_EQ(colours(current()->pane()).substr(0, 5), "TTTTT");
    }
}

// The pairs the windows write (the script templates, a tag command's empty quotes) never leave
// a second closer behind, and Enter keeps the line's indentation. "|" marks the caret.
TEST_F(ScriptWindowTest, PairsAndEnterInEveryCodeWindow) {
    struct Case {
        WindowKind kind;
        QByteArray before;
        const char* command;  // a tag command run before typing, or null
        QString keys;         // "\n" Enter, "\b" Backspace
        QByteArray after;
        bool keepIndent = true;
    };
    const Case cases[] = {
        {KindVbscript, "f|", nullptr, "(", "f(| )"},
        // The closer steps over the one written, through the template's blanks and line breaks.
        {KindJscript, "f|", nullptr, "(g()x)", "f(g( )x )|"},
        {KindJava, "if (a) |", nullptr, "{x;}", "if (a) {\r\nx;\r\n}|"},
        // A closer the user typed is never stepped over.
        {KindJscript, "g(|)", nullptr, ")", "g()|)"},
        // Backspace right after the opening takes the pair back.
        {KindJscript, "f|", nullptr, "(\b", "f|"},
        {KindJava, "a|b", nullptr, " {\b", "a |b"},
        // No pair before a word, in a string or in a comment.
        {KindJscript, "|x", nullptr, "(", "(|x"},
        {KindJscript, "s = 'it\\'s |", nullptr, "(", "s = 'it\\'s (|"},
        {KindJava, "x; // see |", nullptr, "{", "x; // see {|"},
        {KindJava, "/* see | */", nullptr, "(", "/* see (| */"},
        {KindVbscript, "s = \"a\"\"b|", nullptr, "(", "s = \"a\"\"b(|"},
        // The empty value a tag command leaves the caret in.
        {KindHtml, "|", "anchort", "x\"", "<a href=\"x\"| >hint text for link</a>"},
        {KindHtml, "|", "anchort", "\b", "<a href=| >hint text for link</a>"},
        // Enter keeps the indentation, blanks and tabs as they are, in the file's line ending.
        {KindJscript, "  \tif (a)|", nullptr, "\n", "  \tif (a)\r\n  \t|"},
        {KindVbscript, "  x = 1|\nb", nullptr, "\n", "  x = 1\n  |\nb"},
        {KindHtml, "x\r\n  <p>|", nullptr, "\n", "x\r\n  <p>\r\n  |"},
        {KindHtml, "x\r\n  <p>|", nullptr, "\n", "x\r\n  <p>\r\n|", false},
    };
    for (const Case& c : cases) {
        const std::string row = c.before.toStdString() + " / " + c.keys.toStdString();
        EditorWindow& window = open(c.kind);
        app.keepIndentation = c.keepIndent;
        EditorPane& pane = window.pane();
        const int caret = c.before.indexOf('|');
        pane.SetText(QByteArray(c.before).remove(caret, 1));
        pane.SetSelStart(caret);
        if (c.command) insertTag(window, *findTagTemplate(c.command));
        typeKeys(pane.widget(), c.keys);
        QByteArray text = pane.Text();
        EXPECT_EQ(text.insert(pane.SelStart(), '|').toStdString(), c.after.toStdString()) << row;
    }
}

// Each typed line is an undo step for Ctrl+Z and Ctrl+R; the status bar follows the caret,
// counting characters, not bytes.
TEST_F(ScriptWindowTest, EachTypedLineIsAnUndoStepAndTheStatusBarFollowsTheCaret) {
    ScriptWindow& window = openScript(KindVbscript);
    type(window, "a\nb\nc");
    QWidget* code = window.pane().widget();
    QTest::keyClick(code, Qt::Key_Z, Qt::ControlModifier);
    const QByteArray undone = window.pane().Text();
    EXPECT_TRUE(undone == "a\r\nb" || undone == "a\r\nb\r\n") << undone.constData();
    QTest::keyClick(code, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(window.pane().Text(), "a\r\nb\r\nc");
    EXPECT_EQ(window.modifiedTag(), "n");
    EXPECT_EQ(window.panelText(3), "*");

    window.pane().SetSelStart(4);
    window.statusUpdate();
    EXPECT_EQ(window.panelText(5), "Line Number 2");
    EXPECT_EQ(window.panelText(6), "Col Number 2");
    window.pane().SetSelText(QString::fromUtf8("\xc3\xa9\xe2\x82\xac"));
    EXPECT_EQ(window.panelText(6), "Col Number 4");

    // The panels never overlap nor leave the bar, at any width: the longest kind name and
    // numbers of five digits.
    QWidget area;
    area.resize(1700, 400);
    area.show();
    window.setParent(&area);
    window.show();
    setText(window, QByteArray(20000, 'x') + "\r\ny");
    window.pane().SetSelStart(19999);
    type(window, "x");
    for (const int width : {1600, 800, 433, 300, 160, 60}) {
        window.resize(width, 300);
        QApplication::processEvents();
        const QList<QLabel*> panels =
            window.StatusBar1()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        QRect used;
        for (const QLabel* panel : panels) {
            if (!panel->isVisible()) continue;
            EXPECT_FALSE(used.intersects(panel->geometry())) << width;
            EXPECT_LE(panel->geometry().right(), window.StatusBar1()->width()) << width;
            used = used.united(panel->geometry());
        }
    }
}

class JavaCompletionTest : public EditorFixture {
protected:
    JavaCompletionTest() : window(openScript(KindJava)) {}
    JavaCompletion& completion() { return *window.completion(); }
    QListView* list() { return completion().jshow(); }
    QString selectedInsertion() { return completion().jput().value(completion().currentRow()); }

    ScriptWindow& window;
};

TEST_F(JavaCompletionTest, DotAfterAVariableListsItsClassThenNarrowsAndInserts) {
    type(window, QStringLiteral("String s = \"x\"; s."));
    ASSERT_TRUE(completion().listVisible());
    // String's own members, then Object's (the table below checks the class each dot finds).
    const QStringList shown = completion().shownItems();
    EXPECT_TRUE(shown.contains("charAt(int) : char"));
    EXPECT_LT(shown.indexOf("charAt(int) : char"), shown.indexOf("getClass() : Class<?>"));

    type(window, QStringLiteral("TRI"));
    EXPECT_EQ(insertedText(selectedInsertion()), "trim(");
    // Only the members that begin with the typed letters stay; none left closes the list.
    EXPECT_TRUE(list()->isRowHidden(int(shown.indexOf("charAt(int) : char"))));
    type(window, QStringLiteral("q"));
    EXPECT_FALSE(completion().listVisible());

    // Tab takes the chosen member; a blank closes the list and is typed. Down moves into the
    // list, where Return takes the member; Up from the text closes it.
    type(window, QStringLiteral("\ns."));
    ASSERT_TRUE(completion().listVisible());
    type(window, QStringLiteral("len"));
    QTest::keyClick(window.pane().widget(), Qt::Key_Tab);
    type(window, QStringLiteral("\ns.len "));
    EXPECT_FALSE(completion().listVisible());
    type(window, QStringLiteral("\nMath."));
    QTest::keyClick(window.pane().widget(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Down);
    const QString chosen = insertedText(selectedInsertion());
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_FALSE(completion().listVisible());
    EXPECT_FALSE(chosen.contains('\t'));
    EXPECT_EQ(window.pane().Text(),
              "String s = \"x\"; s.TRIq\r\ns.length(\r\ns.len \r\nMath." + chosen.toUtf8());
    type(window, QStringLiteral("\nMath."));
    QTest::keyClick(window.pane().widget(), Qt::Key_Up);
    EXPECT_FALSE(completion().listVisible());
}

TEST_F(JavaCompletionTest, DotFindsTheClassOfDeclarationsAndCalls) {
    struct Case {
        QByteArray text;  // the dot is typed after it
        const char* listedClass;  // nullptr: no list
    };
    const Case cases[] = {
        {"frobnicate", nullptr},
        {"Vector v, w;\r\n{\r\nint i; // Vector i\r\nw", "Vector"},
        {"String s;\r\ns.substring(1, 2).trim()", "String"},
        {"String s;\r\ns.length()", nullptr},
    };
    for (const Case& c : cases) {
        ScriptWindow& w = openScript(KindJava);
        setText(w, c.text);
        w.pane().SetSelStart(int(c.text.size()));
        type(w, QStringLiteral("."));
        JavaCompletion& comp = *w.completion();
        EXPECT_EQ(comp.listVisible(), c.listedClass != nullptr) << c.text.constData();
        if (c.listedClass) {
            app.tables.IsJavaClass(c.listedClass);
            EXPECT_EQ(comp.shownClass(), app.tables.results.foundJavaClassIndex)
                << c.text.constData();
        }
    }
}

// One import line for a class of one package; a choice when there are several.
TEST_F(JavaCompletionTest, ImportAssistantAddsOneImportLine) {
    type(window, QStringLiteral("Vector v;"));
    window.pane().SetSelStart(3);
    window.importPackage();
    EXPECT_EQ(window.pane().Text(), "import java.util.*;\r\nVector v;");
    EXPECT_EQ(window.pane().SelStart(), 24);
    EXPECT_EQ(window.modifiedTag(), "n");
    window.importPackage();
    EXPECT_EQ(window.pane().Text(), "import java.util.*;\r\nVector v;");

    ScriptWindow& list = openScript(KindJava);
    type(list, QStringLiteral("List"));
    dialogs.textAnswers = {QStringLiteral("3"), QStringLiteral("2")};
    list.importPackage();
    ASSERT_NE(dialogs.last("input"), nullptr);
    EXPECT_EQ(dialogs.last("input")->text, packageChoicePrompt({"java.awt", "java.util"}));
    EXPECT_EQ(list.pane().Text(), "List");
    list.importPackage();
    EXPECT_EQ(list.pane().Text(), "import java.util.*;\r\nList");
}

using ScriptFrameTest = FrameFixture;

TEST_F(ScriptFrameTest, FilesOpenInTheWindowOfTheirKind) {
    const QString script = QDir(app.programFolder).filePath("b.JS");
    ASSERT_TRUE(TestEnvironment::writeFile(script, "var b;\r\n"));
    frame->openFiles({script});
    auto* window = qobject_cast<ScriptWindow*>(frame->mdiArea()->currentSubWindow()->widget());
    ASSERT_TRUE(window);
    EXPECT_EQ(window->kind(), KindJscript);
}
