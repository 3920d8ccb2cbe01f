#pragma once
// The side windows as commands of the main window: View > Listviews ("list") and Help > About
// ("mnuHelpAbout"), and the windows shown when the program starts.
struct AppState;
class filebrv;

// Adds "list" and "mnuHelpAbout" to *app.commands.
void registerSideCommands(AppState& app);
// Shows the list-views window and, unless switched off, the tip of the day.
void showStartupWindows(AppState& app);
// The list-views window while it is loaded, else null.
filebrv* listViewsWindow();
