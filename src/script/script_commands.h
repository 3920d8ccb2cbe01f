#pragma once
// The commands of the script windows: File > New and File > Open for VBScript, JScript and
// Java, and Java > Import package.
#include <QString>
#include <functional>

#include "core/window_kind.h"

struct AppState;
class EditorWindow;

// showChild adds a created window to the main window, shows and activates it.
void registerScriptCommands(AppState& app, std::function<void(EditorWindow*)> showChild);

// The script kind a file's extension names (.vbs, .js, .java), or KindNone.
WindowKind scriptKindOfFile(const QString& path);
