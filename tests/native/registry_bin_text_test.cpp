#include "registry/bin_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(static_cast<unsigned char>(v));
    return out;
}

TEST(BinaryText, StrToBinReadsPairsInEitherCaseIgnoringSpaces) {
    std::string text = "01 ab FF";
    EXPECT_EQ(StrToBin(text), Bytes({1, 171, 255}));
    // The caller's text loses its spaces.
    EXPECT_EQ(text, "01abFF");

    std::string spaced = "  0 1a b  ";
    EXPECT_EQ(StrToBin(spaced), Bytes({1, 171}));
    EXPECT_EQ(spaced, "01ab");

    std::string zero = "00";
    EXPECT_EQ(StrToBin(zero), std::string(1, '\0'));
}

TEST(BinaryText, StrToBinHalvesOddLengthsToTheEvenNumber) {
    // length 3 -> 2 pieces, the second one digit long
    std::string three = "0A0";
    EXPECT_EQ(StrToBin(three), Bytes({10, 0}));
    // length 5 -> 2 pieces, the last digit dropped
    std::string five = "0A0B0";
    EXPECT_EQ(StrToBin(five), Bytes({10, 11}));
    // length 7 -> 4 pieces, the last one digit long ("F" reads as 15)
    std::string seven = "0A0B0CF";
    EXPECT_EQ(StrToBin(seven), Bytes({10, 11, 12, 15}));
    // length 1 -> no piece at all
    std::string one = "F";
    EXPECT_EQ(StrToBin(one), "");
}

TEST(BinaryText, StrToBinReadsBadPiecesAsFarAsTheirDigitsGo) {
    std::string text = "1GG1zz";
    EXPECT_EQ(StrToBin(text), Bytes({1, 0, 0}));
    // The trailing backslash of a continued registry editor line.
    std::string continued = "01 02 \\";
    EXPECT_EQ(StrToBin(continued), Bytes({1, 2}));
    std::string continuedOdd = "01 02 03 \\";
    EXPECT_EQ(StrToBin(continuedOdd), Bytes({1, 2, 3, 0}));
}

TEST(BinaryText, StrToBinOfNothingIsNothing) {
    for (const char* input : {"", " ", "     "}) {
        std::string text = input;
        EXPECT_EQ(StrToBin(text), "");
        EXPECT_EQ(text, "");
    }
}

TEST(BinaryText, BinToStrWritesUpperCasePairsEachAfterASpace) {
    EXPECT_EQ(BinToStr(""), "");
    EXPECT_EQ(BinToStr(std::string(1, '\0')), " 00");
    EXPECT_EQ(BinToStr(Bytes({1, 171, 255})), " 01 AB FF");
    EXPECT_EQ(BinToStr(Bytes({0x0A, 0x10})), " 0A 10");
}

TEST(BinaryText, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::string text = BinToStr(all);
    ASSERT_EQ(text.size(), 256u * 3);
    EXPECT_EQ(StrToBin(text), all);
    EXPECT_TRUE(isBinValid(text));
}

TEST(BinaryText, IsBinValidWantsHexDigitsOnly) {
    EXPECT_TRUE(isBinValid("01 AB ff"));
    EXPECT_TRUE(isBinValid("ABC"));  // an odd count passes
    EXPECT_TRUE(isBinValid(" 0 "));
    EXPECT_FALSE(isBinValid(""));
    EXPECT_FALSE(isBinValid("   "));
    EXPECT_FALSE(isBinValid("0G"));
    EXPECT_FALSE(isBinValid("01,AB"));
    EXPECT_FALSE(isBinValid("-1"));
    EXPECT_FALSE(isBinValid("0x1F"));
}

TEST(BinaryText, LeadingHexValueStopsAtTheFirstNonDigit) {
    EXPECT_EQ(LeadingHexValue("0000001f"), 31u);
    EXPECT_EQ(LeadingHexValue("0000001F"), 31u);
    EXPECT_EQ(LeadingHexValue("ffffffff"), 0xFFFFFFFFu);
    EXPECT_EQ(LeadingHexValue("1fz9"), 31u);
    EXPECT_EQ(LeadingHexValue("z1"), 0u);
    EXPECT_EQ(LeadingHexValue(""), 0u);
    EXPECT_EQ(LeadingHexValue(" 1"), 0u);
    // More than eight digits keep the low 32 bits.
    EXPECT_EQ(LeadingHexValue("123456789"), 0x23456789u);
}

TEST(BinaryText, TrimTakesOnlySpaces) {
    EXPECT_EQ(TrimSpaces("  a b  "), "a b");
    EXPECT_EQ(TrimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimSpaces(std::string("x\0 ", 3)), std::string("x\0", 2));
    EXPECT_EQ(TrimSpaces("    "), "");
}

}  // namespace
