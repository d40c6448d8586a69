#include <gtest/gtest.h>

#include <cfloat>
#include <utility>

#include "app/pause_seconds.h"

TEST(PauseSeconds, DecimalNumbersAsTypedIncludingZeroNegativeAndExtremes) {
    const std::pair<const char*, float> cases[] = {
        {"1", 1.0f}, {"0.5", 0.5f}, {".25", 0.25f}, {"2.", 2.0f}, {"  3 ", 3.0f}, {"+1.5", 1.5f}, {"1e-1", 0.1f},
        {"15E1", 150.0f}, {"0", 0.0f}, {"-0.5", -0.5f}, {"1e400", FLT_MAX}, {"1e-400", 0.0f}};
    for (auto [text, expected] : cases) {
        float seconds = -12345.0f;
        EXPECT_TRUE(ParsePauseSeconds(text, seconds)) << '"' << text << '"';
        EXPECT_FLOAT_EQ(seconds, expected) << '"' << text << '"';
    }
}

TEST(PauseSeconds, AnythingElseIsRefusedAndLeavesTheValueAlone) {
    for (const char* text : {"", "   ", "abc", "1,5", "1 2", "1.2.3", ".", "-", "e5", "1e", "1e+", "inf", "nan",
                             "0x10", "1s", "--1", "5%"}) {
        float seconds = 7.0f;
        EXPECT_FALSE(ParsePauseSeconds(text, seconds)) << '"' << text << '"';
        EXPECT_EQ(seconds, 7.0f) << '"' << text << '"';
    }
}
