// Files of any bytes through the code pane: opened and saved unchanged they come back byte for
// byte; after an edit, only the edited bytes differ.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/scintilla_pane.h"
#include "hardening/random_text.h"

namespace {
constexpr std::string_view fileBytePieces[] = {
    "\r\n", "\r", "\n", "\xef\xbb\xbf", "\xff\xfe", "\0", "caf\xc3\xa9", "caf\xe9", "\xe2\x82\xac",
    "\xc3", "\x80", "<p>", "text ", "\t", "\xf0\x9f\x98\x80", "\xed\xa0\x80", "\xc0\xaf",
};

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(FilesRandomTest, AnyBytesSaveBackAsTheyWereAndAnEditChangesOnlyItsBytes) {
    RandomText random(1252);
    QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                             ? QStringLiteral("/dev/shm/tessavel-XXXXXX")
                             : QDir::tempPath() + "/tessavel-XXXXXX");
    const QString path = QDir(folder.path()).filePath(QStringLiteral("page.html"));
    const QString copy = QDir(folder.path()).filePath(QStringLiteral("copy.html"));
    ScintillaPane pane;
    for (int i = 0; i < 20000; ++i) {
        const QByteArray bytes = random.chance(30) ? random.bytes(120) : random.pieces(fileBytePieces, 30);
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
        }
        QString error;
        ASSERT_TRUE(pane.LoadFile(path, FilePlainText, &error)) << error.toStdString();
        ASSERT_TRUE(pane.SaveFile(copy, FilePlainText, &error)) << error.toStdString();
        ASSERT_EQ(readAll(copy), bytes) << "iteration " << i;

        // Plain ASCII typed anywhere a character starts: the file holds it at the same place
        // and nothing else moves.
        const TextEncoding encoding = pane.encoding();
        const bool wide = encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE;
        const QByteArray xy = encodeText("xy", encoding)->right(wide ? 4 : 2);
        const QByteArray text = pane.Text();
        int at = random.below(int(text.size()) + 1);
        while (at < text.size() && (uchar(text[at]) & 0xC0) == 0x80) ++at;
        pane.SetSelStart(at);
        pane.SetSelText(QStringLiteral("xy"));
        ASSERT_TRUE(pane.SaveFile(copy, FilePlainText, &error)) << error.toStdString();
        const QByteArray saved = readAll(copy);
        ASSERT_EQ(saved.size(), bytes.size() + xy.size()) << "iteration " << i;
        // Taking the typed bytes out again at some place gives the original file.
        bool found = false;
        for (qsizetype p = saved.indexOf(xy); p >= 0 && !found; p = saved.indexOf(xy, p + 1))
            found = saved.left(p) + saved.mid(p + xy.size()) == bytes;
        ASSERT_TRUE(found) << "iteration " << i;
    }
}

// Files longer than the pieces a large file is read in: whatever straddles a piece boundary,
// and whatever makes the file other than UTF-8 after the first piece, the pane reads what
// decodeText reads.
TEST(FilesRandomTest, LargeFilesReadAsDecodeTextReadsThem) {
    RandomText random(20);
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("large.html"));
    ScintillaPane pane;
    for (int i = 0; i < 40; ++i) {
        const QByteArray mark = random.chance(30) ? QByteArray("\xef\xbb\xbf") : QByteArray();
        const QByteArray bytes = mark + QByteArray((1 << 20) - 8 + random.below(8), 'a') +
                                 random.pieces(fileBytePieces, 4);
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
        }
        ASSERT_TRUE(pane.LoadFile(path, FilePlainText));
        const PlainText expected = decodeText(bytes);
        ASSERT_EQ(pane.encoding(), expected.encoding) << "iteration " << i;
        ASSERT_TRUE(pane.Text() == expected.utf8) << "iteration " << i;
    }
}
