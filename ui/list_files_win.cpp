#include "ui/list_files_win.h"

#include <map>
#include <set>

#include "ui/files_win.h"
#include "ui/line_list.h"
#include "ui/list_box_win.h"

namespace {

// The encoding each file was last read in; a file never read is new and
// starts as Windows-1252, like every list written before.
std::map<std::string, ListEncoding>& ReadEncodings() {
    static std::map<std::string, ListEncoding> encodings;
    return encodings;
}

// Files that are there but could not be read the last time they were loaded
// (locked by another program, too large, a read error). Their lists hold
// nothing of them, so a write would replace the user's entries with whatever
// the list holds now; they are left alone until a load reads them again.
std::set<std::string>& UnreadableFiles() {
    static std::set<std::string> files;
    return files;
}

// Files that are there but were never read in this run; unlike an unreadable
// file, a later read does not free one: the list may hold entries of its own.
std::set<std::string>& KeptFiles() {
    static std::set<std::string> files;
    return files;
}

}  // namespace

void KeepListFileThisRun(const std::string& path) { KeptFiles().insert(path); }

bool WriteLineListFile(const std::string& path, const std::vector<std::string>& entries) {
    if (UnreadableFiles().count(path) || KeptFiles().count(path)) return false;
    const auto known = ReadEncodings().find(path);
    const ListEncoding readAs = known == ReadEncodings().end() ? ListEncoding::Windows1252 : known->second;
    return ReplaceFileContent(path, EncodeListFile(entries, readAs));
}

bool LoadListFile(HWND list, const std::string& path) {
    std::string content;
    if (!ReadWholeFile(path, content)) {
        if (FilePresent(path)) UnreadableFiles().insert(path);
        return false;
    }
    UnreadableFiles().erase(path);
    ListFile file = DecodeListFile(content);
    ReadEncodings()[path] = file.encoding;
    AppendToListBox(list, file.entries);
    return true;
}

bool SaveListFile(HWND list, const std::string& path) { return WriteLineListFile(path, ListBoxItems(list)); }

bool SaveAndReloadListFile(HWND list, const std::string& path) {
    SaveListFile(list, path);  // a failed write shows in what is read back
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    if (!ListFilePresent(path)) return false;
    LoadListFile(list, path);
    return true;
}
