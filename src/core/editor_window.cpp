#include "core/editor_window.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "core/frame.h"
#include "core/recovery_store.h"
#include "platform/dialogs.h"

namespace {
constexpr int UndoButton = 14;
constexpr int RedoButton = 15;

constexpr int CutButton = 8;
constexpr int CopyButton = 9;
constexpr int DeleteButton = 11;
constexpr int RecoveryPauseMs = 2000;
constexpr int RecoveryLongestWaitMs = 15000;

bool undoSwitchedOn(const AppState& app) {
    return !app.frame || app.frame->isCommandChecked(QStringLiteral("Doundo"));
}
}  // namespace

// Passes the pane's events on to the window, and tells the undo history of every edit once
// the window has handled it, whatever the window's own busy flags: typing after an undo must
// end the redo branch, or Redo would put older text over it.
class EditorWindow::EditWatch : public PaneEvents {
public:
    explicit EditWatch(EditorWindow& window) : window_(window), events_(window) {}
    void Change() override {
        // An undo or redo puts back text the remembered pairs know nothing of.
        if (window_.undo_->restoring()) window_.pairs_.clear();
        events_.Change();
        if (undoSwitchedOn(window_.app_)) window_.undo_->edited();
    }
    void SelChange() override { events_.SelChange(); }
    void KeyDown(int& keyCode, Qt::KeyboardModifiers shift) override {
        events_.KeyDown(keyCode, shift);
    }
    void KeyUp(int& keyCode, Qt::KeyboardModifiers shift) override { events_.KeyUp(keyCode, shift); }
    void KeyPress(int& keyAscii) override { events_.KeyPress(keyAscii); }
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override {
        events_.MouseDown(button, shift, x, y);
    }
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y) override {
        events_.MouseMove(buttons, shift, x, y);
    }

private:
    EditorWindow& window_;
    PaneEvents& events_;
};

EditorWindow::EditorWindow(AppState& app, WindowKind kind, std::unique_ptr<EditorPane> pane,
                           QWidget* parent)
    : QWidget(parent), app_(app), kind_(kind), pane_(std::move(pane)) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto report = [this](const QString& command, int button) {
        return [this, command, button](bool on) {
            if (!app_.frame) return;
            app_.frame->setCommandEnabled(command, on);
            app_.frame->setToolbarButtonEnabled(button, on);
        };
    };
    undo_ = std::make_unique<UndoRing>(*pane_, report(QStringLiteral("Undo"), UndoButton),
                                       report(QStringLiteral("redo"), RedoButton));
    editWatch_ = std::make_unique<EditWatch>(*this);
    pane_->setEventHandler(editWatch_.get());
    connect(&Timer1, &QTimer::timeout, this, &EditorWindow::Timer1_Timer);
    recoveryPause_.setSingleShot(true);
    recoveryPause_.setInterval(RecoveryPauseMs);
    connect(&recoveryPause_, &QTimer::timeout, this, &EditorWindow::keepForRecovery);
}

EditorWindow::~EditorWindow() {
    pane_->setEventHandler(nullptr);  // the watch goes before the pane does
    forget();
}

QString EditorWindow::defaultName(WindowKind kind) {
    switch (kind) {
    case KindVbscript: return QStringLiteral("VBScript");
    case KindJscript: return QStringLiteral("JScript");
    case KindJava: return QStringLiteral("Java");
    case KindDocument: return QStringLiteral("Document");
    default: return QStringLiteral("noname");
    }
}

bool EditorWindow::isUntitled() const { return caption().startsWith(defaultName(kind_)); }

void EditorWindow::setModifiedTag(const QString& tag) {
    modifiedTag_ = tag;
    if (isModified()) scheduleRecovery();
    else dropRecovery();
    if (app_.frame && app_.activeWindowKind == kind_ && app_.currentWindowOf(kind_) == this) {
        app_.frame->setCommandEnabled(QStringLiteral("Save"), isModified());
        app_.frame->setToolbarButtonEnabled(3, isModified());
    }
}

void EditorWindow::backup_code() {
    if (undoSwitchedOn(app_)) undo_->take();
}

void EditorWindow::undo_code() {
    if (!undoSwitchedOn(app_)) return;
    undo_->undo();
    Initcount();
}

