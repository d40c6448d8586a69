// Drives the demo messenger from a test: starts it with rooms and a
// transcript, waits for its room windows, reads what its rooms posted, closes
// rooms, and ends the process. Header-only, so any Windows test (or benchmark)
// can include it without a change to the build.
//
//   DemoMessenger messenger;
//   ASSERT_TRUE(messenger.Start({"Lobby", "Poetry Corner"}));
//   ... let Vivarto deliver into "Lobby" ...
//   auto posted = messenger.WaitForTranscript(1);
//   EXPECT_EQ(posted[0].room, "Lobby");
//
// The destructor closes the messenger (WM_CLOSE to each room, then a bounded
// wait, then TerminateProcess) and deletes the transcript it made, so a test
// ends on its own even when an assertion fails half-way.
//
// The registry side: DemoMessenger::Install("11.3") and Uninstall() run the
// messenger once with --install / --uninstall and wait for it to end.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tools/transcript_format.h"

class DemoMessenger {
public:
    static constexpr const char* kRoomClass = "DlgGroupChat Window Class";
    static constexpr DWORD kDefaultTimeoutMs = 10000;

    DemoMessenger() = default;
    DemoMessenger(const DemoMessenger&) = delete;
    DemoMessenger& operator=(const DemoMessenger&) = delete;
    ~DemoMessenger() { Close(); }

    // The exe beside the running one (the build puts them in one folder).
    static std::string ExePath() {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string folder = path;
        folder.erase(folder.find_last_of("\\/") + 1);
        return folder + "demo_messenger.exe";
    }

    // Starts the messenger with one window per room and a fresh transcript
    // (a temporary file unless `transcriptPath` names one), then waits until
    // every room window is up and ready for input. False when it does not
    // start or its windows do not appear within the timeout.
    // `options` go on the command line before the rooms (for example
    // {"--freeze-after-post", "9000"}).
    bool Start(const std::vector<std::string>& rooms, std::string transcriptPath = std::string(),
               DWORD timeoutMs = kDefaultTimeoutMs, const std::vector<std::string>& options = {}) {
        Close();
        ownsTranscript_ = transcriptPath.empty();
        transcript_ = ownsTranscript_ ? TempPath("transcript") : transcriptPath;
        std::vector<std::string> args = options;
        args.insert(args.end(), {"--transcript", transcript_, "--"});
        args.insert(args.end(), rooms.begin(), rooms.end());
        if (!Launch(args, process_)) return false;
        rooms_ = rooms.size();
        WaitForInputIdle(process_.hProcess, timeoutMs);
        return WaitUntil(timeoutMs, [&] { return RoomWindows().size() >= rooms_; });
    }

    // Records the installation as the messenger's installer does (the
    // "DisplayVersion" of its uninstall record, 32-bit registry view).
    static bool Install(const std::string& version) { return RunOnce({"--install", version}) == 0; }
    static bool Uninstall() { return RunOnce({"--uninstall"}) == 0; }

    // Runs the messenger with `args` and waits for it to end; its exit code,
    // or -1 when it could not be started or did not end in time.
    static int RunOnce(const std::vector<std::string>& args, DWORD timeoutMs = kDefaultTimeoutMs) {
        PROCESS_INFORMATION process{};
        if (!Launch(args, process)) return -1;
        int code = -1;
        if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
            DWORD exitCode = 0;
            GetExitCodeProcess(process.hProcess, &exitCode);
            code = static_cast<int>(exitCode);
        } else {
            TerminateProcess(process.hProcess, 1);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return code;
    }

    DWORD ProcessId() const { return process_.dwProcessId; }
    bool Running() const {
        return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
    }
    const std::string& TranscriptPath() const { return transcript_; }

    // The open room windows of this messenger, in the platform's top-level
    // order (topmost first).
    std::vector<HWND> RoomWindows() const {
        struct Collect {
            DWORD pid;
            std::vector<HWND> found;
        } collect{process_.dwProcessId, {}};
        if (!collect.pid) return {};
        EnumWindows(
            [](HWND hwnd, LPARAM lParam) -> BOOL {
                auto* c = reinterpret_cast<Collect*>(lParam);
                DWORD pid = 0;
                GetWindowThreadProcessId(hwnd, &pid);
                char name[256] = {};
                GetClassNameA(hwnd, name, sizeof(name));
                if (pid == c->pid && lstrcmpiA(name, kRoomClass) == 0) c->found.push_back(hwnd);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&collect));
        return collect.found;
    }

