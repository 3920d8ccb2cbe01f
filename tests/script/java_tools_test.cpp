// The Java menu's tools: pathc.tsh, the three lines of temp.bat each command writes, the
// argument lists the tools get, temp.html, the dialogs' fields, missing tools and unsaved
// files, and nothing at all without a Java window.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "script/java_tools.h"
#include "script/java_tools_commands.h"
#include "script/java_tools_dialogs.h"
#include "script_check_fixture.h"

namespace {

using TestEnvironment::readFile;

struct RecordedRun {
    QByteArray batch;
    ConsoleCommand command;
    ConsoleShow show;
};

class JavaToolsTest : public ScriptToolsFixture {
protected:
    JavaToolsTest() {
        QFile::remove(JavaTools::jdkPathFile());
        QFile::remove(JavaTools::batchFile());
        JavaTools::setConsoleRunner([this](const ConsoleCommand& command, ConsoleShow show, QWidget*) {
            runs.push_back({readFile(JavaTools::batchFile()), command, show});
        });
        registerJavaToolCommands(app);
        // A kit of stand-ins, so that what runs does not depend on the machine's own JDK.
        QDir(folder.path()).mkdir("jdk bin");
        for (const char* tool : {"javac", "java", "appletviewer"}) {
            QFile file(jdk() + '/' + tool);
            file.open(QIODevice::WriteOnly);
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        }
    }
    ~JavaToolsTest() override { JavaTools::setConsoleRunner(nullptr); }

    QString jdk() const { return folder.filePath("jdk bin"); }
    // A Java window on a file saved in the test's folder.
    StubWindow* openSaved(const QByteArray& text, const QString& name) {
        TestEnvironment::writeFile(folder.filePath(name), text);
        return openWindow(KindJava, text, folder.filePath(name));
    }

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

    QTemporaryDir folder;
    std::vector<RecordedRun> runs;
};

TEST_F(JavaToolsTest, ToolsStartWithArgumentListsAndTheBatchLineQuotesThem) {
    ASSERT_TRUE(JavaTools::writeJdkFolder(app, jdk()));
    EXPECT_EQ(readFile(JavaTools::jdkPathFile()), '"' + jdk().toUtf8() + "\"\r\n");
    QDir(folder.path()).mkdir("it's $(here)");
    const QString source = folder.filePath("it's $(here)/Hello.java");
    openSaved("public class Hello {}\r\n", "it's $(here)/Hello.java");

    commands.run(QStringLiteral("compl"));
    ASSERT_EQ(runs.size(), 1u);
    const QString quoted = "'" + folder.path() + "/it'\\''s $(here)/Hello.java'";
    EXPECT_EQ(runs[0].batch, "path = " + jdk().toUtf8() + "\r\njavac " + quoted.toUtf8() + "\r\n@pause\r\n");
    EXPECT_EQ(runs[0].command.line, "javac " + quoted);
    EXPECT_EQ(runs[0].command.arguments, QStringList({jdk() + "/javac", source}));
    EXPECT_EQ(runs[0].show, ConsoleShow::Normal);
    const QProcessEnvironment& environment = runs[0].command.environment;
    EXPECT_TRUE(environment.value("PATH").startsWith(jdk() + ':'));
    EXPECT_TRUE(environment.value("CLASSPATH").startsWith(folder.filePath("it's $(here)") + ':'));
    EXPECT_EQ(runs[0].command.folder, QFileInfo(JavaTools::batchFile()).absolutePath());

    // The Command dialog is the one place where a line goes to the shell, as typed.
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
    EXPECT_EQ(runs[1].batch, "path = " + jdk().toUtf8() + "\r\nls -l \"a b\" | wc\r\n@pause\r\n");
    EXPECT_EQ(runs[1].command.line, "ls -l \"a b\" | wc");
    EXPECT_TRUE(runs[1].command.arguments.isEmpty());
}

TEST_F(JavaToolsTest, AMissingToolSaysWhichAndWhatProvidesItAndNothingRuns) {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.path().toUtf8());  // nothing there
    openSaved("class Clock {}", "Clock.java");
    const struct {
        const char* command;
        const char* says;
    } rows[] = {
        {"compl", "The Java compiler, \"javac\", was not found on the search path (PATH), and no folder is set"},
        {"run", "default-jdk-headless"},
        {"appl", "Java kits from version 11 on have none"},
    };
    for (const auto& row : rows) {
        dialogs.asked.clear();
        commands.run(QString::fromLatin1(row.command));
        QCoreApplication::processEvents();  // the dialog fills itself in a queued call
        for (const char* name : {"runjava", "appletv"})
            if (ToolDialog* d = dialog(QString::fromLatin1(name))) {
                field(d, "Text1")->setText("1");
                clickOk(d);
            }
        ASSERT_EQ(dialogs.asked.size(), 1u) << row.command;
        EXPECT_TRUE(dialogs.asked[0].text.contains(QString::fromLatin1(row.says))) << dialogs.asked[0].text.toStdString();
    }
    qputenv("PATH", path);
    EXPECT_TRUE(runs.empty());
    EXPECT_FALSE(QFile::exists(JavaTools::batchFile()));
    // Looked for in the Set Path folder first, and that folder is named.
    EXPECT_TRUE(JavaTools::missingToolMessage("javac", "/opt/jdk").contains("in \"/opt/jdk\" (the folder set with Java > Set Path)"));
    EXPECT_EQ(JavaTools::findTool("javac", jdk()), jdk() + "/javac");
}

