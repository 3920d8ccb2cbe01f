// The readers of the program's own files fed thousands of generated and mutated inputs: the
// delimited-field reader, the keyword-table loaders and the settings record. None may crash or
// hang; each either reads what it can or refuses cleanly, and the same input reads the same.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

#include "core/delimited_reader.h"
#include "core/keyword_tables.h"
#include "core/settings_record.h"
#include "hardening/random_text.h"
#include "support/test_environment.h"

namespace {
constexpr std::string_view fieldPieces[] = {
    ",", "\"", "\r\n", "\r", "\n", " ", "\t", "abbr", "a,b", "\"x,y\"", "\"open", "\"\"",
    "very-long-item-that-is-wider-than-any-table-column", "\xc3\xa9", "\0", ",,", "\"\r\n\"",
};

const char* const keywordFiles[] = {"tag.tsh", "tooltiphtml.tsh", "vbkey.tsh", "vbobj.tsh",
                                    "jskey.tsh", "jsobj.tsh", "jkey.tsh", "jobj.tsh",
                                    "jpack.tsh", "jclspack.tsh"};

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Thousands of rewrites (each settings write is synced to disk): keep them in memory-backed
// storage where the system has it.
QString memoryBackedTemplate() {
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/tessavel-XXXXXX")
                                                     : QDir::tempPath() + "/tessavel-XXXXXX";
}

// Every entry of every table, as stored.
QStringList everyEntry(const KeywordTables& tables) {
    QStringList all;
    for (int id = 0; id < KeywordTableCount; ++id)
        for (const QString& e : tables.table(KeywordTableId(id))) all << e;
    return all;
}
}  // namespace

TEST(ReadersRandomTest, DelimitedItemsComeFromTheTextAndReadTheSameTwice) {
    RandomText random(42);
    for (int i = 0; i < 20000; ++i) {
        const QByteArray bytes = random.chance(30) ? random.bytes(200) : random.pieces(fieldPieces, 40);
        const QString text = QString::fromUtf8(bytes);
        const QStringList items = readDelimitedItems(text);
        const qsizetype separators = text.count(QLatin1Char(',')) + text.count(QLatin1Char('\n')) +
                                     text.count(QLatin1Char('\r')) + 1;
        ASSERT_LE(items.size(), separators) << "iteration " << i;
        for (const QString& item : items) {
            ASSERT_TRUE(text.contains(item)) << "iteration " << i;
            // Leading blanks are skipped; only a quoted item may begin with one.
            if (item.startsWith(QLatin1Char(' ')) || item.startsWith(QLatin1Char('\t')))
                ASSERT_TRUE(text.contains(QLatin1Char('"') + item)) << "iteration " << i;
        }
        ASSERT_EQ(readDelimitedItems(text), items);
    }
}

TEST(ReadersRandomTest, KeywordLoadersFillFixedWidthsOrRefuseAndKeepTheOldTables) {
    RandomText random(2005);
    QTemporaryDir folder(memoryBackedTemplate());
    const QDir shipped(TestEnvironment::programFolder());
    // Each round replaces one file; the others hold the first lines of the shipped ones, so
    // that a round costs what the replaced file costs.
    for (const char* name : keywordFiles)
        writeAll(QDir(folder.path()).filePath(name), readAll(shipped.filePath(name)).left(200));
    // The shortened package table holds only the first few packages.
    writeAll(QDir(folder.path()).filePath("jclspack.tsh"), "0 1\r\n2\r\n");

    KeywordTables tables;
    tables.loadAll(folder.path());
    const QStringList shippedEntries = everyEntry(tables);
    const KeywordTables empty;
    std::vector<qsizetype> widths;
    for (int id = 0; id < KeywordTableCount; ++id)
        widths.push_back(tables.table(KeywordTableId(id)).front().size());

    for (int i = 0; i < 20000; ++i) {
        const char* name = keywordFiles[random.below(int(std::size(keywordFiles)))];
        const QString path = QDir(folder.path()).filePath(name);
        const QByteArray original = readAll(path);
        const QByteArray shippedFile = readAll(shipped.filePath(name));
        const int shape = random.below(3);
        const QByteArray bytes = shape == 0   ? random.mutate(random.chance(10) ? shippedFile : original)
                                 : shape == 1 ? random.pieces(fieldPieces, 60)
                                              : original + random.pieces(fieldPieces, 400);
        writeAll(path, bytes);
        KeywordTables trial = empty;
        try {
            trial.loadAll(folder.path());
            for (int id = 0; id < KeywordTableCount; ++id)
                for (const QString& e : trial.table(KeywordTableId(id)))
                    ASSERT_EQ(e.size(), widths[size_t(id)]) << name << " iteration " << i;
            // Lookups over what was loaded never step outside a table.
            for (const QString& e : trial.table(TagTable)) trial.IsTag(e.trimmed());
            trial.IsJavaClass(QString::fromUtf8(random.pieces(fieldPieces, 3)));
            trial.IsVbObject(QString::fromUtf8(random.pieces(fieldPieces, 3)));
        } catch (const std::runtime_error&) {
            ASSERT_EQ(everyEntry(trial), everyEntry(empty)) << name << " iteration " << i;
        }
        writeAll(path, original);
    }
    tables.loadAll(folder.path());
    EXPECT_EQ(everyEntry(tables), shippedEntries);
}

TEST(ReadersRandomTest, SettingsRecordReadsAnyBytesAndWritersKeepWhatTheyRead) {
    RandomText random(96);
    QTemporaryDir folder(memoryBackedTemplate());
    const QString path = QDir(folder.path()).filePath("tshedef01.dat");
    const SettingsWriter writers[] = {SettingsWriter::cwindow, SettingsWriter::scriptcolor,
                                      SettingsWriter::cfont};
    for (int length = 0; length <= 200; ++length) {
        for (int i = 0; i < 100; ++i) {
            QByteArray bytes;
            for (int b = 0; b < length; ++b) bytes += char(random.below(256));
            writeAll(path, bytes);
            const SettingsRecord read = readSettingsRecord(path);
            ASSERT_EQ(readSettingsRecord(path).editorFontName, read.editorFontName);
            ASSERT_EQ(read.editorFontName.size(), fontNameWidth);
            // Writing back what was read changes none of the bytes the file had.
            writeSettingsRecord(path, writers[random.below(3)], read);
            const QByteArray after = readAll(path);
            ASSERT_GE(after.size(), settingsRecordBytes);
            ASSERT_EQ(after.left(length), bytes.left(std::min(length, int(after.size()))))
                << "length " << length << " iteration " << i;
        }
    }
}
