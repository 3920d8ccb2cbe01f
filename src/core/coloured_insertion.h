#pragma once
// Writing HTML into a window already coloured as the colouring engine would colour it: each
// piece is written with the insertion colour set just before it.
#include <QString>

#include "platform/colour.h"

class EditorWindow;
class EditorPane;
struct AppState;

// Raises insertBusy and keyInsertBusy for its lifetime, so that the pane's Change and SelChange
// handlers ignore the intermediate edits of one insertion.
class InsertBusyGuard {
public:
    explicit InsertBusyGuard(AppState& app);
    ~InsertBusyGuard();
    InsertBusyGuard(const InsertBusyGuard&) = delete;
    InsertBusyGuard& operator=(const InsertBusyGuard&) = delete;

private:
    AppState& app_;
};

enum class CharStyle { None, Bold, Italic, Underline, StrikeThru };

// SelColor := colour, then SelText := text (with the style switched on for it when given).
void writeColoured(EditorPane& pane, const QString& text, Rgb colour,
                   CharStyle style = CharStyle::None);

// Colours every pair of double quotes inside start .. end, and the text between them, in
// htmlParamColor; a quote without partner ends it. The caret is left at end.
void ColourQuotedValues(int& start, EditorWindow& window, int& end);

// The wrap discipline of a tag command: opening part in the tag colour, the selection (or the
// placeholder when nothing is selected) in the text colour with the style, closing part in the
// tag colour, then the content found and selected again. Ends with finishInsertion.
struct WrapTemplate {
    QString opening;
    QString placeholder;  // empty: the selection is wrapped as it is
    QString closing;
    CharStyle style = CharStyle::None;
};
void insertWrapped(EditorWindow& window, const WrapTemplate& wrap);

// The end of every insertion: refresh the preview when split view is on, then take an undo
// snapshot.
void finishInsertion(EditorWindow& window);
