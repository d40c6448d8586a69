// ExportToReg and ImportFromReg on the real (Wine) registry, and the same
// files imported by the system's own registry editor for comparison. Every
// test works below scratch keys under HKCU\Software and removes them.
#include "registry/reg_access_win.h"

#include "tests/win/registry_test_support.h"
#include "tests/win/win_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using regtest::ScratchKey;

const std::string kCrLf = "\r\n";

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(static_cast<unsigned char>(v));
    return out;
}

std::string Le32(DWORD v) {
    return Bytes({static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF), static_cast<int>(v >> 24)});
}

std::string Join(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + kCrLf;
    return out;
}

// "HKCU\Software\X" written the way the file shows keys.
std::string LongPath(const ScratchKey& key, const std::string& below = {}) {
    return "HKEY_CURRENT_USER\\" + (below.empty() ? key.Subkey() : key.Subkey(below));
}

// Everything a key holds as EnumValues lists it, sorted by name, each entry
// marked with its kind: the form two imports are compared in.
std::vector<std::string> Listing(RegAccess& reg, const std::string& path) {
    std::vector<std::string> names;
    std::vector<RegValue> values;
    reg.EnumValues(path, names, values, -1);
    std::vector<std::string> out;
    for (size_t i = 0; i < names.size(); ++i) {
        const char* kind = std::holds_alternative<long>(values[i])          ? "#"
                           : std::holds_alternative<std::string>(values[i]) ? "$"
                                                                           : "-";
        out.push_back(names[i] + "=" + kind + RegValueText(values[i]));
    }
    std::sort(out.begin(), out.end());
    return out;
}

// The key line of a scratch key (built by appending: GCC 12 warns falsely on
// the chained "+" form).
std::string KeyLine(const ScratchKey& key, const std::string& below = {}) {
    std::string line = "[";
    line += LongPath(key, below);
    line += "]";
    return line;
}

std::vector<std::string> KeyLines(const std::string& fileText) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < fileText.size()) {
        size_t end = fileText.find(kCrLf, start);
        if (end == std::string::npos) end = fileText.size();
        const std::string line = fileText.substr(start, end - start);
        if (!line.empty() && line[0] == '[') out.push_back(line);
        start = end + 2;
    }
    return out;
}

