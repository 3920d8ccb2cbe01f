// The typing help of an HTML window, driven with real key and mouse events: completing tag
// names from the list, keys typed in the list, closing tags, the tooltip and the shortcuts.
#include <QApplication>
#include <QClipboard>
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
};
}  // namespace

// Key scripts from an empty page, steps split by "|": text and {Key}s go where the focus is;
// =name chooses that list entry ("=" alone none); @list gives the list the focus; ?list and
// ?pane say where the focus is; +list and -list whether the list is shown. The text expected
// has ^ where the caret ends.
TEST_F(TypingHelpTest, TheListCompletesNamesAndPassesKeysOnToThePane) {
    const struct {
        const char* steps;
        QByteArray text;
    } scripts[] = {
        // Shift+Space takes the entry chosen; showing the list leaves the focus alone.
        {"<ta|+list|?pane|=table|{Shift+Space}|-list", "<table^"},
        // A closing tag keeps its slash; Down moves into the list and Enter takes the entry.
        {"x </ta|+list|{Down}|?list|=table|{Return}|?pane", "x </table^"},
        // Space in the list inserts as well; with nothing chosen the text stays as it is.
        {"x <ti|=|{Shift+Space}|=title|@list|{Space}", "x <title^"},
        // Escape closes the list; so does a letter no tag continues with, which is typed.
        {"x <ta|{Escape}|-list", "x <ta^"},
        {"x <tq|-list", "x <tq^"},
        // Letters and the quote typed in the list go to the pane; other keys give the focus back.
        {"<ta|{Down}|?list|{B}|?pane|@list|\"|@list|{Escape}|?pane", "<tab\"^"},
        // Tab takes the first name that fits; Up in the pane hides the list (the caret moves).
        {"x <TA|+list|{Tab}|-list", "x <table^"},
        // Arrow keys move within the list, over the tags that fit, instead of leaving it.
        {"<t|{Down}|{Down}|?list|{Return}", "<tbody^"},
        {"<b|o|+list|{Up}|-list", "^<bo"},
        // ">" after the name of a tag whose flag says it closes writes its closing tag, in lower
        // case, and leaves the caret between the two; attributes do not hide the name.
        {"x <B>", "x <B>^</b>"},
        {"x <b id=\"a\">", "x <b id=\"a\">^</b>"},
        // Tags that do not close, closing tags and unknown names get nothing.
        {"x <br>", "x <br>^"},
        {"x </b>", "x </b>^"},
        // Typed by hand right before the one written for it, it takes that one's place.
        {"<b>hi</B> y", "<b>hi</B> y^"},
        {"<b>hi</i>", "<b>hi</i>^</b>"},
        // Ctrl+V and Shift+Insert paste once (by the window, not the pane as well); Ctrl+Z
        // undoes, Ctrl+R redoes.
        {"a|{Ctrl+V}|{Shift+Ins}|{Ctrl+Z}", "a<i>^"},
        {"a|{Ctrl+V}|{Shift+Ins}|{Ctrl+Z}|{Ctrl+R}", "a<i><i>^"},
    };
    QApplication::clipboard()->setText(QStringLiteral("<i>"));
    for (const auto& script : scripts) {
        SCOPED_TRACE(script.steps);
        startOver();
        pane().widget()->setFocus();
        for (const QString& step : QString::fromLatin1(script.steps).split('|')) {
            QWidget* focus = QApplication::focusWidget();
            if (step.startsWith('=')) {
                list().setCurrentItem(list().findItems(step.mid(1), Qt::MatchExactly).value(0));
            } else if (step == "@list") {
                list().setFocus();
            } else if (step == "?list" || step == "?pane") {
                EXPECT_EQ(focus, step == "?list" ? &list() : pane().widget()) << step.toStdString();
            } else if (step == "+list" || step == "-list") {
                EXPECT_EQ(help().listVisible(), step == "+list") << step.toStdString();
            } else if (step.startsWith('{')) {
                const QKeyCombination key = QKeySequence(step.mid(1, step.size() - 2))[0];
                QTest::keyClick(focus, key.key(), key.keyboardModifiers());
            } else {
                QTest::keyClicks(focus, step);
            }
        }
        EXPECT_EQ(pane().Text().insert(pane().SelStart(), '^'), script.text);
    }
    EXPECT_FALSE(help().tooltip()->isVisible());  // Up hid the tooltip with the list

    // Every new HTML window has the help.
    HtmlWindow fresh(app);
    EXPECT_NE(dynamic_cast<TagTypingHelp*>(&fresh.typingHelp()), nullptr);

    // A right click and the Menu key open the edit menu, and change nothing.
    startOver();
    const int before = frame.editMenuPopups;
    QTest::mouseClick(pane().widget(), Qt::RightButton, {}, QPoint(20, 10));
    QTest::keyClick(pane().widget(), Qt::Key_Menu);
    EXPECT_EQ(frame.editMenuPopups, before + 2);
    EXPECT_EQ(pane().TextLength(), 0);
}

// The list narrows to the names that fit; the tooltip shows the recognised tag until the tag
// is closed; the closing tag written is in the tag colour.
TEST_F(TypingHelpTest, ListNarrowsTooltipShowsTheTagAndClosingTagsAreColoured) {
    type("x <TA");
    for (int row = 0; row < list().count(); ++row)
        EXPECT_EQ(list().isRowHidden(row), !list().item(row)->text().startsWith("ta")) << row;

    startOver();
    ASSERT_TRUE(app.tables.IsTag("b"));
    type("x <b");
    ASSERT_TRUE(help().tooltip()->isVisible());
    EXPECT_EQ(help().tooltip()->text(), app.tables.results.foundTagTooltip.trimmed());
    type("> y");
    EXPECT_FALSE(help().tooltip()->isVisible());
    EXPECT_EQ(colours(), "TTGGGTTGGGG");  // x <b> y</b>
    EXPECT_FALSE(app.keyInsertBusy);
}
