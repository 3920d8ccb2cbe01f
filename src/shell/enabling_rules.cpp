#include "shell/enabling_rules.h"

#include <QStringList>

#include "core/frame.h"
#include "shell/toolbar_table.h"

namespace {
enum class Rule { Unchanged, On, Off, WhenModified, WhenSelection, WhenClipboard, WhenCanUndo,
                  WhenCanRedo };

struct EnablingRow {
    QStringList names;
    // Only the toolbar buttons that follow these commands change, not the menu items.
    bool buttonsOnly;
    Rule rule[5];  // HTML, VBScript, JScript, Java, Document
};

constexpr Rule U = Rule::Unchanged, On = Rule::On, Off = Rule::Off;
constexpr Rule Mod = Rule::WhenModified, Sel = Rule::WhenSelection, Clip = Rule::WhenClipboard;

const EnablingRow enablingRows[] = {
    {{"Edit", "Save_As", "mnuPrint"}, false, {On, On, On, On, On}},
    {{"mnHTML", "head", "Formatt", "Allign", "docTag", "object", "meta", "text", "table",
      "form1", "listw", "tablew"},
     false, {On, Off, Off, Off, Off}},
    // Document windows have a spelling dialog of their own, so Spell Check stays on for them.
    {{"spel"}, false, {On, Off, Off, Off, On}},
    {{"toolbox"}, false, {On, U, U, U, U}},
    {{"mnujava"}, false, {Off, Off, Off, On, Off}},
    {{"mnuscript"}, false, {Off, On, On, Off, Off}},
    {{"Save"}, false, {Mod, Mod, Mod, Mod, Mod}},
    {{"Cut", "Copy", "del"}, false, {Sel, U, Sel, Sel, Sel}},
    {{"Paste"}, false, {Clip, Clip, Clip, Clip, Clip}},
    {{"Undo"}, false, {Rule::WhenCanUndo, Rule::WhenCanUndo, Rule::WhenCanUndo,
                       Rule::WhenCanUndo, Rule::WhenCanUndo}},
    {{"redo"}, false, {Rule::WhenCanRedo, Rule::WhenCanRedo, Rule::WhenCanRedo,
                       Rule::WhenCanRedo, Rule::WhenCanRedo}},
    // Buttons disabled at load whose menu commands stay enabled throughout.
    {{"find"}, true, {On, On, On, On, On}},
    {{"mnuViewWebBrowser"}, true, {On, U, U, U, U}},
    {{"bold", "italic", "underline", "strike", "font", "Left", "Center", "Right"}, true,
     {On, Off, Off, Off, On}},
};

bool columnOf(WindowKind kind, int& column) {
    column = int(kind) - 1;
    return column >= 0 && column < 5;
}

void setState(Frame& frame, const EnablingRow& row, bool enabled) {
    for (const QString& name : row.names) {
        if (!row.buttonsOnly) frame.setCommandEnabled(name, enabled);
        for (int index : toolbarIndexesFor(name)) frame.setToolbarButtonEnabled(index, enabled);
    }
}

bool evaluate(Rule rule, const WindowCommandState& state) {
    switch (rule) {
    case Rule::On: return true;
    case Rule::WhenModified: return state.modified;
    case Rule::WhenSelection: return state.selection;
    case Rule::WhenClipboard: return state.clipboardText;
    case Rule::WhenCanUndo: return state.canUndo;
    case Rule::WhenCanRedo: return state.canRedo;
    default: return false;
    }
}
}  // namespace

void applyActivationRules(Frame& frame, WindowKind kind, const WindowCommandState& state) {
    int column = 0;
    if (!columnOf(kind, column)) return;
    for (const EnablingRow& row : enablingRows)
        if (row.rule[column] != Rule::Unchanged)
            setState(frame, row, evaluate(row.rule[column], state));
}

void applyClipboardRules(Frame& frame, WindowKind kind, bool clipboardText) {
    int column = 0;
    if (!columnOf(kind, column)) return;
    for (const EnablingRow& row : enablingRows)
        if (row.rule[column] == Rule::WhenClipboard) setState(frame, row, clipboardText);
}

void applyUnloadRules(Frame& frame, WindowKind kind) {
    int column = 0;
    if (!columnOf(kind, column)) return;
    for (const EnablingRow& row : enablingRows) {
        const Rule rule = row.rule[column];
        if (rule != Rule::Unchanged && rule != Rule::Off) setState(frame, row, false);
    }
}
