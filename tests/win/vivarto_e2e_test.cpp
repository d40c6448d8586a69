// End to end: the real vivarto.exe beside the demo messenger, driven from
// outside by control ID the way a user's clicks reach it. The messenger's
// transcript is the truth about what a room received.
#include <gtest/gtest.h>
#include <windows.h>

#include "context/resource.h"
#include "tests/win/demo_messenger_driver.h"

namespace {

class Vivarto {
public:
    ~Vivarto() { Close(); }

    bool Start() {
        std::string exe = DemoMessenger::ExePath();
        exe.replace(exe.find_last_of('\\') + 1, std::string::npos, "vivarto.exe");
        std::string cmd = DemoMessenger::QuoteArgument(exe);
        STARTUPINFOA si{};
        si.cb = sizeof si;
        if (!CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_))
            return false;
        WaitForInputIdle(pi_.hProcess, 10000);
        return DemoMessenger::WaitUntil(10000, [&] { return (hwnd_ = FindMain()) != nullptr; });
    }

    // Closes the window as the user would; true when the program then ended by itself.
    bool Close() {
        if (!pi_.hProcess) return true;
        if (IsWindow(hwnd_)) PostMessageA(hwnd_, WM_CLOSE, 0, 0);
        bool ended = WaitForSingleObject(pi_.hProcess, 10000) == WAIT_OBJECT_0;
        DWORD code = 1;
        GetExitCodeProcess(pi_.hProcess, &code);
        if (!ended) TerminateProcess(pi_.hProcess, 1);
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
        pi_ = PROCESS_INFORMATION{};
        return ended && code == 0;
    }

    HWND Main() const { return hwnd_; }

    HWND Control(int id) const {
        struct Find {
            int id;
            HWND found;
        } find{id, nullptr};
        EnumChildWindows(
            hwnd_,
            [](HWND h, LPARAM p) -> BOOL {
                auto* f = reinterpret_cast<Find*>(p);
                if (GetDlgCtrlID(h) != f->id) return TRUE;
                f->found = h;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&find));
        return find.found;
    }

    // A click, without waiting on the program (a handler may run a while).
    void Click(int id) const { PostMessageA(Control(id), BM_CLICK, 0, 0); }

    void SetText(int id, const std::string& text) const {
        DWORD_PTR r;
        SendMessageTimeoutA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                            5000, &r);
    }

    int RoomCount() const { return static_cast<int>(SendMessageA(Control(IDC_COMBO1), CB_GETCOUNT, 0, 0)); }
    // Position of a room in Combo1's list (the search text crosses processes;
    // an item's text read back would not), -1 when it is not listed.
    int RoomIndex(const char* room) const {
        return static_cast<int>(SendMessageA(Control(IDC_COMBO1), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(room)));
    }

private:
    HWND FindMain() const {
        struct Find {
            DWORD pid;
            HWND found;
        } find{pi_.dwProcessId, nullptr};
        EnumWindows(
            [](HWND h, LPARAM p) -> BOOL {
                auto* f = reinterpret_cast<Find*>(p);
                DWORD pid = 0;
                GetWindowThreadProcessId(h, &pid);
                char cls[64] = {};
                GetClassNameA(h, cls, sizeof cls);
                if (pid != f->pid || lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(h)) return TRUE;
                f->found = h;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&find));
        return find.found;
    }

    PROCESS_INFORMATION pi_{};
    HWND hwnd_ = nullptr;
};

TEST(VivartoEndToEnd, ListsTheRoomsSendsRegularAndFadedAndClosesCleanly) {
    PalInstallRecordsGuard records;
    ASSERT_TRUE(DemoMessenger::Install("11.3"));
    DemoMessenger messenger;
    ASSERT_TRUE(messenger.Start({"Lobby", "Poetry Corner"}));

    Vivarto vivarto;
    ASSERT_TRUE(vivarto.Start());
    char caption[64] = {};
    GetWindowTextA(vivarto.Main(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Vivarto 11.5");
    EXPECT_EQ(vivarto.RoomCount(), 2);
    EXPECT_GE(vivarto.RoomIndex("Lobby"), 0);
    EXPECT_GE(vivarto.RoomIndex("Poetry Corner"), 0);

    // Regular: the room gets the composer's text as typed.
    SendMessageA(vivarto.Control(IDC_COMBO1), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>("Poetry Corner"));
    vivarto.Click(IDC_OPTION2);
    vivarto.SetText(IDC_RICHTEXTBOX1, "hello \x95 room");
    vivarto.Click(IDC_COMMAND1);
    auto posted = messenger.WaitForTranscript(1);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].room, "Poetry Corner");
    EXPECT_EQ(posted[0].text, "hello \x95 room");

    // Fade: the same text in six segments from near red to exactly blue
    // (12 characters: the first segment is at 1/12 of the way).
    vivarto.Click(IDC_OPTION1);
    vivarto.Click(IDC_COMMAND1);
    posted = messenger.WaitForTranscript(2);
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[1].text, "hello \x95 room");
    EXPECT_NE(posted[1].rtf.find("\\red234\\green0\\blue21;"), std::string::npos) << posted[1].rtf;
    EXPECT_NE(posted[1].rtf.find("\\red0\\green0\\blue255;}"), std::string::npos) << posted[1].rtf;

    EXPECT_TRUE(vivarto.Close());
    EXPECT_EQ(messenger.Transcript().size(), 2u);
}

}  // namespace
