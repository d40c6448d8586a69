#include "ui/files_win.h"

#include <windows.h>

#include "ui/window_util_win.h"

bool FilePresent(const std::string& path) {
    DWORD attrs = GetFileAttributesW(WideFromUtf8(path).c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
}

bool ListFilePresent(const std::string& path) {
    const DWORD attrs = GetFileAttributesW(WideFromUtf8(path).c_str());
    return attrs != INVALID_FILE_ATTRIBUTES &&
           !(attrs & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

bool ReadWholeFile(const std::string& path, std::string& content) {
    HANDLE file = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart < 0x7FFFFFFF;
    if (ok) {
        content.assign(static_cast<std::size_t>(size.QuadPart), '\0');
        DWORD got = 0;
        ok = size.QuadPart == 0 ||
             (ReadFile(file, content.data(), static_cast<DWORD>(size.QuadPart), &got, nullptr) &&
              got == static_cast<DWORD>(size.QuadPart));
    }
    CloseHandle(file);
    return ok;
}

bool ReplaceFileContent(const std::string& path, const std::string& content) {
    const std::wstring target = WideFromUtf8(path);
    const std::wstring temp = target + L".new";
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = content.empty() ||
              (WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
               written == content.size());
    ok = FlushFileBuffers(file) && ok;
    CloseHandle(file);
    if (ok) ok = MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileW(temp.c_str());
    return ok;
}

std::string ExeFolder() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::string s = Utf8FromWide(std::wstring_view(path, n));
    return s.substr(0, s.find_last_of('\\'));
}
