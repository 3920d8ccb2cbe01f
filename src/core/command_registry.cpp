#include "core/command_registry.h"

#include <exception>

void CommandRegistry::add(const QString& name, std::function<void()> command) {
    commands_[name] = std::move(command);
}

bool CommandRegistry::has(const QString& name) const { return commands_.count(name) != 0; }

bool CommandRegistry::run(const QString& name) const {
    const auto it = commands_.find(name);
    if (it == commands_.end()) return false;
    try {
        it->second();
    } catch (const std::exception&) {
        // A command ends at its first failure, without a message.
    }
    return true;
}

void CommandRegistry::addMenuRows(const std::vector<CommandRow>& rows) {
    rows_.insert(rows_.end(), rows.begin(), rows.end());
}
