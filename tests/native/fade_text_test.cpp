// The colour fader's exact tag strings, the "Random Color" source.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "effects/fade_text.h"
#include "effects/markup_reader.h"
#include "effects/random_colors.h"
#include "ui/utf8.h"

TEST(FadeText, ExactTagStrings) {
    const std::int32_t system = static_cast<std::int32_t>(0x8000000Fu);  // red 0x0F, green 0, blue 0x80
    const struct { std::int32_t a, b; const char* text; const char* markup; } cases[] = {
        {255, 16711680, "Hello world",
         "<Font Color=#E80017>H<Font Color=#B90046>el<Font Color=#8B0074>lo<Font Color=#5D00A2> w"
         "<Font Color=#2E00D1>or<Font Color=#0000FF>ld"},
        {0, 16777215, "ab", "<Font Color=#808080>a<Font Color=#FFFFFF>b"},  // 127.5 goes up to 128
        {0, 153, "ab", "<Font Color=#4C0000>a<Font Color=#990000>b"},       // 76.5 goes down to 76
        {0x3366CC, 0x3366CC, "abc", "<Font Color=#CC6633>a<Font Color=#CC6633>b<Font Color=#CC6633>c"},
        {system, system, "x", "<Font Color=#0F0080>x"},
    };
    for (const auto& c : cases) EXPECT_EQ(FadeText(c.a, c.b, c.text), c.markup) << c.text;
}

TEST(FadeText, SegmentLengthsFollowTheTextLength) {
    const std::vector<std::pair<std::size_t, std::vector<std::size_t>>> cases = {
        {1, {1}}, {7, {1, 1, 1, 1, 1, 1, 1}}, {8, {1, 2, 2, 3}}, {10, {1, 2, 2, 2, 3}}, {11, {1, 2, 2, 2, 2, 2}},
        {13, {1, 3, 3, 3, 3}}, {17, {1, 3, 3, 3, 3, 4}}, {8000, {1, 1600, 1600, 1600, 3199}}};
    for (const auto& [n, expected] : cases) {
        std::string text;  // line breaks, 8-bit bytes and ">" are copied as they are
        while (text.size() < n) text += std::string("ab\r\n\xE9}>").substr(0, n - text.size());
        const RenderedMarkup doc = ReadMarkup(FadeText(0, 16777215, text));
        std::vector<std::size_t> lengths;
        for (const FormattedRun& run : doc.runs) lengths.push_back(run.text.size());
        EXPECT_EQ(lengths, expected) << n;
    }
}

// A character as a person sees it is one fade step and never holds a tag:
// a surrogate pair, a letter with its combining accent, a ZWJ family, a
// thumbs-up with its skin tone, a flag.
TEST(FadeText, EmojiAndCombiningMarksAreOneCharacterEach) {
    const std::vector<std::string> seen{"a", "\U0001F600", "e\u0301", "\U0001F469\u200D\U0001F469\u200D\U0001F467",
                                        "\U0001F44D\U0001F3FD", "\U0001F1EC\U0001F1F7", "\u2764\uFE0F"};
    std::string text;
    for (const std::string& c : seen) text += c;
    std::vector<std::string> runs;
    for (const FormattedRun& run : ReadMarkup(FadeText(255, 16711680, text)).runs) runs.emplace_back(run.text);
    EXPECT_EQ(runs, seen) << "seven characters, one colour each";
}

// Text that is all BMP keeps today's schedule, which counts one 8-bit byte as
// one character: a Windows-1252 string fades in UTF-8 exactly as its bytes do.
// In ascending order no two bytes make a UTF-8 sequence, so each stays one
// character as raw bytes too. DEL to 0xFF hold every character that changes.
TEST(FadeText, BmpTextKeepsTheScheduleOfItsWindows1252Bytes) {
    std::string bytes;
    for (int b = 0x7F; b < 256; ++b) bytes += static_cast<char>(b);
    EXPECT_EQ(Windows1252FromUtf8(FadeText(0x3366CC, 16711680, Utf8FromWindows1252(bytes))),
              FadeText(0x3366CC, 16711680, bytes));
}

// The "Random Color" source: every channel value from 1 to 255 shows, 0 and
// anything above 255 never.
TEST(RandomColors, ChannelsOneTo255) {
    RandomColorSource source(255);
    std::set<std::uint32_t> channels;
    for (int call = 0; call < 3000; ++call) {
        const ColorPair pair = source.NextPair();
        for (std::uint32_t c : {pair.a, pair.b}) channels.insert({c & 0xFF, (c >> 8) & 0xFF, c >> 16});
    }
    EXPECT_EQ(channels.size(), 255u);
    EXPECT_EQ(std::pair(*channels.begin(), *channels.rbegin()), std::pair(1u, 255u));
}
