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

// One snapshot of a pane (or of a stretch of it): its text, the attributes of every position
// and the selection. What "attributes" holds is the pane's own business, attributeBytes() per
// position; it only round-trips through Restore.
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

// The operations every pane has, listed once: EditorPane declares them and each pane states
// that it implements them all with EDITOR_PANE_OPERATIONS(PANE_OVERRIDE). An entry is the
// result type, the name and the parameter list with its qualifiers.
#define EDITOR_PANE_OPERATIONS(X)                                                                  \
    X(QWidget*, widget, ())                                                                        \
    /* Selection. SetSelStart collapses the selection to a caret; SetSelLength follows it.         \
       SetSelText replaces the selection (or inserts at the caret): the new text takes the         \
       current insertion attributes, the caret ends after it, Change and SelChange are raised. */  \
    X(int, SelStart, () const)                                                                     \
    X(void, SetSelStart, (int pos))                                                                \
    X(int, SelLength, () const)                                                                    \
    X(void, SetSelLength, (int length))                                                            \
    X(QString, SelText, () const)                                                                  \
    X(void, SetSelText, (const QString& text))                                                     \
    /* Attributes of the selection, or of text about to be inserted at the caret. Paragraph        \
       alignment: 0 left, 1 right, 2 centre. */                                                    \
    X(Rgb, SelColor, () const)                                                                     \
    X(void, SetSelColor, (Rgb colour))                                                             \
    X(bool, SelBold, () const)                                                                     \
    X(void, SetSelBold, (bool on))                                                                 \
    X(bool, SelItalic, () const)                                                                   \
    X(void, SetSelItalic, (bool on))                                                               \
    X(bool, SelUnderline, () const)                                                                \
    X(void, SetSelUnderline, (bool on))                                                            \
    X(bool, SelStrikeThru, () const)                                                               \
    X(void, SetSelStrikeThru, (bool on))                                                           \
    X(QString, SelFontName, () const)                                                              \
    X(void, SetSelFontName, (const QString& name))                                                 \
    X(int, SelFontSize, () const)                                                                  \
    X(void, SetSelFontSize, (int points))                                                          \
    X(int, SelAlignment, () const)                                                                 \
    X(void, SetSelAlignment, (int alignment))                                                      \
    /* Whole content. TextString is the text as characters, for display and the clipboard;         \
       TextLength the length of Text() without copying it; CharAt one position of Text(), 0        \
       outside the text. */                                                                        \
    X(QByteArray, Text, () const)                                                                  \
    X(void, SetText, (const QByteArray& text))                                                     \
    X(QString, TextString, () const)                                                               \
    X(int, TextLength, () const)                                                                   \
    X(char, CharAt, (int pos) const)                                                               \
    /* Look. SetBaseFont is the pane's Font. SetVisible(false) suspends painting and scrolling     \
       to the selection, so that a long run of selection and colour changes is cheap; it does      \
       not remove the pane from the layout. */                                                     \
    X(void, SetBackColor, (Rgb colour))                                                            \
    X(void, SetBaseFont, (const QString& name, int points))                                        \
    X(void, SetVisible, (bool visible))                                                            \
    X(void, SetFocus, ())                                                                          \
    X(void, SetLineNumbersVisible, (bool visible))                                                 \
    X(void, SetCurrentLineMarker, (bool on))                                                       \
    /* Searching and caret movement. Find searches forward from start (up to end when end >=       \
       0): on success the match is selected and its offset returned, on failure -1 is returned     \
       and the selection left alone. UpTo moves the caret forward (or backward) to just before     \
       the first character in the set (with negate: not in it); backward it stops just after       \
       it; it stops at the end or start of the text. columnOf is the column of pos on its line     \
       as the user counts it: 1 for the first, in characters. */                                   \
    X(int, Find, (const QString& text, int start, int end = -1, int options = 0))                  \
    X(void, UpTo, (const QByteArray& characterSet, bool forward, bool negate = false))             \
    X(int, GetLineFromChar, (int pos) const)                                                       \
    X(int, columnOf, (int pos) const)                                                              \
    /* The edit-control messages EM_LINESCROLL, EM_GETLINECOUNT, EM_LINEINDEX (-1 past the         \
       last line), EM_GETFIRSTVISIBLELINE, and GetCaretPos in the pane widget's coordinates. */    \
    X(void, lineScroll, (int lines))                                                               \
    X(int, lineCount, () const)                                                                    \
    X(int, lineIndex, (int line) const)                                                            \
    X(int, firstVisibleLine, () const)                                                             \
    X(QRect, caretRect, () const)                                                                  \
    /* Files. LoadFile replaces the content, read in the file's encoding (see decodeText);         \
       SaveFile writes it back the same way, byte for byte but for what was edited. Both           \
       return false with a reason on failure; a failed save leaves the old file as it was.         \
       firstUnencodable is the first character the encoding cannot hold, or empty. */              \
    X(bool, LoadFile, (const QString& path, FileKind kind, QString* error = nullptr))              \
    X(bool, SaveFile, (const QString& path, FileKind kind, QString* error = nullptr))              \
    X(QString, firstUnencodable, () const)                                                         \
    X(void, SelPrint, (QPrinter& printer))                                                         \
    /* Snapshots for the undo ring. A stretch [from, to) can be read and replaced by itself,       \
       so that a snapshot after a small edit costs no more than the edit. RestoreRange puts        \
       the piece's text and attributes in place of [from, to), then takes its selection.           \
       attributeBytes is the size of one position's attributes. Every edit and attribute           \
       change since markUnchanged() widens the changed stretch; markedStretch is what that         \
       stretch held when the pane was last marked (positions [head, length then - tail)),          \
       empty when nothing changed. */                                                              \
    X(PaneSnapshot, SnapshotRange, (int from, int to) const)                                       \
    X(void, RestoreRange, (int from, int to, const PaneSnapshot& piece))                           \
    X(int, attributeBytes, () const)                                                               \
    X(PaneChanges, changesSinceMark, () const)                                                     \
    X(PaneSnapshot, markedStretch, () const)                                                       \
    X(void, markUnchanged, ())                                                                     \
    /* The clipboard, for the Edit menu. */                                                        \
    X(void, Copy, ())                                                                              \
    X(void, Cut, ())                                                                               \
    X(void, Paste, ())                                                                             \
    X(void, SelectAll, ())

