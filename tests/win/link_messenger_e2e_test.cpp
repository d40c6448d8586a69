// The link against the demo messenger in its own process: rooms listed,
// messages delivered across the process boundary and read back from the
// messenger's transcript.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/messenger_link_win.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/win_test_support.h"

namespace {

// The main window's pieces the link works on.
struct MainWindowParts {
    MainWindowParts() {
        form1 = CreateWindowExA(0, "STATIC", "Vivarto", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        combo1 = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL, 0, 0,
                                 150, 200, form1, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~MainWindowParts() { DestroyWindow(form1); }
    MainWindowParts(const MainWindowParts&) = delete;
    MainWindowParts& operator=(const MainWindowParts&) = delete;

    std::vector<std::string> Items() const {
        std::vector<std::string> items;
        const auto count = SendMessageA(combo1, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char text[256] = {};
            SendMessageA(combo1, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }
    std::string Text() const {
        char text[256] = {};
        GetWindowTextA(combo1, text, sizeof(text));
        return text;
    }
    void SetText(const std::string& text) const { SetWindowTextA(combo1, text.c_str()); }

    HWND form1;
    HWND combo1;
};

// Rooms of the demo messenger, with the link set up for generation 10/11 as
// a scan of an installed 11.3 would leave it.
class DemoRooms : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(messenger_.Start({"Lobby", "Poetry Corner"})) << DemoMessenger::ExePath();
        link_.SetPal10Classes();
    }

    // Delivery is synchronous: when TxtSendPal returns the messenger has
    // written what it posted. A short grace period still lets a wrong
    // delivery show up before the test decides that nothing came.
    std::vector<TranscriptEntry> PostedAfterGrace() {
        Sleep(150);
        return messenger_.Transcript();
    }

    DemoMessenger messenger_;
    MainWindowParts main_;
    MessengerLink link_{main_.form1, main_.combo1};
};

TEST_F(DemoRooms, BothRoomsAreListedInTopLevelOrder) {
    DemoMessenger::BringToTop(messenger_.RoomWindow("Poetry Corner"));
    DemoMessenger::BringToTop(messenger_.RoomWindow("Lobby"));
    link_.FillRoomList();
    EXPECT_EQ(main_.Items(), (std::vector<std::string>{"Lobby", "Poetry Corner"}));
    EXPECT_EQ(main_.Text(), "Lobby");

    DemoMessenger::BringToTop(messenger_.RoomWindow("Poetry Corner"));
    link_.Combo1_DropDown();  // what opening the list does (with the scan)
    EXPECT_EQ(main_.Items(), (std::vector<std::string>{"Poetry Corner", "Lobby"}));
    EXPECT_EQ(main_.Text(), "Poetry Corner");
}

TEST_F(DemoRooms, AFormattedMessageArrivesWithItsFormatting) {
    main_.SetText("Poetry Corner");
    // Bold, a red colour and the bullet 0x95 of the ANSI code page.
    const std::string rtf =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}"
        "\\f0\\fs20 plain {\\b bold} {\\cf1 red} \\'95 end\\par}";
    std::string message = rtf;
    link_.TxtSendPal(message);

    const auto posted = messenger_.Transcript();  // already written: the send waited for it
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].room, "Poetry Corner");
    EXPECT_EQ(posted[0].text, "plain bold red \x95 end");
    EXPECT_NE(posted[0].rtf.find("\\b bold"), std::string::npos) << posted[0].rtf;
    EXPECT_NE(posted[0].rtf.find("\\red255\\green0\\blue0"), std::string::npos) << posted[0].rtf;
    EXPECT_NE(posted[0].rtf.find("\\'95"), std::string::npos) << posted[0].rtf;
    EXPECT_EQ(message, rtf);

    // The room shows it, and its input box is empty again.
    EXPECT_NE(DemoMessenger::WindowText(messenger_.HistoryBox("Poetry Corner")).find("plain bold red \x95 end"),
              std::string::npos);
    EXPECT_EQ(DemoMessenger::WindowText(messenger_.InputBox("Poetry Corner")), "");
    EXPECT_EQ(DemoMessenger::WindowText(messenger_.HistoryBox("Lobby")), "");
}

TEST_F(DemoRooms, SeveralParagraphsArriveAsOneMessage) {
    main_.SetText("Lobby");
    std::string message =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 first line\\par second line\\par third line\\par}";
    link_.TxtSendPal(message);
    const auto posted = messenger_.Transcript();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].room, "Lobby");
    EXPECT_EQ(posted[0].text, "first line\r\nsecond line\r\nthird line");
}

