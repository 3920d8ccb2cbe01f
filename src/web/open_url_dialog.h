#pragma once
// openurl: downloads a page (HTTP, HTTPS or FTP) into a new HTML window, numbered "noname" and
// openUrlCounter. The window stays open, empty, when the download fails.
#include "web/server_dialog.h"

class openurl : public ServerDialog {
    Q_OBJECT
public:
    explicit openurl(AppState& app, QWidget* parent = nullptr);
    short openUrlCounter = 0;
    void OKButton_Click() override;
};
