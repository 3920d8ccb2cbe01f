#include "script/script_commands.h"

#include <QFileInfo>
#include <array>
#include <memory>

#include "core/command_registry.h"
#include "core/frame.h"
#include "script/script_window.h"

namespace {
struct ScriptCommandRow {
    const char* newCommand;
    const char* openCommand;
    const char* extension;
    WindowKind kind;
};
const ScriptCommandRow scriptCommandRows[] = {
    {"vbs", "openvbs", "vbs", KindVbscript},
    {"jscript", "openjs", "js", KindJscript},
    {"java", "openjava", "java", KindJava},
};
}  // namespace

void registerScriptCommands(AppState& app, std::function<void(EditorWindow*)> showChild) {
    CommandRegistry& commands = *app.commands;
    // Each kind numbers its new windows; the numbers live as long as the registry.
    auto counters = std::make_shared<std::array<short, 6>>();
    for (const ScriptCommandRow& row : scriptCommandRows) {
        const WindowKind kind = row.kind;
        commands.add(QString::fromLatin1(row.newCommand), [&app, showChild, counters, kind] {
            const short number = ++(*counters)[kind];
            auto* window = new ScriptWindow(app, kind);
            window->setCaption(EditorWindow::defaultName(kind) + QString::number(number));
            showChild(window);
            window->newfile();
        });
        commands.add(QString::fromLatin1(row.openCommand), [&app, showChild, kind] {
            EditorWindow* previous = app.activeWindow();
            auto* window = new ScriptWindow(app, kind);
            if (!window->openfile()) {
                delete window;
                // The window that stays active (the one holding the file, when it was open
                // already) gets its commands back.
                EditorWindow* active =
                    app.frame ? qobject_cast<EditorWindow*>(app.frame->activeChild()) : nullptr;
                if (!active) active = previous;
                if (active) active->activate();
                return;
            }
            showChild(window);
        });
    }
    commands.add(QStringLiteral("ip"), [&app] {
        if (auto* window = qobject_cast<ScriptWindow*>(app.currentJavaWindow.data()))
            window->importPackage();
    });
}

WindowKind scriptKindOfFile(const QString& path) {
    const QString extension = QFileInfo(path).suffix();
    for (const ScriptCommandRow& row : scriptCommandRows)
        if (extension.compare(QLatin1String(row.extension), Qt::CaseInsensitive) == 0) return row.kind;
    return KindNone;
}
