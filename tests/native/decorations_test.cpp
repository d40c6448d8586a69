// The editor's decorations: each is one line of bytes the list box keeps, and
// reaches the box and the messenger as the characters those bytes mean.
#include <gtest/gtest.h>

#include <string>

#include "designs/decorations.h"

TEST(Decorations, OneLineOfDefinedWindows1252BytesEachShownAndSentInUtf8) {
    for (std::size_t i = 0; i < kDecorations.size(); ++i) {
        // No control byte (a design is one line of saved.txt) and no byte
        // Windows-1252 leaves undefined (it would not survive the list box).
        for (unsigned char byte : kDecorations[i])
            EXPECT_TRUE(byte >= 0x20 && byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D)
                << "entry " << i + 1;
    }
    EXPECT_EQ(DecorationUtf8(19), "`\u00B7.\u201E.\u2022\u00A4\u00AD\u2039\u00BB");
}
