// The colouring of an HTML pane, byte by byte: the whole-range pass, the recolouring after an
// edit, and the pass after a colour change.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "support/editor_fixture.h"
#include "html/html_typing_help.h"

using HtmlColouringTest = HtmlFixture;

TEST_F(HtmlColouringTest, RangePassColoursTagsTextCommentsAndQuotes) {
    const struct {
        QByteArray text;
        std::string colours;
    } rows[] = {
        {"<p>text</p>", "GGGTTTTGGGG"},
        {"<a href=\"x\">go</a>", "GGGGGGGGPPPGTTGGGG"},
        // The comment colour stops at the first ">", even inside the comment.
        {"<!-- a > b --><p>", "CCCCCCCCTTTTTTGGG"},
        // Closing tags are looked up without their slash; upper case is still a tag.
        {"<B>x</B>", "GGGTGGGG"},
        // Only the "<" of an unknown tag changes colour; the scan goes on after its ">".
        {"<foo>bar<b>x", "TOOOOTTTGGGO"},
        // Text after the last "<" keeps its colour, even when that "<" starts a known tag.
        {"<b>one<i", "GGGTTTTO"},
        // A name that runs into the next "<" hides that tag too.
        {"<zz<b>x<p>", "TOOOTTTGGG"},
    };
    for (const auto& row : rows) {
        setText(row.text);
        refreshAll();
        EXPECT_EQ(colours(), row.colours) << row.text.constData();
    }
}

