// RegAccess on the real (Wine) registry: keys, values, the 32-bit view, and
// REGEDIT4 files exported and imported. Each test works below its own scratch
// key under HKCU\Software and checks with advapi32 what was really stored.
#include "registry/reg_access_win.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/win_test_support.h"

#include <algorithm>
#include <map>
#include <random>

using namespace std::string_literals;
using Lines = std::vector<std::string>;

namespace {

std::string Le32(DWORD v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

std::string Join(const Lines& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

// A key under HKCU\Software, where a standard user may write: gone before the test, removed with all
// below it afterwards. The 32-bit view RegAccess asks for is checked through its open observer.
class ScratchKey {
public:
    explicit ScratchKey(const std::string& tag) : leaf_("VivartoTest-" + tag + "-" + std::to_string(GetCurrentProcessId())) {
        Remove();
    }
    ~ScratchKey() { Remove(); }
    std::string Path(const std::string& below = {}) const { return "HKCU\\" + Sub(below); }
    bool Exists(const std::string& below = {}) const {
        HKEY key = nullptr;
        return !RegOpenKeyExA(HKEY_CURRENT_USER, Sub(below).c_str(), 0, KEY_READ, &key) && !RegCloseKey(key);
    }
    // The stored bytes of a value (and its type), empty when it or its key is missing.
    std::string Read(const std::string& name, const std::string& below = {}, DWORD* type = nullptr) const {
        std::string bytes(1 << 17, '\0');
        DWORD size = static_cast<DWORD>(bytes.size());
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Sub(below).c_str(), 0, KEY_READ, &key) ||
            RegQueryValueExA(key, name.c_str(), nullptr, type, reinterpret_cast<BYTE*>(bytes.data()), &size))
            size = 0;
        RegCloseKey(key);
        return bytes.substr(0, size);
    }
    // Any type and bytes, e.g. what another program might have stored.
    void Write(const std::string& name, DWORD type, const std::string& bytes, const std::string& below = {}) const {
        ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, Sub(below).c_str(), name.c_str(), type, bytes.data(),
                                  static_cast<DWORD>(bytes.size())), 0);
    }
    void Remove() const { RegDeleteTreeA(HKEY_CURRENT_USER, Sub({}).c_str()); }

private:
    std::string Sub(const std::string& below) const { return "Software\\" + leaf_ + (below.empty() ? "" : "\\" + below); }
    std::string leaf_;
};

// A key's values as EnumValues lists them, after their number: "name=" + "#" number, "$" text or "-" other
// type, sorted, so a listing reads as one expectation. The arrays come in stale: EnumValues clears them.
Lines Listing(RegAccess& reg, const std::string& path, long onlyType = -1) {
    std::vector<RegValue> values{"stale"s};
    Lines names{"stale"};
    Lines out{std::to_string(reg.EnumValues(path, names, values, onlyType))};
    for (size_t i = 0; i < names.size(); ++i)
        out.push_back(names[i] + "=" + "-$#"[values.at(i).index()] + RegValueText(values[i]));
    std::sort(out.begin() + 1, out.end());
    return out;
}

class RegistryTest : public ::testing::Test {
protected:
    ScratchKey key{"key"};
    RegAccess reg;
    TempFolder folder;
    std::string P(const std::string& below = {}) const { return key.Path(below); }
    std::string LongPath(const std::string& below = {}) const { return "HKEY_CURRENT_USER" + P(below).substr(4); }
    std::string KeyLine(const std::string& below = {}) const { return "[" + LongPath(below).append("]"); }
};

// Each kind of value RegAccess writes, from the text it is given: as listed (strings trimmed, "@" the default
// value only when written) and as exported, exactly as stored.
const struct { const char *name, *written, *listed, *exported; DWORD type; } kKinds[] = {
    {"@", "the default", "=$the default", "@=\"the default\"", REG_SZ},
    {"str", "  padded", "str=$padded", "\"str\"=\"  padded\"", REG_SZ},
    {"bin", "01 ab FF", "bin=$01 AB FF", "\"bin\"=hex:01,AB,FF", REG_BINARY},
    {"empty", "", "empty=$", "\"empty\"=hex:", REG_BINARY},
    {"max", "-1", "max=#-1", "\"max\"=dword:FFFFFFFF", REG_DWORD},
    {"num", "31", "num=#31", "\"num\"=dword:0000001F", REG_DWORD}};

