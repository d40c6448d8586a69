// Fades through several stops: the gradient's colours at and between its stops, the styles'
// schedules, and two stops giving exactly what the two-colour fader gives.
#include <gtest/gtest.h>

#include <random>

#include "designs/art_fade.h"
#include "effects/gradient.h"

TEST(Gradient, TwoStopsAreTheFaderItselfInEveryStyle) {
    // 175 + 7 * (-175 / 10) is 52.5, to 52; by t = 7 / 10 it is 52.50000000000001, to 53.
    EXPECT_EQ(FadeMarkup(FadeStyle::Classic, {175, 0}, "abcdefghij"), FadeText(175, 0, "abcdefghij"));
    std::mt19937 random(24);
    const std::vector<std::string> pieces{"a", "Z", " ", "\r\n", "\xC3\xA9", "e\xCC\x81", "\xF0\x9F\x98\x80", "<", "\xE9"};
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (std::size_t n = random() % (round % 10 ? 40 : 400); n > 0; --n) text += pieces[random() % pieces.size()];
        const std::uint32_t a = random() & 0xFFFFFF, b = random() & 0xFFFFFF;
        ASSERT_EQ(FadeMarkup(FadeStyle::Classic, {a, b}, text), FadeText(std::int32_t(a), std::int32_t(b), text));
        const long n = static_cast<long>(CharacterEnds(text).size());
        ASSERT_EQ(ArtGradientRuns(FadeStyle::Classic, {a, b}, text), ArtFadeRuns(std::int32_t(a), std::int32_t(b), n));
    }
    // Smooth and Rows step by the fader's formula too: 0 + i * (254 / 2), the last exactly B; equal
    // neighbours share a tag.
    EXPECT_EQ(FadeMarkup(FadeStyle::Smooth, {0, 0xFE0000}, "ab\r"), "<Font Color=#000000>a<Font Color=#00007F>b<Font Color=#0000FE>\r");
    EXPECT_EQ(FadeMarkup(FadeStyle::Rows, {0, 0xFE}, "ab\r\nc\r\nd\r\n"),
              "<Font Color=#000000>ab\r\n<Font Color=#7F0000>c\r\n<Font Color=#FE0000>d\r\n");
}

TEST(Gradient, ThreeAndSevenStopsAtTheirBoundariesAndBetween) {
    const std::vector<ColorChannels> three = SplitStops({0x000000, 0x0A05FF, 0x000000});
    const std::vector<ColorChannels> rainbow =
        SplitStops({0x0000FF, 0x007FFF, 0x00FFFF, 0x00FF00, 0xFF0000, 0x82004B, 0xD30094});
    const struct { const std::vector<ColorChannels>* stops; double p, n; std::uint32_t expected; } cases[] = {
        {&three, 0, 4, 0x000000}, {&three, 1, 4, 0x050280}, {&three, 2, 4, 0x0A05FF},  // 2.5 to 2, 127.5 to 128
        {&three, 3, 4, 0x050280}, {&three, 4, 4, 0x000000}, {&three, 5, 10, 0x0A05FF}, {&three, 1, 0, 0x000000},
        {&rainbow, 0, 6, 0x0000FF}, {&rainbow, 1, 6, 0x007FFF}, {&rainbow, 3, 6, 0x00FF00}, {&rainbow, 6, 6, 0xD30094},
        {&rainbow, 1, 4, 0x00BFFF}, {&rainbow, 3, 4, 0xC00026}, {&rainbow, 1, 16, 0x0030FF},  // 37.5, 192.5
    };
    for (const auto& c : cases) EXPECT_EQ(JoinChannels(GradientAt(*c.stops, c.p, c.n)), c.expected) << c.p << "/" << c.n;
    // Classic with more stops: a segment at colour position p of n takes t = p / n.
    const std::vector<std::uint32_t> classic = CharacterColors(FadeStyle::Classic, {0, 0x0A05FF, 0}, "abcdefghij");
    EXPECT_EQ(classic, (std::vector<std::uint32_t>{0x020133, 0x060399, 0x060399, 0x0A05FF, 0x0A05FF, 0x060399,
                                                   0x060399, 0, 0, 0}));
}
