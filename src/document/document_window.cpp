#include "document/document_window.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/command_registry.h"
#include "core/edit_keys.h"
#include "core/frame.h"
#include "core/open_text_file.h"
#include "core/plain_text_file.h"
#include "core/rich_text_pane.h"
#include "core/save_dialog.h"
#include "core/twips.h"
#include "document/rtf/rtf_codec.h"
#include "document/rtf/rtf_reader.h"
#include "platform/dialogs.h"

namespace {
const QString SaveTitle = QStringLiteral("Save Document file as ");
const QString SaveFilter = QStringLiteral("Rich Text files(*.rtf)|*.rtf|All files(*.*)|*.*");
const QString DefaultExtension = QStringLiteral("*.rtf");

// Below the pane the window keeps a strip of 500 twips.
constexpr int BottomStrip = 500 / TwipsPerPixel;
// The document pane's text stands 200 twips from its edges.
constexpr double TextMargin = pixelsOfTwips(200);
constexpr int DefaultPointSize = 12;

constexpr int SaveButton = 3;

RtfCodec& rtfCodec() {
    static RtfCodec codec;
    return codec;
}

// Why a file cannot be opened as a document, or an empty string when it can.
QString unreadableReason(const QString& path, QByteArray* head) {
    const QString reason = unreadableFileReason(path, head);
    if (reason.isEmpty() && !rtf::looksLikeRtf(*head) && !looksLikeText(*head))
        return QStringLiteral("it is neither a rich text nor a text file.");
    return reason;
}
}  // namespace

document::document(AppState& app, QWidget* parent)
    : EditorWindow(app, KindDocument, std::make_unique<RichTextPane>(), parent) {
    RichTextPane& pane = code();
    pane.setCodec(&rtfCodec());
    QTextEdit* edit = pane.textEdit();
    edit->setObjectName(QStringLiteral("code"));
    edit->setParent(this);
    // The right button and the menu key pop up the main window's Edit menu instead.
    edit->setContextMenuPolicy(Qt::PreventContextMenu);
    edit->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    pane.document()->setDocumentMargin(TextMargin);
    // The pane fills the window but for a strip below it.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(edit, 1);
    format_ = new QLabel(this);
    format_->setObjectName(QStringLiteral("format"));
    format_->setFixedHeight(BottomStrip);
    format_->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(format_);
    pane.SetBaseFont(serifFontName(), DefaultPointSize);
    // Typing since the last snapshot is a step of its own: a command after it (a format, a
    // paste) would otherwise be undone together with the words typed before it.
    pane.setBeforeCommand([this] {
        if (!typedPending_) return;
        typedPending_ = false;
        backup_code();
    });
    encodingChanged();
}

RichTextPane& document::code() const { return static_cast<RichTextPane&>(pane()); }

