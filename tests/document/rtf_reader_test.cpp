// The RTF reader: each control word it understands, code pages, Unicode, destinations it
// leaves out, and RTF it does not know.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QTextDocument>
#include <QTimer>
#include <cctype>
#include <string>

#include "core/delayed_progress.h"
#include "document/rtf/rtf_codec.h"
#include "document/rtf/rtf_reader.h"
#include "support/rtf_describe.h"

namespace {
// Snippets are read inside this header unless they are whole files themselves.
const char* const Header =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Arial;}{\\f1\\fcharset204 Courier;}"
    "{\\f2\\fnil\\fcharset238{\\*\\panose 0000}Georgia;}{\\f3\\fcharset2 Symbol;}}"
    "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}";

QString read(const QByteArray& snippet) {
    const QByteArray rtf = snippet.startsWith("{\\rtf") ? snippet : Header + snippet + "}";
    QTextDocument document;
    EXPECT_TRUE(rtf::readRtf(rtf, document)) << rtf.constData();
    return describeDocument(document);
}

struct ReaderRow {
    const char* what;
    const char* rtf;
    const char* expected;  // as describeDocument writes it
};

const ReaderRow readerRows[] = {
    {"plain text", "Hello, world", "Hello, world"},
    {"bold on and off", "\\b bold\\b0  plain", "<b>bold</> plain"},
    {"italic", "\\i it\\i0 x", "<i>it</>x"},
    {"underline and ulnone", "\\ul u\\ulnone x", "<u>u</>x"},
    {"underline off by parameter", "\\ul u\\ul0 x", "<u>u</>x"},
    {"double underline is underline", "\\uldb u\\ulnone x", "<u>u</>x"},
    {"strike-through", "\\strike s\\strike0 x", "<s>s</>x"},
    {"small capitals", "\\scaps Sc", "<sc>Sc</>"},
    {"superscript and back", "x\\super 2\\nosupersub y", "x<sup>2</>y"},
    {"subscript", "H\\sub 2\\sub0 O", "H<sub>2</>O"},
    {"font by number", "\\f2 g", "<f=Georgia>g</>"},
    {"size in half points", "\\fs36 big\\fs17 small", "<pt=18>big</><pt=8.5>small</>"},
    {"text colour", "\\cf1 red\\cf0 auto", "<fg=#ff0000>red</>auto"},
    {"background by cb", "\\cb2 g", "<bg=#008000>g</>"},
    {"background by highlight", "\\highlight1 h\\highlight0 x", "<bg=#ff0000>h</>x"},
    {"plain resets character formatting", "\\b\\i\\f2\\fs40\\cf1 x\\plain y",
     "<b i f=Georgia pt=20 fg=#ff0000>x</>y"},
    {"groups restore formatting", "{\\b a{\\i b}c}d", "<b>a</><b i>b</><b>c</>d"},
    {"paragraphs", "one\\par two", "one|two"},
    {"the last \\par ends the last paragraph", "one\\par", "one"},
    {"an empty paragraph at the end", "one\\par\\par", "one|"},
    {"alignment carries over until pard", "\\qc a\\par b\\par\\pard c",
     "[c]a|[c]b|c"},
    {"right and justified", "\\qr r\\par\\pard\\qj j", "[r]r|[j]j"},
    {"left alignment", "\\qc\\ql l", "l"},
    {"indents and spacing", "\\li720\\ri360\\fi-360\\sb240\\sa120 x",
     "[li720 ri360 fi-360 sb240 sa120]x"},
    {"line break and tab", "a\\line b\\tab c", "a\\nb\\tc"},
    {"backslash before a line break is \\par", "a\\\nb", "a|b"},
    {"line breaks in the file are not text", "a\r\nb", "ab"},
    {"control symbols", "a\\~b\\_c\\-d\\{\\}\\\\", "a\u00A0b\u2011cd{}\\"},
    {"named characters",
     "\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote",
     "\u2014\u2013\u2022\u2018\u2019\u201C\u201D"},
    {"hex in code page 1252", "caf\\'e9 \\'80\\'96", "caf\u00e9 \u20ac\u2013"},
    {"hex in a Cyrillic font", "\\f1 \\'c0\\'e9", "<f=Courier>\u0410\u0439</>"},
    {"hex in a Central European font", "\\f2 \\'9a", "<f=Georgia>\u0161</>"},
    {"symbol font bullet", "\\f3\\'b7", "<f=Symbol>\u2022</>"},
    {"document code page 1251",
     "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0 Arial;}}\\'c0\\'e1}", "\u0410\u0431"},
    {"double-byte code page",
     "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0 Arial;}}\\'82\\'a0\\'82\\'a2}",
     "\u3042\u3044"},
    {"unicode with its fallback", "\\u233?t", "\u00e9t"},
    {"negative unicode", "\\u-3913?", "\uf0b7"},
    {"uc2 skips two fallbacks", "\\uc2\\u8364xx y", "\u20ac y"},
    {"a hex fallback is one character", "\\u8364\\'80x", "\u20acx"},
    {"uc0 skips nothing", "\\uc0\\u8364 y", "\u20acy"},
    {"uc is kept per group", "{\\uc2\\u8364xx}\\u8364?z", "\u20ac\u20acz"},
    {"a group end stops the skip", "{\\uc3\\u8364x}y", "\u20acy"},
    {"surrogate pairs", "\\u-10179?\\u-8704?", "\U0001F600"},
    {"starred destinations are left out", "{\\*\\unknowndest secret}visible", "visible"},
    {"document information is left out", "{\\info{\\title T}{\\author A}}body", "body"},
    {"style sheet is left out", "{\\stylesheet{\\s1 Heading;}}x", "x"},
    {"headers and footers are left out", "{\\header h}{\\footer f}x", "x"},
    {"pictures are left out", "{\\pict\\pngblip 89504e47}x", "x"},
    {"binary data is skipped whole", "{\\pict\\bin5 ab}}x}y", "y"},
    {"hidden text is not shown", "a{\\v secret}b\\v c\\v0 d\\v e\\plain f", "abdf"},
    {"unknown control words are ignored", "\\foo\\bar12 text\\baz", "text"},
    {"hyperlinks keep their shown text",
     "{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}}", "<href=http://x>link</>"},
    {"old-style bullets keep their text", "{\\pntext\\f3\\'b7\\tab}item{\\*\\pn\\pnlvlblt}",
     "<f=Symbol>\u2022\\t</>item"},
    {"list text keeps the bullet", "{\\listtext\\pard\\plain \\u8226\\'95\\tab}item",
     "\u2022\\titem"},
    {"numbered list", "{\\listtext 1.\\tab}one\\par{\\listtext 2.\\tab}two",
     "1.\\tone|2.\\ttwo"},
    {"table rows as tab-separated paragraphs",
     "\\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell b\\cell\\row after",
     "a\\tb|after"},
    {"empty cells keep their tabs", "\\trowd\\intbl a\\cell\\cell c\\cell\\row", "a\\t\\tc"},
    {"cell paragraphs", "\\intbl x\\par y\\cell z\\cell\\row", "x|y\\tz"},
    {"a page break ends the paragraph", "a\\page b\\par c", "a|[pb]b|c"},
    {"a page break between paragraphs", "a\\par\\page b", "a|[pb]b"},
    {"page break before a paragraph", "a\\par\\pard\\pagebb b\\par\\pard c", "a|[pb]b|c"},
    {"a page field keeps its shown text",
     "Page {\\field{\\*\\fldinst {\\b PAGE }}{\\fldrslt 2}} of", "Page <field=PAGE>2</> of"},
    {"a hyperlink keeps its link",
     "{\\field{\\*\\fldinst HYPERLINK \"http://x.org/a\" }{\\fldrslt {\\ul site}}} after",
     "<u href=http://x.org/a>site</> after"},
    {"a link to a place in the document",
     "{\\field{\\*\\fldinst HYPERLINK \\\\l \"top\"}{\\fldrslt up}}", "<href=#top>up</>"},
    {"unbalanced closing braces end the document", "a}b", "a"},
    {"a truncated file keeps what was read", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\b bo",
     "<b>bo</>"},
    {"huge numbers saturate", "\\fs99999999999999 x\\li-99999999999 y", "[li-31680]<pt=1638>xy</>"},
};

