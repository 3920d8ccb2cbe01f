#pragma once
// Start-up: settings record, spelling probe and keyword tables, then the main window.
#include <QString>
#include <memory>

struct AppState;
class Dialogs;
class SpellingEngine;
class mdiform1;

// The loading error every start-up failure ends with.
extern const QString loadingErrorText;
extern const QString loadingErrorTitle;

// True when the engine answers a check of "Star"; a missing engine is no error.
bool probeSpelling(SpellingEngine* engine);

// Reads the settings record into the state, probes the spelling engine (app.spelling) and
// loads every keyword table from the program folder. On failure shows the loading error
// through the dialogs and returns false.
bool loadStartupState(AppState& app, Dialogs& dialogs, const QString& programFolder);

// The whole start-up behind the splash window; the shown main window, or null after the
// loading error has been shown.
std::unique_ptr<mdiform1> startApplication(AppState& app, Dialogs& dialogs,
                                           const QString& programFolder);
