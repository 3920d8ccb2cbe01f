#pragma once
// The help viewer: the program's HTML help pages in a small browser window with back, forward
// and contents buttons.
#include <QWidget>

class QTextBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // helpFolder holds index.html, the contents page.
    HelpWindow(const QString& helpFolder, QWidget* parent = nullptr);
    // Shows the window at the contents page. False (nothing shown) when the page is missing.
    bool showContents();
    QTextBrowser* browser() const { return browser_; }

private:
    QString contentsPage_;
    QTextBrowser* browser_;
};
