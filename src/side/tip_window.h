#pragma once
// frmTip ("Tip of the Day"): one tip at a time from TIPOFDAY.TXT in the program folder, in file
// order, wrapping after the last; the check box switches the start-up display on and off.
#include <QDialog>
#include <QStringList>

#include "core/app_state.h"

class QCheckBox;
class QLabel;
class QPushButton;

class frmTip : public QDialog {
    Q_OBJECT
public:
    static const QString TipsFileName;  // "TIPOFDAY.TXT"
    // Section "Options", key "Show Tips at Startup" of the executable's settings; true when
    // absent.
    static bool showTipsAtStartup();
    // Writes the setting and checks Tools > Options > Show Tip of Day at startup to match.
    static void setShowTipsAtStartup(AppState& app, bool on);

    explicit frmTip(AppState& app, QWidget* parent = nullptr);

    QLabel* lblTipText() const { return tipText_; }
    QCheckBox* chkLoadTipsAtStartup() const { return showAtStartup_; }
    QPushButton* cmdNextTip() const { return next_; }
    QPushButton* cmdOK() const { return ok_; }

    QStringList tips;
    int currentTip = 0;  // 1-based; 0 before the first tip is shown

    void DoNextTip();
    // Reads the tips (one a line, blank lines too) and shows the next one; false when the
    // name is empty or there is no such file.
    bool LoadTips(const QString& fileName);

private:
    void chkLoadTipsAtStartup_Click();

    AppState& app_;
    QLabel* tipText_;
    QCheckBox* showAtStartup_;
    QPushButton* next_;
    QPushButton* ok_;
};

// The start-up tip window: shown unless the user switched it off, else nothing (null).
frmTip* showTipOfTheDay(AppState& app, QWidget* parent);