class ReaderTable : public ::testing::TestWithParam<ReaderRow> {};
}  // namespace

TEST_P(ReaderTable, ReadsTextAndFormatting) {
    const ReaderRow& row = GetParam();
    EXPECT_EQ(read(row.rtf).toStdString(), row.expected) << row.what;
}

// Each row is named after what it reads: "hex_in_a_Cyrillic_font".
INSTANTIATE_TEST_SUITE_P(Rtf, ReaderTable, ::testing::ValuesIn(readerRows),
                         [](const ::testing::TestParamInfo<ReaderRow>& info) {
                             std::string name;
                             for (const char* c = info.param.what; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST(RtfReader, NamesWhatItLeavesOutOnce) {
    QTextDocument document;
    QStringList unkept;
    ASSERT_TRUE(rtf::readRtf(QByteArray(Header) +
                                 "{\\header head}a{\\*\\shppict{\\pict\\pngblip 89}}"
                                 "{\\pict\\pngblip 89}\\trowd\\intbl b\\cell\\row}",
                             document, nullptr, &unkept));
    EXPECT_EQ(document.toPlainText(), "ab");
    EXPECT_EQ(unkept, QStringList({"headers and footers", "pictures",
                                   "tables (their text is kept, a line per row)"}));
    ASSERT_TRUE(rtf::readRtf(QByteArray(Header) + "{\\b plain}}", document, nullptr, &unkept));
    EXPECT_TRUE(unkept.isEmpty());
}

TEST(RtfReader, RefusesWhatIsNotRtf) {
    QTextDocument document;
    document.setPlainText("old");
    QString error;
    EXPECT_FALSE(rtf::readRtf("plain words", document, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(document.isEmpty());
    EXPECT_TRUE(rtf::looksLikeRtf("\r\n {\\rtf1}"));
}

// A large document shows how far its reading has come (at once here, after half a second in use).
TEST(RtfReader, ALargeDocumentShowsItsProgress) {
    QByteArray rtf = Header;
    for (int i = 0; i < 5000; ++i) rtf += "word \\par ";
    rtf += "}";
    bool shown = false;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&shown] {
        for (QWidget* top : QApplication::topLevelWidgets())
            shown = shown || (qobject_cast<QProgressDialog*>(top) && top->isVisible());
    });
    look.start(0);
    DelayedProgress::showAfterMs = 0;
    QTextDocument document;
    EXPECT_TRUE(RtfCodec().read(rtf, document, nullptr, nullptr));
    DelayedProgress::showAfterMs = 500;
    EXPECT_TRUE(shown);
}
