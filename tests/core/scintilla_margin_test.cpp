// The line-number margin of the code pane has room for the number of the last line.
#include <gtest/gtest.h>

#include <Qsci/qsciscintilla.h>

#include "core/scintilla_pane.h"

namespace {
using Sci = QsciScintillaBase;

long marginWidth(const ScintillaPane& pane) {
    return pane.scintilla()->SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0L);
}

long widthOf(const ScintillaPane& pane, const char* text) {
    return pane.scintilla()->SendScintilla(Sci::SCI_TEXTWIDTH, uintptr_t(Sci::STYLE_LINENUMBER),
                                           text);
}

TEST(ScintillaPaneMargin, WidensForSixAndSevenDigitLineNumbers) {
    ScintillaPane pane;
    pane.SetLineNumbersVisible(true);
    pane.SetText("<p>\r\n</p>");
    const long fiveDigits = marginWidth(pane);
    EXPECT_GE(fiveDigits, widthOf(pane, "99999"));

    pane.SetText(QByteArray("<br>\r\n").repeated(150000));  // line 150001
    EXPECT_GE(marginWidth(pane), widthOf(pane, "_999999"));
    pane.SetSelStart(pane.TextLength());
    pane.SetSelText(QString("\r\n").repeated(900000));  // typed or pasted: line 1050001
    EXPECT_GE(marginWidth(pane), widthOf(pane, "_9999999"));

    pane.SetText("<p>");
    EXPECT_EQ(marginWidth(pane), fiveDigits);
    pane.SetLineNumbersVisible(false);
    EXPECT_EQ(marginWidth(pane), 0);
}
}  // namespace