void EditorWindow::redo_code() {
    if (!undoSwitchedOn(app_)) return;
    undo_->redo();
    Initcount();
}

void EditorWindow::startAutosave(int periodMinutes) {
    Timer1.start(periodMinutes * 1000);
}

void EditorWindow::stopAutosave() { Timer1.stop(); }

void EditorWindow::Timer1_Timer() {
    // Ticks that arrive while the save question of an untitled window is up are not counted:
    // the user answers one question at a time.
    if (autosaving_) return;
    if (++autosaveTicks < AutosaveTicksPerSave) return;
    autosaveTicks = 0;
    autosaving_ = true;
    SaveDocument();
    autosaving_ = false;
}

void EditorWindow::documentOpened() {
    undo_->clear();
    backup_code();
    setModifiedTag(QStringLiteral("s"));
    rememberFile();
    encodingChanged();
}

void EditorWindow::pasteFromClipboard() { pane_->Paste(); }

void EditorWindow::activate() {
    app_.activeWindowKind = kind_;
    app_.currentWindowOf(kind_) = this;
    if (app_.frame) {
        WindowCommandState state;
        state.modified = isModified();
        state.selection = pane().SelLength() > 0;
        state.canUndo = undoRing().canUndo();
        state.canRedo = undoRing().canRedo();
        app_.frame->windowActivated(kind_, state);
    }
    checkFileOnDisk();
}

bool EditorWindow::queryUnload() {
    if (!isModified()) return true;
    const QString question = QStringLiteral("You want to save changes ?");
    speakIfOn(app_, question);
    const MsgAnswer answer = ask(question, MsgButtons::YesNoCancel, MsgIcon::Question);
    if (answer == MsgAnswer::Cancel) return false;
    // A save that failed or was not made keeps the window, and the edits, where they are.
    return answer != MsgAnswer::Yes || SaveDocument();
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (!queryUnload()) {
        event->ignore();
        activate();  // the window stays: give it back its commands
        return;
    }
    forget();
    event->accept();
}

void EditorWindow::scheduleRecovery() {
    if (!app_.recovery) return;
    if (!unsavedSince_.isValid()) unsavedSince_.start();
    // Restarting a timer is all a keystroke pays; the text is read when the pause ends.
    if (unsavedSince_.elapsed() < RecoveryLongestWaitMs || !recoveryPause_.isActive())
        recoveryPause_.start();
}

void EditorWindow::keepForRecovery() {
    recoveryPause_.stop();
    if (!app_.recovery || !isModified()) return;
    if (!recoveryDocument_) recoveryDocument_ = app_.recovery->newDocument();
    RecoveredDocument content;
    content.kind = kind_;
    content.caption = caption();
    content.encoding = pane_->encoding();
    content.changed = QDateTime::currentDateTime();
    content.text = recoveryText();
    app_.recovery->write(recoveryDocument_, content);
    unsavedSince_.invalidate();
}

void EditorWindow::enableSelectionCommands() {
    Frame* frame = app_.frame;
    if (!frame) return;
    const bool selected = pane_->SelLength() > 0;
    for (const char* command : {"Cut", "Copy", "del"})
        frame->setCommandEnabled(QString::fromLatin1(command), selected);
    for (int button : {CutButton, CopyButton, DeleteButton})
        frame->setToolbarButtonEnabled(button, selected);
}

QByteArray EditorWindow::recoveryText() const { return pane_->Text(); }

void EditorWindow::recoverDocument(const QByteArray& text, const QString& caption,
                                   TextEncoding encoding) {
    setCaption(caption);
    pane_->setEncoding(encoding);
    showRecoveredText(text);
    documentOpened();
    setModifiedTag(QStringLiteral("n"));
}

void EditorWindow::dropRecovery() {
    recoveryPause_.stop();
    unsavedSince_.invalidate();
    if (app_.recovery && recoveryDocument_) app_.recovery->remove(recoveryDocument_);
}

void EditorWindow::forget() {
    if (unloadedOnce_) return;
    unloadedOnce_ = true;
    dropRecovery();
    if (app_.activeWindowKind == kind_) app_.activeWindowKind = KindNone;
    auto& current = app_.currentWindowOf(kind_);
    if (current == this) current.clear();
    if (app_.frame) app_.frame->windowUnloaded(kind_);
    emit unloaded(this);
}
