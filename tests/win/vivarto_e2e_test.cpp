// End to end: the real vivarto.exe beside the demo messenger, driven from
// outside by control ID the way a user's clicks reach it. The messenger's
// transcript is the truth about what a room received.
// Run with an unpacked release's folder and its demo messenger as arguments,
// the same tests check the release as a user gets it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <utility>

#include "context/resource.h"
#include "tests/win/demo_messenger_driver.h"

namespace {

bool TestingRelease() { return __argc > 1; }

// The folder the program is started from, like a double-click in it would.
std::string AppFolder() {
    return TestingRelease() ? DemoMessenger::FullPath(__argv[1]) + "\\" : DemoMessenger::TestFolder();
}

class Vivarto {
public:
    ~Vivarto() { Close(); }

    bool Start() {
        const std::string folder = AppFolder();
        if (!DemoMessenger::Launch({}, pi_, folder + "vivarto.exe", folder)) return false;
        WaitForInputIdle(pi_.hProcess, 10000);
        return DemoMessenger::WaitUntil(10000, [&] { return (hwnd_ = FindMain()) != nullptr; });
    }

    // Closes the window as the user would; true when the program then ended by itself.
    bool Close() {
        if (!pi_.hProcess) return true;
        if (IsWindow(hwnd_)) PostMessageA(hwnd_, WM_CLOSE, 0, 0);
        return DemoMessenger::Finish(pi_, 10000) == 0;
    }

    HWND Main() const { return hwnd_; }

    HWND Control(int id) const {
        std::pair<int, HWND> find{id, nullptr};
        EnumChildWindows(hwnd_, [](HWND h, LPARAM p) -> BOOL {
            auto* f = reinterpret_cast<std::pair<int, HWND>*>(p);
            return GetDlgCtrlID(h) == f->first ? (f->second = h, FALSE) : TRUE;
        }, reinterpret_cast<LPARAM>(&find));
        return find.second;
    }

    // A click, without waiting on the program (a handler may run a while).
    void Click(int id) const { PostMessageA(Control(id), BM_CLICK, 0, 0); }

    std::vector<std::string> ListItems(int id) const { return ListBoxItems(Control(id)); }

    // The program's visible top-level windows: the main window, and any message box.
    std::vector<HWND> Windows() const {
        std::vector<HWND> found;
        for (HWND h = nullptr; (h = FindWindowExA(nullptr, h, nullptr, nullptr));) {
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (pid == pi_.dwProcessId && IsWindowVisible(h)) found.push_back(h);
        }
        return found;
    }

    int RoomCount() const { return static_cast<int>(SendMessageA(Control(IDC_COMBO1), CB_GETCOUNT, 0, 0)); }
    // Position of a room in Combo1's list (the search text crosses processes;
    // an item's text read back would not), -1 when it is not listed.
    int RoomIndex(const char* room) const {
        return static_cast<int>(SendMessageA(Control(IDC_COMBO1), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(room)));
    }

private:
    // The window with the menu bar (a message box has none).
    HWND FindMain() const {
        for (HWND h : Windows())
            if (GetMenu(h)) return h;
        return nullptr;
    }

    PROCESS_INFORMATION pi_{};
    HWND hwnd_ = nullptr;
};

// Each test: the messenger recorded as installed (as 11.3), its rooms open,
// and Vivarto started beside it.
class VivartoEndToEnd : public testing::Test {
protected:
    bool StartBoth(const std::vector<std::string>& rooms) {
        return DemoMessenger::Install("11.3") && messenger.Start(rooms) && vivarto.Start();
    }
    PalInstallRecordsGuard records;
    DemoMessenger messenger;
    Vivarto vivarto;
};

// The format of what arrives, character by character, is the Main tab's messenger tests' business.
TEST_F(VivartoEndToEnd, ListsTheRoomsSendsAndClosesCleanly) {
    ASSERT_TRUE(StartBoth({"Lobby", "Poetry Corner"}));
    EXPECT_EQ(DemoMessenger::WindowText(vivarto.Main()), "Vivarto 11.5");
    EXPECT_EQ(vivarto.RoomCount(), 2);
    for (const char* room : {"Lobby", "Poetry Corner"}) EXPECT_GE(vivarto.RoomIndex(room), 0) << room;

    // Regular: the room gets the composer's text as typed.
    SendMessageA(vivarto.Control(IDC_COMBO1), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>("Poetry Corner"));
    vivarto.Click(IDC_OPTION2);
    SendMessageW(vivarto.Control(IDC_RICHTEXTBOX1), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(WideFromUtf8("hello \u2022 room").c_str()));
    vivarto.Click(IDC_COMMAND1);
    auto posted = messenger.WaitForTranscript(1);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].room, "Poetry Corner");
    EXPECT_EQ(posted[0].text, "hello \u2022 room");

    EXPECT_TRUE(vivarto.Close());
}

