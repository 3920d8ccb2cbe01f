// Script > Compile Script, the Java menu's tools (pathc.tsh, temp.bat, the argument lists,
// temp.html, the dialogs' fields, missing tools, unsaved files) and our console running real
// commands.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "platform/console_window.h"
#include "script/java_tools.h"
#include "script/java_tools_commands.h"
#include "script/java_tools_dialogs.h"
#include "script/script_check_commands.h"
#include "support/editor_fixture.h"

namespace {
using TestEnvironment::readFile;

// Stub windows (the commands reach windows only through EditorWindow and its pane) whose Save
// writes the text under the caption, or for an untitled window under the name the save dialog
// gives. Every window, dialog and console a test leaves open is closed after it.
class ScriptToolsTest : public EditorFixture {
protected:
    ScriptToolsTest() {
        QFile::remove(JavaTools::jdkPathFile());
        QFile::remove(JavaTools::batchFile());
        registerJavaToolCommands(app);
        registerScriptCheckCommands(app);
    }
    ~ScriptToolsTest() override {
        QList<QPointer<QWidget>> open;
        for (QWidget* w : QApplication::topLevelWidgets()) open << w;
        for (const QPointer<QWidget>& w : open) delete w.data();
    }

    // A window of the kind holding the text, active and unmodified, as a file just opened; each
    // message box's record notes what its pane had selected.
    StubWindow* openWindow(WindowKind kind, const QByteArray& text, const QString& caption) {
        StubWindow* window = &openStub(kind, text);
        window->setCaption(caption);
        window->save = [this, window] {
            std::optional<QString> path = window->caption();
            FileDialogRequest request;
            if (window->isUntitled()) path = dialogs.saveFile(request);
            if (!path || !TestEnvironment::writeFile(*path, window->pane().Text())) return false;
            window->setCaption(*path);
            window->setModifiedTag(QStringLiteral("s"));
            return true;
        };
        dialogs.context = [w = QPointer<StubWindow>(window)] {
            return w ? w->pane().SelText() : QString();
        };
        return window;
    }

    QTemporaryDir folder;
};

using CompileScript = ScriptToolsTest;

// The error's line is selected (without its break) before the message, which names what was
// expected, the line and the column in characters. A message that starts with a line break
// stands for the engine's own words: there the line alone is checked. A clean script says so;
// the quiet form shows errors only, with the stop icon. Nothing runs.
TEST_F(CompileScript, AnErrorSelectsItsLineBeforeTheMessageAndACleanScriptSaysSo) {
    struct Case {
        WindowKind kind;
        QByteArray text;
        QString selected;
        QString message;  // empty: none
        const char* command = "runsc";
    } cases[] = {
        {KindVbscript, "Dim i\r\ns = \"d\xc3\xa9j\xc3\xa0\" x\r\n", "s = \"d\xc3\xa9j\xc3\xa0\" x",
         "Expected end of statement\nLine 2, column 12"},
        {KindJscript, "function f() {\n  var x = 1;\n", "",
         "Expected '}' before the end of the script\nLine 3, column 1"},
        {KindJscript, "var \xc3\xa9 = 1;\nvar s = 'abc\n;", "var s = 'abc",
         "Unterminated string constant\nLine 2, column 9"},
        {KindJscript, "x = 1\n\n\nreturn 5;\n", "return 5;", "\nLine 4, column "},
        // Text that would close a wrapper around it is an error of its own, never run.
        {KindJscript, "} while (true) {} function z() {\n", "} while (true) {} function z() {",
         "\nLine 1, column "},
        // What browsers accept in page scripts; a quote the check's scan takes for a string's
        // start ends that string at its line; scripts that would never end, or end in an error.
        {KindJscript,
         "<!-- hide\nvar a = 010, b = 08, c = 09.5, s = '\\012\\8', r = /<!--/;\nx = a --> 1;\n"
         "  --> end\n", "", "No Error found"},
        {KindJscript, "if (ok) /it's/.test(s);\nvar a = 010, b = 'x';\n", "", "No Error found"},
        {KindJscript, "while (true) {}\nfor (;;) {}\nhostCall();\nthrow Error('ran');\n", "",
         "No Error found"},
        {KindJscript, "var ok = 1;\n", "", "", "runscErrorsOnly"},
        {KindVbscript, "If a Then\n", "", "Expected 'End'\nLine 2, column 1", "runscErrorsOnly"},
    };
    QElapsedTimer timer;
    timer.start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        dialogs.asked.clear();
        StubWindow* window = openWindow(c.kind, c.text, QStringLiteral("script"));
        commands.run(QString::fromLatin1(c.command));
        delete window;
        ASSERT_EQ(dialogs.asked.size(), c.message.isEmpty() ? 0u : 1u);
        if (c.message.isEmpty()) continue;
        const AskedQuestion& asked = dialogs.asked[0];
        EXPECT_EQ(asked.context, c.selected);
        if (c.message.startsWith('\n'))
            EXPECT_TRUE(asked.text.contains(c.message) && !asked.text.startsWith('\n'))
                << asked.text.toStdString();
        else
            EXPECT_EQ(asked.text, c.message);
        const bool quiet = c.command != QLatin1String("runsc");
        EXPECT_EQ(asked.icon, quiet ? MsgIcon::Critical : MsgIcon::Exclamation);
    }
    EXPECT_LT(timer.elapsed(), 5000);
}

