#pragma once
// frmautosave ("Autosave files"): switches the autosave of the current editor window on, with a
// period in minutes, or off. The setting lives only in that window's timer.
#include <QDialog>
#include <QPointer>

#include "core/editor_window.h"

struct AppState;
class QCheckBox;
class QListWidget;

class frmautosave : public QDialog {
    Q_OBJECT
public:
    explicit frmautosave(AppState& app, QWidget* parent = nullptr);

    // Opens the dialog for the current window of the active kind and returns at once.
    static frmautosave* open(AppState& app);

    // The periods offered, in minutes: 1 to 20 and 31 to 60.
    static QStringList periodItems();

    QCheckBox* Check1() const { return check_; }
    QListWidget* List1() const { return list_; }
    // The window whose autosave the dialog sets; null when the active kind has none.
    EditorWindow* targetWindow() const { return target_; }

    void Check1_Click();
    void OKButton_Click();

private:
    AppState& app_;
    QPointer<EditorWindow> target_;
    QCheckBox* check_;
    QListWidget* list_;
};
