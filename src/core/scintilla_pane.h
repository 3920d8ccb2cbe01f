#pragma once
// The code pane: EditorPane over a QsciScintilla. The text is UTF-8 and positions are byte
// offsets; there is no lexer, the pane keeps the attributes of every byte itself in Scintilla
// styles. Scintilla's own undo is off: the window's undo ring is the only undo.
//
// The selection lives in the pane and reaches Scintilla only when it is drawn or the user acts
// on it, so a long run of selection changes by a colouring pass costs nothing on screen.
#include <QObject>
#include <QPointer>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "core/change_tracker.h"
#include "core/editor_pane.h"
#include "core/pane_input.h"

class QsciScintilla;
class ScintillaStyles;
struct StyleKey;
struct StyleChange;

class ScintillaPane : public QObject, public EditorPane, private PaneInputHost {
    Q_OBJECT
public:
    explicit ScintillaPane(QWidget* parent = nullptr);
    ~ScintillaPane() override;

    QsciScintilla* scintilla() const;

    EDITOR_PANE_OPERATIONS(PANE_OVERRIDE)
    void colourRuns(const std::vector<ColourRun>& runs) override;
    QByteArray scanText(int from, int to) const override;
    QByteArray TextRange(int from, int to) const override;
    PaneChanges takeEditedStretch() override;

private:
    struct PendingStyle {
        int pos;
        int length;
        int style;
    };

    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    const char* bytesAt(int pos, int length) const;
    int styleAt(int pos) const;
    int insertionStyle() const;
    const StyleKey& selectionKey() const;
    void changeSelectionStyle(const StyleChange& change);
    template <typename Use>
    void forEachStyleChunk(int from, int to, Use&& use) const;
    QByteArray readStyles(int from, int to) const;
    void restyle(int from, int to, int style);
    void writeStyles(int from, const QByteArray& before, const QByteArray& after);
    void stripeLongLines(int from, int to);
    bool widenToNewLongLines(int& from, int& to);
    void markStrike(int from, int to, bool on);

    void placeSelection(int anchor, int caret);
    void setSelection(int anchor, int caret);
    void replaceRange(int from, int to, const QByteArray& bytes, int style);
    void runScintillaEdit(void (QsciScintilla::*edit)());

    int newTextStyle() const;
    void textReplaced();
    bool loadUtf8(const QString& path);
    void onModified(int position, int type, const char* text, int length);
    void applyPendingStyles();
    void finishEdit();
    void reportSelection();
    void pushSelection() const;
    void pullSelection();

    PaneEvents* inputHandler() const override;
    bool acceptsInput() const override;
    void beforeInput(bool typing) override;
    void afterInput() override;
    void beforePaint() override;
    void updateMarginWidth();
    int lineNumberDigits() const;

    QPointer<QsciScintilla> sci_;
    QPointer<PaneInput> input_;
    std::unique_ptr<ScintillaStyles> styles_;

    int length_ = 0;  // kept up to date by every insertion and deletion
    int anchor_ = 0;
    int caret_ = 0;
    int reportedAnchor_ = 0;
    int reportedCaret_ = 0;
    mutable bool selectionPending_ = false;  // not yet given to Scintilla
    mutable bool scrollPending_ = false;
    std::optional<int> insertionOverride_;  // attributes set on an empty selection

    std::vector<PendingStyle> pendingStyles_;
    int forcedStyle_ = -1;   // the style of what our own edit inserts
    int busy_ = 0;           // inside our own edit or a forwarded event
    bool textChanged_ = false;
    bool flushQueued_ = false;
    // Told before each change, it keeps what the changed stretch held (for the undo ring).
    ChangeTracker tracker_{[this](int from, int to) { return SnapshotRange(from, to); }};
    ChangeTracker edits_;  // the text edits the colouring has not seen yet
    ChangeTracker unstriped_;  // the text edits whose long lines are not yet striped

    int alignment_ = 0;  // a code pane has no paragraph alignment; it keeps the value
    bool lineNumbers_ = false;
    int marginDigits_ = 0;  // the line numbers the margin has room for, in digits
    LineBreak lineBreak_ = LineBreak::CrLf;  // LF: what Enter, pastes and SetSelText write
    bool strikeUsed_ = false;  // the strike-through indicator has been drawn somewhere
    mutable std::vector<char> scratch_;
};