struct RecordedRun {
    QByteArray batch;
    ConsoleCommand command;
};

// The tools run through a stand-in console, from a kit of stand-in programs, so that what runs
// does not depend on the machine's own JDK.
class JavaToolsTest : public ScriptToolsTest {
protected:
    JavaToolsTest() {
        JavaTools::setConsoleRunner([this](const ConsoleCommand& command, ConsoleShow, QWidget*) {
            runs.push_back({readFile(JavaTools::batchFile()), command});
        });
        QDir(folder.path()).mkdir("jdk bin");
        for (const char* tool : {"javac", "java", "appletviewer"}) {
            QFile file(jdk() + '/' + tool);
            file.open(QIODevice::WriteOnly);
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        }
        JavaTools::writeJdkFolder(app, jdk());  // as Java > Set Path would
    }
    ~JavaToolsTest() override { JavaTools::setConsoleRunner(nullptr); }

    QString jdk() const { return folder.filePath("jdk bin"); }
    // A Java window on a file saved in the test's folder.
    StubWindow* openSaved(const QByteArray& text, const QString& name) {
        TestEnvironment::writeFile(folder.filePath(name), text);
        return openWindow(KindJava, text, folder.filePath(name));
    }
    // The visible dialog of that name, after the queued call that fills it in.
    static ToolDialog* dialog(const QString& name) {
        QCoreApplication::processEvents();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible()) return qobject_cast<ToolDialog*>(w);
        return nullptr;
    }
    static QLineEdit* field(QWidget* dialog, const char* name) {
        return dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static void click(QWidget* dialog, const char* button = "OKButton") {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }

    std::vector<RecordedRun> runs;
};

// Each tool starts with an argument list, in the folder of temp.bat, with the JDK ahead of PATH
// and the source's folder ahead of the class path; the Command dialog's line alone goes to the
// shell, as typed.
TEST_F(JavaToolsTest, ToolsStartWithArgumentListsAndTheCommandDialogsLineAsTyped) {
    QDir(folder.path()).mkdir("it's $(here)");
    const QString source = folder.filePath("it's $(here)/Hello.java");
    StubWindow* window =
        openSaved("public class Hello {\r\n  Hello(x);\r\n}\r\n", "it's $(here)/Hello.java");

    commands.run(QStringLiteral("compl"));
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].command.arguments, QStringList({jdk() + "/javac", source}));
    const QProcessEnvironment& environment = runs[0].command.environment;
    EXPECT_TRUE(environment.value("PATH").startsWith(jdk() + ':'));
    EXPECT_TRUE(environment.value("CLASSPATH").startsWith(folder.filePath("it's $(here)") + ':'));
    EXPECT_EQ(runs[0].command.folder, QFileInfo(JavaTools::batchFile()).absolutePath());

    // Run with the caret in a word ("Hello(x)" on line 2) starts that class at once.
    window->pane().SetSelStart(26);
    commands.run(QStringLiteral("run"));
    EXPECT_FALSE(dialog(QStringLiteral("runjava")));
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1].batch, "path = " + jdk().toUtf8() + "\r\njava Hello\r\n@pause\r\n");
    EXPECT_EQ(runs[1].command.arguments, QStringList({jdk() + "/java", "Hello"}));

    // On a blank the dialog offers the window's own class and waits. Enter runs it, the words
    // after the class name being the program's arguments.
    window->pane().SetSelStart(0);
    window->pane().SetText("   \r\n");
    window->setModifiedTag("s");
    window->pane().SetSelStart(1);
    commands.run(QStringLiteral("run"));
    ToolDialog* runjava = dialog(QStringLiteral("runjava"));
    ASSERT_TRUE(runjava);
    EXPECT_EQ(runjava->text(0), QStringLiteral("Hello"));
    EXPECT_EQ(runs.size(), 2u);
    QTest::keyClicks(field(runjava, "Text1"), QStringLiteral("  first 'second'"));
    QTest::keyClick(field(runjava, "Text1"), Qt::Key_Return);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[2].command.line, "java Hello first ''\\''second'\\'''");
    EXPECT_EQ(runs[2].command.arguments,
              QStringList({jdk() + "/java", "Hello", "first", "'second'"}));

    // The applet viewer's fields take digits only; it gets the page written for the class.
    commands.run(QStringLiteral("appl"));
    ToolDialog* appletv = dialog(QStringLiteral("appletv"));
    ASSERT_TRUE(appletv);
    QTest::keyClicks(field(appletv, "Text1"), QStringLiteral("2a0-0x"));
    QTest::keyClicks(field(appletv, "Text2"), QStringLiteral("W35O"));
    QTest::keyClick(field(appletv, "Text2"), Qt::Key_Backspace);
    click(appletv);
    EXPECT_EQ(readFile(JavaTools::appletPageFile()),
              "<html><applet code = \"Hello.class\" height=\"200\" width =\"3\"></applet></html>");
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[3].command.arguments, QStringList({jdk() + "/appletviewer", "temp.html"}));

    commands.run(QStringLiteral("comm"));
    ToolDialog* cmd1 = dialog(QStringLiteral("cmd1"));
    ASSERT_TRUE(cmd1);
    QTest::keyClicks(field(cmd1, "Text1"), QStringLiteral("ls -l \"a b\" | wc"));
    click(cmd1);
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[4].command.line, "ls -l \"a b\" | wc");
    EXPECT_TRUE(runs[4].command.arguments.isEmpty());
}

