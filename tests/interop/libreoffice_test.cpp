// Documents exchanged with LibreOffice: what it writes as RTF opens here with its text and
// formatting, and what we write opens there with the same text and formatting. Skipped, with a
// message, when soffice is not installed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include "core/app_state.h"
#include "core/rich_text_pane.h"
#include "document/document_window.h"
#include "document/rtf/rtf_reader.h"
#include "document/rtf/rtf_writer.h"
#include "support/recording_frame.h"
#include "support/rtf_describe.h"
#include "support/scripted_dialogs.h"
#include "support/test_environment.h"

namespace {
class LibreOffice : public ::testing::Test {
protected:
    void SetUp() override {
        soffice_ = QStandardPaths::findExecutable("soffice");
        if (soffice_.isEmpty())
            GTEST_SKIP() << "soffice is not installed (libreoffice-writer-nogui): "
                            "the LibreOffice interoperability tests are skipped";
        ASSERT_TRUE(folder_.isValid());
    }

    QString path(const QString& name) const { return folder_.filePath(name); }

    static void write(const QString& path, const QByteArray& bytes) {
        ASSERT_TRUE(TestEnvironment::writeFile(path, bytes));
    }
    static QByteArray read(const QString& path) { return TestEnvironment::readFile(path); }

    // One headless conversion with a profile of its own, so that nothing a user or another
    // run has open gets in the way. The output lands in outFolder under the input's base name.
    void convert(const QString& input, const QString& format, const QString& outFolder,
                 const QStringList& extra = {}) {
        QProcess process;
        QStringList arguments{
            "-env:UserInstallation=" + QUrl::fromLocalFile(path("profile")).toString(QUrl::FullyEncoded),
            "--headless", "--norestore",
            "--convert-to", format, "--outdir", outFolder};
        arguments << extra << input;
        process.start(soffice_, arguments);
        if (!process.waitForFinished(90000)) {
            process.kill();
            process.waitForFinished();
            FAIL() << "soffice did not finish";
        }
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    }

