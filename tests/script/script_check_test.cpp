// The JScript check through the engine's parser, and the command-line check of script files.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "script/script_check.h"
#include "script/script_check_command.h"
#include "support/test_environment.h"

namespace {

TEST(ScriptCheck, NamesLineColumnAndWhatWasExpected) {
    LanguageScriptChecker checker;
    const struct {
        ScriptLanguage language;
        const char* source;
        int line;  // 0: clean
        int column;
        const char* description;
    } cases[] = {
        {ScriptLanguage::VBScript, "x = 1\nIf x = 1\n", 2, 9, "Expected 'Then'"},
        {ScriptLanguage::VBScript, "s = \"d\xc3\xa9j\xc3\xa0\" x\n", 1, 12, "Expected end of statement"},
        {ScriptLanguage::JScript, "var a = 1;\nvar b = (2;\n", 2, 11, "Expected ','"},
        {ScriptLanguage::JScript, "function f() {\n  var x = 1;\n", 3, 1,
         "Expected '}' before the end of the script"},
        {ScriptLanguage::JScript, "var \xc3\xa9 = 1;\nvar s = 'abc\n;", 2, 9, "Unterminated string constant"},
        {ScriptLanguage::JScript, "obj = {a: 1,, b: 2};", 1, 13, "Unexpected ','"},
        // Column 0: the line alone is checked.
        {ScriptLanguage::JScript, "x = 1\n\n\nfunction(\n", 4, 0, ""},
        {ScriptLanguage::JScript, "var o = {a: 1,\n b: 2\n", 3, 0, ""},
        {ScriptLanguage::JScript, "return 5;\n", 1, 0, ""},
        // Text that would close a wrapper around it is an error of its own, never run.
        {ScriptLanguage::JScript, "} while (true) {} function z() {\n", 1, 0, ""},
        // What browsers accept in page scripts.
        {ScriptLanguage::JScript,
         "<!-- hide\nvar a = 010, b = 08, c = 09.5, s = '\\012\\8', r = /<!--/;\nx = a --> 1;\n"
         "  --> end\n",
         0, 0, ""},
    };
    for (const auto& c : cases) {
        const auto error = checker.check(c.language, QByteArray(c.source));
        if (c.line == 0) {
            EXPECT_FALSE(error) << c.source << " " << error->description.toStdString();
            continue;
        }
        ASSERT_TRUE(error) << c.source;
        EXPECT_EQ(error->line, c.line) << c.source;
        EXPECT_FALSE(error->description.isEmpty()) << c.source;
        if (c.column == 0) continue;
        EXPECT_EQ(error->column, c.column) << c.source;
        EXPECT_EQ(error->description, QString::fromUtf8(c.description)) << c.source;
    }
}

TEST(JscriptCheck, NothingInTheScriptRuns) {
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(checkJscript("while (true) {}\nfor (;;) {}\n"));
    EXPECT_LT(timer.elapsed(), 5000);
    // Run, these would end in an error.
    EXPECT_FALSE(checkJscript("undefinedHostCall();\nthrow new Error('ran');\n"));
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

    struct Run {
        QStringList paths;
        int exitCode;
        QString out;
    } runs[] = {
        {{good, js}, 0, good + ": No Error found\n" + js + ": No Error found\n"},
        {{bad, good}, 1, bad + ":3:1: Expected 'Next'\n" + good + ": No Error found\n"},
        {{missing, bad}, 2, bad + ":3:1: Expected 'Next'\n"},
        {{other}, 2, QString()},
        {{wide}, 1, wide + ":3:1: Expected 'End'\n"},
        // A folder stands for the scripts in it, in name order; other files are left out.
        {{dir.path()}, 1, bad + ":3:1: Expected 'Next'\n" + good + ": No Error found\n" + js +
                              ": No Error found\n" + wide + ":3:1: Expected 'End'\n"},
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

}  // namespace