std::string ReplaceAllText(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// ---------------------------------------------------------------- export

TEST(RegExport, AKeyWithAStringABinaryAndANumber) {
    ScratchKey scratch("export");
    TempFolder folder;
    RegAccess reg;
    reg.WriteString(scratch.Path(), "name", "abc");
    reg.WriteBinary(scratch.Path(), "b", "01 AB FF");
    reg.WriteDWORD(scratch.Path(), "n", 31);
    reg.CreateKey(scratch.Path("sub"));  // not written without subkeys

    EXPECT_EQ(reg.ExportToReg(scratch.Path(), folder.File("out.reg")), 1);
    EXPECT_EQ(folder.Read("out.reg"),
              Join({"REGEDIT4", "", KeyLine(scratch), "\"name\"=\"abc\"",
                    "\"b\"=hex:01,AB,FF", "\"n\"=dword:0000001F", ""}));
}

TEST(RegExport, DefaultValuesEmptyValuesAndOtherTypes) {
    ScratchKey scratch("exportdefault");
    TempFolder folder;
    RegAccess reg;
    // A string default value comes first, as "@".
    reg.WriteString(scratch.Path("text"), "@", "the default");
    reg.WriteString(scratch.Path("text"), "blank", "");
    reg.WriteBinary(scratch.Path("text"), "nothing", "");
    reg.WriteDWORD(scratch.Path("text"), "max", -1);
    ASSERT_TRUE(scratch.Write("multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5), "text"));
    // A binary default value is read as a string too (its last byte lost),
    // and written again as the unnamed binary value.
    ASSERT_TRUE(scratch.Write("", REG_BINARY, Bytes({0x41, 0x42, 0x43}), "binary"));
    // An empty string default value still gives an "@" line.
    reg.WriteString(scratch.Path("empty"), "@", "");

    EXPECT_EQ(reg.ExportToReg(scratch.Path(), folder.File("d.reg"), true), 1);
    EXPECT_EQ(folder.Read("d.reg"),
              Join({"REGEDIT4", "",
                    KeyLine(scratch), "",
                    KeyLine(scratch, "binary"), "@=\"AB\"", "\"\"=hex:41,42,43", "",
                    KeyLine(scratch, "empty"), "@=\"\"", "",
                    KeyLine(scratch, "text"), "@=\"the default\"", "\"blank\"=\"\"",
                    "\"nothing\"=hex:", "\"max\"=dword:FFFFFFFF", ""}));
}

TEST(RegExport, AnExistingFileIsNeverOverwritten) {
    ScratchKey scratch("exportexists");
    TempFolder folder;
    RegAccess reg;
    reg.WriteString(scratch.Path(), "v", "x");
    folder.Write("keep.reg", "precious");
    EXPECT_EQ(reg.ExportToReg(scratch.Path(), folder.File("keep.reg")), 0);
    EXPECT_EQ(folder.Read("keep.reg"), "precious");
    // A folder that does not exist cannot take the file.
    EXPECT_EQ(reg.ExportToReg(scratch.Path(), folder.File("no such folder\\x.reg")), 0);
}

TEST(RegExport, AKeyThatCannotBeOpenedGivesAnEmptyBlock) {
    ScratchKey scratch("exportmissing");
    TempFolder folder;
    RegAccess reg;
    EXPECT_EQ(reg.ExportToReg(scratch.Path("gone"), folder.File("m.reg"), true), 1);
    EXPECT_EQ(folder.Read("m.reg"), Join({"REGEDIT4", "", KeyLine(scratch, "gone"), ""}));
    EXPECT_FALSE(scratch.Exists());
}

TEST(RegExport, SubkeysFollowTheirParentDepthFirst) {
    ScratchKey scratch("exporttree");
    TempFolder folder;
    RegAccess reg;
    reg.WriteString(scratch.Path("A\\A1"), "deep", "1");
    reg.WriteString(scratch.Path("A"), "mid", "2");
    reg.WriteDWORD(scratch.Path("B"), "other", 3);
    reg.WriteString(scratch.Path(), "top", "0");

    ASSERT_EQ(reg.ExportToReg("hkcu\\" + scratch.Subkey(), folder.File("tree.reg"), true), 1);
    EXPECT_EQ(KeyLines(folder.Read("tree.reg")),
              (std::vector<std::string>{KeyLine(scratch),
                                        KeyLine(scratch, "A"),
                                        KeyLine(scratch, "A\\A1"),
                                        KeyLine(scratch, "B")}));
    ASSERT_EQ(reg.ExportToReg(scratch.Path(), folder.File("flat.reg"), false), 1);
    EXPECT_EQ(KeyLines(folder.Read("flat.reg")),
              (std::vector<std::string>{KeyLine(scratch)}));
}

// The progress box: an edit control whose every WM_SETTEXT is recorded.
std::vector<std::string> g_progressTexts;
WNDPROC g_editProc = nullptr;
bool g_postedMessageHandled = false;
constexpr UINT kPingMessage = WM_APP + 7;

LRESULT CALLBACK RecordingEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) g_progressTexts.push_back(reinterpret_cast<const char*>(lParam));
    if (message == kPingMessage) {
        g_postedMessageHandled = true;
        return 0;
    }
    return CallWindowProcA(g_editProc, window, message, wParam, lParam);
}

TEST(RegExport, TheOutputBoxShowsEachKeyAndTheWindowStaysResponsive) {
    ScratchKey scratch("exportoutput");
    TempFolder folder;
    RegAccess reg;
    reg.CreateKey(scratch.Path("one"));
    reg.CreateKey(scratch.Path("two"));
    HWND box = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 40, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(box, nullptr);
    g_editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingEditProc)));
    PumpMessages();
    g_progressTexts.clear();
    g_postedMessageHandled = false;
    PostMessageA(box, kPingMessage, 0, 0);

    EXPECT_EQ(reg.ExportToReg(scratch.Path(), folder.File("p.reg"), true, box), 1);
    EXPECT_TRUE(g_postedMessageHandled);
    EXPECT_EQ(g_progressTexts, (std::vector<std::string>{LongPath(scratch), LongPath(scratch, "one"),
                                                         LongPath(scratch, "two")}));
    char shown[512] = {};
    GetWindowTextA(box, shown, sizeof shown);
    EXPECT_EQ(std::string(shown), LongPath(scratch, "two"));
    DestroyWindow(box);
}

