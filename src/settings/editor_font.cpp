#include "settings/editor_font.h"

#include <QApplication>
#include <QFontDatabase>

#include "core/app_state.h"
#include "core/editor_window.h"
#include "core/frame.h"
#include "platform/dialogs.h"
#include "settings/settings_dialogs.h"

namespace {
// The settings file keeps 15 characters of the name; a longer name cut to 15 rarely names a
// font, and after the next start the panes would fall back to another one without a word.
void warnWhenStoredNameIsNoFont(AppState& app, const QString& chosen) {
    const QString stored = fontNameField(chosen).trimmed();
    if (chosen.size() <= fontNameWidth || QFontDatabase::hasFamily(stored)) return;
    app.dialogs->messageBox(
        QStringLiteral("The font name \"%1\" is longer than the %2 characters the settings "
                       "keep, so it was stored as \"%3\", which is not the name of an installed "
                       "font. The editor uses \"%1\" until it is closed, and its standard font "
                       "after the next start. A font with a shorter name is kept as chosen.")
            .arg(chosen)
            .arg(fontNameWidth)
            .arg(stored),
        QApplication::applicationName(), MsgButtons::Ok, MsgIcon::Information);
}
}  // namespace

void cfont(AppState& app) {
    FontChoice initial;
    initial.name = app.editorFontName.trimmed();
    initial.size = app.editorFontSize;
    initial.colour = app.htmlTextColor;
    std::optional<FontChoice> chosen;
    {
        PalettesAway away(app.frame);
        chosen = app.dialogs->chooseFont(QStringLiteral("Select font"), initial);
    }
    if (!chosen) return;

    SettingsRecord values = settingsRecordFromAppState(app);
    values.htmlTextColor = chosen->colour;
    values.editorFontName = chosen->name;
    values.editorFontSize = qint16(chosen->size);
    if (!saveSettings(app, SettingsWriter::cfont, values, QStringLiteral("font"))) return;
    app.htmlTextColor = app.scriptTextColor = chosen->colour;
    app.editorFontName = chosen->name;
    app.editorFontSize = qint16(chosen->size);
    app.fontChanged = true;

    // Document windows keep fonts of their own.
    EditorWindow* window = app.activeWindow();
    if (window && app.activeWindowKind != KindDocument) window->recolourAll();
    warnWhenStoredNameIsNoFont(app, chosen->name);
}
