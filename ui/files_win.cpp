#include "ui/files_win.h"

#include <windows.h>

#include <stdexcept>

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

namespace {

// A new file beside `target`, under a name made here and created only if no
// file has it, so a user's own file is never opened; its name goes to `temp`.
HANDLE CreateTemporaryBeside(const std::wstring& target, std::wstring& temp) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) + L".tmp";
        HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    return INVALID_HANDLE_VALUE;
}

}  // namespace

bool ReplaceFileContent(const std::string& path, const std::string& content) {
    const std::wstring target = WideFromUtf8(path);
    // A folder of that name is no file to replace (Wine's replace would put
    // the file in the place of an empty one).
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    std::wstring temp;
    HANDLE file = CreateTemporaryBeside(target, temp);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = content.empty() ||
              (WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
               written == content.size());
    ok = FlushFileBuffers(file) && ok;
    CloseHandle(file);
    if (!ok) {
        DeleteFileW(temp.c_str());
        return false;
    }
    // The replace keeps the old file's attributes and permissions; only a
    // file that is not there yet is moved into place, never over another.
    if (ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        // Wine's replace drops them (a hidden file came back plain): set again.
        constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
        if (attributes != INVALID_FILE_ATTRIBUTES && GetFileAttributesW(target.c_str()) != attributes)
            SetFileAttributesW(target.c_str(), attributes & kSettable);
        return true;
    }
    if (GetLastError() == ERROR_FILE_NOT_FOUND && MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temp.c_str());
    return false;
}

std::optional<std::string> ModuleFolder(const ModulePathQuery& query) {
    // A path that fills the buffer may have been cut: try again with twice
    // the room, up to the longest path there is.
    std::wstring path(MAX_PATH, L'\0');
    DWORD n = 0;
    while ((n = query(path.data(), static_cast<DWORD>(path.size()))) >= path.size()) {
        if (path.size() > 32768) return std::nullopt;
        path.resize(path.size() * 2);
    }
    path.resize(n);
    const std::size_t slash = path.find_last_of(L'\\');
    if (n == 0 || slash == std::wstring::npos) return std::nullopt;  // the call failed
    return Utf8FromWide(path.substr(0, slash));
}

std::string ExeFolder() {
    const auto folder =
        ModuleFolder([](wchar_t* buffer, unsigned long size) { return GetModuleFileNameW(nullptr, buffer, size); });
    if (!folder) throw std::runtime_error("the folder of the program cannot be known");
    return *folder;
}
