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
QTextCharFormat format(std::initializer_list<void (*)(QTextCharFormat&)> settings) {
    QTextCharFormat f;
    for (auto set : settings) set(f);
    return f;
}

// A document holding every kind of formatting the writer knows, in Arial 12 pt.
void fillRichDocument(QTextDocument& document) {
    document.setDefaultFont(QFont("Arial", 12));
    QTextCursor c(&document);
    c.insertText("Plain, ");
    c.insertText("bold", format({[](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); }}));
    c.insertText(" ");
    c.insertText("italic underlined", format({[](QTextCharFormat& f) { f.setFontItalic(true); },
                                              [](QTextCharFormat& f) { f.setFontUnderline(true); }}));
    c.insertText("struck", format({[](QTextCharFormat& f) { f.setFontStrikeOut(true); }}));
    c.insertText("Small Caps", format({[](QTextCharFormat& f) {
                     f.setFontCapitalization(QFont::SmallCaps);
                 }}));
    c.insertText("x");
    c.insertText("2", format({[](QTextCharFormat& f) {
                     f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
                 }}));
    c.insertText("i", format({[](QTextCharFormat& f) {
                     f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
                 }}));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.insertBlock(centred);
    c.insertText("red on green", format({[](QTextCharFormat& f) { f.setForeground(QColor(255, 0, 0)); },
                                        [](QTextCharFormat& f) { f.setBackground(QColor(0, 128, 0)); }}));
    c.insertText(" courier 9.5", format({[](QTextCharFormat& f) {
                                             f.setFontFamilies({"Courier New"});
                                         },
                                         [](QTextCharFormat& f) { f.setFontPointSize(9.5); }}));
    QTextBlockFormat indented;
    indented.setAlignment(Qt::AlignRight);
    indented.setLeftMargin(48);
    indented.setRightMargin(24);
    indented.setTextIndent(-24);
    indented.setTopMargin(16);
    indented.setBottomMargin(8);
    c.insertBlock(indented, QTextCharFormat());
    c.insertText(QString::fromUtf8("tab\there, line") + QChar(QChar::LineSeparator) +
                 QString::fromUtf8("break {braces} \\back\\ caf\u00e9 \u20ac 5\u00a0kg "
                                   "\u041f\u0440\u0438\u0432\u0435\u0442 \u65e5\u672c "
                                   "\U0001F600"));
    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);
    c.insertBlock(justified, QTextCharFormat());
    c.insertBlock(QTextBlockFormat(), QTextCharFormat());  // an empty paragraph
    c.insertText("last", format({[](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); }}));
    QTextBlockFormat newPage;
    newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    c.insertBlock(newPage, QTextCharFormat());
    c.insertText("see ");
    c.insertText("the site", format({[](QTextCharFormat& f) { f.setAnchor(true); },
                                     [](QTextCharFormat& f) { f.setAnchorHref("http://x.org/{a}"); },
                                     [](QTextCharFormat& f) { f.setFontItalic(true); }}));
    c.insertText(" or ", QTextCharFormat());
    c.insertText("top", format({[](QTextCharFormat& f) { f.setAnchor(true); },
                                [](QTextCharFormat& f) { f.setAnchorHref("#top"); }}));
    c.insertText(", page ", QTextCharFormat());
    c.insertText("7", format({[](QTextCharFormat& f) {
                     f.setProperty(QTextFormat::UserProperty + 1, QString("PAGE"));
                 }}));
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

TEST(RtfWriter, WhatItWritesReadsBackRunByRun) {
    QTextDocument document;
    fillRichDocument(document);
    QByteArray rtf;
    EXPECT_EQ(roundTrip(document, &rtf).toStdString(), describeDocument(document).toStdString());
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    EXPECT_TRUE(rtf.endsWith("}\r\n"));
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"));
    EXPECT_TRUE(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;"));
    EXPECT_TRUE(rtf.contains("caf\\'e9 \\'80"));  // code page 1252 where it can
    EXPECT_TRUE(rtf.contains("\\u1055?"));          // \u where it cannot
    EXPECT_TRUE(rtf.contains("\\{braces\\} \\\\back\\\\"));
}

TEST(RtfWriter, EdgeDocumentsKeepTheirParagraphs) {
    const struct {
        const char* what;
        QString text;
    } rows[] = {
        {"empty", ""},
        {"one empty paragraph after text", "abc\n"},
        {"empty first paragraph", "\nabc"},
        {"only paragraph breaks", "\n\n"},
    };
    for (const auto& row : rows) {
        QTextDocument document;
        document.setDefaultFont(QFont("Arial", 12));
        document.setPlainText(row.text);
        EXPECT_EQ(roundTrip(document).toStdString(), describeDocument(document).toStdString())
            << row.what;
    }
}

TEST(RtfWriter, KeepsLinesShortEvenForLongParagraphs) {
    QTextDocument document;
    QTextCursor c(&document);
    for (int i = 0; i < 400; ++i)
        c.insertText(QString::fromUtf8("w\u00e9rd\u4e2d "),
                     format({i % 2 ? [](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); }
                                   : [](QTextCharFormat& f) { f.setFontItalic(true); }}));
    c.insertText(QString(600, 'x'));
    QByteArray rtf;
    roundTrip(document, &rtf);
    for (const QByteArray& line : rtf.split('\n')) EXPECT_LT(line.size(), 255);
}
