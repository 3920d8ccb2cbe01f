// The keyword tables: the shipped files against the letter ranges the lookups search (a
// misplaced word would silently never be recognised), the lookups' case rules, and loading.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstring>

#include "core/keyword_letter_ranges.h"
#include "core/keyword_tables.h"
#include "support/test_environment.h"

namespace {
KeywordTables& shipped() {
    static KeywordTables tables = [] {
        KeywordTables t;
        t.loadAll(TestEnvironment::programFolder());
        return t;
    }();
    return tables;
}

// The letters whose range covers a position (ranges may overlap).
QString lettersAt(LetterRanges ranges, int position) {
    QString letters;
    for (int k = 0; k < int(ranges.size()); ++k)
        if (ranges[k].low >= 0 && ranges[k].low <= position && position <= ranges[k].high)
            letters += QChar('a' + k);
    return letters;
}

TEST(ShippedKeywordFiles, WordsAndLetterRangesAgree) {
    const struct {
        KeywordTableId table;
        LetterRanges ranges;
    } layouts[] = {
        {TagTable, tagLetterRanges},           {VbKeywordTable, vbKeywordLetterRanges},
        {VbObjectTable, vbObjectLetterRanges}, {JsKeywordTable, jsKeywordLetterRanges},
        {JsObjectTable, jsObjectLetterRanges}, {JavaKeywordTable, javaKeywordLetterRanges},
    };
    for (const auto& l : layouts) {
        const std::vector<QString>& entries = shipped().table(l.table);
        for (int i = 0; i < int(entries.size()); ++i) {
            const QString word = entries[i].trimmed();
            const QString letters = lettersAt(l.ranges, i);
            // Java has fewer keywords of some letters than its table has room for.
            if (word.isEmpty() && (letters.isEmpty() || l.table == JavaKeywordTable)) continue;
            ASSERT_FALSE(word.isEmpty()) << "table " << l.table << " position " << i;
            if (l.table == TagTable && !word[0].isLetter())
                EXPECT_TRUE(letters.isEmpty()) << "tag position " << i;
            else
                EXPECT_TRUE(letters.contains(word[0].toLower()))
                    << "table " << l.table << " position " << i << " holds " << word.toStdString();
        }
    }
}

// Tags are looked up lower-cased, so an entry with a capital would never match.
TEST(ShippedKeywordFiles, TagsAreLowerCaseAndEachHasATooltip) {
    const std::vector<QString>& tags = shipped().tagTable();
    for (int i = 0; i < int(tags.size()); ++i) {
        EXPECT_EQ(tags[i], tags[i].toLower()) << i;
        EXPECT_FALSE(tags[i].trimmed().isEmpty()) << i;
        EXPECT_FALSE(shipped().tooltipTable()[i].trimmed().isEmpty()) << i;
    }
}

TEST(ShippedKeywordFiles, EveryJavaClassHasAPackage) {
    int classes = 0;
    for (const QString& name : shipped().javaClassTable()) classes += !name.trimmed().isEmpty();
    ASSERT_GT(classes, 1000);
    for (int i = 0; i < classes; ++i) {
        const QStringList packages = shipped().javaPackagesOfClass(i);
        ASSERT_FALSE(packages.isEmpty()) << i;
        for (const QString& p : packages) EXPECT_FALSE(p.isEmpty()) << i;
    }
    EXPECT_TRUE(shipped().javaPackagesOfClass(classes).isEmpty());
}

TEST(KeywordLookups, FollowTheirCaseRulesAndGiveTheTableSpelling) {
    KeywordTables& tables = shipped();
    using Lookup = bool (KeywordTables::*)(const QString&);
    const struct {
        Lookup lookup;
        const char* word;
        bool found;
        QString LookupResults::*spelling;  // the table's own spelling, when found
        const char* spelled;
    } rows[] = {
        // Tags are lower-cased; letters without a range and characters outside a to x never
        // match (the unsearched positions hold entries for the completion list only).
        {&KeywordTables::IsTag, "TABLE", true, &LookupResults::foundTagTooltip, "Table"},
        {&KeywordTables::IsTag, "tablex", false},
        {&KeywordTables::IsVbKeyword, "dim", true, &LookupResults::foundVbKeyword, "Dim        "},
        {&KeywordTables::IsVbKeyword, "ELSEIF", true, &LookupResults::foundVbKeyword, "ElseIf     "},
        {&KeywordTables::IsVbKeyword, "Dimension", false},
        {&KeywordTables::IsVbKeyword, "yield", false},
        {&KeywordTables::IsVbObject, "msgbox", true, &LookupResults::foundVbObject, "MsgBox"},
        {&KeywordTables::IsVbObject, "xor", false},
        // The letter is taken as typed: a capital never starts a JScript keyword.
        {&KeywordTables::IsJsKeyword, "function", true},
        {&KeywordTables::IsJsKeyword, "Function", false},
        {&KeywordTables::IsJsObject, "Math", true},
        {&KeywordTables::IsJsObject, "math", false},
        {&KeywordTables::IsJsObject, "parseInt", true},  // in the range p shares with o
        {&KeywordTables::IsJavaKeyword, "synchronized", true},
        {&KeywordTables::IsJavaKeyword, "Class", false},
        {&KeywordTables::IsJavaKeyword, "enum", false},  // not at a searched position
    };
    for (const auto& row : rows) {
        EXPECT_EQ((tables.*row.lookup)(QString::fromLatin1(row.word)), row.found) << row.word;
        if (row.spelling)
            EXPECT_EQ((tables.results.*row.spelling).left(int(strlen(row.spelled))), row.spelled)
                << row.word;
    }
    for (const char* word : {"gone", "j", "ruby", "zone", "1st", "!--", " table", ""})
        EXPECT_FALSE(tables.IsTag(word)) << word;
    // Whether the tag closes; a failed lookup leaves the previous results alone.
    for (const auto& [tag, closes] : {std::pair{"br", false}, {"h1", true}, {"img", false}}) {
        EXPECT_TRUE(tables.IsTag(tag));
        EXPECT_EQ(tables.results.foundTagCloses, closes) << tag;
        EXPECT_FALSE(tables.IsTag("tablex"));
        EXPECT_EQ(tables.results.foundTagCloses, closes) << tag;
    }
}

TEST(KeywordLookups, JavaClassesByTheirFirstTwoLettersWithTheirPackages) {
    KeywordTables& tables = shipped();
    const struct {
        const char* name;
        QStringList packages;
    } rows[] = {
        {"String", {"java.lang"}},
        {"JButton", {"javax.swing"}},
        {"List", {"java.awt", "java.util"}},
        // The second letter is compared lower-cased when choosing the range and when searching.
        {"AWTEvent", {"java.awt"}},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(tables.IsJavaClass(row.name)) << row.name;
        const int index = tables.results.foundJavaClassIndex;
        EXPECT_EQ(tables.javaClassTable()[index].trimmed(), row.name);
        EXPECT_EQ(tables.javaPackagesOfClass(index), row.packages) << row.name;
    }
    ASSERT_TRUE(tables.IsJavaClass("Timer"));
    EXPECT_EQ(tables.javaPackagesOfClass(tables.results.foundJavaClassIndex).size(), 2);
    for (const char* word : {"string", "Strin", "Xy", "JBUTTON", "Ünicode"})
        EXPECT_FALSE(tables.IsJavaClass(word)) << word;
}

// A folder with the shipped keyword files.
void copyShippedFiles(const QString& to) {
    for (const char* name : {"tag.tsh", "tooltiphtml.tsh", "vbkey.tsh", "vbobj.tsh", "jskey.tsh",
                             "jsobj.tsh", "jobj.tsh", "jkey.tsh", "jpack.tsh", "jclspack.tsh"}) {
        QFile::remove(to + "/" + name);
        QFile::copy(TestEnvironment::programFolder() + "/" + name, to + "/" + name);
    }
}

// Fewer items leave blank positions that never match; longer items are cut to the width.
TEST(KeywordFiles, ItemsAreFittedToTheTable) {
    QTemporaryDir dir;
    copyShippedFiles(dir.path());
    QFile::remove(dir.filePath("vbkey.tsh"));
    QFile::remove(dir.filePath("jsobj.tsh"));
    ASSERT_TRUE(TestEnvironment::writeFile(dir.filePath("vbkey.tsh"), "And\r\n"));
    ASSERT_TRUE(TestEnvironment::writeFile(dir.filePath("jsobj.tsh"), "ActiveXObject,Boolean"));
    KeywordTables t;
    t.loadAll(dir.path());
    EXPECT_TRUE(t.IsVbKeyword("and"));
    EXPECT_FALSE(t.IsVbKeyword("dim"));
    EXPECT_EQ(t.table(VbKeywordTable)[5], QString(11, ' '));
    EXPECT_EQ(t.table(JsObjectTable)[0], QStringLiteral("ActiveXObjec"));
    EXPECT_FALSE(t.IsJsObject("ActiveXObject"));
    EXPECT_TRUE(t.IsJsObject("ActiveXObjec"));
}

// A missing file, one with more items than its table holds, or a class line naming a package
// past the package table: the load fails naming the file and changes nothing.
TEST(KeywordFiles, MissingOrOverfullFileFailsNamingItAndKeepsTheTables) {
    QByteArray tooMany;
    for (int i = 0; i < 57; ++i) tooMany += "w" + QByteArray::number(i) + ",";
    const std::pair<const char*, QByteArray> cases[] = {
        {"jpack.tsh", {}}, {"jskey.tsh", tooMany}, {"jclspack.tsh", "53\r\n65\r\n"}};
    QTemporaryDir dir;
    KeywordTables t = shipped();
    for (const auto& [name, bytes] : cases) {
        copyShippedFiles(dir.path());
        QFile::remove(dir.filePath(name));
        if (!bytes.isNull()) ASSERT_TRUE(TestEnvironment::writeFile(dir.filePath(name), bytes));
        try {
            t.loadAll(dir.path());
            ADD_FAILURE() << name << " loaded";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
        EXPECT_TRUE(t.IsJsKeyword("while")) << "a failed load changes nothing";
        EXPECT_EQ(t.javaPackagesOfClass(0).size(), 1);
    }
}
}  // namespace
