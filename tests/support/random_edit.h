#pragma once
// One random edit of a window the way its user makes them: keys typed, a stretch replaced (as a
// command does), a paste, a deletion by key, undo or redo; and how two colourings differ.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <algorithm>
#include <sstream>
#include <string>

#include "core/editor_window.h"
#include "hardening/random_text.h"
#include "support/pane_probe.h"

inline void randomEdit(EditorWindow& window, RandomText& random, const QByteArray& piece) {
    EditorPane& pane = window.pane();
    pane.SetSelStart(random.below(pane.TextLength() + 1));
    switch (random.below(6)) {
    case 0: {
        QString keys = QString::fromUtf8(piece);
        // Keys for printable ASCII and Enter; other characters come by the other edits.
        keys.removeIf([](QChar c) { return (c < QLatin1Char(' ') && c != QLatin1Char('\n')) || c.unicode() > 126; });
        typeKeys(pane.widget(), keys);
        break;
    }
    case 1:
        pane.SetSelLength(random.below(12));
        pane.SetSelText(QString::fromUtf8(piece));
        break;
    case 2:
        QApplication::clipboard()->setText(QString::fromUtf8(piece));
        window.pasteFromClipboard();
        break;
    case 3:
        pane.SetSelLength(1 + random.below(12));
        QTest::keyClick(pane.widget(), random.chance(50) ? Qt::Key_Backspace : Qt::Key_Delete);
        break;
    case 4: window.undo_code(); break;
    default: window.redo_code(); break;
    }
}

// Empty when the colour letters agree; else where they first differ, with the text around it.
inline std::string colourDifference(const std::string& got, const std::string& want,
                                    const QByteArray& text) {
    if (got == want) return {};
    const auto at = std::mismatch(got.begin(), got.end(), want.begin(), want.end()).first - got.begin();
    std::ostringstream out;
    out << "first difference at " << at << " in \"" << text.mid(std::max<qsizetype>(0, at - 20), 40).toStdString()
        << "\"\n got  " << got << "\n want " << want;
    return out.str();
}