// Keys are created with every missing level above them, and a key with subkeys is not killed. The export writes
// a key's default, strings, binary values and numbers, then its subkeys depth first, into a new file, and reports
// each key to the caller before its block. Every key is opened or created in the 32-bit view, where the
// messenger's records live on 64-bit Windows (the view matters only under HKLM, so the rights asked are checked).
TEST_F(RegistryTest, KeysAndEachKindOfValueAreWrittenListedExportedDepthFirstAndKilledOnlyWhenEmpty) {
    Lines keys{"stale"}, shown, listed{"7", "multi=-"}, block{"REGEDIT4", "", KeyLine()}, opened;
    SetRegOpenObserver([&](const std::string& path, REGSAM access) {
        if (!(access & KEY_WOW64_32KEY)) opened.push_back(path);
    });
    EXPECT_TRUE(reg.EnumKeys(P(), keys) == -1 && keys.empty());
    EXPECT_TRUE(reg.CreateKey(P("A\\A1")) && reg.KeyExists(P("A\\A1")) && key.Exists("A\\A1"));  // and every level above
    for (const auto& k : kKinds) {
        EXPECT_NE(k.type == REG_SZ      ? reg.WriteString(P(), k.name, k.written)
                  : k.type == REG_DWORD ? reg.WriteDWORD(P(), k.name, std::stol(k.written))
                                        : reg.WriteBinary(P(), k.name, k.written), 0);
        listed.push_back(k.listed);
        block.push_back(k.exported);
    }
    key.Write("multi", REG_MULTI_SZ, "a\0b\0\0"s);  // other types are listed, never exported
    std::sort(listed.begin() + 1, listed.end());
    EXPECT_EQ(Listing(reg, P()), listed);
    key.Write("", REG_BINARY, "", "A\\A1");  // an empty binary default: one line, no "@=" string
    reg.WriteString(P("B"), "@", "");
    EXPECT_TRUE(reg.HaveSubkey(P()) && !reg.HaveSubkey(P("B")) && Listing(reg, P("A")) == Lines{"0"});
    EXPECT_TRUE(reg.EnumKeys(P(), keys) == 2 && keys == Lines({"A", "B"}) && reg.EnumKeys(P("B"), keys) == 0);
    ASSERT_EQ(reg.ExportToReg("hkcu" + P().substr(4), folder.File("flat.reg")), 1);
    EXPECT_EQ(folder.Read("flat.reg"), Join(block) + "\r\n");
    ASSERT_EQ(reg.ExportToReg(P(), folder.File("tree.reg"), true, [&](const std::string& path) { shown.push_back(path); }), 1);
    EXPECT_EQ(shown, (Lines{LongPath(), LongPath("A"), LongPath("A\\A1"), LongPath("B")}));
    EXPECT_EQ(folder.Read("tree.reg"), Join(block) + Join({"", KeyLine("A"), "", KeyLine("A\\A1"), "\"\"=hex:", "",
                                                           KeyLine("B"), "@=\"\"", ""}));
    EXPECT_EQ(reg.ExportToReg(P("gone"), folder.File("m.reg"), true), 1);
    EXPECT_EQ(folder.Read("m.reg"), Join({"REGEDIT4", "", KeyLine("gone"), ""}));
    EXPECT_TRUE(reg.KillKey(P("A\\A1")) && !key.Exists("A\\A1"));
    EXPECT_TRUE(reg.KillKey(P()) && key.Exists("A"));  // opens, but a key with subkeys stays
    EXPECT_EQ(reg.KillKey(P("A\\A1")), 0);
    SetRegOpenObserver(nullptr);
    EXPECT_EQ(opened, Lines{}) << "opened outside the 32-bit view";
}

// The export creates its file by its Unicode name, never over one that is there; a listing that
// fails part-way (an error, a value that keeps growing) gives 0 and leaves no file.
TEST_F(RegistryTest, AnExportCreatesItsFileOnceAndWholeOrNotAtAll) {
    for (const char* sub : {"", "\\a", "\\b"}) reg.WriteString(P() + sub, "v", "1");
    folder.Write("Été ☕ held.reg", "mine");
    const struct { const char* file; bool keys; DWORD index; LONG result; long exported; } cases[] = {
        {"Été ☕.reg", false, 9, 0, 1}, {"Été ☕ held.reg", false, 9, 0, 0},
        {"grew.reg", false, 0, ERROR_MORE_DATA, 0}, {"failed.reg", true, 1, ERROR_ACCESS_DENIED, 0}};
    for (const auto& c : cases) {
        SetRegEnumFilter([&](const std::string&, bool keys, DWORD index, LONG result) {
            return keys == c.keys && index == c.index ? c.result : result;
        });
        const std::string before = folder.Exists(c.file) ? "mine" : "none";
        EXPECT_EQ(reg.ExportToReg(P(), folder.File(c.file), true), c.exported) << c.file;
        EXPECT_EQ(folder.Exists(c.file) ? folder.Read(c.file).substr(0, 8) : "none", c.exported ? "REGEDIT4" : before);
    }
    SetRegEnumFilter(nullptr);
}