TEST_F(JavaToolsTest, WithoutItsWindowOrItsToolACommandRunsNothing) {
    for (const char* name : {"compl", "run", "appl", "runsc"}) commands.run(QString::fromLatin1(name));
    EXPECT_FALSE(dialog(QStringLiteral("runjava")) || dialog(QStringLiteral("appletv")));
    EXPECT_TRUE(dialogs.asked.empty());

    // A missing tool is named, with what provides it.
    QFile::remove(JavaTools::jdkPathFile());
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.path().toUtf8());  // nothing there
    openSaved("class Clock {}", "Clock.java");
    commands.run(QStringLiteral("compl"));
    qputenv("PATH", path);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_TRUE(dialogs.asked[0].text.contains("\"javac\", was not found"))
        << dialogs.asked[0].text.toStdString();
    EXPECT_TRUE(runs.empty());
    EXPECT_FALSE(QFile::exists(JavaTools::batchFile()));
}

TEST_F(JavaToolsTest, ToolsWorkOnlyOnTheFileAsSaved) {
    const QString saved = folder.filePath("Saved.java");
    // What the window is like, the answer to the question (asked unless saved), and whether
    // javac ran.
    const struct {
        const char* state;
        MsgAnswer answer;
        bool runs;
    } rows[] = {
        {"untitled", MsgAnswer::No, false},
        {"untitled", MsgAnswer::Yes, true},
        {"modified", MsgAnswer::Yes, true},
        {"gone", MsgAnswer::Yes, true},
        {"saved", MsgAnswer::No, true},
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
        ASSERT_EQ(dialogs.asked.empty(), state == "saved") << row.state;
        if (!dialogs.asked.empty()) EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::YesNo);
        ASSERT_EQ(runs.size(), row.runs ? 1u : 0u) << row.state;
        if (row.runs) {
            EXPECT_EQ(runs[0].command.arguments.value(1), saved);
            EXPECT_EQ(readFile(saved), window->pane().Text());
        }
        delete window;
    }
}

// Set Path keeps the folder of the program chosen; folder and class names come from paths
// written with either separator.
TEST_F(JavaToolsTest, SetPathBrowsesForTheProgramAndKeepsItsFolder) {
    const QString bin = QStringLiteral("/usr/lib/jvm/jdk-17/bin");
    commands.run(QStringLiteral("setpath"));
    ToolDialog* brvpath = dialog(QStringLiteral("brvpath"));
    ASSERT_TRUE(brvpath);
    dialogs.textAnswers = {bin + "/javac"};
    click(brvpath, "Command1");
    EXPECT_EQ(field(brvpath, "Text1")->text(), bin);
    click(brvpath);
    EXPECT_EQ(readFile(JavaTools::jdkPathFile()), '"' + bin.toUtf8() + "\"\r\n");
    EXPECT_EQ(JavaTools::readJdkFolder(), bin);

    // Cancel writes nothing.
    commands.run(QStringLiteral("setpath"));
    brvpath = dialog(QStringLiteral("brvpath"));
    ASSERT_TRUE(brvpath);
    field(brvpath, "Text1")->setText(QStringLiteral("/elsewhere"));
    click(brvpath, "CancelButton");
    EXPECT_EQ(JavaTools::readJdkFolder(), bin);

    EXPECT_EQ(JavaTools::folderOfProgram("C:\\jdk1.3\\bin\\java.exe"), "C:\\jdk1.3\\bin");
    EXPECT_EQ(JavaTools::classNameOfSource("C:\\java\\My.App.java"), "My.App");
}

