#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "app/line_list.h"
#include "designs/decorations.h"

namespace {

// "20 29 B0" -> the bytes 0x20 0x29 0xB0.
std::string Bytes(const char* hex) {
    std::istringstream in(hex);
    std::string out;
    unsigned value;
    while (in >> std::hex >> value) out.push_back(static_cast<char>(value));
    return out;
}

std::string Entry(int number) { return std::string(kDecorations.at(static_cast<std::size_t>(number - 1))); }

}  // namespace

TEST(Decorations, HundredSeventeenEntriesThatFitOneLineOfTheListFile) {
    ASSERT_EQ(kDecorations.size(), 117u);
    for (std::size_t i = 0; i < kDecorations.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i + 1));
        EXPECT_FALSE(kDecorations[i].empty());
        for (char c : kDecorations[i]) {
            auto byte = static_cast<unsigned char>(c);
            // No line break or other control byte: a design is one line of saved.txt.
            EXPECT_GE(byte, 0x20u);
            // Only characters that exist in Windows-1252: an undefined byte would
            // not survive the round trip through the list box and the rich text.
            EXPECT_TRUE(byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D);
        }
        // A decoration read back from a list file is the same decoration.
        auto back = ParseLineList(FormatLineList({std::string(kDecorations[i])}));
        ASSERT_EQ(back.size(), 1u);
        EXPECT_EQ(back[0], kDecorations[i]);
    }
}

TEST(Decorations, OnlyTheIntendedRepeats) {
    std::set<std::pair<int, int>> repeats;
    for (int i = 1; i <= 117; ++i)
        for (int j = i + 1; j <= 117; ++j)
            if (Entry(i) == Entry(j)) repeats.insert({i, j});
    const std::set<std::pair<int, int>> expected = {{42, 80}, {42, 81}, {80, 81}, {43, 82},
                                                    {43, 83}, {82, 83}, {45, 89}};
    EXPECT_EQ(repeats, expected);
    EXPECT_EQ(Entry(80), Bytes("5D A6 95 A6 5B"));
    EXPECT_EQ(Entry(83), Bytes("5D 21 A1 21 5B"));
    EXPECT_EQ(Entry(89), Bytes("B7 EF A1 F7 A1 EF B7"));
    // Near repeats differ by their trailing blank and must stay distinct.
    EXPECT_EQ(Entry(88), Entry(45) + " ");
    EXPECT_EQ(Entry(86), Entry(44) + " ");
}

TEST(Decorations, SoftHyphensSitInExactlyThreeEntries) {
    std::set<int> withSoftHyphen;
    for (int i = 1; i <= 117; ++i)
        if (Entry(i).find('\xAD') != std::string::npos) withSoftHyphen.insert(i);
    EXPECT_EQ(withSoftHyphen, (std::set<int>{19, 93, 94}));
    EXPECT_EQ(Entry(19), Bytes("60 B7 2E 84 2E 95 A4 AD 8B BB"));
    EXPECT_EQ(Entry(93), Bytes("B7 B4 AF 60 B7 AD BB 20"));
    EXPECT_EQ(Entry(94), Bytes("AB AD B7 B4 AF 60 B7"));
}

TEST(Decorations, EntriesKeepTheirExactBytesBlanksIncluded) {
    EXPECT_EQ(Entry(1), Bytes("20 29 B0 B7 2E B7 B4 AF 60 B7 2D 3E"));
    EXPECT_EQ(Entry(2), Bytes("20 5D 7C 49 28 AF A8 60 76 5E 95 D7 95 B7 B7 20 B7"));
    EXPECT_EQ(Entry(6), Bytes("28 28 AF 5C 20 5F B8 2C 2E 2D B7 B4 A8 AF A8 60 B7 2C B8 5F"));
    EXPECT_EQ(Entry(27), Bytes("B7 20 B7 B7 95 D7 95 5E 76 B4 A8 AF 29 49 7C 5B 20 20 20 20"));
    EXPECT_EQ(Entry(52), Bytes("8B 96 85 B7 B4 60 B7 85 96 9B"));
    EXPECT_EQ(Entry(58), Bytes("5B 60 91 82 91 B0 95 2E 95 B0 91 82 91 B4 5D"));
    EXPECT_EQ(Entry(67), Bytes("2F 60 B7 B8 2E 20 B7 B7 20 2E B8 B7 B4 5C"));
    EXPECT_EQ(Entry(105), Bytes("A8 98 88 94 B0 B9 7E B7 2D 2E 84 B8"));
    EXPECT_EQ(Entry(117), Bytes("28 B8 2E B7 B4 29"));
}

TEST(Decorations, HalvesFrameAWordTypedBetweenThem) {
    // 11 then a word then 12, as the editor builds it.
    EXPECT_EQ(Entry(11) + "Hi" + Entry(12), Bytes("28 AF 60 76 5E F7 95 20") + "Hi" + Bytes("95 F7 5E 76 B4 AF 29"));
    EXPECT_EQ(Entry(22), Bytes("AB 2D 2D 2D 2D 2D 2D 95 7D 49 7C 5B 20"));
    EXPECT_EQ(Entry(23), Bytes("5D 7C 49 7B 95 2D 2D 2D 2D 2D 2D BB"));
}

// The starter designs shipped beside the program: Windows-1252 lines ended by
// CR LF (an editor that saved them as UTF-8 or with bare LFs would break the
// decorations and the list file format), each one built from decorations.
TEST(StarterDesigns, AreListFileLinesMadeOfDecorations) {
    std::ifstream in(std::string(VIVARTO_SOURCE_DIR) + "/app/starter/saved.txt", std::ios::binary);
    ASSERT_TRUE(in) << "app/starter/saved.txt is missing";
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GE(content.size(), 2u);
    EXPECT_EQ(content.substr(content.size() - 2), "\r\n");
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\n') {
            EXPECT_TRUE(i > 0 && content[i - 1] == '\r') << "bare LF at byte " << i;
        }
    }
    auto designs = ParseLineList(content);
    EXPECT_GE(designs.size(), 3u);
    EXPECT_EQ(FormatLineList(designs), content);
    for (const auto& design : designs) {
        SCOPED_TRACE(design);
        int decorationsUsed = 0;
        for (auto d : kDecorations)
            if (d.size() >= 3 && design.find(d) != std::string::npos) ++decorationsUsed;
        EXPECT_GE(decorationsUsed, 1);
        // UTF-8 would show up as the lead bytes C2/C3 before the symbols.
        EXPECT_EQ(design.find('\xC2'), std::string::npos);
    }
}
