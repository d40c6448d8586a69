// The hex helpers and the colour fader, checked against the fader's exact
// output strings that users see as colour tags.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "effects/fade_text.h"
#include "effects/hex_digits.h"
#include "effects/markup_reader.h"
#include "effects/random_colors.h"

namespace {

// The segments of fader output, as (colour digits, text) pairs, so a test can
// talk about segment lengths without re-parsing in every case.
std::vector<std::pair<std::string, std::string>> Segments(const std::string& markup) {
    std::vector<std::pair<std::string, std::string>> out;
    const std::string tag = "<Font Color=#";
    std::size_t at = 0;
    while (at < markup.size()) {
        EXPECT_EQ(markup.compare(at, tag.size(), tag), 0) << "segment must start with a colour tag";
        const std::string digits = markup.substr(at + tag.size(), 6);
        EXPECT_EQ(markup[at + tag.size() + 6], '>');
        const std::size_t textStart = at + tag.size() + 7;
        std::size_t next = markup.find(tag, textStart);
        if (next == std::string::npos) next = markup.size();
        out.emplace_back(digits, markup.substr(textStart, next - textStart));
        at = next;
    }
    return out;
}

}  // namespace

TEST(HexDigits, DigitValuesAreUpperCaseOnly) {
    EXPECT_EQ(HexDigitValue('0'), 0);
    EXPECT_EQ(HexDigitValue('9'), 9);
    EXPECT_EQ(HexDigitValue('A'), 10);
    EXPECT_EQ(HexDigitValue('F'), 15);
    EXPECT_EQ(HexDigitValue('f'), 0);
    EXPECT_EQ(HexDigitValue('G'), 0);
    EXPECT_EQ(HexDigitValue('#'), 0);
    EXPECT_EQ(HexDigitValue('\xFF'), 0);
}

TEST(HexDigits, HexToNumReadsEitherCaseAndTheLastEightDigits) {
    EXPECT_EQ(HexToNum("ff"), 255.0f);
    EXPECT_EQ(HexToNum("FF"), 255.0f);
    EXPECT_EQ(HexToNum("e8"), 232.0f);
    EXPECT_EQ(HexToNum(""), 0.0f);
    EXPECT_EQ(HexToNum("7"), 7.0f);
    EXPECT_EQ(HexToNum("123456789"), HexToNum("23456789"));
    EXPECT_EQ(HexToNum("23456789"), static_cast<float>(0x23456789));
    EXPECT_EQ(HexToNum("zz"), 0.0f);    // not digits: zero each
    EXPECT_EQ(HexToNum("g1"), 1.0f);
    EXPECT_EQ(HexToNum(" c"), 12.0f);
    EXPECT_EQ(HexToNum("FFFFFFFF"), 4294967296.0f);  // single precision rounds up
}

TEST(HexDigits, HexPad6PadsToSixAndKeepsLongerForms) {
    EXPECT_EQ(HexPad6(0), "000000");
    EXPECT_EQ(HexPad6(255), "0000FF");
    EXPECT_EQ(HexPad6(0xABCDE), "0ABCDE");
    EXPECT_EQ(HexPad6(16711680), "FF0000");
    EXPECT_EQ(HexPad6(16777215), "FFFFFF");
    EXPECT_EQ(HexPad6(0x1000000), "1000000");
    EXPECT_EQ(HexPad6(static_cast<std::int32_t>(0x8000000Fu)), "8000000F");
    EXPECT_EQ(HexPad6(-1), "FFFFFFFF");
}

TEST(FadeText, SplitsColoursByDigitPositions) {
    const ColorChannels red = SplitColor(255);
    EXPECT_EQ(red.red, 255);
    EXPECT_EQ(red.green, 0);
    EXPECT_EQ(red.blue, 0);
    const ColorChannels mixed = SplitColor(0x123456);  // blue 0x12, green 0x34, red 0x56
    EXPECT_EQ(mixed.red, 0x56);
    EXPECT_EQ(mixed.green, 0x34);
    EXPECT_EQ(mixed.blue, 0x12);
    const ColorChannels system = SplitColor(static_cast<std::int32_t>(0x8000000Fu));
    EXPECT_EQ(system.red, 15);
    EXPECT_EQ(system.green, 0);
    EXPECT_EQ(system.blue, 128);
}

TEST(FadeText, DocumentedExamplesHoldToTheCharacter) {
    EXPECT_EQ(FadeText(255, 16711680, "Hello world"),
              "<Font Color=#E80017>H<Font Color=#B90046>el<Font Color=#8B0074>lo"
              "<Font Color=#5D00A2> w<Font Color=#2E00D1>or<Font Color=#0000FF>ld");
    EXPECT_EQ(FadeText(0, 16777215, "ab"), "<Font Color=#808080>a<Font Color=#FFFFFF>b");
    EXPECT_EQ(FadeText(255, 16711680, "H"), "<Font Color=#0000FF>H");
    EXPECT_EQ(FadeText(255, 16711680, ""), "");
    EXPECT_EQ(FadeText(0, 0, ""), "");
}

