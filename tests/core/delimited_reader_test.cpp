#include <gtest/gtest.h>

#include "core/delimited_reader.h"

TEST(DelimitedReader, CommasAndLineEndsBothEndAnItem) {
    EXPECT_EQ(readDelimitedItems("a,b\r\nc\nd\re"), QStringList({"a", "b", "c", "d", "e"}));
    // One word per line and comma-separated words on one line read the same.
    EXPECT_EQ(readDelimitedItems("Dim\r\nDo\r\n"), readDelimitedItems("Dim,Do"));
    EXPECT_EQ(readDelimitedItems("a,,b"), QStringList({"a", "", "b"}));
    EXPECT_TRUE(readDelimitedItems("").isEmpty());
}

TEST(DelimitedReader, LeadingBlanksSkippedAndBlankLinesHoldNoItem) {
    EXPECT_EQ(readDelimitedItems("   table,\t td\r\n"), QStringList({"table", "td"}));
    EXPECT_EQ(readDelimitedItems("a\r\n\r\n   \r\nb\r\n\r\n"), QStringList({"a", "b"}));
    // A trailing comma does not make an extra item out of the line end after it.
    EXPECT_EQ(readDelimitedItems("a,\r\nb"), QStringList({"a", "b"}));
}

TEST(DelimitedReader, QuotedItemsKeepCommasAndLoseTheirQuotes) {
    EXPECT_EQ(readDelimitedItems("\"Head: title, meta\",next"),
              QStringList({"Head: title, meta", "next"}));
    EXPECT_EQ(readDelimitedItems("  \"  padded \"\r\n\"\"\r\nz"),
              QStringList({"  padded ", "", "z"}));
    // An unclosed quote runs to the end of the text.
    EXPECT_EQ(readDelimitedItems("\"open, never closed"), QStringList({"open, never closed"}));
}
