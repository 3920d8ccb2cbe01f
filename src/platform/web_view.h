#pragma once
// The embedded web browser: the HTML window's preview and the browser window both drive one
// through these operations only, so tests can put a recording stand-in behind them and run
// without a display.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

class WebView : public QObject {
    Q_OBJECT
public:
    ~WebView() override = default;

    virtual QWidget* widget() = 0;
    // A local file path (absolute) or any address the user could type.
    virtual void Navigate(const QString& address) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void GoHome() = 0;
    virtual void GoSearch() = 0;
    virtual void Refresh() = 0;
    virtual void Stop() = 0;
    virtual bool Busy() const = 0;
    // The name of the page shown: its title, or its address when it has none.
    virtual QString LocationName() const = 0;

signals:
    void DownloadComplete();
};

using WebViewFactory = std::function<std::unique_ptr<WebView>(QWidget* parent)>;

// Creates the real browser unless a test has installed another factory.
std::unique_ptr<WebView> createWebView(QWidget* parent);
// Installs a factory (an empty one restores the real browser); returns the previous one.
WebViewFactory setWebViewFactory(WebViewFactory factory);

// The address a view navigates to for a path or a typed address.
QString webAddressFor(const QString& address);
