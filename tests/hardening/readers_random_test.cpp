// The readers fed thousands of generated and mutated inputs from a fixed seed: the delimited-field
// reader, the keyword-table loaders, the settings record, the VBScript checker and the RTF reader.
// None may crash or hang; each reads what it can or refuses cleanly, the same input the same way.
// Their own tests hold the expected answers.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextDocument>
#include <stdexcept>

#include "core/delimited_reader.h"
#include "core/keyword_tables.h"
#include "core/scintilla_pane.h"
#include "core/settings_record.h"
#include "document/rtf/rtf_reader.h"
#include "hardening/random_text.h"
#include "script/vbscript/vbscript_checker.h"
#include "support/test_environment.h"

namespace {
constexpr std::string_view fieldPieces[] = {
    ",", "\"", "\r\n", "\r", "\n", " ", "\t", "abbr", "a,b", "\"x,y\"", "\"open", "\"\"",
    "very-long-item-that-is-wider-than-any-table-column", "\xc3\xa9", "\0", ",,", "\"\r\n\"",
};

const char* const keywordFiles[] = {"tag.tsh", "tooltiphtml.tsh", "vbkey.tsh", "vbobj.tsh",
                                    "jskey.tsh", "jsobj.tsh", "jkey.tsh", "jobj.tsh",
                                    "jpack.tsh", "jclspack.tsh"};

constexpr std::string_view vbsPieces[] = {
    "Dim x", "Sub A(", ")", "End Sub", "If x Then", "Else", "End If", "For i = 1 To 3", "Next",
    "Do While x", "Loop", "Select Case x", "Case 1", "End Select", "Class C", "End Class",
    "\"text\"", "\"open", "x = (1 + 2", " & ", ".Name", "With o", "End With", ":", " _\r\n",
    "\r\n", "\n", "' note", "Rem note", "#1/2/2003#", "&HFF", "[odd name]", "Set o = New C",
    "On Error Resume Next", "Function F(ByVal a)", "End Function", "Property Get P", "Wend",
};
constexpr std::string_view rtfPieces[] = {
    "{\\rtf1\\ansi", "{", "}", "\\b ", "\\b0 ", "\\i", "\\par ", "\\pard", "\\qc", "\\fs24",
    "{\\fonttbl{\\f0\\fcharset238 Arial;}}", "{\\colortbl;\\red255\\green0\\blue0;}", "\\cf1",
    "\\'e9", "\\'", "\\u8364?", "\\uc2", "\\bin4 ", "{\\*\\unknown x}", "\\fs99999999999",
    "text ", "\\tab", "\\line", "{\\pict abc}", "\\trowd\\cell\\row", "\\\\", "\\{", "\r\n",
    "\\bin999999999 ", "\\uc9", "\\'z", "\\f99 ", "\\cf77", "-2147483649", "{\\listtext \\'b7}",
    "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}", "\\page", "\\intbl", "\\fcharset128",
};

constexpr std::string_view fileBytePieces[] = {
    "\r\n", "\r", "\n", "\xef\xbb\xbf", "\xff\xfe", "\0", "caf\xc3\xa9", "caf\xe9", "\xe2\x82\xac",
    "\xc3", "\x80", "<p>", "text ", "\t", "\xf0\x9f\x98\x80", "\xed\xa0\x80", "\xc0\xaf",
};
using TestEnvironment::readFile;
using TestEnvironment::writeFile;


}  // namespace

// Items written out any way the format allows read back as written: plain ones, quoted ones
// (holding commas, blanks, line ends or nothing), blanks and blank lines before an item, a comma
// before a line end. Any bytes at all are read without harm.
TEST(ReadersRandomTest, DelimitedItemsReadBackAsWritten) {
    RandomText random(42);
    const std::string_view plain[] = {"abbr", "a b", "Dim", "\xc3\xa9", "x\"y", "w "};
    const std::string_view quotable[] = {"a", ",", " ", "\t", "\r\n", "\n", "\xc3\xa9", "'"};
    const std::string_view before[] = {"", "", " ", "\t ", "\r\n", "\r\n \r\n", "\n\n"};
    const std::string_view after[] = {",", ",", "\r\n", "\r", "\n", ",\r\n", ",\n"};
    for (int i = 0; i < 20000; ++i) {
        readDelimitedItems(QString::fromUtf8(random.bytes(200)));
        QByteArray text;
        QStringList items;
        for (int n = random.below(6); n > 0; --n) {
            const bool quoted = random.chance(40);
            QByteArray item;
            for (int k = quoted ? random.below(4) : 1 + random.below(2); k > 0; --k)
                item += quoted ? quotable[random.below(8)] : plain[random.below(6)];
            text += before[random.below(7)];
            text += quoted ? '"' + item + '"' : item;
            text += after[random.below(7)];
            items << QString::fromUtf8(item);
        }
        ASSERT_EQ(readDelimitedItems(QString::fromUtf8(text)), items) << text.toStdString();
    }
}

