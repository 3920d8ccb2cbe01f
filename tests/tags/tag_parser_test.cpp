// The tag parser: what it reports, what it skips, its ranges and its summary.
#include "tag_test_fixture.h"

#include "support/test_environment.h"

namespace {
// Notes what the pane had selected while each message was on screen.
class WatchingDialogs : public ScriptedDialogs {
public:
    EditorPane* pane = nullptr;
    QStringList selectedWhileAsked;
    MsgAnswer messageBox(const QString& text, const QString& title, MsgButtons buttons,
                         MsgIcon icon) override {
        selectedWhileAsked << pane->SelText();
        return ScriptedDialogs::messageBox(text, title, buttons, icon);
    }
};

class TagParserTest : public TagTest {
protected:
    void SetUp() override {
        TagTest::SetUp();
        app.tables.loadAll(TestEnvironment::programFolder());
    }
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
    setText("<!DOCTYPE html><html><!-- note --><p class=\"x\">a < b</p><br></html>", 3);
    run("pall");
    EXPECT_TRUE(reports().isEmpty());
    EXPECT_EQ(summary(), QStringLiteral("No of Invalid Tag is  0"));
    EXPECT_EQ(dialogs.asked.back().title, QStringLiteral("Tag Parsing complited successfully"));
    EXPECT_EQ(dialogs.asked.back().icon, MsgIcon::None);
    EXPECT_EQ(pane().SelStart(), 3);
}

TEST_F(TagParserTest, UnknownNamesAreReportedOneByOneWithoutTheirSlash) {
    WatchingDialogs watching;
    watching.pane = &pane();
    app.dialogs = &watching;
    setText("<p><foo>x</foo><bar.x><p\r\n>", 0);
    run("pall");
    app.dialogs = &dialogs;
    dialogs.asked = watching.asked;
    EXPECT_EQ(watching.selectedWhileAsked.mid(0, 3), (QStringList{"foo", "foo", "bar"}));
    EXPECT_EQ(reports(), (QStringList{"Invalid HTML tag foo", "Invalid HTML tag foo",
                                      "Invalid HTML tag bar", "Invalid HTML tag p\r\n"}));
    EXPECT_EQ(dialogs.asked.front().icon, MsgIcon::Exclamation);
    EXPECT_EQ(summary(), QStringLiteral("No of Invalid Tag is  4"));
}

TEST_F(TagParserTest, EachCommandScansItsOwnRange) {
    const QByteArray page = "<one><p><two><b><three>";
    setText(page, 8);  // just before <two>
    run("pafter");
    EXPECT_EQ(reports(), (QStringList{"Invalid HTML tag two", "Invalid HTML tag three"}));
    EXPECT_EQ(summary(), QStringLiteral("No of unavilable Tag is  2"));
    EXPECT_EQ(pane().SelStart(), 8);

    dialogs.asked.clear();
    run("pbefore");
    EXPECT_EQ(reports(), (QStringList{"Invalid HTML tag one"}));

    dialogs.asked.clear();
    setText(page, 5, 8);  // "<p><two>"
    run("psel");
    EXPECT_EQ(reports(), (QStringList{"Invalid HTML tag two"}));
    EXPECT_EQ(summary(), QStringLiteral("No of unavilable Tag is  1"));
}
