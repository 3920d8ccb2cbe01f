// The RTF reader on RTF the writer never writes: other spellings of the control words, code
// pages, Unicode skips, destinations it leaves out, and RTF it does not know.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QTextDocument>
#include <QTimer>

#include "core/delayed_progress.h"
#include "document/rtf/rtf_codec.h"

#include "document/rtf/rtf_reader.h"
#include "support/rtf_describe.h"
#include "support/test_environment.h"

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
}  // namespace

// One row of the table a case, named after what it reads.
TEST(RtfReader, ReadsTextAndFormatting) {
    const QList<QByteArrayList> rows = TestEnvironment::caseRows(QStringLiteral("rtf-reader.tsv"));
    ASSERT_GT(rows.size(), 30);
    for (const QByteArrayList& row : rows)
        EXPECT_EQ(read(row[1]).toUtf8(), row[2]) << row[0].constData();
}

TEST(RtfReader, NamesWhatItLeavesOutOnceAndRefusesWhatIsNotRtf) {
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

    // What is not RTF is refused, with a reason, leaving the document empty.
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
