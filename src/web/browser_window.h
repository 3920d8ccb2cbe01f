#pragma once
// frmBrowser: the page of the current HTML window as saved on disk (as it stands, when it was
// never saved), in a browser of its own with the usual navigation buttons. Its caption tells
// whether a page is loading and which one shows.
#include <QTimer>
#include <QWidget>
#include <memory>

#include "core/app_state.h"

class QToolBar;
class WebView;

class frmBrowser : public QWidget {
    Q_OBJECT
public:
    // Loading the window shows it and navigates to app.browserStartUrl.
    explicit frmBrowser(AppState& app, QWidget* parent = nullptr);
    ~frmBrowser() override;

    void Navigate(const QString& address);
    WebView& brwWebBrowser() const { return *browser_; }
    QToolBar* tbToolBar() const { return toolbar_; }
    QTimer& timTimer() { return timer_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void tbToolBar_ButtonClick(const QString& key);
    void timTimer_Timer();
    void brwWebBrowser_DownloadComplete();
    void showLocation();

    AppState& app_;
    QToolBar* toolbar_;
    std::unique_ptr<WebView> browser_;
    QTimer timer_;
};

// View > Web Browser: the current HTML window's file becomes browserStartUrl and the browser
// window (created once, then reused) shows it; a page never saved shows its text as it stands,
// as the preview does. Nothing happens without an HTML window.
void mnuViewWebBrowser(AppState& app);
// The browser window while it is open, else null.
frmBrowser* openBrowserWindow();
