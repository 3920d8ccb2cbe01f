// Behaviour every pane shares, whichever component stands behind it.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QTest>
#include <memory>

#include "core/rich_text_pane.h"
#include "core/scintilla_pane.h"
#include "pane_test_support.h"

namespace {
constexpr Rgb Red = makeRgb(255, 0, 0);
constexpr Rgb Blue = makeRgb(0, 0, 255);

template <typename Pane>
class EditorPaneTest : public ::testing::Test {
protected:
    EditorPaneTest() : pane(std::make_unique<Pane>()) { pane->setEventHandler(&events); }
    ~EditorPaneTest() override { pane->setEventHandler(nullptr); }
    RecordingEvents events;
    std::unique_ptr<EditorPane> pane;
};

using PaneTypes = ::testing::Types<ScintillaPane, RichTextPane>;
TYPED_TEST_SUITE(EditorPaneTest, PaneTypes);

TYPED_TEST(EditorPaneTest, FindSelectsTheMatchOrLeavesTheSelectionAlone) {
    EditorPane& pane = *this->pane;
    pane.SetText("Hello world, hello <b>");
    EXPECT_EQ(pane.Find("hello", 0), 0);
    EXPECT_EQ(pane.SelLength(), 5);
    EXPECT_EQ(pane.Find("hello", 1), 13);
    EXPECT_EQ(pane.Find("Hello", 1, -1, FindMatchCase), -1);
    EXPECT_EQ(pane.SelStart(), 13);
    EXPECT_EQ(pane.SelLength(), 5);
    EXPECT_EQ(pane.Find("<", 0), 19);
    EXPECT_EQ(pane.SelText(), QStringLiteral("<"));
    EXPECT_EQ(pane.Find("<", 20), -1);
    EXPECT_EQ(pane.Find("world", 0, 8), -1);  // the match would end past the end offset
    EXPECT_EQ(pane.Find("world", 0, -1, FindNoHighlight), 6);
    EXPECT_EQ(pane.SelStart(), 19);
    EXPECT_EQ(pane.Find("", 0), -1);
}

TYPED_TEST(EditorPaneTest, FindWholeWordSkipsPartsOfWords) {
    EditorPane& pane = *this->pane;
    pane.SetText("concat cat");
    EXPECT_EQ(pane.Find("cat", 0), 3);
    EXPECT_EQ(pane.Find("cat", 0, -1, FindWholeWord), 7);
    EXPECT_EQ(pane.Find("CAT", 0, -1, FindWholeWord | FindMatchCase), -1);
}

TYPED_TEST(EditorPaneTest, UpToStopsBeforeTheCharacterOrAtTheEnds) {
    EditorPane& pane = *this->pane;
    pane.SetText("<abc def>xyz");
    pane.SetSelStart(1);
    pane.UpTo(" >", true);
    EXPECT_EQ(pane.SelStart(), 4);
    pane.UpTo("<", true);
    EXPECT_EQ(pane.SelStart(), 12);  // no "<" ahead: the end of the text
    pane.UpTo("<>", false);
    EXPECT_EQ(pane.SelStart(), 9);  // just after the ">"
    pane.SetSelStart(3);
    pane.UpTo("#", false);
    EXPECT_EQ(pane.SelStart(), 0);
    pane.UpTo("<abc", true, true);
    EXPECT_EQ(pane.SelStart(), 4);
}

TYPED_TEST(EditorPaneTest, InsertionTakesTheColourSetJustBeforeIt) {
    EditorPane& pane = *this->pane;
    bool busy = true;
    this->events.busy = &busy;
    pane.SetSelColor(Red);
    pane.SetSelText("<b>");
    pane.SetSelColor(Blue);
    pane.SetSelText("x");
    busy = false;
    EXPECT_EQ(pane.Text(), QByteArray("<b>x"));
    EXPECT_EQ(pane.SelStart(), 4);
    EXPECT_EQ(pane.SelLength(), 0);
    EXPECT_EQ(coloursOf(pane), (std::vector<Rgb>{Red, Red, Red, Blue}));
    EXPECT_EQ(this->events.changesWhileBusy, 2);  // raised inside each insertion
    EXPECT_GE(this->events.selChanges, 2);

    // Replacing a selection: the new text takes the colour of what it replaces.
    pane.SetSelStart(1);
    pane.SetSelLength(1);
    pane.SetSelText("i");
    EXPECT_EQ(colourAt(pane, 1), Red);
}

TYPED_TEST(EditorPaneTest, CharacterStylesBelongToTheSelection) {
    EditorPane& pane = *this->pane;
    pane.SetText("plain bold");
    pane.SetSelStart(6);
    pane.SetSelLength(4);
    pane.SetSelBold(true);
    pane.SetSelItalic(true);
    EXPECT_TRUE(pane.SelBold());
    pane.SetSelStart(2);
    pane.SetSelLength(1);
    EXPECT_FALSE(pane.SelBold());
    EXPECT_FALSE(pane.SelItalic());
    pane.SetSelStart(10);
    EXPECT_TRUE(pane.SelBold());  // the caret takes the character before it
    pane.SetSelBold(false);
    pane.SetSelText("!");
    pane.SetSelStart(10);
    pane.SetSelLength(1);
    EXPECT_FALSE(pane.SelBold());
    EXPECT_TRUE(pane.SelItalic());
}

TYPED_TEST(EditorPaneTest, TypedCharacterTakesTheColourBeforeIt) {
    EditorPane& pane = *this->pane;
    pane.SetText("ab");
    pane.SetSelStart(0);
    pane.SetSelLength(1);
    pane.SetSelColor(Red);
    pane.SetSelStart(1);
    QTest::keyClick(pane.widget(), Qt::Key_X);
    EXPECT_EQ(pane.Text(), QByteArray("axb"));
    EXPECT_EQ(colourAt(pane, 1), Red);
    EXPECT_EQ(colourAt(pane, 2), makeRgb(0, 0, 0));

    this->events.replaceWith = 'y';
    QTest::keyClick(pane.widget(), Qt::Key_Z);
    this->events.replaceWith = 0;
    QTest::keyClick(pane.widget(), Qt::Key_Q);
    QTest::keyClick(pane.widget(), Qt::Key_Return);
    EXPECT_EQ(pane.Text(), QByteArray("axyb"));
    EXPECT_EQ(this->events.keysPressed, (std::vector<int>{'x', 'z', 'q', 13}));
}

TYPED_TEST(EditorPaneTest, LinesAreCountedAndIndexed) {
    EditorPane& pane = *this->pane;
    pane.SetText("one\r\ntwo\r\nthree");
    EXPECT_EQ(pane.lineCount(), 3);
    const QByteArray text = pane.Text();  // a code pane keeps CR LF, a document one break
    EXPECT_EQ(pane.lineIndex(1), text.indexOf("two"));
    EXPECT_EQ(pane.lineIndex(2), text.indexOf("three"));
    EXPECT_EQ(pane.lineIndex(3), -1);
    EXPECT_EQ(pane.GetLineFromChar(text.indexOf("wo")), 1);
    EXPECT_EQ(pane.Find("three", 0), text.indexOf("three"));
}

TYPED_TEST(EditorPaneTest, SnapshotRestoresTextColoursAndSelection) {
    EditorPane& pane = *this->pane;
    pane.SetText("abcdef");
    pane.SetSelStart(2);
    pane.SetSelLength(2);
    pane.SetSelColor(Red);
    const PaneSnapshot before = pane.Snapshot();
    pane.markUnchanged();
    EXPECT_FALSE(pane.changesSinceMark().any);

    pane.SetSelStart(4);
    pane.SetSelText("XY");
    const PaneChanges changes = pane.changesSinceMark();
    EXPECT_TRUE(changes.any);
    EXPECT_EQ(changes.head, 4);
    EXPECT_EQ(changes.tail, 2);

    pane.Restore(before);
    EXPECT_EQ(pane.Text(), QByteArray("abcdef"));
    EXPECT_EQ(coloursOf(pane)[3], Red);
    EXPECT_EQ(coloursOf(pane)[4], makeRgb(0, 0, 0));
    EXPECT_EQ(pane.SelStart(), 2);
    EXPECT_EQ(pane.SelLength(), 2);
}
// The mouse reaches the component behind the pane: a click places the caret, a double click
// selects a word, a drag and a Shift+click select.
TYPED_TEST(EditorPaneTest, MouseClicksPlaceTheCaretAndSelect) {
    EditorPane& pane = *this->pane;
    QWidget* widget = pane.widget();
    widget->resize(400, 300);
    widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    pane.SetText("alpha beta gamma");
    QWidget* viewport = qobject_cast<QAbstractScrollArea*>(widget)->viewport();
    const QPoint beforeT = pointBefore(pane, 8);  // be|ta
    const QPoint inGamma = (pointBefore(pane, 12) + pointBefore(pane, 13)) / 2;
    const QPoint start = pointBefore(pane, 0);
    const QPoint afterAlpha = pointBefore(pane, 5);
    const QPoint afterBeta = pointBefore(pane, 10);

    pane.SetSelStart(0);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, beforeT);
    EXPECT_EQ(pane.SelStart(), 8);
    EXPECT_EQ(pane.SelLength(), 0);
    QTest::keyClick(widget, Qt::Key_X);
    EXPECT_EQ(pane.Text(), QByteArray("alpha bexta gamma"));
    pane.SetText("alpha beta gamma");

    QTest::mouseClick(viewport, Qt::LeftButton, {}, inGamma);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, inGamma);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, inGamma);
    EXPECT_EQ(pane.SelStart(), 11);
    EXPECT_EQ(pane.SelLength(), 5);

    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, (start + afterAlpha) / 2);
    QTest::mouseMove(viewport, afterAlpha);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, afterAlpha);
    EXPECT_EQ(pane.SelStart(), 0);
    EXPECT_EQ(pane.SelLength(), 5);

    QTest::mouseClick(viewport, Qt::LeftButton, {}, start);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, afterBeta);
    EXPECT_EQ(pane.SelStart(), 0);
    EXPECT_EQ(pane.SelLength(), 10);
    EXPECT_EQ(pane.SelText(), QStringLiteral("alpha beta"));
}
}  // namespace
