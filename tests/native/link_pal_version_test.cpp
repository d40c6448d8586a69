#include "link/pal_version.h"

#include <gtest/gtest.h>

namespace {

TEST(ClassifyPalVersion, VersionTextsOfEachGeneration) {
    EXPECT_EQ(ClassifyPalVersion("9.1"), 9);
    EXPECT_EQ(ClassifyPalVersion("9.2.0.123"), 9);
    EXPECT_EQ(ClassifyPalVersion("10.5"), 10);
    EXPECT_EQ(ClassifyPalVersion("10.0.1.7"), 10);
    EXPECT_EQ(ClassifyPalVersion("10.2.0.450"), 450);
    EXPECT_EQ(ClassifyPalVersion("10.2.0.1"), 450);
    EXPECT_EQ(ClassifyPalVersion("11.3.2"), 450);
    EXPECT_EQ(ClassifyPalVersion("11.0"), 450);
}

TEST(ClassifyPalVersion, EarlierTestsWinBecauseTheyAreSubstringSearches) {
    // "9." is tested first and occurs inside these later versions.
    EXPECT_EQ(ClassifyPalVersion("10.9.1"), 9);
    // ...but only with the dot: a bare "10.9" ends in "9" and is generation 10.
    EXPECT_EQ(ClassifyPalVersion("10.9"), 10);
    EXPECT_EQ(ClassifyPalVersion("11.0.9.2"), 9);
    EXPECT_EQ(ClassifyPalVersion("10.2.0.9.5"), 9);
    // "10.2.0" before "10.": a plain 10.2 without the .0 is generation 10.
    EXPECT_EQ(ClassifyPalVersion("10.2"), 10);
    EXPECT_EQ(ClassifyPalVersion("10.2.1"), 10);
    // "11." anywhere: 111.5 contains "11.".
    EXPECT_EQ(ClassifyPalVersion("111.5"), 450);
}

TEST(ClassifyPalVersion, TextsThatNameNoGeneration) {
    EXPECT_EQ(ClassifyPalVersion(""), 0);       // no uninstall record at all
    EXPECT_EQ(ClassifyPalVersion("0"), 0);      // record without "DisplayVersion"
    EXPECT_EQ(ClassifyPalVersion("8.2"), 0);
    EXPECT_EQ(ClassifyPalVersion("10"), 0);     // no dot after the 10
    EXPECT_EQ(ClassifyPalVersion("12.0"), 0);
    EXPECT_EQ(ClassifyPalVersion("9"), 0);
    EXPECT_EQ(ClassifyPalVersion("unknown"), 0);
    // Only the exact text "0" is the default; "0.9.1" holds "9.".
    EXPECT_EQ(ClassifyPalVersion("0.9.1"), 9);
}

TEST(PalGenerationSettings, EachCodeSetsItsRow) {
    PalSearchSettings settings;
    EXPECT_TRUE(ApplyPalGeneration(10, settings));
    EXPECT_EQ(settings.chatClass, "DlgGroupChat Window Class");
    EXPECT_EQ(settings.inputIndex, 2);

    PalSearchSettings later;
    EXPECT_TRUE(ApplyPalGeneration(450, later));
    EXPECT_EQ(later.chatClass, "DlgGroupChat Window Class");
    EXPECT_EQ(later.inputIndex, 2);
}

TEST(PalGenerationSettings, Generation9KeepsTheInputPosition) {
    PalSearchSettings fresh;
    EXPECT_TRUE(ApplyPalGeneration(9, fresh));
    EXPECT_EQ(fresh.chatClass, "DlgGroupChat Window Class");
    EXPECT_EQ(fresh.inputIndex, 0);

    PalSearchSettings afterTen;
    ApplyPalGeneration(10, afterTen);
    ApplyPalGeneration(9, afterTen);
    EXPECT_EQ(afterTen.inputIndex, 2);
}

TEST(PalGenerationSettings, UnrecognisedCodesLeaveTheSettingsAlone) {
    PalSearchSettings settings;
    for (short code : {0, 1, 8, 11, 449, -1}) {
        EXPECT_FALSE(ApplyPalGeneration(code, settings)) << code;
        EXPECT_TRUE(settings.chatClass.empty());
        EXPECT_EQ(settings.inputIndex, 0);
    }
    // Once recognised, a later "not found" keeps them.
    ApplyPalGeneration(450, settings);
    EXPECT_FALSE(ApplyPalGeneration(0, settings));
    EXPECT_EQ(settings.chatClass, "DlgGroupChat Window Class");
    EXPECT_EQ(settings.inputIndex, 2);
}

}  // namespace
