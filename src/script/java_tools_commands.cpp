#include "script/java_tools_commands.h"

#include <QFileInfo>

#include "core/app_state.h"
#include "core/command_registry.h"
#include "core/editor_window.h"
#include "platform/dialogs.h"
#include "script/java_tools.h"
#include "script/java_tools_dialogs.h"

namespace {
// The current Java window once its file on disk holds what the window shows. A window never
// saved, changed since, or whose file has gone is saved first when the user agrees; otherwise
// nothing runs, since the tools would work on a missing or stale file. Null without a window.
EditorWindow* savedJavaWindow(AppState& app) {
    EditorWindow* java = app.currentJavaWindow.data();
    if (!java) return nullptr;
    const auto onDisk = [java] { return !java->isUntitled() && !java->isModified() && QFileInfo(java->caption()).isFile(); };
    if (onDisk()) return java;
    const QString why = java->isUntitled()   ? QStringLiteral("\"%1\" has not been saved yet.")
                        : java->isModified() ? QStringLiteral("\"%1\" has changes that are not saved.")
                                             : QStringLiteral("\"%1\" is no longer on disk.");
    const QString question = why.arg(java->caption()) +
                             QStringLiteral(" The Java tools work on the saved file. Save it now?");
    if (app.dialogs->messageBox(question, QStringLiteral("Tessavel Editor 2005"), MsgButtons::YesNo,
                                MsgIcon::Question) != MsgAnswer::Yes)
        return nullptr;
    return java->SaveDocument() && onDisk() ? java : nullptr;
}
}  // namespace

void registerJavaToolCommands(AppState& app) {
    CommandRegistry& commands = *app.commands;
    commands.add(QStringLiteral("setpath"), [&app] { openSetPathDialog(app); });
    commands.add(QStringLiteral("comm"), [&app] { openCommandDialog(app); });
    commands.add(QStringLiteral("compl"), [&app] {
        if (EditorWindow* java = savedJavaWindow(app))
            JavaTools::runTool(app, QStringLiteral("javac"), {java->caption()}, ConsoleShow::Normal);
    });
    commands.add(QStringLiteral("run"), [&app] {
        if (savedJavaWindow(app)) openRunDialog(app);
    });
    commands.add(QStringLiteral("appl"), [&app] {
        if (savedJavaWindow(app)) openAppletDialog(app);
    });
}
