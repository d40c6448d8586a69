// ExportToReg and ImportFromReg on the real (Wine) registry, and our files
// imported by the system's own registry editor for comparison.
#include "tests/win/registry_test_support.h"
#include "tests/win/win_test_support.h"
#include "ui/message_loop_win.h"

#include <array>
#include <map>
#include <random>

using namespace std::string_literals;
using regtest::Listing;
using Lines = std::vector<std::string>;

namespace {

std::string Join(const Lines& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

class RegFileTest : public ::testing::Test {
protected:
    regtest::ScratchKey key{"file"};
    TempFolder folder;
    RegAccess reg;
    std::string P(const std::string& below = {}) const { return key.Path(below); }
    std::string LongPath(const std::string& below = {}) const { return "HKEY_CURRENT_USER" + P(below).substr(4); }
    std::string KeyLine(const std::string& below = {}) const { return "[" + LongPath(below).append("]"); }
};

TEST_F(RegFileTest, ExportWritesEachValueKindAndSubkeysDepthFirstIntoANewFile) {
    reg.WriteString(P(), "name", "abc");
    reg.WriteBinary(P(), "b", "01 AB FF");
    reg.WriteDWORD(P(), "n", 31);
    reg.WriteString(P("A"), "@", "the default");
    reg.WriteString(P("A"), "blank", "");
    reg.WriteBinary(P("A"), "nothing", "");
    reg.WriteDWORD(P("A"), "max", -1);
    key.Write("multi", REG_MULTI_SZ, "a\0b\0\0"s, "A");
    key.Write("", REG_BINARY, "ABC", "A\\A1");  // a binary default: one line, no "@=" string
    reg.WriteString(P("B"), "@", "");
    const Lines top = {"REGEDIT4", "", KeyLine(), "\"name\"=\"abc\"", "\"b\"=hex:01,AB,FF", "\"n\"=dword:0000001F", ""};
    ASSERT_EQ(reg.ExportToReg("hkcu" + P().substr(4), folder.File("flat.reg")), 1);
    EXPECT_EQ(folder.Read("flat.reg"), Join(top));
    ASSERT_EQ(reg.ExportToReg(P(), folder.File("tree.reg"), true), 1);
    EXPECT_EQ(folder.Read("tree.reg"),
              Join(top) + Join({KeyLine("A"), "@=\"the default\"", "\"blank\"=\"\"", "\"nothing\"=hex:",
                                "\"max\"=dword:FFFFFFFF", "", KeyLine("A\\A1"), "\"\"=hex:41,42,43", "",
                                KeyLine("B"), "@=\"\"", ""}));
    EXPECT_EQ(reg.ExportToReg(P(), folder.File("tree.reg")), 0);  // never overwrites
    EXPECT_EQ(reg.ExportToReg(P("gone"), folder.File("m.reg"), true), 1);
    EXPECT_EQ(folder.Read("m.reg"), Join({"REGEDIT4", "", KeyLine("gone"), ""}));
}

TEST_F(RegFileTest, ExportShowsEachKeyInTheOutputBoxAfterLettingEventsRun) {
    reg.CreateKey(P("one"));
    HWND box = CreateWindowExA(0, "EDIT", "", 0, 0, 0, 300, 40, nullptr, nullptr, nullptr, nullptr);
    PostMessageA(box, WM_APP, 0, 0);
    EXPECT_EQ(reg.ExportToReg(P(), folder.File("p.reg"), true, [box](const std::string& key) { ShowProgress(box, key); }), 1);
    MSG waiting;
    EXPECT_FALSE(PeekMessageA(&waiting, nullptr, WM_APP, WM_APP, PM_NOREMOVE));
    char shown[300] = {};
    GetWindowTextA(box, shown, sizeof shown);
    EXPECT_EQ(shown, LongPath("one"));
    DestroyWindow(box);
}

// A file as the registry editor writes them (lower-case hex, comments, hex
// continued over lines) with our deletions; its header may be in any case but
// must stand alone on the first line. How each line reads is tested natively
// (regedit4_test); the round trip below covers the writes of every kind.
TEST_F(RegFileTest, ImportAppliesEachKindOfLine) {
    reg.WriteString(P("doomed"), "v", "x");
    reg.WriteString(P(), "Stale", "to be removed");
    reg.WriteString(P(), "@", "old default");
    key.Write("@", REG_SZ, "named at");
    reg.WriteString(P("k2"), "@", "k2 default");
    const Lines file = {"regedit4", "", "; comment", "[-" + LongPath("doomed") + "]", KeyLine(), "\"Count\"=dword:0000001f",
                        "\"Odd\"=hex:a1,a2,\\", "  b6", "\"Stale\"=-", "@=-", KeyLine("k2"), "@=", "\"last\"=dword:7"};
    EXPECT_EQ(reg.ImportFromReg(folder.File("all.reg")), 0);  // no such file yet
    folder.Write("bad.reg", Join({" REGEDIT4", file[3]}));
    EXPECT_EQ(reg.ImportFromReg(folder.File("bad.reg")), 0);  // not headed "REGEDIT4"
    EXPECT_TRUE(key.Exists("doomed"));
    folder.Write("all.reg", Join(file));
    reg.CreateKeyIfDoesntExists(false);
    EXPECT_EQ(reg.ImportFromReg(folder.File("all.reg")), 1);
    EXPECT_TRUE(reg.CreateKeyIfDoesntExists());
    EXPECT_FALSE(key.Exists("doomed"));
    // "@=-" deleted the default, not the value named "@".
    EXPECT_EQ(Listing(reg, P()), (Lines{"@=$named at", "Count=#31", "Odd=$A1 A2 B6"}));
    EXPECT_EQ(Listing(reg, P("k2")), (Lines{"last=#7"}));  // "@=" wrote the default, then removed it
}

// The system's registry editor and our importer read the same exported file
// (escapes and a string in hex included) into two keys.
TEST_F(RegFileTest, TheRegistryEditorImportsOurFilesAsWeDo) {
    regtest::ScratchKey byEditor("editor"), byUs("us");
    for (const char* name : {"@", "Spaces inside", "Accented", "Empty"})
        reg.WriteString(P(), name, name[0] == 'E' ? "" : "caf\xE9  na\xEFve ");
    for (const char* name : {"Bytes", "NoBytes", "ManyBytes"})
        reg.WriteBinary(P(), name, name[0] == 'B' ? "00 01 7F 80 FF" : name[0] == 'N' ? "" : std::string(240, 'A'));
    reg.WriteDWORD(P(), "Count", 31);
    reg.WriteDWORD(P(), "AllOnes", -1);
    reg.WriteString(P(), "Esc\"aped\\", "C:\\dir \"q\"");
    reg.WriteString(P(), "Lines", "a\r\nb");
    reg.WriteDWORD(P("Sub\\Deeper"), "Level", 2);
    reg.WriteString(P("Sub"), "Inner", "value");
    ASSERT_EQ(reg.ExportToReg(P(), folder.File("source.reg"), true), 1);
    for (const regtest::ScratchKey* target : {&byEditor, &byUs}) {
        std::string text = folder.Read("source.reg");
        for (size_t at = text.find(key.Leaf()); at != std::string::npos; at = text.find(key.Leaf(), at))
            text.replace(at, key.Leaf().size(), target->Leaf());
        folder.Write(target->Leaf() + ".reg", text);
    }
    ASSERT_EQ(regtest::RunProgram("regedit.exe /S \"" + folder.File(byEditor.Leaf() + ".reg") + "\""), 0);
    ASSERT_EQ(reg.ImportFromReg(folder.File(byUs.Leaf() + ".reg")), 1);
    for (const char* below : {"", "Sub", "Sub\\Deeper"}) {
        const Lines expected = Listing(reg, P(below));
        EXPECT_EQ(Listing(reg, byEditor.Path(below)), expected) << below;
        EXPECT_EQ(Listing(reg, byUs.Path(below)), expected) << below;
    }
}

// Every value below a key as stored: key path -> name -> type and bytes.
using Tree = std::map<std::string, std::map<std::string, std::pair<DWORD, std::string>>>;
void Snapshot(HKEY parent, const std::string& sub, const std::string& at, Tree& tree) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(parent, sub.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key), 0) << at;
    auto& values = tree[at];
    DWORD subkeys = 0, count = 0, nameMax = 0, dataMax = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &count, &nameMax, &dataMax, nullptr, nullptr);
    for (DWORD i = 0; i < count; ++i) {
        std::string name(nameMax + 1, '\0'), data(dataMax, '\0');
        DWORD nameLength = nameMax + 1, dataLength = dataMax, type = 0;
        ASSERT_EQ(RegEnumValueA(key, i, name.data(), &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &dataLength), 0);
        values[name.substr(0, nameLength)] = {type, data.substr(0, dataLength)};
    }
    for (DWORD i = 0; i < subkeys; ++i) {
        char name[256];
        DWORD length = sizeof name;
        ASSERT_EQ(RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr), 0);
        Snapshot(key, name, at + "\\" + name, tree);
    }
    RegCloseKey(key);
}

