#pragma once
// The find-and-replace dialog. One class serves every kind of editor window (find_replace,
// find_vb, find_js, find_java, find_doc): it is given its window kind and always works on the
// most recently activated window of that kind, so switching between two windows of one kind
// retargets it without reloading. Modeless and topmost; hidden rather than destroyed, so its
// histories and options last until the user closes it with its close box.
#include <QDialog>
#include <optional>

#include "core/window_kind.h"

struct AppState;
class EditorPane;
class EditorWindow;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
enum class MsgIcon;

class FindDialog : public QDialog {
    Q_OBJECT
public:
    // Loads the dialog for the current window of the kind (the Load steps run here).
    FindDialog(AppState& app, WindowKind kind, QWidget* parent = nullptr);

    WindowKind kind() const { return kind_; }
    // The dialog's name for its kind ("find_replace", "find_vb", ...).
    static QString nameOf(WindowKind kind);

    // Shows the dialog and runs Activate, as the Find and Replace commands do.
    void showAndActivate();
    void Activate();

    void findnext_Click();
    void replace_Click();
    void replaceAll_Click();
    void Cancel_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();

    QLabel* Label1;
    QComboBox* tfind;
    QLabel* Label2;
    QComboBox* treplace;
    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QGroupBox* Frame2;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QCheckBox* Check3;
    QPushButton* findnext;
    QPushButton* Cancel;
    QPushButton* replace;
    QPushButton* replaceAll;
    QPushButton* help;

    int searchOrigin = 0;
    short directionMode = 1;  // 1 All, 2 Down, 3 Up
    short searchOptions = 0;
    std::optional<int> nextSearchStart;  // empty: the top of the text
    bool searchFailed = false;
    bool replaceRefused = false;
    int replaceCount = 0;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override { Cancel_Click(); }  // Escape

private:
    void buildControls();
    EditorWindow* target() const;
    // Steps shared by Find Next and Replace All: an empty find text is refused with a message,
    // otherwise both texts go into their histories.
    bool startSearch();
    // One search from nextSearchStart within the direction's region: the match, or -1.
    int search(EditorPane& pane);
    // Replaces the selected text; the next search starts after the new text.
    void replaceSelection(EditorPane& pane);
    // The stretch a search from `from` covers, as the user is told about it.
    QString regionFrom(int from) const;
    void updateFindEnabled();
    void updateReplaceEnabled();
    void message(const QString& text, const QString& title, MsgIcon icon);

    AppState& app_;
    WindowKind kind_;
};
