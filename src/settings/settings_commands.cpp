#include "settings/settings_commands.h"

#include "core/app_state.h"
#include "core/command_registry.h"
#include "settings/autosave_dialog.h"
#include "settings/colour_settings_dialog.h"
#include "settings/editor_font.h"

void registerSettingsCommands(AppState& app) {
    CommandRegistry& commands = *app.commands;
    commands.add(QStringLiteral("autosave"), [&app] { frmautosave::open(app); });
    commands.add(QStringLiteral("cfont"), [&app] { cfont(app); });
    commands.add(QStringLiteral("hcolor"),
                 [&app] { ColourSettingsDialog::open(app, cwindowKind); });
    commands.add(QStringLiteral("ocolor"),
                 [&app] { ColourSettingsDialog::open(app, scriptcolorKind); });
}
