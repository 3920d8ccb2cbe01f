// The script windows: New and Open per kind, status bar, the keys they handle, save and close.
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>

#include "core/command_registry.h"
#include "script/script_commands.h"
#include "script_fixture.h"

namespace {
struct KindCase {
    WindowKind kind;
    const char* newCommand;
    const char* openCommand;
    const char* caption;
    const char* templateFile;
    const char* openTitle;
    const char* openFilter;
};
const KindCase kindCases[] = {
    {KindVbscript, "vbs", "openvbs", "VBScript", "vbscript.temp", "Open VBScript file ",
     "VBScript files(*.vbs)|*.vbs|Text Files(*.txt)|*.txt|All Files (*.*)|*.*"},
    {KindJscript, "jscript", "openjs", "JScript", "jscript.temp", "Open JScript file ",
     "JScript files(*.js)|*.js|Text Files(*.txt)|*.txt|All Files (*.*)|*.*"},
    {KindJava, "java", "openjava", "Java", "javatemp.temp", "Open java File ",
     "Java files(*.java)|*.java|Text Files(*.txt)|*.txt|All Files (*.*)|*.*"},
};

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
}  // namespace

class ScriptWindowTest : public ScriptFixture {
protected:
    ScriptWindowTest() {
        app.commands = &commands;
        registerScriptCommands(app, [this](EditorWindow* window) {
            auto* script = static_cast<ScriptWindow*>(window);
            script->resize(800, 600);
            script->show();
            script->activate();
            windows << script;
        });
    }
    ScriptWindow* current() { return static_cast<ScriptWindow*>(app.activeWindow()); }

    CommandRegistry commands;
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
        EXPECT_TRUE(window->undoRing().canUndo() || window->undoRing().undoDepth() >= 0);

        // A cancelled dialog opens nothing; a chosen file opens coloured, captioned by its path.
        const int before = int(windows.size());
        ASSERT_TRUE(commands.run(c.openCommand));
        EXPECT_EQ(dialogs.last("open")->title, c.openTitle);
        EXPECT_EQ(dialogs.last("open")->filter, c.openFilter);
        EXPECT_EQ(windows.size(), before);
        EXPECT_EQ(current(), window);

        const QString path = folder.filePath(QString(c.caption) + ".txt");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x = 1\r\n");
        file.close();
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
    ScriptWindow& window = open(KindJscript);
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
        ScriptWindow& window = open(c.kind);
        type(window, c.typed);
        EXPECT_EQ(window.pane().Text(), c.text) << c.typed.toStdString();
        EXPECT_EQ(window.pane().SelStart(), c.caret) << c.typed.toStdString();
    }
}

TEST_F(ScriptWindowTest, CloseQuestionSavesUntitledThroughTheDialogAndPathsDirectly) {
    QTemporaryDir folder;
    const QString chosen = folder.filePath("a.vbs");

    ScriptWindow& untitled = open(KindVbscript);
    type(untitled, "x");
    dialogs.messageAnswers = {MsgAnswer::Yes};
    dialogs.textAnswers = {chosen};
    EXPECT_TRUE(untitled.close());
    EXPECT_EQ(dialogs.last("message")->text, "You want to save changes ?");
    EXPECT_EQ(dialogs.last("save")->filter, "VBScript files(*.vbs)|*.vbs|All files(*.*)|*.*");
    EXPECT_EQ(readFile(chosen), "x");

    dialogs.asked.clear();
    ScriptWindow& titled = open(KindVbscript);
    titled.setCaption(chosen);
    type(titled, "y");
    dialogs.messageAnswers = {MsgAnswer::Yes};
    EXPECT_TRUE(titled.close());
    EXPECT_EQ(dialogs.last("save"), nullptr);
    EXPECT_EQ(readFile(chosen), "y");
}

TEST_F(ScriptWindowTest, CancellingTheSaveDialogKeepsTheWindowModified) {
    ScriptWindow& window = open(KindJava);
    type(window, "x");
    dialogs.textAnswers = {std::nullopt};
    EXPECT_FALSE(window.SaveDocument());
    EXPECT_EQ(window.modifiedTag(), "n");
    EXPECT_EQ(window.caption(), "Java1");
    EXPECT_TRUE(frame.enabled.value("Save"));
    EXPECT_EQ(window.panelText(3), "*");

    dialogs.messageAnswers = {MsgAnswer::Cancel};
    EXPECT_FALSE(window.close());
    EXPECT_EQ(app.currentJavaWindow, &window);
    EXPECT_EQ(app.activeWindowKind, KindJava);
}

TEST_F(ScriptWindowTest, AutosaveSavesOnTheSixtiethTick) {
    QTemporaryDir folder;
    ScriptWindow& window = open(KindJscript);
    window.setCaption(folder.filePath("t.js"));
    type(window, "z");
    for (int i = 0; i < 59; ++i) window.Timer1_Timer();
    EXPECT_FALSE(QFile::exists(folder.filePath("t.js")));
    window.Timer1_Timer();
    EXPECT_EQ(readFile(folder.filePath("t.js")), "z");
    EXPECT_EQ(window.autosaveTicks, 0);
    EXPECT_EQ(window.modifiedTag(), "s");
}

TEST_F(ScriptWindowTest, EachTypedLineIsAnUndoStepForCtrlZAndCtrlR) {
    ScriptWindow& window = open(KindVbscript);
    type(window, "a\nb\nc");
    QWidget* code = window.pane().widget();
    QTest::keyClick(code, Qt::Key_Z, Qt::ControlModifier);
    const QByteArray undone = window.pane().Text();
    EXPECT_TRUE(undone == "a\r\nb" || undone == "a\r\nb\r\n") << undone.constData();
    QTest::keyClick(code, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(window.pane().Text(), "a\r\nb\r\nc");
    EXPECT_EQ(window.modifiedTag(), "n");
}

// Whatever the window's width and however long the numbers get, no panel covers another. The windows sit in a parent, as in the frame's window area: only a
// top-level window is kept as wide as its contents want.
TEST_F(ScriptWindowTest, StatusPanelsNeverOverlap) {
    const int widths[] = {1600, 800, 433, 300, 160, 60};
    QWidget area;
    area.resize(1700, 400);
    area.show();
    for (const KindCase& c : kindCases) {
        ScriptWindow& window = open(c.kind);
        window.setParent(&area);
        window.show();
        setText(window, QByteArray(20000, 'x') + "\r\ny");
        window.pane().SetSelStart(19999);
        type(window, "x");
        for (const int width : widths) {
            SCOPED_TRACE(QStringLiteral("%1 at %2").arg(c.caption).arg(width).toStdString());
            window.resize(width, 300);
            QApplication::processEvents();
            const QStatusBar* bar = window.StatusBar1();
            const QList<QLabel*> panels = bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
            ASSERT_EQ(panels.size(), 6);
            for (int i = 0; i < panels.size(); ++i) {
                const QRect own = panels[i]->geometry();
                if (!panels[i]->isVisible()) continue;
                for (int j = i + 1; j < panels.size(); ++j)
                    EXPECT_FALSE(panels[j]->isVisible() && own.intersects(panels[j]->geometry()))
                        << i << " and " << j;
            }
        }
    }
}
