#pragma once
// The main window's menu tree and the menus disabled when it loads.
#include <QStringList>
#include <vector>

#include "core/command_registry.h"

// Every menu of the frame in menu order; rows of the HTML Tags tree come from the tag commands
// through the CommandRegistry and hang under their parents.
const std::vector<CommandRow>& mainMenuRows();

// Disabled when the frame loads, before any editor window exists (some are submenus of the
// HTML Tags tree).
const QStringList& menusDisabledAtLoad();
