#include <gtest/gtest.h>

#include <optional>

#include "link/pause_seconds.h"

TEST(PauseSeconds, ReadsDecimalSecondsAsTypedAndRefusesAnythingElseLeavingTheValueAlone) {
    const struct { const char* text; std::optional<float> seconds; } cases[] = {
        {"1", 1.0f}, {"0.5", 0.5f}, {".25", 0.25f}, {"2.", 2.0f}, {"  3 ", 3.0f}, {"+1.5", 1.5f}, {"1e-1", 0.1f},
        {"15E1", 150.0f}, {"-0.5", -0.5f}, {"86400", 86400.0f}, {"86400.5", {}}, {"1e400", {}}, {"1e-400", 0.0f},
        {"", {}}, {"   ", {}}, {"abc", {}}, {"1,5", {}}, {"1 2", {}}, {"1.2.3", {}}, {".", {}}, {"-", {}},
        {"1e", {}}, {"inf", {}}, {"nan", {}}, {"0x10", {}}, {"--1", {}}, {"5%", {}}};
    for (auto [text, expected] : cases) {
        float seconds = 7.0f;  // what a refused text must leave alone
        EXPECT_EQ(ParsePauseSeconds(text, seconds), expected.has_value()) << '"' << text << '"';
        EXPECT_FLOAT_EQ(seconds, expected.value_or(7.0f)) << '"' << text << '"';
    }
}
