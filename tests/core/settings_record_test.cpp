#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/app_state.h"
#include "core/settings_record.h"

namespace {
QByteArray readBytes(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// 96 bytes, each its own offset plus one, so any moved or rewritten byte shows.
QByteArray patternedSlot() {
    QByteArray bytes(settingsRecordSlot, '\0');
    for (int i = 0; i < bytes.size(); ++i) bytes[i] = char(i + 1);
    return bytes;
}

// Offsets whose bytes differ between two images of equal length.
std::vector<int> changedBytes(const QByteArray& a, const QByteArray& b) {
    std::vector<int> changed;
    for (int i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) changed.push_back(i);
    return changed;
}

std::vector<int> span(std::initializer_list<std::pair<int, int>> ranges) {
    std::vector<int> out;
    for (auto [from, to] : ranges)
        for (int i = from; i <= to; ++i) out.push_back(i);
    return out;
}

// Every field different from the patterned record, so every owned byte changes.
SettingsRecord distinctValues() {
    SettingsRecord r;
    r.reserved = -7;
    r.htmlTextColor = r.htmlTagColor = r.htmlBackColor = r.htmlParamColor =
        r.htmlCommentColor = r.htmlMisspelledColor = r.scriptTextColor =
            r.scriptKeywordColor = r.scriptParamColor = r.scriptObjectColor =
                r.scriptCommentColor = r.scriptBackColor = makeRgb(0xEE, 0xDD, 0xCC) | (0x7F << 24);
    r.reserved1 = r.reserved2 = r.reserved3 = r.reserved4 = -2;
    r.editorFontSize = -3;
    r.editorFontName = QStringLiteral("~~~~~~~~~~~~~~~~~~~~");
    return r;
}

class SettingsRecordTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath("tshedef01.dat"); }
};
}  // namespace

TEST_F(SettingsRecordTest, FieldsSitAtTheirOffsetsLittleEndian) {
    QByteArray bytes = patternedSlot();
    writeBytes(path(), bytes);
    const SettingsRecord r = readSettingsRecord(path());
    EXPECT_EQ(r.reserved, 0x04030201);
    EXPECT_EQ(r.htmlTextColor, 0x08070605);
    EXPECT_EQ(r.editorFontName, QString::fromLatin1(bytes.mid(8, 15)));
    EXPECT_EQ(r.htmlTagColor, 0x1C1B1A19);
    EXPECT_EQ(r.htmlBackColor, 0x201F1E1D);
    EXPECT_EQ(r.reserved1, 0x2221);
    EXPECT_EQ(r.reserved4, 0x2827);
    EXPECT_EQ(r.editorFontSize, 0x2A29);
    EXPECT_EQ(r.htmlParamColor, 0x302F2E2D);
    EXPECT_EQ(r.htmlMisspelledColor, 0x38373635);
    EXPECT_EQ(r.scriptTextColor, 0x3C3B3A39);
    EXPECT_EQ(r.scriptBackColor, 0x504F4E4D);
}

TEST_F(SettingsRecordTest, EachWriterChangesOnlyItsOwnBytes) {
    struct Case {
        SettingsWriter writer;
        std::vector<int> owned;
    };
    const Case cases[] = {
        {SettingsWriter::cwindow, span({{4, 7}, {24, 31}, {44, 55}})},
        {SettingsWriter::scriptcolor, span({{56, 79}})},
        {SettingsWriter::cfont, span({{4, 7}, {8, 22}, {40, 41}})},
    };
    for (const Case& c : cases) {
        const QByteArray before = patternedSlot();
        writeBytes(path(), before);
        writeSettingsRecord(path(), c.writer, distinctValues());
        const QByteArray after = readBytes(path());
        ASSERT_EQ(after.size(), before.size()) << "bytes 80-95 are carried over, not dropped";
        EXPECT_EQ(changedBytes(before, after), c.owned) << int(c.writer);
    }
}

TEST_F(SettingsRecordTest, FontNameIsCutOrBlankPaddedToFifteen) {
    SettingsRecord r;
    r.editorFontName = QStringLiteral("Bitstream Vera Sans Mono");  // 24 characters
    writeSettingsRecord(path(), SettingsWriter::cfont, r);
    EXPECT_EQ(readBytes(path()).mid(8, 15), QByteArray("Bitstream Vera "));

    r.editorFontName = QStringLiteral("Arial");
    writeSettingsRecord(path(), SettingsWriter::cfont, r);
    EXPECT_EQ(readBytes(path()).mid(8, 16), QByteArray("Arial          ") + char(0))
        << "the padding byte after the name stays as it was";
    EXPECT_EQ(readSettingsRecord(path()).editorFontName, QStringLiteral("Arial          "));
}

TEST_F(SettingsRecordTest, MissingEmptyAndShortFilesFallBackToDefaults) {
    const SettingsRecord defaults = defaultSettingsRecord();
    EXPECT_EQ(readSettingsRecord(path()).htmlTagColor, defaults.htmlTagColor);
    EXPECT_EQ(defaults.editorFontName.size(), fontNameWidth);

    writeBytes(path(), QByteArray());
    EXPECT_EQ(readSettingsRecord(path()).scriptBackColor, defaults.scriptBackColor);

    // Ten bytes: the first two colours' worth come from the file, the rest are defaults.
    writeBytes(path(), patternedSlot().left(10));
    SettingsRecord r = readSettingsRecord(path());
    EXPECT_EQ(r.htmlTextColor, 0x08070605);
    EXPECT_EQ(r.editorFontName.left(2), QString::fromLatin1("\x09\x0A"));
    EXPECT_EQ(r.editorFontName.mid(2), defaults.editorFontName.mid(2));
    EXPECT_EQ(r.editorFontSize, defaults.editorFontSize);

    // A writer on a short file writes one whole record and keeps what the file held.
    writeSettingsRecord(path(), SettingsWriter::scriptcolor, distinctValues());
    const QByteArray written = readBytes(path());
    EXPECT_EQ(written.size(), settingsRecordBytes);
    EXPECT_EQ(written.left(4), patternedSlot().left(4));
    EXPECT_EQ(readSettingsRecord(path()).htmlBackColor, defaults.htmlBackColor);
}

TEST_F(SettingsRecordTest, AppStateCopiesBothWays) {
    QByteArray bytes = patternedSlot();
    writeBytes(path(), bytes);
    AppState app;
    copySettingsToAppState(readSettingsRecord(path()), app);
    EXPECT_EQ(app.htmlTextColor, 0x08070605);
    EXPECT_EQ(app.reserved[2], 0x2625);
    EXPECT_EQ(app.scriptCommentColor, 0x4C4B4A49);

    app.htmlTagColor = makeRgb(1, 2, 3);
    app.editorFontSize = 14;
    const SettingsRecord back = settingsRecordFromAppState(app);
    EXPECT_EQ(back.htmlTagColor, makeRgb(1, 2, 3));
    EXPECT_EQ(back.editorFontSize, 14);
    EXPECT_EQ(back.editorFontName, app.editorFontName);
    EXPECT_EQ(back.scriptKeywordColor, app.scriptKeywordColor);
}
