// Every insertion command: bytes written, colour of each byte, selection afterwards, with an
// empty selection and with "abc" selected.
#include "tag_test_fixture.h"

namespace {
// Expected output in a small markup: {...} is written in the text colour (the first span is the
// content, replaced by the selection when there is one), $ and % mark the selection's start
// and end. Everything else is in the row's base colour, quoted values in the value colour.
struct Expected {
    const char* command;
    const char* markup;
    bool comment = false;
};

const Expected expectations[] = {
    {"bold", "<b>{$Bold Text%}</b>"},
    {"italic", "<i>{$Italic Text%}</i>"},
    {"underline", "<u>{$Underline Text%}</u>"},
    {"strike", "<strike>{$Strike Through Text%}</strike>"},
    {"h1", "<h1>{$Heading1 type Text%}</h1>"},
    {"h4", "<h4>{$Heading4 type Text%}</h4>"},
    {"h6", "<h6>{$Heading6 type Text%}</h6>"},
    {"Monospace", "<tt>{$ typewriter Text%}</tt>"},
    {"Small", "<small>{$Smaller Text%}</small>"},
    {"Big", "<big>{$Bigger Text%}</big>"},
    {"Sup", "<sup>{$Superscript Text%}</sup>"},
    {"Sub", "<sub>{$Subscript Text%}</sub>"},
    {"Center", "<center>{$Centered Text%}</center>"},
    {"li", "<li>{$List item%}</li>"},
    {"qoute", "<blockquote>{$Blockqouted Text%}</blockquote>"},
    {"address", "<address>{$Address here%}</address>"},
    {"tablet", "<table>{$Table here%}</table>"},
    {"row", "<tr>{$Table data tag goes here%}</tr>"},
    {"data", "<td>{$Table data%}</td>"},
    {"rowcell", "<tr><td>{$Table Data%}</td></tr>"},
    {"headercell", "<th>{$Table Header cell%}</th>"},
    {"caption", "<caption>{$Table caption here%}</caption>"},
    {"header", "<thead>{$Table header%}</thead>"},
    {"footer", "<tfoot>{$Table footer%}</tfoot>"},
    {"tbody", "<tbody>{$Table body here%}</tbody>"},
    {"colgroup", "<colgroup>{$Colgroup here%}</colgroup>"},
    {"col", "<col>{$Column here%}</col>"},
    {"title", "<title>$%{Web Page title here}</title>"},
    {"headtag", "<head>$%{}</head>"},
    {"objecttag", "<object>$%{}</object>"},
    {"div", "<div align =\"left\">$%{}</div>"},
    {"Left", "<div align =\"left\">{$Left aligned Text%}</div>"},
    {"Right", "<div align = \"right\">{$Right aligned Text%}</div>"},
    {"textarea", "<textarea name=\"$%\" rows=\"\" cols=\"\">{Text area here}</textarea>"},
    {"body", "<body background =\"$%\" text =\"\" link=\"\" vlink=\"\">\r\n{}</body>"},
    {"frameset", "<frameset cols =\"$%\" rows =\"\">{}</frameset>"},
    {"span", "<span id =\"$%\" class =\"\">{}</span>"},
    {"applet", "<applet code=\"$%\" width=\"\" height=\"\">\r\n{}</applet>"},
    {"formt", "<form action=\"$%\" method=\"post\">\r\n{form controls here}{\r\n}</form>"},
    {"addil", "<option value=\"$%\">{List item here}</option>"},
    {"bookmark", "<a name =\"$%\">{}</a>"},
    {"anchort", "<a href=\"$%\" >{hint text for link}</a>"},
    {"anchorb", "<a href=\"#$%\" >{bookmark here}</a>"},
    {"Anchorh", "<a href=\"http://$%\" >{click here to go}</a>"},
    {"anchorf", "<a href=\"ftp://$%\" >{goto ftp server}</a>"},
    {"anchorn", "<a href=\"news:$%\" >{goto news group}</a>"},
    {"Anchorm", "<a href=\"mailto:$yourname@yourhost.com%\" >{click here to mail}</a>"},
    {"para", "<p align = \"left\">{$Text paragraph here%}</p>"},
    {"nbr", "<nobr>{$Non breakable Text%}</nobr>\r\n"},
    {"pre", "<pre>{$Preformated Text%}</pre>\r\n"},
    {"mtext", "<marquee behavior =\"alternate\"\r\nbgcolor=\"white\"loop=\"4\"width=\"400\">"
              "{$Marquee Text%}</marquee>"},
    {"script", "<script language =\"vbscript\">\r\n{$your script code here%}\r\n</script>"},
    {"listbox", "<select name =\"listbox name here\">\r\n{$Add listbox items here%}\r\n</select>"},
    {"strong", "<strong id=\"$%\">{Strong Text here}</strong>\r\n"},
    {"textbox", "<input type=\"text\">$%"},
    {"password", "<input type=\"password\">$%"},
    {"checkbox", "<input type =\"checkbox\" name=\"$%\">"},
    {"radio", "<input type=\"radio\"  value=\"$%\">"},
    {"button", "<input type=\"button\"value=\"$%\">"},
    {"sbutton", "<input type=\"submit\">$%"},
    {"rbutton", "<input type=\"reset\" >$%"},
    {"hidden", "<input type=\"hidden\" >$%</input>"},
    {"br", "<br>\r\n$%"},
    {"hr", "<hr>\r\n$%"},
    {"metat", "<meta name =\"$%\" content =\"\"></meta>"},
    {"metah", "<meta http-equiv =\"$%\" content =\"\"></meta>"},
    {"metad", "<meta name =\"description\" content =\"$%\"></meta>"},
    {"metak", "<meta name =\"keywords\" content =\"$%\"></meta>"},
    {"metakd", "<meta name =\"description\" content =\"$%\"></meta>\r\n"
               "<meta name =\"keywords\" content =\"\"></meta>"},
    {"metac", "<meta http-equiv =\"Content-Type\" content =\"text/html; charset=iso-8859-1$%\">"
              "</meta>"},
    {"metap", "<meta http-equiv =\"PICS-Label\" content =\"$%\"></meta>"},
    {"metaa", "<meta name =\"author\" content =\"$%\"></meta>"},
    {"metag", "<meta name =\"generator\" content =\"Tessavel editor 2005\"></meta>$%"},
    {"metacst", "<meta name =\"Content-Script-Type\" content =\"$%\"></meta>"},
    {"comntc", "<!-- {$Comment here%}\r\n -->", true},
    {"ie5r", "<!-- <![if ]>\r\n<![endif]>{} --$%>", true},
    {"ie5h", "<!-- [if ]>\r\n{}\r\n<![endif] --$%>", true},
    {"author", "<!--\r\nAuthor:   \r\nCompany: \r\nWeb Site: \r\nEmail:\r\nComments:\r\n --$%>",
     true},
};

struct Rendered {
    QByteArray text;
    QString colours;
    int selStart = -1;
    int selEnd = -1;
};

// Renders the markup, with the first {...} span replaced by content when content is given.
Rendered render(const Expected& row, const QByteArray& content) {
    Rendered out;
    const char base = row.comment ? 'C' : 'T';
    bool inSpan = false, firstSpan = true, skipping = false;
    int spanStart = 0;
    for (const char* p = row.markup; *p; ++p) {
        const char c = *p;
        if (c == '{') {
            inSpan = true;
            spanStart = out.text.size();
            if (firstSpan && !content.isNull()) {
                out.text += content;
                out.colours += QString(content.size(), row.comment ? 'C' : 'x');
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
            out.colours += inSpan && !row.comment ? 'x' : base;
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
        SCOPED_TRACE(row.command);
        const QByteArray before = "AB", after = "YZ";
        setText(before + selected + after, before.size(), selected.size());
        ASSERT_TRUE(run(row.command));
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
    for (const Expected& row : expectations) check(row, QByteArray());
}

TEST_F(TagInsertionTest, ASelectionBecomesTheContentOrIsReplaced) {
    for (const Expected& row : expectations) check(row, "abc");
}

TEST_F(TagInsertionTest, StyledContentIsShownInItsStyleAndTheTagsAreNot) {
    setText("", 0);
    run("bold");
    EXPECT_TRUE(pane().SelBold());  // the content "Bold Text" is selected
    pane().SetSelStart(0);
    pane().SetSelLength(3);
    EXPECT_FALSE(pane().SelBold());
    setText("", 0);
    run("italic");
    EXPECT_TRUE(pane().SelItalic());
    setText("", 0);
    run("underline");
    EXPECT_TRUE(pane().SelUnderline());
}

TEST_F(TagInsertionTest, MetaCommandsAndListboxTakeNoUndoSnapshotTheOthersDo) {
    setText("", 0);
    window->backup_code();
    const int depth = window->undoRing().undoDepth();
    run("metaa");
    run("listbox");
    EXPECT_EQ(window->undoRing().undoDepth(), depth);
    run("para");
    EXPECT_EQ(window->undoRing().undoDepth(), depth + 1);
}

TEST_F(TagInsertionTest, WithoutAnHtmlWindowACommandDoesNothing) {
    setText("AB", 1);
    app.currentHtmlWindow.clear();
    EXPECT_TRUE(run("bold"));
    EXPECT_EQ(text(), QByteArray("AB"));
    EXPECT_FALSE(app.insertBusy);
}
