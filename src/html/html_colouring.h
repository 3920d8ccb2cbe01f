#pragma once
// The HTML colouring of a window's pane: known tags, comments ("<!" constructs), quoted values
// inside tags and plain text each in their colour. Colouring never changes the text.
//
// The colours of a byte depend only on the stretch it lies in, from one "<" up to the next:
// the text before a "<" is plain text, and a tag or comment runs from its "<" to its ">" (or to
// the next "<" when it is not closed). So after an edit only the stretches it touched need
// colouring again, and they then look exactly as after opening the same text.
#include <QByteArray>
#include <QHash>
#include <utility>

class HtmlWindow;
class RunList;

class HtmlColouring {
public:
    explicit HtmlColouring(HtmlWindow& window);

    // Colours start .. start + length (and whatever was edited since the last colouring),
    // gives the range the editor font and takes an undo snapshot; start ends at the range's end.
    void refreshCode(int& start, int& length);
    // Colours what was edited since the last colouring; the selection stays as it was.
    void colourEdits();
    // After a colour change: the whole text in the new colours.
    void recolourAll();
    // Shows the tooltip of the known tag the caret stands in, right after its name was typed.
    void tagAtCaret();

private:
    void colourStretch(int from, int to);
    void colourText(const QByteArray& text, int offset);
    int colourTag(const QByteArray& text, int p, int next, int offset, RunList& runs);
    bool isTagName(const char* name, int length);

    HtmlWindow& window_;
    // Answers by name (its bytes and length packed into 16 bytes); the tables never change
    // after start-up.
    QHash<std::pair<quint64, quint64>, bool> knownNames_;
};
