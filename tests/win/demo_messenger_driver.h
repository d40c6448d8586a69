// Drives the demo messenger from a test: starts it with rooms and a fresh
// transcript, finds its windows, reads back what its rooms posted. Its destructor
// ends the messenger, so a test ends on its own even when an assertion fails.
#pragma once
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "link/messenger_link_win.h"
#include "tools/transcript_format.h"
#include "ui/files_win.h"
#include "ui/list_box_win.h"
#include "ui/window_util_win.h"

class DemoMessenger {
public:
    static constexpr DWORD kDefaultTimeoutMs = 10000;

    ~DemoMessenger() { Close(); }

    // The exe beside the running one (the build puts them in one folder), or the one
    // VIVARTO_RELEASE_MESSENGER names (an unpacked release's). Not the command line:
    // that is GoogleTest's, and a flag there must not pass for a path.
    static std::string ExePath() {
        const char* release = std::getenv("VIVARTO_RELEASE_MESSENGER");
        return release ? FullPath(release) : ExeFolder() + "\\demo_messenger.exe";
    }
    static std::string FullPath(const std::string& path) {
        char full[MAX_PATH] = {};
        return std::string(full, GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr));
    }

    // True once a window is up for every room; `options` go before the rooms.
    bool Start(const std::vector<std::string>& rooms, const std::vector<std::string>& options = {}) {
        Close();
        char folder[MAX_PATH] = {}, file[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        GetTempFileNameA(folder, "viv", 0, file);
        transcript_ = file;
        std::vector<std::string> args = options;
        args.insert(args.end(), {"--transcript", transcript_, "--"});
        args.insert(args.end(), rooms.begin(), rooms.end());
        if (!Launch(args, process_)) return false;
        WaitForInputIdle(process_.hProcess, kDefaultTimeoutMs);  // its rooms' boxes made, not only their windows
        return WaitUntil(kDefaultTimeoutMs, [&] { return RoomWindows().size() >= rooms.size(); });
    }
    // The installer's record, made or removed by a run with --install / --uninstall.
    static bool Install(const std::string& version) { return RunToEnd({"--install", version}); }
    static bool Uninstall() { return RunToEnd({"--uninstall"}); }

    // Topmost first.
    std::vector<HWND> RoomWindows() const { return TopWindows(process_, "DlgGroupChat Window Class"); }
    // The top-level windows of `process` (of one class when given), topmost first.
    static std::vector<HWND> TopWindows(const PROCESS_INFORMATION& process, const char* className = nullptr) {
        std::vector<HWND> found;
        for (HWND h = nullptr; process.hProcess && (h = FindWindowExA(nullptr, h, className, nullptr));) {
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (pid == process.dwProcessId) found.push_back(h);
        }
        return found;
    }
    HWND RoomWindow(const std::string& room) const {
        for (HWND hwnd : RoomWindows())
            if (WindowText(hwnd) == room) return hwnd;
        return nullptr;
    }

    // Across processes; empty when the window does not answer within a second.
    static std::string WindowText(HWND hwnd) {
        DWORD_PTR length = 0, copied = 0;
        if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &length)) return {};
        std::wstring text(length + 1, L'\0');
        SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                            1000, &copied);
        return Utf8FromWide(std::wstring_view(text).substr(0, copied));
    }
    static void BringToTop(HWND hwnd) { SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); }
    // As a user closes it; true once the window is gone.
    bool CloseRoom(const std::string& room, DWORD timeoutMs = kDefaultTimeoutMs) {
        HWND hwnd = RoomWindow(room);
        return hwnd && PostMessageA(hwnd, WM_CLOSE, 0, 0) && WaitUntil(timeoutMs, [&] { return !IsWindow(hwnd); });
    }

    // Where the messenger writes its record (it grows by one record per message).
    const std::string& TranscriptPath() const { return transcript_; }
    // Every message posted so far, in order.
    std::vector<TranscriptEntry> Transcript() const {
        std::string bytes;
        ReadWholeFile(transcript_, bytes);
        return ParseTranscript(bytes);
    }
    // At least `count` messages, or what there is when the time is up.
    std::vector<TranscriptEntry> WaitForTranscript(std::size_t count) const {
        WaitUntil(kDefaultTimeoutMs, [&] { return Transcript().size() >= count; });
        return Transcript();
    }

    // WM_CLOSE to every room; killed when that does not end it in time.
    void Close() {
        for (HWND hwnd : RoomWindows()) PostMessageA(hwnd, WM_CLOSE, 0, 0);
        if (process_.hProcess) Finish(process_, 5000);
        if (!transcript_.empty()) DeleteFileA(transcript_.c_str());
        transcript_.clear();
    }

    template <typename Condition>
    static bool WaitUntil(DWORD timeoutMs, Condition done) {
        for (const ULONGLONG end = GetTickCount64() + timeoutMs; !done(); Sleep(20))
            if (GetTickCount64() >= end) return false;
        return true;
    }

    // Started in `folder` (the test's own when empty), `exe` given `args`.
    static bool Launch(const std::vector<std::string>& args, PROCESS_INFORMATION& process,
                       const std::string& exe = ExePath(), const std::string& folder = "") {
        // Every argument quoted: none the tests pass holds a quote or ends in a backslash.
        std::string commandLine = '"' + exe + '"';
        for (const std::string& arg : args) commandLine += " \"" + arg + '"';
        std::wstring wide = WideFromUtf8(commandLine);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        return CreateProcessW(WideFromUtf8(exe).c_str(), wide.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.empty() ? nullptr : WideFromUtf8(folder).c_str(), &startup, &process) != 0;
    }
    // The exit code, once the process has ended (killed when it does not end in time).
    static DWORD Finish(PROCESS_INFORMATION& process, DWORD timeoutMs) {
        DWORD code = 1;
        if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, timeoutMs);
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        process = PROCESS_INFORMATION{};
        return code;
    }

