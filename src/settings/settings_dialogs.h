#pragma once
// What the settings dialogs (colours, font, autosave) share.
#include <QString>

#include "core/settings_record.h"

struct AppState;
class QDialog;
class QWidget;

// Topmost, application-modal, and deleted when closed.
void makeSettingsDialog(QDialog& dialog);

// Shows the dialog over the main window. The dialog is not a child of the main window, so
// that disabling the main window while it is up leaves the dialog usable.
void showSettingsDialog(QDialog& dialog, const AppState& app);

// Writes the writer's fields of `values` into the settings file. When that fails the user is
// told that the `what` (colours, font) were not saved, and false comes back: nothing changed.
bool saveSettings(AppState& app, SettingsWriter writer, const SettingsRecord& values,
                  const QString& what);