// ---------------------------------------------------------------- import

TEST(RegImport, MissingFilesAndWrongHeadersWriteNothing) {
    ScratchKey scratch("importheader");
    TempFolder folder;
    RegAccess reg;
    const std::string body = kCrLf + KeyLine(scratch) + kCrLf + "\"v\"=\"x\"" + kCrLf;
    EXPECT_EQ(reg.ImportFromReg(folder.File("absent.reg")), 0);
    for (const char* header : {" REGEDIT4", "REGEDIT4 ", "REGEDIT5", "Windows Registry Editor Version 5.00"}) {
        folder.Write("bad.reg", header + body);
        EXPECT_EQ(reg.ImportFromReg(folder.File("bad.reg")), 0) << header;
        EXPECT_FALSE(scratch.Exists()) << header;
    }
    folder.Write("lower.reg", "regedit4" + body);
    EXPECT_EQ(reg.ImportFromReg(folder.File("lower.reg")), 1);
    EXPECT_EQ(reg.ReadString(scratch.Path(), "v", "missing"), "x");
}

TEST(RegImport, EveryKindOfLine) {
    ScratchKey scratch("importlines");
    TempFolder folder;
    RegAccess reg;
    // Things for the file to delete.
    reg.WriteString(scratch.Path("doomed"), "v", "x");
    reg.WriteString(scratch.Path(), "old", "to be removed");
    reg.WriteString(scratch.Path(), "@", "old default");
    ASSERT_TRUE(scratch.Write("@", REG_SZ, "named at"));
    reg.WriteString(scratch.Path("k2"), "@", "k2 default");

    const std::string key = KeyLine(scratch);
    folder.Write("all.reg", Join({
        "REGEDIT4",
        "",
        "\"outside\"=\"before any key\"",
        "[-" + LongPath(scratch, "doomed").append("]"),
        "\"afterdelete\"=\"no block follows a deletion\"",
        key,
        "\"s\"=\"plain text\"",
        "\"eq\"=\"a=b\"",
        "\"q\"=\"say \"hi\"\"",
        "\"path\"=\"C:\\\\Temp\"",
        "\"n\"=dword:0000001f",
        "\"b\"=hex:01,ab,FF",
        "\"old\"=-",
        "@=-",
        "; \"comment\"=\"skipped\"",
        "a line without an equals sign",
        "  \"spaced\" = \"v\"  ",
        KeyLine(scratch, "k2"),
        "@=",
        "\"last\"=dword:7",
    }));
    reg.CreateKeyIfDoesntExists(false);
    EXPECT_EQ(reg.ImportFromReg(folder.File("all.reg")), 1);
    EXPECT_TRUE(reg.CreateKeyIfDoesntExists());

    EXPECT_FALSE(scratch.Exists("doomed"));
    EXPECT_EQ(Listing(reg, scratch.Path()),
              (std::vector<std::string>{"=$old default", "b=$01 AB FF", "eq=$a", "n=#31",
                                        "path=$C:\\\\Temp", "q=$say hi", "s=$plain text",
                                        "spaced=$"}));
    // The name keeps the space before "=" and the data the one after it; the
    // listing trims the name and so finds no value under it.
    EXPECT_EQ(scratch.Text("spaced "), " v");
    // "@=-" deleted the value named "@", not the default one.
    EXPECT_FALSE(scratch.Read("@").found);
    EXPECT_EQ(scratch.Read("n").bytes, Le32(31));
    EXPECT_EQ(scratch.Read("b").bytes, Bytes({1, 171, 255}));
    // "@=" wrote the default value and then removed it.
    EXPECT_EQ(Listing(reg, scratch.Path("k2")), (std::vector<std::string>{"last=#7"}));
    EXPECT_FALSE(scratch.Read("", "k2").found);
}

