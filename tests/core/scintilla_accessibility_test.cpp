// The code pane keeps QScintilla's character counting for assistive technology out of every
// keystroke while no accessibility client listens, and gives it back when one turns up.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include <Qsci/qsciscintilla.h>

#include "core/scintilla_accessibility.h"
#include "core/scintilla_pane.h"
#include "pane_test_support.h"

namespace {
using Sci = QsciScintillaBase;

bool hasTextInterface(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible && accessible->textInterface();
}

long modEventMask(const ScintillaPane& pane) {
    return pane.scintilla()->SendScintilla(Sci::SCI_GETMODEVENTMASK);
}

TEST(ScintillaPaneAccessibility, CountsCharactersOnlyWhileAClientListens) {
    QWidget window;
    ScintillaPane pane(&window);
    RecordingEvents events;
    pane.setEventHandler(&events);
    window.show();
    pane.SetText("<p>one</p>");
    pane.SetSelStart(6);

    EXPECT_FALSE(hasTextInterface(pane.widget()));
    EXPECT_EQ(modEventMask(pane) & (Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT), 0);
    // A bare editor keeps QScintilla's own text interface.
    QsciScintilla bare(&window);
    EXPECT_TRUE(hasTextInterface(&bare));

    QAccessible::setActive(true);
    EXPECT_TRUE(hasTextInterface(pane.widget()));
    EXPECT_EQ(modEventMask(pane), long(Sci::SC_MODEVENTMASKALL));
    QTest::keyClick(pane.widget(), Qt::Key_X);
    EXPECT_EQ(pane.Text(), QByteArray("<p>onex</p>"));
    EXPECT_EQ(events.changes, 2);  // SetText, then the key: each counted once

    QAccessible::setActive(false);
    EXPECT_FALSE(hasTextInterface(pane.widget()));
    QTest::keyClick(pane.widget(), Qt::Key_Backspace);
    EXPECT_EQ(pane.Text(), QByteArray("<p>one</p>"));
    EXPECT_EQ(events.changes, 3);
}
}  // namespace
