#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/dialogs.h"
#include "platform/hunspell_engine.h"

TEST(ProgramFilter, PairsBecomeQtFilters) {
    EXPECT_EQ(qtFilterFromProgramFilter("HTML(*.html)|*.html|All files(*.*)|*.*"),
              QStringLiteral("HTML(*.html) (*.html);;All files(*.*) (*.*)"));
    EXPECT_EQ(qtFilterFromProgramFilter("Web pages|*.htm;*.html"),
              QStringLiteral("Web pages (*.htm *.html)"));
    EXPECT_EQ(qtFilterFromProgramFilter("Text|*.txt|Dangling"), QStringLiteral("Text (*.txt)"));
    EXPECT_EQ(qtFilterFromProgramFilter(""), QString());
}

TEST(HunspellEngine, ChecksAndSuggestsWithTheDictionary) {
    HunspellEngine engine;
    ASSERT_TRUE(engine.available());
    EXPECT_TRUE(engine.CheckSpelling("Star"));
    EXPECT_TRUE(engine.CheckSpelling("colour") || engine.CheckSpelling("color"));
    EXPECT_FALSE(engine.CheckSpelling("sppelling"));
    EXPECT_TRUE(engine.suggestions("sppelling").contains("spelling"));
}

TEST(HunspellEngine, UnavailableWithoutDictionaryAndChecksThrow) {
    QTemporaryDir empty;
    qputenv("TESSAVEL_DICT_DIR", empty.path().toUtf8());
    HunspellEngine engine;
    qunsetenv("TESSAVEL_DICT_DIR");
    EXPECT_FALSE(engine.available());
    EXPECT_THROW(engine.CheckSpelling("Star"), std::runtime_error);
    EXPECT_THROW(engine.suggestions("Star"), std::runtime_error);
}
