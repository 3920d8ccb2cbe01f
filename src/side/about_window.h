#pragma once
// frmAbout: the program's title, version and notice, and a button that starts the desktop's
// system-information tool when one is installed.
#include <QDialog>

#include "core/app_state.h"

class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(AppState& app, QWidget* parent = nullptr);
    QLabel* lblTitle() const { return title_; }
    QLabel* lblVersion() const { return version_; }
    QPushButton* cmdSysInfo() const { return sysInfo_; }
    void cmdSysInfo_Click();

private:
    AppState& app_;
    QLabel* title_;
    QLabel* version_;
    QPushButton* sysInfo_;
};

// The first of the system-information tools found on PATH, or an empty string.
QString systemInformationTool();
