// The script windows: New and Open per kind, status bar, the keys they handle, save and close.
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "script/script_commands.h"
#include "support/editor_fixture.h"

namespace {
struct KindCase {
    WindowKind kind;
    const char* newCommand;
    const char* openCommand;
    const char* caption;
    const char* templateFile;
};
const KindCase kindCases[] = {
    {KindVbscript, "vbs", "openvbs", "VBScript", "vbscript.temp"},
    {KindJscript, "jscript", "openjs", "JScript", "jscript.temp"},
    {KindJava, "java", "openjava", "Java", "javatemp.temp"},
};
using TestEnvironment::readFile;
}  // namespace

class ScriptWindowTest : public EditorFixture {
protected:
    ScriptWindowTest() {
        registerScriptCommands(app, [this](EditorWindow* window) { adopt(window); });
    }
    ScriptWindow* current() { return static_cast<ScriptWindow*>(app.activeWindow()); }
};

TEST_F(ScriptWindowTest, NewAndOpenMakeEachKindOfWindow) {
    QTemporaryDir folder;
    for (const KindCase& c : kindCases) {
        SCOPED_TRACE(c.caption);
        ASSERT_TRUE(commands.run(c.newCommand));
        ASSERT_TRUE(commands.run(c.newCommand));
        ScriptWindow* window = current();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->caption(), QString(c.caption) + "2");
        EXPECT_EQ(app.activeWindowKind, c.kind);
        EXPECT_TRUE(window->isUntitled());
        EXPECT_EQ(window->modifiedTag(), "s");
        EXPECT_EQ(window->pane().Text(),
                  readFile(QDir(app.programFolder).filePath(c.templateFile)));

        // A cancelled dialog opens nothing; a chosen file opens coloured, captioned by its path.
        const int before = int(windows.size());
        ASSERT_TRUE(commands.run(c.openCommand));
        EXPECT_EQ(windows.size(), before);
        EXPECT_EQ(current(), window);

        const QString path = folder.filePath(QString(c.caption) + ".txt");
        ASSERT_TRUE(TestEnvironment::writeFile(path, "x = 1\r\n"));
        dialogs.textAnswers.push_back(path);
        ASSERT_TRUE(commands.run(c.openCommand));
        EXPECT_EQ(current()->caption(), path);
        EXPECT_FALSE(current()->isUntitled());
        EXPECT_EQ(current()->pane().Text(), "x = 1\r\n");
        EXPECT_EQ(colours(current()->pane()).substr(0, 5), "TTTTT");
    }
}

TEST_F(ScriptWindowTest, MissingTemplateLeavesTheWindowEmptyAndUnreadableFileIsReported) {
    QFile::remove(QDir(app.programFolder).filePath("jscript.temp"));
    ASSERT_TRUE(commands.run("jscript"));
    EXPECT_EQ(current()->pane().TextLength(), 0);
    TestEnvironment::resetProgramFolder();

    dialogs.textAnswers.push_back(QDir(app.programFolder).filePath("no such file.js"));
    const int before = int(windows.size());
    ASSERT_TRUE(commands.run("openjs"));
    EXPECT_EQ(windows.size(), before);
    ASSERT_NE(dialogs.last("message"), nullptr);
    EXPECT_TRUE(dialogs.last("message")->text.contains("no such file.js"));
}

TEST_F(ScriptWindowTest, StatusBarFollowsTheCaret) {
    ScriptWindow& window = openScript(KindJscript);
    setText(window, "ab\r\ncdef\r\n");
    window.pane().SetSelStart(7);
    window.statusUpdate();
    EXPECT_EQ(window.panelText(5), "Line Number 2");
    EXPECT_EQ(window.panelText(6), "Col Number 4");
    EXPECT_EQ(window.panelText(3), "");
    type(window, "x");
    EXPECT_EQ(window.panelText(3), "*");
    EXPECT_EQ(window.panelText(6), "Col Number 5");
    EXPECT_EQ(window.modifiedTag(), "n");
    EXPECT_TRUE(frame.enabled.value("Save"));
}

TEST_F(ScriptWindowTest, ParenthesisAndBraceWriteTheirTemplates) {
    struct Case {
        WindowKind kind;
        QString typed;
        QByteArray text;
        int caret;
    };
    const Case cases[] = {
        {KindVbscript, "f(", "f( )", 2},
        {KindVbscript, "{", "{", 1},
        {KindJscript, "{", "{\r\n\r\n}", 3},
        {KindJava, "if (", "if ( )", 4},
        {KindJava, "{", "{\r\n\r\n}", 3},
    };
    for (const Case& c : cases) {
        ScriptWindow& window = openScript(c.kind);
        type(window, c.typed);
        EXPECT_EQ(window.pane().Text(), c.text) << c.typed.toStdString();
        EXPECT_EQ(window.pane().SelStart(), c.caret) << c.typed.toStdString();
    }
}

TEST_F(ScriptWindowTest, CloseQuestionSavesUntitledThroughTheDialogAndPathsDirectly) {
    QTemporaryDir folder;
    const QString chosen = folder.filePath("a.vbs");

    ScriptWindow& untitled = openScript(KindVbscript);
    type(untitled, "x");
    dialogs.messageAnswers = {MsgAnswer::Yes};
    dialogs.textAnswers = {chosen};
    EXPECT_TRUE(untitled.close());
    EXPECT_EQ(dialogs.last("message")->text, "You want to save changes ?");
    EXPECT_EQ(readFile(chosen), "x");

    dialogs.asked.clear();
    ScriptWindow& titled = openScript(KindVbscript);
    titled.setCaption(chosen);
    type(titled, "y");
    dialogs.messageAnswers = {MsgAnswer::Yes};
    EXPECT_TRUE(titled.close());
    EXPECT_EQ(dialogs.last("save"), nullptr);
    EXPECT_EQ(readFile(chosen), "y");
}

TEST_F(ScriptWindowTest, EachTypedLineIsAnUndoStepForCtrlZAndCtrlR) {
    ScriptWindow& window = openScript(KindVbscript);
    type(window, "a\nb\nc");
    QWidget* code = window.pane().widget();
    QTest::keyClick(code, Qt::Key_Z, Qt::ControlModifier);
    const QByteArray undone = window.pane().Text();
    EXPECT_TRUE(undone == "a\r\nb" || undone == "a\r\nb\r\n") << undone.constData();
    QTest::keyClick(code, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(window.pane().Text(), "a\r\nb\r\nc");
    EXPECT_EQ(window.modifiedTag(), "n");
}
