// The undo history of a window, driven as the main window drives it.
#include <gtest/gtest.h>

#include "core/rich_text_pane.h"
#include "pane_test_support.h"
#include "support/recording_frame.h"

namespace {
class UndoRingTest : public ::testing::Test {
protected:
    UndoRingTest() {
        app.frame = &frame;
        window = new StubWindow(app, KindVbscript);
        window->activate();
    }
    ~UndoRingTest() override { delete window; }

    void type(const QString& text) {
        window->pane().SetSelText(text);
        window->backup_code();
    }
    UndoRing& ring() { return window->undoRing(); }
    QByteArray text() { return window->pane().Text(); }

    RecordingFrame frame;
    AppState app;
    StubWindow* window = nullptr;
};

TEST_F(UndoRingTest, OneEditGivesTwoStepsAndOneUndoGoesBack) {
    window->pane().SetText("loaded");
    window->backup_code();
    window->backup_code();  // nothing changed: no second snapshot
    EXPECT_EQ(ring().undoDepth(), 1);
    EXPECT_FALSE(ring().canUndo());

    window->pane().SetSelStart(6);
    type(" text");
    EXPECT_EQ(ring().undoDepth(), 2);
    EXPECT_TRUE(frame.enabled.value("Undo"));
    EXPECT_TRUE(frame.buttons.value(14));
    EXPECT_FALSE(frame.enabled.value("redo"));

    window->undo_code();
    EXPECT_EQ(text(), QByteArray("loaded"));
    EXPECT_FALSE(ring().canUndo());
    EXPECT_FALSE(frame.enabled.value("Undo"));
    EXPECT_TRUE(frame.enabled.value("redo"));
    window->redo_code();
    EXPECT_EQ(text(), QByteArray("loaded text"));
    EXPECT_FALSE(ring().canRedo());
}

TEST_F(UndoRingTest, FirstUndoKeepsThePresentForRedo) {
    type("a");
    type("b");
    window->pane().SetSelText("c");  // typed, but no snapshot yet
    window->undo_code();              // snapshots "abc" first, then goes back to "a"
    EXPECT_EQ(text(), QByteArray("ab"));
    EXPECT_EQ(ring().redoDepth(), 1);
    window->undo_code();  // a second undo in a row takes no snapshot
    EXPECT_EQ(text(), QByteArray("a"));
    EXPECT_EQ(ring().redoDepth(), 2);
    EXPECT_EQ(window->pane().SelStart(), 1);
    window->redo_code();
    window->redo_code();
    EXPECT_EQ(text(), QByteArray("abc"));
    EXPECT_FALSE(ring().canRedo());

    // Editing after an undo, without a snapshot, is one step of its own: undo goes back to
    // what the undo had shown, and redo brings the edit back (not the steps it replaced).
    window->undo_code();
    window->pane().SetSelStart(0);
    window->pane().SetSelText("zz");
    window->undo_code();
    EXPECT_EQ(text(), QByteArray("ab"));
    window->redo_code();
    EXPECT_EQ(text(), QByteArray("zzab"));
    EXPECT_FALSE(ring().canRedo());
}

TEST_F(UndoRingTest, SixtySlotsGiveAtMostFiftyNineSteps) {
    for (int i = 0; i < 75; ++i) type(QString::number(i % 10));
    EXPECT_EQ(ring().undoDepth(), 59);
    int steps = 0;
    while (ring().canUndo()) {
        window->undo_code();
        ++steps;
    }
    EXPECT_EQ(steps, 58);  // 59 snapshots, the newest being the present state
    EXPECT_EQ(text().size(), 75 - 58);
    while (ring().canRedo()) window->redo_code();
    EXPECT_EQ(text().size(), 75);
}

TEST_F(UndoRingTest, ColourChangesAreUndoneAndSnapshotsShareTheirText) {
    EditorPane& pane = window->pane();
    pane.SetText(QByteArray(100000, 'x'));
    window->backup_code();
    for (int i = 0; i < 60; ++i) {
        pane.SetSelStart(i * 10);
        pane.SetSelLength(5);
        pane.SetSelColor(makeRgb(i, 0, 0));
        window->backup_code();
    }
    EXPECT_LT(ring().bytesHeld(), size_t(3 * pane.TextLength()));
    window->undo_code();
    EXPECT_EQ(colourAt(pane, 590), makeRgb(0, 0, 0));
    EXPECT_EQ(colourAt(pane, 580), makeRgb(58, 0, 0));
}

TEST_F(UndoRingTest, SwitchedOffItDoesNothing) {
    type("a");
    type("b");
    frame.checked["Doundo"] = false;
    type("c");
    window->undo_code();
    EXPECT_EQ(text(), QByteArray("abc"));
    EXPECT_EQ(ring().undoDepth(), 2);
    frame.checked["Doundo"] = true;
    window->undo_code();
    EXPECT_EQ(text(), QByteArray("ab"));
}
TEST(UndoRingDocument, DocumentsGetBackCharactersFormatsAndParagraphs) {
    RecordingFrame frame;
    AppState app;
    app.frame = &frame;
    StubWindow window(app, KindDocument, std::make_unique<RichTextPane>());
    EditorPane& pane = window.pane();
    pane.SetSelText(QStringLiteral("\u0416 one\r\ntwo"));
    pane.SetSelAlignment(2);
    window.backup_code();
    const QByteArray before = pane.Text();

    pane.SetSelStart(0);
    pane.SetSelLength(1);
    pane.SetSelBold(true);
    pane.SetSelStart(pane.TextLength());
    pane.SetSelText(QStringLiteral("\r\nthree"));
    pane.SetSelAlignment(0);
    window.backup_code();
    window.undo_code();
    EXPECT_EQ(pane.Text(), before);
    EXPECT_EQ(pane.TextString().left(1), QStringLiteral("\u0416"));
    pane.SetSelStart(0);
    pane.SetSelLength(1);
    EXPECT_FALSE(pane.SelBold());
    pane.SetSelStart(pane.TextLength());
    EXPECT_EQ(pane.SelAlignment(), 2);
    window.redo_code();
    EXPECT_TRUE(pane.TextString().endsWith("three"));
}
}  // namespace
