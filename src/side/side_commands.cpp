#include "side/side_commands.h"

#include <QPointer>
#include <QScreen>
#include <algorithm>

#include "core/command_registry.h"
#include "core/frame.h"
#include "side/about_window.h"
#include "side/list_views.h"
#include "side/tip_window.h"

namespace {
QPointer<filebrv>& theListViews() {
    static QPointer<filebrv> window;
    return window;
}

void showListViews(AppState& app) {
    QPointer<filebrv>& window = theListViews();
    if (!window) {
        window = new filebrv(app, app.frameWidget());
        // Beside the frame, inside the screen.
        if (QWidget* frame = app.frameWidget()) {
            const QRect outer = frame->frameGeometry();
            const QRect screen = frame->screen()->availableGeometry();
            window->move(std::min(outer.right() + 8, screen.right() - window->width() - 8),
                         outer.top());
        }
    }
    window->show();
}

// View > Listviews: the check mark follows the window (loading and closing it set the mark).
void toggleListViews(AppState& app) {
    if (theListViews()) theListViews()->close();
    else showListViews(app);
}
}  // namespace

filebrv* listViewsWindow() { return theListViews(); }

void registerSideCommands(AppState& app) {
    app.commands->add(QStringLiteral("list"), [&app] { toggleListViews(app); });
    app.commands->add(QStringLiteral("mnuHelpAbout"), [&app] {
        auto* about = new frmAbout(app, app.frameWidget());
        about->show();
    });
}

void showStartupWindows(AppState& app) {
    showListViews(app);
    showTipOfTheDay(app, app.frameWidget());
}
