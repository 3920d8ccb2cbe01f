#pragma once
// A browser stand-in for tests: it records what it was told and loads only when the test says
// so. Installing it replaces the real browser for every window created while it is installed.
#include <QStringList>
#include <QWidget>
#include <vector>

#include "platform/web_view.h"

class RecordingWebView : public WebView {
public:
    explicit RecordingWebView(QWidget* parent) : widget_(new QWidget(parent)) {}

    QStringList navigated;
    QStringList calls;  // "Back", "Forward", "Home", "Search", "Refresh", "Stop"
    bool busy = false;
    QString locationName;

    // The page has arrived: no longer busy, DownloadComplete raised.
    void finishLoading(const QString& name) {
        busy = false;
        locationName = name;
        emit DownloadComplete();
    }

    QWidget* widget() override { return widget_; }
    void Navigate(const QString& address) override {
        navigated << address;
        busy = true;
    }
    void GoBack() override { calls << "Back"; }
    void GoForward() override { calls << "Forward"; }
    void GoHome() override { calls << "Home"; }
    void GoSearch() override { calls << "Search"; }
    void Refresh() override { calls << "Refresh"; }
    void Stop() override { calls << "Stop"; }
    bool Busy() const override { return busy; }
    QString LocationName() const override { return locationName; }

private:
    QWidget* widget_;
};

// Installs the stand-in for its lifetime and keeps every view it made.
class RecordingWebViews {
public:
    RecordingWebViews() {
        previous_ = setWebViewFactory([this](QWidget* parent) {
            auto view = std::make_unique<RecordingWebView>(parent);
            made.push_back(view.get());
            return view;
        });
    }
    ~RecordingWebViews() { setWebViewFactory(previous_); }
    RecordingWebView* last() const { return made.empty() ? nullptr : made.back(); }

    std::vector<RecordingWebView*> made;

private:
    WebViewFactory previous_;
};
