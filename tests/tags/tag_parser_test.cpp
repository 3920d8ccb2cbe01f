// The tag parser: what it reports, what it skips, its ranges and its summary.
#include "tag_test_fixture.h"

namespace {
class TagParserTest : public TagTest {
protected:
    // The names reported, in order, and the summary line.
    QStringList reports() {
        QStringList names;
        for (const AskedQuestion& q : dialogs.asked)
            if (q.title == QLatin1String("Invalid Tag found")) names << q.text;
        return names;
    }
    QString summary() { return dialogs.asked.empty() ? QString() : dialogs.asked.back().text; }
};
}  // namespace

TEST_F(TagParserTest, KnownTagsCommentsAndBlanksAreNotReported) {
    put("<!DOCTYPE html><html><!-- note --><p class=\"x\">a < b</p><br></html>", 3);
    run("pall");
    EXPECT_TRUE(reports().isEmpty());
    EXPECT_EQ(summary(), QStringLiteral("No of Invalid Tag is  0"));
    EXPECT_EQ(dialogs.asked.back().title, QStringLiteral("Tag Parsing complited successfully"));
    EXPECT_EQ(dialogs.asked.back().icon, MsgIcon::None);
    EXPECT_EQ(pane().SelStart(), 3);
}

TEST_F(TagParserTest, UnknownNamesAreReportedOneByOneWithoutTheirSlash) {
    dialogs.context = [this] { return pane().SelText(); };
    put("<p><foo>x</foo><bar.x><p\r\n>", 0);
    run("pall");
    QStringList selected;
    for (const AskedQuestion& q : dialogs.asked) selected << q.context;
    EXPECT_EQ(selected.mid(0, 3), (QStringList{"foo", "foo", "bar"}));
    EXPECT_EQ(reports(), (QStringList{"Invalid HTML tag foo", "Invalid HTML tag foo",
                                      "Invalid HTML tag bar", "Invalid HTML tag p\r\n"}));
    EXPECT_EQ(dialogs.asked.front().icon, MsgIcon::Exclamation);
    EXPECT_EQ(summary(), QStringLiteral("No of Invalid Tag is  4"));
}

TEST_F(TagParserTest, EachCommandScansItsOwnRange) {
    const QByteArray page = "<one><p><two><b><three>";
    put(page, 8);  // just before <two>
    run("pafter");
    EXPECT_EQ(reports(), (QStringList{"Invalid HTML tag two", "Invalid HTML tag three"}));
    EXPECT_EQ(summary(), QStringLiteral("No of unavilable Tag is  2"));
    EXPECT_EQ(pane().SelStart(), 8);

    dialogs.asked.clear();
    run("pbefore");
    EXPECT_EQ(reports(), (QStringList{"Invalid HTML tag one"}));

    dialogs.asked.clear();
    put(page, 5, 8);  // "<p><two>"
    run("psel");
    EXPECT_EQ(reports(), (QStringList{"Invalid HTML tag two"}));
    EXPECT_EQ(summary(), QStringLiteral("No of unavilable Tag is  1"));
}
