#pragma once
// document: the window in which one rich-text document is written. It has no colouring and no
// tag commands; its text takes character and paragraph formatting from the main window's
// format buttons. It is saved as RTF, except a plain text file opened here: that stays plain
// text, in its own encoding and line breaks, until the user makes it rich text.
#include "core/editor_window.h"

class QLabel;
class RichTextPane;

class document : public EditorWindow {
    Q_OBJECT
public:
    explicit document(AppState& app, QWidget* parent = nullptr);

    RichTextPane& code() const;

    // Initialisation after creation: "s" for a new document. Takes the first undo snapshot.
    void newfile(const QString& tag);
    // Loads the file: RTF when it is RTF, otherwise as plain text; the loaded document starts
    // the undo history. False, after telling the user which file and why, when it cannot be
    // read; the window is then unchanged.
    bool openfromdir(const QString& path) override;

    // The window's save routine: asks for a name while the document is untitled.
    bool SaveDocument() override;
    // Save As of the main window; the file type chosen is the format written: Richtext files
    // RTF, Text files plain text, All files the document's own.
    bool SaveDocumentAs() override;

    // Before a format command: a plain-text document cannot hold formatting, so the user is
    // asked whether to make it rich text (written as RTF from then on). False when not.
    bool mayFormat();
    // A format command (bold, alignment, font, ...) changed the selection: recorded as a
    // change of the document, with one undo snapshot.
    void formatApplied();

    bool ctrlHeld = false;
    // The last change came from a typed character, already recorded at the word boundary.
    bool keyTyped = false;

    // The font a new document is written in: a Times-like serif face present on this system.
    static QString serifFontName();

protected:
    void Change() override;
    void SelChange() override;
    void KeyPress(int& keyAscii) override;
    void KeyDown(int& keyCode, Qt::KeyboardModifiers shift) override;
    void KeyUp(int& keyCode, Qt::KeyboardModifiers shift) override;
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;
    // A recovery file keeps the document as RTF, so that its formatting comes back too.
    // A plain-text document is kept as its plain text.
    QByteArray recoveryText() const override;
    void showRecoveredText(const QByteArray& text) override;
    // Below the pane: the format the document is saved in.
    void showEncoding(const QString& name) override;

private:
    bool writeDocument(const QString& path);
    // False when the file holds what the document cannot keep and the user cancelled.
    bool mayLeaveOutUnkept();
    void reportProblem(const QString& text);

    QLabel* format_ = nullptr;
    bool loading_ = false;
    bool typedPending_ = false;  // typed text not yet in the undo history
};
