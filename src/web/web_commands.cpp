#include "web/web_commands.h"

#include <QPointer>

#include "core/command_registry.h"
#include "core/frame.h"
#include "web/open_url_dialog.h"
#include "web/upload_dialog.h"

namespace {
template <typename Dialog>
void showOnce(AppState& app, QPointer<Dialog>& dialog) {
    if (!dialog) dialog = new Dialog(app, app.frameWidget());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
}  // namespace

void registerWebCommands(AppState& app) {
    // They live as long as the registry, that is as long as the main window.
    auto openUrl = std::make_shared<QPointer<openurl>>();
    auto upload = std::make_shared<QPointer<Upload>>();
    app.commands->add(QStringLiteral("openurl"), [&app, openUrl] { showOnce(app, *openUrl); });
    app.commands->add(QStringLiteral("Upload"), [&app, upload] { showOnce(app, *upload); });
}
