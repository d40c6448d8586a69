#include <gtest/gtest.h>

#include "ui/line_list.h"

using Entries = std::vector<std::string>;

TEST(LineList, EveryEntryEndsWithCrLfAndReadsBackTheSame) {
    Entries entries{"Bob", "", "  lead blanks", "a, \"quoted\", b", "\x95\xAD\xFF"};
    std::string file = FormatLineList(entries);
    EXPECT_EQ(file, "Bob\r\n\r\n  lead blanks\r\na, \"quoted\", b\r\n\x95\xAD\xFF\r\n");
    EXPECT_EQ(ParseLineList(file), entries);
}

TEST(LineList, EmptyLinesAreEntriesButTheLastLineEndAddsNone) {
    EXPECT_EQ(ParseLineList(""), Entries{});
    EXPECT_EQ(ParseLineList("\r\n"), Entries{""});
    EXPECT_EQ(ParseLineList("a\r\n\r\n"), (Entries{"a", ""}));
    EXPECT_EQ(ParseLineList("a\r\nb"), (Entries{"a", "b"}));  // no line end after the last
    EXPECT_EQ(FormatLineList({}), "");
}

TEST(LineList, LoneCrOrLfAlsoEndALine) {
    EXPECT_EQ(ParseLineList("a\nb\rc\r\n"), (Entries{"a", "b", "c"}));
    EXPECT_EQ(ParseLineList("a\n\nb\n"), (Entries{"a", "", "b"}));
}
