#include "link/window_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(StripNull, CutsAtTheFirstNulAndStoresTheCutBack) {
    std::string buffer = "Lobby\0garbage\0"s;
    EXPECT_EQ(StripNull(buffer), "Lobby");
    EXPECT_EQ(buffer, "Lobby");

    std::string plain = "Poetry Corner";
    EXPECT_EQ(StripNull(plain), "Poetry Corner");
    EXPECT_EQ(plain, "Poetry Corner");

    std::string leading = "\0Lobby"s;
    EXPECT_EQ(StripNull(leading), "");

    // A name buffer as the window calls fill it: text, then zeros to the end.
    std::string nameBuffer(255, '\0');
    nameBuffer.replace(0, 16, "SplitterWindowEx");
    EXPECT_EQ(StripNull(nameBuffer), "SplitterWindowEx");
}

TEST(NoCaseComparison, ClassNamesAndTitlesMatchWhateverTheirCase) {
    EXPECT_TRUE(EqualsNoCase("DlgGroupChat Window Class", "dlggroupchat window class"));
    EXPECT_TRUE(EqualsNoCase("LOBBY", "lobby"));
    EXPECT_FALSE(EqualsNoCase("Lobby", "Lobby 2"));
    EXPECT_FALSE(EqualsNoCase("Lobby", "Lobb"));
    EXPECT_TRUE(EqualsNoCase("", ""));
    // Accented capitals of the ANSI code page fold as well.
    EXPECT_TRUE(EqualsNoCase("\xC4RZTE \xC9T\xC9", "\xE4rzte \xE9t\xE9"));      // ÄRZTE ÉTÉ
    EXPECT_TRUE(EqualsNoCase("\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"));          // ŠŒŽŸ
    // The multiplication and division signs are not a letter pair.
    EXPECT_FALSE(EqualsNoCase("\xD7", "\xF7"));
    // Bullets, digits and punctuation are left as they are.
    EXPECT_EQ(LowerAnsi("A\x95" "1!Z"), "a\x95" "1!z");
}

TEST(NoCaseComparison, ContainmentFindsPartsOfTitles) {
    EXPECT_TRUE(ContainsNoCase("Poetry Corner", "poetry"));
    EXPECT_TRUE(ContainsNoCase("Poetry Corner", "TRY COR"));
    EXPECT_TRUE(ContainsNoCase("Poetry Corner", "Poetry Corner"));
    EXPECT_FALSE(ContainsNoCase("Poetry Corner", "Poetry Corner 2"));
    EXPECT_FALSE(ContainsNoCase("Lobby", "Poetry"));
    EXPECT_TRUE(ContainsNoCase("Lobby", ""));
    EXPECT_FALSE(ContainsNoCase("", "Lobby"));
}

// Reads the buffer the way a wide-character copy does: 16-bit units from the
// start until the first zero unit; returns how many bytes it takes.
std::size_t WideCopyLength(const std::string& buffer) {
    for (std::size_t at = 0; at + 1 < buffer.size(); at += 2) {
        if (buffer[at] == '\0' && buffer[at + 1] == '\0') return at + 2;
    }
    return std::string::npos;  // would run past the end
}

TEST(WideCopySafeBuffer, AWideCopyStopsInsideTheBufferAndKeepsTheText) {
    for (const std::string& text : {""s, "{"s, "{\\rtf1 x}"s, "{\\rtf1 xy}"s, "{\\rtf1\\ansi \x95 hi\\par}"s}) {
        const std::string buffer = WideCopySafeBuffer(text);
        const std::size_t copied = WideCopyLength(buffer);
        ASSERT_NE(copied, std::string::npos) << text;
        EXPECT_LE(copied, buffer.size()) << text;
        // Everything of the text travels, and the receiver finds its end.
        EXPECT_GE(copied, text.size() + 1) << text;
        EXPECT_EQ(buffer.substr(0, text.size()), text);
        std::string readBack = buffer;
        EXPECT_EQ(StripNull(readBack), text);
    }
}

}  // namespace
