#pragma once
// Commands by their menu-item names. Subsystems register the commands (and the menu rows) they
// own before the main window builds its menus; the main window, its toolbar and the palettes
// run them by name. run() is the one error trap of a command: a failure ends it silently.
#include <QString>
#include <functional>
#include <map>
#include <vector>

// Initial state and layout of a menu item, or-ed together in CommandRow::flags.
enum MenuFlag : int {
    MenuCheckable = 1,       // carries a check mark, unchecked at start
    MenuChecked = 2,         // carries a check mark, checked at start
    MenuDisabled = 4,        // disabled at start
    MenuSeparatorAfter = 8,  // a separator follows the item
};

// One row of a menu table: the item's parent menu ("" for the menu bar), its name, caption
// with access key, shortcut ("Ctrl+S", "F9", "Del", several as "Ctrl+R; Ctrl+Shift+Z" with the
// one the menu shows first, or empty), whether it is a submenu, and its MenuFlag bits.
struct CommandRow {
    QString parent;
    QString name;
    QString caption;
    QString shortcut;
    bool submenu = false;
    int flags = 0;
};

class CommandRegistry {
public:
    void add(const QString& name, std::function<void()> command);
    bool has(const QString& name) const;
    // Runs the command; false when no command has that name. Exceptions end the command.
    bool run(const QString& name) const;

    // Menu rows contributed by subsystems, appended under their parent menus.
    void addMenuRows(const std::vector<CommandRow>& rows);
    const std::vector<CommandRow>& menuRows() const { return rows_; }

private:
    std::map<QString, std::function<void()>> commands_;
    std::vector<CommandRow> rows_;
};