    QString soffice_;
    QTemporaryDir folder_;
};

QTextCharFormat formatOf(const QTextDocument& document, const QString& text) {
    const QTextCursor found = document.find(text);
    if (found.isNull()) return {};
    QTextCursor inside(found);
    inside.setPosition(found.selectionStart() + 1);
    return inside.charFormat();
}

Qt::Alignment alignmentOf(const QTextDocument& document, const QString& text) {
    return document.find(text).blockFormat().alignment();
}

// Only what both programs state the same way: indents and spacing are left out, since
// LibreOffice gives its paragraphs spacing of its own.
QString runsAndAlignment(const QTextDocument& document) {
    QString described = describeDocument(document);
    described.remove(QRegularExpression(" ?\\b(li|ri|fi|sb|sa)-?\\d+"));
    described.replace("[]", "");
    return described;
}

void fillOurDocument(QTextDocument& document) {
    document.setDefaultFont(QFont("Arial", 12));
    QTextCursor c(&document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.setBlockFormat(centred);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontPointSize(16);
    c.insertText("A Title", bold);
    c.insertBlock(QTextBlockFormat(), QTextCharFormat());
    c.insertText("Plain, ");
    QTextCharFormat italic;
    italic.setFontItalic(true);
    italic.setFontUnderline(true);
    c.insertText("italic underlined", italic);
    c.insertText(" and ");
    QTextCharFormat red;
    red.setForeground(QColor(200, 0, 0));
    red.setFontFamilies({"Courier New"});
    c.insertText("red courier", red);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    c.insertBlock(right, QTextCharFormat());
    c.insertText(QString::fromUtf8("caf\u00e9\tna\u00efve \u20ac \u041f\u0440\u0438\u0432\u0435\u0442 "
                                   "\u65e5\u672c\u8a9e \u03b1\u03b2\u03b3"));
}
}  // namespace

TEST_F(LibreOffice, ItsRtfOpensWithTextAndFormatting) {
    write(path("sample.html"), R"(<html><head><meta charset="utf-8"></head><body>
<p align="center"><b>Bold</b> <i>italic</i> <u>under</u> <font color="#ff0000" face="Courier New">red courier</font></p>
<ul><li>first bullet</li><li>second bullet</li></ul>
<ol><li>numbered</li></ol>
<table border="1"><tr><td>cell a</td><td>cell b</td></tr><tr><td>cell c</td><td>cell d</td></tr></table>
<p align="right">caf&eacute; &#1055;&#1088;&#1080;&#1074;&#1077;&#1090; &#26085;&#26412;&#35486; &euro;</p>
</body></html>)");
    convert(path("sample.html"), "rtf:Rich Text Format", path("out"),
            {"--infilter=HTML (StarWriter)"});
    QTextDocument document;
    ASSERT_TRUE(rtf::readRtf(read(path("out/sample.rtf")), document));

    QStringList paragraphs;
    for (const QString& paragraph : document.toPlainText().split('\n'))
        paragraphs << paragraph.trimmed();  // LibreOffice puts a blank before list numbers
    for (const char* expected :
         {"Bold italic under red courier", "\u2022\tfirst bullet", "\u2022\tsecond bullet",
          "1.\tnumbered", "cell a\tcell b", "cell c\tcell d",
          "caf\u00e9 \u041f\u0440\u0438\u0432\u0435\u0442 \u65e5\u672c\u8a9e \u20ac"})
        EXPECT_TRUE(paragraphs.contains(QString::fromUtf8(expected)))
            << expected << "\nin: " << document.toPlainText().toStdString();

    EXPECT_EQ(formatOf(document, "Bold").fontWeight(), QFont::Bold);
    EXPECT_FALSE(formatOf(document, "italic").fontWeight() == QFont::Bold);
    EXPECT_TRUE(formatOf(document, "italic").fontItalic());
    EXPECT_TRUE(formatOf(document, "under").fontUnderline());
    const QTextCharFormat red = formatOf(document, "red courier");
    EXPECT_EQ(red.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(red.font().family(), "Courier New");
    EXPECT_TRUE(alignmentOf(document, "Bold") & Qt::AlignHCenter);
    EXPECT_TRUE(alignmentOf(document, QString::fromUtf8("caf\u00e9")) & Qt::AlignRight);
}

TEST_F(LibreOffice, OurRtfOpensThereWithTheSameTextAndFormatting) {
    QTextDocument ours;
    fillOurDocument(ours);
    write(path("ours.rtf"), rtf::writeRtf(ours));

    // The text, as LibreOffice reads it.
    convert(path("ours.rtf"), "txt:Text (encoded):UTF8", path("text"));
    QString text = QString::fromUtf8(read(path("text/ours.txt")));
    text.remove(QChar(0xFEFF)).replace("\r\n", "\n");
    while (text.endsWith('\n')) text.chop(1);
    EXPECT_EQ(text.toStdString(), ours.toPlainText().toStdString());

    // The formatting, as LibreOffice understood it: its own RTF of our file, read back here.
    convert(path("ours.rtf"), "rtf:Rich Text Format", path("again"));
    QTextDocument again;
    again.setDefaultFont(ours.defaultFont());
    ASSERT_TRUE(rtf::readRtf(read(path("again/ours.rtf")), again));
    EXPECT_EQ(runsAndAlignment(again).toStdString(), runsAndAlignment(ours).toStdString());
}

// Page breaks, a page-number field, a hyperlink, a table and a picture, written by LibreOffice:
// opened in a document window, edited, saved, and read back by LibreOffice with all their text,
// the break, the field and the link. The picture and the table's cells cannot be kept: the
// user is told so before the save.
TEST_F(LibreOffice, ItsDocumentsKeepTheirTextBreaksFieldsAndLinksThroughASave) {
    write(path("red.png"), QByteArray::fromBase64(
        "iVBORw0KGgoAAAANSUhEUgAAAAgAAAAICAIAAABLbSncAAAAEklEQVR4nGP4z8CAFWEXHbQSACj/P8Fu7N9hAAAAAElFTkSuQmCC"));
    write(path("parts.html"), R"(<html><head><meta charset="utf-8"></head><body>
<p>First page text.</p>
<p style="page-break-before: always">Second page with <a href="http://example.com/page">a link</a>.</p>
<p>Page <sdfield type=PAGE subtype=RANDOM format=PAGE>2</sdfield> of the document.</p>
<table border="1"><tr><td>cell one</td><td>cell two</td></tr></table>
<p>Picture <img src="red.png" width="16" height="16"> after it.</p>
<p>Last line.</p>
</body></html>)");
    convert(path("parts.html"), "rtf:Rich Text Format", path("lo"), {"--infilter=HTML (StarWriter)"});

    AppState app;
    ScriptedDialogs dialogs;
    RecordingFrame frame;
    app.dialogs = &dialogs;
    app.frame = &frame;
    document window(app);
    ASSERT_TRUE(window.openfromdir(path("lo/parts.rtf")));
    window.pane().SetSelStart(0);
    window.pane().SetSelText("Edited. ");
    dialogs.messageAnswers = {MsgAnswer::Ok};  // save anyway
    ASSERT_TRUE(window.SaveDocument());
    const AskedQuestion* asked = dialogs.last("message");
    ASSERT_NE(asked, nullptr);
    EXPECT_TRUE(asked->text.contains("pictures")) << asked->text.toStdString();
    EXPECT_TRUE(asked->text.contains("tables")) << asked->text.toStdString();

    convert(path("lo/parts.rtf"), "txt:Text (encoded):UTF8", path("text"));
    const QString text = QString::fromUtf8(read(path("text/parts.txt")));
    // Without a layout LibreOffice shows page numbers as 0; the picture leaves a gap.
    for (const char* expected :
         {"Edited\\. First page text\\.", "Second page with a link\\.",
          "Page \\d+ of the document\\.", "cell one\\tcell two", "Picture.*after it\\.",
          "Last line\\."})
        EXPECT_TRUE(text.contains(QRegularExpression(expected))) << expected << "\nin: "
                                                                  << text.toStdString();
    convert(path("lo/parts.rtf"), "rtf:Rich Text Format", path("again"));
    const QByteArray again = read(path("again/parts.rtf"));
    EXPECT_TRUE(again.contains("\\pagebb") || again.contains("\\page ")) << "page break";
    EXPECT_TRUE(again.contains("HYPERLINK \"http://example.com/page\"")) << "link";
    EXPECT_TRUE(QString::fromLatin1(again).contains(QRegularExpression("fldinst\\s+PAGE")))
        << "page field";
}