TEST_F(HtmlColouringTest, RangePassLooksUpOnlyNamesShorterThanFifteen) {
    // A tag table that holds a 14-letter and a 15-letter name.
    QTemporaryDir folder;
    for (const QString& name : QDir(app.programFolder).entryList(QDir::Files))
        QFile::copy(QDir(app.programFolder).filePath(name), folder.filePath(name));
    QFile tagFile(folder.filePath("tag.tsh"));
    ASSERT_TRUE(tagFile.open(QIODevice::ReadOnly));
    QList<QByteArray> tags = tagFile.readAll().split('\n');
    tagFile.close();
    tags[94] = QByteArray(14, 't') + '\r';
    tags[95] = QByteArray(15, 't') + '\r';
    ASSERT_TRUE(tagFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
    tagFile.write(tags.join('\n'));
    tagFile.close();
    app.tables.loadAll(folder.path());

    setText("<" + QByteArray(14, 't') + ">a<" + QByteArray(15, 't') + ">b<p>");
    refreshAll();
    EXPECT_EQ(colours(), std::string(16, 'G') + "TT" + std::string(16, 'O') + "TGGG");
}

TEST_F(HtmlColouringTest, RangePassColoursOnlyItsRangeAndTakesASnapshot) {
    setText("<p>a</p><p>b</p>");
    const int depth = window->undoRing().undoDepth();
    int start = 8;
    int length = 8;
    window->refreshCode(start, length);
    EXPECT_EQ(colours(), "OOOOOOOOGGGTGGGG");
    EXPECT_EQ(pane().SelStart(), 16);
    EXPECT_FALSE(window->colouringBusy);
    EXPECT_EQ(window->undoRing().undoDepth(), depth + 1);
}

TEST_F(HtmlColouringTest, EditsWhileBusyOrRightAfterALoweredFlagAreNotRecoloured) {
    setText("<p>ab<i>");
    refreshAll();
    app.colourOnChange = true;

    app.insertBusy = true;
    pane().SetSelStart(4);
    pane().SetSelColor(Other);
    pane().SetSelText(QStringLiteral("x"));
    EXPECT_EQ(colours(), "GGGTOTGGG");
    app.insertBusy = false;

    // The next change recolours the stretch of text around the caret.
    pane().SetSelStart(5);
    pane().SetSelColor(Other);
    pane().SetSelText(QStringLiteral("y"));
    EXPECT_EQ(colours(), "GGGTTTTGGG");
    EXPECT_EQ(pane().SelStart(), 6);
    EXPECT_EQ(window->modifiedTag(), "n");

    // A lowered flag skips one change and is raised again by it.
    app.colourOnChange = false;
    pane().SetSelColor(Other);
    pane().SetSelText(QStringLiteral("z"));
    EXPECT_EQ(colours(), "GGGTTTOTGGG");
    EXPECT_TRUE(app.colourOnChange);
    pane().SetSelColor(Other);
    pane().SetSelText(QStringLiteral("z"));
    EXPECT_EQ(colours(), "GGGTTTTTTGGG");
}

TEST_F(HtmlColouringTest, EditInsideATagRecoloursThatTag) {
    setText("x<b class=\"c\">y");
    app.colourOnChange = true;
    pane().SetSelStart(3);
    pane().SetSelColor(Other);
    pane().SetSelText(QStringLiteral(" "));
    // The tag up to its ">" takes the tag colour, its quotes the parameter colour; the text
    // around it is left as it was.
    EXPECT_EQ(colours(), "OGGGGGGGGGGPPPGO");

    // An unknown name makes the stretch after the "<" text.
    setText("<qq a>b<p>");
    app.colourOnChange = true;
    pane().SetSelStart(3);
    pane().SetSelText(QStringLiteral("z"));
    EXPECT_EQ(colours(), "OTTTTTTTOOO");

    // In a comment the colour runs to the first ">" after the "<!".
    setText("<!-- x -->y");
    app.colourOnChange = true;
    pane().SetSelStart(5);
    pane().SetSelText(QStringLiteral("z"));
    EXPECT_EQ(colours(), "CCCCCCCCCCCO");
}

TEST_F(HtmlColouringTest, TypedTagsAreColouredAsTheyAreTyped) {
    type(QStringLiteral("<b>bold"));
    EXPECT_EQ(pane().Text(), "<b>bold");
    EXPECT_EQ(colours(), "GGGTTTT");

    setText("");
    type(QStringLiteral("<table border=1>x"));
    EXPECT_EQ(colours(), "GGGGGGGGGGGGGGGGT");
    EXPECT_EQ(window->modifiedTag(), "n");
}

TEST_F(HtmlColouringTest, KeysThatTakeSnapshotsAndEnterInsertsTheLineBreakItself) {
    type(QStringLiteral("<p>"));
    int depth = window->undoRing().undoDepth();
    type(QStringLiteral("a"));
    EXPECT_EQ(window->undoRing().undoDepth(), depth);
    type(QStringLiteral(" "));
    EXPECT_EQ(window->undoRing().undoDepth(), depth + 1);

    QTest::keyClick(pane().widget(), Qt::Key_Return);
    EXPECT_EQ(pane().Text(), "<p>a \r\n");
    EXPECT_EQ(window->undoRing().undoDepth(), depth + 2);
    EXPECT_TRUE(app.colourOnChange);
    EXPECT_FALSE(app.keyInsertBusy);

    // A key typed over a selection replaces it without recolouring.
    pane().SetSelStart(3);
    pane().SetSelLength(1);
    type(QStringLiteral("q"));
    EXPECT_EQ(pane().Text(), "<p>q \r\n");
}

TEST_F(HtmlColouringTest, ColourChangeRecoloursEverythingWithoutLookingNamesUp) {
    setText("<foo a=\"1\">t<!-x>");
    pane().SetSelStart(4);
    app.coloursChanged = true;
    app.htmlTagColor = makeRgb(7, 8, 9);
    window->Fchangefont();
    app.htmlTagColor = Tag;
    const std::string before = colours();
    EXPECT_EQ(std::count(before.begin(), before.end(), '?'), 8);  // the unknown tag takes the new tag colour
    EXPECT_EQ(pane().SelStart(), 4);

    // Back to the old colour: quotes, text and comment take theirs.
    window->Fchangefont();
    EXPECT_EQ(colours(), "GGGGGGGPPPGTCCCCC");

    // Nothing differs any more: nothing is recoloured.
    setText("<p>");
    window->Fchangefont();
    EXPECT_EQ(colours(), "OOO");
}

namespace {
struct RecordingTypingHelp : HtmlTypingHelp {
    QStringList tooltips;
    int tagNamesTyped = 0;
    int listsHidden = 0;
    void tagRecognised(const QString& tooltip) override { tooltips << tooltip; }
    void tagNameTyped(const QString&) override { ++tagNamesTyped; }
    void hideList() override { ++listsHidden; }
};
}  // namespace

TEST_F(HtmlColouringTest, TypingTellsTheTypingHelpWhatIsBeingTyped) {
    auto help = std::make_unique<RecordingTypingHelp>();
    RecordingTypingHelp* seen = help.get();
    window->setTypingHelp(std::move(help));

    type(QStringLiteral("x<ta"));
    EXPECT_EQ(seen->tagNamesTyped, 2);  // each letter after "<": a tag name is being typed
    type(QStringLiteral("ble "));
    EXPECT_EQ(seen->tagNamesTyped, 5);
    // The blank made the name a known tag: its tooltip comes from that very lookup.
    ASSERT_FALSE(seen->tooltips.isEmpty());
    EXPECT_EQ(seen->tooltips.last(), app.tables.tooltipTable()[94].trimmed());
    type(QStringLiteral("b>"));
    EXPECT_GE(seen->listsHidden, 1);
    EXPECT_EQ(seen->tagNamesTyped, 5);
}
