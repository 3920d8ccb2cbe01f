#include "side/side_commands.h"

#include <QPointer>

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

QWidget* frameWidget(AppState& app) { return app.frame ? app.frame->frameWidget() : nullptr; }

void showListViews(AppState& app) {
    QPointer<filebrv>& window = theListViews();
    if (!window) {
        window = new filebrv(app, frameWidget(app));
        // Beside the frame's right edge, inside the screen.
        if (QWidget* frame = frameWidget(app))
            window->move(frame->geometry().right() - window->width() - 16,
                         frame->geometry().top() + 80);
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
        auto* about = new frmAbout(app, frameWidget(app));
        about->show();
    });
}

void showStartupWindows(AppState& app) {
    showListViews(app);
    showTipOfTheDay(app, frameWidget(app));
}
