// The RTF writer: what it writes reads back with the same text and formatting, run by run,
// and stays within what other readers accept.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "document/rtf/rtf_reader.h"
#include "document/rtf/rtf_writer.h"
#include "support/rtf_describe.h"

namespace {
using Format = QTextCharFormat;

// A document holding every kind of formatting the writer knows, in Arial 12 pt.
void fillRichDocument(QTextDocument& document) {
    document.setDefaultFont(QFont("Arial", 12));
    QTextCursor c(&document);
    const auto run = [&c](const QString& text, auto set) {
        Format f;
        set(f);
        c.insertText(text, f);
    };
    const auto paragraph = [&c](auto set) {
        QTextBlockFormat f;
        set(f);
        c.insertBlock(f, Format());
    };
    c.insertText("Plain, ");
    run("bold", [](Format& f) { f.setFontWeight(QFont::Bold); });
    c.insertText(" ");
    run("italic underlined", [](Format& f) { f.setFontItalic(true); f.setFontUnderline(true); });
    run("struck", [](Format& f) { f.setFontStrikeOut(true); });
    run("Small Caps", [](Format& f) { f.setFontCapitalization(QFont::SmallCaps); });
    c.insertText("x");
    run("2", [](Format& f) { f.setVerticalAlignment(Format::AlignSuperScript); });
    run("i", [](Format& f) { f.setVerticalAlignment(Format::AlignSubScript); });
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.insertBlock(centred);  // its mark in the subscript's format
    run("red on green", [](Format& f) {
        f.setForeground(QColor(255, 0, 0));
        f.setBackground(QColor(0, 128, 0));
    });
    run(" courier 9.5", [](Format& f) {
        f.setFontFamilies({"Courier New"});
        f.setFontPointSize(9.5);
    });
    paragraph([](QTextBlockFormat& f) {
        f.setAlignment(Qt::AlignRight);
        f.setLeftMargin(48);
        f.setRightMargin(24);
        f.setTextIndent(-24);
        f.setTopMargin(16);
        f.setBottomMargin(8);
    });
    c.insertText(QString::fromUtf8("tab\there, line") + QChar(QChar::LineSeparator) +
                 QString::fromUtf8("break {braces} \\back\\ caf\u00e9 \u20ac\u0080 5\u00a0kg "
                                   "\u041f\u0440\u0438\u0432\u0435\u0442 \u65e5\u672c "
                                   "\U0001F600"));
    paragraph([](QTextBlockFormat& f) { f.setAlignment(Qt::AlignJustify); });
    paragraph([](QTextBlockFormat&) {});  // an empty paragraph
    run("last", [](Format& f) { f.setFontWeight(QFont::Bold); });
    paragraph([](QTextBlockFormat& f) {
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    });
    c.insertText("see ");
    run("the site", [](Format& f) {
        f.setAnchor(true);
        f.setAnchorHref("http://x.org/{a}");
        f.setFontItalic(true);
    });
    run(" or ", [](Format&) {});
    run("top", [](Format& f) { f.setAnchor(true); f.setAnchorHref("#top"); });
    run(", page ", [](Format&) {});
    run("7", [](Format& f) { f.setProperty(QTextFormat::UserProperty + 1, QString("PAGE")); });
}

QString roundTrip(const QTextDocument& document, QByteArray* written = nullptr) {
    const QByteArray rtf = rtf::writeRtf(document);
    if (written) *written = rtf;
    QTextDocument back;
    EXPECT_TRUE(rtf::readRtf(rtf, back));
    EXPECT_EQ(back.toPlainText(), document.toPlainText());
    return describeDocument(back);
}
}  // namespace

TEST(RtfWriter, WhatItWritesReadsBackRunByRunInShortLines) {
    QTextDocument document;
    fillRichDocument(document);
    QByteArray rtf;
    EXPECT_EQ(roundTrip(document, &rtf).toStdString(), describeDocument(document).toStdString());
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    EXPECT_TRUE(rtf.endsWith("}\r\n"));
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"));
    EXPECT_TRUE(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;"));
    EXPECT_TRUE(rtf.contains("caf\\'e9 \\'80\\u128?"));  // code page 1252 where it can
    EXPECT_TRUE(rtf.contains("\\u1055?"));                  // \u where it cannot
    EXPECT_TRUE(rtf.contains("\\{braces\\} \\\\back\\\\"));

    // Edge documents keep their paragraphs: empty, an empty one after text or first, only breaks.
    for (const QString& text : {"", "abc\n", "\nabc", "\n\n"}) {
        QTextDocument edge;
        edge.setDefaultFont(QFont("Arial", 12));
        edge.setPlainText(text);
        EXPECT_EQ(roundTrip(edge).toStdString(), describeDocument(edge).toStdString())
            << text.toStdString();
    }

    // Lines stay short, even for long paragraphs.
    QTextDocument longer;
    QTextCursor c(&longer);
    Format bold, italic;
    bold.setFontWeight(QFont::Bold);
    italic.setFontItalic(true);
    for (int i = 0; i < 400; ++i)
        c.insertText(QString::fromUtf8("w\u00e9rd\u4e2d "), i % 2 ? bold : italic);
    c.insertText(QString(600, 'x'));
    roundTrip(longer, &rtf);
    for (const QByteArray& line : rtf.split('\n')) EXPECT_LT(line.size(), 255);
}
