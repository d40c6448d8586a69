// Shared by the registry tests: scratch keys that each run creates and
// removes, direct advapi32 reads and writes to check what RegAccess really
// stored (without going through the class under test), and starting the
// system's own registry tools inside Wine.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace regtest {

// RegAccess works in the 32-bit view; the checks look at the same view unless
// a test says otherwise.
inline constexpr REGSAM kView32 = KEY_WOW64_32KEY;
inline constexpr REGSAM kView64 = KEY_WOW64_64KEY;

// A key name that no other test process uses: tag plus process id.
inline std::string UniqueName(const std::string& tag) {
    return "VivartoTest-" + tag + "-" + std::to_string(GetCurrentProcessId());
}

inline bool RawKeyExists(HKEY root, const std::string& subkey, REGSAM view = kView32) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

struct RawValue {
    bool found = false;
    DWORD type = 0;
    std::string bytes;
};

inline RawValue RawRead(HKEY root, const std::string& subkey, const std::string& name,
                        REGSAM view = kView32) {
    RawValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size) ==
        ERROR_SUCCESS) {
        value.bytes.assign(size, '\0');
        value.found = RegQueryValueExA(key, name.c_str(), nullptr, &value.type,
                                       reinterpret_cast<BYTE*>(value.bytes.data()),
                                       &size) == ERROR_SUCCESS;
        value.bytes.resize(size);
    }
    RegCloseKey(key);
    return value;
}

// A string value as the A functions give it, without the NUL they add.
inline std::string RawText(const RawValue& value) {
    std::string text = value.bytes;
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

inline bool RawWrite(HKEY root, const std::string& subkey, const std::string& name, DWORD type,
                     const std::string& bytes, REGSAM view = kView32) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return false;
    const bool ok = RegSetValueExA(key, name.c_str(), 0, type,
                                   reinterpret_cast<const BYTE*>(bytes.data()),
                                   static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

// Removes a key with everything below it.
inline void RawDeleteTree(HKEY root, const std::string& subkey, REGSAM view = kView32) {
    const size_t slash = subkey.rfind('\\');
    const std::string parent = slash == std::string::npos ? "" : subkey.substr(0, slash);
    const std::string leaf = slash == std::string::npos ? subkey : subkey.substr(slash + 1);
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, parent.c_str(), 0, KEY_ALL_ACCESS | view, &key) != ERROR_SUCCESS)
        return;
    RegDeleteTreeA(key, leaf.c_str());
    RegCloseKey(key);
}

// A key under HKCU\Software (or another root) for one test: gone before the
// test starts and removed, with everything below it, when the test ends.
class ScratchKey {
public:
    ScratchKey(const std::string& tag, HKEY root = HKEY_CURRENT_USER,
               const std::string& rootText = "HKCU", REGSAM view = kView32)
        : root_(root), view_(view), subkey_("Software\\" + UniqueName(tag)),
          path_(rootText + "\\" + subkey_) {
        RawDeleteTree(root_, subkey_, view_);
    }
    ~ScratchKey() {
        RawDeleteTree(root_, subkey_, view_);
        EXPECT_FALSE(RawKeyExists(root_, subkey_, view_)) << "left behind: " << path_;
    }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    // "HKCU\Software\VivartoTest-..." as RegAccess takes it.
    const std::string& Path() const { return path_; }
    // The same below the root, for the direct checks.
    const std::string& Subkey() const { return subkey_; }
    std::string Path(const std::string& below) const { return path_ + "\\" + below; }
    std::string Subkey(const std::string& below) const { return subkey_ + "\\" + below; }
    bool Exists(const std::string& below = {}) const {
        return RawKeyExists(root_, below.empty() ? subkey_ : Subkey(below), view_);
    }
    RawValue Read(const std::string& name, const std::string& below = {}) const {
        return RawRead(root_, below.empty() ? subkey_ : Subkey(below), name, view_);
    }
    std::string Text(const std::string& name, const std::string& below = {}) const {
        return RawText(Read(name, below));
    }
    bool Write(const std::string& name, DWORD type, const std::string& bytes,
               const std::string& below = {}) const {
        return RawWrite(root_, below.empty() ? subkey_ : Subkey(below), name, type, bytes, view_);
    }

private:
    HKEY root_;
    REGSAM view_;
    std::string subkey_;
    std::string path_;
};

struct ProcessResult {
    bool started = false;
    bool finished = false;
    DWORD exitCode = 0;
    std::string output;  // what it wrote to standard output and error
};

// Starts a program of the (Wine) system, e.g. "reg.exe query ...", and waits
// for it within `timeoutMs`. One that does not end in time is ended.
inline ProcessResult RunProgram(const std::string& commandLine, DWORD timeoutMs = 60000) {
    ProcessResult result;
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return result;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    std::string mutableLine = commandLine;
    result.started = CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, TRUE,
                                    CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process) != 0;
    CloseHandle(writeEnd);
    if (!result.started) {
        CloseHandle(readEnd);
        return result;
    }
    // Read while waiting so a chatty program never blocks on a full pipe.
    const DWORD deadline = GetTickCount() + timeoutMs;
    for (;;) {
        DWORD available = 0;
        while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
            char chunk[4096];
            DWORD got = 0;
            if (!ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) || got == 0) break;
            result.output.append(chunk, got);
        }
        if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) {
            result.finished = true;
            break;
        }
        if (static_cast<LONG>(GetTickCount() - deadline) > 0) {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, 5000);
            break;
        }
    }
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got > 0)
        result.output.append(chunk, got);
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(readEnd);
    return result;
}

}  // namespace regtest
