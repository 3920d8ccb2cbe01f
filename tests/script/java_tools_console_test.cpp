// Our console running real commands: a real javac and java on a folder whose name would run
// commands in a shell, standard input line by line and its end, output as it comes, the exit
// status, Stop, the Command dialog's shell line, and closing the console while a command runs.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "platform/console_window.h"
#include "script/java_tools.h"
#include "script/java_tools_commands.h"
#include "script_check_fixture.h"

namespace {
constexpr int JavaWaitMs = 60000;

class ConsoleTest : public ScriptToolsFixture {
protected:
    ConsoleTest() {
        QFile::remove(JavaTools::jdkPathFile());
        registerJavaToolCommands(app);
    }
    // The console opened last.
    static ConsoleWindow* console() {
        ConsoleWindow* last = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* c = qobject_cast<ConsoleWindow*>(w); c && !c->isWaitingForKey()) last = c;
        return last;
    }
    static void waitForEnd(ConsoleWindow* console, int timeoutMs = JavaWaitMs) {
        QSignalSpy finished(console, &ConsoleWindow::commandFinished);
        if (!console->isWaitingForKey()) finished.wait(timeoutMs);
    }
    static ConsoleWindow* start(const QString& line, const QStringList& arguments = {}) {
        return ConsoleWindow::start({line, arguments, QDir::tempPath()}, ConsoleShow::Normal);
    }
    static void type(ConsoleWindow* console, const QString& line) {
        console->input()->insert(line);  // QTest types ASCII only
        QTest::keyClick(console->input(), Qt::Key_Return);
    }

    QTemporaryDir dir;
};

TEST_F(ConsoleTest, CompilesAndRunsAClassInAFolderNamedLikeShellCommandsAndFeedsItsInput) {
    if (QStandardPaths::findExecutable(QStringLiteral("javac")).isEmpty()) GTEST_SKIP() << "no JDK";
    const QString name = QStringLiteral("my \"odd\" it's $(touch marker1) `touch marker2` ; touch marker3 & $HOME Ünïcødé");
    ASSERT_TRUE(QDir(dir.path()).mkdir(name));
    const QString folder = dir.filePath(name);
    const QString source = folder + "/Echo.java";
    const QByteArray text =
        "import java.io.*;\npublic class Echo {\n  public static void main(String[] a) throws IOException {\n"
        "    System.out.println(\"ready\");\n"
        "    BufferedReader in = new BufferedReader(new InputStreamReader(System.in));\n"
        "    String first = in.readLine(), second = in.readLine();\n"
        "    System.out.println(\"got \" + first + \" and \" + second + \", then \" + in.readLine());\n"
        "    System.exit(3);\n  }\n}\n";
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    StubWindow* window = openWindow(KindJava, text, source);

    commands.run(QStringLiteral("compl"));
    ConsoleWindow* compile = console();
    ASSERT_TRUE(compile);
    waitForEnd(compile);
    EXPECT_TRUE(QFile::exists(folder + "/Echo.class")) << compile->text().toStdString();
    EXPECT_TRUE(compile->text().contains("[Exit status 0]")) << compile->text().toStdString();

    window->pane().SetSelStart(text.indexOf("Echo {") + 1);
    commands.run(QStringLiteral("run"));
    QTRY_VERIFY_WITH_TIMEOUT(console() && console() != compile, 5000);
    ConsoleWindow* run = console();
    // What it prints shows while it runs, before it has its input.
    QTRY_VERIFY_WITH_TIMEOUT(run->text().contains("ready\n"), JavaWaitMs);
    EXPECT_TRUE(run->isRunning());
    type(run, QStringLiteral("one line"));
    type(run, QStringLiteral("and Ünïcødé"));
    QTest::keyClick(run->input(), Qt::Key_D, Qt::ControlModifier);  // the end of the input
    waitForEnd(run);
    EXPECT_TRUE(run->text().contains("got one line and and Ünïcødé, then null\n[Exit status 3]\n"))
        << run->text().toStdString();

    // Nothing but javac and java ran: no shell made a marker anywhere.
    for (const QString& where : {dir.path(), QFileInfo(JavaTools::batchFile()).absolutePath(), QDir::currentPath()}) {
        QDirIterator it(where, {"marker*"}, QDir::Files, QDirIterator::Subdirectories);
        EXPECT_FALSE(it.hasNext()) << it.next().toStdString();
    }
}

