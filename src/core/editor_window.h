#pragma once
// What the five editor windows (HTML, VBScript, JScript, Java, document) share: the pane, the
// undo ring, the modified marker ("n" after an edit, "s" after creation, opening or saving),
// the caption as the document's identity, the autosave tick counter, activation and the
// save question on close.
#include <QWidget>
#include <memory>

#include "core/app_state.h"
#include "core/editor_pane.h"
#include "core/undo_ring.h"

class EditorWindow : public QWidget, protected PaneEvents {
    Q_OBJECT
public:
    EditorWindow(AppState& app, WindowKind kind, std::unique_ptr<EditorPane> pane,
                 QWidget* parent = nullptr);
    ~EditorWindow() override;

    WindowKind kind() const { return kind_; }
    AppState& app() const { return app_; }
    EditorPane& pane() const { return *pane_; }

    // The caption is the file path, or the kind's default name and a number until first saved.
    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    // The kind's default caption prefix ("noname", "VBScript", "JScript", "Java", "Document").
    static QString defaultName(WindowKind kind);
    bool isUntitled() const;

    QString modifiedTag() const { return modifiedTag_; }
    void setModifiedTag(const QString& tag);
    bool isModified() const { return modifiedTag_ == QLatin1String("n"); }

    // Undo history; each does nothing while the Doundo command is unchecked.
    void backup_code();
    void undo_code();
    void redo_code();
    UndoRing& undoRing() { return *undo_; }

    int autosaveTicks = 0;

    // Saves the document (asking for a name when untitled). False when cancelled or failed;
    // a failure has been reported to the user.
    virtual bool SaveDocument() = 0;
    // Save As: always asks for a name.
    virtual bool SaveDocumentAs() = 0;
    // The window's own paste (HTML windows colour what was pasted).
    virtual void pasteFromClipboard();
    // Line-number refresh after an undo or a programmatic change.
    virtual void Initcount() {}
    // Brings the window's preview up to date when it has one and split view is on.
    virtual void refreshPreviewIfSplit() {}
    // Recolours the whole text after the colour or font settings changed, keeping the caret.
    // The colour dialogs and the font command call it on the current window of the active kind.
    virtual void recolourAll() {}
    // Colours a stretch of text the window's way after it was written back (the spelling
    // dialog's OK); windows without their own colouring leave it as written.
    virtual void recolourRange(int start, int length) { Q_UNUSED(start) Q_UNUSED(length) }

    // Registers this window as the current one of its kind and lets the frame apply the
    // enabling rules. Called when the frame activates the window.
    virtual void activate();

    // Asks "You want to save changes ?" when modified. False when the user chose Cancel.
    bool queryUnload();

signals:
    void unloaded(EditorWindow* window);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Clears the application-wide references to this window.
    void forget();

private:
    AppState& app_;
    WindowKind kind_;
    std::unique_ptr<EditorPane> pane_;
    std::unique_ptr<UndoRing> undo_;
    QString modifiedTag_ = QStringLiteral("s");
    bool unloadedOnce_ = false;
};