// A clean first start is one from a folder as unpacked: only there are the
// list files sure to be the starter ones.
TEST_F(VivartoEndToEnd, FirstStartShowsTheStarterListsAndArtDesignWithoutAMessage) {
    if (!TestingRelease()) GTEST_SKIP() << "needs an unpacked release's folder";
    auto starterLines = [](const char* file) {
        std::ifstream in(std::string(VIVARTO_SOURCE_DIR "/app/starter/") + file, std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('\r')));
        return lines;
    };
    ASSERT_TRUE(StartBoth({"Lobby"}));
    Sleep(500);  // a message box would be up by now
    EXPECT_EQ(vivarto.Windows().size(), 1u) << "a message box came up";
    EXPECT_EQ(vivarto.ListItems(IDC_LIST2), starterLines("dl.txt"));
    EXPECT_EQ(vivarto.ListItems(IDC_LIST3), starterLines("dr.txt"));
    EXPECT_EQ(vivarto.ListItems(IDC_LIST4).size(), starterLines("saved.txt").size());
    ASSERT_EQ(vivarto.ListItems(IDC_LIST5), starterLines("dlist.txt"));

    // Picking the art design in its list opens it from the Designs folder.
    HWND list5 = vivarto.Control(IDC_LIST5);
    SendMessageA(list5, LB_SETSEL, TRUE, 0);
    PostMessageA(GetParent(list5), WM_COMMAND, MAKEWPARAM(IDC_LIST5, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list5));
    EXPECT_TRUE(DemoMessenger::WaitUntil(5000, [&] {
        return DemoMessenger::WindowText(vivarto.Control(IDC_RICHTEXTBOX5)).size() > 20 || vivarto.Windows().size() > 1;
    }));
    EXPECT_EQ(vivarto.Windows().size(), 1u) << "a message box came up";
    EXPECT_TRUE(vivarto.Close());
}

// What Explorer shows under Properties, and the one-file promise of the release.
TEST(VivartoRelease, TheExeCarriesTheBuildVersionAndNeedsNoDllBesideIt) {
    const std::string folder = AppFolder(), exe = folder + "vivarto.exe";
    std::vector<char> info(GetFileVersionInfoSizeA(exe.c_str(), nullptr));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    char* product = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    char version[32];
    std::snprintf(version, sizeof version, "%u.%u.%u", HIWORD(fixed->dwFileVersionMS),
                  LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS));
    EXPECT_STREQ(version, VIVARTO_VERSION);
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\040904B0\\ProductName",
                               reinterpret_cast<void**>(&product), &length));
    EXPECT_STREQ(product, "Vivarto");

    WIN32_FILE_ATTRIBUTE_DATA file{};
    ASSERT_TRUE(GetFileAttributesExA(exe.c_str(), GetFileExInfoStandard, &file));
    EXPECT_LT(file.nFileSizeLow, 1u << 20);
    EXPECT_EQ(file.nFileSizeHigh, 0u);
    WIN32_FIND_DATAA dll;
    EXPECT_EQ(FindFirstFileA((folder + "*.dll").c_str(), &dll), INVALID_HANDLE_VALUE);
}

}  // namespace
