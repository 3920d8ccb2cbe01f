#pragma once
// The one routine behind every insertion command of the HTML Tags menu.
#include <QByteArray>
#include <QString>

#include "platform/colour.h"

class EditorWindow;
class EditorPane;
struct TagTemplate;

// Writes the row's construct over the selection of the window's pane, coloured, and leaves the
// caret where the row says.
void insertTag(EditorWindow& window, const TagTemplate& row);

// "R,G,B" in decimal, as colours are written into pages.
QString rgbTriple(Rgb colour);

// Caret movements shared with the dialog commands: put the caret at from, move it up to the
// next (or previous) character of the set, then step further by step characters.
void moveCaretPast(EditorPane& pane, int from, const QByteArray& set, bool forward, int step);