TEST_F(JavaToolsTest, ToolsWorkOnlyOnTheFileAsSaved) {
    ASSERT_TRUE(JavaTools::writeJdkFolder(app, jdk()));
    const QString saved = folder.filePath("Saved.java");
    // What the window is like, the answer to the question, the question, and whether javac ran.
    const struct {
        const char* state;
        MsgAnswer answer;
        const char* question;
        bool runs;
    } rows[] = {
        {"untitled", MsgAnswer::No, "\"Java1\" has not been saved yet.", false},
        {"untitled", MsgAnswer::Yes, "\"Java1\" has not been saved yet.", true},
        {"modified", MsgAnswer::No, "has changes that are not saved.", false},
        {"modified", MsgAnswer::Yes, "has changes that are not saved.", true},
        {"gone", MsgAnswer::Yes, "is no longer on disk.", true},
        {"saved", MsgAnswer::No, nullptr, true},
    };
    for (const auto& row : rows) {
        QFile::remove(saved);
        runs.clear();
        dialogs.asked.clear();
        const QString state = QString::fromLatin1(row.state);
        StubWindow* window = state == "untitled" ? openWindow(KindJava, "class Saved {}", "Java1")
                                                        : openSaved("class Saved {}", "Saved.java");
        if (state == "modified") {
            window->pane().SetText("class Saved { int x; }");
            window->setModifiedTag("n");
        }
        if (state == "gone") QFile::remove(saved);
        dialogs.messageAnswers = {row.answer};
        dialogs.textAnswers = {saved};
        commands.run(QStringLiteral("compl"));
        if (row.question) {
            ASSERT_FALSE(dialogs.asked.empty()) << row.state;
            EXPECT_TRUE(dialogs.asked[0].text.contains(QString::fromLatin1(row.question)))
                << dialogs.asked[0].text.toStdString();
            EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::YesNo);
        } else {
            EXPECT_TRUE(dialogs.asked.empty());
        }
        ASSERT_EQ(runs.size(), row.runs ? 1u : 0u) << row.state;
        if (row.runs) {
            EXPECT_EQ(runs[0].command.arguments.value(1), saved);
            EXPECT_EQ(readFile(saved), window->pane().Text());
        }
        delete window;
    }
}