    // The room window titled exactly `room`; null when it is not open.
    HWND RoomWindow(const std::string& room) const {
        for (HWND hwnd : RoomWindows())
            if (Title(hwnd) == room) return hwnd;
        return nullptr;
    }

    // The room's rich edits: the history pane is the first "RichEdit20W" in
    // the window, the input box the second.
    HWND HistoryBox(const std::string& room) const { return RichEdit(room, 1); }
    HWND InputBox(const std::string& room) const { return RichEdit(room, 2); }

    // A window's text as WM_GETTEXT gives it (works across processes); empty
    // when the window does not answer within a second.
    static std::string WindowText(HWND hwnd) {
        DWORD_PTR length = 0;
        if (!SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &length)) return {};
        std::string text(length + 1, '\0');
        DWORD_PTR copied = 0;
        if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                                 SMTO_ABORTIFHUNG, 1000, &copied))
            return {};
        text.resize(copied);
        return text;
    }

    // Puts a room window on top of the other top-level windows (without
    // giving it the focus), so a test can choose the top-level order.
    static void BringToTop(HWND hwnd) {
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    // Closes one room as a user would (WM_CLOSE) and waits until its window
    // is gone. The messenger ends by itself when its last room closes.
    bool CloseRoom(const std::string& room, DWORD timeoutMs = kDefaultTimeoutMs) {
        HWND hwnd = RoomWindow(room);
        if (!hwnd) return false;
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return WaitUntil(timeoutMs, [&] { return !IsWindow(hwnd); });
    }

    // Every message posted so far, in order.
    std::vector<TranscriptEntry> Transcript() const { return ParseTranscript(ReadWholeFile(transcript_)); }

    // Waits until at least `count` messages were posted; returns them all
    // (fewer when the timeout passed first).
    std::vector<TranscriptEntry> WaitForTranscript(std::size_t count, DWORD timeoutMs = kDefaultTimeoutMs) const {
        std::vector<TranscriptEntry> entries;
        WaitUntil(timeoutMs, [&] {
            entries = Transcript();
            return entries.size() >= count;
        });
        return entries;
    }

    // Ends the messenger: WM_CLOSE to every room, then, when it has not ended
    // within the timeout, TerminateProcess. Deletes the temporary transcript.
    void Close(DWORD timeoutMs = 5000) {
        if (process_.hProcess) {
            for (HWND hwnd : RoomWindows()) PostMessageA(hwnd, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
                TerminateProcess(process_.hProcess, 1);
                WaitForSingleObject(process_.hProcess, timeoutMs);
            }
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
            process_ = PROCESS_INFORMATION{};
        }
        if (ownsTranscript_ && !transcript_.empty()) DeleteFileA(transcript_.c_str());
        transcript_.clear();
        ownsTranscript_ = false;
    }

    // Waits (bounded, sleeping between tries) until `done()` holds.
    template <typename Condition>
    static bool WaitUntil(DWORD timeoutMs, Condition done) {
        const ULONGLONG end = GetTickCount64() + timeoutMs;
        for (;;) {
            if (done()) return true;
            if (GetTickCount64() >= end) return false;
            Sleep(20);
        }
    }

    // One argument quoted for a Windows command line (the rules the C
    // runtime uses to split it again).
    static std::string QuoteArgument(const std::string& arg) {
        if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
        std::string quoted = "\"";
        std::size_t backslashes = 0;
        for (char c : arg) {
            if (c == '\\') {
                ++backslashes;
                continue;
            }
            if (c == '"') quoted.append(backslashes * 2 + 1, '\\');
            else quoted.append(backslashes, '\\');
            backslashes = 0;
            quoted += c;
        }
        quoted.append(backslashes * 2, '\\');
        return quoted + "\"";
    }

private:
    static bool Launch(const std::vector<std::string>& args, PROCESS_INFORMATION& process) {
        const std::string exe = ExePath();
        std::string commandLine = QuoteArgument(exe);
        for (const std::string& arg : args) {
            commandLine += ' ';
            commandLine += QuoteArgument(arg);
        }
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        process = PROCESS_INFORMATION{};
        return CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &process) != 0;
    }

    static std::string TempPath(const char* tag) {
        char folder[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        static unsigned counter = 0;
        return std::string(folder) + "vivarto_demo_" + tag + "_" + std::to_string(GetCurrentProcessId()) + "_" +
               std::to_string(++counter) + ".txt";
    }

    static std::string ReadWholeFile(const std::string& path) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return {};
        std::string data;
        char buffer[4096];
        DWORD got = 0;
        while (::ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) data.append(buffer, got);
        CloseHandle(file);
        return data;
    }

    static std::string Title(HWND hwnd) {
        char title[256] = {};
        GetWindowTextA(hwnd, title, sizeof(title));
        return title;
    }

    HWND RichEdit(const std::string& room, int position) const {
        struct Find {
            int wanted;
            int seen;
            HWND found;
        } find{position, 0, nullptr};
        HWND window = RoomWindow(room);
        if (!window) return nullptr;
        EnumChildWindows(
            window,
            [](HWND hwnd, LPARAM lParam) -> BOOL {
                auto* f = reinterpret_cast<Find*>(lParam);
                char name[256] = {};
                GetClassNameA(hwnd, name, sizeof(name));
                if (lstrcmpiA(name, "RichEdit20W") == 0 && ++f->seen == f->wanted) {
                    f->found = hwnd;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&find));
        return find.found;
    }

    PROCESS_INFORMATION process_{};
    std::size_t rooms_ = 0;
    std::string transcript_;
    bool ownsTranscript_ = false;
};