TEST_F(ConsoleTest, TheCommandDialogsLineGoesToTheShellWithTheKitFolderOnThePath) {
    QDir(dir.path()).mkdir(QStringLiteral("tools"));
    QFile tool(dir.filePath("tools/whereami"));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.write("#!/bin/sh\necho \"tool in $(pwd)\"\n");
    tool.close();
    tool.setPermissions(tool.permissions() | QFileDevice::ExeOwner);
    ASSERT_TRUE(JavaTools::writeJdkFolder(app, dir.filePath("tools")));
    JavaTools::runCommandLine(app, QStringLiteral("whereami; exit $((6*7))"), ConsoleShow::Normal);
    QPointer<ConsoleWindow> shown = console();
    ASSERT_TRUE(shown);
    waitForEnd(shown);
    const QString folder = QFileInfo(JavaTools::batchFile()).absolutePath();
    EXPECT_TRUE(shown->text().startsWith(folder + ">whereami; exit $((6*7))\ntool in " + folder + "\n[Exit status 42]\n"))
        << shown->text().toStdString();
    EXPECT_TRUE(shown->text().endsWith(QStringLiteral("Press any key to continue . . .")));
    QTest::keyClick(shown->focusProxy(), Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.isNull(); }));
}

TEST_F(ConsoleTest, StopEndsTheCommandAndItsChildren) {
    QElapsedTimer timer;
    timer.start();
    const QByteArray late = dir.filePath("late").toUtf8();
    ConsoleWindow* shown = start("sleep 30; echo late > '" + late + "'");
    EXPECT_LT(timer.elapsed(), 2000);  // start() returns while the command runs
    EXPECT_TRUE(shown->isRunning());
    QTest::mouseClick(shown->stopButton(), Qt::LeftButton);
    waitForEnd(shown, 5000);
    EXPECT_TRUE(shown->text().endsWith("[Stopped]\nPress any key to continue . . .")) << shown->text().toStdString();
    EXPECT_LT(timer.elapsed(), 5000);
    delete shown;

    // Closing the console, or the window that owns it, ends the command as well.
    for (bool viaOwner : {false, true}) {
        auto* owner = new QWidget;
        QPointer<ConsoleWindow> running = ConsoleWindow::start(
            {"sleep", {"/bin/sh", "-c", "sleep 30; echo late > '" + late + "'"}, dir.path()}, ConsoleShow::Normal, owner);
        ASSERT_TRUE(running->isRunning());
        viaOwner ? delete owner : (running->close(), delete owner);
        EXPECT_FALSE(running);
    }
    // Had any of the three outlived its console, the file would come 30 seconds later.
    EXPECT_FALSE(QFile::exists(dir.filePath("late")));
}

TEST_F(ConsoleTest, TheInputEndsWithCtrlDAndAProgramThatCannotStartIsReported) {
    ConsoleWindow* cat = start("cat", {"/bin/cat"});
    type(cat, "first");
    // Each line shows as typed, then as cat gives it back.
    QTRY_COMPARE_WITH_TIMEOUT(cat->text().count("first\n"), 2, 5000);
    QTest::keyClicks(cat->input(), "no line end");
    QTest::keyClick(cat->input(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_FALSE(cat->input()->isEnabled());
    waitForEnd(cat, 5000);
    EXPECT_TRUE(cat->text().endsWith("first\nfirst\nno line endno line end\n[Exit status 0]\nPress any key to continue . . ."))
        << cat->text().toStdString();

    ConsoleWindow* missing = start("missing", {dir.filePath("no such program")});
    waitForEnd(missing, 5000);
    EXPECT_TRUE(missing->text().contains("Cannot start " + dir.filePath("no such program"))) << missing->text().toStdString();
    EXPECT_TRUE(missing->isWaitingForKey());
}

}  // namespace
