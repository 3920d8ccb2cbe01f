#include "settings/settings_commands.h"

#include "core/app_state.h"
#include "core/command_registry.h"
#include "core/frame.h"
#include "platform/user_settings.h"
#include "settings/autosave_dialog.h"
#include "settings/colour_settings_dialog.h"
#include "settings/editor_font.h"

namespace {
const QString IndentKey = QStringLiteral("Options/Keep Indentation");
}  // namespace

void registerSettingsCommands(AppState& app) {
    CommandRegistry& commands = *app.commands;
    app.keepIndentation = UserSettings::openForExecutable()->value(IndentKey, 1).toInt() != 0;
    commands.add(QStringLiteral("indent"), [&app] {
        app.keepIndentation = !app.keepIndentation;
        UserSettings::openForExecutable()->setValue(IndentKey, app.keepIndentation ? 1 : 0);
        if (app.frame) app.frame->setCommandChecked(QStringLiteral("indent"), app.keepIndentation);
    });
    commands.add(QStringLiteral("autosave"), [&app] { frmautosave::open(app); });
    commands.add(QStringLiteral("cfont"), [&app] { cfont(app); });
    commands.add(QStringLiteral("hcolor"),
                 [&app] { ColourSettingsDialog::open(app, cwindowKind); });
    commands.add(QStringLiteral("ocolor"),
                 [&app] { ColourSettingsDialog::open(app, scriptcolorKind); });
}
