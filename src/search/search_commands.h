#pragma once
// The Edit menu's Find and Replace and the Tools menu's Spell Check as commands of the main
// window.
struct AppState;

// Adds "find", "replace" and "spel" to *app.commands. Find and Replace show the find dialog of
// the active window kind (loading it the first time); Spell Check opens the spelling dialog of
// an HTML or document window.
void registerSearchCommands(AppState& app);
