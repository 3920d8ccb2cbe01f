#include "script/java_tools_commands.h"

#include "core/app_state.h"
#include "core/command_registry.h"
#include "core/editor_window.h"
#include "script/java_tools.h"
#include "script/java_tools_dialogs.h"

void registerJavaToolCommands(AppState& app) {
    CommandRegistry& commands = *app.commands;
    commands.add(QStringLiteral("setpath"), [&app] { openSetPathDialog(app); });
    commands.add(QStringLiteral("comm"), [&app] { openCommandDialog(app); });
    // The source is compiled as last saved: the command does not save first.
    commands.add(QStringLiteral("compl"), [&app] {
        if (EditorWindow* java = app.currentJavaWindow.data())
            JavaTools::runTool(app, QStringLiteral("javac ") + java->caption(), ConsoleShow::Normal);
    });
    commands.add(QStringLiteral("run"), [&app] {
        if (app.currentJavaWindow) openRunDialog(app);
    });
    commands.add(QStringLiteral("appl"), [&app] {
        if (app.currentJavaWindow) openAppletDialog(app);
    });
}
