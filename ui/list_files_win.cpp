#include "ui/list_files_win.h"

#include "ui/files_win.h"
#include "ui/line_list.h"
#include "ui/list_box_win.h"

bool WriteLineListFile(const std::string& path, const std::vector<std::string>& entries) {
    return ReplaceFileContent(path, FormatLineList(entries));
}

bool LoadListFile(HWND list, const std::string& path) {
    std::string content;
    if (!ReadWholeFile(path, content)) return false;
    AppendToListBox(list, ParseLineList(content));
    return true;
}

bool SaveListFile(HWND list, const std::string& path) { return WriteLineListFile(path, ListBoxItems(list)); }

bool SaveAndReloadListFile(HWND list, const std::string& path) {
    SaveListFile(list, path);  // a failed write shows in what is read back
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    if (!ListFilePresent(path)) return false;
    LoadListFile(list, path);
    return true;
}
