// The VBScript checker against two tables: broken scripts, each with the line the error must be
// reported on and the classic engine's description, and well-formed ones of every statement
// and expression form, which must check clean. (Whole scripts written the way administrators
// write them are checked by the randomized tests.)
#include <gtest/gtest.h>

#include "script/vbscript/vbscript_checker.h"
#include "support/test_environment.h"

namespace {

TEST(VbscriptErrors, NestingBeyondAnyScriptEndsTheCheckInsteadOfTheProgram) {
    const QByteArray parentheses = "x = " + QByteArray(200000, '(') + "1";
    const QByteArray ifs = QByteArray("If a Then\n").repeated(50000);
    const QByteArray unary = "x = " + QByteArray(200000, '-') + "1";
    for (const QByteArray& text : {parentheses, ifs, unary}) {
        const auto error = checkVbscript(text);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->description.toStdString(), "Out of memory");
    }
    // Deep but reasonable nesting is fine.
    EXPECT_FALSE(checkVbscript("x = " + QByteArray(200, '(') + "1" + QByteArray(200, ')') + "\n"));
}

TEST(VbscriptErrors, EachBrokenScriptReportsItsLineAndDescription) {
    const QList<QByteArrayList> rows = TestEnvironment::caseRows(QStringLiteral("vbscript-errors.tsv"));
    ASSERT_GT(rows.size(), 70);
    for (const QByteArrayList& row : rows) {
        const auto error = checkVbscript(row[0]);
        if (!error) {
            ADD_FAILURE() << "no error found in:\n" << row[0].constData();
            continue;
        }
        EXPECT_EQ(error->line, row[1].toInt()) << row[0].constData();
        EXPECT_EQ(error->description.toUtf8(), row[2]) << row[0].constData();
    }
}

TEST(VbscriptValid, EachStatementAndExpressionFormChecksClean) {
    const QList<QByteArrayList> rows = TestEnvironment::caseRows(QStringLiteral("vbscript-valid.tsv"));
    ASSERT_GT(rows.size(), 25);
    for (const QByteArrayList& row : rows) {
        const auto error = checkVbscript(row.value(1));
        EXPECT_FALSE(error) << row[0].constData() << ": line " << (error ? error->line : 0) << " "
                            << (error ? error->description.toStdString() : "");
    }
}

}  // namespace
