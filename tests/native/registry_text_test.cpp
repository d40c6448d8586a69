// The portable registry text: key paths, binary text and the REGEDIT4 file format.
#include "registry/bin_text.h"
#include "registry/reg_path.h"
#include "registry/regedit4.h"

#include <gtest/gtest.h>

using namespace std::string_literals;
using Lines = std::vector<std::string>;

TEST(RegistryPath, RootAndSubkeyOfEachPathFormAndEveryAbbreviationLengthened) {
    using R = RegRoot;
    const struct { const char* path; RegRoot root; const char* subkey; } cases[] = {
        {"hkcu\\Software\\X", R::CurrentUser, "Software\\X"}, {"HKEY_CLASSES_ROOT\\a", R::ClassesRoot, "a"},
        {"hkey_local_machine\\a", R::LocalMachine, "a"}, {"HKEY_USERS\\a", R::Users, "a"},
        {"HKEY_PERFORMANCE_DATA\\a", R::PerformanceData, "a"}, {"HKEY_CURRENT_CONFIG\\a", R::CurrentConfig, "a"},
        {"HKEY_DYN_DATA\\a", R::DynData, "a"},
        // The root alone is the root key itself; a trailing "\" stays in the subkey.
        {"HKCU", R::CurrentUser, ""}, {"HKEY_CURRENT_USER\\", R::CurrentUser, ""}, {"HKCU\\a b\\", R::CurrentUser, "a b\\"},
        // Long names inside the subkey are shortened too, abbreviations kept.
        {"HKLM\\Software\\HKEY_USERS", R::LocalMachine, "Software\\HKUS"}, {"HKCU\\hklm", R::CurrentUser, "hklm"},
        {"HKCU\\a\\hkey_current_user\\b\\HKEY_DYN_DATA", R::CurrentUser, "a\\HKCU\\b\\HKDD"},
        // The root text is the first four characters whatever follows them.
        {"HKCUX\\Software", R::CurrentUser, "Software"}, {"HKC\\Software", R::None, "Software"}, {"HKCUX", R::None, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(ParseRegPath(c.path).root, ParseRegPath(c.path).subkey), std::pair(c.root, std::string(c.subkey)))
            << c.path;
    EXPECT_EQ(LengthenRootNames("hkcu\\x\\HKLM\\hkcr\\HKUS\\HKPD\\hkdd\\HKCC\\HKEY_USERS"),
              "HKEY_CURRENT_USER\\x\\HKEY_LOCAL_MACHINE\\HKEY_CLASSES_ROOT\\HKEY_USERS\\HKEY_PERFORMANCE_DATA\\"
              "HKEY_DYN_DATA\\HKEY_CURRENT_CONFIG\\HKEY_USERS");
}

// Binary text to bytes reads pairs, halving odd lengths to the even number, and takes the caller's spaces.
TEST(BinaryText, StrToBinBinToStrAndIsBinValid) {
    const struct { std::string text, bytes, cleaned; } cases[] = {
        {"  0 1a b  ", "\x01\xAB", "01ab"}, {"00", "\0"s, "00"}, {"   ", "", ""}, {"F", "", "F"},  // one character: no piece
        {"0A0", "\x0A\0"s, "0A0"}, {"0A0B0", "\x0A\x0B", "0A0B0"}, {"0A0B0CF", "\x0A\x0B\x0C\x0F", "0A0B0CF"},
        {"1GG1zz", "\x01\0\0"s, "1GG1zz"}, {"01 02 03 \\", "\x01\x02\x03\0"s, "010203\\"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(StrToBin(text) + "|" + text, c.bytes + "|" + c.cleaned) << c.text;
    }
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::string text = BinToStr(all);
    EXPECT_EQ(StrToBin(text), all);
    for (const char* valid : {"01 AB ff", "ABC", " 0 "}) EXPECT_TRUE(isBinValid(valid)) << valid;
    for (const char* bad : {"", "   ", "0G", "01,AB", "0x1F"}) EXPECT_FALSE(isBinValid(bad)) << bad;
}

// Each step of an import as one line of text, so a whole file reads as one expectation. What our own export
// writes is read back in registry_test; here the lines only another writer (or a hand) puts in a file.
TEST(Regedit4Reading, EachKindOfLineByItsQuoting) {
    std::string text;
    for (const char* line : {"REGEDIT4", "", "\"before\"=\"any key line\"", "[-HKEY_CURRENT_USER\\Software\\Gone]",
                             "\"after\"=\"a deleted key\"", "   [HKCU\\K]   ", "\"b\"=hex:01,ab,FF", "\"e\"=HEX:",
                             "\"N\"=DWORD:FFFFFFFF", "\"bad\"=dword:zz", "\"long\"=dword:100000000", "\"a=b\"=\"c=d\"",
                             "\"q\"=\"say \\\"hi\\\" \\\\now\"", "  \"spaced \" = \" v\"  ", "\"@\"=\"named at\"", "@=-",
                             "@=\"default\"", "@=", "; comment", "no equals sign", "\"bad hex\"=hex:1,2g",
                             "\"two lines\"=hex(1):61,0d,0a,\\", "  62,00", "\"other type\"=hex(7):00", "[HKCU\\Unclosed",
                             "x=1"})
        text += line + "\r\n"s;
    RegImport import;
    ASSERT_TRUE(ParseRegedit4(text, import));
    Lines steps;
    for (const RegImportStep& s : import.steps) {
        const int a = static_cast<int>(s.action);  // KillKey, KillValue, WriteString, WriteBinary, WriteDWORD
        const std::string data = a == 4 ? std::to_string(s.number) : s.data;
        steps.push_back(Lines{"kill key", "kill value", "string", "binary", "dword"}[a] + " " + import.keys[s.key] +
                        (a == 0 ? "" : " [" + s.name + "]" + (a == 1 ? "" : "=[" + data + "]")));
    }
    EXPECT_EQ(steps, (Lines{"kill key HKEY_CURRENT_USER\\Software\\Gone", "binary HKCU\\K [b]=[\x01\xAB\xFF]",
                            "binary HKCU\\K [e]=[]", "dword HKCU\\K [N]=[4294967295]", "dword HKCU\\K [bad]=[0]",
                            "string HKCU\\K [a=b]=[c=d]", "string HKCU\\K [q]=[say \"hi\" \\now]",
                            "string HKCU\\K [spaced ]=[ v]", "string HKCU\\K [@]=[named at]", "kill value HKCU\\K []",
                            "string HKCU\\K []=[default]", "kill value HKCU\\K []",
                            "string HKCU\\K [two lines]=[a\r\nb]", "string HKCU\\Unclosed [x]=[1]"}));
}

// The random round trip of every kind of value runs through the real export and import
// (registry_test) and the fuzz target; here the two forms it does not reach.
TEST(Regedit4Writing, AStringWithALineBreakGoesInHexAndNoLineBreakInANameOrKey) {
    EXPECT_EQ(Regedit4StringLine("a\"b\\", "x\r\ny"), "\"a\\\"b\\\\\"=hex(1):78,0D,0A,79,00");
    EXPECT_FALSE(Regedit4CanCarry("HKEY_CURRENT_USER\\a\r\nb") || Regedit4CanCarry("a\rb") || Regedit4CanCarry("a\nb"));
}

// A file is read only under a first line "REGEDIT4" in any case (with bare LF the whole file is one first
// line). An export covers one branch: a file reaching into a second hive was not written by one, and is
// refused unless allowed.
TEST(Regedit4Reading, TheHeaderAndOneHiveDecideWhetherAFileIsRead) {
    const std::string hives = "REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\na=1\r\n[-HKCU\\Y]\r\n[HKLM\\Run]\r\nb=2";
    const struct { std::string text; bool allow; const char* result; } cases[] = {
        {"REGEDIT4 \r\n[K]\r\na=b", false, "refused 0"}, {"REGEDIT4\n[K]\na=b", false, "refused 0"},
        {hives, false, "refused 0"}, {hives, true, "read 6"},
        {"REGEDIT4\r\n[-HKCU\\X]\r\n[HKEY_CURRENT_USER\\Y]", false, "read 3"}};
    RegImport import;  // counted: its key paths and steps
    for (const auto& c : cases) {
        const bool read = ParseRegedit4(c.text, import, c.allow);
        EXPECT_EQ((read ? "read " : "refused ") + std::to_string(import.keys.size() + import.steps.size()), c.result)
            << c.text;
    }
}
