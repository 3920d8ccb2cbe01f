// The tag parser: what it reports, what it skips, its ranges and its summary.
#include "tag_test_fixture.h"

TEST_F(TagTest, TheParserReportsUnknownNamesInItsCommandsRange) {
    const QByteArray page = "<one><p><two><b><three>";
    const struct {
        const char* command;
        QByteArray text;
        int start, length;  // the selection; the caret stays at its start
        QStringList reported;
        const char* summary;
    } rows[] = {
        // Known tags, comments and blanks are fine.
        {"pall", "<!DOCTYPE html><html><!-- note --><p class=\"x\">a < b</p><br></html>", 3, 0,
         {}, "No of Invalid Tag is  0"},
        // Closing tags are reported without their slash, a name up to its first non-letter.
        {"pall", "<p><foo>x</foo><bar.x><p\r\n>", 0, 0, {"foo", "foo", "bar", "p\r\n"},
         "No of Invalid Tag is  4"},
        {"pafter", page, 8, 0, {"two", "three"}, "No of unavilable Tag is  2"},
        {"pbefore", page, 8, 0, {"one"}, "No of unavilable Tag is  1"},
        // A tag that starts just where the selection ends is examined too.
        {"psel", page, 5, 3, {"two"}, "No of unavilable Tag is  1"},
    };
    // Each report is asked with the name selected.
    dialogs.context = [this] { return pane().SelText(); };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.command);
        dialogs.asked.clear();
        put(row.text, row.start, row.length);
        run(row.command);
        QStringList reported;
        for (const AskedQuestion& q : dialogs.asked) {
            if (q.title != QLatin1String("Invalid Tag found")) continue;
            EXPECT_EQ(q.text, "Invalid HTML tag " + q.context);
            reported << q.context;
        }
        EXPECT_EQ(reported, row.reported);
        ASSERT_FALSE(dialogs.asked.empty());
        EXPECT_EQ(dialogs.asked.back().text, QLatin1String(row.summary));
        EXPECT_EQ(pane().SelStart(), row.start);
    }
}
