// The keyword tables: the shipped files against the letter ranges the lookups search (a
// misplaced word would silently never be recognised), the lookups' case rules, and loading.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

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

// Every shipped word in a letter's range is found by its lookup, with the table's spelling (a
// misplaced word would silently never be recognised), in the cases its rule takes: tags and
// VBScript words in any case, the others only as spelled (a JScript keyword's letter is taken as
// typed, so a capital never starts one). Positions in no range are for the completion list.
TEST(KeywordLookups, FindEveryShippedWordInTheCasesTheirRuleTakes) {
    KeywordTables& tables = shipped();
    const struct {
        KeywordTableId table;
        LetterRanges ranges;
        bool (KeywordTables::*lookup)(const QString&);
        bool anyCase;
        QString LookupResults::*spelling;
    } rules[] = {
        {TagTable, tagLetterRanges, &KeywordTables::IsTag, true, &LookupResults::foundTagTooltip},
        {VbKeywordTable, vbKeywordLetterRanges, &KeywordTables::IsVbKeyword, true,
         &LookupResults::foundVbKeyword},
        {VbObjectTable, vbObjectLetterRanges, &KeywordTables::IsVbObject, true,
         &LookupResults::foundVbObject},
        {JsKeywordTable, jsKeywordLetterRanges, &KeywordTables::IsJsKeyword, false, nullptr},
        {JsObjectTable, jsObjectLetterRanges, &KeywordTables::IsJsObject, false, nullptr},
        {JavaKeywordTable, javaKeywordLetterRanges, &KeywordTables::IsJavaKeyword, false, nullptr},
    };
    for (const auto& rule : rules) {
        const std::vector<QString>& entries = tables.table(rule.table);
        for (int i = 0; i < int(entries.size()); ++i) {
            if (std::none_of(rule.ranges.begin(), rule.ranges.end(),
                             [i](auto r) { return r.low >= 0 && r.low <= i && i <= r.high; }))
                continue;
            const QString word = entries[i].trimmed();
            // Java has fewer keywords of some letters than its table has room for.
            if (word.isEmpty() && rule.table == JavaKeywordTable) continue;
            ASSERT_FALSE(word.isEmpty()) << "table " << rule.table << " position " << i;
            for (const QString& typed : {word, word.toUpper(), word.toLower()}) {
                EXPECT_EQ((tables.*rule.lookup)(typed), rule.anyCase || typed == word)
                    << "table " << rule.table << " position " << i << ": " << typed.toStdString();
                const QString spelled =
                    rule.table == TagTable ? tables.tooltipTable()[i] : entries[i];
                if (rule.spelling && (rule.anyCase || typed == word))
                    EXPECT_EQ(tables.results.*rule.spelling, spelled) << typed.toStdString();
            }
        }
    }
    // Near misses; letters without a range (y for VBScript keywords, x for its objects); words
    // at unsearched positions; characters outside a to x.
    EXPECT_FALSE(tables.IsVbKeyword("Dimension") || tables.IsVbKeyword("yield") ||
                 tables.IsVbObject("xor") || tables.IsJavaKeyword("enum") || tables.IsTag("tablex"));
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
    // The second letter is compared lower-cased when choosing the range and when searching.
    const std::pair<const char*, QStringList> rows[] = {
        {"String", {"java.lang"}}, {"List", {"java.awt", "java.util"}}, {"AWTEvent", {"java.awt"}}};
    for (const auto& [name, packages] : rows) {
        ASSERT_TRUE(tables.IsJavaClass(name)) << name;
        const int index = tables.results.foundJavaClassIndex;
        EXPECT_EQ(tables.javaClassTable()[index].trimmed(), name);
        EXPECT_EQ(tables.javaPackagesOfClass(index), packages) << name;
    }
    for (const char* word : {"string", "Strin", "Xy", "JBUTTON", "Ünicode"})
        EXPECT_FALSE(tables.IsJavaClass(word)) << word;
    // Every shipped class has a package.
    int classes = 0;
    for (const QString& name : tables.javaClassTable()) classes += !name.trimmed().isEmpty();
    ASSERT_GT(classes, 1000);
    for (int i = 0; i < classes; ++i) EXPECT_FALSE(tables.javaPackagesOfClass(i).isEmpty()) << i;
    EXPECT_TRUE(tables.javaPackagesOfClass(classes).isEmpty());
}

// Fewer items leave blank positions that never match, and longer items are cut to the width.
// A missing file, or a class line naming a package past the package table: the load fails
// naming the file and changes nothing.
TEST(KeywordFiles, ItemsAreFittedToTheTableAndABadFileChangesNothing) {
    // The first two load; a null text leaves the file out.
    const std::pair<const char*, QByteArray> cases[] = {
        {"vbkey.tsh", "And\r\n"}, {"jsobj.tsh", "ActiveXObject,Boolean"},
        {"jpack.tsh", {}}, {"jclspack.tsh", "53\r\n65\r\n"}};
    QTemporaryDir dir;
    for (int i = 0; i < int(std::size(cases)); ++i) {
        const auto& [name, bytes] = cases[i];
        for (const char* file : {"tag.tsh", "tooltiphtml.tsh", "vbkey.tsh", "vbobj.tsh",
                                 "jskey.tsh", "jsobj.tsh", "jobj.tsh", "jkey.tsh", "jpack.tsh",
                                 "jclspack.tsh"}) {
            QFile::remove(dir.filePath(file));
            QFile::copy(TestEnvironment::programFolder() + "/" + file, dir.filePath(file));
        }
        QFile::remove(dir.filePath(name));
        if (!bytes.isNull()) ASSERT_TRUE(TestEnvironment::writeFile(dir.filePath(name), bytes));
        KeywordTables t = shipped();
        try {
            t.loadAll(dir.path());
            EXPECT_LT(i, 2) << name << " loaded";
        } catch (const std::runtime_error& e) {
            EXPECT_GE(i, 2) << e.what();
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
            EXPECT_TRUE(t.IsJsKeyword("while")) << "a failed load changes nothing";
            EXPECT_EQ(t.javaPackagesOfClass(0).size(), 1);
        }
        if (i == 0) EXPECT_TRUE(t.IsVbKeyword("and") && !t.IsVbKeyword("dim"));
        if (i == 1) EXPECT_TRUE(t.IsJsObject("ActiveXObjec") && !t.IsJsObject("ActiveXObject"));
    }
}
}  // namespace
