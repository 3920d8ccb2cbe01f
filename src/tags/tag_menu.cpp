#include "tags/tag_commands.h"

namespace {
struct MenuItem {
    const char* parent;
    const char* name;
    const char* caption;
    bool submenu = false;
};

const MenuItem menuItems[] = {
    {"httg", "docTag", "&Document", true},
    {"docTag", "headtag", "&Head"},
    {"docTag", "title", "&Title "},
    {"docTag", "body", "&Body"},
    {"docTag", "div", "&Div"},
    {"docTag", "span", "&Span"},
    {"docTag", "comnt", "&Comment", true},
    {"comnt", "comntc", "&Comment"},
    {"comnt", "ie5r", "&IE 5 Conditional Comment(revealed)"},
    {"comnt", "ie5h", "I&E 5 Conditional Comment(Headen)"},
    {"comnt", "author", "Comment :&Author Name ,Company,Web site,Email,Comment."},
    {"docTag", "frameset", "&Frameset"},

    {"httg", "object", "&Object", true},
    {"object", "image", "&Image"},
    {"object", "bookmark", "&Bookmark"},
    {"object", "map", "&Map"},
    {"object", "objecttag", "&Object"},
    {"object", "applet", "&Applet"},
    {"object", "script", "&Script"},
    {"object", "mtext", "Marquee &Text"},
    {"object", "color", "&Color"},
    {"object", "anchor", "&Anchor", true},
    {"anchor", "anchort", "&Anchor"},
    {"anchor", "anchorb", "Anchor -&bookmark"},
    {"anchor", "Anchorm", "Anchor-&mailto"},
    {"anchor", "Anchorh", "Anchor-&http://"},
    {"anchor", "anchorf", "Anchor-ftp://"},
    {"anchor", "anchorn", "Anchor-&news:"},

    {"httg", "meta", "&META ", true},
    {"meta", "metat", "&META"},
    {"meta", "metah", "META &http-equiv"},
    {"meta", "metad", "META &description"},
    {"meta", "metak", "META &keywords"},
    {"meta", "metakd", "M&ETA keywords description"},
    {"meta", "metac", "META &charset"},
    {"meta", "metap", "META &PICS-Lable"},
    {"meta", "metaa", "META &Author"},
    {"meta", "metag", "META &Generator"},
    {"meta", "metacst", "META C&ontent-Script-Type"},

    {"httg", "head", "&Heading", true},
    {"head", "h1", "H&1"},
    {"head", "h2", "H&2"},
    {"head", "h3", "H&3"},
    {"head", "h4", "H&4"},
    {"head", "h5", "H&5"},
    {"head", "h6", "H&6"},

    {"httg", "text", "&Text", true},
    {"text", "para", "&Paragraph"},
    {"text", "bold", "&Bold"},
    {"text", "italic", "&Italic"},
    {"text", "underline", "&Underline"},
    {"text", "strike", "Stri&ke Through"},
    {"text", "font", "&Font"},
    {"text", "hr", "&Horizontal Rule"},
    {"text", "br", "&Line break"},
    {"text", "nbr", "&No break"},
    {"text", "li", "&Add List Item"},
    {"text", "pre", "Preformated &Text"},
    {"text", "qoute", "Block&qoute"},
    {"text", "address", "Add&ress"},
    {"text", "strong", "&Strong"},

    {"httg", "table", "&Table", true},
    {"table", "tablet", "&Table"},
    {"table", "wiz", "Table From &wizard"},
    {"table", "row", "Table &row"},
    {"table", "data", "Table &Data"},
    {"table", "rowcell", "Table row + cell"},
    {"table", "headercell", "Table Header &cell"},
    {"table", "caption", "&Caption"},
    {"table", "header", "Table &Header"},
    {"table", "footer", "Table &Footer"},
    {"table", "tbody", "Table &Body"},
    {"table", "colgroup", "&Colgroup"},
    {"table", "col", "&Column"},

    {"httg", "form1", "For&m", true},
    {"form1", "formt", "&Form"},
    {"form1", "textbox", "&TextBox"},
    {"form1", "password", "&PasswordBox"},
    {"form1", "checkbox", "&CheckBox"},
    {"form1", "radio", "&RadioButton"},
    {"form1", "listbox", "&Listbox"},
    {"form1", "addil", "&AddItem to listbox"},
    {"form1", "button", "&Button"},
    {"form1", "sbutton", "&Submit Button"},
    {"form1", "rbutton", "R&eset Button"},
    {"form1", "textarea", "Text &Area"},
    {"form1", "hidden", "&Hidden Field"},

    {"httg", "Formatt", "F&ormat", true},
    {"Formatt", "Monospace", "&Monospace (typewriter)"},
    {"Formatt", "Small", "&Smaller"},
    {"Formatt", "Big", "&Bigger"},
    {"Formatt", "Sup", "Su&perscript"},
    {"Formatt", "Sub", "&Subscript"},

    {"httg", "Allign", "&Align", true},
    {"Allign", "Left", "Left"},
    {"Allign", "Right", "Right"},
    {"Allign", "Center", "Center"},
};
}  // namespace

const std::vector<CommandRow>& tagMenuRows() {
    static const std::vector<CommandRow> rows = [] {
        std::vector<CommandRow> built;
        for (const MenuItem& item : menuItems)
            built.push_back({QString::fromLatin1(item.parent), QString::fromLatin1(item.name),
                             QString::fromLatin1(item.caption), QString(), item.submenu});
        return built;
    }();
    return rows;
}
