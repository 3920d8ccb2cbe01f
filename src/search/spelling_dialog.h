#pragma once
// The spelling check wizard. One class serves HTML windows (spell) and document windows
// (docspell), given its window kind. The selected text is taken out of the document and worked
// on in the dialog's own pane; OK puts the corrected text back in its place, Cancel (or the
// close box) puts the saved selection back exactly as it was. The dialog is created for one
// check and destroyed at its end.
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/editor_pane.h"
#include "core/window_kind.h"

struct AppState;
struct SpellKindRow;
class EditorWindow;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

class SpellingDialog : public QDialog {
    Q_OBJECT
public:
    SpellingDialog(AppState& app, WindowKind kind);
    ~SpellingDialog() override;

    // Opens the dialog of the active window kind (HTML or document); other kinds do nothing.
    // Returns the dialog while a check is under way, null when it closed at once.
    static SpellingDialog* open(AppState& app);

    // The dialog's name for its kind ("spell", "docspell").
    QString name() const;

    // The marking pass over the whole pane; it runs when the dialog opens.
    void markingPass();

    void ignore_Click();
    void change_Click();
    void close_Click();
    void cancle_Click();

    EditorPane& rtf1() const { return *pane_; }
    QLabel* Label1;
    QLabel* Label2;
    QListWidget* spell_sugg;
    QLabel* Label3;
    QProgressBar* per;
    QPushButton* ignore;
    QPushButton* change;
    QPushButton* close;
    QPushButton* cancle;
    // The installed dictionaries, shown when there is more than one to choose from.
    QComboBox* dictionaryChoice;

    QString currentWord;
    int scanPos = 0;
    int scanEnd = 0;
    int scanStart = 0;
    QStringList spellSuggestions;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override { cancle_Click(); }  // Escape

private:
    // The Load steps; false when the dialog closed at once.
    bool Load();
    void buildControls();
    EditorWindow* target() const;
    void suggestionPass();
    bool walkWord(const QByteArray& delimiters);
    bool misspelled(const QString& word);
    void listSuggestions(bool preselectFirst);
    void selectLastWord();
    void say(const QString& text, int icon);
    void restoreSelection();
    void putBackTaken(EditorPane& document);
    void putBackWithReplacements(EditorPane& document);
    // Another dictionary: the text is checked again from its start.
    void dictionaryChosen(const QString& name);
    // The window is modified after the check exactly when a word was changed.
    void settleModified();
    // The check is over: bulkEditBusy is lowered.
    void release();

    AppState& app_;
    const SpellKindRow& row_;
    std::unique_ptr<EditorPane> pane_;
    QPointer<EditorWindow> window_;  // the window whose selection is being checked
    PaneSnapshot savedSelection;
    int takenFrom_ = 0;     // where the selection was taken out of the document
    bool holdingText_ = false;  // the selection is out of the document
    bool finished_ = false;
    QString tagBefore_;     // the window's modified marker before the check
    bool changed_ = false;  // a word was changed
    // The words changed, in order, each at its offset into the checked text when it was
    // changed: a document gets its own text back with just these replaced, so the colours the
    // check marks words with never reach it.
    struct Replacement {
        int at;
        int length;
        QString text;
    };
    std::vector<Replacement> replacements_;
    // Word -> misspelled, for the check under way. Qt's seeded string hash costs more than a
    // Hunspell lookup of a short word, so the table hashes without a seed.
    struct WordHash {
        size_t operator()(const QString& word) const { return qHash(QStringView(word), 0); }
    };
    std::unordered_map<QString, bool, WordHash> verdicts_;
};
