#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineView>

#include "platform/web_view.h"

namespace {

// WebEngine shares its GL contexts with the widgets; Qt wants this decided before the
// application object exists, so it is set while the program is being loaded.
const bool glContextsShared = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}();

const QString SearchPage = QStringLiteral("https://duckduckgo.com/");

class WebEngineView : public WebView {
public:
    explicit WebEngineView(QWidget* parent) : view_(new QWebEngineView(parent)) {
        connect(view_, &QWebEngineView::loadStarted, this, [this] { busy_ = true; });
        connect(view_, &QWebEngineView::loadFinished, this, [this](bool) {
            busy_ = false;
            emit DownloadComplete();
        });
    }

    QWidget* widget() override { return view_; }

    void Navigate(const QString& address) override {
        if (home_.isEmpty()) home_ = address;
        busy_ = true;
        view_->setUrl(QUrl(webAddressFor(address)));
    }
    void GoBack() override { view_->back(); }
    void GoForward() override { view_->forward(); }
    void GoHome() override {
        if (!home_.isEmpty()) Navigate(home_);
    }
    void GoSearch() override { Navigate(SearchPage); }
    void Refresh() override { view_->reload(); }
    void Stop() override {
        view_->stop();
        busy_ = false;
    }
    bool Busy() const override { return busy_; }
    QString LocationName() const override {
        const QString title = view_->title();
        return title.isEmpty() ? view_->url().toString() : title;
    }

private:
    QWebEngineView* view_;
    QString home_;  // the first page shown: the page the window was opened for
    bool busy_ = false;
};

WebViewFactory& installedFactory() {
    static WebViewFactory factory;
    return factory;
}

}  // namespace

std::unique_ptr<WebView> createWebView(QWidget* parent) {
    Q_UNUSED(glContextsShared)
    if (installedFactory()) return installedFactory()(parent);
    return std::make_unique<WebEngineView>(parent);
}

WebViewFactory setWebViewFactory(WebViewFactory factory) {
    WebViewFactory previous = std::move(installedFactory());
    installedFactory() = std::move(factory);
    return previous;
}

QString webAddressFor(const QString& address) {
    if (QFileInfo(address).isAbsolute()) return QUrl::fromLocalFile(address).toString();
    return QUrl::fromUserInput(address).toString();
}