// Strings read up to 254 characters, trimmed and without their NUL; a number from any four bytes; names and data
// listed cut to the 255-character buffers. A missing value, key or root gives the caller's default.
TEST_F(RegistryTest, ReadsAndListingsKeepToTheirBuffersAndAnUnknownRootFailsEverything) {
    const struct { const char* name; std::string stored, read; } strings[] = {
        {"lead", "  abc", "abc"}, {"trail", "abc  ", "abc  "}, {"empty", "", ""}, {"@", "at sign\0"s, "at sign"},
        {"max", std::string(254, 'm'), std::string(254, 'm')}, {"255", std::string(255, 'x') + '\0', "d"}};
    for (const auto& c : strings) key.Write(c.name, REG_SZ, c.stored);
    for (const auto& c : strings) EXPECT_EQ(reg.ReadString(P(), c.name, "d"), c.read) << c.name;
    key.Write("eight", REG_BINARY, std::string(8, '\1'));
    key.Write("four", REG_BINARY, "*\0\0\0"s);  // the stored type is not checked
    for (const auto& [name, read] : {std::pair{"absent", 55}, {"eight", 55}, {"four", 42}})
        EXPECT_EQ(reg.ReadDWORD(P(), name, 55), read) << name;
    reg.WriteBinary(P(), "big", std::string(1200, 'A'));
    const std::string big = RegAccess::BinToStr(std::string(600, '\xAA')).substr(1);
    EXPECT_EQ(reg.ReadBinary(P(), "big"), big);
    EXPECT_EQ(reg.ReadBinary(P(), "empty", "?") + "|" + reg.ReadBinary(P(), "absent", "?"), "|?");
    // The second kill opens the key all the same, the value already gone.
    EXPECT_TRUE(reg.KillValue(P(), "lead") && reg.KillValue(P(), "lead") && !reg.ValueExists(P(), "lead"));
    EXPECT_TRUE(reg.ValueExists(P(), "empty"));
    // A listed name is read again trimmed, and then finds nothing.
    key.Write(std::string(300, 'n'), REG_DWORD, Le32(3));
    key.Write("  spaced", REG_DWORD, Le32(9));
    EXPECT_EQ(Listing(reg, P(), REG_DWORD), (Lines{"2", std::string(255, 'n') + "=#0", "spaced=#0"}));
    EXPECT_EQ(Listing(reg, P(), REG_BINARY),
              (Lines{"3", "big=$" + big.substr(0, 255 * 3 - 1), "eight=$01 01 01 01 01 01 01 01", "four=$2A 00 00 00"}));
    const std::string bad = "XYZW" + P().substr(4);
    EXPECT_FALSE(reg.KeyExists(bad) || reg.ValueExists(bad, "n") || reg.HaveSubkey(bad));
    EXPECT_EQ(reg.CreateKey(bad) | reg.KillKey(bad) | reg.KillValue(bad, "n") | reg.WriteDWORD(bad, "a", 1), 0);
    EXPECT_EQ(reg.ReadString(bad, "n", "d") + reg.ReadBinary(bad, "b", "AA") + std::to_string(reg.ReadDWORD(bad, "n", 7)),
              "dAA7");
    EXPECT_EQ(Listing(reg, bad), Lines{"-1"});
    // Writing into a missing key creates it (the export test writes so), unless told not to.
    reg.CreateKeyIfDoesntExists(false);
    EXPECT_TRUE(reg.WriteString(P("other"), "v", "x") == 0 && !key.Exists("other"));
}

// The system's own registry editor run to its end (the tests' Wine prefix has one); true when it ended well.
bool Regedit(const std::vector<std::string>& args) {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    PROCESS_INFORMATION process{};
    return DemoMessenger::Launch(args, process, windows + "\\regedit.exe"s) && DemoMessenger::Finish(process, 60000) == 0;
}

