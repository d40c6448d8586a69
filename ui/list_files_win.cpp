#include "ui/list_files_win.h"

#include <map>

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

}  // namespace

bool WriteLineListFile(const std::string& path, const std::vector<std::string>& entries) {
    const auto known = ReadEncodings().find(path);
    const ListEncoding readAs = known == ReadEncodings().end() ? ListEncoding::Windows1252 : known->second;
    return ReplaceFileContent(path, EncodeListFile(entries, readAs));
}

bool LoadListFile(HWND list, const std::string& path) {
    std::string content;
    if (!ReadWholeFile(path, content)) return false;
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