private:
    static bool RunToEnd(const std::vector<std::string>& args) {
        PROCESS_INFORMATION process{};
        return Launch(args, process) && Finish(process, kDefaultTimeoutMs) == 0;
    }

    PROCESS_INFORMATION process_{};
    std::string transcript_;
};

// Both messenger uninstall records (32-bit view) removed before and after a test,
// so each starts with no messenger installed; the tests run in a Wine prefix of
// their own, so the records are theirs to remove.
struct PalInstallRecordsGuard {
    PalInstallRecordsGuard() { Clear(); }
    ~PalInstallRecordsGuard() { Clear(); }
    static void Clear() {
        for (const char* name : {"PalTalk8.2", "Paltalk Messenger"})
            RegDeleteKeyExA(HKEY_LOCAL_MACHINE,
                            (std::string("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") + name).c_str(),
                            KEY_WOW64_32KEY, 0);
    }
};

// The main window's pieces the link works on: Form1's caption and its
// drop-down Combo1, shown the rooms the way the main window shows them.
struct LinkWindows : RoomChooser {
    HWND form1 = CreateWindowExA(0, "STATIC", "Vivarto", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                 nullptr, nullptr);
    HWND combo1 = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWN | WS_VSCROLL, 0, 0, 150, 200, form1,
                                  nullptr, nullptr, nullptr);
    ~LinkWindows() override { DestroyWindow(form1); }
    std::string ChosenRoom() const override { return Text(); }
    void ShowRooms(const std::vector<std::string>& rooms) override { FillComboBox(combo1, rooms); }
    void ShowMessengerMissing() override { SetWindowTextA(form1, "No Pal Found"); }
    // The rooms listed, then "> " and the box's text.
    std::string Shown() const {
        std::string shown;
        wchar_t text[256];
        for (int i = 0; SendMessageW(combo1, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text)) != CB_ERR; ++i)
            shown += (i ? ", " : "") + Utf8FromWide(text);
        return shown + " > " + Text();
    }
    std::string Text() const { return DemoMessenger::WindowText(combo1); }
};
