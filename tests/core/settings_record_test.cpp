// The 96-byte settings record: where each field sits and which bytes each writer owns (files
// too short to hold it: tests/hardening); readers of the settings files (delimited lists).
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/app_state.h"
#include "core/delimited_reader.h"
#include "core/settings_record.h"
#include "support/test_environment.h"

namespace {
using TestEnvironment::readFile;
using TestEnvironment::writeFile;

class SettingsRecordTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString path = dir.filePath("tshedef01.dat");

    // Each byte holds its offset plus one, so any change shows.
    static QByteArray patterned(int size = settingsRecordSlot) {
        QByteArray bytes(size, '\0');
        for (int i = 0; i < size; ++i) bytes[i] = char(i + 1);
        return bytes;
    }
    // Differs from the patterned record in every field.
    static SettingsRecord distinctValues() {
        SettingsRecord r;
        for (Rgb* c : {&r.htmlTextColor, &r.htmlTagColor, &r.htmlBackColor, &r.htmlParamColor,
                       &r.htmlCommentColor, &r.htmlMisspelledColor, &r.scriptTextColor,
                       &r.scriptKeywordColor, &r.scriptParamColor, &r.scriptObjectColor,
                       &r.scriptCommentColor, &r.scriptBackColor})
            *c = 0x7FCCDDEE;
        r.reserved = r.reserved1 = r.reserved4 = r.editorFontSize = -3;
        r.editorFontName = QString(20, '~');
        return r;
    }
};

TEST_F(SettingsRecordTest, FieldsSitAtTheirOffsetsLittleEndian) {
    writeFile(path, patterned());
    AppState app;
    copySettingsToAppState(readSettingsRecord(path), app);
    EXPECT_EQ(app.htmlTextColor, 0x08070605);
    EXPECT_EQ(app.editorFontName, QString::fromLatin1(patterned().mid(8, 15)));
    EXPECT_EQ(app.reserved[0], 0x2221);
    EXPECT_EQ(app.editorFontSize, 0x2A29);
    EXPECT_EQ(settingsRecordFromAppState(app).scriptCommentColor, 0x4C4B4A49);
}

TEST_F(SettingsRecordTest, EachWriterChangesOnlyItsOwnBytes) {
    const struct {
        SettingsWriter writer;
        std::vector<std::pair<int, int>> owned;  // inclusive byte ranges
    } cases[] = {
        {SettingsWriter::cwindow, {{4, 7}, {24, 31}, {44, 55}}},
        {SettingsWriter::scriptcolor, {{56, 79}}},
        {SettingsWriter::cfont, {{4, 7}, {8, 22}, {40, 41}}},
    };
    for (const auto& c : cases) {
        writeFile(path, patterned());
        writeSettingsRecord(path, c.writer, distinctValues());
        const QByteArray after = readFile(path);
        ASSERT_EQ(after.size(), settingsRecordSlot) << "bytes 80-95 are carried over";
        for (int i = 0; i < settingsRecordSlot; ++i) {
            bool owned = false;
            for (auto [from, to] : c.owned) owned = owned || (from <= i && i <= to);
            EXPECT_EQ(after[i] != patterned()[i], owned) << "writer " << int(c.writer)
                                                          << " byte " << i;
        }
    }
}

// An empty item between commas; an unclosed quote runs to the end of the text. (Items of
// every other shape: tests/hardening.)
TEST(DelimitedReader, EmptyItemsAndAnUnclosedQuote) {
    EXPECT_EQ(readDelimitedItems("a,,b"), QStringList({"a", "", "b"}));
    EXPECT_EQ(readDelimitedItems("\"open, never closed"), QStringList({"open, never closed"}));
}
}  // namespace