TEST_F(DemoRooms, MessagesGoWhereTheRoomTextPoints) {
    // Letter case aside, the room text names the room.
    main_.SetText("poetry CORNER");
    std::string first = "{\\rtf1\\ansi one}";
    link_.TxtSendPal(first);
    main_.SetText("Lobby");
    std::string second = "{\\rtf1\\ansi two}";
    link_.TxtSendPal(second);

    const auto posted = messenger_.Transcript();
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].room, "Poetry Corner");
    EXPECT_EQ(posted[0].text, "one");
    EXPECT_EQ(posted[1].room, "Lobby");
    EXPECT_EQ(posted[1].text, "two");
}

TEST_F(DemoRooms, PartOfATitleOrNoRoomTextDeliversNothing) {
    link_.FillRoomList();
    // "Poetry" is in a title, so the room counts as open and the list is not
    // rebuilt, but no room is titled exactly so.
    main_.SetText("Poetry");
    std::string message = "{\\rtf1\\ansi lost}";
    link_.TxtSendPal(message);
    EXPECT_EQ(main_.Text(), "Poetry");

    main_.SetText("");
    link_.TxtSendPal(message);
    main_.SetText("L");  // one character: no rescan, no room of that title
    link_.TxtSendPal(message);
    EXPECT_EQ(main_.Text(), "L");

    EXPECT_TRUE(PostedAfterGrace().empty());
    EXPECT_EQ(DemoMessenger::WindowText(messenger_.HistoryBox("Poetry Corner")), "");
    EXPECT_EQ(DemoMessenger::WindowText(messenger_.HistoryBox("Lobby")), "");
}

TEST_F(DemoRooms, AClosedRoomSendsTheMessageToTheRoomStillOpen) {
    // The rescan reads the generation from the registry: the messenger is
    // recorded as installed for this test and the records restored after.
    PalInstallRecordsGuard keepRecords;
    PalInstallRecordsGuard::Remove("PalTalk8.2");
    ASSERT_TRUE(DemoMessenger::Install("11.3"));
    main_.SetText("Poetry Corner");
    ASSERT_TRUE(messenger_.CloseRoom("Poetry Corner"));

    std::string message = "{\\rtf1\\ansi rerouted}";
    link_.TxtSendPal(message);
    EXPECT_EQ(main_.Text(), "Lobby");
    EXPECT_EQ(main_.Items(), (std::vector<std::string>{"Lobby"}));
    const auto posted = messenger_.Transcript();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].room, "Lobby");
    EXPECT_EQ(posted[0].text, "rerouted");

    // With the last room gone too, nothing is delivered anywhere.
    ASSERT_TRUE(messenger_.CloseRoom("Lobby"));
    main_.SetText("Lobby");
    link_.TxtSendPal(message);
    EXPECT_EQ(main_.Text(), "");
    EXPECT_TRUE(main_.Items().empty());
}

TEST(HungMessenger, DeliveryGivesUpAtOnceInsteadOfFreezing) {
    DemoMessenger messenger;
    ASSERT_TRUE(messenger.Start({"Lobby"}, "", DemoMessenger::kDefaultTimeoutMs, {"--freeze-after-post", "7000"}));
    MainWindowParts main;
    MessengerLink link(main.form1, main.combo1);
    link.SetPal10Classes();
    main.SetText("Lobby");

    std::string first = "{\\rtf1\\ansi before}";
    link.TxtSendPal(first);  // answered, then the room stops reading its messages
    ASSERT_EQ(messenger.Transcript().size(), 1u);

    // The system calls a window hung once it has not looked at its messages
    // for five seconds.
    Sleep(5600);
    const ULONGLONG start = GetTickCount64();
    std::string second = "{\\rtf1\\ansi during}";
    link.TxtSendPal(second);
    EXPECT_LT(GetTickCount64() - start, 1500u);
    EXPECT_EQ(messenger.Transcript().size(), 1u);
}

TEST(DemoMessengerProcess, EndsWhenItsLastRoomCloses) {
    DemoMessenger messenger;
    ASSERT_TRUE(messenger.Start({"Only Room"}));
    EXPECT_TRUE(messenger.Running());
    ASSERT_TRUE(messenger.CloseRoom("Only Room"));
    EXPECT_TRUE(DemoMessenger::WaitUntil(5000, [&] { return !messenger.Running(); }));
}

}  // namespace
