#include "shell/startup.h"

#include <stdexcept>

#include "core/app_state.h"
#include "core/settings_record.h"
#include "platform/dialogs.h"
#include "platform/spelling_engine.h"
#include "side/side_commands.h"
#include "shell/main_window.h"
#include "shell/splash.h"

const QString loadingErrorText =
    QStringLiteral("Please unistall and reinstall.Error in some system file");
const QString loadingErrorTitle = QStringLiteral("Sorry! Error in Loading");

namespace {
void showLoadingError(Dialogs& dialogs) {
    dialogs.messageBox(loadingErrorText, loadingErrorTitle, MsgButtons::Ok, MsgIcon::Critical);
}
}  // namespace

bool probeSpelling(SpellingEngine* engine) {
    if (!engine || !engine->available()) return false;
    try {
        engine->CheckSpelling(QStringLiteral("Star"));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool loadStartupState(AppState& app, Dialogs& dialogs, const QString& programFolder) {
    try {
        copySettingsToAppState(readSettingsRecord(settingsFilePath()), app);
        app.spellingAvailable = probeSpelling(app.spelling);
        app.programFolder = programFolder;
        app.tables.loadAll(programFolder);
        return true;
    } catch (const std::exception& e) {
        qWarning("start-up failed: %s", e.what());
        showLoadingError(dialogs);
        return false;
    }
}

std::unique_ptr<mdiform1> startApplication(AppState& app, Dialogs& dialogs,
                                           const QString& programFolder) {
    frmSplash splash;
    splash.beginLoading();
    const bool loaded = loadStartupState(app, dialogs, programFolder);
    splash.endLoading();
    if (!loaded) return nullptr;
    try {
        auto main = std::make_unique<mdiform1>(app);
        main->show();
        showStartupWindows(app);
        return main;
    } catch (const std::exception& e) {
        qWarning("start-up failed: %s", e.what());
        showLoadingError(dialogs);
        return nullptr;
    }
}
