#pragma once
// What the five editor windows (HTML, VBScript, JScript, Java, document) share: the pane, the
// undo ring, the modified marker ("n" after an edit, "s" after creation, opening or saving),
// the caption as the document's identity, the autosave tick counter, activation and the
// save question on close.
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "core/app_state.h"
#include "core/editor_pane.h"
#include "core/file_stamp.h"
#include "core/typing_aids.h"
#include "core/undo_ring.h"
#include "platform/dialogs.h"

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
    // Closers written ahead of the caret, for the code windows' typing.
    TypingPairs& typingPairs() { return pairs_; }
    // The pane now holds a document just opened (from a file, a list, an address): it is
    // unmodified and its text starts the undo history, so that Undo never goes back past it.
    // Every opener calls this once the text and its colours are in place.
    void documentOpened();
    // The pane was written to path: the caption becomes that path, the window is unmodified.
    void documentSaved(const QString& path);
    // Reads the file at path into the window, as opening it does; Reload uses it. False when
    // the file cannot be read (the user has been told).
    virtual bool openfromdir(const QString& path) { Q_UNUSED(path) return false; }

    // The file on disk. The window remembers it as it last read or wrote it; when another
    // program has changed or deleted it since, activation says so and offers to reload it or
    // save it again, and no save writes over such a change unasked.
    void checkFileOnDisk();
    // Before a save writes path: false when the user said no, when another window holds that
    // file, or when autosave finds the file changed (it then leaves the question to the user).
    bool mayWrite(const QString& path);

    // A question or message about this window: the window comes forward first and the box
    // bears its caption, so that the user knows which file is meant.
    MsgAnswer ask(const QString& text, MsgButtons buttons, MsgIcon icon);
    // Shows the encoding the pane's text is saved in, where the window shows it: when a
    // document is opened or saved, and when the window is made.
    void encodingChanged() { showEncoding(encodingName(pane_->encoding())); }

    // Autosave: Timer1 has no interval and does not run until the autosave dialog starts it
    // with a period of n seconds; every 60th tick saves, so the file is saved every n minutes.
    // Changing the period keeps the ticks already counted.
    static constexpr int AutosaveTicksPerSave = 60;
    bool autosaveRunning() const { return Timer1.isActive(); }
    int autosaveInterval() const { return Timer1.interval(); }  // ms
    void startAutosave(int periodMinutes);
    void stopAutosave();
    void Timer1_Timer();
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

    // Asks "You want to save changes ?" when modified. False when the user chose Cancel, or
    // chose Yes and the document was not saved (failed, or its dialog cancelled).
    bool queryUnload();

    // Writes the recovery file of unsaved changes now rather than after the pause.
    void keepForRecovery();
    // Puts back a document kept for recovery: its text and caption, marked modified, with an
    // undo history that starts at the recovered text.
    void recoverDocument(const QByteArray& text, const QString& caption, TextEncoding encoding);

signals:
    void unloaded(EditorWindow* window);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Cut, Copy and Delete (menu items and toolbar buttons) follow whether text is selected.
    void enableSelectionCommands();
    // What a recovery file keeps of the document: the pane's text, as the pane holds it.
    virtual QByteArray recoveryText() const;
    // Shows a recovered text in the pane, coloured as the kind colours an opened file.
    virtual void showRecoveredText(const QByteArray& text) { pane_->SetText(text); }
    virtual void showEncoding(const QString& name) { Q_UNUSED(name) }
    // Clears the application-wide references to this window.
    void forget();

private:
    class EditWatch;
    AppState& app_;
    WindowKind kind_;
    std::unique_ptr<EditorPane> pane_;
    std::unique_ptr<UndoRing> undo_;
    std::unique_ptr<EditWatch> editWatch_;
    TypingPairs pairs_;
    QString modifiedTag_ = QStringLiteral("s");
    bool unloadedOnce_ = false;
    QTimer Timer1;
    bool autosaving_ = false;

    enum class DiskChange { None, Changed, Deleted };
    // What became of the window's file since this window read or wrote it; `now` gets its stamp.
    DiskChange fileChange(FileStamp& now);
    void rememberFile();
    void reload();
    std::optional<FileStamp> file_;    // the file as this window last read or wrote it
    std::optional<FileStamp> toldOf_;  // the file's state the user was last told about
    bool askingAboutFile_ = false;

    // Unsaved changes reach the recovery file a moment after the typing stops, and at least
    // every so often while it goes on.
    void scheduleRecovery();
    void dropRecovery();
    int recoveryDocument_ = 0;
    QTimer recoveryPause_;
    QElapsedTimer unsavedSince_;
};
