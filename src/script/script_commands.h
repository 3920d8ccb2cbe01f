#pragma once
// The commands of the script windows: File > New and File > Open for VBScript, JScript and
// Java, and Java > Import package.
#include <functional>

struct AppState;
class EditorWindow;

// showChild adds a created window to the main window, shows and activates it.
void registerScriptCommands(AppState& app, std::function<void(EditorWindow*)> showChild);
