// The hex helpers, the colour fader's exact tag strings, the "Random Color" source.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "effects/fade_text.h"
#include "effects/hex_digits.h"
#include "effects/markup_reader.h"
#include "effects/random_colors.h"

TEST(HexDigits, DigitValuesNumbersAndSixDigitForms) {
    for (auto [ch, value] : std::vector<std::pair<char, int>>{{'0', 0}, {'9', 9}, {'A', 10}, {'F', 15}, {'f', 0},
                                                              {'G', 0}, {'#', 0}})
        EXPECT_EQ(HexDigitValue(ch), value) << ch;
    for (auto [digits, value] : std::vector<std::pair<const char*, float>>{
             {"ff", 255}, {"FF", 255}, {"e8", 232}, {"7", 7}, {"", 0}, {"zz", 0}, {"g1", 1}, {" c", 12},
             {"23456789", 591751049.0f}, {"123456789", 591751049.0f}, {"FFFFFFFF", 4294967296.0f}})
        EXPECT_EQ(HexToNum(digits), value) << digits;
    for (auto [value, form] : std::vector<std::pair<std::int32_t, const char*>>{
             {0, "000000"}, {255, "0000FF"}, {0xABCDE, "0ABCDE"}, {16777215, "FFFFFF"}, {0x1000000, "1000000"},
             {static_cast<std::int32_t>(0x8000000Fu), "8000000F"}, {-1, "FFFFFFFF"}})
        EXPECT_EQ(HexPad6(value), form) << value;
}

TEST(FadeText, ExactTagStrings) {
    const std::int32_t system = static_cast<std::int32_t>(0x8000000Fu);  // red 0x0F, green 0, blue 0x80
    const struct { std::int32_t a, b; const char* text; const char* markup; } cases[] = {
        {255, 16711680, "Hello world",
         "<Font Color=#E80017>H<Font Color=#B90046>el<Font Color=#8B0074>lo<Font Color=#5D00A2> w"
         "<Font Color=#2E00D1>or<Font Color=#0000FF>ld"},
        {0, 16777215, "ab", "<Font Color=#808080>a<Font Color=#FFFFFF>b"},  // 127.5 goes up to 128
        {0, 153, "ab", "<Font Color=#4C0000>a<Font Color=#990000>b"},       // 76.5 goes down to 76
        {255, 16711680, "H", "<Font Color=#0000FF>H"},
        {255, 16711680, "", ""},
        {0x3366CC, 0x3366CC, "abc", "<Font Color=#CC6633>a<Font Color=#CC6633>b<Font Color=#CC6633>c"},
        {system, system, "x", "<Font Color=#0F0080>x"},
        {system, 0, "ab", "<Font Color=#080040>a<Font Color=#000000>b"},
    };
    for (const auto& c : cases) EXPECT_EQ(FadeText(c.a, c.b, c.text), c.markup) << c.text;
}

TEST(FadeText, SegmentLengthsFollowTheTextLengthAndEveryCharacterIsKept) {
    const std::vector<std::pair<std::size_t, std::vector<std::size_t>>> cases = {
        {1, {1}}, {7, {1, 1, 1, 1, 1, 1, 1}}, {8, {1, 2, 2, 3}}, {10, {1, 2, 2, 2, 3}}, {11, {1, 2, 2, 2, 2, 2}},
        {13, {1, 3, 3, 3, 3}}, {17, {1, 3, 3, 3, 3, 4}}, {8000, {1, 1600, 1600, 1600, 3199}}};
    for (const auto& [n, expected] : cases) {
        std::string text;  // line breaks, 8-bit bytes and ">" are copied as they are
        while (text.size() < n) text += std::string("ab\r\n\xE9}>").substr(0, n - text.size());
        const RenderedMarkup doc = ReadMarkup(FadeText(0, 16777215, text));
        std::vector<std::size_t> lengths;
        std::string joined;
        for (const FormattedRun& run : doc.runs) {
            lengths.push_back(run.text.size());
            joined += run.text;
        }
        EXPECT_EQ(lengths, expected) << n;
        EXPECT_EQ(joined, text);
        EXPECT_EQ(doc.endFormat.color, 0xFFFFFFu) << "the last segment is exactly colour B";
    }
}

TEST(RandomColors, ChannelsOneTo255AndPairsAlwaysChange) {
    RandomColorSource source(255);
    ColorPair previous{};
    std::set<std::uint32_t> channels;
    for (int call = 0; call < 3000; ++call) {
        const ColorPair pair = source.NextPair();
        ASSERT_FALSE(pair.a == previous.a && pair.b == previous.b) << call;
        for (std::uint32_t c : {pair.a, pair.b}) {
            ASSERT_EQ(c >> 24, 0u);
            for (int shift : {0, 8, 16}) channels.insert((c >> shift) & 0xFF);
        }
        previous = pair;
    }
    EXPECT_EQ(channels.size(), 255u);
    EXPECT_EQ(*channels.begin(), 1u) << "every channel value from 1 to 255 shows, 0 never";
}
