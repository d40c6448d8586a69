#include "registry/bin_text.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(BinaryText, StrToBinReadsPairsHalvingOddLengthsToTheEvenNumber) {
    const struct { std::string text, bytes, cleaned; } cases[] = {
        {"01 ab FF", "\x01\xAB\xFF", "01abFF"}, {"  0 1a b  ", "\x01\xAB", "01ab"}, {"00", "\0"s, "00"},
        {"", "", ""}, {"   ", "", ""}, {"F", "", "F"},  // one character: no piece
        {"0A0", "\x0A\0"s, "0A0"}, {"0A0B0", "\x0A\x0B", "0A0B0"}, {"0A0B0CF", "\x0A\x0B\x0C\x0F", "0A0B0CF"},
        {"1GG1zz", "\x01\0\0"s, "1GG1zz"}, {"01 02 03 \\", "\x01\x02\x03\0"s, "010203\\"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(StrToBin(text) + "|" + text, c.bytes + "|" + c.cleaned) << c.text;  // the caller's text loses its spaces
    }
}

TEST(BinaryText, BinToStrAndIsBinValid) {
    EXPECT_EQ(BinToStr("") + "|" + BinToStr("\0"s) + "|" + BinToStr("\x01\xAB\xFF"), "| 00| 01 AB FF");
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::string text = BinToStr(all);
    EXPECT_EQ(StrToBin(text), all);
    for (const char* valid : {"01 AB ff", "ABC", " 0 "}) EXPECT_TRUE(isBinValid(valid)) << valid;
    for (const char* bad : {"", "   ", "0G", "01,AB", "0x1F"}) EXPECT_FALSE(isBinValid(bad)) << bad;
}
