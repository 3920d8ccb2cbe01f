#include "platform/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/dialogs.h"
#include "platform/paths.h"

HelpWindow::HelpWindow(const QString& helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      contentsPage_(QDir(helpFolder).filePath(QStringLiteral("index.html"))),
      browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QCoreApplication::applicationName() + QStringLiteral(" Help"));
    resize(640, 520);
    browser_->setOpenExternalLinks(true);

    auto* bar = new QToolBar(this);
    QAction* back = bar->addAction(QIcon::fromTheme(QStringLiteral("go-previous-symbolic")),
                                   tr("Back"), browser_, &QTextBrowser::backward);
    QAction* forward = bar->addAction(QIcon::fromTheme(QStringLiteral("go-next-symbolic")),
                                      tr("Forward"), browser_, &QTextBrowser::forward);
    bar->addAction(QIcon::fromTheme(QStringLiteral("go-home-symbolic")), tr("Contents"),
                   browser_, &QTextBrowser::home);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_);
}

bool HelpWindow::showContents() {
    if (!QFileInfo::exists(contentsPage_)) return false;
    browser_->setSource(QUrl::fromLocalFile(contentsPage_));
    show();
    raise();
    activateWindow();
    return true;
}

void showHelpContents(QPointer<HelpWindow>& help, QWidget* owner, Dialogs& dialogs) {
    const QString folder = QDir(Paths::programFolder()).filePath(QStringLiteral("help")) + '/';
    if (!help) help = new HelpWindow(folder, owner);
    if (!help->showContents())
        dialogs.messageBox(QStringLiteral("The help pages could not be found in %1").arg(folder),
                           QCoreApplication::applicationName(), MsgButtons::Ok,
                           MsgIcon::Exclamation);
}