TEST(ReadersRandomTest, KeywordLoadersFillFixedWidthsOrRefuseAndKeepTheOldTables) {
    RandomText random(2005);
    QTemporaryDir folder(scratchFolderTemplate());
    const QDir shipped(TestEnvironment::programFolder());
    // Each round replaces one file; the others hold the first lines of the shipped ones, so
    // that a round costs what the replaced file costs.
    for (const char* name : keywordFiles)
        ASSERT_TRUE(writeFile(folder.filePath(name), readFile(shipped.filePath(name)).left(200)));
    // The shortened package table holds only the first few packages.
    ASSERT_TRUE(writeFile(folder.filePath("jclspack.tsh"), "0 1\r\n2\r\n"));

    KeywordTables tables;
    tables.loadAll(folder.path());
    const KeywordTables empty;

    for (int i = 0; i < 20000; ++i) {
        const char* name = keywordFiles[random.below(int(std::size(keywordFiles)))];
        const QString path = folder.filePath(name);
        const QByteArray original = readFile(path);
        const QByteArray shippedFile = readFile(shipped.filePath(name));
        const int shape = random.below(3);
        const QByteArray bytes = shape == 0   ? random.mutate(random.chance(10) ? shippedFile : original)
                                 : shape == 1 ? random.pieces(fieldPieces, 60)
                                              : original + random.pieces(fieldPieces, 400);
        ASSERT_TRUE(writeFile(path, bytes));
        KeywordTables trial = empty;
        bool loaded = true;
        try {
            trial.loadAll(folder.path());
        } catch (const std::runtime_error&) {
            loaded = false;
        }
        // A refused load leaves the tables blank.
        for (int id = 0; id < KeywordTableCount; ++id) {
            for (const QString& e : trial.table(KeywordTableId(id))) {
                ASSERT_EQ(e.size(), tables.table(KeywordTableId(id)).front().size()) << name;
                ASSERT_TRUE(loaded || e.trimmed().isEmpty()) << name << " iteration " << i;
            }
        }
        // Lookups over what was loaded never step outside a table.
        for (const QString& e : trial.table(TagTable)) trial.IsTag(e.trimmed());
        trial.IsJavaClass(QString::fromUtf8(random.pieces(fieldPieces, 3)));
        trial.IsVbObject(QString::fromUtf8(random.pieces(fieldPieces, 3)));
        ASSERT_TRUE(writeFile(path, original));
    }
}

TEST(ReadersRandomTest, SettingsRecordReadsAnyBytesAndWritersKeepWhatTheyRead) {
    RandomText random(96);
    QTemporaryDir folder(scratchFolderTemplate());
    const QString path = folder.filePath("tshedef01.dat");
    const SettingsWriter writers[] = {SettingsWriter::cwindow, SettingsWriter::scriptcolor,
                                      SettingsWriter::cfont};
    const SettingsRecord defaults = defaultSettingsRecord();
    ASSERT_EQ(readSettingsRecord(path).scriptBackColor, defaults.scriptBackColor);  // no file
    for (int length = 0; length <= 200; ++length) {
        for (int i = 0; i < 100; ++i) {
            QByteArray bytes;
            for (int b = 0; b < length; ++b) bytes += char(random.below(256));
            ASSERT_TRUE(writeFile(path, bytes));
            const SettingsRecord read = readSettingsRecord(path);
            ASSERT_EQ(readSettingsRecord(path).editorFontName, read.editorFontName);
            ASSERT_EQ(read.editorFontName.size(), fontNameWidth);
            // What the file is too short to hold keeps its default.
            if (length <= 40) ASSERT_EQ(read.editorFontSize, defaults.editorFontSize);
            if (length <= 76) ASSERT_EQ(read.scriptBackColor, defaults.scriptBackColor);
            const int nameRead = std::clamp(length - 8, 0, fontNameWidth);
            ASSERT_EQ(read.editorFontName.mid(nameRead), defaults.editorFontName.mid(nameRead));
            // Writing back what was read changes none of the bytes the file had.
            writeSettingsRecord(path, writers[random.below(3)], read);
            const QByteArray after = readFile(path);
            ASSERT_GE(after.size(), settingsRecordBytes);
            ASSERT_EQ(after.left(length), bytes.left(std::min(length, int(after.size()))))
                << "length " << length << " iteration " << i;
        }
    }
}


