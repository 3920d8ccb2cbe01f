// The script windows inside the main window: its New commands, the menus each kind switches
// on, and files named on the command line opening in the window of their kind.
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "script/script_commands.h"
#include "script/script_window.h"
#include "shell/frame_fixture.h"
#include "support/test_environment.h"

namespace {
using ScriptFrameTest = FrameFixture;

QString writeFile(const QString& name, const QByteArray& text) {
    const QString path = QDir(TestEnvironment::programFolder()).filePath(name);
    TestEnvironment::writeFile(path, text);
    return path;
}
}  // namespace

TEST_F(ScriptFrameTest, EachKindSwitchesOnItsOwnMenu) {
    struct Case {
        const char* command;
        WindowKind kind;
        bool java;
        bool script;
    };
    for (const Case& c : {Case{"java", KindJava, true, false}, Case{"vbs", KindVbscript, false, true},
                          Case{"jscript", KindJscript, false, true}}) {
        run(c.command);
        EXPECT_EQ(app.activeWindowKind, c.kind) << c.command;
        EXPECT_EQ(on("mnujava"), c.java) << c.command;
        EXPECT_EQ(on("mnuscript"), c.script) << c.command;
        EXPECT_FALSE(on("mnHTML")) << c.command;
        EXPECT_TRUE(on("Edit")) << c.command;
        EXPECT_FALSE(on("Save")) << c.command;
    }
    EXPECT_NE(app.currentJavaWindow, nullptr);
    EXPECT_NE(app.currentVbscriptWindow, nullptr);
    EXPECT_NE(app.currentJscriptWindow, nullptr);

    // The last script window closed takes its menus with it.
    for (QMdiSubWindow* sub : frame->mdiArea()->subWindowList()) sub->close();
    EXPECT_EQ(app.activeWindowKind, KindNone);
    EXPECT_FALSE(on("mnuscript"));
    EXPECT_FALSE(on("Edit"));
}

TEST_F(ScriptFrameTest, FilesOpenInTheWindowOfTheirKind) {
    EXPECT_EQ(scriptKindOfFile("a/b.VBS"), KindVbscript);
    EXPECT_EQ(scriptKindOfFile("b.js"), KindJscript);
    EXPECT_EQ(scriptKindOfFile("C.java"), KindJava);
    EXPECT_EQ(scriptKindOfFile("page.html"), KindNone);

    const QString java = writeFile("A.java", "class A {}\r\n");
    const QString script = writeFile("b.js", "var b;\r\n");
    frame->openFiles({java, script});
    const QList<QMdiSubWindow*> subs = frame->mdiArea()->subWindowList();
    ASSERT_EQ(subs.size(), 2);
    auto* first = qobject_cast<ScriptWindow*>(subs[0]->widget());
    auto* second = qobject_cast<ScriptWindow*>(subs[1]->widget());
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->kind(), KindJava);
    EXPECT_EQ(first->caption(), java);
    EXPECT_EQ(second->kind(), KindJscript);
    EXPECT_EQ(second->pane().Text(), "var b;\r\n");
}
