// The editor's decorations: the count, the deliberate repeats, and exact bytes.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "designs/decorations.h"

namespace {

// "20 29 B0" -> the bytes 0x20 0x29 0xB0.
std::string Bytes(const char* hex) {
    std::istringstream in(hex);
    std::string out;
    for (unsigned value; in >> std::hex >> value;) out.push_back(static_cast<char>(value));
    return out;
}

std::string Entry(int number) { return std::string(kDecorations.at(static_cast<std::size_t>(number - 1))); }

}  // namespace

TEST(Decorations, OneLineEachWithOnlyTheIntendedRepeats) {
    ASSERT_EQ(kDecorations.size(), 117u);
    std::set<std::pair<int, int>> repeats;
    std::set<int> softHyphens;
    for (int i = 1; i <= 117; ++i) {
        for (unsigned char byte : Entry(i)) {
            // No control byte (a design is one line of saved.txt) and no byte
            // Windows-1252 leaves undefined (it would not survive the list box).
            EXPECT_TRUE(byte >= 0x20 && byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D)
                << "entry " << i;
        }
        if (Entry(i).find('\xAD') != std::string::npos) softHyphens.insert(i);
        for (int j = i + 1; j <= 117; ++j)
            if (Entry(i) == Entry(j)) repeats.insert({i, j});
    }
    EXPECT_EQ(repeats, (std::set<std::pair<int, int>>{{42, 80}, {42, 81}, {80, 81}, {43, 82}, {43, 83}, {82, 83}, {45, 89}}));
    EXPECT_EQ(softHyphens, (std::set<int>{19, 93, 94}));
    EXPECT_EQ(Entry(88), Entry(45) + " ") << "a near repeat, distinct by its trailing blank";
}

TEST(Decorations, EntriesKeepTheirExactBytes) {
    const std::pair<int, const char*> cases[] = {
        {1, "20 29 B0 B7 2E B7 B4 AF 60 B7 2D 3E"}, {19, "60 B7 2E 84 2E 95 A4 AD 8B BB"},
        {52, "8B 96 85 B7 B4 60 B7 85 96 9B"}, {58, "5B 60 91 82 91 B0 95 2E 95 B0 91 82 91 B4 5D"},
        {80, "5D A6 95 A6 5B"}, {89, "B7 EF A1 F7 A1 EF B7"}, {117, "28 B8 2E B7 B4 29"},
    };
    for (const auto& [number, hex] : cases) EXPECT_EQ(Entry(number), Bytes(hex)) << "entry " << number;
    EXPECT_EQ(DecorationUtf8(19), "`\u00B7.\u201E.\u2022\u00A4\u00AD\u2039\u00BB") << "shown and sent as these";
}
