#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstring>

#include "core/keyword_tables.h"
#include "support/test_environment.h"

namespace {
class ShippedTables : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        tables = new KeywordTables;
        tables->loadAll(TestEnvironment::programFolder());
    }
    static void TearDownTestSuite() { delete tables; }
    static KeywordTables* tables;
};
KeywordTables* ShippedTables::tables = nullptr;

void copyShippedFiles(const QString& to) {
    for (const char* name : {"tag.tsh", "tooltiphtml.tsh", "vbkey.tsh", "vbobj.tsh", "jskey.tsh",
                             "jsobj.tsh", "jobj.tsh", "jkey.tsh", "jpack.tsh", "jclspack.tsh"})
        QFile::copy(TestEnvironment::programFolder() + "/" + name, to + "/" + name);
}

void writeFile(const QString& path, const QByteArray& text) {
    QFile::remove(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

// The shipped tables with one file replaced.
KeywordTables loadedWith(const char* name, const QByteArray& text) {
    QTemporaryDir dir;
    copyShippedFiles(dir.path());
    writeFile(dir.filePath(name), text);
    KeywordTables t;
    t.loadAll(dir.path());
    return t;
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
}  // namespace

TEST_F(ShippedTables, TagLookupLowerCasesAndReportsFlagAndTooltip) {
    EXPECT_TRUE(tables->IsTag("TABLE"));
    EXPECT_TRUE(tables->results.foundTagCloses);
    EXPECT_EQ(tables->results.foundTagTooltip.size(), 28);
    EXPECT_EQ(tables->results.foundTagTooltip.trimmed(), QStringLiteral("Table"));

    EXPECT_TRUE(tables->IsTag("br"));
    EXPECT_FALSE(tables->results.foundTagCloses);
    EXPECT_TRUE(tables->IsTag("Img"));
    EXPECT_FALSE(tables->results.foundTagCloses);
    EXPECT_TRUE(tables->IsTag("h1"));
    EXPECT_TRUE(tables->results.foundTagCloses);

    // A failed lookup leaves the previous results alone.
    EXPECT_FALSE(tables->IsTag("tablex"));
    EXPECT_TRUE(tables->results.foundTagCloses);
}

TEST_F(ShippedTables, TagLookupGivesFalseOutsideTheLetterRanges) {
    // Letters without a range, and every character outside a to x.
    for (const char* word : {"g", "gone", "j", "rt", "ruby", "y", "zone", "1st", "!--", "?xml",
                             "!doctype", "_a", " table", ""})
        EXPECT_FALSE(tables->IsTag(word)) << word;
    // The unsearched positions hold entries, shown only in the completion list.
    EXPECT_EQ(tables->tagTable()[61].trimmed(), QStringLiteral("!doctype"));
    EXPECT_EQ(tables->tagTable()[0].size(), 15);
}

TEST_F(ShippedTables, LookupsFollowTheirCaseRulesAndGiveTheTableSpelling) {
    using Lookup = bool (KeywordTables::*)(const QString&);
    const struct {
        Lookup lookup;
        const char* word;
        bool found;
        QString LookupResults::*spelling;  // the table's own spelling, when found
        const char* spelled;
    } rows[] = {
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
        EXPECT_EQ((tables->*row.lookup)(QString::fromLatin1(row.word)), row.found) << row.word;
        if (row.spelling)
            EXPECT_EQ((tables->results.*row.spelling).left(int(strlen(row.spelled))), row.spelled)
                << row.word;
    }
    EXPECT_EQ(tables->results.foundVbObject.size(), 26);
}

TEST_F(ShippedTables, JavaClassLookupUsesFirstTwoLetters) {
    ASSERT_TRUE(tables->IsJavaClass("String"));
    const int string = tables->results.foundJavaClassIndex;
    EXPECT_EQ(tables->javaClassTable()[string].trimmed(), QStringLiteral("String"));
    EXPECT_EQ(tables->javaPackagesOfClass(string), QStringList({"java.lang"}));

    ASSERT_TRUE(tables->IsJavaClass("JButton"));
    EXPECT_EQ(tables->javaPackagesOfClass(tables->results.foundJavaClassIndex),
              QStringList({"javax.swing"}));

    ASSERT_TRUE(tables->IsJavaClass("List"));
    EXPECT_EQ(tables->javaPackagesOfClass(tables->results.foundJavaClassIndex),
              QStringList({"java.awt", "java.util"}));
    ASSERT_TRUE(tables->IsJavaClass("Timer"));
    EXPECT_EQ(tables->javaPackagesOfClass(tables->results.foundJavaClassIndex).size(), 2);

    for (const char* word : {"string", "STring", "Strin", "Xy", "", "JBUTTON", "Ünicode"})
        EXPECT_FALSE(tables->IsJavaClass(word)) << word;
    // The second letter is compared lower-cased when choosing the range, exactly when searching.
    EXPECT_TRUE(tables->IsJavaClass("AWTEvent"));
}

TEST(KeywordFiles, ItemsAreFittedToTheTable) {
    // Fewer items leave blank positions that never match.
    KeywordTables t = loadedWith("vbkey.tsh", "And\r\n");
    EXPECT_TRUE(t.IsVbKeyword("and"));
    EXPECT_FALSE(t.IsVbKeyword("dim"));
    EXPECT_EQ(t.table(VbKeywordTable)[5], QString(11, ' '));
    // Longer items are cut to the width.
    t = loadedWith("jsobj.tsh", "ActiveXObject,Boolean");
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
    writeFile(dir.filePath("jskey.tsh"), tooMany);
    EXPECT_NE(loadError(dir.path()).find("jskey.tsh"), std::string::npos);

    QFile::remove(dir.filePath("jskey.tsh"));
    copyShippedFiles(dir.path());  // copies only what is missing
    writeFile(dir.filePath("jclspack.tsh"), "53\r\n65\r\n");  // past the package table
    EXPECT_NE(loadError(dir.path()).find("jclspack.tsh"), std::string::npos);

    EXPECT_THROW(t.loadAll(dir.path()), std::runtime_error);
    EXPECT_TRUE(t.IsJsKeyword("while")) << "a failed load changes nothing";
    EXPECT_EQ(t.javaPackagesOfClass(0).size(), 1);
}
