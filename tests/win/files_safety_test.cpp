// What the user keeps on disk survives the replace of a file; the program's own folder from any path. (List files
// start-up left out: form1_test; a registry export: registry_test.)
#include <filesystem>

#include "tests/win/win_test_support.h"

namespace {

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
