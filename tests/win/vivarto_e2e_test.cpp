// End to end: the real vivarto.exe beside the demo messenger, driven from
// outside by control ID the way a user's clicks reach it. The messenger's
// transcript is the truth about what a room received.
// Run with an unpacked release's folder and its demo messenger as arguments,
// the same tests check the release as a user gets it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>

#include "context/resource.h"
#include "ui/line_list.h"
#include "tests/win/demo_messenger_driver.h"

namespace {

// The release check names the unpacked release's folder; otherwise the build's own.
const char* Release() { return std::getenv("VIVARTO_RELEASE"); }
bool TestingRelease() { return Release() != nullptr; }

// The folder the program is started from, like a double-click in it would.
std::string AppFolder() {
    return (TestingRelease() ? DemoMessenger::FullPath(Release()) : ExeFolder()) + "\\";
}

class Vivarto {
public:
    ~Vivarto() { Close(); }

    bool Start() {
        const std::string folder = AppFolder();
        DeleteFileA((folder + "vivarto.ini").c_str());  // each test starts as a first start does
        return DemoMessenger::Launch({}, pi_, folder + "vivarto.exe", folder) && DemoMessenger::WaitUntil(10000, [&] {
                   for (HWND h : Windows())
                       if (GetMenu(h)) main_ = h;  // the main window: a message box has no menu bar
                   return main_ != nullptr;
               });
    }
    // Closes the window as the user would; true when the program then ended by itself.
    bool Close() {
        if (!pi_.hProcess) return true;
        PostMessageA(main_, WM_CLOSE, 0, 0);
        return DemoMessenger::Finish(pi_, 10000) == 0;
    }

    // The first window of that ID among the main window's descendants, each child before its own.
    HWND Control(int id, HWND parent = nullptr) const {
        for (HWND h = nullptr; (h = FindWindowExA(parent ? parent : main_, h, nullptr, nullptr));)
            if (HWND found = GetDlgCtrlID(h) == id ? h : Control(id, h)) return found;
        return nullptr;
    }
    // The program's visible top-level windows: the main window, and any message box.
    std::vector<HWND> Windows() const {
        std::vector<HWND> found = DemoMessenger::TopWindows(pi_);
        std::erase_if(found, [](HWND h) { return !IsWindowVisible(h); });
        return found;
    }

    HWND main_ = nullptr;

private:
    PROCESS_INFORMATION pi_{};
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
    EXPECT_EQ(DemoMessenger::WindowText(vivarto.main_), "Vivarto 11.5");
    // Both rooms listed; which they are, the send below shows (it goes to the first, the topmost).
    EXPECT_EQ(SendMessageA(vivarto.Control(IDC_COMBO1), CB_GETCOUNT, 0, 0), 2);

    // Regular: the room gets the composer's text as typed.
    PostMessageA(vivarto.Control(IDC_OPTION2), BM_CLICK, 0, 0);
    SendMessageW(vivarto.Control(IDC_RICHTEXTBOX1), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(WideFromUtf8("hello \u2022 room").c_str()));
    PostMessageA(vivarto.Control(IDC_COMMAND1), BM_CLICK, 0, 0);  // a handler may run a while: no waiting on it
    const auto posted = messenger.WaitForTranscript(1);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].room + ": " + posted[0].text, "Poetry Corner: hello \u2022 room");
    EXPECT_TRUE(vivarto.Close());
}

// A clean first start is one from a folder as unpacked: only there are the
// list files sure to be the starter ones.
TEST_F(VivartoEndToEnd, FirstStartShowsTheStarterListsAndArtDesignWithoutAMessage) {
    if (!TestingRelease()) GTEST_SKIP() << "needs an unpacked release's folder";
    // A message box while the lists load keeps the main window from showing (StartBoth fails); one
    // that comes up later is still there at the end.
    ASSERT_TRUE(StartBoth({"Lobby"}));
    for (auto [list, file] : {std::pair{IDC_LIST2, "dl.txt"}, {IDC_LIST3, "dr.txt"}, {IDC_LIST4, "saved.txt"},
                              {IDC_LIST5, "dlist.txt"}}) {
        std::string bytes;
        ReadWholeFile(VIVARTO_SOURCE_DIR "/app/starter/" + std::string(file), bytes);
        ASSERT_EQ(ListBoxItems(vivarto.Control(list)), DecodeListFile(bytes).entries) << file;
    }

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
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)) +
                  "." + std::to_string(HIWORD(fixed->dwFileVersionLS)),
              VIVARTO_VERSION);

    WIN32_FILE_ATTRIBUTE_DATA file{};
    ASSERT_TRUE(GetFileAttributesExA(exe.c_str(), GetFileExInfoStandard, &file));
    EXPECT_LT((ULARGE_INTEGER{{file.nFileSizeLow, file.nFileSizeHigh}}.QuadPart), 1u << 20);
    WIN32_FIND_DATAA dll;
    EXPECT_EQ(FindFirstFileA((folder + "*.dll").c_str(), &dll), INVALID_HANDLE_VALUE);
}

}  // namespace