// Our console running real commands: arguments that would run commands in a shell, standard
// input line by line and its end, output as it comes, the exit status, Stop, a shell line from
// the Java tools, and closing the console while a command runs.
class ConsoleTest : public ScriptToolsTest {
protected:
    static void waitForEnd(ConsoleWindow* console, int timeoutMs = 5000) {
        QSignalSpy finished(console, &ConsoleWindow::commandFinished);
        if (!console->isWaitingForKey()) finished.wait(timeoutMs);
    }
    static ConsoleWindow* start(const QString& line, const QStringList& arguments = {},
                                QWidget* owner = nullptr) {
        return ConsoleWindow::start({line, arguments, QDir::tempPath()}, ConsoleShow::Normal, owner);
    }
};

TEST_F(ConsoleTest, StopEndsTheCommandAndItsChildren) {
    // A child that would write the file a second later, unless it ends with its console.
    const QString late =
        "(sleep 1; echo late > '" + folder.filePath("late") + "') & echo started; wait";
    JavaTools::runCommandLine(app, late, ConsoleShow::Normal);  // as the Command dialog does
    QPointer<ConsoleWindow> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* c = qobject_cast<ConsoleWindow*>(w)) shown = c;
    ASSERT_TRUE(shown);
    // The console comes back while the command runs, showing its output as it comes.
    QTRY_VERIFY(shown->text().endsWith("started\n"));
    EXPECT_TRUE(shown->isRunning());
    QTest::mouseClick(shown->stopButton(), Qt::LeftButton);
    waitForEnd(shown);
    EXPECT_TRUE(shown->text().endsWith("[Stopped]\nPress any key to continue . . .")) << shown->text().toStdString();
    QTest::keyClick(shown->focusProxy(), Qt::Key_Space);  // any key closes it
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.isNull(); }));

    // Closing the console, or the window that owns it, ends the command as well.
    for (bool viaOwner : {false, true}) {
        auto* owner = new QWidget;
        QPointer<ConsoleWindow> running = start("sleep", {"/bin/sh", "-c", late}, owner);
        ASSERT_TRUE(running->isRunning());
        viaOwner ? delete owner : (running->close(), delete owner);
        EXPECT_FALSE(running);
    }
    QTest::qWait(1500);
    EXPECT_FALSE(QFile::exists(folder.filePath("late")));
}

// The program gets its arguments as they are, never through a shell; it prints while it runs,
// each input line showing as typed and then as the program gives it back.
TEST_F(ConsoleTest, ArgumentsAndInputReachTheProgramAsTheyAre) {
    const QString odd =
        QStringLiteral("$(touch marker) `touch marker` ; touch marker & $HOME 'it's' Ünï");
    ConsoleWindow* echo = start("echo", {"/bin/sh", "-c", "echo \"$1\"; exit 42", "sh", odd});
    waitForEnd(echo);
    EXPECT_TRUE(echo->text().contains(odd + "\n[Exit status 42]")) << echo->text().toStdString();
    EXPECT_FALSE(QFile::exists(QDir(QDir::tempPath()).filePath("marker")));

    ConsoleWindow* cat = start("cat", {"/bin/cat"});
    for (const QString& line : {QStringLiteral("first"), QStringLiteral("and Ünïcødé")}) {
        cat->input()->insert(line);  // QTest types ASCII only
        QTest::keyClick(cat->input(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(cat->text().count(line + "\n"), 2, 5000);
    }
    EXPECT_TRUE(cat->isRunning());
    QTest::keyClicks(cat->input(), "no line end");
    QTest::keyClick(cat->input(), Qt::Key_D, Qt::ControlModifier);  // the end of the input
    EXPECT_FALSE(cat->input()->isEnabled());
    waitForEnd(cat);
    EXPECT_TRUE(cat->text().endsWith("first\nfirst\nand Ünïcødé\nand Ünïcødé\nno line endno line end\n"
                                     "[Exit status 0]\nPress any key to continue . . ."))
        << cat->text().toStdString();
}

}  // namespace
