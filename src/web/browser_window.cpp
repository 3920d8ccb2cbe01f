#include "web/browser_window.h"

#include <QAction>
#include <QIcon>
#include <QPointer>
#include <QResizeEvent>
#include <QToolBar>

#include "core/editor_window.h"
#include "core/frame.h"
#include "html/html_window.h"
#include "platform/dialogs.h"
#include "platform/web_view.h"

namespace {
constexpr int TimerIntervalMs = 5;
// The strip the window keeps free below the browser: 500 twips at 15 twips a pixel.
constexpr int BottomStripPixels = 500 / 15;

struct ButtonRow {
    const char* key;  // also the tooltip
    const char* icon;
};
const ButtonRow Buttons[] = {
    {"Back", "go-previous"}, {"Forward", "go-next"}, {"Stop", "process-stop"},
    {"Refresh", "view-refresh"}, {"Home", "go-home"}, {"Search", "edit-find"},
};

QPointer<frmBrowser>& theBrowserWindow() {
    static QPointer<frmBrowser> window;
    return window;
}
}  // namespace

frmBrowser::frmBrowser(AppState& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), app_(app) {
    setObjectName(QStringLiteral("frmBrowser"));
    setAttribute(Qt::WA_DeleteOnClose);
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("tbToolBar"));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ButtonRow& row : Buttons) {
        const QString key = QString::fromLatin1(row.key);
        QAction* action = toolbar_->addAction(QIcon::fromTheme(QString::fromLatin1(row.icon)), key);
        action->setObjectName(key);
        action->setToolTip(key);
        connect(action, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
    browser_ = createWebView(this);
    browser_->widget()->setObjectName(QStringLiteral("brwWebBrowser"));
    connect(browser_.get(), &WebView::DownloadComplete, this,
            &frmBrowser::brwWebBrowser_DownloadComplete);
    timer_.setInterval(TimerIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &frmBrowser::timTimer_Timer);

    resize(800, 600);
    show();
    toolbar_->update();
    Navigate(app_.browserStartUrl);
}

frmBrowser::~frmBrowser() = default;

void frmBrowser::Navigate(const QString& address) {
    timer_.start();
    browser_->Navigate(address);
}

void frmBrowser::showLocation() {
    setWindowTitle(QStringLiteral("Browser's view of ") + browser_->LocationName());
}

void frmBrowser::tbToolBar_ButtonClick(const QString& key) {
    timer_.start();
    if (key == QLatin1String("Back")) browser_->GoBack();
    else if (key == QLatin1String("Forward")) browser_->GoForward();
    else if (key == QLatin1String("Refresh")) browser_->Refresh();
    else if (key == QLatin1String("Home")) browser_->GoHome();
    else if (key == QLatin1String("Search")) browser_->GoSearch();
    else if (key == QLatin1String("Stop")) {
        timer_.stop();
        browser_->Stop();
        showLocation();
    }
}

void frmBrowser::timTimer_Timer() {
    if (browser_->Busy()) {
        setWindowTitle(QStringLiteral("Loading..."));
        return;
    }
    timer_.stop();
    showLocation();
}

void frmBrowser::brwWebBrowser_DownloadComplete() { setWindowTitle(browser_->LocationName()); }

void frmBrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int top = toolbar_->sizeHint().height();
    toolbar_->setGeometry(0, 0, width(), top);
    const int height = this->height() - BottomStripPixels - top;
    if (height < 0) return;  // too small: the browser keeps its earlier height
    browser_->widget()->setGeometry(0, top, width(), height);
}

void mnuViewWebBrowser(AppState& app) {
    auto* page = qobject_cast<HtmlWindow*>(app.currentHtmlWindow.data());
    if (!page) return;
    // A page never saved has no file: its caption is no address to look up.
    const QString address = page->browserAddress();
    if (address.isEmpty()) {
        app.dialogs->messageBox(
            QStringLiteral("This page has never been saved, and its text could not be written "
                           "for the browser to show. Save the page first."),
            page->caption(), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    app.browserStartUrl = address;
    QPointer<frmBrowser>& window = theBrowserWindow();
    if (window) {
        window->show();
        window->Navigate(app.browserStartUrl);
        return;
    }
    window = new frmBrowser(app, app.frameWidget());
}

frmBrowser* openBrowserWindow() { return theBrowserWindow(); }
