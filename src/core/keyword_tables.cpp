#include "core/keyword_tables.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <stdexcept>

#include "core/closing_tags.h"
#include "core/delimited_reader.h"
#include "core/keyword_letter_ranges.h"

namespace {
struct TableLayout {
    KeywordTableId id;
    const char* file;
    int capacity;
    int width;
};

// In the order start-up loads them.
constexpr TableLayout layouts[] = {
    {TagTable, "tag.tsh", 111, 15},
    {TooltipTable, "tooltiphtml.tsh", 111, 28},
    {VbKeywordTable, "vbkey.tsh", 49, 11},
    {VbObjectTable, "vbobj.tsh", 101, 26},
    {JsKeywordTable, "jskey.tsh", 56, 14},
    {JsObjectTable, "jsobj.tsh", 40, 12},
    {JavaClassTable, "jobj.tsh", 1846, 38},
    {JavaKeywordTable, "jkey.tsh", 57, 14},
    {JavaPackageTable, "jpack.tsh", 101, 40},
};

QString trimBlanks(const QString& s) {
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && s[from] == QLatin1Char(' ')) ++from;
    while (to > from && s[to - 1] == QLatin1Char(' ')) --to;
    return s.mid(from, to - from);
}

QString fitToWidth(const QString& item, int width) {
    return item.left(width).leftJustified(width, QLatin1Char(' '));
}

QString readDataFile(const QString& folder, const char* name) {
    QFile file(QDir(folder).filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(std::string("cannot read ") + name);
    return QString::fromUtf8(file.readAll());
}

QStringList readItems(const QString& folder, const TableLayout& layout) {
    QStringList items = readDelimitedItems(readDataFile(folder, layout.file));
    if (items.size() > layout.capacity)
        throw std::runtime_error(std::string(layout.file) + " holds more than " +
                                 std::to_string(layout.capacity) + " items");
    return items;
}

// How a search compares the typed word with the table's entries.
enum class Compare {
    Exact,        // trimmed entry with trimmed word
    LowerWord,    // trimmed entry with the lower-cased word: an entry with a capital never matches
    IgnoreCase,   // both lower-cased
};
}  // namespace

struct LookupRule {
    KeywordTableId table;
    LetterRanges ranges;
    Compare compare;
    bool letterAsTyped;  // otherwise the initial letter is lower-cased before choosing its range
};

namespace {
const LookupRule tagRule{TagTable, tagLetterRanges, Compare::LowerWord, false};
const LookupRule vbKeywordRule{VbKeywordTable, vbKeywordLetterRanges, Compare::IgnoreCase, false};
const LookupRule vbObjectRule{VbObjectTable, vbObjectLetterRanges, Compare::IgnoreCase, false};
const LookupRule jsKeywordRule{JsKeywordTable, jsKeywordLetterRanges, Compare::LowerWord, true};
const LookupRule jsObjectRule{JsObjectTable, jsObjectLetterRanges, Compare::Exact, false};
const LookupRule javaKeywordRule{JavaKeywordTable, javaKeywordLetterRanges, Compare::Exact, false};
const LookupRule javaClassRule{JavaClassTable, {}, Compare::Exact, false};
}  // namespace

KeywordTables::KeywordTables() {
    for (const TableLayout& layout : layouts) {
        Table& t = tables_[layout.id];
        t.entries.assign(layout.capacity, QString(layout.width, QLatin1Char(' ')));
        t.trimmed.assign(layout.capacity, QString());
        t.folded.assign(layout.capacity, QString());
    }
}

void KeywordTables::loadAll(const QString& programFolder) {
    KeywordTables loaded;
    for (const TableLayout& layout : layouts) {
        const QStringList items = readItems(programFolder, layout);
        Table& t = loaded.tables_[layout.id];
        for (qsizetype i = 0; i < items.size(); ++i) {
            t.entries[i] = fitToWidth(items[i], layout.width);
            t.trimmed[i] = trimBlanks(t.entries[i]);
            t.folded[i] = t.trimmed[i].toLower();
        }
    }
    loaded.computeJavaClassRanges();
    loaded.readJavaClassPackages(programFolder);
    tables_ = std::move(loaded.tables_);
    javaClassRanges_ = loaded.javaClassRanges_;
    javaClassPackages_ = std::move(loaded.javaClassPackages_);
}