// Random keys and values of every kind we export, with the characters the file format has to quote or escape, are
// exported, removed and imported again: the same tree comes back, and no line of their data acts on another key.
TEST_F(RegFileTest, AnExportImportsBackAsItWasAndNothingElse) {
    regtest::ScratchKey victim("victim");
    reg.CreateKey(victim.Path());
    std::mt19937 rng(13);
    const auto text = [&](size_t length) {
        const std::string alphabet = "abc \"\\=@[];-\r\n\xE9\t";
        std::string out;
        while (out.size() < length) out += rng() % 6 ? std::string(1, alphabet[rng() % alphabet.size()]) : "\r\n";
        return out;
    };
    const std::string injected = "x\r\n[-HKEY_CURRENT_USER\\Software\\" + victim.Leaf() +
                                 "]\r\n[HKEY_CURRENT_USER\\Software\\" + victim.Leaf() + "\\planted]\r\n\"v\"=\"1\"";
    key.Write("", REG_SZ, injected);
    key.Write("@", REG_SZ, "named at");
    for (const char* below : {"", "a]b", "a]b\\ \"=q@;", "[-c", "[-c\\e e "})
        for (int i = 0; i < 8; ++i) {
            std::string name = text(i == 7 ? 300 : rng() % 12);
            std::replace_if(name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n'; }, '_');  // see the end
            const DWORD type = std::array<DWORD, 3>{REG_SZ, REG_BINARY, REG_DWORD}[i % 3];
            key.Write(name, type, type == REG_DWORD ? regtest::Le32(rng())
                                  : text(type == REG_BINARY ? rng() % 65537 : i % 2 ? rng() % 40 : 255 + rng() % 2000), below);
        }
    Tree before, after;
    Snapshot(HKEY_CURRENT_USER, "Software\\" + key.Leaf(), "", before);
    ASSERT_EQ(reg.ExportToReg(P(), folder.File("all.reg"), true), 1);
    ASSERT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + key.Leaf()).c_str()), 0);
    ASSERT_EQ(reg.ImportFromReg(folder.File("all.reg")), 1);
    Snapshot(HKEY_CURRENT_USER, "Software\\" + key.Leaf(), "", after);
    EXPECT_TRUE(victim.Exists() && !victim.Exists("planted"));
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [path, values] : before) {
        EXPECT_EQ(after[path].size(), values.size()) << path;
        for (const auto& [name, value] : values)
            EXPECT_TRUE(after[path].count(name) && after[path][name] == value)
                << path << " [" << name << "] type " << value.first << ", " << value.second.size() << " bytes";
    }
    // A name holding a line break has no form in the file: the export is refused and leaves no file.
    key.Write("line\r\nbreak", REG_SZ, "v");
    EXPECT_EQ(reg.ExportToReg(P(), folder.File("refused.reg")), 0);
    EXPECT_FALSE(folder.Exists("refused.reg"));
}

}  // namespace
