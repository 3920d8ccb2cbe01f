#include <QApplication>
#include <cstring>
#include <unistd.h>
#include <iostream>

#include "core/app_state.h"
#include "core/recovery_store.h"
#include "platform/hunspell_engine.h"
#include "platform/paths.h"
#include "platform/qt_dialogs.h"
#include "shell/main_window.h"
#include "shell/recovery_dialog.h"
#include "shell/startup.h"

namespace {
// --help and --version answer on the terminal before any window system is touched.
bool answeredOnTerminal(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "Tessavel Editor 2005 " << TESSAVEL_VERSION << "\n";
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << "Usage: tessavel [FILE]...\n"
                         "Edit web pages (.html, .htm), scripts (.vbs, .js, .java) and documents "
                         "(.rtf, .txt).\n\n"
                         "  --help     show this help and exit\n"
                         "  --version  show the version and exit\n\n"
                         "TESSAVEL_HOME overrides the program folder (keyword files, templates);\n"
                         "TESSAVEL_SETTINGS_DIR the folder of the settings file tshedef01.dat;\n"
                         "TESSAVEL_RECOVERY_DIR the folder where unsaved work is kept.\n";
            return true;
        }
    }
    return false;
}

// The page preview's browser engine refuses to start as root with its sandbox on; an editor
// run as root (a fresh machine, a container) must still show its preview.
void allowPreviewAsRoot() {
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
}  // namespace

int main(int argc, char** argv) {
    if (answeredOnTerminal(argc, argv)) return 0;
    allowPreviewAsRoot();

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessavel Editor 2005"));
    QApplication::setOrganizationName(QStringLiteral("Tessavel"));

    AppState app;
    QtDialogs dialogs;
    HunspellEngine spelling;
    app.dialogs = &dialogs;
    app.spelling = &spelling;
    app.commandLineFiles = QApplication::arguments().mid(1);

    // Declared before the main window so that it outlives every editor window: a clean exit
    // closes the windows first, then removes this run's recovery folder.
    const QString recoveryFolder = recoveryRoot();
    RecoveryStore recovery(recoveryFolder);
    app.recovery = &recovery;

    std::unique_ptr<mdiform1> window = startApplication(app, dialogs, Paths::programFolder());
    if (!window) return 1;
    dialogs.setParentWindow(window.get());
    offerRecovery(*window, recoveryFolder, [](RecoveryDialog& dialog) {
        dialog.exec();
        return dialog.choice();
    });
    return application.exec();
}