TEST(RegImport, AFileWrittenTheWayTheRegistryEditorWritesThem) {
    ScratchKey scratch("importeditor");
    TempFolder folder;
    RegAccess reg;
    reg.WriteString(scratch.Path(), "Stale", "gone after import");
    // Hex continuation lines as the editor wraps them: two spaces in front,
    // a backslash after the last comma of every line but the last.
    folder.Write("editor.reg", Join({
        "REGEDIT4",
        "",
        "; Settings of the test program",
        "",
        KeyLine(scratch),
        "@=\"Default text\"",
        "\"Name\"=\"Vivarto\"",
        "\"Count\"=dword:0000001f",
        "\"Flags\"=dword:ffffffff",
        "; binary data in lower case",
        "\"Blob\"=hex:00,01,0a,ff",
        "\"Long\"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\",
        "  17,18,19,1a",
        "\"Odd\"=hex:a1,a2,a3,a4,a5,a6,a7,a8,a9,aa,ab,ac,ad,ae,af,b0,b1,b2,b3,b4,b5,\\",
        "  b6,b7",
        "\"Stale\"=-",
        "",
        KeyLine(scratch, "Paths"),
        "\"Folder\"=\"C:\\\\Program Files\\\\Test\"",
        "\"Quoted\"=\"say \\\"hi\\\"\"",
        "\"Empty\"=\"\"",
        "\"NoBytes\"=hex:",
        "",
    }));
    EXPECT_EQ(reg.ImportFromReg(folder.File("editor.reg")), 1);

    EXPECT_EQ(reg.ReadString(scratch.Path(), "", "missing"), "Default text");
    EXPECT_EQ(reg.ReadString(scratch.Path(), "Name", "missing"), "Vivarto");
    EXPECT_EQ(reg.ReadDWORD(scratch.Path(), "Count"), 31);
    EXPECT_EQ(scratch.Read("Flags").bytes, Le32(0xFFFFFFFF));
    EXPECT_EQ(reg.ReadBinary(scratch.Path(), "Blob"), "00 01 0A FF");
    // Only the first line of a continued value counts: 22 bytes here...
    std::string firstLine;
    for (int b = 1; b <= 22; ++b) firstLine += static_cast<char>(b);
    EXPECT_EQ(scratch.Read("Long").bytes, firstLine);
    // ...and with an odd count on the first line the backslash makes one more
    // piece, read as a zero byte.
    std::string odd;
    for (int b = 0xA1; b <= 0xB5; ++b) odd += static_cast<char>(b);
    odd += '\0';
    EXPECT_EQ(scratch.Read("Odd").bytes, odd);
    EXPECT_FALSE(reg.ValueExists(scratch.Path(), "Stale"));

    // Escapes are not undone: backslashes stay doubled, quotes are dropped.
    EXPECT_EQ(reg.ReadString(scratch.Path("Paths"), "Folder", "missing"),
              "C:\\\\Program Files\\\\Test");
    EXPECT_EQ(reg.ReadString(scratch.Path("Paths"), "Quoted", "missing"), "say \\hi\\");
    EXPECT_EQ(reg.ReadString(scratch.Path("Paths"), "Empty", "missing"), "");
    EXPECT_TRUE(reg.ValueExists(scratch.Path("Paths"), "NoBytes"));
    EXPECT_EQ(scratch.Read("NoBytes", "Paths").bytes, "");
    EXPECT_EQ(Listing(reg, scratch.Path()).size(), 7u);
    EXPECT_EQ(Listing(reg, scratch.Path("Paths")).size(), 4u);
}

// ---------------------------------------------------------------- round trips

TEST(RegRoundTrip, AnExportedBranchImportsBackUnchanged) {
    ScratchKey source("roundsrc");
    ScratchKey target("rounddst");
    TempFolder folder;
    RegAccess reg;
    reg.WriteString(source.Path(), "@", "default");
    reg.WriteString(source.Path(), "text", "some words, and more");
    reg.WriteBinary(source.Path(), "bytes", "00 10 ff");
    reg.WriteDWORD(source.Path(), "zero", 0);
    reg.WriteDWORD(source.Path("child"), "big", 0x7FFFFFFF);
    reg.WriteString(source.Path("child\\grandchild"), "deep", "x");

    ASSERT_EQ(reg.ExportToReg(source.Path(), folder.File("a.reg"), true), 1);
    folder.Write("b.reg", ReplaceAllText(folder.Read("a.reg"), LongPath(source), LongPath(target)));
    ASSERT_EQ(reg.ImportFromReg(folder.File("b.reg")), 1);
    for (const char* below : {"", "child", "child\\grandchild"}) {
        const std::string from = *below ? source.Path(below) : source.Path();
        const std::string to = *below ? target.Path(below) : target.Path();
        EXPECT_EQ(Listing(reg, to), Listing(reg, from)) << below;
        EXPECT_FALSE(Listing(reg, to).empty()) << below;
    }
}

