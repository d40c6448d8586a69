// The art fade schedule and the Art Designs tab's text rules: the colour each
// character gets, the names that can be files, the lines a design is sent in.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "designs/art_fade.h"
#include "designs/art_text.h"

using Colors = std::vector<std::uint32_t>;

TEST(ArtFadeSchedule, ShortDesignsStepEveryCharacterLongOnesRunAndCreep) {
    const struct {
        std::int32_t from, to;
        Colors expected;
    } cases[] = {
        {0, 100, {0, 20, 40, 60, 80}},                             // step round(100 / 5)
        {0, 255, {0, 128}},                                        // round(127.5): the even neighbour
        {0xFFFFFF, 0xFF0000, {0xFFFFFF, 0xFFAAAA, 0xFF5555}},      // each channel on its own
        {3, 0, {3, 2, 1, 0, 0}},                                   // below 0 shows as 0
    };
    for (const auto& c : cases)
        EXPECT_EQ(ArtFadeColors(c.from, c.to, static_cast<long>(c.expected.size())), c.expected) << c.from;
    EXPECT_EQ(ArtFadeColors(0, 255, 21).at(20), 240u);  // still linear at 21: 20 steps of round(255 / 21)

    // Longer: 22 characters, black to black: runs of 4, each change adding
    // round((0 - current + 15) / 22 * 9) to every channel.
    std::vector<ArtFadeRun> runs = ArtFadeRuns(0, 0, 22);
    const std::uint32_t grey[] = {0, 0x060606, 0x0A0A0A, 0x0C0C0C, 0x0D0D0D, 0x0E0E0E};
    ASSERT_EQ(runs.size(), 6u);
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(runs[k].start, static_cast<long>(4 * k));
        EXPECT_EQ(runs[k].length, k < 5 ? 4 : 2);
        EXPECT_EQ(runs[k].color, grey[k]);
    }
    // Equal colours still move towards end + 15; a channel above 255 shows as 255.
    const Colors equal = ArtFadeColors(250, 250, 22);
    for (std::size_t i = 0; i < 22; ++i) EXPECT_EQ(equal.at(i) & 0xFF, i < 4 ? 250u : 255u) << i;
    EXPECT_EQ(ArtFadeColors(0xFF0000, 0xFF0000, 22)[4], 0xFF0606u);
    // Runs of ceil(n / 20) + 2 while the colour moves.
    for (long n : {40L, 41L, 61L, 400L}) {
        runs = ArtFadeRuns(0, 0xFFFFFF, n);
        ASSERT_GE(runs.size(), 3u);
        for (std::size_t k = 0; k + 1 < runs.size(); ++k) EXPECT_EQ(runs[k].length, (n + 19) / 20 + 2) << n;
    }
    // The step rounds to 0 at last and the colour stops: red 0..4 in runs of 102.
    runs = ArtFadeRuns(0, 100, 2000);
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[4].start, 408);
    EXPECT_EQ(runs[4].color, 4u);
}

TEST(ArtDesignText, FileNamesAndLines) {
    const std::string app = "C:\\Vivarto";
    // Device names as the system reserves them: digits 0-9 and the superscripts, in 1252 and in UTF-8.
    for (const char* bad : {"a/b", "x:y", "a\\b", "what?", "*", "\"", "<>", "|", "con", "Con.txt", "prn ", "com1",
                            "LPT9", "tab\there", "COM0", "lpt0.txt", "COM\xB9", "com\xB2 ", "LPT\xB3.tar.gz",
                            "COM\xC2\xB9", "lpt\xC2\xB2..", "nul.", "AUX . x", "..\\..\\Users\\x\\Desktop\\notes"})
        EXPECT_FALSE(IsUsableDesignName(app, bad) || DesignRowPath(app, bad)) << bad;
    for (const char* good : {"heart", "", "com10", "console", "caf\xE9", "my.design", "COM\xB4", "LPT\xC2\xB9x", "COM\xC2"})
        EXPECT_TRUE(IsUsableDesignName(app, good)) << good;
    EXPECT_EQ(DesignRowPath(app, "heart").value_or("refused"), "C:\\Vivarto\\Designs\\heart.rtf");
    EXPECT_TRUE(IsUsableDesignName(app, std::string(236, 'a')));   // 255 with ".rtf"
    EXPECT_FALSE(IsUsableDesignName(app, std::string(237, 'a')));
    std::string accented;  // the file system counts characters, not bytes
    for (int i = 0; i < 236; ++i) accented += "\xC3\xA9";
    EXPECT_TRUE(IsUsableDesignName(app, accented));
    EXPECT_FALSE(IsUsableDesignName(std::string(200, 'd'), std::string(60, 'a')));  // path over 259

    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitDesignLines("one\r\n\r\n"), (Lines{"one", "", ""}));
    EXPECT_EQ(SplitDesignLines("a\nb\rc"), (Lines{"a\nb\rc"}));
    EXPECT_TRUE(SplitDesignLines("").empty());
}
