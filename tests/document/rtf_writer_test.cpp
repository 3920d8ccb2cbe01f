// The RTF writer: random documents in every kind of formatting it knows read back with the same
// text and formatting, run by run, and what it writes stays in short lines of code page 1252.
#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>

#include "document/rtf/rtf_reader.h"
#include "document/rtf/rtf_writer.h"
#include "hardening/random_text.h"
#include "support/rtf_describe.h"

namespace {
using Format = QTextCharFormat;

// Text that needs escaping: braces, backslashes, tabs, line breaks, no-break spaces, letters of
// the code page and C1 controls (\x80 is a letter there), letters outside it and outside the BMP;
// and a long word, so that long paragraphs are broken into short lines.
const QString pieces[] = {"word",  " ",       "\t",           "{",      "}",      "\\back\\",
                          "caf\u00e9", "\u20ac\u0080", "5\u00a0kg", "\u0097", "\u041f\u0440\u0438",
                          "\u65e5\u672c", "\U0001F600", QString(QChar(QChar::LineSeparator)),
                          QString("w\u00e9rd\u4e2d ").repeated(40)};
const QColor colours[] = {QColor(255, 0, 0), QColor(0, 128, 0), QColor(1, 2, 3)};

QTextBlockFormat randomParagraph(RandomText& random) {
    QTextBlockFormat f;
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                        Qt::AlignJustify};
    f.setAlignment(alignments[random.below(4)]);
    if (random.chance(30)) f.setLeftMargin(24 * random.below(3));
    if (random.chance(30)) f.setRightMargin(24 * random.below(3));
    if (random.chance(30)) f.setTextIndent(24 * random.below(3) - 24);
    if (random.chance(30)) f.setTopMargin(8 * random.below(3));
    if (random.chance(30)) f.setBottomMargin(8 * random.below(3));
    if (random.chance(15)) f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return f;
}

Format randomRun(RandomText& random) {
    Format f;
    if (random.chance(30)) f.setFontWeight(QFont::Bold);
    if (random.chance(30)) f.setFontItalic(true);
    if (random.chance(20)) f.setFontUnderline(true);
    if (random.chance(20)) f.setFontStrikeOut(true);
    if (random.chance(15))
        f.setFontCapitalization(random.chance(50) ? QFont::SmallCaps : QFont::AllUppercase);
    if (random.chance(15))
        f.setVerticalAlignment(random.chance(50) ? Format::AlignSuperScript : Format::AlignSubScript);
    if (random.chance(20)) f.setFontFamilies({random.chance(50) ? "Courier New" : "Georgia"});
    if (random.chance(20)) f.setFontPointSize(random.chance(50) ? 9.5 : 18);
    if (random.chance(20)) f.setForeground(colours[random.below(3)]);
    if (random.chance(20)) f.setBackground(colours[random.below(3)]);
    if (random.chance(20)) {
        f.setAnchor(true);
        f.setAnchorHref(random.chance(50) ? "http://x.org/{a}" : "#top");
    } else if (random.chance(10)) {
        f.setProperty(QTextFormat::UserProperty + 1, QString("PAGE"));
    }
    return f;
}
}  // namespace

// Empty paragraphs, empty documents and paragraphs of one piece come up among the random ones.
TEST(RtfWriter, RandomDocumentsReadBackRunByRun) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        RandomText random(seed);
        QTextDocument document;
        document.setDefaultFont(QFont("Arial", 12));
        QTextCursor c(&document);
        c.setBlockFormat(randomParagraph(random));
        for (int paragraph = random.below(5); paragraph >= 0; --paragraph) {
            for (int run = random.below(5); run > 0; --run) {
                QString text;
                for (int k = 1 + random.below(3); k > 0; --k) text += pieces[random.below(15)];
                c.insertText(text, randomRun(random));
            }
            if (paragraph > 0) c.insertBlock(randomParagraph(random), Format());
        }
        const QByteArray rtf = rtf::writeRtf(document);
        QTextDocument back;
        ASSERT_TRUE(rtf::readRtf(rtf, back)) << seed;
        ASSERT_EQ(describeDocument(back).toStdString(), describeDocument(document).toStdString())
            << "seed " << seed << "\n" << QString::fromLatin1(rtf).toStdString();
        EXPECT_TRUE(rtf.endsWith("}\r\n")) << seed;
        for (const QByteArray& line : rtf.split('\n')) ASSERT_LT(line.size(), 255) << seed;
    }
}

// Code page 1252 where it can, \u where it cannot.
TEST(RtfWriter, WritesTheCodePage) {
    QTextDocument document;
    document.setPlainText(QString::fromUtf8("caf\u00e9 \u20ac\u0080 \u041f"));
    const QByteArray rtf = rtf::writeRtf(document);
    EXPECT_TRUE(rtf.contains("caf\\'e9 \\'80\\u128? \\u1055?"))
        << QString::fromLatin1(rtf).toStdString();
}