// The system's registry editor and our importer read the same exported file
// (values without double quotes or backslashes) into two keys.
TEST(RegInterop, TheRegistryEditorImportsOurFilesAsWeDo) {
    ScratchKey source("interopsrc");
    ScratchKey byEditor("interopeditor");
    ScratchKey byUs("interopus");
    TempFolder folder;
    RegAccess reg;
    reg.WriteString(source.Path(), "@", "the default");
    reg.WriteString(source.Path(), "Name", "Vivarto room list");
    reg.WriteString(source.Path(), "Spaces inside", "a  b  c ");
    reg.WriteString(source.Path(), "Accented", "caf\xE9 na\xEFve");
    reg.WriteString(source.Path(), "Empty", "");
    reg.WriteBinary(source.Path(), "Bytes", "00 01 7F 80 FF");
    reg.WriteBinary(source.Path(), "NoBytes", "");
    std::string many;
    for (int i = 0; i < 120; ++i) many += "A5 ";
    reg.WriteBinary(source.Path(), "ManyBytes", many);
    reg.WriteDWORD(source.Path(), "Zero", 0);
    reg.WriteDWORD(source.Path(), "Count", 31);
    reg.WriteDWORD(source.Path(), "AllOnes", -1);
    reg.WriteString(source.Path("Sub"), "Inner", "value");
    reg.WriteDWORD(source.Path("Sub\\Deeper"), "Level", 2);

    ASSERT_EQ(reg.ExportToReg(source.Path(), folder.File("source.reg"), true), 1);
    const std::string exported = folder.Read("source.reg");
    // Values and names hold no double quote or backslash, so both readers
    // see the same text.
    for (size_t at = exported.find('\\'); at != std::string::npos; at = exported.find('\\', at + 1)) {
        const size_t lineStart = exported.rfind('\n', at);
        ASSERT_EQ(exported[lineStart == std::string::npos ? 0 : lineStart + 1], '[');
    }
    folder.Write("editor.reg", ReplaceAllText(exported, LongPath(source), LongPath(byEditor)));
    folder.Write("us.reg", ReplaceAllText(exported, LongPath(source), LongPath(byUs)));

    const regtest::ProcessResult editor =
        regtest::RunProgram("regedit.exe /S \"" + folder.File("editor.reg") + "\"");
    ASSERT_TRUE(editor.started);
    ASSERT_TRUE(editor.finished);
    ASSERT_EQ(reg.ImportFromReg(folder.File("us.reg")), 1);

    for (const char* below : {"", "Sub", "Sub\\Deeper"}) {
        const auto path = [below](const ScratchKey& key) {
            return *below ? key.Path(below) : key.Path();
        };
        const std::vector<std::string> expected = Listing(reg, path(source));
        EXPECT_FALSE(expected.empty()) << below;
        EXPECT_EQ(Listing(reg, path(byEditor)), expected) << below;
        EXPECT_EQ(Listing(reg, path(byUs)), expected) << below;
        std::vector<std::string> editorKeys;
        std::vector<std::string> ourKeys;
        EXPECT_EQ(reg.EnumKeys(path(byEditor), editorKeys), reg.EnumKeys(path(byUs), ourKeys));
        EXPECT_EQ(editorKeys, ourKeys) << below;
    }
    // The same bytes and numbers, checked beside the listing's text form.
    EXPECT_EQ(byEditor.Read("Bytes").bytes, byUs.Read("Bytes").bytes);
    EXPECT_EQ(byEditor.Read("ManyBytes").bytes, byUs.Read("ManyBytes").bytes);
    EXPECT_EQ(byUs.Read("ManyBytes").bytes, std::string(120, '\xA5'));
    EXPECT_EQ(byEditor.Read("AllOnes").bytes, Le32(0xFFFFFFFF));
}

}  // namespace
