#include "tags/tag_commands.h"

#include <memory>

#include "core/app_state.h"
#include "core/editor_window.h"
#include "tags/list_wizard.h"
#include "tags/page_wizard.h"
#include "tags/table_wizard.h"
#include "tags/tag_dialog_commands.h"
#include "tags/tag_insertion.h"
#include "tags/tag_parser.h"
#include "tags/tag_templates.h"

namespace {
// A command on the current HTML window; without one there is nothing to do.
void addWindowCommand(AppState& app, const QString& name,
                      std::function<void(EditorWindow&)> command) {
    app.commands->add(name, [&app, command = std::move(command)] {
        if (EditorWindow* window = app.currentHtmlWindow.data()) command(*window);
    });
}
}  // namespace

void registerTagCommands(AppState& app) {
    CommandRegistry& commands = *app.commands;
    commands.addMenuRows(tagMenuRows());

    for (const TagTemplate* row = tagTemplatesBegin(); row != tagTemplatesEnd(); ++row)
        addWindowCommand(app, QString::fromLatin1(row->name),
                         [row](EditorWindow& window) { insertTag(window, *row); });

    addWindowCommand(app, QStringLiteral("color"), colorCommand);
    addWindowCommand(app, QStringLiteral("font"), fontCommand);
    addWindowCommand(app, QStringLiteral("image"), imageCommand);
    // Lives as long as the registry, that is as long as the main window.
    auto mapCounter = std::make_shared<short>(0);
    addWindowCommand(app, QStringLiteral("map"), [mapCounter](EditorWindow& window) {
        mapCommand(window, *mapCounter);
    });

    const struct {
        const char* name;
        ParseRange range;
    } parsers[] = {{"pall", ParseRange::All},
                   {"pafter", ParseRange::AfterCaret},
                   {"pbefore", ParseRange::BeforeCaret},
                   {"psel", ParseRange::Selection}};
    for (const auto& parser : parsers)
        addWindowCommand(app, QString::fromLatin1(parser.name),
                         [range = parser.range](EditorWindow& window) { parseTags(window, range); });

    commands.add(QStringLiteral("Form2"), [&app] { openPageWizard(app); });
    commands.add(QStringLiteral("wiz"), [&app] { openTableWizard(app); });
    commands.add(QStringLiteral("tablew"), [&app] { openTableWizard(app); });
    commands.add(QStringLiteral("listw"), [&app] { openListWizard(app); });
}
