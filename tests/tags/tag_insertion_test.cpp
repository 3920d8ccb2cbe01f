// The insertion commands: what each writes and colours, styled content, the menu's commands.
#include "support/test_environment.h"
#include "tag_test_fixture.h"

namespace {
struct Rendered {
    QByteArray text;
    QString colours;
    int selStart = -1;
    int selEnd = -1;
};

// Renders a template written in a small markup: {...} is written in the text colour (the first
// span is the content, replaced by the selection when there is one), $ and % mark the
// selection's start and end. Everything else is in the base colour (the comment colour when
// `comment`), quoted values in the value colour.
Rendered render(const QByteArray& markup, bool comment, const QByteArray& content) {
    Rendered out;
    bool inSpan = false, firstSpan = true, skipping = false;
    int spanStart = 0;
    for (const char c : markup) {
        if (c == '{') {
            inSpan = true;
            spanStart = out.text.size();
            skipping = firstSpan && !content.isEmpty();
            if (skipping) {
                out.text += content;
                out.colours += QString(content.size(), comment ? 'C' : 'T');
            }
        } else if (c == '}') {
            inSpan = skipping = firstSpan = false;
        } else if (c == '$') {
            out.selStart = skipping ? spanStart : out.text.size();
        } else if (c == '%') {
            out.selEnd = out.text.size();
        } else if (!skipping) {
            out.text += c;
            out.colours += comment ? 'C' : inSpan ? 'T' : 'G';
        }
    }
    // Quote pairs take the value colour.
    for (int open = out.text.indexOf('"'); open >= 0;) {
        const int close = out.text.indexOf('"', open + 1);
        if (close < 0) break;
        out.colours.replace(open, close - open + 1, QString(close - open + 1, 'P'));
        open = out.text.indexOf('"', close + 1);
    }
    return out;
}
}  // namespace

// Each command of the case table (command, template, "comment" when written in the comment colour
// or "no-snapshot" when it takes no undo snapshot) with an empty selection and with "abc"
// selected: bytes written, colour of each byte, selection afterwards and the undo snapshot.
TEST_F(TagTest, EveryInsertionCommandWritesItsTemplateOrWrapsTheSelection) {
    const QList<QByteArrayList> rows = TestEnvironment::caseRows("tag-insertions.tsv");
    EXPECT_GT(rows.size(), 10);
    for (const QByteArrayList& row : rows) {
        for (const QByteArray& selected : {QByteArray(), QByteArray("abc")}) {
            SCOPED_TRACE(row[0].constData() + (" on " + selected.toStdString()));
            // No two runs leave the same text: a text like the last snapshot's takes no new one.
            const QByteArray before = selected.isEmpty() ? "ab" : "AB", after = "YZ";
            put(before + selected + after, before.size(), selected.size());
            const int depth = window->undoRing().undoDepth();
            ASSERT_TRUE(run(row[0].constData()));
            EXPECT_EQ(window->undoRing().undoDepth(), depth + (row.value(2) != "no-snapshot"));
            const Rendered want = render(row[1], row.value(2) == "comment", selected);
            EXPECT_EQ(text(), before + want.text + after);
            EXPECT_EQ(pane().SelStart(), before.size() + want.selStart);
            EXPECT_EQ(pane().SelLength(), want.selEnd - want.selStart);
            EXPECT_EQ(colours(before.size(), before.size() + want.text.size()), want.colours);
            EXPECT_FALSE(app.insertBusy);
            EXPECT_FALSE(app.keyInsertBusy);
        }
    }
}

// Styled content is shown in its style and the tags are not; without an HTML window a command
// does nothing.
TEST_F(TagTest, StylesAndNoWindow) {
    for (const auto& [command, styled] :
         {std::pair<const char*, bool (EditorPane::*)() const>{"bold", &EditorPane::SelBold},
          {"italic", &EditorPane::SelItalic}, {"underline", &EditorPane::SelUnderline}}) {
        put("", 0);
        run(command);
        EXPECT_TRUE((pane().*styled)()) << command;  // the content is selected
        select(pane(), 0, 3);
        EXPECT_FALSE((pane().*styled)()) << command;
    }

    put("AB", 1);
    app.currentHtmlWindow.clear();
    EXPECT_TRUE(run("bold"));
    EXPECT_EQ(text(), QByteArray("AB"));
    EXPECT_FALSE(app.insertBusy);
}

// Every item of the HTML Tags menu has its command.
TEST_F(TagTest, EveryMenuItemHasItsCommand) {
    for (const CommandRow& row : commands.menuRows())
        if (!row.submenu) EXPECT_TRUE(commands.has(row.name)) << row.name.toStdString();
}
