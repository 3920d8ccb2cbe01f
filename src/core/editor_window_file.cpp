// An editor window and its file on disk: another program's changes, and which window a
// question is about.
#include <algorithm>

#include "core/editor_window.h"
#include "core/frame.h"

namespace {
const QString ChangedText = QStringLiteral(
    "Another program has changed \"%1\" since it was opened or saved here.\n\n"
    "Reload it? No keeps the text of this window as it is.");
const QString ChangedWithEditsText = QStringLiteral(
    "Another program has changed \"%1\" since it was opened or saved here, and this window "
    "has changes that are not saved.\n\n"
    "Reload the file and lose the changes of this window? No keeps the text of this window "
    "as it is.");
const QString DeletedText = QStringLiteral(
    "Another program has deleted \"%1\".\n\n"
    "Save the text of this window to it again? No keeps the text in this window only.");
const QString ChangedOnSaveText = QStringLiteral(
    "Another program has changed \"%1\" since it was opened or saved here.\n\n"
    "Replace it with the text of this window? No leaves the file as it is, and this window "
    "unsaved.");
const QString OpenElsewhereText = QStringLiteral(
    "\"%1\" is open in another window.\n\n"
    "Save under another name, or close that window first.");
}  // namespace

MsgAnswer EditorWindow::ask(const QString& text, MsgButtons buttons, MsgIcon icon) {
    if (app_.frame) app_.frame->bringForward(this);
    return app_.dialogs->messageBox(text, caption(), buttons, icon);
}

void EditorWindow::documentSaved(const QString& path) {
    setCaption(path);
    setModifiedTag(QStringLiteral("s"));
    rememberFile();
    encodingChanged();
}

void EditorWindow::rememberFile() {
    toldOf_.reset();
    if (isUntitled()) file_.reset();
    else file_ = FileStamp::of(caption());
}

EditorWindow::DiskChange EditorWindow::fileChange(FileStamp& now) {
    if (!file_ || isUntitled()) return DiskChange::None;
    now = FileStamp::of(caption(), &*file_);
    if (now.sameAs(*file_)) {
        file_ = now;  // the same bytes written again: their new times need no second reading
        return DiskChange::None;
    }
    return now.exists ? DiskChange::Changed : DiskChange::Deleted;
}

void EditorWindow::checkFileOnDisk() {
    if (askingAboutFile_) return;
    FileStamp now;
    const DiskChange change = fileChange(now);
    // Each state of the file is told once; answering keeps the window as the user chose.
    if (change == DiskChange::None || (toldOf_ && now.sameAs(*toldOf_))) return;
    askingAboutFile_ = true;
    toldOf_ = now;
    if (change == DiskChange::Deleted) {
        if (ask(DeletedText.arg(caption()), MsgButtons::YesNo, MsgIcon::Exclamation) ==
            MsgAnswer::Yes)
            SaveDocument();
        else
            setModifiedTag(QStringLiteral("n"));  // the text is now nowhere else
    } else {
        const QString& text = isModified() ? ChangedWithEditsText : ChangedText;
        if (ask(text.arg(caption()), MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes)
            reload();
    }
    askingAboutFile_ = false;
}

void EditorWindow::reload() {
    const int caret = pane_->SelStart();
    if (!openfromdir(caption())) return;
    pane_->SetSelStart(std::min(caret, pane_->TextLength()));
}

bool EditorWindow::mayWrite(const QString& path) {
    const QWidget* holder = app_.frame ? app_.frame->windowOfFile(path) : nullptr;
    if (holder && holder != this) {
        ask(OpenElsewhereText.arg(path), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    if (!sameFile(path, caption())) return true;
    FileStamp now;
    const DiskChange change = fileChange(now);
    if (change == DiskChange::None) return true;
    // Autosave never decides for the user: the question comes at activation or the next save.
    if (autosaving_) return false;
    // Writing a deleted file again loses nothing; a change made by another program would be.
    const bool told = toldOf_ && now.sameAs(*toldOf_);
    toldOf_ = now;
    if (change == DiskChange::Deleted && told) return true;
    const QString& text = change == DiskChange::Deleted ? DeletedText : ChangedOnSaveText;
    return ask(text.arg(caption()), MsgButtons::YesNo, MsgIcon::Exclamation) == MsgAnswer::Yes;
}
