// Every insertion command: bytes written, colour of each byte, selection afterwards, with an
// empty selection and with "abc" selected.
#include "support/test_environment.h"
#include "tag_test_fixture.h"

namespace {
// Expected output in a small markup: {...} is written in the text colour (the first span is the
// content, replaced by the selection when there is one), $ and % mark the selection's start
// and end. Everything else is in the row's base colour, quoted values in the value colour.
struct Expected {
    QByteArray command;
    QByteArray markup;
    bool comment = false;
};

// The table of every command's template, in the markup above.
QList<Expected> expectations() {
    QList<Expected> rows;
    for (const QByteArrayList& row : TestEnvironment::caseRows(QStringLiteral("tag-insertions.tsv")))
        rows.push_back({row[0], row[1], row.value(2) == "comment"});
    EXPECT_GT(rows.size(), 70);
    return rows;
}

struct Rendered {
    QByteArray text;
    QString colours;
    int selStart = -1;
    int selEnd = -1;
};

// Renders the markup, with the first {...} span replaced by content when content is given.
Rendered render(const Expected& row, const QByteArray& content) {
    Rendered out;
    const char base = row.comment ? 'C' : 'G';
    bool inSpan = false, firstSpan = true, skipping = false;
    int spanStart = 0;
    for (const char c : row.markup) {
        if (c == '{') {
            inSpan = true;
            spanStart = out.text.size();
            if (firstSpan && !content.isNull()) {
                out.text += content;
                out.colours += QString(content.size(), row.comment ? 'C' : 'T');
                skipping = true;
            }
        } else if (c == '}') {
            inSpan = skipping = false;
            firstSpan = false;
        } else if (c == '$') {
            out.selStart = skipping ? spanStart : out.text.size();
        } else if (c == '%') {
            out.selEnd = out.text.size();
        } else if (!skipping) {
            out.text += c;
            out.colours += inSpan && !row.comment ? 'T' : base;
        }
    }
    // Quote pairs take the value colour.
    int open = -1;
    for (int i = 0; i < out.text.size(); ++i) {
        if (out.text[i] != '"') continue;
        if (open < 0) {
            open = i;
        } else {
            for (int k = open; k <= i; ++k) out.colours[k] = 'P';
            open = -1;
        }
    }
    return out;
}

class TagInsertionTest : public TagTest {
protected:
    void check(const Expected& row, const QByteArray& selected) {
        SCOPED_TRACE(row.command.constData());
        const QByteArray before = "AB", after = "YZ";
        put(before + selected + after, before.size(), selected.size());
        ASSERT_TRUE(run(row.command.constData()));
        const Rendered want = render(row, selected.isEmpty() ? QByteArray() : selected);
        EXPECT_EQ(text(), before + want.text + after);
        EXPECT_EQ(pane().SelStart(), before.size() + want.selStart);
        EXPECT_EQ(pane().SelLength(), want.selEnd - want.selStart);
        EXPECT_EQ(colours(before.size(), before.size() + want.text.size()), want.colours);
        EXPECT_FALSE(app.insertBusy);
        EXPECT_FALSE(app.keyInsertBusy);
    }
};
}  // namespace

TEST_F(TagInsertionTest, EveryCommandWritesItsTemplateColouredWithTheCaretInPlace) {
    for (const Expected& row : expectations()) check(row, QByteArray());
}

TEST_F(TagInsertionTest, ASelectionBecomesTheContentOrIsReplaced) {
    for (const Expected& row : expectations()) check(row, "abc");
}

TEST_F(TagInsertionTest, StyledContentIsShownInItsStyleAndTheTagsAreNot) {
    put("", 0);
    run("bold");
    EXPECT_TRUE(pane().SelBold());  // the content "Bold Text" is selected
    pane().SetSelStart(0);
    pane().SetSelLength(3);
    EXPECT_FALSE(pane().SelBold());
    put("", 0);
    run("italic");
    EXPECT_TRUE(pane().SelItalic());
    put("", 0);
    run("underline");
    EXPECT_TRUE(pane().SelUnderline());
}

TEST_F(TagInsertionTest, MetaCommandsAndListboxTakeNoUndoSnapshotTheOthersDo) {
    put("", 0);
    window->backup_code();
    const int depth = window->undoRing().undoDepth();
    run("metaa");
    run("listbox");
    EXPECT_EQ(window->undoRing().undoDepth(), depth);
    run("para");
    EXPECT_EQ(window->undoRing().undoDepth(), depth + 1);
}

TEST_F(TagInsertionTest, WithoutAnHtmlWindowACommandDoesNothing) {
    put("AB", 1);
    app.currentHtmlWindow.clear();
    EXPECT_TRUE(run("bold"));
    EXPECT_EQ(text(), QByteArray("AB"));
    EXPECT_FALSE(app.insertBusy);
}
