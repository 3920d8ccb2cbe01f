#pragma once
// The rich-edit style pane every editor window is built from. All program logic drives a pane
// through these selection operations only: move the selection, read or replace the selected
// text, set attributes of the selection. ScintillaPane serves the code panes, RichTextPane the
// rich-text document pane.
//
// Positions are 0-based offsets into Text(). For a ScintillaPane they are byte offsets into the
// UTF-8 text (CR LF counts two); for a RichTextPane one character is one position and Text()
// holds one byte per character, so offsets computed on Text() always agree with the pane's own.
#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>
#include <Qt>
#include <vector>

#include "platform/colour.h"
#include "core/text_encoding.h"

class QWidget;
class QPrinter;

// Receives the pane's events, synchronously, on the UI thread. Change and SelChange are raised
// inside each SetSelText/SetText, so busy flags raised around an edit are seen by the handler.
class PaneEvents {
public:
    virtual ~PaneEvents() = default;
    virtual void Change() {}
    virtual void SelChange() {}
    // keyCode is a Qt::Key value; setting it to 0 cancels the key.
    virtual void KeyDown(int& keyCode, Qt::KeyboardModifiers shift) { Q_UNUSED(keyCode) Q_UNUSED(shift) }
    virtual void KeyUp(int& keyCode, Qt::KeyboardModifiers shift) { Q_UNUSED(keyCode) Q_UNUSED(shift) }
    // keyAscii is the character typed (8 Backspace, 13 Enter, 32 Space, ...). Setting it to 0
    // swallows the key; setting another code types that character instead.
    virtual void KeyPress(int& keyAscii) { Q_UNUSED(keyAscii) }
    virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
        Q_UNUSED(button) Q_UNUSED(shift) Q_UNUSED(x) Q_UNUSED(y)
    }
    virtual void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y) {
        Q_UNUSED(buttons) Q_UNUSED(shift) Q_UNUSED(x) Q_UNUSED(y)
    }
};

// Option bits of Find.
enum FindOptions : int {
    FindWholeWord = 2,
    FindMatchCase = 4,
    FindNoHighlight = 8,
};

// Kind argument of LoadFile / SaveFile.
enum FileKind : int {
    FileRichText = 0,
    FilePlainText = 1,
};

// One snapshot of a pane (or of a stretch of it): its text, the attributes of every position
// and the selection. What "attributes" holds is the pane's own business, attributeBytes() per
// position; it only round-trips through Restore.
// One stretch [from, to) and the colour it is given.
struct ColourRun {
    int from;
    int to;
    Rgb colour;
};

// Colour runs in text order; a run that continues the previous one in the same colour widens it.
class RunList {
public:
    void add(int from, int to, Rgb colour) {
        if (to <= from) return;
        if (!runs_.empty() && runs_.back().to == from && runs_.back().colour == colour) {
            runs_.back().to = to;
            return;
        }
        runs_.push_back({from, to, colour});
    }
    std::vector<ColourRun>& runs() { return runs_; }
    void shift(int offset) {
        for (ColourRun& run : runs_) {
            run.from += offset;
            run.to += offset;
        }
    }
    void clear() { runs_.clear(); }

private:
    std::vector<ColourRun> runs_;
};

struct PaneSnapshot {
    QByteArray text;
    QByteArray attributes;
    int selStart = 0;
    int selLength = 0;
};

// What changed since the pane was last marked unchanged: the first `head` positions and the
// last `tail` positions are as they were then. With `any` false nothing changed at all.
struct PaneChanges {
    bool any = true;
    int head = 0;
    int tail = 0;
};

class EditorPane {
public:
    virtual ~EditorPane() = default;

    virtual QWidget* widget() = 0;
    virtual void setEventHandler(PaneEvents* handler) = 0;

    // Selection.
    virtual int SelStart() const = 0;
    virtual void SetSelStart(int pos) = 0;  // collapses the selection to a caret at pos
    virtual int SelLength() const = 0;
    virtual void SetSelLength(int length) = 0;  // set after SetSelStart
    virtual QString SelText() const = 0;
    // Replaces the selection (or inserts at the caret); the new text takes the current
    // insertion attributes and the caret ends after it. Raises Change and SelChange.
    virtual void SetSelText(const QString& text) = 0;

    // Attributes of the selection, or of text about to be inserted at the caret.
    virtual Rgb SelColor() const = 0;
    virtual void SetSelColor(Rgb colour) = 0;
    // Selects each run in turn and sets its colour; the last run stays selected. A pane that
    // can do it with one look at the attributes of the whole stretch does so.
    virtual void colourRuns(const std::vector<ColourRun>& runs) {
        for (const ColourRun& run : runs) {
            SetSelStart(run.from);
            SetSelLength(run.to - run.from);
            SetSelColor(run.colour);
        }
    }
    virtual bool SelBold() const = 0;
    virtual void SetSelBold(bool on) = 0;
    virtual bool SelItalic() const = 0;
    virtual void SetSelItalic(bool on) = 0;
    virtual bool SelUnderline() const = 0;
    virtual void SetSelUnderline(bool on) = 0;
    virtual bool SelStrikeThru() const = 0;
    virtual void SetSelStrikeThru(bool on) = 0;
    virtual QString SelFontName() const = 0;
    virtual void SetSelFontName(const QString& name) = 0;
    virtual int SelFontSize() const = 0;
    virtual void SetSelFontSize(int points) = 0;
    // Paragraph alignment: 0 left, 1 right, 2 centre.
    virtual int SelAlignment() const = 0;
    virtual void SetSelAlignment(int alignment) = 0;