TEST(ReadersRandomTest, VbscriptErrorsNameALineOfTheTextAndRepeat) {
    RandomText random(5);
    for (int i = 0; i < 20000; ++i) {
        QByteArray text = random.pieces(vbsPieces, 30);
        if (random.chance(30)) text = random.mutate(text);
        const std::optional<ScriptError> error = checkVbscript(text);
        if (!error) continue;
        ASSERT_GE(error->line, 1) << "iteration " << i;
        // Lines as the checker counts them: CR LF, a lone CR and a lone LF each end one.
        const int lines = int(text.count('\n') + text.count('\r') - text.count("\r\n")) + 1;
        ASSERT_LE(error->line, lines + 1) << "iteration " << i << ": " << text.toStdString();
        ASSERT_FALSE(error->description.isEmpty());
        const std::optional<ScriptError> again = checkVbscript(text);
        ASSERT_TRUE(again && again->line == error->line && again->description == error->description);
    }
}

// Also groups nested very deep; each input loads in bounded time (generous bounds for a loaded
// machine: a hang or a blow-up is orders of magnitude beyond).
TEST(ReadersRandomTest, RtfReaderLoadsWhatItCanAndTheSameTwice) {
    RandomText random(6);
    QTextDocument first;
    QTextDocument second;
    for (int i = 0; i < 20000; ++i) {
        QByteArray rtf = random.pieces(rtfPieces, 40);
        if (random.chance(30)) rtf = random.mutate(rtf);
        if (random.chance(1)) rtf.insert(random.below(int(rtf.size()) + 1), QByteArray(20000, '{'));
        if (random.chance(50)) rtf.prepend("{\\rtf1 ");
        QElapsedTimer one;
        one.start();
        const bool read = rtf::readRtf(rtf, first);
        ASSERT_LT(one.elapsed(), 2000) << "iteration " << i;
        ASSERT_EQ(rtf::readRtf(rtf, second), read) << "iteration " << i;
        // Text comes only from the bytes: never more characters than there were bytes.
        ASSERT_LE(first.characterCount(), rtf.size() + 1) << "iteration " << i;
        ASSERT_EQ(first.toPlainText(), second.toPlainText()) << "iteration " << i;
    }
}

// Files of any bytes through the code pane: opened and saved unchanged they come back byte for
// byte; after an edit, only the edited bytes differ.

TEST(FilesRandomTest, AnyBytesSaveBackAsTheyWereAndAnEditChangesOnlyItsBytes) {
    RandomText random(1252);
    QTemporaryDir folder(scratchFolderTemplate());
    const QString path = folder.filePath(QStringLiteral("page.html"));
    const QString copy = folder.filePath(QStringLiteral("copy.html"));
    ScintillaPane pane;
    for (int i = 0; i < 20000; ++i) {
        const QByteArray bytes = random.chance(30) ? random.bytes(120) : random.pieces(fileBytePieces, 30);
        ASSERT_TRUE(writeFile(path, bytes));
        QString error;
        ASSERT_TRUE(pane.LoadFile(path, FilePlainText, &error)) << error.toStdString();
        ASSERT_TRUE(pane.SaveFile(copy, FilePlainText, &error)) << error.toStdString();
        ASSERT_EQ(readFile(copy), bytes) << "iteration " << i;

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
        const QByteArray saved = readFile(copy);
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
    const QString path = folder.filePath(QStringLiteral("large.html"));
    ScintillaPane pane;
    for (int i = 0; i < 40; ++i) {
        const QByteArray mark = random.chance(30) ? QByteArray("\xef\xbb\xbf") : QByteArray();
        const QByteArray bytes = mark + QByteArray((1 << 20) - 8 + random.below(8), 'a') +
                                 random.pieces(fileBytePieces, 4);
        ASSERT_TRUE(writeFile(path, bytes));
        ASSERT_TRUE(pane.LoadFile(path, FilePlainText));
        const PlainText expected = decodeText(bytes);
        ASSERT_EQ(pane.encoding(), expected.encoding) << "iteration " << i;
        ASSERT_TRUE(pane.Text() == expected.utf8) << "iteration " << i;
    }
}
