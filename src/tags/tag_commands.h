#pragma once
// The HTML Tags menu, the wizards and the tag parser as commands of the main window.
#include <vector>

#include "core/command_registry.h"

struct AppState;

// The rows of the HTML Tags menu tree below "httg", in menu order.
const std::vector<CommandRow>& tagMenuRows();

// Adds the menu rows and every command (insertions, dialog commands, wizards "Form2", "wiz",
// "tablew", "listw", parser "pall", "pafter", "pbefore", "psel") to *app.commands. Each
// command acts on app.currentHtmlWindow and ends silently when there is none.
void registerTagCommands(AppState& app);
