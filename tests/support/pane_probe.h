#pragma once
// Looking at a pane the way a person does, a colour per character, and typing into it with
// real key events.
#include <QAbstractScrollArea>
#include <QPoint>
#include <QString>
#include <QTest>
#include <initializer_list>
#include <string>

#include "core/editor_pane.h"
#include "platform/colour.h"

struct ColourLetter {
    Rgb colour;
    char letter;
};

// The colour of the character at pos; the selection is left as it was.
inline Rgb colourAt(EditorPane& pane, int pos) {
    const int start = pane.SelStart();
    const int length = pane.SelLength();
    pane.SetSelStart(pos);
    pane.SetSelLength(1);
    const Rgb colour = pane.SelColor();
    pane.SetSelStart(start);
    pane.SetSelLength(length);
    return colour;
}

// The point of the pane's viewport where a click puts the caret before pos (the caret moves
// there).
inline QPoint pointBefore(EditorPane& pane, int pos) {
    pane.SetSelStart(pos);
    auto* area = qobject_cast<QAbstractScrollArea*>(pane.widget());
    return area->viewport()->mapFrom(area, pane.caretRect().center());
}

// One letter per position in [from, to), the whole text when to is -1, by the legend; '?' for a
// colour the legend does not name. The selection is left as it was.
inline std::string colourLetters(EditorPane& pane, std::initializer_list<ColourLetter> legend,
                                 int from = 0, int to = -1) {
    std::string letters;
    for (int i = from; i < (to < 0 ? pane.TextLength() : to); ++i) {
        const Rgb colour = colourAt(pane, i);
        char letter = '?';
        for (const ColourLetter& entry : legend)
            if (entry.colour == colour && letter == '?') letter = entry.letter;
        letters += letter;
    }
    return letters;
}

// Types the text into the widget, which gets the focus first; a line feed is the Enter key,
// a backspace character the Backspace key.
inline void typeKeys(QWidget* widget, const QString& text) {
    widget->setFocus();
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) QTest::keyClick(widget, Qt::Key_Return);
        else if (c == QLatin1Char('\b')) QTest::keyClick(widget, Qt::Key_Backspace);
        else QTest::keyClicks(widget, QString(c));
    }
}
