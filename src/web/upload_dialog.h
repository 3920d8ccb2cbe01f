#pragma once
// Upload: sends a local file to an FTP server under the name given; the completion arrives as
// Inet1's state change, a failure as the "Upload Error " message.
#include "web/server_dialog.h"

class Upload : public ServerDialog {
    Q_OBJECT
public:
    explicit Upload(AppState& app, QWidget* parent = nullptr);
    QLineEdit* file() const { return file_; }
    QLineEdit* remote() const { return remote_; }
    QPushButton* Command1() const { return browse_; }
    void OKButton_Click() override;

protected:
    void transferFailed() override;

private:
    void Command1_Click();
    void showError(const QString& description);

    QLineEdit* file_;
    QLineEdit* remote_;
    QPushButton* browse_;
};
