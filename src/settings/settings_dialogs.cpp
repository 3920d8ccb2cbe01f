#include "settings/settings_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QWindow>
#include <stdexcept>

#include "core/app_state.h"
#include "core/frame.h"
#include "platform/dialogs.h"

void makeSettingsDialog(QDialog& dialog) {
    dialog.setAttribute(Qt::WA_DeleteOnClose);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    dialog.setWindowModality(Qt::ApplicationModal);
}

void showSettingsDialog(QDialog& dialog, const AppState& app) {
    QWidget* frame = app.frameWidget();
    if (frame && frame->windowHandle()) {
        dialog.adjustSize();
        dialog.move(frame->geometry().center() - dialog.rect().center());
        dialog.winId();
        dialog.windowHandle()->setTransientParent(frame->windowHandle());
    }
    dialog.show();
}

bool saveSettings(AppState& app, SettingsWriter writer, const SettingsRecord& values,
                  const QString& what) {
    const QString path = settingsFilePath();
    try {
        writeSettingsRecord(path, writer, values);
        return true;
    } catch (const std::exception& failure) {
        app.dialogs->messageBox(
            QStringLiteral("The %1 could not be saved: %2 %3. Nothing was changed.")
                .arg(what, QString::fromLocal8Bit(failure.what()), QDir::toNativeSeparators(path)),
            QApplication::applicationName(), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
}
