#pragma once
// cwindow ("Code color setting .") and scriptcolor ("Script color setting"): one dialog that
// edits six colour settings, given which six. Confirming writes only those six fields of the
// settings record, sets them, and recolours the current window of the kind the dialog serves.
#include <QDialog>
#include <QPointer>

#include "core/frame_disabled.h"
#include "core/settings_record.h"

struct AppState;
class EditorWindow;
class ColourSwatch;
class QLineEdit;
class QPushButton;
class HelpWindow;

// One setting of a colour dialog: its swatch, the caption beside it and the sample box that
// shows it, with the object names the program gives them.
struct ColourRow {
    const char* swatch;
    const char* label;
    const char* caption;
    const char* sample;
    const char* sampleText;
    Rgb SettingsRecord::*setting;
};

struct ColourDialogKind {
    const char* name;
    const char* caption;
    SettingsWriter writer;
    // In dialog order; the background row (wbackcolor) is the last.
    ColourRow rows[6];
    // Whether every sample box shows the background, or only txtbk.
    bool samplesOnBackground;
    // Whether OK shows "Wait.." and disables Cancel while the window recolours.
    bool waitWhileRecolouring;
    // The window that is recoloured on OK; null when there is none.
    EditorWindow* (*target)(const AppState& app);
};

extern const ColourDialogKind cwindowKind;
extern const ColourDialogKind scriptcolorKind;

class ColourSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ColourSettingsDialog(AppState& app, const ColourDialogKind& kind, QWidget* parent = nullptr);

    // Opens the dialog (modal, topmost, the main window disabled) and returns at once; the
    // dialog deletes itself when closed.
    static ColourSettingsDialog* open(AppState& app, const ColourDialogKind& kind);

    ColourSwatch* swatch(int row) const { return swatches_[row]; }
    QLineEdit* sample(int row) const { return samples_[row]; }
    QPushButton* OKButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    void OKButton_Click();
    void Command1_Click();

    static constexpr int RowCount = 6;
    static constexpr int BackgroundRow = RowCount - 1;

    void done(int result) override;

private:
    void showColour(int row, Rgb colour);
    void paintSampleBacks(Rgb colour, bool everySample);

    AppState& app_;
    FrameDisabled frameDisabled_;
    const ColourDialogKind& kind_;
    ColourSwatch* swatches_[RowCount] = {};
    QLineEdit* samples_[RowCount] = {};
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPointer<HelpWindow> help_;
};
