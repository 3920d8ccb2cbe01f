// The script checks (JScript's cases are Compile Script's): VBScript against two tables (broken
// scripts with the line and the classic engine's description, and well-formed ones of every
// statement and expression form) and randomized inputs, and the command-line check of files.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "hardening/random_text.h"
#include "script/script_check.h"
#include "script/script_check_command.h"
#include "script/vbscript/vbscript_checker.h"
#include "support/test_environment.h"

namespace {

std::string described(const std::optional<ScriptError>& error) {
    return error ? "line " + std::to_string(error->line) + ": " + error->description.toStdString()
                 : "clean";
}

TEST(ScriptCheckCommand, ReportsEachFileAndExitsByTheWorstResult) {
    QTemporaryDir dir;
    const auto write = [&dir](const QString& name, const QByteArray& text) {
        TestEnvironment::writeFile(dir.filePath(name), text);
        return dir.filePath(name);
    };
    const QString good = write(QStringLiteral("good.vbs"), "WScript.Echo \"hi\"\r\n");
    const QString bad = write(QStringLiteral("bad.vbs"), "For i = 1 To 3\r\n  x = i\r\n");
    const QString js = write(QStringLiteral("ok.js"), "var a = 1;\n");
    const QString other = write(QStringLiteral("notes.txt"), "hello");
    // Saved as "Unicode" on Windows: UTF-16 with its byte-order mark.
    const QString wide = write(QStringLiteral("wide.vbs"), QByteArray("\xFF\xFE") +
        QByteArray(reinterpret_cast<const char*>(u"x = 1\r\nIf x Then\r\n"), 2 * 18));
    const QString missing = dir.filePath(QStringLiteral("missing.vbs"));
    const QString goodOut = good + ": No Error found\n";
    const QString badOut = bad + ":3:1: Expected 'Next'\n";
    const QString jsOut = js + ": No Error found\n";

    struct Run {
        QStringList paths;
        int exitCode;
        QString out;
    } runs[] = {
        {{good, js}, 0, goodOut + jsOut},
        {{missing, bad}, 2, badOut},
        {{other}, 2, QString()},
        // A folder stands for the scripts in it, in name order; other files are left out.
        {{dir.path()}, 1, badOut + goodOut + jsOut + wide + ":3:1: Expected 'End'\n"},
    };
    for (const Run& run : runs) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        EXPECT_EQ(runScriptCheckCommand(run.paths, outStream, errStream), run.exitCode)
            << run.paths.join(' ').toStdString();
        EXPECT_EQ(out, run.out);
        EXPECT_EQ(err.isEmpty(), run.exitCode != 2) << err.toStdString();
    }
}

const QList<QByteArrayList> brokenRows =
    TestEnvironment::caseRows(QStringLiteral("vbscript-errors.tsv"));

TEST(VbscriptCheck, TablesOfBrokenAndWellFormedScriptsAndNestingBeyondAnyScript) {
    ASSERT_GT(brokenRows.size(), 50);
    for (const QByteArrayList& row : brokenRows) {
        const auto error = checkVbscript(row[0]);
        EXPECT_EQ(described(error), ("line " + row[1] + ": " + row[2]).toStdString())
            << row[0].constData();
    }
    const QList<QByteArrayList> valid = TestEnvironment::caseRows(QStringLiteral("vbscript-valid.tsv"));
    ASSERT_GT(valid.size(), 20);
    for (const QByteArrayList& row : valid)
        EXPECT_EQ(described(checkVbscript(row.value(1))), "clean") << row[0].constData();

    // Nesting no script has ends the check instead of the program; deep but reasonable is fine.
    for (const QByteArray& text : {"x = " + QByteArray(200000, '(') + "1",
                                   QByteArray("If a Then\n").repeated(50000),
                                   "x = " + QByteArray(200000, '-') + "1"}) {
        const auto error = checkVbscript(text);
        EXPECT_EQ(error ? error->description : QString(), "Out of memory");
    }
    EXPECT_FALSE(checkVbscript("x = " + QByteArray(200, '(') + "1" + QByteArray(200, ')') + "\n"));
}

// Randomized: changes that cannot matter to the language (letter case, line-end style, blank
// lines in front) do not change the answer, or move it by exactly the lines added; a real
// script mutated at random, or any bytes, get an answer on one of their lines.
const QList<QByteArray> realisticScripts = TestEnvironment::samples(QStringLiteral("vbscript"));

void expectAnswerWithinText(const QByteArray& text, int iteration) {
    const auto error = checkVbscript(text);
    if (!error) return;
    int lines = 1;
    for (int i = 0; i < text.size(); ++i)
        lines += text[i] == '\n' || (text[i] == '\r' && text.mid(i + 1, 1) != "\n");
    EXPECT_GE(error->line, 1) << iteration << ": " << text.toStdString();
    EXPECT_LE(error->line, lines) << iteration << ": " << text.toStdString();
    EXPECT_FALSE(error->description.isEmpty()) << iteration;
}

// Upper or lower case at random for every ASCII letter: keywords and names alike ignore case.
QByteArray shuffledCase(RandomText& random, QByteArray text) {
    for (char& c : text)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) c = random.chance(50) ? (c | 0x20) : (c & ~0x20);
    return text;
}

TEST(VbscriptRandom, CaseAndLineEndsDoNotMatterAndBlankLinesMoveTheErrorLine) {
    RandomText random(7);
    ASSERT_GE(realisticScripts.size(), 7);
    for (int i = 0; i < 200; ++i) {
        for (const QByteArray& sample : realisticScripts) {
            const QByteArray text = shuffledCase(random, sample).replace("\r\n", "\n")
                                        .replace("\n", random.chance(50) ? "\r\n" : "\n");
            EXPECT_EQ(described(checkVbscript(text)), "clean") << i;
            expectAnswerWithinText(random.mutate(sample), i);
        }
        expectAnswerWithinText(random.bytes(200), i);
        // A row of the error table, with its answer as it stands.
        const QByteArray& text = brokenRows[random.below(int(brokenRows.size()))][0];
        const auto original = checkVbscript(text);
        ASSERT_TRUE(original);
        const int added = random.below(5);
        QByteArray moved = shuffledCase(random, text);
        for (int k = 0; k < added; ++k) moved.prepend(random.chance(50) ? "\r\n" : "' note\n");
        const auto error = checkVbscript(moved);
        ASSERT_TRUE(error) << moved.constData();
        EXPECT_EQ(error->line, original->line + added) << moved.constData();
        EXPECT_EQ(error->description, original->description) << moved.constData();
    }
}

}  // namespace
