#include "support/pane_probe.h"

#include <QAbstractScrollArea>
#include <QTest>
#include <QWidget>

#include "core/editor_pane.h"

Rgb colourAt(EditorPane& pane, int pos) {
    const int start = pane.SelStart();
    const int length = pane.SelLength();
    pane.SetSelStart(pos);
    pane.SetSelLength(1);
    const Rgb colour = pane.SelColor();
    pane.SetSelStart(start);
    pane.SetSelLength(length);
    return colour;
}

std::vector<Rgb> coloursOf(EditorPane& pane) {
    std::vector<Rgb> colours;
    for (int pos = 0; pos < pane.TextLength(); ++pos) colours.push_back(colourAt(pane, pos));
    return colours;
}

QPoint pointBefore(EditorPane& pane, int pos) {
    pane.SetSelStart(pos);
    auto* area = qobject_cast<QAbstractScrollArea*>(pane.widget());
    return area->viewport()->mapFrom(area, pane.caretRect().center());
}

std::string colourLetters(EditorPane& pane, std::initializer_list<ColourLetter> legend, int from,
                          int to) {
    if (to < 0) to = pane.TextLength();
    std::string letters;
    for (int i = from; i < to; ++i) {
        const Rgb colour = colourAt(pane, i);
        char letter = '?';
        for (const ColourLetter& entry : legend)
            if (entry.colour == colour) {
                letter = entry.letter;
                break;
            }
        letters += letter;
    }
    return letters;
}

void typeKeys(QWidget* widget, const QString& text) {
    widget->setFocus();
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) QTest::keyClick(widget, Qt::Key_Return);
        else if (c == QLatin1Char('\b')) QTest::keyClick(widget, Qt::Key_Backspace);
        else QTest::keyClicks(widget, QString(c));
    }
}
