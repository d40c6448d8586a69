// The editor's decorations: the count, and the deliberate repeats.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "designs/decorations.h"

TEST(Decorations, OneLineEachWithOnlyTheIntendedRepeats) {
    const auto Entry = [](int number) { return std::string(kDecorations.at(static_cast<std::size_t>(number - 1))); };
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

TEST(Decorations, ShownAndSentInUtf8) {
    EXPECT_EQ(DecorationUtf8(19), "`\u00B7.\u201E.\u2022\u00A4\u00AD\u2039\u00BB");
}
