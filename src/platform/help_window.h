#pragma once
// The help viewer: the program's HTML help pages in a small browser window with back, forward
// and contents buttons.
#include <QWidget>

#include <QPointer>

class QTextBrowser;
class Dialogs;

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

// Shows the help window at its contents page, creating it as a window of `owner` the first
// time (a window of a modal dialog stays usable while the dialog is up). Tells the user when
// the help pages are missing.
void showHelpContents(QPointer<HelpWindow>& help, QWidget* owner, Dialogs& dialogs);
