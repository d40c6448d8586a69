// The link against the demo messenger in its own process, read back from its transcript.
#include <gtest/gtest.h>

#include "link/messenger_link_win.h"
#include "tests/win/demo_messenger_driver.h"

namespace {

class DemoRooms : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(messenger_.Start({"Lobby", "Poetry Corner"})) << DemoMessenger::ExePath();
        link_.SetPal10Classes();  // as a scan of an installed 11.3 leaves it
    }
    // Delivery is synchronous: the messenger has posted (or not) when this returns.
    std::vector<TranscriptEntry> Send(const std::string& room, const std::string& rtf) {
        SetWindowTextUtf8(main_.combo1, room);
        std::string message = rtf;
        link_.TxtSendPal(message);
        EXPECT_EQ(message, rtf);
        return messenger_.Transcript();
    }
    DemoMessenger messenger_;
    LinkWindows main_;
    MessengerLink link_{main_};
};

// Rooms as Combo1 lists them, then "> " and its text.
TEST_F(DemoRooms, RoomsAreListedTopmostFirstAndAClosedRoomSendsToTheOneStillOpen) {
    PalInstallRecordsGuard records;  // the rescan reads the installed generation
    ASSERT_TRUE(DemoMessenger::Install("11.3"));
    for (const char* room : {"Poetry Corner", "Lobby"}) DemoMessenger::BringToTop(messenger_.RoomWindow(room));
    link_.FillRoomList();
    EXPECT_EQ(main_.Shown(), "Lobby, Poetry Corner > Lobby");
    DemoMessenger::BringToTop(messenger_.RoomWindow("Poetry Corner"));
    link_.Combo1_DropDown();
    EXPECT_EQ(main_.Shown(), "Poetry Corner, Lobby > Poetry Corner");
    ASSERT_TRUE(messenger_.CloseRoom("Poetry Corner"));
    const auto posted = Send("Poetry Corner", "{\\rtf1\\ansi rerouted}");
    EXPECT_EQ(main_.Shown(), "Lobby > Lobby");
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_TRUE(posted[0].room == "Lobby" && posted[0].text == "rerouted");
    ASSERT_TRUE(messenger_.CloseRoom("Lobby"));
    EXPECT_EQ(Send("Lobby", "{\\rtf1\\ansi gone}").size(), 1u);
    EXPECT_EQ(main_.Shown(), " > ") << "the last room gone too: the list empties";
}

TEST_F(DemoRooms, EachMessageArrivesWholeInTheRoomNamedAndPartOfATitleDeliversNothing) {
    Send("Poetry Corner", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}"
                          "\\f0\\fs20 plain {\\b bold} {\\cf1 red} \\'95 end\\par}");
    Send("lobby", "{\\rtf1\\ansi two}");
    Send("LOBBY", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 first\\par second\\par third\\par}");
    // "Poetry" is in a title, so the room counts as open and no rescan replaces
    // the text, but no room is titled exactly so; one character (of one byte or more) is never checked.
    for (const char* room : {"Poetry", "", "Z", "\u00E9"}) {
        Send(room, "{\\rtf1\\ansi lost}");
        EXPECT_EQ(main_.Text(), room);
    }
    std::string posted;  // a stray delivery would have come before the last message, sent after them
    for (const TranscriptEntry& e : Send("Lobby", "{\\rtf1\\ansi last}")) posted += e.room + ": " + e.text + "\n";
    EXPECT_EQ(posted, "Poetry Corner: plain bold red \u2022 end\nLobby: two\nLobby: first\r\nsecond\r\nthird\nLobby: last\n");
}

// The send gives up at once on a hung room: it returns well before its own time-out, the room still frozen.
TEST_F(DemoRooms, AHungMessengerDoesNotFreezeTheSender) {
    ASSERT_TRUE(messenger_.Start({"Lobby"}, {"--freeze-after-post", "60000"}));
    HWND room = messenger_.RoomWindow("Lobby");
    ASSERT_EQ(Send("Lobby", "{\\rtf1\\ansi before}").size(), 1u);  // answered, then the room stops reading
    ASSERT_TRUE(DemoMessenger::WaitUntil(30000, [&] { return IsHungAppWindow(room); }));  // after five seconds of that
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(Send("Lobby", "{\\rtf1\\ansi during}").size(), 1u);
    EXPECT_LT(GetTickCount64() - start, MessengerLink::kSendTimeoutMs / 2);
    EXPECT_TRUE(IsHungAppWindow(room));
}

}  // namespace
