// Script > Compile Script on the current VBScript or JScript window.
#include <QPointer>

#include "script/script_check.h"
#include "script/script_check_commands.h"
#include "script_check_fixture.h"

namespace {

class CompileScript : public ScriptToolsFixture {
protected:
    LanguageScriptChecker checker;
};

TEST_F(CompileScript, AnErrorSelectsItsLineBeforeTheMessage) {
    struct Case {
        WindowKind kind;
        QByteArray text;
        QString selected;
        QString title;
        QString description;
    } cases[] = {
        {KindVbscript, "Dim i\r\nFor i = 1 To 3\r\n  WScript.Echo i\r\nSub X\r\nEnd Sub\r\n",
         "Sub X", "VBScript Syntax Error", "Expected 'Next'\nLine 4, column 1"},
        {KindVbscript, "x = 1\nIf x = 1\n", "If x = 1", "VBScript Syntax Error",
         "Expected 'Then'\nLine 2, column 9"},
        {KindJscript, "var a = 1;\nvar b = (2;\nvar c;\n", "var b = (2;", "JScript Syntax Error",
         "Expected ','\nLine 2, column 11"},
    };
    for (const Case& c : cases) {
        dialogs.asked.clear();
        StubWindow* window = openWindow(c.kind, c.text, QStringLiteral("script"));
        runsc(app, checker);
        ASSERT_EQ(dialogs.asked.size(), 1u);
        EXPECT_EQ(dialogs.asked[0].context, c.selected);
        EXPECT_EQ(dialogs.asked[0].title, c.title);
        EXPECT_EQ(dialogs.asked[0].text, c.description);
        EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Exclamation);
        delete window;
    }
}

TEST_F(CompileScript, ACleanScriptSaysNoErrorFound) {
    openWindow(KindVbscript, "WScript.Echo \"hi\"\r\n", QStringLiteral("VBScript1"));
    commands.add(QStringLiteral("runsc"), [this] { runsc(app, checker); });
    commands.run(QStringLiteral("runsc"));
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, QStringLiteral("No Error found"));
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("Tessavel Script compiler"));
    EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Exclamation);
}

TEST_F(CompileScript, TheQuietFormShowsErrorsWithTheStopIconOnly) {
    openWindow(KindJscript, "var ok = 1;\n", QStringLiteral("JScript1"));
    runsc(app, checker, CheckReport::ErrorsOnly);
    EXPECT_TRUE(dialogs.asked.empty());
    openWindow(KindVbscript, "If a Then\n", QStringLiteral("VBScript1"));
    runsc(app, checker, CheckReport::ErrorsOnly);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Critical);
    EXPECT_EQ(dialogs.asked[0].text, QStringLiteral("Expected 'End'\nLine 2, column 1"));
}

TEST_F(CompileScript, OtherKindsAndMissingWindowsDoNothing) {
    openWindow(KindJava, "class A {\n", QStringLiteral("Java1"));
    runsc(app, checker);
    app.activeWindowKind = KindVbscript;  // the kind without a window of it
    runsc(app, checker);
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(CompileScript, SelectLineCoversTheLineWithoutItsBreak) {
    StubWindow* window = openWindow(KindVbscript, "", QStringLiteral("v"));
    EditorPane& pane = window->pane();
    struct Case {
        QByteArray text;
        int line;
        int start;
        QString selected;
    } cases[] = {
        {"ab\r\ncd\r\nef", 2, 4, "cd"},
        {"ab\ncd\nef", 3, 6, "ef"},
        {"ab\r\n\r\nef\r\n", 2, 4, ""},
        {"ab\r\n", 2, 4, ""},   // the empty line after the last break
        {"ab", 5, 2, ""},       // past the end: the caret at the end
    };
    for (const Case& c : cases) {
        pane.SetText(c.text);
        selectLine(pane, c.line);
        EXPECT_EQ(pane.SelStart(), c.start) << c.text.constData();
        EXPECT_EQ(pane.SelText(), c.selected) << c.text.constData();
    }
}

}  // namespace
