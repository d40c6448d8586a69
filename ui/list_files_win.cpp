#include "ui/list_files_win.h"

#include <set>

#include "ui/files_win.h"
#include "ui/line_list.h"
#include "ui/list_box_win.h"

namespace {

// Files that are there but could not be read the last time they were loaded
// (locked by another program, too large, a read error). Their lists hold
// nothing of them, so a write would replace the user's entries with whatever
// the list holds now; they are left alone until a load reads them again.
std::set<std::string>& UnreadableFiles() {
    static std::set<std::string> files;
    return files;
}

}  // namespace

bool WriteLineListFile(const std::string& path, const std::vector<std::string>& entries) {
    if (UnreadableFiles().count(path)) return false;
    return ReplaceFileContent(path, FormatLineList(entries));
}

bool LoadListFile(HWND list, const std::string& path) {
    std::string content;
    if (!ReadWholeFile(path, content)) {
        if (FilePresent(path)) UnreadableFiles().insert(path);
        return false;
    }
    UnreadableFiles().erase(path);
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
