#pragma once
// What the open-URL and upload dialogs share: the server address, port (digits only), user name
// and password fields, OK and Cancel, the transfer control Inet1 and its completion, and a
// progress bar while a transfer runs. Both are modeless, topmost and keep their fields between
// showings.
#include <QDialog>

#include "core/app_state.h"
#include "platform/transfer.h"

class QGridLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;

class ServerDialog : public QDialog {
    Q_OBJECT
public:
    QLineEdit* url() const { return url_; }
    QLineEdit* port() const { return port_; }
    QLineEdit* username() const { return username_; }
    QLineEdit* passw() const { return passw_; }
    QPushButton* OKButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QProgressBar* progressBar() const { return progress_; }
    Transfer& Inet1() { return inet_; }

protected:
    // addressCaption labels the url field; closeVerb is what the completion sends to Inet1.
    ServerDialog(AppState& app, const QString& caption, const QString& addressCaption,
                 const QString& closeVerb, QWidget* parent);
    // A label with an access key and its field, as the next row of the grid; the access key
    // leads to buddy, or to the field itself.
    void addRow(const QString& caption, QWidget* field, QWidget* buddy = nullptr);
    // Starts a transfer: the caption as it was, the fields copied into Inet1; a bad port throws
    // TransferError.
    void prepareTransfer();
    // Switches between the transfer's progress and the fields.
    void setTransferring(bool on);
    virtual void OKButton_Click() = 0;
    virtual void transferFailed() {}
    AppState& app_;

private:
    void Inet1_StateChanged(int state);
    void CancelButton_Click();

    QString caption_;
    QString closeVerb_;
    Transfer inet_;
    QGridLayout* fields_;
    QLineEdit* url_;
    QLineEdit* port_;
    QLineEdit* username_;
    QLineEdit* passw_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QProgressBar* progress_;
};
