#pragma once
// Commands by their menu-item names. Subsystems register the commands (and the menu rows) they
// own before the main window builds its menus; the main window, its toolbar and the palettes
// run them by name. run() is the one error trap of a command: a failure ends it silently.
#include <QString>
#include <functional>
#include <map>
#include <vector>

// One row of a menu table: the item's parent menu ("" for the menu bar), its name, caption
// with access key, shortcut ("Ctrl+S", "F9", "Del" or empty) and whether it is a submenu.
struct CommandRow {
    QString parent;
    QString name;
    QString caption;
    QString shortcut;
    bool submenu = false;
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
