#pragma once
// The HTML colouring of a window's pane: known tags, comments ("<!" constructs), quoted values
// and plain text each in their colour. Colouring never changes the text; it selects ranges and
// sets their colour through the pane's selection operations.
#include <QHash>
#include <utility>

class HtmlWindow;

class HtmlColouring {
public:
    explicit HtmlColouring(HtmlWindow& window);

    // Colours start .. start + length, looking every tag name up; moves start forward and
    // overwrites length while it works.
    void refreshCode(int& start, int& length);
    // The recolouring after an edit: the tag or the stretch of text around the caret.
    void recolourAroundCaret();
    // After a colour change: every "<" .. ">" as tag or comment, the rest as text, quoted values
    // last; tag names are not looked up.
    void recolourWithoutLookup();

private:
    class ColourStretch;
    bool isTagName(const char* name, int length);
    void colour(int from, int length, int rgb);
    // Colours from .. e, or from .. e - 1 when e is the "<" of the next tag; returns the last
    // position coloured.
    int colourToTagEnd(int from, int e, int rgb);
    void colourLocalTag(int p, int a);
    void colourLocalText(int a);

    HtmlWindow& window_;
    // Answers by name (its bytes and length packed into 16 bytes); the tables never change
    // after start-up.
    QHash<std::pair<quint64, quint64>, bool> knownNames_;
};
