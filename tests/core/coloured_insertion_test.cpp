// Tag insertion into a window: text, colours byte by byte and the selection left behind.
#include <gtest/gtest.h>

#include "core/coloured_insertion.h"
#include "pane_test_support.h"
#include "support/recording_frame.h"

namespace {
constexpr Rgb Tag = makeRgb(0, 0, 200);
constexpr Rgb Text = makeRgb(10, 10, 10);
constexpr Rgb Param = makeRgb(200, 0, 0);

class ColouredInsertionTest : public ::testing::Test {
protected:
    ColouredInsertionTest() {
        app.frame = &frame;
        app.htmlTagColor = Tag;
        app.htmlTextColor = Text;
        app.htmlParamColor = Param;
        window = new StubWindow(app, KindHtml);
        events.busy = &app.insertBusy;
        window->pane().setEventHandler(&events);
    }
    ~ColouredInsertionTest() override { delete window; }

    std::vector<Rgb> expected(std::initializer_list<std::pair<int, Rgb>> runs) {
        std::vector<Rgb> colours;
        for (auto [count, colour] : runs) colours.insert(colours.end(), count, colour);
        return colours;
    }

    RecordingFrame frame;
    AppState app;
    RecordingEvents events;
    StubWindow* window = nullptr;
    const WrapTemplate bold{"<b>", "Bold Text", "</b>", CharStyle::Bold};
};

TEST_F(ColouredInsertionTest, BoldWithoutSelectionInsertsThePlaceholderSelected) {
    EditorPane& pane = window->pane();
    insertWrapped(*window, bold);
    EXPECT_EQ(pane.Text(), QByteArray("<b>Bold Text</b>"));
    EXPECT_EQ(coloursOf(pane), expected({{3, Tag}, {9, Text}, {4, Tag}}));
    EXPECT_EQ(pane.SelStart(), 3);
    EXPECT_EQ(pane.SelLength(), 9);
    EXPECT_TRUE(pane.SelBold());
    pane.SetSelStart(13);
    pane.SetSelLength(1);
    EXPECT_FALSE(pane.SelBold());
    EXPECT_FALSE(app.insertBusy);
    EXPECT_FALSE(app.keyInsertBusy);
    EXPECT_EQ(events.changes, events.changesWhileBusy);  // no recolouring in between
    EXPECT_EQ(window->previews, 1);
    EXPECT_EQ(window->undoRing().undoDepth(), 1);
}

TEST_F(ColouredInsertionTest, BoldWrapsTheSelectedWord) {
    EditorPane& pane = window->pane();
    pane.SetText("x abc y");
    window->backup_code();
    pane.SetSelStart(2);
    pane.SetSelLength(3);
    insertWrapped(*window, bold);
    EXPECT_EQ(pane.Text(), QByteArray("x <b>abc</b> y"));
    EXPECT_EQ(pane.SelStart(), 5);
    EXPECT_EQ(pane.SelText(), QStringLiteral("abc"));
    EXPECT_EQ(coloursOf(pane),
              expected({{2, 0}, {3, Tag}, {3, Text}, {4, Tag}, {2, 0}}));
    EXPECT_TRUE(window->undoRing().canUndo());
}

TEST_F(ColouredInsertionTest, QuotedValuesStopAtAQuoteWithoutPartner) {
    EditorPane& pane = window->pane();
    pane.SetText("<a b=\"x\" c=\"y>");
    int start = 0;
    int end = pane.TextLength();
    ColourQuotedValues(start, *window, end);
    EXPECT_EQ(coloursOf(pane), expected({{5, 0}, {3, Param}, {6, 0}}));
    EXPECT_EQ(pane.SelStart(), end);
    EXPECT_TRUE(pane.Visible());
}

TEST(ColourComponents, SplitRedGreenBlue) {
    const Rgb c = makeRgb(18, 52, 86);
    EXPECT_EQ(RedOf(c), 18);
    EXPECT_EQ(GreenOf(c), 52);
    EXPECT_EQ(BlueOf(c), 86);
    EXPECT_EQ(BlueOf(makeRgb(0, 255, 255)), 255);
    EXPECT_EQ(GreenOf(makeRgb(255, 0, 255)), 0);
    EXPECT_EQ(toQColor(c), QColor(18, 52, 86));
    EXPECT_EQ(fromQColor(QColor(18, 52, 86)), c);
}
}  // namespace
