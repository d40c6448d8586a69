// The art design fade schedule and the Art Designs tab's text rules, checked
// on the colours a user sees on each character and the names and lines the tab
// works with.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "designs/art_fade.h"
#include "designs/art_text.h"

namespace {

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return r + 256 * g + 65536 * b; }
std::uint32_t Red(std::uint32_t color) { return color & 0xFF; }

// Expands runs back into one colour per character, checking on the way that
// they cover the design in order without gaps.
std::vector<std::uint32_t> Expand(const std::vector<ArtFadeRun>& runs) {
    std::vector<std::uint32_t> colors;
    for (const ArtFadeRun& run : runs) {
        EXPECT_EQ(run.start, static_cast<long>(colors.size())) << "runs must follow each other";
        EXPECT_GE(run.length, 1);
        colors.insert(colors.end(), static_cast<std::size_t>(run.length), run.color);
    }
    return colors;
}

}  // namespace

TEST(ArtFadeSchedule, ShortDesignsStepOnceEveryCharacterFromTheStartColour) {
    // Black to the red of value 100 over 5 characters: step round(100 / 5) = 20.
    EXPECT_EQ(ArtFadeColors(0, 100, 5), (std::vector<std::uint32_t>{0, 20, 40, 60, 80}));
    // Two characters, black to red 255: step round(127.5) = 128, the even neighbour.
    EXPECT_EQ(ArtFadeColors(0, 255, 2), (std::vector<std::uint32_t>{0, 128}));
    // Every channel steps on its own: white to blue over 3 characters.
    // red and green: round(-255 / 3) = -85; blue stays.
    EXPECT_EQ(ArtFadeColors(0xFFFFFF, 0xFF0000, 3),
              (std::vector<std::uint32_t>{Rgb(255, 255, 255), Rgb(170, 170, 255), Rgb(85, 85, 255)}));
    // 21 characters is still the linear case: 0, 12, 24, ... (round(255 / 21) = 12).
    const auto linear = ArtFadeColors(0, 255, 21);
    ASSERT_EQ(linear.size(), 21u);
    for (std::size_t i = 0; i < linear.size(); ++i) EXPECT_EQ(linear[i], 12 * i) << "character " << i;
}

TEST(ArtFadeSchedule, ChannelsOutsideTheirRangeShowAtTheNearestEnd) {
    // Overshooting downwards on a short design: round(-3 / 5) = -1 gives 3, 2, 1, 0, -1;
    // the channel below 0 shows as 0.
    EXPECT_EQ(ArtFadeColors(3, 0, 5), (std::vector<std::uint32_t>{3, 2, 1, 0, 0}));
    // A long design creeps towards end + 15: from red 250 to red 250 the first change
    // adds round(15 / 22 * 9) = 6, giving 256, which shows as 255.
    const auto colors = ArtFadeColors(250, 250, 22);
    ASSERT_EQ(colors.size(), 22u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(colors[i], 250u);
    for (std::size_t i = 4; i < 22; ++i) EXPECT_EQ(Red(colors[i]), 255u) << "character " << i;
}

TEST(ArtFadeSchedule, SystemColoursSplitByTheDigitsOfTheirHexForm) {
    // 8000000F is written with eight digits: red "0F", green "00", blue "80".
    const std::int32_t systemColor = static_cast<std::int32_t>(0x8000000Fu);
    EXPECT_EQ(ArtFadeColors(systemColor, systemColor, 1), (std::vector<std::uint32_t>{Rgb(15, 0, 128)}));
}

TEST(ArtFadeSchedule, LongDesignsHoldEachColourForARun) {
    // 22 characters of black faded to black (n / 20 + 1 = 2.1): runs of four. Each
    // change adds round((0 - current + 15) / 22 * 9) to every channel: 6, 4, 2, 1, 1.
    const std::vector<ArtFadeRun> runs = ArtFadeRuns(0, 0, 22);
    ASSERT_EQ(runs.size(), 6u);
    const std::uint32_t grey[] = {0, 6, 10, 12, 13, 14};
    for (std::size_t k = 0; k < runs.size(); ++k) {
        EXPECT_EQ(runs[k].start, static_cast<long>(4 * k));
        EXPECT_EQ(runs[k].length, k + 1 < runs.size() ? 4 : 2);
        EXPECT_EQ(runs[k].color, Rgb(grey[k], grey[k], grey[k])) << "run " << k;
    }
    // Equal start and end colours still change: blue gains 6 per channel at the
    // first change, its own channel showing as 255.
    EXPECT_EQ(ArtFadeColors(0xFF0000, 0xFF0000, 22)[4], Rgb(6, 6, 255));

    // The run length is ceil(n / 20) + 2 wherever the colour still moves.
    for (long n : {40L, 41L, 60L, 61L, 100L, 400L}) {
        const long expected = (n + 19) / 20 + 2;
        const std::vector<ArtFadeRun> r = ArtFadeRuns(0, 0xFFFFFF, n);
        ASSERT_GE(r.size(), 3u) << "n = " << n;
        EXPECT_EQ(r[0].color, 0u) << "the first run has the start colour";
        for (std::size_t k = 0; k + 1 < r.size(); ++k) EXPECT_EQ(r[k].length, expected) << "n = " << n << " run " << k;
        EXPECT_LE(r.back().length, expected);
    }
}

TEST(ArtFadeSchedule, ChannelsCreepTowardsTheEndPlus15WithoutPassingIt) {
    std::uint32_t previous = 0;
    for (std::uint32_t c : ArtFadeColors(0, 100, 100)) {
        EXPECT_GE(Red(c), previous);
        EXPECT_LE(Red(c), 115u);
        EXPECT_LE((c >> 8) & 0xFF, 15u) << "green creeps towards 0 + 15";
        EXPECT_LE(c >> 16, 15u) << "blue too";
        previous = Red(c);
    }
    for (std::uint32_t c : ArtFadeColors(255, 0, 100)) EXPECT_GE(Red(c), 15u) << "downwards too";

    // On a long design the step soon rounds to 0 and the colour stops: over 2000
    // characters red moves by round(115 * 9 / 2000) = 1 four times, then
    // round(111 * 9 / 2000) = 0 holds it at 4 to the end. Runs are 102 long.
    const std::vector<ArtFadeRun> runs = ArtFadeRuns(0, 100, 2000);
    ASSERT_EQ(runs.size(), 5u);
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(runs[k].start, static_cast<long>(102 * k));
        EXPECT_EQ(runs[k].color, k);
    }
    EXPECT_EQ(runs[4].length, 2000 - 408);
}

