#pragma once
// vbscript, jscript, java: the window in which one script is edited. One class for the three
// kinds; what differs stands in the kind's row (script_kind.h). The pane is coloured as the user
// types (script_colouring.cpp); Java windows add member lists and the import assistant.
#include <memory>

#include "core/editor_window.h"
#include "script/script_kind.h"
#include "script/script_scan.h"

class QLabel;
class QStatusBar;
class JavaCompletion;
class WordClassifier;
struct ScriptColours;

class ScriptWindow : public EditorWindow {
    Q_OBJECT
public:
    ScriptWindow(AppState& app, WindowKind kind, QWidget* parent = nullptr);
    ~ScriptWindow() override;

    const ScriptKindRow& row() const { return row_; }

    // A new window: the kind's template, coloured, marker "s".
    void newfile();
    // Asks for a file and opens it; false when cancelled or unreadable (the user was told why).
    bool openfile();
    bool openfromdir(const QString& path) override;

    bool SaveDocument() override;
    bool SaveDocumentAs() override;
    void pasteFromClipboard() override;
    void recolourAll() override;
    void activate() override;  // Form_Activate
    void Initcount() override { statusUpdate(); }

    // The colouring passes.
    void colourAll();                  // the whole text, with the wait window
    // Which words of the code the colouring of an edit gives the table's spelling (VBScript).
    enum class Respell { None, AllButTheWordTyped, All };
    // The lines edited since the last colouring. The word the caret touches is still being
    // typed: it is respelt once the caret leaves it.
    void colourEdits(Respell respell);

    void statusUpdate();
    // Status bar panel 1..6.
    QString panelText(int panel) const;
    QStatusBar* StatusBar1() const;

    // Java: member lists ("." after a class or a variable of one) and the import assistant.
    JavaCompletion* completion() const;
    void importPackage();  // ip

    // True while a pass or a file operation edits the pane: changes are not coloured and keys
    // other than the handled shortcuts are swallowed.
    bool busy = false;

protected:
    void showRecoveredText(const QByteArray& text) override;
    void showEncoding(const QString& name) override;
    void Change() override;
    void SelChange() override;
    void KeyDown(int& keyCode, Qt::KeyboardModifiers shift) override;
    void KeyUp(int& keyCode, Qt::KeyboardModifiers shift) override;
    void KeyPress(int& keyAscii) override;
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;

private:
    // The settings the window last coloured with; recolour-all compares them with the current.
    struct Copies {
        Rgb text = 0;
        Rgb param = 0;
        Rgb comment = 0;
        Rgb object = 0;
        Rgb keyword = 0;
        QString fontName;
        int fontSize = 0;
    };
    ScriptColours colours() const;
    WordClassifier& words();
    bool loadDocument(const QString& path);
    void markModified();
    void writeTemplate(const QString& opening, const QString& closing);
    bool pairWanted() const;
    // Gives the word the line pass left alone while it was being typed the table's spelling,
    // once the caret has left it (or, with `atEnd`, stands just after it).
    void correctLeftWord(bool atEnd = false);

    const ScriptKindRow& row_;
    std::unique_ptr<WordClassifier> words_;
    std::unique_ptr<Copies> copies_;
    std::unique_ptr<JavaCompletion> completion_;
    SpellingFix leftWord_{-1, {}};  // position in the pane; -1 when there is none
    QStatusBar* status_ = nullptr;
    QLabel* panels_[6] = {};
};
