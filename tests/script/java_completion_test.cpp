// Member lists and the import assistant of the Java window.
#include <QListView>

#include "script/import_assistant.h"
#include "script/java_completion.h"
#include "script/member_files.h"
#include "support/editor_fixture.h"

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
    EXPECT_EQ(completion().shownClass(), [&] {
        app.tables.IsJavaClass("String");
        return int(app.tables.results.foundJavaClassIndex);
    }());
    // String's own members, then Object's.
    const QStringList shown = completion().shownItems();
    EXPECT_TRUE(shown.contains("charAt(int) : char"));
    EXPECT_TRUE(shown.contains("getClass() : Class<?>"));
    EXPECT_LT(shown.indexOf("charAt(int) : char"), shown.indexOf("getClass() : Class<?>"));
    EXPECT_EQ(completion().jput().size(), shown.size());
    EXPECT_EQ(int(completion().jreturn().size()), shown.size());

    type(window, QStringLiteral("TRI"));
    EXPECT_EQ(insertedText(selectedInsertion()), "trim(");
    // Only the members that begin with the typed letters stay; none left closes the list.
    EXPECT_TRUE(list()->isRowHidden(int(shown.indexOf("charAt(int) : char"))));
    type(window, QStringLiteral("q"));
    EXPECT_FALSE(completion().listVisible());
    EXPECT_TRUE(window.pane().Text().endsWith("s.TRIq"));

    // Tab takes the chosen member; a blank closes the list and is typed.
    type(window, QStringLiteral("\ns."));
    ASSERT_TRUE(completion().listVisible());
    type(window, QStringLiteral("len"));
    QTest::keyClick(window.pane().widget(), Qt::Key_Tab);
    type(window, QStringLiteral("\ns.len "));
    EXPECT_FALSE(completion().listVisible());
    EXPECT_EQ(window.pane().Text(), "String s = \"x\"; s.TRIq\r\ns.length(\r\ns.len ");
}

TEST_F(JavaCompletionTest, ListKeysMoveSelectAndAccept) {
    type(window, QStringLiteral("Math."));
    ASSERT_TRUE(completion().listVisible());
    QTest::keyClick(window.pane().widget(), Qt::Key_Down);
    EXPECT_TRUE(completion().listVisible());
    QTest::keyClick(list(), Qt::Key_Down);
    const QString chosen = insertedText(selectedInsertion());
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_FALSE(completion().listVisible());
    EXPECT_EQ(window.pane().Text(), ("Math." + chosen).toUtf8());
    EXPECT_FALSE(chosen.contains('\t'));

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
        {"String s;\r\ns.trim()", "String"},
        {"String s;\r\ns.substring(1, 2).trim()", "String"},
        {"String s;\r\ns.length()", nullptr},
        {"StringBuffer b;\r\nb.append(\"x\")", "StringBuffer"},
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
        EXPECT_EQ(w.pane().Text(), c.text + '.');
    }
}

TEST_F(JavaCompletionTest, ImportAssistantAddsOneImportLine) {
    type(window, QStringLiteral("Vector v;"));
    window.pane().SetSelStart(3);
    window.importPackage();
    EXPECT_EQ(window.pane().Text(), "import java.util.*;\r\nVector v;");
    EXPECT_EQ(window.pane().SelStart(), 24);
    EXPECT_EQ(colours(window.pane()).substr(0, 21), "KKKKKKTTTTTTTTTTTTTTT");
    EXPECT_EQ(window.modifiedTag(), "n");
    window.importPackage();
    EXPECT_EQ(window.pane().Text(), "import java.util.*;\r\nVector v;");
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(JavaCompletionTest, ImportAssistantAsksWhichPackageWhenThereAreSeveral) {
    type(window, QStringLiteral("List"));
    dialogs.textAnswers = {QStringLiteral("3")};
    window.importPackage();
    ASSERT_NE(dialogs.last("input"), nullptr);
    EXPECT_EQ(dialogs.last("input")->text, packageChoicePrompt({"java.awt", "java.util"}));
    EXPECT_EQ(window.pane().Text(), "List");

    dialogs.textAnswers = {QStringLiteral("2")};
    window.importPackage();
    EXPECT_EQ(window.pane().Text(), "import java.util.*;\r\nList");

    EXPECT_EQ(packageChoicePrompt({"a.b", "c.d", "e.f"}),
              "1. a.b\n2. c.d\n3. e.f\n\nEnter Package Number to import");
}
