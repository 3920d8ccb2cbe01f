// The Java menu's tools: pathc.tsh, the three lines of temp.bat each command writes, temp.html,
// the dialogs' fields, and nothing at all without a Java window.
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "script/java_tools.h"
#include "script/java_tools_commands.h"
#include "script/java_tools_dialogs.h"
#include "script_check_fixture.h"

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

struct RecordedRun {
    QByteArray batch;
    ConsoleShow show;
    QString sourceFolder;
};

class JavaToolsTest : public ScriptToolsFixture {
protected:
    JavaToolsTest() {
        QFile::remove(JavaTools::jdkPathFile());
        QFile::remove(JavaTools::batchFile());
        JavaTools::setBatchRunner([this](const QString& batch, ConsoleShow show, const QString& folder, QWidget*) {
            runs.push_back({fileBytes(batch), show, folder});
        });
        registerJavaToolCommands(app);
    }
    ~JavaToolsTest() override { JavaTools::setBatchRunner(nullptr); }

    template <typename T = ToolDialog>
    T* dialog(const QString& name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible()) return qobject_cast<T*>(w);
        return nullptr;
    }
    static QLineEdit* field(QWidget* dialog, const char* name) {
        return dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static void clickOk(QWidget* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    }

    std::vector<RecordedRun> runs;
};

TEST_F(JavaToolsTest, EachCommandWritesTheThreeBatchLines) {
    ASSERT_TRUE(JavaTools::writeJdkFolder(app, QStringLiteral("/opt/jdk/bin")));
    EXPECT_EQ(fileBytes(JavaTools::jdkPathFile()), QByteArray("\"/opt/jdk/bin\"\r\n"));
    openWindow(KindJava, "public class Hello {}\r\n", QStringLiteral("/home/ann/src/Hello.java"));

    commands.run(QStringLiteral("compl"));
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].batch, "path = /opt/jdk/bin\r\njavac /home/ann/src/Hello.java\r\n@pause\r\n");
    EXPECT_EQ(runs[0].show, ConsoleShow::Normal);
    EXPECT_EQ(runs[0].sourceFolder, QStringLiteral("/home/ann/src"));

    commands.run(QStringLiteral("comm"));
    commands.run(QStringLiteral("comm"));  // the open dialog only comes forward
    ToolDialog* cmd1 = dialog(QStringLiteral("cmd1"));
    ASSERT_TRUE(cmd1);
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) open += w->objectName() == "cmd1" && w->isVisible();
    EXPECT_EQ(open, 1);
    QTest::keyClicks(field(cmd1, "Text1"), QStringLiteral("ls -l \"a b\" | wc"));
    clickOk(cmd1);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1].batch, "path = /opt/jdk/bin\r\nls -l \"a b\" | wc\r\n@pause\r\n");
    EXPECT_EQ(runs[1].show, ConsoleShow::Normal);
}

TEST_F(JavaToolsTest, AMissingPathFileLeavesThePathLineBare) {
    openWindow(KindJava, "", QStringLiteral("/src/A.java"));
    commands.run(QStringLiteral("compl"));
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].batch, "path = \r\njavac /src/A.java\r\n@pause\r\n");
}

TEST_F(JavaToolsTest, RunStartsTheClassUnderTheCaretAtOnce) {
    PlainScriptWindow* window = openWindow(KindJava, "public class Hello {\r\n  Hello(x);\r\n}\r\n",
                                           QStringLiteral("/src/Hello.java"));
    window->pane().SetSelStart(26);  // inside "Hello(x)" on line 2
    commands.run(QStringLiteral("run"));
    QTest::qWait(50);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].batch, "path = \r\njava Hello\r\n@pause\r\n");
    EXPECT_EQ(runs[0].show, ConsoleShow::Maximised);
    EXPECT_FALSE(dialog(QStringLiteral("runjava")));

    // On a blank the dialog waits for a name; Enter runs it.
    window->pane().SetSelStart(0);
    window->pane().SetText("   \r\n");
    window->pane().SetSelStart(1);
    commands.run(QStringLiteral("run"));
    QTest::qWait(50);
    ToolDialog* runjava = dialog(QStringLiteral("runjava"));
    ASSERT_TRUE(runjava);
    EXPECT_EQ(runs.size(), 1u);
    QTest::keyClicks(field(runjava, "Text1"), QStringLiteral("Other"));
    QTest::keyClick(field(runjava, "Text1"), Qt::Key_Return);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1].batch, "path = \r\njava Other\r\n@pause\r\n");
}

TEST_F(JavaToolsTest, WordAtCaretStopsAtTheDelimiters) {
    PlainScriptWindow* window = openWindow(KindJava, "", QStringLiteral("/src/A.java"));
    struct Case {
        QByteArray text;
        int caret;
        QString word;
    } cases[] = {
        {"new Foo(bar);", 5, "Foo"},     {"x.Bar.baz", 3, "Bar"},    {"{Abc}", 1, "Abc"},
        {"a\r\nHello\r\n", 3, "Hello"},  {"a b", 1, "a"},            {"\tName,", 5, "Name"},
        {"(  )", 2, ""},
    };
    for (const Case& c : cases) {
        window->pane().SetText(c.text);
        window->pane().SetSelStart(c.caret);
        EXPECT_EQ(JavaTools::wordAtCaret(window->pane()), c.word) << c.text.constData();
    }
}

