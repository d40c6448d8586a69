#include <gtest/gtest.h>

#include "ui/settings_file.h"

using Items = std::vector<std::string>;

TEST(SettingsFile, EveryValueReadsBackAsWrittenWithNamesThatLookLikeSyntax) {
    SettingsFile file;
    const std::pair<std::string, std::string> odd[] = {
        {" a=b ", " lead and trail "}, {"[x]", "line\r\nbreak\ttab\\"}, {";c", "caf\xC3\xA9 \xF0\x9F\x98\x80"},
        {"#d", "="}, {"", ""}, {"k,\\", std::string("nul\0in", 6)}};
    for (const auto& [key, value] : odd) file.SetString("S] [", key, value);
    file.SetInt("", "Top", -32000);
    file.SetColor("Main", "ColorA", 0xFFFFFF);
    file.SetList("Main", "Rooms", {"Lobby", "a,b", "back\\slash", ""});
    const SettingsFile back = SettingsFile::Parse(file.Format());
    EXPECT_EQ(back, file) << file.Format();
    for (const auto& [key, value] : odd) EXPECT_EQ(back.GetString("S] [", key), value) << key;
    EXPECT_EQ(back.GetList("Main", "Rooms"), (Items{"Lobby", "a,b", "back\\slash", ""}));
    EXPECT_EQ(back.Keys("S] ["), (Items{" a=b ", "[x]", ";c", "#d", "", "k,\\"}));
    EXPECT_EQ(back.Sections(), (Items{"", "S] [", "Main"}));
    EXPECT_EQ(back.Format().substr(0, 15), "\xEF\xBB\xBFTop=-32000\r\n") << "keys outside a section come first";
}

TEST(SettingsFile, DamageCostsOnlyTheDamagedSetting) {
    const SettingsFile file = SettingsFile::Parse(
        "junk line\r\n[Main]\r\n  ColorA = 255 \r\nColorB=-1\r\nBig=1099511627776\r\nTop=12abc\nGood=7\rDup=1\r\n"
        "Dup=2\r\n[Broken\r\nLost=1\r\n[Art]\r\nBad=\xFF\r\n[Main]\r\nLate=3\r\nTrunc");
    EXPECT_EQ(file.GetColor("Main", "ColorA"), 255u);
    for (const char* key : {"ColorB", "Big", "Top", "Missing"}) EXPECT_EQ(file.GetColor("Main", key), std::nullopt) << key;
    EXPECT_EQ(file.GetInt("Main", "Big", INT32_MIN, INT32_MAX), std::nullopt);
    EXPECT_EQ(file.GetInt("Main", "Good", 0, 6), std::nullopt) << "out of range";
    EXPECT_EQ(file.GetInt("Main", "Good", 0, 7), 7);
    EXPECT_EQ(file.GetInt("Main", "Dup", 0, 9), 2);
    EXPECT_EQ(file.GetString("Main", "Late"), "3") << "a section given twice is one";
    EXPECT_EQ(file.Sections(), (Items{"Main", "Art"})) << "keys under a broken header go with it";
    EXPECT_EQ(file.GetString("Art", "Bad"), "\xEF\xBF\xBD");
    SettingsFile edited = file;
    edited.Remove("Art", "Bad");
    edited.RemoveSection("Main");
    EXPECT_EQ(edited.Format(), "\xEF\xBB\xBF");
}
