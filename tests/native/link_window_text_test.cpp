#include "link/window_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(NoCaseComparison, AnsiCapitalsFoldWholeOrContained) {
    // Accented capitals of Windows-1252 fold too, in UTF-8 titles; × and ÷ are no pair; other scripts, and
    // bytes that are not UTF-8, stay.
    EXPECT_EQ(LowerAnsi("ÄRZTE ÉTÉ ŠŒŽŸ × Λ \x95 1!Z"), "ärzte été šœžÿ × Λ \x95 1!z");
    EXPECT_TRUE(ContainsNoCase("CAFÉ ☕ Λέσχη Poetry", "é ☕ Λέσχη pOE"));
}

TEST(WideCopySafeBuffer, AWideCopyStopsInsideTheBufferAfterTheWholeText) {
    for (const std::string& text : {""s, "{"s, "{\\rtf1 x}"s, "{\\rtf1 xy}"s, "{\\rtf1\\ansi \x95 hi\\par}"s}) {
        const std::string buffer = WideCopySafeBuffer(text);
        std::size_t copied = 0;  // 16-bit units, up to the first zero unit
        while (copied + 1 < buffer.size() && (buffer[copied] || buffer[copied + 1])) copied += 2;
        EXPECT_LT(copied + 1, buffer.size()) << text;
        EXPECT_GE(copied, text.size()) << text;
        // StripNull gives the text back, in its result and in place.
        std::string readBack = buffer + "trailing";
        EXPECT_EQ(StripNull(readBack), text);
        EXPECT_EQ(readBack, text);
    }
}
