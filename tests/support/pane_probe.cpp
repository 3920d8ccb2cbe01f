#include "support/pane_probe.h"

#include <QTest>
#include <QWidget>

#include "core/editor_pane.h"

std::string colourLetters(EditorPane& pane, std::initializer_list<ColourLetter> legend, int from,
                          int to) {
    const int start = pane.SelStart();
    const int length = pane.SelLength();
    if (to < 0) to = pane.TextLength();
    std::string letters;
    for (int i = from; i < to; ++i) {
        pane.SetSelStart(i);
        pane.SetSelLength(1);
        const Rgb colour = pane.SelColor();
        char letter = '?';
        for (const ColourLetter& entry : legend)
            if (entry.colour == colour) {
                letter = entry.letter;
                break;
            }
        letters += letter;
    }
    pane.SetSelStart(start);
    pane.SetSelLength(length);
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
