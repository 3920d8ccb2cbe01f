#include "web/upload_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "platform/dialogs.h"

Upload::Upload(AppState& app, QWidget* parent)
    : ServerDialog(app, QStringLiteral("Upload Files to FTP Server"),
                   QStringLiteral("Server &Address :"), QStringLiteral("CLOSE"), parent) {
    setObjectName(QStringLiteral("Upload"));
    file_ = new QLineEdit(this);
    file_->setObjectName(QStringLiteral("file"));
    browse_ = new QPushButton(QStringLiteral("..."), this);
    browse_->setObjectName(QStringLiteral("Command1"));
    browse_->setFixedWidth(32);
    auto* fileRow = new QWidget(this);
    auto* fileLayout = new QHBoxLayout(fileRow);
    fileLayout->setContentsMargins(0, 0, 0, 0);
    fileLayout->addWidget(file_, 1);
    fileLayout->addWidget(browse_);
    addRow(QStringLiteral("&Browse File to Upload "), fileRow, file_);
    remote_ = new QLineEdit(this);
    remote_->setObjectName(QStringLiteral("remote"));
    addRow(QStringLiteral("&File name  at Server"), remote_);
    connect(browse_, &QPushButton::clicked, this, &Upload::Command1_Click);
    // Tab goes through the fields from top to bottom, then to the buttons.
    QWidget* order[] = {url(), port(), username(), passw(), file_, browse_, remote_, OKButton(),
                        CancelButton()};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void Upload::Command1_Click() {
    const auto chosen = app_.dialogs->openFile({QString(), QString(), QString(), file_->text()});
    if (chosen && !chosen->isEmpty()) file_->setText(*chosen);
}

void Upload::OKButton_Click() {
    try {
        Inet1().Protocol = Transfer::Ftp;
        prepareTransfer();
        // The names go as they are, not in a command line that a blank would split.
        Inet1().Put(url()->text(), file_->text(), remote_->text());
        setTransferring(true);
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
}

void Upload::transferFailed() { showError(Inet1().errorDescription()); }

void Upload::showError(const QString& description) {
    app_.dialogs->messageBox(description, QStringLiteral("Upload Error "), MsgButtons::Ok,
                             MsgIcon::Critical);
}