QString document::serifFontName() {
    for (const char* name : {"Times New Roman", "Liberation Serif", "DejaVu Serif", "FreeSerif"})
        if (QFontDatabase::hasFamily(QLatin1String(name))) return QString::fromLatin1(name);
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

void document::newfile(const QString& tag) {
    setModifiedTag(tag);
    backup_code();
}

void document::reportProblem(const QString& text) {
    app().dialogs->messageBox(text, QApplication::applicationName(), MsgButtons::Ok,
                              MsgIcon::Exclamation);
}

bool document::openfromdir(const QString& path) {
    QByteArray head;
    QString reason = unreadableReason(path, &head);
    if (reason.isEmpty()) {
        loading_ = true;
        const FileKind kind = rtf::looksLikeRtf(head) ? FileRichText : FilePlainText;
        const bool loaded = pane().LoadFile(path, kind, &reason);
        loading_ = false;
        if (loaded) {
            setCaption(path);
            documentOpened();
            return true;
        }
    }
    reportProblem(QStringLiteral("Cannot open \"%1\": %2").arg(path, reason));
    return false;
}

// What the file held that the document could not keep is lost by a save: the user decides.
bool document::mayLeaveOutUnkept() {
    const QStringList& unkept = code().unkeptParts();
    if (unkept.isEmpty()) return true;
    const QString text =
        QStringLiteral("This document contains formatting that the editor cannot keep: %1. "
                       "Saving it here leaves them out.")
            .arg(unkept.join(QStringLiteral(", ")));
    return app().dialogs->messageBox(text, caption(), MsgButtons::SaveAnywayCancel,
                                     MsgIcon::Exclamation) == MsgAnswer::Ok;
}

bool document::writeDocument(const QString& path) {
    if (!mayLeaveOutUnkept() || !writeWindowFile(*this, path, code().fileKind())) return false;
    code().forgetUnkeptParts();
    return true;
}

bool document::SaveDocument() {
    if (!isUntitled()) return writeDocument(caption());
    std::optional<QString> chosen;
    {
        PalettesAway away(app().frame);
        if (app().frame) app().frame->bringForward(this);  // autosave may ask for it
        FileDialogRequest request{SaveTitle, SaveFilter, DefaultExtension, QString()};
        chosen = app().dialogs->saveFile(request);
    }
    if (!chosen || chosen->isEmpty()) return false;
    return writeDocument(*chosen);
}

bool document::SaveDocumentAs() {
    if (!mayLeaveOutUnkept() || !saveWithDialog(*this, true)) return false;
    code().forgetUnkeptParts();
    return true;
}

bool document::mayFormat() {
    if (code().fileKind() == FileRichText) return true;
    const QString question = QStringLiteral(
        "This document is plain text, which holds no formatting.\n\n"
        "Make it a rich text document? Save then writes it as rich text (RTF), which plain text "
        "editors show as control words; Save As with the Text files type makes it plain text "
        "again.\n\nCancel leaves the text as it is.");
    if (ask(question, MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok) return false;
    code().setFileKind(FileRichText);
    encodingChanged();
    return true;
}

void document::formatApplied() {
    keyTyped = false;
    Change();
}

void document::Change() {
    if (loading_) return;
    Frame* frame = app().frame;
    const bool saveWasOn = frame && frame->isCommandEnabled(QStringLiteral("Save"));
    setModifiedTag(QStringLiteral("n"));
    if (undoRing().restoring()) return;
    if (app().bulkEditBusy) {
        // A bulk rewrite (the spelling write-back) takes its own snapshot and enables Save
        // itself when it ends.
        if (frame) {
            frame->setCommandEnabled(QStringLiteral("Save"), saveWasOn);
            frame->setToolbarButtonEnabled(SaveButton, saveWasOn);
        }
        return;
    }
    if (!keyTyped) backup_code();
    typedPending_ = keyTyped;
    keyTyped = false;
}

QByteArray document::recoveryText() const {
    return code().fileKind() == FileRichText ? code().TextRTF() : code().plainFileText();
}

void document::showRecoveredText(const QByteArray& text) {
    loading_ = true;
    if (rtf::looksLikeRtf(text))
        code().SetTextRTF(text);
    else
        code().setPlainFileText(text);
    loading_ = false;
}

void document::showEncoding(const QString& name) {
    const RichTextPane& pane = code();
    format_->setText(pane.fileKind() == FileRichText
                         ? QStringLiteral("Rich text (RTF)")
                         : QStringLiteral("Plain text, %1, lines ending in %2")
                               .arg(name, lineBreakName(pane.lineBreak())));
}

void document::SelChange() {
    if (app().bulkEditBusy || loading_) return;
    enableSelectionCommands();
}

// Typing is recorded for undo at word and line boundaries.
void document::KeyPress(int& keyAscii) {
    if (keyAscii == '\r' || keyAscii == '\b' || keyAscii == ' ') backup_code();
    keyTyped = true;
}

void document::KeyDown(int& keyCode, Qt::KeyboardModifiers shift) {
    // A Ctrl released while another window had the keyboard never told us.
    if (!(shift & Qt::ControlModifier)) ctrlHeld = false;
    if (keyCode == Qt::Key_Control) ctrlHeld = true;
    if (!ctrlHeld) return;
    switch (keyCode) {
    case Qt::Key_V:
        // The main window's paste, so that a paste is recorded as one change.
        if (!app().commands || !app().commands->run(QStringLiteral("Paste"))) {
            pasteFromClipboard();
            backup_code();
        }
        keyCode = 0;
        break;
    case Qt::Key_Z:
        undo_code();
        keyCode = 0;
        break;
    case Qt::Key_R:
        redo_code();
        keyCode = 0;
        break;
    default: break;
    }
}

void document::KeyUp(int& keyCode, Qt::KeyboardModifiers) {
    if (keyCode == Qt::Key_Menu) popupEditMenuAt(*this, pane().caretRect().bottomLeft());
    if (keyCode == Qt::Key_Control) ctrlHeld = false;
}

void document::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    if (button == Qt::RightButton) popupEditMenuAt(*this, QPoint(x, y));
}
