#pragma once
// The keyword tables: fixed-capacity arrays of fixed-width strings filled from the .tsh files of
// the program folder at start-up, searched only within the range of one initial letter.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// What a successful lookup leaves for its caller to read right after it.
struct LookupResults {
    bool foundTagCloses = false;
    QString foundTagTooltip;   // 28 characters, blank-padded
    QString foundVbKeyword;    // 11 characters, the table's spelling
    QString foundVbObject;     // 26 characters
    short foundJavaClassIndex = 0;
};

// The tables filled from files, in the order start-up loads them.
enum KeywordTableId {
    TagTable,
    TooltipTable,
    VbKeywordTable,
    VbObjectTable,
    JsKeywordTable,
    JsObjectTable,
    JavaClassTable,
    JavaKeywordTable,
    JavaPackageTable,
    KeywordTableCount
};

struct LookupRule;

// A Java class is declared in at most this many packages of the package table.
constexpr int javaPackagesPerClass = 4;

class KeywordTables {
public:
    KeywordTables();

    // Loads every table from the program folder in start-up order, then the class-to-package
    // file. Throws std::runtime_error naming the file on a missing or unreadable file, on more
    // items than a table holds, or on a package position outside the package table.
    // The tables are left as they were when loading fails.
    void loadAll(const QString& programFolder);

    bool IsTag(const QString& word);
    bool IsVbKeyword(const QString& word);
    bool IsVbObject(const QString& word);
    bool IsJsKeyword(const QString& word);
    bool IsJsObject(const QString& word);
    bool IsJavaKeyword(const QString& word);
    bool IsJavaClass(const QString& word);

    LookupResults results;

    // Read access for the windows that list a table (completion list, tag tree, import help).
    // Entries are blank-padded to the table's width; unfilled positions are all blanks.
    const std::vector<QString>& table(KeywordTableId id) const { return tables_[id].entries; }
    const std::vector<QString>& tagTable() const { return table(TagTable); }
    const std::vector<QString>& tooltipTable() const { return table(TooltipTable); }
    const std::vector<QString>& javaClassTable() const { return table(JavaClassTable); }
    const std::vector<QString>& javaPackageTable() const { return table(JavaPackageTable); }
    // The built-in closing-tag flag of a tag-table position (false outside 0-109).
    bool closingTag(int position) const;
    // The packages (at most four) that declare the class at a class-table position.
    QStringList javaPackagesOfClass(int position) const;

    struct Range {
        short low = -1;
        short high = -1;
    };

private:
    struct Table {
        std::vector<QString> entries;  // as stored: cut or padded to the width
        std::vector<QString> trimmed;  // what the searches compare
        std::vector<QString> folded;   // trimmed and lower-cased, for the case-blind searches
    };

    int search(const LookupRule& rule, const QString& word, Range range) const;
    int lookup(const LookupRule& rule, const QString& word) const;
    void computeJavaClassRanges();
    void readJavaClassPackages(const QString& programFolder);

    std::array<Table, KeywordTableCount> tables_;
    // Class-table ranges by capital first letter and lower-cased second character.
    std::array<std::array<Range, 128>, 26> javaClassRanges_{};
    // Per class-table position, the package-table positions declaring it (-1 where fewer).
    std::vector<std::array<short, javaPackagesPerClass>> javaClassPackages_;
};
