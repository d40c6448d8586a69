#include <gtest/gtest.h>

#include "ui/line_list.h"

using Entries = std::vector<std::string>;

TEST(LineList, EveryEntryEndsWithCrLfAndAnyLineEndReadsBack) {
    const Entries entries{"Bob", "", "  lead blanks", "a, \"quoted\", b", "\x95\xAD\xFF"};
    EXPECT_EQ(FormatLineList(entries), "Bob\r\n\r\n  lead blanks\r\na, \"quoted\", b\r\n\x95\xAD\xFF\r\n");
    // Empty lines are entries, the last line end adds none, a lone CR or LF ends a line too.
    const std::pair<std::string, Entries> cases[] = {
        {FormatLineList(entries), entries}, {"", {}}, {"\r\n", {""}}, {"a\r\n\r\n", {"a", ""}}, {"a\r\nb", {"a", "b"}},
        {"a\nb\rc\r\n", {"a", "b", "c"}}, {"a\n\nb\n", {"a", "", "b"}}};
    for (const auto& [file, read] : cases) EXPECT_EQ(ParseLineList(file), read) << file;
}

TEST(ListFile, ReadAsWindows1252UnlessItIsUtf8AndSavedAsRead) {
    const std::string bom = "\xEF\xBB\xBF";
    const struct { std::string file; ListEncoding as; Entries entries; } cases[] = {
        {"caf\xE9\r\n\x80\x81\x95\r\nplain\r\n", ListEncoding::Windows1252,
         {"caf\xC3\xA9", "\xE2\x82\xAC\xC2\x81\xE2\x80\xA2", "plain"}},
        {"caf\xC3\xA9 \xF0\x9F\x98\x80\r\n", ListEncoding::Utf8, {"caf\xC3\xA9 \xF0\x9F\x98\x80"}},
        {bom + "caf\xC3\xA9\r\nx\r\n", ListEncoding::Utf8WithBom, {"caf\xC3\xA9", "x"}},
        {"", ListEncoding::Windows1252, {}},  // an emptied list saves as an empty file
        {std::string("a\r\nb\0c\r\n", 8), ListEncoding::Windows1252, {"a", std::string("b\0c", 3)}},  // NUL kept whole
    };
    for (const auto& c : cases) {
        const ListFile read = DecodeListFile(c.file);
        EXPECT_EQ(read.encoding, c.as) << c.file;
        EXPECT_EQ(read.entries, c.entries) << c.file;
        EXPECT_EQ(EncodeListFile(read.entries, read.encoding), c.file) << "saved unchanged";
    }
    EXPECT_EQ(DecodeListFile(bom + "bad \xE9").entries, Entries{"bad \xEF\xBF\xBD"});
    // A character Windows-1252 lacks makes it UTF-8 with the mark; others stay.
    EXPECT_EQ(EncodeListFile({"caf\xC3\xA9", "\xE2\x98\x95"}, ListEncoding::Windows1252), bom + "caf\xC3\xA9\r\n\xE2\x98\x95\r\n");
    EXPECT_EQ(EncodeListFile({"\xC3\x83\xC2\xA9"}, ListEncoding::Windows1252), bom + "\xC3\x83\xC2\xA9\r\n")
        << "1252 bytes that would read back as UTF-8";
}
