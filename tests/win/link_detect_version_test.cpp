// Generation detection through the real registry, and what a room scan does
// with it. Every test leaves the messenger's uninstall records as it found them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/messenger_link_win.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/win_test_support.h"

namespace {

constexpr const char* kOld = "PalTalk8.2";
constexpr const char* kCurrent = "Paltalk Messenger";

class Detection : public ::testing::Test {
protected:
    void SetUp() override {
        PalInstallRecordsGuard::Remove(kOld);
        PalInstallRecordsGuard::Remove(kCurrent);
    }
    // Records as an installer leaves them (32-bit view); a null version
    // makes the key without "DisplayVersion".
    static void Record(const char* name, const char* version) {
        const std::string text = version ? version : "";
        ASSERT_TRUE(PalInstallRecordsGuard::Write(name, version ? &text : nullptr)) << name;
    }
    PalInstallRecordsGuard keepRecords_;
};

TEST_F(Detection, NoRecordMeansNoMessenger) { EXPECT_EQ(DetectPalVersion(), 0); }

TEST_F(Detection, TheCurrentInstallersRecordAlone) {
    const struct {
        const char* version;
        short code;
    } cases[] = {{"11.3.2", 450}, {"10.2.0.1", 450}, {"10.2.0.450", 450}, {"10.5", 10},
                 {"9.1", 9},     {"10.9.1", 9},     {"11.0.9.2", 9},     {"8.2", 0}, {"", 0}};
    for (const auto& c : cases) {
        Record(kCurrent, c.version);
        EXPECT_EQ(DetectPalVersion(), c.code) << c.version;
    }
}

TEST_F(Detection, TheOldRecordAloneAndBothTogether) {
    Record(kOld, "10.5");
    EXPECT_EQ(DetectPalVersion(), 10);

    Record(kOld, "9.1");
    Record(kCurrent, "11.0");
    EXPECT_EQ(DetectPalVersion(), 9);  // the old record wins when it exists

    // ...even when it has no version: the default "0" names no generation.
    Record(kOld, nullptr);
    EXPECT_EQ(DetectPalVersion(), 0);

    PalInstallRecordsGuard::Remove(kOld);
    EXPECT_EQ(DetectPalVersion(), 450);
}

TEST_F(Detection, ARecordWithoutAVersionCountsAsNoMessenger) {
    Record(kCurrent, nullptr);
    EXPECT_EQ(DetectPalVersion(), 0);
}

TEST_F(Detection, TheDemoMessengersInstallRecordIsReadWhereAnInstallerPutsIt) {
    ASSERT_TRUE(DemoMessenger::Install("11.3"));
    EXPECT_EQ(DetectPalVersion(), 450);
    // A 32-bit installer's record: in the 32-bit view only.
    HKEY key = nullptr;
    const std::string subkey = std::string(PalInstallRecordsGuard::kUninstallRoot) + kCurrent;
    EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key),
              ERROR_SUCCESS);
    if (key) RegCloseKey(key);

    ASSERT_TRUE(DemoMessenger::Install("10.5"));  // an update while we run
    EXPECT_EQ(DetectPalVersion(), 10);
    ASSERT_TRUE(DemoMessenger::Uninstall());
    EXPECT_EQ(DetectPalVersion(), 0);
    EXPECT_TRUE(DemoMessenger::Uninstall());  // nothing left to remove is fine
}

// A room scan on the main window's pieces, against the demo messenger's rooms.
class RoomScan : public Detection {
protected:
    void SetUp() override {
        Detection::SetUp();
        form1_ = CreateWindowExA(0, "STATIC", "Vivarto", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        combo1_ = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWN | WS_VSCROLL, 0, 0, 150, 200,
                                  form1_, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(messenger_.Start({"Lobby"}));
    }
    void TearDown() override { DestroyWindow(form1_); }
    std::string Caption(HWND hwnd) const {
        char text[256] = {};
        GetWindowTextA(hwnd, text, sizeof(text));
        return text;
    }
    int RoomCount() const { return static_cast<int>(SendMessageA(combo1_, CB_GETCOUNT, 0, 0)); }

    HWND form1_ = nullptr;
    HWND combo1_ = nullptr;
    DemoMessenger messenger_;
};

TEST_F(RoomScan, NoMessengerFoundMarksTheCaptionForGood) {
    MessengerLink link(form1_, combo1_);
    link.PalRoomGrab();
    EXPECT_EQ(Caption(form1_), "No Pal Found");
    EXPECT_EQ(link.ChatClass, "");
    EXPECT_EQ(RoomCount(), 0);  // no class known yet: no rooms
    EXPECT_EQ(Caption(combo1_), "");

    Record(kCurrent, "11.3");
    link.PalRoomGrab();
    EXPECT_EQ(Caption(form1_), "No Pal Found");  // not restored
    EXPECT_EQ(link.ChatClass, "DlgGroupChat Window Class");
    EXPECT_EQ(link.InputIndex, 2);
    EXPECT_EQ(RoomCount(), 1);
    EXPECT_EQ(Caption(combo1_), "Lobby");

    // The messenger goes away: its settings stay and the rooms are still found.
    PalInstallRecordsGuard::Remove(kCurrent);
    link.PalRoomGrab();
    EXPECT_EQ(link.ChatClass, "DlgGroupChat Window Class");
    EXPECT_EQ(Caption(combo1_), "Lobby");
}

TEST_F(RoomScan, ARecognisedMessengerLeavesTheCaptionAlone) {
    SetWindowTextA(form1_, "Vivarto");
    MessengerLink link(form1_, combo1_);
    Record(kCurrent, "10.5");
    link.Combo1_DropDown();
    EXPECT_EQ(Caption(form1_), "Vivarto");
    EXPECT_EQ(link.InputIndex, 2);
    EXPECT_EQ(Caption(combo1_), "Lobby");
    EXPECT_NE(link.FindInputBox(), nullptr);
    EXPECT_EQ(link.FindInputBox(), messenger_.InputBox("Lobby"));
}

TEST_F(RoomScan, Generation9ListsRoomsButFindsNoInputBox) {
    MessengerLink link(form1_, combo1_);
    Record(kCurrent, "9.1");
    link.PalRoomGrab();
    EXPECT_EQ(link.ChatClass, "DlgGroupChat Window Class");
    EXPECT_EQ(link.InputIndex, 0);
    EXPECT_EQ(Caption(combo1_), "Lobby");
    EXPECT_EQ(link.FindInputBox(), nullptr);

    std::string message = "{\\rtf1\\ansi for nine}";
    link.TxtSendPal(message);
    Sleep(100);
    EXPECT_TRUE(messenger_.Transcript().empty());
}

}  // namespace