// One line per class: the package positions, blank-separated.
void KeywordTables::readJavaClassPackages(const QString& programFolder) {
    constexpr const char* file = "jclspack.tsh";
    const int packageCount = int(std::count_if(tables_[JavaPackageTable].trimmed.begin(),
                                               tables_[JavaPackageTable].trimmed.end(),
                                               [](const QString& p) { return !p.isEmpty(); }));
    javaClassPackages_.clear();
    for (const QString& line : readDataFile(programFolder, file).split(QLatin1Char('\n'))) {
        const QStringList cells = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (cells.isEmpty()) continue;
        std::array<short, javaPackagesPerClass> row;
        row.fill(-1);
        for (int i = 0; i < int(cells.size()); ++i) {
            bool ok = false;
            const int p = cells[i].toInt(&ok);
            if (!ok || p < 0 || p >= packageCount || i >= javaPackagesPerClass)
                throw std::runtime_error(std::string(file) + " holds a line that is not package positions");
            row[i] = short(p);
        }
        javaClassPackages_.push_back(row);
    }
}

void KeywordTables::computeJavaClassRanges() {
    javaClassRanges_ = {};
    const std::vector<QString>& names = tables_[JavaClassTable].trimmed;
    for (int i = 0; i < int(names.size()); ++i) {
        const QString& name = names[i];
        if (name.size() < 2) continue;
        const int group = name[0].unicode() - 'A';
        const char16_t second = name[1].toLower().unicode();
        if (group < 0 || group >= 26 || second >= 128) continue;
        Range& r = javaClassRanges_[group][second];
        if (r.low < 0) r.low = short(i);
        r.high = short(i);
    }
}

int KeywordTables::search(const LookupRule& rule, const QString& word, Range range) const {
    const Table& t = tables_[rule.table];
    const QString wanted = rule.compare == Compare::Exact ? trimBlanks(word)
                                                          : trimBlanks(word).toLower();
    const std::vector<QString>& column = rule.compare == Compare::IgnoreCase ? t.folded
                                                                             : t.trimmed;
    const int high = std::min<int>(range.high, int(column.size()) - 1);
    for (int i = range.low; i <= high; ++i)
        if (!column[i].isEmpty() && column[i] == wanted) return i;
    return -1;
}

int KeywordTables::lookup(const LookupRule& rule, const QString& word) const {
    if (word.isEmpty()) return -1;
    const QChar first = rule.letterAsTyped ? word[0] : word[0].toLower();
    const int k = int(first.unicode()) - 'a';
    if (k < 0 || k >= int(rule.ranges.size())) return -1;
    const Range range = rule.ranges[k];
    if (range.low < 0) return -1;
    return search(rule, word, range);
}

bool KeywordTables::IsTag(const QString& word) {
    const int at = lookup(tagRule, word);
    if (at < 0) return false;
    results.foundTagCloses = closingTag(at);
    results.foundTagTooltip = tables_[TooltipTable].entries[at];
    return true;
}

bool KeywordTables::IsVbKeyword(const QString& word) {
    const int at = lookup(vbKeywordRule, word);
    if (at < 0) return false;
    results.foundVbKeyword = tables_[VbKeywordTable].entries[at];
    return true;
}

bool KeywordTables::IsVbObject(const QString& word) {
    const int at = lookup(vbObjectRule, word);
    if (at < 0) return false;
    results.foundVbObject = tables_[VbObjectTable].entries[at];
    return true;
}

bool KeywordTables::IsJsKeyword(const QString& word) { return lookup(jsKeywordRule, word) >= 0; }

bool KeywordTables::IsJsObject(const QString& word) { return lookup(jsObjectRule, word) >= 0; }

bool KeywordTables::IsJavaKeyword(const QString& word) {
    return lookup(javaKeywordRule, word) >= 0;
}

bool KeywordTables::IsJavaClass(const QString& word) {
    if (word.size() < 3) return false;
    const int group = int(word[0].unicode()) + 32 - 'a';
    const char16_t second = word[1].toLower().unicode();
    if (group < 0 || group >= 26 || second >= 128) return false;
    const Range range = javaClassRanges_[group][second];
    if (range.low < 0) return false;
    const int at = search(javaClassRule, word, range);
    if (at < 0) return false;
    results.foundJavaClassIndex = short(at);
    return true;
}

bool KeywordTables::closingTag(int position) const {
    return position >= 0 && position < int(closingTagFlags.size()) && closingTagFlags[position];
}

QStringList KeywordTables::javaPackagesOfClass(int position) const {
    QStringList packages;
    if (position < 0 || position >= int(javaClassPackages_.size())) return packages;
    for (short p : javaClassPackages_[position])
        if (p >= 0) packages << tables_[JavaPackageTable].trimmed[p];
    return packages;
}
