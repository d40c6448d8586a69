#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "app/pause_seconds.h"

namespace {

// The pause the tick would wait, or NAN when it would refuse the text.
float Pause(const std::string& text) {
    float seconds = -12345.0f;
    return ParsePauseSeconds(text, seconds) ? seconds : NAN;
}

}  // namespace

TEST(PauseSeconds, DecimalNumbersAsTyped) {
    EXPECT_FLOAT_EQ(Pause("1"), 1.0f);
    EXPECT_FLOAT_EQ(Pause("0.5"), 0.5f);
    EXPECT_FLOAT_EQ(Pause(".25"), 0.25f);
    EXPECT_FLOAT_EQ(Pause("2."), 2.0f);
    EXPECT_FLOAT_EQ(Pause("  3 "), 3.0f);
    EXPECT_FLOAT_EQ(Pause("+1.5"), 1.5f);
    EXPECT_FLOAT_EQ(Pause("1e-1"), 0.1f);
    EXPECT_FLOAT_EQ(Pause("15E1"), 150.0f);
}

TEST(PauseSeconds, ZeroAndNegativeAreNumbers) {
    EXPECT_FLOAT_EQ(Pause("0"), 0.0f);
    EXPECT_FLOAT_EQ(Pause("-2"), -2.0f);
    EXPECT_FLOAT_EQ(Pause("-0.5"), -0.5f);
}

TEST(PauseSeconds, ExtremesStayUsable) {
    EXPECT_FLOAT_EQ(Pause("1e400"), FLT_MAX);      // the longest wait, not an error
    EXPECT_FLOAT_EQ(Pause("1e-400"), 0.0f);        // no wait at all
    EXPECT_FLOAT_EQ(Pause("99999999999999999999999999999999999999999"), FLT_MAX);
}

TEST(PauseSeconds, AnythingElseIsRefusedAndLeavesTheValueAlone) {
    for (const char* text : {"", "   ", "abc", "1,5", "1 2", "1.2.3", ".", "-", "+", "e5", "1e", "1e+",
                             "inf", "nan", "0x10", "1s", "one", "--1", "\t", "5%"}) {
        float seconds = 7.0f;
        EXPECT_FALSE(ParsePauseSeconds(text, seconds)) << '"' << text << '"';
        EXPECT_EQ(seconds, 7.0f) << '"' << text << '"';
    }
}
