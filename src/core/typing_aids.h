#pragma once
// Small helps while typing code: closers the program wrote ahead of the caret, and the
// indentation a new line takes over.
#include <QByteArray>
#include <QString>
#include <vector>

class EditorPane;

// Closers the program writes ahead of the caret (the "( )" and "{ }" blocks of the script
// windows, the empty quotes a tag command leaves the caret in) are remembered while the caret
// stays inside them, so that typing the closer steps over the one already there instead of
// adding a second, and Backspace straight after the opening takes the whole pair back.
class TypingPairs {
public:
    // The pane now holds a pair from `open` on: the opening up to `inner` (where the caret
    // stands), then blanks, then the closing character at `closer`.
    void written(const EditorPane& pane, int open, int inner, int closer);
    // A command left the caret between two double quotes it wrote: the second is a closer.
    void noteEmptyQuotes(const EditorPane& pane);
    // A typed key: the closer of the innermost pair steps over it when only blanks stand
    // between; Backspace right where the pair left the caret removes the pair. True when the
    // key did either; it then needs nothing more.
    bool keyPress(EditorPane& pane, int keyAscii);
    // Pairs the caret has left are forgotten.
    void caretMoved(const EditorPane& pane);
    void clear() { pairs_.clear(); }

private:
    struct Pair {
        int open;
        int inner;
        int tail;  // positions from the closer to the end of the text: typing inside keeps it
        char opener;
        char closer;
        QByteArray filler;  // what stood between the opening and the closer when written
    };
    static int closerOf(const EditorPane& pane, const Pair& pair);
    static bool holds(const EditorPane& pane, const Pair& pair, int caret);

    std::vector<Pair> pairs_;  // outermost first
};

// Whether a typed opening may bring its closer: not before a letter or digit, where the user
// is about to wrap what is already there.
bool pairMayOpenBefore(char next);

// Whether the end of `line` stands inside a string or a comment that began on the line.
// `commentMarker` starts a comment to the end of the line; with "//" the C family's rules hold
// too (single quotes, backslash escapes, block comments).
bool insideStringOrComment(const QByteArray& line, const char* commentMarker);

// What Enter writes at the caret: a line break, then, with keepIndent, the blanks and tabs
// that open the caret's line (as far as the caret).
QString lineBreakFor(const EditorPane& pane, bool keepIndent);

// The caret's line from its start to the caret.
QByteArray lineBeforeCaret(const EditorPane& pane);