TEST_F(JavaToolsTest, AppletViewerTakesDigitsOnlyAndWritesThePage) {
    openWindow(KindJava, "", QStringLiteral("/home/ann/applets/Clock.java"));
    commands.run(QStringLiteral("appl"));
    ToolDialog* appletv = dialog(QStringLiteral("appletv"));
    ASSERT_TRUE(appletv);
    EXPECT_EQ(appletv->windowTitle(), QStringLiteral("Java AppletViewer "));
    QTest::keyClicks(field(appletv, "Text1"), QStringLiteral("2a0-0x"));
    QTest::keyClicks(field(appletv, "Text2"), QStringLiteral("W35O"));
    EXPECT_EQ(field(appletv, "Text1")->text(), QStringLiteral("200"));
    EXPECT_EQ(field(appletv, "Text2")->text(), QStringLiteral("35"));
    QTest::keyClick(field(appletv, "Text2"), Qt::Key_Backspace);
    clickOk(appletv);
    EXPECT_EQ(fileBytes(JavaTools::appletPageFile()),
              "<html><applet code = \"Clock.class\" height=\"200\" width =\"3\"></applet></html>");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].batch, "path = \r\nAppletviewer temp.html\r\n@pause\r\n");
}

TEST_F(JavaToolsTest, ClassNamesComeFromEitherKindOfPath) {
    EXPECT_EQ(JavaTools::classNameOfSource(QStringLiteral("C:\\java\\My.App.java")), QStringLiteral("My.App"));
    EXPECT_EQ(JavaTools::classNameOfSource(QStringLiteral("/a/b/Clock.java")), QStringLiteral("Clock"));
    EXPECT_EQ(JavaTools::classNameOfSource(QStringLiteral("Plain")), QStringLiteral("Plain"));
}

TEST_F(JavaToolsTest, WithoutAJavaWindowCompileRunAndAppletDoNothing) {
    for (const char* name : {"compl", "run", "appl"}) commands.run(QString::fromLatin1(name));
    QTest::qWait(20);
    EXPECT_TRUE(runs.empty());
    EXPECT_FALSE(dialog(QStringLiteral("runjava")));
    EXPECT_FALSE(dialog(QStringLiteral("appletv")));
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(JavaToolsTest, SetPathBrowsesForTheProgramAndKeepsItsFolder) {
    commands.run(QStringLiteral("setpath"));
    ToolDialog* brvpath = dialog(QStringLiteral("brvpath"));
    ASSERT_TRUE(brvpath);
    QPushButton* browse = brvpath->findChild<QPushButton*>(QStringLiteral("Command1"));
    dialogs.textAnswers = {QStringLiteral("/usr/lib/jvm/jdk-17/bin/javac"), std::nullopt};
    QTest::mouseClick(browse, Qt::LeftButton);
    EXPECT_EQ(field(brvpath, "Text1")->text(), QStringLiteral("/usr/lib/jvm/jdk-17/bin"));
    ASSERT_TRUE(dialogs.last("open"));
    EXPECT_EQ(dialogs.last("open")->title, QStringLiteral("Open java.exe"));
    EXPECT_EQ(dialogs.last("open")->filter, QStringLiteral("java.exe|Java.exe"));
    QTest::mouseClick(browse, Qt::LeftButton);  // cancelled: the field is kept
    EXPECT_EQ(field(brvpath, "Text1")->text(), QStringLiteral("/usr/lib/jvm/jdk-17/bin"));
    clickOk(brvpath);
    EXPECT_EQ(fileBytes(JavaTools::jdkPathFile()), QByteArray("\"/usr/lib/jvm/jdk-17/bin\"\r\n"));
    EXPECT_EQ(JavaTools::readJdkFolder(), QStringLiteral("/usr/lib/jvm/jdk-17/bin"));

    // The dialog opens on the folder already set; Cancel writes nothing.
    commands.run(QStringLiteral("setpath"));
    brvpath = dialog(QStringLiteral("brvpath"));
    ASSERT_TRUE(brvpath);
    EXPECT_EQ(field(brvpath, "Text1")->text(), QStringLiteral("/usr/lib/jvm/jdk-17/bin"));
    field(brvpath, "Text1")->setText(QStringLiteral("/elsewhere"));
    QTest::mouseClick(brvpath->findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
    EXPECT_EQ(JavaTools::readJdkFolder(), QStringLiteral("/usr/lib/jvm/jdk-17/bin"));
}

TEST_F(JavaToolsTest, FolderOfProgramCutsAtTheLastSeparator) {
    EXPECT_EQ(JavaTools::folderOfProgram(QStringLiteral("C:\\jdk1.3\\bin\\java.exe")), QStringLiteral("C:\\jdk1.3\\bin"));
    EXPECT_EQ(JavaTools::folderOfProgram(QStringLiteral("/usr/bin/java")), QStringLiteral("/usr/bin"));
    EXPECT_EQ(JavaTools::folderOfProgram(QStringLiteral("java")), QString());
}

}  // namespace
