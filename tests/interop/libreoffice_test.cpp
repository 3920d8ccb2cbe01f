// Documents exchanged with LibreOffice, both ways, with their text and formatting. Skipped,
// with a message, when soffice is not installed.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUrl>

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
            GTEST_SKIP() << "soffice (libreoffice-writer-nogui) is not installed: skipped";
        ASSERT_TRUE(folder_.isValid());
    }

    QString path(const QString& name) const { return folder_.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) {
        ASSERT_TRUE(TestEnvironment::writeFile(path(name), bytes));
    }
    QByteArray read(const QString& name) const { return TestEnvironment::readFile(path(name)); }

    // A headless conversion into outFolder, with a profile of its own that nothing else uses.
    void convert(const QString& input, const QString& format, const QString& outFolder,
                 const QStringList& extra = {}) {
        QProcess process;
        const QString profile = QUrl::fromLocalFile(path("profile")).toString(QUrl::FullyEncoded);
        process.start(soffice_, QStringList{"-env:UserInstallation=" + profile, "--headless",
                                            "--norestore", "--convert-to", format, "--outdir",
                                            path(outFolder)} + extra + QStringList{path(input)});
        ASSERT_TRUE(process.waitForFinished(90000)) << "soffice did not finish";  // then killed
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    }

    QString soffice_;
    QTemporaryDir folder_;
};

// Only what both programs state the same way: indents and spacing are left out, since
// LibreOffice gives its paragraphs spacing of its own.
QString runsAndAlignment(const QTextDocument& document) {
    return describeDocument(document).remove(QRegularExpression(" ?\\b(li|ri|fi|sb|sa)-?\\d+"))
        .replace("[]", "");
}

}  // namespace

// What LibreOffice writes as RTF from a page opens here with its text (its formatting, as
// LibreOffice writes it, is read back in the next test); edited and saved here, it keeps its
// text, page break, page field and link; the user is told the picture and table cells go.
TEST_F(LibreOffice, ItsRtfOpensHereAndKeepsItsTextBreaksFieldsAndLinksThroughASave) {
    write("red.png", QByteArray::fromBase64(
        "iVBORw0KGgoAAAANSUhEUgAAAAgAAAAICAIAAABLbSncAAAAEklEQVR4nGP4z8CAFWEXHbQSACj/P8Fu7N9hAAAAAElFTkSuQmCC"));
    write("sample.html", R"(<html><head><meta charset="utf-8"></head><body>
<p align="center"><b>Bold</b> <i>italic</i> <u>under</u> <font color="#ff0000" face="Courier New">red courier</font></p>
<ul><li>first bullet</li><li>second bullet</li></ul>
<ol><li>numbered</li></ol>
<table border="1"><tr><td>cell a</td><td>cell b</td></tr><tr><td>cell c</td><td>cell d</td></tr></table>
<p align="right">caf&eacute; &#1055;&#1088;&#1080;&#1074;&#1077;&#1090; &#26085;&#26412;&#35486; &euro;</p>
<p style="page-break-before: always">Second page with <a href="http://example.com/page">a link</a>.</p>
<p>Page <sdfield type=PAGE subtype=RANDOM format=PAGE>2</sdfield> of the document.</p>
<p>Picture <img src="red.png" width="16" height="16"> after it.</p>
</body></html>)");
    convert("sample.html", "rtf:Rich Text Format", "lo", {"--infilter=HTML (StarWriter)"});
    QTextDocument rich;
    ASSERT_TRUE(rtf::readRtf(read("lo/sample.rtf"), rich));

    QStringList paragraphs;
    for (const QString& paragraph : rich.toPlainText().split('\n'))
        paragraphs << paragraph.trimmed();  // LibreOffice puts a blank before list numbers
    for (const char* expected :
         {"Bold italic under red courier", "\u2022\tfirst bullet", "\u2022\tsecond bullet",
          "1.\tnumbered", "cell a\tcell b", "cell c\tcell d",
          "caf\u00e9 \u041f\u0440\u0438\u0432\u0435\u0442 \u65e5\u672c\u8a9e \u20ac"})
        EXPECT_TRUE(paragraphs.contains(QString::fromUtf8(expected)))
            << expected << "\nin: " << rich.toPlainText().toStdString();

    AppState app;
    ScriptedDialogs dialogs;
    RecordingFrame frame;
    app.dialogs = &dialogs;
    app.frame = &frame;
    document window(app);
    ASSERT_TRUE(window.openfromdir(path("lo/sample.rtf")));
    window.pane().SetSelStart(0);
    window.pane().SetSelText("Edited. ");
    dialogs.messageAnswers = {MsgAnswer::Ok};  // save anyway
    ASSERT_TRUE(window.SaveDocument());
    const AskedQuestion* asked = dialogs.last("message");
    ASSERT_NE(asked, nullptr);
    EXPECT_TRUE(asked->text.contains("pictures") && asked->text.contains("tables"))
        << asked->text.toStdString();

    convert("lo/sample.rtf", "txt:Text (encoded):UTF8", "text");
    const QString text = QString::fromUtf8(read("text/sample.txt"));  // page numbers may be 0
    for (const char* expected :
         {"Edited\\. Bold italic", "Second page with a link\\.", "Page \\d+ of the document\\.",
          "cell c\\tcell d", "Picture.*after it\\."})
        EXPECT_TRUE(text.contains(QRegularExpression(expected))) << expected << "\nin: "
                                                                  << text.toStdString();
    convert("lo/sample.rtf", "rtf:Rich Text Format", "again");
    const QByteArray again = read("again/sample.rtf");
    EXPECT_TRUE(again.contains("\\pagebb") || again.contains("\\page ")) << "page break";
    EXPECT_TRUE(again.contains("HYPERLINK \"http://example.com/page\"")) << "link";
    EXPECT_TRUE(QString::fromLatin1(again).contains(QRegularExpression("fldinst\\s+PAGE")))
        << "page field";
}

TEST_F(LibreOffice, OurRtfOpensThereWithTheSameTextAndFormatting) {
    QTextDocument ours;
    ours.setDefaultFont(QFont("Arial", 12));
    ours.setHtml("<p align=center><b style='font-size:16pt'>A Title</b></p><p>Plain, "
                 "<i><u>italic underlined</u></i> and <span style='color:#c80000; "
                 "font-family:Courier New'>red courier</span></p><p align=right "
                 "style='white-space:pre-wrap'>caf\u00e9\tna\u00efve \u20ac "
                 "\u041f\u0440\u0438\u0432\u0435\u0442 \u65e5\u672c\u8a9e \u03b1\u03b2\u03b3</p>");
    write("ours.rtf", rtf::writeRtf(ours));

    // The text, as LibreOffice reads it (with a byte order mark and its own line ends).
    convert("ours.rtf", "txt:Text (encoded):UTF8", "text");
    const QString text = QString::fromUtf8(read("text/ours.txt")).remove(QChar(0xFEFF));
    EXPECT_EQ(text.trimmed().replace("\r\n", "\n").toStdString(), ours.toPlainText().toStdString());

    // The formatting, as LibreOffice understood it: its own RTF of our file, read back here.
    convert("ours.rtf", "rtf:Rich Text Format", "again");
    QTextDocument again;
    again.setDefaultFont(ours.defaultFont());
    ASSERT_TRUE(rtf::readRtf(read("again/ours.rtf"), again));
    EXPECT_EQ(runsAndAlignment(again).toStdString(), runsAndAlignment(ours).toStdString());
}
