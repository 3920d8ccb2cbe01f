#include <gtest/gtest.h>

#include <algorithm>

#include "core/closing_tags.h"
#include "core/keyword_letter_ranges.h"
#include "core/keyword_tables.h"
#include "support/test_environment.h"

// Checks the shipped keyword files against the letter ranges the lookups search: a misplaced
// word would silently never be recognised.
namespace {
struct Layout {
    KeywordTableId table;
    LetterRanges ranges;
    const char* name;
};

const Layout layouts[] = {
    {TagTable, tagLetterRanges, "tag.tsh"},
    {VbKeywordTable, vbKeywordLetterRanges, "vbkey.tsh"},
    {VbObjectTable, vbObjectLetterRanges, "vbobj.tsh"},
    {JsKeywordTable, jsKeywordLetterRanges, "jskey.tsh"},
    {JsObjectTable, jsObjectLetterRanges, "jsobj.tsh"},
    {JavaKeywordTable, javaKeywordLetterRanges, "jkey.tsh"},
};

// The letters whose range covers a position (ranges may overlap).
QString lettersAt(LetterRanges ranges, int position) {
    QString letters;
    for (int k = 0; k < int(ranges.size()); ++k)
        if (ranges[k].low >= 0 && ranges[k].low <= position && position <= ranges[k].high)
            letters += QChar('a' + k);
    return letters;
}

KeywordTables shipped() {
    KeywordTables t;
    t.loadAll(TestEnvironment::programFolder());
    return t;
}
}  // namespace

TEST(ShippedKeywordFiles, WordsAndLetterRangesAgree) {
    const KeywordTables t = shipped();
    for (const Layout& l : layouts) {
        const std::vector<QString>& entries = t.table(l.table);
        for (int i = 0; i < int(entries.size()); ++i) {
            const QString word = entries[i].trimmed();
            const QString letters = lettersAt(l.ranges, i);
            // Java has fewer keywords of some letters than its table has room for.
            if (word.isEmpty() && (letters.isEmpty() || l.table == JavaKeywordTable)) continue;
            ASSERT_FALSE(word.isEmpty()) << l.name << " position " << i;
            if (l.table == TagTable && !word[0].isLetter())
                EXPECT_TRUE(letters.isEmpty()) << l.name << " position " << i;
            else
                EXPECT_TRUE(letters.contains(word[0].toLower()))
                    << l.name << " position " << i << " holds " << word.toStdString();
        }
    }
}

TEST(ShippedKeywordFiles, TagsAreSortedLowerCaseAndCloseAsHtmlSays) {
    const KeywordTables t = shipped();
    const std::vector<QString>& tags = t.tagTable();
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
        EXPECT_FALSE(t.tooltipTable()[i].trimmed().isEmpty()) << i;
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
    const KeywordTables t = shipped();
    int classes = 0;
    for (const QString& name : t.javaClassTable()) classes += !name.trimmed().isEmpty();
    ASSERT_GT(classes, 1000);
    for (int i = 0; i < classes; ++i) {
        const QStringList packages = t.javaPackagesOfClass(i);
        ASSERT_FALSE(packages.isEmpty()) << i;
        for (const QString& p : packages) EXPECT_FALSE(p.isEmpty()) << i;
    }
    EXPECT_TRUE(t.javaPackagesOfClass(classes).isEmpty());
}
