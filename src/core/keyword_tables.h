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

class KeywordTables {
public:
    // Loads every table from the program folder in start-up order. Throws std::runtime_error
    // naming the file on a missing or unreadable file, or on more items than a table holds.
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
    const std::vector<QString>& tagTable() const;
    const std::vector<QString>& tooltipTable() const;
    const std::vector<QString>& javaClassTable() const;
    const std::vector<QString>& javaPackageTable() const;
    bool closingTag(int position) const;
};