// Keeps the machine's messenger uninstall records as they were: takes a copy
// of both records (the old "PalTalk8.2" one and "Paltalk Messenger", 32-bit
// registry view) when made and puts them back when destroyed, so a test may
// install, uninstall or edit them freely.
class PalInstallRecordsGuard {
public:
    static constexpr const char* kUninstallRoot = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
    static constexpr const char* kRecordNames[2] = {"PalTalk8.2", "Paltalk Messenger"};

    PalInstallRecordsGuard() {
        for (int i = 0; i < 2; ++i) saved_[i] = Snapshot(kRecordNames[i]);
    }
    ~PalInstallRecordsGuard() {
        for (int i = 0; i < 2; ++i) Restore(kRecordNames[i], saved_[i]);
    }
    PalInstallRecordsGuard(const PalInstallRecordsGuard&) = delete;
    PalInstallRecordsGuard& operator=(const PalInstallRecordsGuard&) = delete;

    // Removes a record altogether (name: "PalTalk8.2" or "Paltalk Messenger").
    static void Remove(const std::string& name) {
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, (kUninstallRoot + name).c_str(), KEY_WOW64_32KEY, 0);
    }
    // Creates the record with the given "DisplayVersion"; without a version
    // the key is made empty (an installer that left no version behind).
    static bool Write(const std::string& name, const std::string* displayVersion) {
        Remove(name);
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, (kUninstallRoot + name).c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key, nullptr) != ERROR_SUCCESS)
            return false;
        bool ok = true;
        if (displayVersion)
            ok = RegSetValueExA(key, "DisplayVersion", 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(displayVersion->c_str()),
                                static_cast<DWORD>(displayVersion->size() + 1)) == ERROR_SUCCESS;
        RegCloseKey(key);
        return ok;
    }

private:
    struct Value {
        std::string name;
        DWORD type;
        std::string data;
    };
    struct Record {
        bool existed = false;
        std::vector<Value> values;
    };

    static Record Snapshot(const std::string& name) {
        Record record;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, (kUninstallRoot + name).c_str(), 0, KEY_READ | KEY_WOW64_32KEY,
                          &key) != ERROR_SUCCESS)
            return record;
        record.existed = true;
        for (DWORD index = 0;; ++index) {
            char valueName[16384];
            DWORD nameLength = sizeof(valueName);
            DWORD type = 0;
            DWORD dataLength = 0;
            if (RegEnumValueA(key, index, valueName, &nameLength, nullptr, &type, nullptr, &dataLength) !=
                ERROR_SUCCESS)
                break;
            std::string data(dataLength, '\0');
            nameLength = sizeof(valueName);
            RegEnumValueA(key, index, valueName, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                          &dataLength);
            data.resize(dataLength);
            record.values.push_back({std::string(valueName, nameLength), type, data});
        }
        RegCloseKey(key);
        return record;
    }

    static void Restore(const std::string& name, const Record& record) {
        Remove(name);
        if (!record.existed) return;
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, (kUninstallRoot + name).c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key, nullptr) != ERROR_SUCCESS)
            return;
        for (const Value& value : record.values)
            RegSetValueExA(key, value.name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                           static_cast<DWORD>(value.data.size()));
        RegCloseKey(key);
    }

    Record saved_[2];
};
