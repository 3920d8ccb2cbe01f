#pragma once
// The rich-text document pane: EditorPane over a QTextEdit. One position is one character of
// the document, a paragraph break included; Text() holds one byte per position (the character
// when Latin-1 has it, "?" otherwise, "\r" for a paragraph break), so offsets computed on it
// agree with the pane's own.
#include <QObject>
#include <QPointer>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <functional>
#include <optional>

#include "core/change_tracker.h"
#include "core/editor_pane.h"
#include "core/pane_input.h"

class QTextDocument;
class QTextEdit;

// Reads and writes rich-text files (kind 0); the document window supplies one.
class RichTextCodec {
public:
    virtual ~RichTextCodec() = default;
    // `unkept` names, for the user, what the file holds that the document cannot.
    virtual bool read(const QByteArray& bytes, QTextDocument& into, QString* error,
                      QStringList* unkept) = 0;
    virtual QByteArray write(const QTextDocument& document) = 0;
};

class RichTextPane : public QObject, public EditorPane, private PaneInputHost {
    Q_OBJECT
public:
    explicit RichTextPane(QWidget* parent = nullptr);
    ~RichTextPane() override;

    QTextEdit* textEdit() const;
    QTextDocument* document() const;
    void setCodec(RichTextCodec* codec) { codec_ = codec; }
    // Called before every change that does not come from the keyboard (a command, a format,
    // a write-back), never before an undo restores: the window ends the typed step there.
    void setBeforeCommand(std::function<void()> hook) { beforeCommand_ = std::move(hook); }

    EDITOR_PANE_OPERATIONS(PANE_OVERRIDE)
    // A document is kept as the kind of file it was last read from or written to. A plain-text
    // document takes no formatting from pastes or drops, and its lines end as the file's did.
    FileKind fileKind() const override { return fileKind_; }
    void setFileKind(FileKind kind);
    LineBreak lineBreak() const { return lineBreak_; }
    // The text as a plain file holds it (UTF-8, the file's line breaks), and back: a plain-text
    // document of that text, its line breaks taken from it.
    QByteArray plainFileText() const;
    void setPlainFileText(const QByteArray& utf8);
    // What the file last opened holds that the document left out ("pictures", ...); a save
    // would lose it. Emptied once the user has saved without it.
    const QStringList& unkeptParts() const { return unkept_; }
    void forgetUnkeptParts() { unkept_.clear(); }

    // The selection, or the whole content, as rich-text markup (through the codec; plain text
    // when there is none). Setting replaces it and raises Change once.
    QByteArray SelRTF() const;
    void SetSelRTF(const QByteArray& rtf);
    QByteArray TextRTF() const;
    void SetTextRTF(const QByteArray& rtf);

    // [from, to) with all its formatting, for another document pane to take in as it is.
    QTextDocumentFragment fragment(int from, int to) const;
    // Replaces the selection by the fragment; the caret ends after it. Raises Change once.
    void SetSelFragment(const QTextDocumentFragment& piece);

private:
    // A paragraph break also keeps the format of the paragraph it opens: an empty last
    // paragraph has no position of its own to keep it.
    struct Format {
        QTextCharFormat character;
        QTextBlockFormat paragraph;  // alignment, indents, spacing: all of it comes back on undo
        QTextBlockFormat next;       // paragraph breaks only

        bool operator==(const Format&) const = default;
    };

    void beforeCommand() const {
        if (beforeCommand_) beforeCommand_();
    }
    PaneEvents* inputHandler() const override { return handler_; }
    bool acceptsInput() const override { return visible_; }
    void beforeInput(bool typing) override;
    void afterInput() override;
    void beforePaint() override { pushSelection(); }

    QTextCharFormat formatAt(int pos) const;
    QTextCharFormat insertionFormat() const;
    QFont selectionFont() const;
    void mergeSelectionFormat(const QTextCharFormat& change);
    Format plainOf(Format format) const;
    quint16 formatIndex(const Format& format) const;

    void setSelection(int anchor, int caret);
    void placeSelection(int anchor, int caret);
    void reportSelection();
    void pushSelection() const;
    void pullSelection();
    void finishEdit();
    void runWidgetEdit(void (QTextEdit::*edit)());
    QByteArray rtfOf(int from, int to) const;
    void replaceWithRtf(int from, int to, const QByteArray& rtf);
    // Replaces [from, to) by the piece; the caret ends after it. Raises Change.
    void replaceWithFragment(int from, int to, const QTextDocumentFragment& piece);
    void onContentsChange(int position, int removed, int added);

    QPointer<QTextEdit> edit_;
    QPointer<PaneInput> input_;
    QTextCursor cursor_;
    RichTextCodec* codec_ = nullptr;
    std::function<void()> beforeCommand_;
    std::optional<QTextCharFormat> insertionOverride_;
    int reportedAnchor_ = 0;
    int reportedCaret_ = 0;
    mutable bool selectionPending_ = false;
    mutable bool scrollPending_ = false;
    bool formatting_ = false;  // our own attribute change: not a Change of the text
    bool paragraphsChange_ = false;  // the edit may change the format of whole paragraphs
    bool textChanged_ = false;
    int busy_ = 0;
    ChangeTracker tracker_;
    MarkedCopy marked_;
    mutable std::vector<Format> formats_;
    FileKind fileKind_ = FileRichText;
    LineBreak lineBreak_ = LineBreak::CrLf;
    QStringList unkept_;
};
