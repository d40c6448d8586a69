#include <gtest/gtest.h>

#include "effects/nick_rule.h"

TEST(NickRule, ReplacesEveryPlaceholderLeftToRightCaseSensitiveEscapingRtf) {
    EXPECT_EQ(ApplyChosenNick("hi sn% and sn%!", "Bob"), "hi Bob and Bob!");
    EXPECT_EQ(ApplyChosenNick("SN% Sn% sn", "Bob"), "SN% Sn% sn");
    // Inserted text is not looked at again: a nick holding the placeholder stays.
    EXPECT_EQ(ApplyChosenNick("a sn% b", "xsn%"), "a xsn% b");
    // Overlapping candidates: the match resumes after the replaced piece.
    EXPECT_EQ(ApplyChosenNick("snsn%%", "X"), "snX%");
    // The "No Nick" caption leaves the text alone; an empty nick removes the placeholder.
    EXPECT_EQ(ApplyChosenNick("hi sn%", "No Nick"), "hi sn%");
    EXPECT_EQ(ApplyChosenNick("hi sn%", "no nick"), "hi no nick");
    EXPECT_EQ(ApplyChosenNick("hi sn%!", ""), "hi !");
    // RTF control characters in the nick are escaped.
    EXPECT_EQ(ApplyChosenNick("{\\rtf1 hi sn%\\par}", "a\\b{c}"), "{\\rtf1 hi a\\\\b\\{c\\}\\par}");
    EXPECT_EQ(ApplyChosenNick("hi sn%", "Zo\xC3\xAB\xF0\x9F\x98\x80"), "hi Zo\\u235?\\u-10179?\\u-8704?");
}