#define PANE_PURE(type, name, parameters) virtual type name parameters = 0;
#define PANE_OVERRIDE(type, name, parameters) type name parameters override;

class EditorPane {
public:
    virtual ~EditorPane() = default;
    EDITOR_PANE_OPERATIONS(PANE_PURE)

    // State both panes keep alike.
    void setEventHandler(PaneEvents* handler) { handler_ = handler; }
    Rgb BackColor() const { return backColor_; }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool hide) { hideSelection_ = hide; }
    bool Visible() const { return visible_; }
    // The encoding plain text is written in: the one the file was read in, until the user
    // chooses another. A save of text the encoding cannot hold fails rather than convert.
    TextEncoding encoding() const { return encoding_; }
    void setEncoding(TextEncoding encoding) { encoding_ = encoding; }

    // Operations with a way that serves unless a pane knows a better one.
    //
    // Selects each run in turn and sets its colour; the last run stays selected. A pane that
    // can do it with one look at the attributes of the whole stretch does so.
    virtual void colourRuns(const std::vector<ColourRun>& runs) {
        for (const ColourRun& run : runs) {
            SetSelStart(run.from);
            SetSelLength(run.to - run.from);
            SetSelColor(run.colour);
        }
    }
    // The bytes of [from, to) for a scan that changes no text: the pane may hand out its own
    // bytes without a copy, valid only until the text next changes.
    virtual QByteArray scanText(int from, int to) const { return Text().mid(from, to - from); }
    // The bytes of [from, to) without moving the selection.
    virtual QByteArray TextRange(int from, int to) const { return SnapshotRange(from, to).text; }
    // The kind of file the text is kept as, which Save writes: always plain text in a code pane.
    virtual FileKind fileKind() const { return FilePlainText; }
    // The stretch whose text changed since the last call (attribute changes do not count), for
    // the colouring to bring up to date; a pane that does not keep it answers "everything".
    virtual PaneChanges takeEditedStretch() { return {}; }

    PaneSnapshot Snapshot() const { return SnapshotRange(0, TextLength()); }
    void Restore(const PaneSnapshot& snapshot) { RestoreRange(0, TextLength(), snapshot); }

protected:
    PaneEvents* handler_ = nullptr;
    Rgb backColor_ = 0xFFFFFF;
    bool hideSelection_ = false;
    bool visible_ = true;
    TextEncoding encoding_ = TextEncoding::Utf8;
};
