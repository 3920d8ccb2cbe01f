#include "shell/toolbar_table.h"

namespace {
using F = DocumentFormat;

std::vector<ToolbarRow> buildRows() {
    return {
        {1, "New", "New", "new", "document-new", "HTML", F::None, "mnuFileNew", true},
        {2, "Open", "Open", "open", "document-open", "openhtml", F::None, "mnuFileOpen",
         true},
        {3, "Save", "Save", "save", "document-save", "Save"},
        {4},
        {5, "Print", "Print", "print", "document-print", "mnuPrint"},
        {6, "Spell Check", "Spell Check", "spel", "tools-check-spelling", "spel"},
        {7},
        {8, "Cut", "Cut", "cut", "edit-cut", "Cut"},
        {9, "Copy", "Copy", "copy", "edit-copy", "Copy"},
        {10, "Paste", "Paste", "paste", "edit-paste", "Paste"},
        {11, "Delete", "Delete", "delete", "edit-delete", "del"},
        {12, "Find", "Find", "find", "edit-find", "find"},
        {13},
        {14, "Undo", "Undo", "undo", "edit-undo", "Undo"},
        {15, "Redo", "Redo", "redo", "edit-redo", "redo"},
        {16},
        {17, "Bold", "Bold", "bold", "format-text-bold", "bold", F::Bold},
        {18, "Italic", "Italic", "italic", "format-text-italic", "italic", F::Italic},
        {19, "Underline", "Underline", "underline", "format-text-underline",
         "underline", F::Underline},
        {20, "Strike", "Strike Through", "strike", "format-text-strikethrough",
         "strike", F::Strike},
        {21, "Small Caps", "Font ", "font", "preferences-desktop-font", "font",
         F::Font},
        {22},
        {23, "Align Left", "Align Left", "left", "format-justify-left", "Left",
         F::AlignLeft},
        {24, "Center", "Center", "center", "format-justify-center", "Center",
         F::Center},
        {25, "Align Right", "Align Right", "right", "format-justify-right", "Right",
         F::AlignRight},
        {26},
        {27, "explorer", "Browser's View", "explorer", "web-browser",
         "mnuViewWebBrowser"},
        {28, "tool", "Tool Bar", "tool", "", "mnuViewToolbar", F::None, "", true},
        {29, "Help", "Help", "help", "help-browser", "mnuHelpContents", F::None, "",
         true},
        {30, "linencol", "", "", "", "", F::None, "", true},
    };
}
}  // namespace

const std::vector<ToolbarRow>& toolbarRows() {
    static const std::vector<ToolbarRow> rows = buildRows();
    return rows;
}

QList<int> toolbarIndexesFor(const QString& command) {
    QList<int> indexes;
    for (const ToolbarRow& row : toolbarRows())
        if (!row.command.isEmpty() && row.command == command) indexes.append(row.index);
    return indexes;
}
