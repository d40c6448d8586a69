// Any name or value reading back as set is the fuzz target's check (fuzz/settings_file_fuzz.cpp).
#include <gtest/gtest.h>

#include "ui/settings_file.h"

using Items = std::vector<std::string>;

TEST(SettingsFile, ListsAndKeyOrderReadBackAndDamageCostsOnlyTheDamagedSetting) {
    SettingsFile file;
    for (const char* key : {"z", "[x]", "a=b"}) file.SetList("S", key, {"Lobby", "a,b", "back\\slash", ""});
    const SettingsFile back = SettingsFile::Parse(file.Format());
    EXPECT_EQ(back.Keys("S"), (Items{"z", "[x]", "a=b"}));
    EXPECT_EQ(back.GetList("S", "a=b"), (Items{"Lobby", "a,b", "back\\slash", ""}));

    const SettingsFile damaged = SettingsFile::Parse(
        "junk\r\n[Main]\r\n  ColorA = 255 \r\nColorB=-1\r\nBig=1099511627776\r\nTop=12abc\nDup=1\rDup=2\r\n"
        "[Broken\r\nLost=1\r\n[Art]\r\nBad=\xFF\r\n[Main]\r\nLate=3\r\nTrunc");
    for (const char* key : {"ColorB", "Big", "Top", "Missing"}) EXPECT_EQ(damaged.GetColor("Main", key), std::nullopt) << key;
    EXPECT_EQ(damaged.GetColor("Main", "ColorA"), 255u);
    EXPECT_EQ(damaged.GetInt("Main", "Dup", 0, 2), 2) << "a key given twice keeps its last value";
    EXPECT_EQ(damaged.Keys("Main").back(), "Late") << "a section given twice is one";
    EXPECT_EQ(damaged.Sections(), (Items{"Main", "Art"})) << "keys under a broken header go with it";
    EXPECT_EQ(damaged.GetString("Art", "Bad"), "\xEF\xBF\xBD");
}
