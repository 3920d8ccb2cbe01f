// The HTML Tags menu rows and the commands behind them.
#include "tag_test_fixture.h"

#include <map>

TEST_F(TagTest, EveryMenuItemHasItsCommandAndEverySubmenuItsItems) {
    std::map<QString, int> itemsPerMenu;
    for (const CommandRow& row : commands.menuRows()) {
        ++itemsPerMenu[row.parent];
        if (!row.submenu) EXPECT_TRUE(commands.has(row.name)) << row.name.toStdString();
    }
    const std::map<QString, int> expected = {
        {"httg", 9},  {"docTag", 7},  {"comnt", 4}, {"object", 9},  {"anchor", 6},
        {"meta", 10}, {"head", 6},    {"text", 14}, {"table", 12},  {"form1", 12},
        {"Formatt", 5}, {"Allign", 3}};
    EXPECT_EQ(itemsPerMenu, expected);
    for (const char* name : {"Form2", "wiz", "tablew", "listw", "pall", "pafter", "pbefore",
                             "psel"})
        EXPECT_TRUE(commands.has(QString::fromLatin1(name))) << name;
}
