#pragma once
// The five floating palettes and their picture buttons, as data: one row per palette, each with
// its buttons in order. A button runs the command of the same meaning by its menu name.
#include <vector>

struct PaletteButtonRow {
    const char* button;   // Picture1, Picture2, ...
    const char* tooltip;
    const char* command;  // also names the button's icon
};

struct PaletteRow {
    const char* window;    // the palette window's own name
    const char* caption;
    const char* menuItem;  // its View > Toolbox item, which carries the open state
    std::vector<PaletteButtonRow> buttons;
};

const std::vector<PaletteRow>& paletteTable();
// The row whose View > Toolbox item is menuItem; nullptr for any other name.
const PaletteRow* paletteForMenuItem(const char* menuItem);
