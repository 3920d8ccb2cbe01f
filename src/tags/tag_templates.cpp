#include "tags/tag_templates.h"

#include <iterator>

// The mailto anchor embeds the placeholder address in its opening part.
#define MAIL_ADDRESS "yourname@yourhost.com"
const char* const mailPlaceholder = MAIL_ADDRESS;

namespace {
using C = TagColouring;
using K = TagCaret;
constexpr CharStyle NoStyle = CharStyle::None;

const TagTemplate templates[] = {
    // Wrapped in opening and closing part, the content left selected.
    {"bold", C::Wrap, "<b>", "Bold Text", "</b>", K::SelectContent, CharStyle::Bold},
    {"italic", C::Wrap, "<i>", "Italic Text", "</i>", K::SelectContent, CharStyle::Italic},
    {"underline", C::Wrap, "<u>", "Underline Text", "</u>", K::SelectContent,
     CharStyle::Underline},
    {"strike", C::Wrap, "<strike>", "Strike Through Text", "</strike>"},
    {"h1", C::Wrap, "<h1>", "Heading1 type Text", "</h1>"},
    {"h2", C::Wrap, "<h2>", "Heading2 type Text", "</h2>"},
    {"h3", C::Wrap, "<h3>", "Heading3 type Text", "</h3>"},
    {"h4", C::Wrap, "<h4>", "Heading4 type Text", "</h4>"},
    {"h5", C::Wrap, "<h5>", "Heading5 type Text", "</h5>"},
    {"h6", C::Wrap, "<h6>", "Heading6 type Text", "</h6>"},
    {"Monospace", C::Wrap, "<tt>", " typewriter Text", "</tt>"},
    {"Small", C::Wrap, "<small>", "Smaller Text", "</small>"},
    {"Big", C::Wrap, "<big>", "Bigger Text", "</big>"},
    {"Sup", C::Wrap, "<sup>", "Superscript Text", "</sup>"},
    {"Sub", C::Wrap, "<sub>", "Subscript Text", "</sub>"},
    {"Center", C::Wrap, "<center>", "Centered Text", "</center>"},
    {"li", C::Wrap, "<li>", "List item", "</li>"},
    {"qoute", C::Wrap, "<blockquote>", "Blockqouted Text", "</blockquote>"},
    {"address", C::Wrap, "<address>", "Address here", "</address>"},
    {"tablet", C::Wrap, "<table>", "Table here", "</table>"},
    {"row", C::Wrap, "<tr>", "Table data tag goes here", "</tr>"},
    {"data", C::Wrap, "<td>", "Table data", "</td>"},
    {"rowcell", C::Wrap, "<tr><td>", "Table Data", "</td></tr>"},
    {"headercell", C::Wrap, "<th>", "Table Header cell", "</th>"},
    {"caption", C::Wrap, "<caption>", "Table caption here", "</caption>"},
    {"header", C::Wrap, "<thead>", "Table header", "</thead>"},
    {"footer", C::Wrap, "<tfoot>", "Table footer", "</tfoot>"},
    {"tbody", C::Wrap, "<tbody>", "Table body here", "</tbody>"},
    {"colgroup", C::Wrap, "<colgroup>", "Colgroup here", "</colgroup>"},
    {"col", C::Wrap, "<col>", "Column here", "</col>"},

    // Wrapped, with attributes or another caret rule.
    {"title", C::Wrap, "<title>", "Web Page title here", "</title>", K::AfterOpenTag},
    {"headtag", C::Wrap, "<head>", "", "</head>", K::AfterOpenTag},
    {"objecttag", C::Wrap, "<object>", "", "</object>", K::AfterOpenTag},
    {"div", C::Wrap, "<div align =\"left\">", "", "</div>", K::AfterOpenTag},
    {"Left", C::Wrap, "<div align =\"left\">", "Left aligned Text", "</div>"},
    {"Right", C::Wrap, "<div align = \"right\">", "Right aligned Text", "</div>"},
    {"textarea", C::Wrap, "<textarea name=\"\" rows=\"\" cols=\"\">", "Text area here",
     "</textarea>", K::FirstValue},
    {"body", C::Wrap, "<body background =\"\" text =\"\" link=\"\" vlink=\"\">\r\n", "",
     "</body>", K::FirstValue},
    {"frameset", C::Wrap, "<frameset cols =\"\" rows =\"\">", "", "</frameset>", K::FirstValue},
    {"span", C::Wrap, "<span id =\"\" class =\"\">", "", "</span>", K::FirstValue},
    {"applet", C::Wrap, "<applet code=\"\" width=\"\" height=\"\">\r\n", "", "</applet>",
     K::FirstValue},
    {"formt", C::Wrap, "<form action=\"\" method=\"post\">\r\n", "form controls here",
     "</form>", K::FirstValue, NoStyle, 0, false, "\r\n"},
    {"addil", C::Wrap, "<option value=\"\">", "List item here", "</option>", K::LastValue},
    {"bookmark", C::Wrap, "<a name =\"\">", "", "</a>", K::LastValue},
    {"anchort", C::Wrap, "<a href=\"\" >", "hint text for link", "</a>", K::FirstValue, NoStyle,
     0, true},
    {"anchorb", C::Wrap, "<a href=\"#\" >", "bookmark here", "</a>", K::AfterMark, NoStyle, '#',
     true},
    {"Anchorh", C::Wrap, "<a href=\"http://\" >", "click here to go", "</a>", K::AfterMark,
     NoStyle, '/', true},
    {"anchorf", C::Wrap, "<a href=\"ftp://\" >", "goto ftp server", "</a>", K::AfterMark,
     NoStyle, '/', true},
    {"anchorn", C::Wrap, "<a href=\"news:\" >", "goto news group", "</a>", K::AfterMark,
     NoStyle, ':', true},
    {"Anchorm", C::Wrap, "<a href=\"mailto:" MAIL_ADDRESS "\" >", "click here to mail", "</a>",
     K::MailAddress},

    // Written in one piece in the tag colour, the content recoloured as text.
    {"para", C::OnePiece, "<p align = \"left\">", "Text paragraph here", "</p>"},
    {"nbr", C::OnePiece, "<nobr>", "Non breakable Text", "</nobr>\r\n"},
    {"pre", C::OnePiece, "<pre>", "Preformated Text", "</pre>\r\n"},
    {"mtext", C::OnePiece,
     "<marquee behavior =\"alternate\"\r\nbgcolor=\"white\"loop=\"4\"width=\"400\">",
     "Marquee Text", "</marquee>"},
    {"script", C::OnePiece, "<script language =\"vbscript\">\r\n", "your script code here",
     "\r\n</script>"},
    {"listbox", C::OnePiece, "<select name =\"listbox name here\">\r\n", "Add listbox items here",
     "\r\n</select>", K::SelectContent, NoStyle, 0, false, "", true, true},
    {"strong", C::OnePiece, "<strong id=\"\">", "Strong Text here", "</strong>\r\n",
     K::StrongId},

    // One tag, no content.
    {"textbox", C::SingleTag, "<input type=\"text\">", nullptr, "", K::End},
    {"password", C::SingleTag, "<input type=\"password\">", nullptr, "", K::End},
    {"checkbox", C::SingleTag, "<input type =\"checkbox\" name=\"\">", nullptr, "", K::LastValue},
    {"radio", C::SingleTag, "<input type=\"radio\"  value=\"\">", nullptr, "", K::LastValue},
    {"button", C::SingleTag, "<input type=\"button\"value=\"\">", nullptr, "", K::LastValue},
    {"sbutton", C::SingleTag, "<input type=\"submit\">", nullptr, "", K::End},
    {"rbutton", C::SingleTag, "<input type=\"reset\" >", nullptr, "", K::End},
    {"hidden", C::SingleTag, "<input type=\"hidden\" ></input>", nullptr, "", K::AfterOpenTag},
    {"br", C::SingleTag, "<br>\r\n", nullptr, "", K::End},
    {"hr", C::SingleTag, "<hr>\r\n", nullptr, "", K::End},

    // META tags.
    {"metat", C::Meta, "<meta name =\"\" content =\"\"></meta>", nullptr, "", K::FirstValue},
    {"metah", C::Meta, "<meta http-equiv =\"\" content =\"\"></meta>", nullptr, "", K::FirstValue},
    {"metad", C::Meta, "<meta name =\"description\" content =\"\"></meta>", nullptr, "",
     K::LastValue},
    {"metak", C::Meta, "<meta name =\"keywords\" content =\"\"></meta>", nullptr, "", K::LastValue},
    {"metakd", C::Meta,
     "<meta name =\"description\" content =\"\"></meta>\r\n"
     "<meta name =\"keywords\" content =\"\"></meta>",
     nullptr, "", K::MetaContent},
    {"metac", C::Meta,
     "<meta http-equiv =\"Content-Type\" content =\"text/html; charset=iso-8859-1\"></meta>",
     nullptr, "", K::LastValue},
    {"metap", C::Meta, "<meta http-equiv =\"PICS-Label\" content =\"\"></meta>", nullptr, "",
     K::LastValue},
    {"metaa", C::Meta, "<meta name =\"author\" content =\"\"></meta>", nullptr, "", K::LastValue},
    {"metag", C::Meta,
     "<meta name =\"generator\" content =\"Tessavel editor 2005\"></meta>", nullptr, "", K::End},
    {"metacst", C::Meta, "<meta name =\"Content-Script-Type\" content =\"\"></meta>", nullptr, "",
     K::LastValue},

    // Comments.
    {"comntc", C::Comment, "<!-- ", "Comment here", "\r\n -->"},
    {"ie5r", C::Comment, "<!-- <![if ]>\r\n<![endif]>", "", " -->", K::OneBack},
    {"ie5h", C::Comment, "<!-- [if ]>\r\n", "", "\r\n<![endif] -->", K::OneBack},
    {"author", C::Comment,
     "<!--\r\nAuthor:   \r\nCompany: \r\nWeb Site: \r\nEmail:\r\nComments:\r\n -->", nullptr, "",
     K::OneBack},
};
#undef MAIL_ADDRESS
}  // namespace

const TagTemplate* tagTemplatesBegin() { return std::begin(templates); }
const TagTemplate* tagTemplatesEnd() { return std::end(templates); }

const TagTemplate* findTagTemplate(const QString& name) {
    for (const TagTemplate& row : templates)
        if (name == QLatin1String(row.name)) return &row;
    return nullptr;
}