TEST(ArtFadeSchedule, RunsAreMaximalAndMatchTheCharacterColours) {
    for (long n : {1L, 2L, 7L, 21L, 22L, 23L, 99L, 8198L}) {
        for (auto [from, to] : {std::pair<std::int32_t, std::int32_t>{0, 100}, {0xFF, 0xFF0000}, {0x404040, 0x404040},
                                {0xFFFFFF, 0}}) {
            const std::vector<ArtFadeRun> runs = ArtFadeRuns(from, to, n);
            EXPECT_EQ(Expand(runs), ArtFadeColors(from, to, n)) << "n = " << n;
            for (std::size_t k = 1; k < runs.size(); ++k)
                EXPECT_NE(runs[k].color, runs[k - 1].color) << "neighbouring runs of one colour must be one run";
        }
    }
    // A long design needs only a few format changes: 8198 characters fade in
    // runs of 412, so at most 20 runs however the colours move.
    EXPECT_LE(ArtFadeRuns(0, 0xFFFFFF, 8198).size(), 20u);
}

TEST(ArtFadeSchedule, AnEmptyDesignHasNoColours) {
    EXPECT_TRUE(ArtFadeColors(0, 255, 0).empty());
    EXPECT_TRUE(ArtFadeRuns(0, 255, 0).empty());
}

TEST(ArtDesignNames, NamesThatCannotBeFileNamesAreRefused) {
    const std::string app = "C:\\Vivarto";
    for (const char* bad : {"a/b", "x:y", "a\\b", "what?", "star*", "say \"hi\"", "<tag>", "pipe|",
                            "con", "CON", "Con.txt", "nul", "prn ", "aux", "com1", "LPT9", "tab\there"})
        EXPECT_FALSE(IsUsableDesignName(app, bad)) << bad;
    for (const char* good : {"heart", "Smiley Face", "", "com10", "console", "lpt", "caf\xE9", "my.design", "  x"})
        EXPECT_TRUE(IsUsableDesignName(app, good)) << good;
    // The file name, ".rtf" included, holds at most 255 characters, and the path 259.
    EXPECT_TRUE(IsUsableDesignName(app, std::string(236, 'a')));
    EXPECT_FALSE(IsUsableDesignName(app, std::string(237, 'a')));
    EXPECT_FALSE(IsUsableDesignName(std::string(200, 'd'), std::string(60, 'a')));
    EXPECT_EQ(DesignFilePath(app, "heart"), "C:\\Vivarto\\Designs\\heart.rtf");
    EXPECT_EQ(DesignFilePath(app, ""), "C:\\Vivarto\\Designs\\.rtf");
}

TEST(ArtDesignLines, TheTextIsCutAtEachLineBreak) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitDesignLines("one\r\ntwo\r\nthree"), (Lines{"one", "two", "three"}));
    EXPECT_EQ(SplitDesignLines("one\r\n"), (Lines{"one", ""})) << "a last, empty line";
    EXPECT_EQ(SplitDesignLines("\r\n\r\n"), (Lines{"", "", ""}));
    EXPECT_EQ(SplitDesignLines("a\nb\rc"), (Lines{"a\nb\rc"})) << "only CR LF ends a line";
    EXPECT_TRUE(SplitDesignLines("").empty());
}