// Random keys and values of every kind we export, with the characters the file format has to quote or escape, are
// exported, removed and imported again: the same tree comes back, and no line of their data acts as a key line.
// The system's registry editor reads our export to the same tree, and its own export is read by ours so too.
TEST_F(RegistryTest, AnExportImportsBackAsItWasAndNothingElseAndTheSystemEditorAgrees) {
    std::mt19937 rng(13);
    const auto text = [&](size_t length) {
        const std::string alphabet = "abc \"\\=@[];-\r\n\xE9\t";
        std::string out;
        while (out.size() < length) out += rng() % 6 ? std::string(1, alphabet[rng() % alphabet.size()]) : "\r\n";
        return out;
    };
    std::map<std::pair<std::string, std::string>, std::pair<DWORD, std::string>> stored;  // key, name -> type, bytes
    const auto write = [&](const std::string& below, const std::string& name, DWORD type, const std::string& bytes) {
        key.Write(name, type, bytes, below);
        stored[{below, name}] = {type, key.Read(name, below)};  // as read back: a string with its NUL
    };
    write("", "", REG_SZ, "x\r\n[" + LongPath("planted") + "]\r\n\"v\"=\"1\"");
    write("", "@", REG_SZ, "named at");
    write("", "Stale", REG_SZ, "");  // empty, and deleted below
    for (const char* below : {"", "a]b", "a]b\\ \"=q@;", "[-c", "[-c\\e e "})
        for (int i = 0; i < 8; ++i) {
            std::string name = text(i == 7 ? 300 : rng() % 12);
            std::replace_if(name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n'; }, '_');  // see the end
            const DWORD type = i % 3 == 0 ? REG_SZ : i % 3 == 1 ? REG_BINARY : REG_DWORD;
            write(below, name, type, type == REG_DWORD ? Le32(rng())
                                     : text(type == REG_BINARY ? rng() % 65537 : i % 2 ? rng() % 40 : 255 + rng() % 2000));
        }
    // A string as a program reads it: up to its NUL, which one writer stores and another not. The system editor
    // writes a line break in a string as "\r" or "\n", which our format does not read: those are left out of its way.
    const auto expectStored = [&](const char* how, bool lineBreaks = true) {
        EXPECT_FALSE(key.Exists("planted")) << how;
        const auto read = [](std::string bytes, DWORD type) {
            return type == REG_SZ && bytes.ends_with('\0') ? bytes.substr(0, bytes.size() - 1) : bytes;
        };
        for (const auto& [at, value] : stored) {
            DWORD type = 0;
            if (!lineBreaks && value.first == REG_SZ && value.second.find_first_of("\r\n") != std::string::npos) continue;
            const std::string bytes = key.Read(at.second, at.first, &type);
            EXPECT_TRUE(read(bytes, type) == read(value.second, value.first) && type == value.first) << how << ": "
                << at.first << " [" << at.second << "] type " << value.first << ", " << value.second.size() << " bytes";
        }
    };
    ASSERT_EQ(reg.ExportToReg(P(), folder.File("all.reg"), true), 1);
    key.Remove();
    reg.CreateKeyIfDoesntExists(false);  // an import creates the keys it writes to all the same
    ASSERT_EQ(reg.ImportFromReg(folder.File("all.reg")), 1);
    EXPECT_TRUE(reg.CreateKeyIfDoesntExists());
    expectStored("our import");
    key.Remove();
    ASSERT_TRUE(Regedit({"/s", folder.File("all.reg")}));
    expectStored("regedit /s of our export");
    // Its export is in the newer form, UTF-16 under its own header; in the ANSI code page under "REGEDIT4" the lines
    // of the values our format carries read as they are.
    ASSERT_TRUE(Regedit({"/e", folder.File("theirs.reg"), LongPath()}));
    const std::string theirs = folder.Read("theirs.reg");
    const std::wstring wide(reinterpret_cast<const wchar_t*>(theirs.data()) + 1, theirs.size() / 2 - 1);
    std::string ansi(wide.size() * 2, '\0');
    ansi.resize(WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(),
                                    static_cast<int>(ansi.size()), nullptr, nullptr));
    ASSERT_EQ(ansi.rfind("Windows Registry Editor Version 5.00\r\n", 0), 0u);
    folder.Write("theirs4.reg", "REGEDIT4" + ansi.substr(36));
    key.Remove();
    ASSERT_EQ(reg.ImportFromReg(folder.File("theirs4.reg")), 1);
    expectStored("our import of regedit /e", false);
    // Deletions as a file states them: a key, a value, the default (not the value named "@"); how each line
    // reads is tested natively (registry_text_test). A file not headed "REGEDIT4" is refused.
    const std::string deletions = "[-" + LongPath("[-c\\e e ") + "]\r\n" + KeyLine() + "\r\n\"Stale\"=-\r\n@=-\r\n";
    folder.Write("bad.reg", " REGEDIT4\r\n" + deletions);
    folder.Write("kill.reg", "regedit4\r\n" + deletions);
    EXPECT_EQ(reg.ImportFromReg(folder.File("bad.reg")), 0);
    EXPECT_EQ(reg.ImportFromReg(folder.File("kill.reg")), 1);
    EXPECT_TRUE(!key.Exists("[-c\\e e ") && key.Exists("[-c") && !reg.ValueExists(P(), "Stale"));
    EXPECT_EQ(key.Read("") + "|" + key.Read("@"), "|named at"s + '\0');
    // A name holding a line break has no form in the file: the export is refused and leaves no file.
    key.Write("line\r\nbreak", REG_SZ, "v");
    EXPECT_EQ(reg.ExportToReg(P(), folder.File("refused.reg")), 0);
    EXPECT_FALSE(folder.Exists("refused.reg"));
}

}  // namespace
