// Command lines the user is shown or may run again: random arguments full of what a shell
// gives a meaning to must reach the program through a real /bin/sh exactly as they were.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRandomGenerator>

#include "platform/shell_quote.h"

TEST(ShellQuote, EveryArgumentReachesTheProgramUnchanged) {
    const QString alphabet = QStringLiteral("ab Z09_-./:,+@%='\"$`;\\|&*?~#!(){}[]<>\n\t\u00e9\u4e2d");
    QRandomGenerator random(20261207);
    for (int round = 0; round < 40; ++round) {
        QStringList arguments;
        for (int n = 1 + random.bounded(5); n > 0; --n) {
            QString argument;
            for (int length = random.bounded(8); length > 0; --length)
                argument += alphabet[random.bounded(int(alphabet.size()))];
            arguments << argument;
        }
        QProcess shell;
        shell.start("/bin/sh", {"-c", shellCommandLine(QStringList{"printf", "%s\\0"} + arguments)});
        ASSERT_TRUE(shell.waitForFinished(5000));
        QStringList received = QString::fromUtf8(shell.readAllStandardOutput()).split(QChar(0));
        received.removeLast();  // after the last NUL
        EXPECT_EQ(received, arguments) << shellCommandLine(arguments).toStdString();
    }
    // Left bare only where nothing can go wrong; a first word holding "=" would be an assignment.
    EXPECT_EQ(shellCommandLine({"javac", "/a/B.java", "", "a=b"}), "javac /a/B.java '' 'a=b'");
}
