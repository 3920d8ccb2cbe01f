#pragma once
// The small dialogs of the Java menu (brvpath, runjava, appletv, cmd1) are one class: a column
// of labelled fields (Text1, Text2), OK and Cancel, and what OK does.
#include <QDialog>
#include <functional>
#include <vector>

class QLineEdit;
class QPushButton;
struct AppState;

struct ToolField {
    QString name;   // Text1, Text2
    QString label;
    bool digitsOnly = false;  // only 0-9 (and Backspace) can be typed
};

class ToolDialog : public QDialog {
    Q_OBJECT
public:
    using Action = std::function<void(ToolDialog&)>;
    ToolDialog(const QString& name, const QString& caption, const std::vector<ToolField>& fields,
               Action ok, QWidget* parent);

    QLineEdit* field(int index) const { return fields_[std::size_t(index)]; }
    QString text(int index) const;
    // A button beside the first field (the browse button of brvpath).
    QPushButton* addFieldButton(const QString& name, const QString& caption, Action action);

    void okClicked();

private:
    std::vector<QLineEdit*> fields_;
    Action ok_;
};

// The dialogs; each opens modeless above the main window (or comes forward when it is open
// already) and deletes itself when closed.
ToolDialog* openSetPathDialog(AppState& app);   // brvpath
ToolDialog* openRunDialog(AppState& app);       // runjava
ToolDialog* openAppletDialog(AppState& app);    // appletv
ToolDialog* openCommandDialog(AppState& app);   // cmd1