    // Whole content.
    virtual QByteArray Text() const = 0;
    virtual void SetText(const QByteArray& text) = 0;
    // The text for a scan that changes no text: the pane may hand out its own bytes without
    // a copy, valid only until the text next changes.
    virtual QByteArray scanText() const { return Text(); }
    virtual QString TextString() const = 0;  // the text as characters, for display and clipboard
    virtual int TextLength() const = 0;       // the length of Text() without copying it
    // The bytes of [from, to) without moving the selection.
    virtual QByteArray TextRange(int from, int to) const { return SnapshotRange(from, to).text; }
    virtual char CharAt(int pos) const = 0;   // one position of Text(); 0 outside the text

    // Look.
    virtual Rgb BackColor() const = 0;
    virtual void SetBackColor(Rgb colour) = 0;
    virtual void SetBaseFont(const QString& name, int points) = 0;  // the pane's Font
    virtual bool HideSelection() const = 0;
    virtual void SetHideSelection(bool hide) = 0;
    // Visible False suspends painting and scrolling to the selection, so that a long run of
    // selection and colour changes is cheap; it does not remove the pane from the layout.
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetFocus() = 0;
    virtual void SetLineNumbersVisible(bool visible) = 0;  // the line-number margin
    virtual void SetCurrentLineMarker(bool on) = 0;

    // Searching and caret movement.
    // Searches forward from start (up to end when end >= 0). On success the match is selected
    // and its offset returned; on failure -1 is returned and the selection is left alone.
    virtual int Find(const QString& text, int start, int end = -1, int options = 0) = 0;
    // Moves the caret forward (or backward) to just before the first character that is in
    // the set (with negate: not in the set). Backward, the caret stops just after it. Stops at
    // the end or start of the text.
    virtual void UpTo(const QByteArray& characterSet, bool forward, bool negate = false) = 0;
    virtual int GetLineFromChar(int pos) const = 0;
    // The column of pos on its line as the user counts it: 1 for the first, in characters.
    virtual int columnOf(int pos) const = 0;

    // The four edit-control messages.
    virtual void lineScroll(int lines) = 0;               // EM_LINESCROLL
    virtual int lineCount() const = 0;                     // EM_GETLINECOUNT
    virtual int lineIndex(int line) const = 0;             // EM_LINEINDEX; -1 past the last line
    virtual int firstVisibleLine() const = 0;              // EM_GETFIRSTVISIBLELINE
    // GetCaretPos: the caret rectangle in the pane widget's coordinates.
    virtual QRect caretRect() const = 0;

    // Files. LoadFile replaces the content, read in the file's encoding (see decodeText);
    // SaveFile writes it back the same way, byte for byte but for what was edited. Both return
    // false with a reason on failure; a failed save leaves the old file as it was.
    virtual bool LoadFile(const QString& path, FileKind kind, QString* error = nullptr) = 0;
    virtual bool SaveFile(const QString& path, FileKind kind, QString* error = nullptr) = 0;
    // The encoding plain text is written in: the one the file was read in, until the user
    // chooses another. A save of text the encoding cannot hold fails rather than convert.
    virtual TextEncoding encoding() const = 0;
    virtual void setEncoding(TextEncoding encoding) = 0;
    // The kind of file the text is kept as, which Save writes: always plain text in a code pane.
    virtual FileKind fileKind() const { return FilePlainText; }
    // The first character of the text that the encoding cannot hold; empty when there is none.
    virtual QString firstUnencodable() const = 0;
    virtual void SelPrint(QPrinter& printer) = 0;

    // Snapshots for the undo ring. A stretch [from, to) can be read and replaced by itself, so
    // that a snapshot after a small edit costs no more than the edit.
    virtual PaneSnapshot SnapshotRange(int from, int to) const = 0;
    // Replaces [from, to) by the piece's text and attributes, then takes its selection.
    virtual void RestoreRange(int from, int to, const PaneSnapshot& piece) = 0;
    virtual int attributeBytes() const = 0;  // size of one position's attributes
    PaneSnapshot Snapshot() const { return SnapshotRange(0, TextLength()); }
    void Restore(const PaneSnapshot& snapshot) { RestoreRange(0, TextLength(), snapshot); }
    // Every edit and attribute change since markUnchanged() widens the changed stretch.
    virtual PaneChanges changesSinceMark() const = 0;
    // What the changed stretch held when the pane was last marked: the text and attributes of
    // positions [head, length then - tail). Empty when nothing changed.
    virtual PaneSnapshot markedStretch() const = 0;
    virtual void markUnchanged() = 0;
    // The stretch whose text changed since the last call (attribute changes do not count), for
    // the colouring to bring up to date; a pane that does not keep it answers "everything".
    virtual PaneChanges takeEditedStretch() { return {}; }

    // Clipboard helpers used by the Edit menu.
    virtual void Copy() = 0;
    virtual void Cut() = 0;
    virtual void Paste() = 0;
    virtual void SelectAll() = 0;
};
