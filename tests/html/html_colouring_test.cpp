// The colouring of an HTML pane, byte by byte: the whole-range pass, the recolouring after an
// edit (always what a fresh colouring gives), and the pass after a colour change.
#include <algorithm>

#include "support/editor_fixture.h"
#include "support/random_edit.h"
#include "tags/tag_commands.h"

using HtmlColouringTest = HtmlFixture;

TEST_F(HtmlColouringTest, RangePassColoursEveryByte) {
    const std::pair<QByteArray, std::string> cases[] = {
        {"<p>text</p>", "GGGTTTTGGGG"},
        {"<a href=\"x\">go</a>", "GGGGGGGGPPPGTTGGGG"},
        // The comment colour stops at the first ">", even inside the comment; no quotes there.
        {"<!-- \"a\" > b --><p>", "CCCCCCCCCCTTTTTTGGG"},
        // Closing tags are looked up without their slash; upper case is still a tag.
        {"<B>x</B>", "GGGTGGGG"},
        // An unknown name is text up to the next "<"; a tag not closed runs up to it.
        {"<foo>bar<b>x", "TTTTTTTTGGGT"},
        {"<b>one<i", "GGGTTTGG"},
        {"<zz<b>x<p>", "TTTGGGTGGG"},
        // Quotes in text are text; a quote without partner in a tag keeps the tag colour.
        {"<p>\"hi\"<a href=\"x>", "GGGTTTTGGGGGGGGGGG"},
        {"\xEF\xBB\xBF<p>", "TTTGGG"},
    };
    for (const auto& [text, expected] : cases) {
        setText(text);
        refreshAll();
        EXPECT_EQ(colours(), expected) << text.constData();
    }
}

// A page as people write them.
const QByteArray Page =
    "<html>\r\n<head><title>Four</title>\r\n<style>p { color: red }</style></head>\r\n<body>\r\n"
    "<p class=\"intro\">one two <b>three</b> four</p>\r\n<!-- note -->\r\n"
    "<a href=\"x.html\">link</a><br/>\r\n<img src=\"a.png\" alt=\"A\">\r\n</body>\r\n</html>\r\n";

// Whatever the edit (keys, a replaced stretch, a paste, undo, redo, a tag command), every byte
// has the colour a fresh colouring of the same text gives it, on a written page or an empty one.
TEST_F(HtmlColouringTest, EditsLeaveTheColoursOfAFreshOpen) {
    frame.checked["Doundo"] = true;
    registerTagCommands(app);
    const QStringList tagCommands = {"bold", "h1", "Center", "tablet", "para", "metaa", "anchort", "anchorf"};
    HtmlWindow fresh(app);
    for (unsigned seed = 1; seed <= 4; ++seed) {
        RandomText random(seed);
        setText(seed % 2 ? Page : QByteArray());
        refreshAll();
        for (int step = 0; step < 60; ++step) {
            if (random.chance(15)) {
                select(pane(), random.below(pane().TextLength() + 1), random.below(6));
                ASSERT_TRUE(commands.run(tagCommands[random.below(tagCommands.size())]));
                QCoreApplication::processEvents();  // the command's text is coloured once it is done
            } else {
                randomEdit(*window, random, random.pieces(htmlPieces, 2));
            }
            const QByteArray text = pane().Text();
            setText(fresh, text);
            int start = 0;
            int length = int(text.size());
            fresh.refreshCode(start, length);
            ASSERT_EQ(colourDifference(colours(), colours(fresh.pane()), text), "")
                << "seed " << seed << ", step " << step;
        }
    }
}

TEST_F(HtmlColouringTest, KeysAndTheRangePassTakeSnapshotsAndEnterInsertsTheLineBreakItself) {
    type(QStringLiteral("<p>"));
    int depth = window->undoRing().undoDepth();
    type(QStringLiteral("a"));
    EXPECT_EQ(window->undoRing().undoDepth(), depth);
    type(QStringLiteral(" "));
    EXPECT_EQ(window->undoRing().undoDepth(), depth + 1);

    QTest::keyClick(pane().widget(), Qt::Key_Return);
    EXPECT_EQ(pane().Text(), "<p>a \r\n");
    EXPECT_EQ(window->undoRing().undoDepth(), depth + 2);
    EXPECT_EQ(window->modifiedTag(), "n");

    // A key typed over a selection replaces it without recolouring.
    select(pane(), 3, 1);
    type(QStringLiteral("q"));
    EXPECT_EQ(pane().Text(), "<p>q \r\n");

    // The range pass takes one too, colours what was edited before with the range (all of it,
    // here) and leaves the caret at the range's end.
    setText("<p>a</p><p>b</p>");
    depth = window->undoRing().undoDepth();
    int start = 8;
    int length = 8;
    window->refreshCode(start, length);
    EXPECT_EQ(colours(), "GGGTGGGGGGGTGGGG");
    EXPECT_EQ(pane().SelStart(), 16);
    EXPECT_EQ(window->undoRing().undoDepth(), depth + 1);
}

TEST_F(HtmlColouringTest, ColourChangeRecoloursEverything) {
    setText("<p a=\"1\">t<!-x>");
    pane().SetSelStart(4);
    app.coloursChanged = true;
    app.htmlTagColor = makeRgb(7, 8, 9);
    window->Fchangefont();
    app.htmlTagColor = Tag;
    EXPECT_EQ(colours(), "?????PPP?TCCCCC");
    EXPECT_EQ(pane().SelStart(), 4);

    // Back to the old colour.
    window->Fchangefont();
    EXPECT_EQ(colours(), "GGGGGPPPGTCCCCC");
}
