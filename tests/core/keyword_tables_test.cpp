// The keyword tables: the shipped files against the letter ranges the lookups search (a
// misplaced word would silently never be recognised), the lookups' case rules, and loading.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>

#include "core/closing_tags.h"
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

TEST(ShippedKeywordFiles, TagsAreSortedLowerCaseAndCloseAsHtmlSays) {
    const std::vector<QString>& tags = shipped().tagTable();
    // Within a letter's range the tags that close are in order; a void tag stands wherever the
    // built-in table has a position that does not close (track among the t's).
    for (const auto& r : tagLetterRanges) {
        QString previous;
        for (int i = r.low; r.low >= 0 && i <= r.high; ++i) {
            if (!closingTagFlags[i]) continue;
            EXPECT_LT(previous, tags[i].trimmed()) << i;
            previous = tags[i].trimmed();
        }
    }
    for (int i = 0; i < int(tags.size()); ++i) {
        EXPECT_EQ(tags[i], tags[i].toLower()) << i;
        EXPECT_FALSE(tags[i].trimmed().isEmpty()) << i;
        EXPECT_FALSE(shipped().tooltipTable()[i].trimmed().isEmpty()) << i;
    }
    const struct {
        bool closes;
        std::vector<const char*> names;
    } groups[] = {
        {false, {"area", "base", "br", "hr", "img", "input", "link", "meta", "param", "col",
                 "embed", "frame", "wbr", "track"}},
        {true, {"tfoot", "thead", "tbody", "table", "title", "b", "p", "script"}},
    };
    for (const auto& group : groups)
        for (const char* tag : group.names) {
            const auto at = std::find_if(tags.begin(), tags.end(),
                                         [&](const QString& s) { return s.trimmed() == tag; });
            ASSERT_NE(at, tags.end()) << tag;
            EXPECT_EQ(closingTagFlags[at - tags.begin()], group.closes) << tag;
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
        {&KeywordTables::IsTag, "Img", true},
        {&KeywordTables::IsTag, "tablex", false},
        {&KeywordTables::IsVbKeyword, "dim", true, &LookupResults::foundVbKeyword, "Dim        "},
        {&KeywordTables::IsVbKeyword, "ELSEIF", true, &LookupResults::foundVbKeyword, "ElseIf     "},
        {&KeywordTables::IsVbKeyword, "Dimension", false},
        {&KeywordTables::IsVbKeyword, "yield", false},
        {&KeywordTables::IsVbObject, "msgbox", true, &LookupResults::foundVbObject, "MsgBox"},
        {&KeywordTables::IsVbObject, "YEAR", true},
        {&KeywordTables::IsVbObject, "xor", false},
        // The letter is taken as typed: a capital never starts a JScript keyword.
        {&KeywordTables::IsJsKeyword, "function", true},
        {&KeywordTables::IsJsKeyword, "Function", false},
        {&KeywordTables::IsJsKeyword, "FOR", false},
        {&KeywordTables::IsJsObject, "Math", true},
        {&KeywordTables::IsJsObject, "math", false},
        {&KeywordTables::IsJsObject, "parseInt", true},  // in the range p shares with o
        {&KeywordTables::IsJsObject, "Object", true},
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
    for (const char* word : {"g", "gone", "j", "rt", "ruby", "y", "zone", "1st", "!--", "?xml",
                             "!doctype", "_a", " table", ""})
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
    for (const char* word : {"string", "STring", "Strin", "Xy", "", "JBUTTON", "Ünicode"})
        EXPECT_FALSE(tables.IsJavaClass(word)) << word;
}

// A folder with the shipped keyword files, or with only those that are missing.
void copyShippedFiles(const QString& to) {
    for (const char* name : {"tag.tsh", "tooltiphtml.tsh", "vbkey.tsh", "vbobj.tsh", "jskey.tsh",
                             "jsobj.tsh", "jobj.tsh", "jkey.tsh", "jpack.tsh", "jclspack.tsh"})
        QFile::copy(TestEnvironment::programFolder() + "/" + name, to + "/" + name);
}

void replaceFile(const QString& path, const QByteArray& text) {
    QFile::remove(path);
    ASSERT_TRUE(TestEnvironment::writeFile(path, text));
}

std::string loadError(const QString& folder) {
    KeywordTables t;
    try {
        t.loadAll(folder);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return {};
}

TEST(KeywordFiles, ItemsAreFittedToTheTable) {
    QTemporaryDir dir;
    copyShippedFiles(dir.path());
    // Fewer items leave blank positions that never match.
    replaceFile(dir.filePath("vbkey.tsh"), "And\r\n");
    // Longer items are cut to the width.
    replaceFile(dir.filePath("jsobj.tsh"), "ActiveXObject,Boolean");
    KeywordTables t;
    t.loadAll(dir.path());
    EXPECT_TRUE(t.IsVbKeyword("and"));
    EXPECT_FALSE(t.IsVbKeyword("dim"));
    EXPECT_EQ(t.table(VbKeywordTable)[5], QString(11, ' '));
    EXPECT_EQ(t.table(JsObjectTable)[0], QStringLiteral("ActiveXObjec"));
    EXPECT_FALSE(t.IsJsObject("ActiveXObject"));
    EXPECT_TRUE(t.IsJsObject("ActiveXObjec"));
}

TEST(KeywordFiles, MissingOrOverfullFileFailsNamingItAndKeepsTheTables) {
    QTemporaryDir dir;
    copyShippedFiles(dir.path());
    KeywordTables t;
    t.loadAll(dir.path());

    QFile::remove(dir.filePath("jpack.tsh"));
    EXPECT_NE(loadError(dir.path()).find("jpack.tsh"), std::string::npos);

    copyShippedFiles(dir.path());
    QByteArray tooMany;
    for (int i = 0; i < 57; ++i) tooMany += "w" + QByteArray::number(i) + ",";
    replaceFile(dir.filePath("jskey.tsh"), tooMany);
    EXPECT_NE(loadError(dir.path()).find("jskey.tsh"), std::string::npos);

    QFile::remove(dir.filePath("jskey.tsh"));
    copyShippedFiles(dir.path());
    replaceFile(dir.filePath("jclspack.tsh"), "53\r\n65\r\n");  // past the package table
    EXPECT_NE(loadError(dir.path()).find("jclspack.tsh"), std::string::npos);

    EXPECT_THROW(t.loadAll(dir.path()), std::runtime_error);
    EXPECT_TRUE(t.IsJsKeyword("while")) << "a failed load changes nothing";
    EXPECT_EQ(t.javaPackagesOfClass(0).size(), 1);
}
}  // namespace
