// The typing help of an HTML window, driven with real key and mouse events: completing tag
// names from the list, keys typed in the list, closing tags, the tooltip and the shortcuts.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>

#include "html/autotag_list.h"
#include "support/editor_fixture.h"
#include "html/tag_typing_help.h"

namespace {
class TypingHelpTest : public HtmlFixture {
protected:
    TypingHelpTest() {
        window->setTypingHelp(std::make_unique<TagTypingHelp>(*window));
        // Focus moves only within an active window.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }

    TagTypingHelp& help() { return dynamic_cast<TagTypingHelp&>(window->typingHelp()); }
    AutotagList& list() { return *help().autotag(); }

    void startOver() {
        setText("");
        help().hideList();
        help().hideTooltip();
    }

    void choose(const QString& tag) {
        const QList<QListWidgetItem*> found = list().findItems(tag, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << tag.toStdString();
        list().setCurrentItem(found.first());
    }

    // A tag of the table whose closing flag is the one asked for.
    QString tagThatCloses(bool closes) {
        for (const QString& entry : app.tables.tagTable()) {
            const QString name = entry.trimmed();
            if (!name.isEmpty() && app.tables.IsTag(name) &&
                app.tables.results.foundTagCloses == closes)
                return name;
        }
        return {};
    }
};
}  // namespace

TEST_F(TypingHelpTest, ListHoldsTheTagFileAndCompletesPartlyTypedNames) {
    HtmlWindow fresh(app);
    EXPECT_NE(dynamic_cast<TagTypingHelp*>(&fresh.typingHelp()), nullptr);
    ASSERT_GT(list().count(), 100);
    EXPECT_EQ(list().item(0)->text(), app.tables.tagTable()[0].trimmed().toLower());
    EXPECT_FALSE(help().listVisible());

    type("<ta");
    ASSERT_TRUE(help().listVisible());
    EXPECT_TRUE(pane().widget()->hasFocus());  // showing the list leaves the focus alone
    choose("table");
    QTest::keyClick(pane().widget(), Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(pane().Text(), QByteArray("<table"));
    EXPECT_EQ(pane().SelStart(), 6);
    EXPECT_FALSE(help().listVisible());

    // A closing tag keeps its slash; Down moves into the list and Enter takes the entry.
    startOver();
    type("x </ta");
    ASSERT_TRUE(help().listVisible());
    QTest::keyClick(pane().widget(), Qt::Key_Down);
    EXPECT_TRUE(list().hasFocus());
    choose("table");
    QTest::keyClick(&list(), Qt::Key_Return);
    EXPECT_EQ(pane().Text(), QByteArray("x </table"));
    EXPECT_TRUE(pane().widget()->hasFocus());

    // Space in the list inserts as well; with nothing chosen the text stays as it is.
    startOver();
    type("x <ti");
    list().setCurrentItem(nullptr);
    QTest::keyClick(pane().widget(), Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(pane().Text(), QByteArray("x <ti"));
    choose("title");
    list().setFocus();
    QTest::keyClick(&list(), Qt::Key_Space);
    EXPECT_EQ(pane().Text(), QByteArray("x <title"));
}

TEST_F(TypingHelpTest, ListNarrowsAsTheNameIsTyped) {
    type("x <TA");
    ASSERT_TRUE(help().listVisible());
    int shown = 0;
    for (int row = 0; row < list().count(); ++row) {
        if (list().isRowHidden(row)) continue;
        ++shown;
        EXPECT_TRUE(list().item(row)->text().startsWith("ta")) << row;
    }
    EXPECT_GT(shown, 0);
    EXPECT_LT(shown, list().count());
    // The first tag that fits is chosen, and Tab or Enter takes it.
    const QString chosen = list().currentItem()->text();
    EXPECT_TRUE(chosen.startsWith("ta"));
    QTest::keyClick(pane().widget(), Qt::Key_Tab);
    EXPECT_EQ(pane().Text(), ("x <" + chosen).toLatin1());
    EXPECT_FALSE(help().listVisible());

    // Escape closes the list; so does a letter no tag continues with, which is typed.
    for (const auto& [keys, text] : {std::pair{"<ta\x1b", "x <ta"}, std::pair{"<tq", "x <tq"}}) {
        startOver();
        type("x ");
        for (const char key : std::string(keys)) {
            if (key == '\x1b') QTest::keyClick(pane().widget(), Qt::Key_Escape);
            else type(QString(QChar(key)));
        }
        EXPECT_FALSE(help().listVisible()) << keys;
        EXPECT_EQ(pane().Text(), QByteArray(text)) << keys;
    }
}

TEST_F(TypingHelpTest, KeysTypedInTheListGoToThePane) {
    type("<ta");
    QTest::keyClick(pane().widget(), Qt::Key_Down);
    ASSERT_TRUE(list().hasFocus());
    QTest::keyClick(&list(), Qt::Key_B);
    EXPECT_EQ(pane().Text(), QByteArray("<tab"));
    EXPECT_TRUE(pane().widget()->hasFocus());

    // The quote passes too; a key outside the set only gives the focus back.
    list().setFocus();
    QTest::keyClicks(&list(), "\"");
    EXPECT_EQ(pane().Text(), QByteArray("<tab\""));
    list().setFocus();
    QTest::keyClick(&list(), Qt::Key_Escape);
    EXPECT_EQ(pane().Text(), QByteArray("<tab\""));
    EXPECT_TRUE(pane().widget()->hasFocus());

    // Arrow keys move within the list, over the tags that fit, instead of leaving it.
    startOver();
    type("<t");
    QTest::keyClick(pane().widget(), Qt::Key_Down);
    const int first = list().currentRow();
    QTest::keyClick(&list(), Qt::Key_Down);
    EXPECT_GT(list().currentRow(), first);
    EXPECT_TRUE(list().currentItem()->text().startsWith("t"));
    EXPECT_TRUE(list().hasFocus());

    // Up in the pane hides the list and the tooltip.
    startOver();
    type("<b");
    type("o");
    ASSERT_TRUE(help().listVisible());
    QTest::keyClick(pane().widget(), Qt::Key_Up);
    EXPECT_FALSE(help().listVisible());
    EXPECT_FALSE(help().tooltip()->isVisible());
}

TEST_F(TypingHelpTest, GreaterThanClosesOnlyTagsWhoseFlagIsTrue) {
    const QString closes = tagThatCloses(true);
    const QString stays = tagThatCloses(false);
    ASSERT_FALSE(closes.isEmpty());
    ASSERT_FALSE(stays.isEmpty());

    type("x <" + closes.toUpper() + ">");
    const QByteArray closed = ("x <" + closes.toUpper() + "></" + closes + ">").toLatin1();
    EXPECT_EQ(pane().Text(), closed);
    // The caret stands between the tags, where the content goes.
    EXPECT_EQ(pane().SelStart(), closed.size() - closes.size() - 3);
    // The closing tag is written in the tag colour.
    EXPECT_EQ(colours().substr(3 + closes.size()), std::string(closes.size() + 4, 'G'));
    EXPECT_FALSE(app.keyInsertBusy);

    // Attributes do not hide the name; closing tags and unknown names get nothing.
    startOver();
    type("x <" + closes + " id=\"a\">");
    EXPECT_EQ(pane().Text(), ("x <" + closes + " id=\"a\"></" + closes + ">").toLatin1());
    for (const QString& typed : {"x <" + stays + ">", "x </" + closes + ">", QString("x <zzz>")}) {
        startOver();
        type(typed);
        EXPECT_EQ(pane().Text(), typed.toLatin1());
    }

    // A closing tag typed by hand is coloured as a tag, and the text after it as text.
    startOver();
    type("x </" + closes + "> y");
    EXPECT_EQ(colours().substr(2), std::string(closes.size() + 3, 'G') + "TT");

    // Typed by hand right before the one written for it, it takes that one's place.
    startOver();
    type("<" + closes + ">hi</" + closes.toUpper() + "> y");
    EXPECT_EQ(pane().Text(), ("<" + closes + ">hi</" + closes.toUpper() + "> y").toLatin1());
}

TEST_F(TypingHelpTest, TooltipShowsTheRecognisedTag) {
    ASSERT_TRUE(app.tables.IsTag("b"));
    const QString expected = app.tables.results.foundTagTooltip.trimmed();
    type("x <b");
    ASSERT_TRUE(help().tooltip()->isVisible());
    EXPECT_EQ(help().tooltip()->text(), expected);
    type(">");
    EXPECT_FALSE(help().tooltip()->isVisible());
}

TEST_F(TypingHelpTest, ShortcutsPasteUndoAndOpenTheEditMenu) {
    QApplication::clipboard()->setText(QStringLiteral("<i>"));
    type("a");
    QTest::keyClick(pane().widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(pane().Text(), QByteArray("a<i>"));  // pasted once, by the window
    QTest::keyClick(pane().widget(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(pane().Text(), QByteArray("a<i><i>"));

    QTest::keyClick(pane().widget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pane().Text(), QByteArray("a<i>"));
    QTest::keyClick(pane().widget(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(pane().Text(), QByteArray("a<i><i>"));

    const int before = frame.editMenuPopups;
    QTest::mouseClick(pane().widget(), Qt::RightButton, {}, QPoint(20, 10));
    EXPECT_EQ(frame.editMenuPopups, before + 1);
    QTest::keyClick(pane().widget(), Qt::Key_Menu);
    EXPECT_EQ(frame.editMenuPopups, before + 2);
    EXPECT_EQ(pane().Text(), QByteArray("a<i><i>"));
}
