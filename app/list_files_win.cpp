#include "app/list_files_win.h"

#include "app/line_list.h"

std::string AppPath(const std::string& folder, const std::string& name) { return folder + "\\" + name; }

bool FilePresent(const std::string& path) {
    DWORD attrs = GetFileAttributesA(path.c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
}

bool ReadWholeFile(const std::string& path, std::string& content) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
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

bool WriteLineListFile(const std::string& path, const std::vector<std::string>& entries) {
    const std::string content = FormatLineList(entries);
    const std::string temp = path + ".new";
    HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = content.empty() ||
              (WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
               written == content.size());
    ok = FlushFileBuffers(file) && ok;
    CloseHandle(file);
    if (ok) ok = MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileA(temp.c_str());
    return ok;
}

std::string ListBoxItem(HWND list, int index) {
    LRESULT len = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (len == LB_ERR) return {};
    std::string text(static_cast<std::size_t>(len) + 1, '\0');
    LRESULT got = SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    return text;
}

std::vector<std::string> ListBoxItems(HWND list) {
    std::vector<std::string> items;
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (count == LB_ERR) return items;
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) items.push_back(ListBoxItem(list, i));
    return items;
}

void AppendToListBox(HWND list, const std::vector<std::string>& entries) {
    if (entries.empty()) return;
    std::size_t bytes = 0;
    for (const auto& e : entries) bytes += e.size() + 1;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_INITSTORAGE, entries.size(), bytes);
    for (const auto& e : entries) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

bool LoadListFile(HWND list, const std::string& path) {
    std::string content;
    if (!ReadWholeFile(path, content)) return false;
    AppendToListBox(list, ParseLineList(content));
    return true;
}

bool SaveListFile(HWND list, const std::string& path) { return WriteLineListFile(path, ListBoxItems(list)); }
