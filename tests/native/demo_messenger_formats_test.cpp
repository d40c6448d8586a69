#include "tools/demo_messenger_args.h"
#include "tools/transcript_format.h"

#include <gtest/gtest.h>

namespace {

TEST(DemoMessengerArgs, InstallTranscriptAndRooms) {
    const auto options = ParseDemoMessengerArgs(
        {"--install", "11.3", "--transcript", "C:\\t\\out.txt", "Lobby", "Poetry Corner"});
    EXPECT_TRUE(options.error.empty());
    EXPECT_TRUE(options.install);
    EXPECT_EQ(options.installVersion, "11.3");
    EXPECT_FALSE(options.uninstall);
    EXPECT_EQ(options.transcriptPath, "C:\\t\\out.txt");
    EXPECT_EQ(options.rooms, (std::vector<std::string>{"Lobby", "Poetry Corner"}));
}

TEST(DemoMessengerArgs, RegistryOptionsAloneOpenNoRoom) {
    const auto install = ParseDemoMessengerArgs({"--install", "10.2.0.450"});
    EXPECT_TRUE(install.error.empty());
    EXPECT_FALSE(install.OpensRooms());

    const auto uninstall = ParseDemoMessengerArgs({"--uninstall"});
    EXPECT_TRUE(uninstall.uninstall);
    EXPECT_FALSE(uninstall.OpensRooms());

    // With nothing at all a plain start shows one room.
    const auto bare = ParseDemoMessengerArgs({});
    EXPECT_EQ(bare.rooms, (std::vector<std::string>{"Lobby"}));
}

TEST(DemoMessengerArgs, RoomNamesThatLookLikeOptionsAndEmptyNames) {
    const auto options = ParseDemoMessengerArgs({"", "Lobby", "--", "--uninstall", "x"});
    EXPECT_TRUE(options.error.empty());
    EXPECT_FALSE(options.uninstall);
    EXPECT_EQ(options.rooms, (std::vector<std::string>{"", "Lobby", "--uninstall", "x"}));
}

TEST(DemoMessengerArgs, FreezeForTestsOfAHungMessenger) {
    const auto options = ParseDemoMessengerArgs({"--freeze-after-post", "9000", "Lobby"});
    EXPECT_TRUE(options.error.empty());
    EXPECT_EQ(options.freezeAfterPostMs, 9000u);
    EXPECT_EQ(options.rooms, (std::vector<std::string>{"Lobby"}));
    EXPECT_EQ(ParseDemoMessengerArgs({"Lobby"}).freezeAfterPostMs, 0u);
    for (const char* bad : {"", "-5", "9s", "600001", "99999999999"})
        EXPECT_FALSE(ParseDemoMessengerArgs({"--freeze-after-post", bad}).error.empty()) << bad;
}

TEST(DemoMessengerArgs, MistakesAreReported) {
    EXPECT_FALSE(ParseDemoMessengerArgs({"--install"}).error.empty());
    EXPECT_FALSE(ParseDemoMessengerArgs({"Lobby", "--transcript"}).error.empty());
    EXPECT_FALSE(ParseDemoMessengerArgs({"--colour", "red"}).error.empty());
    EXPECT_FALSE(ParseDemoMessengerArgs({"--install", "11.3", "--uninstall"}).error.empty());
}

TEST(Transcript, RecordsReadBackWhateverTheyHold) {
    const std::vector<TranscriptEntry> written{
        {"Lobby", "{\\rtf1\\ansi{\\b bold}\\par\r\n}\r\n", "bold"},
        // A message whose text holds the record's own markers and line breaks.
        {"Poetry Corner", "{\\rtf1 x}", "line one\r\n#end\n#message rtf=3 text=0 room=X\r\nlast"},
        {"", "", ""},
        {"Caf\xE9 \x95 room=2", "{\\rtf1 \\'95}", "\x95"},
    };
    std::string file;
    for (const auto& entry : written) file += FormatTranscriptEntry(entry);

    const auto read = ParseTranscript(file);
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_EQ(read[i].room, written[i].room) << i;
        EXPECT_EQ(read[i].rtf, written[i].rtf) << i;
        EXPECT_EQ(read[i].text, written[i].text) << i;
    }
}

TEST(Transcript, AnUnfinishedRecordIsNotReadYet) {
    const std::string whole = FormatTranscriptEntry({"Lobby", "{\\rtf1 a}", "a"}) +
                              FormatTranscriptEntry({"Lobby", "{\\rtf1 bb}", "bb"});
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const auto read = ParseTranscript(whole.substr(0, cut));
        const std::size_t firstEnd = whole.find("#end\n") + 5;
        EXPECT_EQ(read.size(), cut < firstEnd ? 0u : 1u) << cut;
    }
    EXPECT_EQ(ParseTranscript(whole).size(), 2u);
    // Damaged counts stop the reading instead of running off the end.
    EXPECT_TRUE(ParseTranscript("#message rtf=999999999999999999999999 text=1 room=X\nabc").empty());
    EXPECT_TRUE(ParseTranscript("#message rtf=5 text=1 room=X\nab\nc\n#end\n").empty());
    EXPECT_TRUE(ParseTranscript("garbage\n").empty());
}

}  // namespace
