#pragma once
// Looking at a pane the way a person does, a colour per character, and typing into it with
// real key events.
#include <QPoint>
#include <QString>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/colour.h"

class EditorPane;
class QWidget;

struct ColourLetter {
    Rgb colour;
    char letter;
};

// The colour of the character at pos, and of every character; the selection is left as it was.
Rgb colourAt(EditorPane& pane, int pos);
std::vector<Rgb> coloursOf(EditorPane& pane);

// The point of the pane's viewport where a click puts the caret before pos (the caret moves
// there).
QPoint pointBefore(EditorPane& pane, int pos);

// One letter per position in [from, to), the whole text when to is -1, by the legend; '?' for a
// colour the legend does not name. The selection is left as it was.
std::string colourLetters(EditorPane& pane, std::initializer_list<ColourLetter> legend,
                          int from = 0, int to = -1);

// Types the text into the widget, which gets the focus first; a line feed is the Enter key,
// a backspace character the Backspace key.
void typeKeys(QWidget* widget, const QString& text);