TEST(FadeText, RoundsHalvesToEven) {
    // 153 / 2 = 76.5 goes down to 76, 255 / 2 = 127.5 goes up to 128.
    EXPECT_EQ(FadeText(0, 153, "ab"), "<Font Color=#4C0000>a<Font Color=#990000>b");
    EXPECT_EQ(FadeText(0, 255 << 8, "ab"), "<Font Color=#008000>a<Font Color=#00FF00>b");
}

TEST(FadeText, SegmentLengthsFollowTheTextLength) {
    auto lengths = [](std::size_t n) {
        std::vector<std::size_t> out;
        for (const auto& seg : Segments(FadeText(255, 16711680, std::string(n, 'x'))))
            out.push_back(seg.second.size());
        return out;
    };
    EXPECT_EQ(lengths(1), (std::vector<std::size_t>{1}));
    EXPECT_EQ(lengths(7), (std::vector<std::size_t>(7, 1)));
    EXPECT_EQ(lengths(8), (std::vector<std::size_t>{1, 2, 2, 3}));
    EXPECT_EQ(lengths(10), (std::vector<std::size_t>{1, 2, 2, 2, 3}));
    EXPECT_EQ(lengths(11), (std::vector<std::size_t>{1, 2, 2, 2, 2, 2}));
    EXPECT_EQ(lengths(13), (std::vector<std::size_t>{1, 3, 3, 3, 3}));
    EXPECT_EQ(lengths(17), (std::vector<std::size_t>{1, 3, 3, 3, 3, 4}));
    // A long text still gets five or six segments and keeps every character.
    for (std::size_t n : {100u, 999u, 8000u}) {
        const auto segs = Segments(FadeText(0, 16777215, std::string(n, 'y')));
        EXPECT_GE(segs.size(), 5u) << n;
        EXPECT_LE(segs.size(), 6u) << n;
        std::size_t total = 0;
        for (const auto& s : segs) total += s.second.size();
        EXPECT_EQ(total, n);
        EXPECT_EQ(segs.back().first, "FFFFFF") << "the last segment is exactly colour B";
    }
}

TEST(FadeText, EqualColoursGiveTheSameTagEverywhere) {
    const auto segs = Segments(FadeText(0x3366CC, 0x3366CC, "same colour all along"));
    ASSERT_FALSE(segs.empty());
    for (const auto& seg : segs) EXPECT_EQ(seg.first, "CC6633");
}

TEST(FadeText, TextIsCopiedUnchangedTagsAndBytesIncluded) {
    const std::string text = "a<b>\r\n\xE9\x01}";
    std::string joined;
    for (const auto& seg : Segments(FadeText(0, 255, text))) joined += seg.second;
    EXPECT_EQ(joined, text);
}

TEST(FadeText, SystemColourIsSplitByTheSameDigitPositions) {
    // 8000000F reads as red 0x0F, green 0, blue 0x80; fading it to itself shows it.
    const std::int32_t system = static_cast<std::int32_t>(0x8000000Fu);
    EXPECT_EQ(FadeText(system, system, "x"), "<Font Color=#0F0080>x");
    EXPECT_EQ(FadeText(system, 0, "ab"), "<Font Color=#080040>a<Font Color=#000000>b");
}

TEST(FadeText, OutputReadsBackAsTheSameColoursThroughTheMarkupReader) {
    const RenderedMarkup doc = ReadMarkup(FadeText(255, 16711680, "Hello world"));
    ASSERT_EQ(doc.runs.size(), 6u);
    EXPECT_EQ(doc.runs[0].text, "H");
    EXPECT_EQ(doc.runs[0].format.color, 232u + 65536u * 23u);
    EXPECT_EQ(doc.runs[5].text, "ld");
    EXPECT_EQ(doc.runs[5].format.color, 16711680u);
    EXPECT_EQ(doc.endFormat.color, 16711680u);
}

TEST(RandomColors, ChannelsStayWithinOneTo255AndPairsChange) {
    RandomColorSource source(255);
    std::set<std::uint32_t> seen;
    ColorPair previous = source.NextPair();
    for (int call = 0; call < 2000; ++call) {
        const ColorPair pair = source.NextPair();
        for (std::uint32_t c : {pair.a, pair.b}) {
            for (int shift : {0, 8, 16}) {
                const std::uint32_t channel = (c >> shift) & 0xFF;
                ASSERT_GE(channel, 1u);
                ASSERT_LE(channel, 255u);
            }
            EXPECT_EQ(c >> 24, 0u);
            seen.insert(c);
        }
        EXPECT_FALSE(pair.a == previous.a && pair.b == previous.b) << "call " << call;
        previous = pair;
    }
    EXPECT_GT(seen.size(), 3900u) << "colours should hardly ever repeat";
}

TEST(RandomColors, SameSeedSameSequenceAndChannelExtremesReachable) {
    RandomColorSource one(255), two(255), other(256);
    bool differs = false;
    for (int k = 0; k < 10; ++k) {
        const ColorPair a = one.NextPair(), b = two.NextPair(), c = other.NextPair();
        EXPECT_EQ(a.a, b.a);
        EXPECT_EQ(a.b, b.b);
        differs = differs || a.a != c.a;
    }
    EXPECT_TRUE(differs);
    RandomColorSource source(7);
    int low = 256, high = 0;
    for (int k = 0; k < 20000; ++k) {
        const int v = source.NextChannel();
        low = std::min(low, v);
        high = std::max(high, v);
    }
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 255);
}
