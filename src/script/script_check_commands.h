#pragma once
// Script > Compile Script (runsc): checks the current VBScript or JScript window.
struct AppState;
class ScriptChecker;

enum class CheckReport {
    Everything,   // warning icon; "No Error found" when clean
    ErrorsOnly,   // stop icon; nothing said when clean
};

// Checks the current window of the active kind (VBScript or JScript; other kinds do nothing).
// On an error its line is selected in the pane before the description is shown.
void runsc(AppState& app, ScriptChecker& checker, CheckReport report = CheckReport::Everything);

class EditorPane;
// Selects a 1-based line of the pane without its line break.
void selectLine(EditorPane& pane, int line);

// Registers runsc, and its quiet form "runscErrorsOnly", in *app.commands, checking with the
// editor's own script host.
void registerScriptCheckCommands(AppState& app);
