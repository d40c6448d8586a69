// What the user keeps on disk survives: list files start-up left out, a failed "Save" of an art
// design, the replace of a file and the program's own folder (a registry export: registry_test).
#include <filesystem>

#include "app/form1_win.h"
#include "context/resource.h"
#include "designs/art_designs_tab_win.h"
#include "tests/win/win_test_support.h"

namespace {

// dl.txt missing: the list files that are there (one hidden) keep their bytes through every add,
// save and delete, said once; the art "Save" window stays open over what dlist.txt holds.
TEST(FilesSafety, ListFilesStartUpLeftOutAreNeverWritten) {
    TempFolder dir;
    const char* const kept[] = {"dr.txt", "nicks.txt", "saved.txt", "dlist.txt"};
    for (const char* f : kept) dir.Write(f, std::string(f) + " one\r\n" + f + " two\r\n");
    SetFileAttributesA(dir.File("dr.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    RecorderUi ui;
    Form1 form(ui, dir.Path());
    ASSERT_TRUE(form.Create(false));
    form.Context().SetControlText(IDC_TEXT3, "Carol");
    for (int id : {IDC_COMMAND10, IDC_COMMAND11, IDC_COMMAND17, IDC_COMMAND18, IDC_COMMAND12, IDC_COMMAND21}) {
        SendMessageA(form.Control(IDC_LIST1), LB_SETCURSEL, 0, 0);  // Delete takes the first nick
        form.OnCommand(id, BN_CLICKED);
    }
    EXPECT_FALSE(form.ArtDesigns().SaveDesignAs("art", form.Hwnd())) << "the window stays open";
    EXPECT_EQ(ListBoxItems(form.Control(IDC_LIST5)), (std::vector<std::string>{"dlist.txt one", "dlist.txt two"}));
    ASSERT_EQ(ui.messages.size(), 4u) << "missing dl.txt, the files kept, two art saves";
    for (const char* f : kept) {
        EXPECT_EQ(dir.Read(f), std::string(f) + " one\r\n" + f + " two\r\n");
        EXPECT_NE(ui.messages[1].text.find(std::string("[") + f + "]"), std::string::npos) << ui.messages[1].text;
    }
    DeleteFileA(dir.File("dlist.txt").c_str());  // a folder in its place: nothing to write or read back
    CreateDirectoryA(dir.File("dlist.txt").c_str(), nullptr);
    EXPECT_FALSE(form.ArtDesigns().SaveDesignAs("art", form.Hwnd()));
    EXPECT_EQ(ui.messages.back(), (RecordedMessage{"One of the files [dlist.txt]does not exist!", "Saved", MB_ICONHAND}));
    EXPECT_TRUE(ListBoxItems(form.Control(IDC_LIST5)).empty());
}

// A replace uses a file of its own, never a user's "<name>.new", leaves none behind and keeps the
// replaced file's attributes.
TEST(FilesSafety, ReplaceLeavesOtherFilesAndKeepsAttributes) {
    TempFolder dir;
    dir.Write("list.txt.new", "mine");
    dir.Write("list.txt", "old");
    SetFileAttributesA(dir.File("list.txt").c_str(), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(ReplaceFileContent(dir.File("list.txt"), "new"));
    EXPECT_EQ(dir.Read("list.txt") + " " + dir.Read("list.txt.new"), "new mine");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2) << "none of its own left";
    EXPECT_EQ(GetFileAttributesA(dir.File("list.txt").c_str()), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN);
}

// The program's folder from a path of any length; a failed query gives no folder at all.
TEST(FilesSafety, ModuleFolderOfAnyLengthOrNone) {
    for (std::size_t length : {5u, 259u, 300u, 2000u}) {
        const std::wstring path = L"C:\\" + std::wstring(length, L'd') + L"\\vivarto.exe";
        const auto query = [&](wchar_t* buffer, unsigned long size) {  // as GetModuleFileNameW: cut, size
            const std::size_t n = std::min<std::size_t>(path.size(), size - 1);
            buffer[path.copy(buffer, n)] = L'\0';
            return static_cast<unsigned long>(n < path.size() ? size : n);
        };
        EXPECT_EQ(ModuleFolder(query), "C:\\" + std::string(length, 'd'));
    }
    EXPECT_EQ(ModuleFolder([](wchar_t*, unsigned long) { return 0ul; }), std::nullopt);
}

}  // namespace
