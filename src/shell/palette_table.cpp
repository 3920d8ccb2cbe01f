#include "shell/palette_table.h"

#include <cstring>

const std::vector<PaletteRow>& paletteTable() {
    static const std::vector<PaletteRow> rows = {
        {"doctool", "Document Toolbox", "docment",
         {{"Picture1", "Head", "headtag"},
          {"Picture2", "Title", "title"},
          {"Picture3", "Body", "body"},
          {"Picture4", "Div", "div"},
          {"Picture5", "Span", "span"},
          {"Picture6", "Comment", "comntc"},
          {"Picture7", "Frameset", "frameset"}}},
        {"texttool", "Text ToolBox", "text1",
         {{"Picture1", "Text Paragraph", "para"},
          {"Picture2", "New line", "br"},
          {"Picture3", "Horizontal Ruler", "hr"},
          {"Picture4", "List Wizard", "listw"},
          {"Picture5", "List Item", "li"},
          {"Picture6", "Preformated Text", "pre"},
          {"Picture7", "Blockqouted Text", "qoute"},
          {"Picture8", "Address ", "address"},
          {"Picture9", "Strong", "strong"},
          {"Picture10", "Non Breakable Text", "nbr"}}},
        {"tabletool", "Table ToolBox", "table1",
         {{"Picture1", "Table", "tablet"},
          {"Picture2", "Table from wizard", "wiz"},
          {"Picture3", "Table row", "row"},
          {"Picture4", "Table data", "data"},
          {"Picture5", "Table row + cell", "rowcell"},
          {"Picture6", "Table header cell", "headercell"},
          {"Picture7", "Table caption", "caption"},
          {"Picture8", "Table header", "header"},
          {"Picture9", "Table body", "tbody"},
          {"Picture10", "Table colgroup", "colgroup"},
          {"Picture11", "Table Column", "col"},
          {"Picture12", "Table footer", "footer"}}},
        {"Formtool1", "Form ToolBox", "form3",
         {{"Picture1", "HTML Form", "formt"},
          {"Picture2", "Text Box", "textbox"},
          {"Picture3", "Password Box", "password"},
          {"Picture4", "Check Box", "checkbox"},
          {"Picture5", "Radio Button", "radio"},
          {"Picture6", "Command Button", "button"},
          {"Picture7", "List Box", "listbox"}}},
        {"objecttool", "Object ToolBox", "object1",
         {{"Picture1", "Image", "image"},
          {"Picture2", "Book mark", "bookmark"},
          {"Picture3", "Image Map", "map"},
          {"Picture4", "Object", "objecttag"},
          {"Picture5", "Script", "script"},
          {"Picture6", "Java applet", "applet"},
          {"Picture7", "Color", "color"},
          {"Picture8", "Marquee Text", "mtext"}}},
    };
    return rows;
}

const PaletteRow* paletteForMenuItem(const char* menuItem) {
    for (const PaletteRow& row : paletteTable())
        if (std::strcmp(row.menuItem, menuItem) == 0) return &row;
    return nullptr;
}
