#include "shell/main_menu_table.h"

namespace {
constexpr int Checkable = MenuCheckable;
constexpr int Checked = MenuChecked;
constexpr int Disabled = MenuDisabled;
constexpr int Separator = MenuSeparatorAfter;

std::vector<CommandRow> buildRows() {
    return {
        {"", "mnuFile", "&File", "", true},
        {"mnuFile", "mnuFileNew", "&New", "", true},
        {"mnuFileNew", "HTML", "&HTML"},
        {"mnuFileNew", "vbs", "&VB Script"},
        {"mnuFileNew", "jscript", "J&Script"},
        {"mnuFileNew", "java", "&Java"},
        {"mnuFileNew", "doc", "&Document"},
        {"mnuFile", "mnuFileOpen", "&Open...", "", true},
        {"mnuFileOpen", "openhtml", "&HTML", "Ctrl+O"},
        {"mnuFileOpen", "openvbs", "&VB Script"},
        {"mnuFileOpen", "openjs", "J&Script"},
        {"mnuFileOpen", "openjava", "&Java"},
        {"mnuFileOpen", "opendoc", "&Document"},
        {"mnuFile", "openurl", "Open &URL..."},
        {"mnuFile", "mnuFileClose", "&Close", "", false, Separator},
        {"mnuFile", "Save", "&Save", "Ctrl+S"},
        {"mnuFile", "Save_As", "Save &As..."},
        {"mnuFile", "Upload", "&Upload to FTP Server...", "", false, Separator},
        {"mnuFile", "mnuFilePageSetup", "Page Set&up..."},
        {"mnuFile", "mnuPrint", "&Print...", "Ctrl+P", false, Separator},
        {"mnuFile", "mnuFileExit", "E&xit", "Ctrl+Q"},

        {"", "Edit", "&Edit", "", true},
        {"Edit", "Cut", "Cu&t", "Ctrl+X"},
        {"Edit", "Copy", "&Copy", "Ctrl+C"},
        {"Edit", "Paste", "&Paste", "Ctrl+V"},
        {"Edit", "del", "&Delete", "Del", false, Separator},
        {"Edit", "Undo", "&Undo", "Ctrl+Z"},
        {"Edit", "redo", "&Redo", "Ctrl+R; Ctrl+Shift+Z", false, Separator},
        {"Edit", "find", "&Find", "Ctrl+F"},
        {"Edit", "findnext", "Find &Next", "F3"},
        {"Edit", "replace", "R&eplace"},
        {"Edit", "gln", "&Goto Line Number", "Ctrl+G", false, Separator},
        {"Edit", "td", "&Time/Date", "Ctrl+T"},
        {"Edit", "selall", "Select &All", "Ctrl+A"},

        {"", "mnuView", "&View", "", true},
        {"mnuView", "mnuViewWebBrowser", "&Web Browser", "Ctrl+W"},
        {"mnuView", "list", "&Listviews", "Ctrl+L", false, Checkable},
        {"mnuView", "ln", "&Line Numbers", "Ctrl+N", false, Checked | Separator},
        {"mnuView", "mnuViewToolbar", "&Toolbar", "", false, Checked},
        {"mnuView", "mnuViewStatusBar", "Status &Bar", "", false, Checked | Separator},
        {"mnuView", "toolbox", "&Toolbox", "", true, Disabled},
        {"toolbox", "form3", "&Form", "", false, Checkable},
        {"toolbox", "table1", "&Table", "", false, Checkable},
        {"toolbox", "text1", "&Text", "", false, Checkable},
        {"toolbox", "object1", "&Object", "", false, Checkable},
        {"toolbox", "docment", "&Document", "", false, Checkable},

        {"", "mnHTML", "&HTML", "", true},
        {"mnHTML", "vcode", "View &Code"},
        {"mnHTML", "vpre", "View &Preview"},
        {"mnHTML", "split", "&Split view", "", false, Checkable},
        {"mnHTML", "pafter", "Parse &After Current Selection"},
        {"mnHTML", "pbefore", "Parse &Before Current Selection"},
        {"mnHTML", "psel", "Parse &Selection"},
        {"mnHTML", "pall", "Parse A&ll"},

        {"", "mnujava", "&Java", "", true},
        {"mnujava", "ip", "&Import package", "Ctrl+I"},
        {"mnujava", "setpath", "&Set Path"},
        {"mnujava", "compl", "&Compile", "F9"},
        {"mnujava", "run", "&Run", "F5"},
        {"mnujava", "appl", "&AppletViewer ", "Ctrl+F5"},
        {"mnujava", "comm", "&Command "},

        {"", "mnuscript", "&Script", "", true},
        {"mnuscript", "runsc", "&Compile Script"},

        {"", "mnuTools", "&Tools", "", true},
        {"mnuTools", "autosave", "&Auto Save"},
        {"mnuTools", "audio", "&Audio Message", "", false, Checkable},
        {"mnuTools", "spel", "&Spell Check"},
        {"mnuTools", "listw", "&List wizard"},
        {"mnuTools", "tablew", "&Table wizard", "", false, Separator},
        {"mnuTools", "mnuToolsOptions", "&Options...", "", true},
        {"mnuToolsOptions", "cfont", "&Change Editor font"},
        {"mnuToolsOptions", "hcolor", "&HTML Code Color Setting "},
        {"mnuToolsOptions", "ocolor", "&Other Code Color Setting"},
        {"mnuToolsOptions", "tipofday", "&Show Tip of Day at startup", "", false, Checkable},
        {"mnuToolsOptions", "Doundo", "&Perform Undo/Redo", "", false, Checked},
        {"mnuToolsOptions", "indent", "&Keep Indentation on Enter", "", false, Checkable},

        {"", "httg", "&HTML Tags", "", true},

        {"", "mnuWindow", "&Window", "", true},
        {"mnuWindow", "mnuWindowTileHorizontal", "Tile &Horizontal"},
        {"mnuWindow", "mnuWindowTileVertical", "Tile &Vertical"},
        {"mnuWindow", "mnuWindowCascade", "&Cascade"},
        {"mnuWindow", "mnuWindowArrangeIcons", "&Arrange Icons", "", false, Separator},
        {"mnuWindow", "nextwin", "&Next Window", "Ctrl+Tab"},
        {"mnuWindow", "prevwin", "&Previous Window", "Ctrl+Shift+Tab"},

        {"", "mnuHelp", "&Help", "", true},
        {"mnuHelp", "mnuHelpContents", "&Contents", "", false, Separator},
        {"mnuHelp", "mnuHelpAbout", "&About..."},
    };
}
}  // namespace

const std::vector<CommandRow>& mainMenuRows() {
    static const std::vector<CommandRow> rows = buildRows();
    return rows;
}

const QStringList& menusDisabledAtLoad() {
    static const QStringList names = {
        "Edit", "Save",   "Save_As", "mnuPrint", "mnujava", "mnHTML", "head",
        "Formatt", "Allign", "docTag", "object", "meta", "mnuscript", "text",
        "table", "form1", "listw", "spel", "tablew"};
    return names;
}
