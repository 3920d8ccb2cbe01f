// A 100 MB page: it opens, is coloured, takes typing at its end and saves byte for byte, and at
// its highest the page costs under 8 bytes of memory per byte.
#include <QFile>
#include <QTemporaryDir>

#include "support/editor_fixture.h"

namespace {
constexpr qint64 PageBytes = 100LL * 1024 * 1024;

// Resident memory of this process in bytes, as /proc reports it (VmHWM: its highest so far).
qint64 residentBytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.split(':')[1].trimmed().split(' ')[0].toLongLong() * 1024;
    return 0;
}

// Lines of realistic markup, repeated to the size asked for; written in pieces, so that the
// test holds no copy of the page beside the editor's.
const QByteArray block =
    "<tr><td class=\"name\">Item</td><td><a href=\"page.html#x\">more</a></td></tr>\r\n"
    "<p>Some <b>bold</b> and <i>italic</i> text &amp; an entity.</p><!-- note -->\r\n";
const QByteArray chunk = block.repeated(int(1024 * 1024 / block.size()));

using LargePageTest = HtmlFixture;
}  // namespace

TEST_F(LargePageTest, OpensColoursTakesTypingAndSavesByteForByte) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large.html"));
    qint64 written = 0;
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        while (written < PageBytes) written += file.write(chunk);
    }

    [[maybe_unused]] const qint64 before = residentBytes("VmRSS:");
    ASSERT_TRUE(window->openfromdir(path));
    EXPECT_EQ(window->pane().TextLength(), written);
    // Coloured to the end: the last paragraph's tag in the tag colour.
    const int lastParagraph = int(written - block.size() + block.indexOf("<p>"));
    EXPECT_EQ(window->pane().CharAt(lastParagraph), '<');
    window->pane().SetSelStart(lastParagraph);
    window->pane().SetSelLength(3);
    EXPECT_EQ(window->pane().SelColor(), Tag);

    window->pane().SetSelStart(int(written));
    type(QStringLiteral("<p>end</p>"));
    EXPECT_TRUE(window->isModified());
    ASSERT_TRUE(window->SaveDocument());
    // What the page cost at its highest, from opening to saving, over what the program held
    // before it was opened.
#ifndef __SANITIZE_ADDRESS__
    // Under the address sanitizer its shadow memory and quarantine would be counted too.
    const qint64 cost = residentBytes("VmHWM:") - before;
    EXPECT_LT(cost, 8 * written) << "bytes per page byte: " << double(cost) / double(written);
#endif

    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    ASSERT_EQ(saved.size(), written + 10);
    for (qint64 at = 0; at < written; at += chunk.size())
        ASSERT_EQ(saved.read(chunk.size()), chunk) << "at byte " << at;
    EXPECT_EQ(saved.readAll(), QByteArray("<p>end</p>"));
}
