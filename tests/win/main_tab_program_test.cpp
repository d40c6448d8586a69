// The dance bot in the real program: vivarto.exe beside the demo messenger,
// its controls worked from outside by ID, then the main window closed while
// a tick waits. The program must end by itself, cleanly, and post nothing more.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/resource.h"
#include "tests/win/demo_messenger_driver.h"

namespace {

class RunningVivarto {
public:
    ~RunningVivarto() {
        if (!process_.hProcess) return;
        if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    bool Start() {
        std::string exe = DemoMessenger::ExePath();
        exe.replace(exe.find_last_of('\\') + 1, std::string::npos, "vivarto.exe");
        std::string commandLine = DemoMessenger::QuoteArgument(exe);
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process_))
            return false;
        WaitForInputIdle(process_.hProcess, 10000);
        return DemoMessenger::WaitUntil(10000, [&] { return (main_ = FindMainWindow()) != nullptr; });
    }

    HWND Main() const { return main_; }
    HWND Control(int id) const {
        struct Find {
            int id;
            HWND found;
        } find{id, nullptr};
        EnumChildWindows(
            main_,
            [](HWND hwnd, LPARAM lParam) -> BOOL {
                auto* f = reinterpret_cast<Find*>(lParam);
                if (GetDlgCtrlID(hwnd) != f->id) return TRUE;
                f->found = hwnd;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&find));
        return find.found;
    }
    // Posted, as a click is: the program's handler may run a while.
    void Click(int id) const { PostMessageA(Control(id), BM_CLICK, 0, 0); }
    void SetText(int id, const std::string& text) const {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                            5000, &result);
    }
    std::string Text(int id) const { return DemoMessenger::WindowText(Control(id)); }

    // Waits for the process to end; its exit code, or -1 when it did not.
    int WaitForExit(DWORD timeoutMs) const {
        if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return static_cast<int>(code);
    }

private:
    HWND FindMainWindow() const {
        struct Find {
            DWORD pid;
            HWND found;
        } find{process_.dwProcessId, nullptr};
        EnumWindows(
            [](HWND hwnd, LPARAM lParam) -> BOOL {
                auto* f = reinterpret_cast<Find*>(lParam);
                DWORD pid = 0;
                GetWindowThreadProcessId(hwnd, &pid);
                char name[64] = {};
                GetClassNameA(hwnd, name, sizeof(name));
                if (pid != f->pid || lstrcmpA(name, "#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
                f->found = hwnd;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&find));
        return find.found;
    }

    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

std::vector<std::string> Texts(const std::vector<TranscriptEntry>& posted) {
    std::vector<std::string> texts;
    for (const TranscriptEntry& entry : posted) texts.push_back(entry.text);
    return texts;
}

TEST(MainTabProgram, DanceBotRunsFromItsButtonsAndClosingDuringAWaitEndsTheProgramCleanly) {
    PalInstallRecordsGuard records;
    PalInstallRecordsGuard::Remove("PalTalk8.2");
    ASSERT_TRUE(DemoMessenger::Install("11.3"));
    DemoMessenger messenger;
    ASSERT_TRUE(messenger.Start({"Lobby"}));
    RunningVivarto vivarto;
    ASSERT_TRUE(vivarto.Start());
    ASSERT_EQ(vivarto.Text(IDC_COMBO1), "Lobby");

    vivarto.SetText(IDC_RICHTEXTBOX2, "\\o/");
    vivarto.SetText(IDC_RICHTEXTBOX3, "/o\\");
    vivarto.SetText(IDC_TEXT2, "0.4");
    vivarto.Click(IDC_OPTION3);  // Dance
    vivarto.Click(IDC_COMMAND8);  // Start
    // A full tick, and the left frame of the next one.
    auto posted = messenger.WaitForTranscript(3, 8000);
    ASSERT_EQ(Texts(posted), (std::vector<std::string>{"\\o/", "/o\\", "\\o/"}));
    PostMessageA(vivarto.Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(vivarto.WaitForExit(5000), 0);
    Sleep(600);  // longer than the rest of the tick would have taken
    EXPECT_EQ(Texts(messenger.Transcript()), (std::vector<std::string>{"\\o/", "/o\\", "\\o/"}));
}

}  // namespace
