// Shared by the registry tests: scratch keys, direct advapi32 access to check
// what RegAccess really stored, and starting the system's own registry tools.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "registry/reg_access_win.h"

namespace regtest {

inline std::string Le32(DWORD v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

// A key under HKCU\Software (or HKLM\Software in one view; RegAccess uses the
// 32-bit one): gone before the test, removed with all below it afterwards.
class ScratchKey {
public:
    explicit ScratchKey(const std::string& tag, HKEY root = HKEY_CURRENT_USER, REGSAM view = KEY_WOW64_32KEY)
        : root_(root), view_(view), leaf_("VivartoTest-" + tag + "-" + std::to_string(GetCurrentProcessId())) {
        Remove();
    }
    ~ScratchKey() {
        Remove();
        EXPECT_FALSE(Exists()) << "left behind: " << Path();
    }
    const std::string& Leaf() const { return leaf_; }
    std::string Path(const std::string& below = {}) const {
        return (root_ == HKEY_CURRENT_USER ? "HKCU\\" : "HKLM\\") + Sub(below);
    }
    bool Exists(const std::string& below = {}) const {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root_, Sub(below).c_str(), 0, KEY_READ | view_, &key)) return false;
        return RegCloseKey(key) == 0;
    }
    // The stored bytes of a value, empty when it is missing (HKCU: one view only).
    std::string Read(const std::string& name, const std::string& below = {}) const {
        std::string bytes(4096, '\0');
        DWORD size = 4096;
        if (RegGetValueA(root_, Sub(below).c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, nullptr, bytes.data(), &size))
            size = 0;
        return bytes.substr(0, size);
    }
    // Any type and bytes, e.g. what another program might have stored.
    void Write(const std::string& name, DWORD type, const std::string& bytes, const std::string& below = {}) const {
        ASSERT_EQ(RegSetKeyValueA(root_, Sub(below).c_str(), name.c_str(), type, bytes.data(),
                                  static_cast<DWORD>(bytes.size())), 0);
    }

private:
    std::string Sub(const std::string& below) const { return "Software\\" + leaf_ + (below.empty() ? "" : "\\" + below); }
    void Remove() const {
        HKEY software = nullptr;
        if (RegOpenKeyExA(root_, "Software", 0, KEY_ALL_ACCESS | view_, &software)) return;
        RegDeleteTreeA(software, leaf_.c_str());
        RegCloseKey(software);
    }
    HKEY root_;
    REGSAM view_;
    std::string leaf_;
};

// A key's values as EnumValues lists them, "name=" + "#" number, "$" text or
// "-" other type, sorted, so a listing reads as one expectation.
inline std::vector<std::string> Listing(RegAccess& reg, const std::string& path, long onlyType = -1) {
    std::vector<std::string> names, out;
    std::vector<RegValue> values;
    reg.EnumValues(path, names, values, onlyType);
    for (size_t i = 0; i < names.size(); ++i)
        out.push_back(names[i] + "=" + "-$#"[values.at(i).index()] + RegValueText(values[i]));
    std::sort(out.begin(), out.end());
    return out;
}

// Runs a program of the (Wine) system; its exit code, -1 when it did not start
// or did not end within a minute.
inline long RunProgram(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process))
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    else TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<long>(code);
}

}  // namespace regtest
