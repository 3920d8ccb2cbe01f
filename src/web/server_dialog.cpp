#include "web/server_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/digit_field.h"

ServerDialog::ServerDialog(AppState& app, const QString& caption, const QString& addressCaption,
                           const QString& closeVerb, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), app_(app), caption_(caption), closeVerb_(closeVerb) {
    setWindowTitle(caption);
    setModal(false);
    fields_ = new QGridLayout;
    url_ = new QLineEdit(this);
    url_->setObjectName(QStringLiteral("url"));
    url_->setMinimumWidth(280);
    port_ = new QLineEdit(this);
    port_->setObjectName(QStringLiteral("port"));
    acceptDigitsOnly(port_);
    username_ = new QLineEdit(this);
    username_->setObjectName(QStringLiteral("username"));
    passw_ = new QLineEdit(this);
    passw_->setObjectName(QStringLiteral("passw"));
    passw_->setEchoMode(QLineEdit::Password);
    addRow(addressCaption, url_);
    addRow(QStringLiteral("&Port"), port_);
    addRow(QStringLiteral("Login &UserName :"), username_);
    addRow(QStringLiteral("&Password :"), passw_);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("CancelButton"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->hide();
    connect(ok_, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(cancel_, &QPushButton::clicked, this, &ServerDialog::CancelButton_Click);
    connect(&inet_, &Transfer::StateChanged, this, &ServerDialog::Inet1_StateChanged);
    connect(&inet_, &Transfer::progress, this, [this](qint64 done, qint64 total) {
        progress_->setRange(0, total > 0 ? 1000 : 0);  // a moving bar while the size is unknown
        if (total > 0) progress_->setValue(int(done * 1000 / total));
    });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(fields_, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(progress_);
}

void ServerDialog::addRow(const QString& caption, QWidget* field, QWidget* buddy) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(buddy ? buddy : field);
    const int row = fields_->rowCount();
    fields_->addWidget(label, row, 0);
    fields_->addWidget(field, row, 1);
}

void ServerDialog::prepareTransfer() {
    // "Execution complited" told of the last transfer, not of this one.
    setWindowTitle(caption_);
    inet_.URL = url_->text();
    inet_.RemotePort = portFromText(port_->text());
    inet_.UserName = username_->text();
    inet_.Password = passw_->text();
}

void ServerDialog::setTransferring(bool on) {
    ok_->setEnabled(!on);
    progress_->setRange(0, 0);
    progress_->setVisible(on);
}

void ServerDialog::Inet1_StateChanged(int state) {
    if (state == Transfer::Error) {
        setTransferring(false);
        transferFailed();
    }
    if (state != Transfer::ResponseCompleted) return;
    setTransferring(false);
    setWindowTitle(QStringLiteral("Execution complited"));
    inet_.Execute(QString(), closeVerb_);
    hide();
}

// While a transfer runs, Cancel stops it as well.
void ServerDialog::CancelButton_Click() {
    if (inet_.StillExecuting()) inet_.cancel();
    hide();
}
