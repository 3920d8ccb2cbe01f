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

TEST_F(UndoRingTest, SixtySlotsGiveFiftyNineStepsTheLastBackToTheFirstSnapshot) {
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 75; ++i) type(QString::number(i % 10));
        EXPECT_EQ(ring().undoDepth(), 59);
        int steps = 0;
        while (ring().canUndo()) {
            window->undo_code();
            ++steps;
        }
        // 58 steps through the ring, the newest being the present state, then the first
        // snapshot kept aside.
        EXPECT_EQ(steps, 59);
        EXPECT_EQ(text(), QByteArray("0"));
        while (ring().canRedo()) window->redo_code();
        EXPECT_EQ(text().size(), 75 * (round + 1));
        EXPECT_LT(ring().bytesHeld(), size_t(1 << 16));
    }
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
    // Text and styles of the present and of the opened page (pushed out of the ring, so kept
    // aside), and little else.
    EXPECT_LT(ring().bytesHeld(), size_t(5 * pane.TextLength()));
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
}  // namespace