TEST_F(JavaToolsTest, RunOffersTheClassOfTheCurrentWindowAsItIsNow) {
    ASSERT_TRUE(JavaTools::writeJdkFolder(app, jdk()));
    StubWindow* window = openSaved("public class Hello {\r\n  Hello(x);\r\n}\r\n", "Hello.java");
    window->pane().SetSelStart(26);  // inside "Hello(x)" on line 2: it starts at once
    commands.run(QStringLiteral("run"));
    QCoreApplication::processEvents();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].batch, "path = " + jdk().toUtf8() + "\r\njava Hello\r\n@pause\r\n");
    EXPECT_EQ(runs[0].command.arguments, QStringList({jdk() + "/java", "Hello"}));
    EXPECT_EQ(runs[0].show, ConsoleShow::Maximised);
    EXPECT_FALSE(dialog(QStringLiteral("runjava")));

    // On a blank the dialog offers the window's own class and waits.
    window->pane().SetSelStart(0);
    window->pane().SetText("   \r\n");
    window->setModifiedTag("s");
    window->pane().SetSelStart(1);
    commands.run(QStringLiteral("run"));
    QCoreApplication::processEvents();
    ToolDialog* runjava = dialog(QStringLiteral("runjava"));
    ASSERT_TRUE(runjava);
    EXPECT_EQ(runjava->text(0), QStringLiteral("Hello"));
    EXPECT_EQ(runs.size(), 1u);

    // Still open, it offers the class of the Java window that is current now. Enter runs it,
    // the words after the class name being the program's arguments.
    StubWindow* other = openSaved("  \r\n", "Other.java");
    other->pane().SetSelStart(1);
    commands.run(QStringLiteral("run"));
    QCoreApplication::processEvents();
    ASSERT_EQ(dialog(QStringLiteral("runjava")), runjava);
    EXPECT_EQ(runjava->text(0), QStringLiteral("Other"));
    QTest::keyClicks(field(runjava, "Text1"), QStringLiteral("  first 'second'"));
    QTest::keyClick(field(runjava, "Text1"), Qt::Key_Return);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1].command.line, "java Other first ''\\''second'\\'''");
    EXPECT_EQ(runs[1].command.arguments, QStringList({jdk() + "/java", "Other", "first", "'second'"}));
}

TEST_F(JavaToolsTest, AppletViewerTakesDigitsOnlyAndWritesThePage) {
    ASSERT_TRUE(JavaTools::writeJdkFolder(app, jdk()));
    openSaved("", "Clock.java");
    commands.run(QStringLiteral("appl"));
    ToolDialog* appletv = dialog(QStringLiteral("appletv"));
    ASSERT_TRUE(appletv);
    QTest::keyClicks(field(appletv, "Text1"), QStringLiteral("2a0-0x"));
    QTest::keyClicks(field(appletv, "Text2"), QStringLiteral("W35O"));
    EXPECT_EQ(field(appletv, "Text1")->text(), QStringLiteral("200"));
    EXPECT_EQ(field(appletv, "Text2")->text(), QStringLiteral("35"));
    QTest::keyClick(field(appletv, "Text2"), Qt::Key_Backspace);
    clickOk(appletv);
    EXPECT_EQ(readFile(JavaTools::appletPageFile()),
              "<html><applet code = \"Clock.class\" height=\"200\" width =\"3\"></applet></html>");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].batch, "path = " + jdk().toUtf8() + "\r\nappletviewer temp.html\r\n@pause\r\n");
    EXPECT_EQ(runs[0].command.arguments, QStringList({jdk() + "/appletviewer", "temp.html"}));
}

TEST_F(JavaToolsTest, WordAtCaretStopsAtTheDelimiters) {
    StubWindow* window = openWindow(KindJava, "", QStringLiteral("/src/A.java"));
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

TEST_F(JavaToolsTest, WithoutAJavaWindowCompileRunAndAppletDoNothing) {
    for (const char* name : {"compl", "run", "appl"}) commands.run(QString::fromLatin1(name));
    QCoreApplication::processEvents();
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
    QTest::mouseClick(browse, Qt::LeftButton);  // cancelled: the field is kept
    EXPECT_EQ(field(brvpath, "Text1")->text(), QStringLiteral("/usr/lib/jvm/jdk-17/bin"));
    clickOk(brvpath);
    EXPECT_EQ(readFile(JavaTools::jdkPathFile()), QByteArray("\"/usr/lib/jvm/jdk-17/bin\"\r\n"));
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

TEST(JavaToolsPaths, ClassAndFolderNamesComeFromEitherKindOfPath) {
    const struct {
        QString (*part)(const QString&);
        const char* path;
        const char* expected;
    } rows[] = {
        {JavaTools::classNameOfSource, "C:\\java\\My.App.java", "My.App"},
        {JavaTools::classNameOfSource, "/a/b/Clock.java", "Clock"},
        {JavaTools::classNameOfSource, "Plain", "Plain"},
        {JavaTools::folderOfProgram, "C:\\jdk1.3\\bin\\java.exe", "C:\\jdk1.3\\bin"},
        {JavaTools::folderOfProgram, "/usr/bin/java", "/usr/bin"},
        {JavaTools::folderOfProgram, "java", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(row.part(QString::fromLatin1(row.path)), row.expected) << row.path;
}

}  // namespace
