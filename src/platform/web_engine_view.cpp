#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineHistory>
#include <QWebEngineView>
#include <optional>

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
        connect(view_, &QWebEngineView::loadFinished, this, [this](bool ok) {
            busy_ = false;
            // A stopped load (ok false) is not the one the place is owed to.
            if (ok && keptScroll_) {
                view_->page()->runJavaScript(QStringLiteral("window.scrollTo(%1, %2)")
                                                 .arg(keptScroll_->x())
                                                 .arg(keptScroll_->y()));
                keptScroll_.reset();
            }
            emit DownloadComplete();
        });
    }

    QWidget* widget() override { return view_; }

    void Navigate(const QString& address) override {
        if (home_.isEmpty()) home_ = address;
        busy_ = true;
        const QUrl url(webAddressFor(address));
        // The same page again (the preview after an edit) stays where the user had scrolled to;
        // a load that has not finished yet still owes the place from before it.
        if (url != view_->url()) keptScroll_.reset();
        else if (!keptScroll_) keptScroll_ = view_->page()->scrollPosition();
        view_->setUrl(url);
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
    std::optional<QPointF> keptScroll_;  // restored when the page now loading has arrived
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
