// Our console running real batch files: the path line, a real javac and java, a missing
// program, the pause, and closing the console while a command runs.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "platform/console_window.h"

namespace {

class ConsoleTest : public ::testing::Test {
protected:
    // Writes the batch file into the temporary folder and runs it to its pause.
    ConsoleWindow* runToPause(const QByteArray& batch, int timeoutMs = 60000) {
        ConsoleWindow* console = ConsoleWindow::start(writeBatch(batch), ConsoleShow::Normal);
        QSignalSpy finished(console, &ConsoleWindow::batchFinished);
        if (finished.isEmpty()) finished.wait(timeoutMs);
        return console;
    }
    QString writeBatch(const QByteArray& batch) {
        writeFile(QStringLiteral("temp.bat"), batch);
        return dir.filePath(QStringLiteral("temp.bat"));
    }
    void writeFile(const QString& name, const QByteArray& text, bool executable = false) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(text);
        file.close();
        if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }

    QTemporaryDir dir;
};

TEST_F(ConsoleTest, ThePathLinePutsTheFolderFirstAndPauseWaitsForAKey) {
    QDir(dir.path()).mkdir(QStringLiteral("tools"));
    writeFile(QStringLiteral("tools/whereami"), "#!/bin/sh\necho \"tool in $(pwd)\"\n", true);
    QPointer<ConsoleWindow> console =
        runToPause("path = " + dir.filePath(QStringLiteral("tools")).toUtf8() + "\r\nwhereami\r\n@pause\r\n");
    EXPECT_TRUE(console->isWaitingForKey());
    EXPECT_TRUE(console->text().contains(QStringLiteral("tool in ") + dir.path())) << console->text().toStdString();
    EXPECT_TRUE(console->text().endsWith(QStringLiteral("Press any key to continue . . .")));
    QTest::keyClick(console->focusProxy(), Qt::Key_Space);
    QTest::qWait(20);
    EXPECT_FALSE(console);
}

TEST_F(ConsoleTest, CompilesAndRunsARealJavaClass) {
    if (QStandardPaths::findExecutable(QStringLiteral("javac")).isEmpty()) GTEST_SKIP() << "no JDK";
    writeFile(QStringLiteral("Hello.java"),
              "public class Hello {\n  public static void main(String[] a) {\n"
              "    System.out.println(\"Hello from Java\");\n  }\n}\n");
    ConsoleWindow* compile = runToPause("path = \r\njavac Hello.java\r\n@pause\r\n");
    EXPECT_TRUE(compile->isWaitingForKey());
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Hello.class")))) << compile->text().toStdString();
    delete compile;
    ConsoleWindow* run = runToPause("path = \r\njava Hello\r\n@pause\r\n");
    EXPECT_TRUE(run->text().contains(QStringLiteral("Hello from Java"))) << run->text().toStdString();
    delete run;
}

TEST_F(ConsoleTest, ClosingTheOwnerClosesTheConsoleAndEndsItsCommand) {
    auto* owner = new QWidget;
    QPointer<ConsoleWindow> console = ConsoleWindow::start(
        writeBatch("sleep 30; echo late > " + dir.filePath(QStringLiteral("late")).toUtf8() + "\r\n"),
        ConsoleShow::Normal, QProcessEnvironment::systemEnvironment(), owner);
    QTest::qWait(200);
    delete owner;
    EXPECT_FALSE(console);
    QTest::qWait(100);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("late"))));
}

TEST_F(ConsoleTest, AMissingProgramShowsTheShellsMessage) {
    ConsoleWindow* console = runToPause("path = \r\nno-such-tool-here\r\n@pause\r\n");
    EXPECT_TRUE(console->text().contains(QStringLiteral("no-such-tool-here: not found")))
        << console->text().toStdString();
    EXPECT_TRUE(console->isWaitingForKey());
    delete console;
}

TEST_F(ConsoleTest, ClosingTheConsoleEndsTheCommandWithoutBlocking) {
    QElapsedTimer timer;
    timer.start();
    ConsoleWindow* console = ConsoleWindow::start(
        writeBatch("path = \r\nsleep 30; echo late > " + dir.filePath(QStringLiteral("late")).toUtf8() +
                   "\r\n@pause\r\n"),
        ConsoleShow::Normal);
    EXPECT_LT(timer.elapsed(), 2000);  // start() returns while the command runs
    QTest::qWait(300);
    EXPECT_FALSE(console->isWaitingForKey());
    console->close();
    EXPECT_LT(timer.elapsed(), 5000);
    QTest::qWait(100);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("late"))));
}

}  // namespace
