#include "registry/regedit4.h"

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#define VIVARTO_COUNTS_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VIVARTO_COUNTS_HEAP 1
#endif
#endif
#ifdef VIVARTO_COUNTS_HEAP
extern "C" size_t __sanitizer_get_current_allocated_bytes();  // the sanitizer's heap count
#endif

namespace {

using Lines = std::vector<std::string>;

std::string Join(const Lines& file) {
    std::string text;
    for (const std::string& line : file) text += line + "\r\n";
    return text;
}

// Each step of an import as one line of text, so a whole file reads as one expectation.
Lines Parse(const Lines& file) {
    RegImport import;
    EXPECT_TRUE(ParseRegedit4(Join(file), import));
    Lines out;
    for (const RegImportStep& s : import.steps) {
        const int a = static_cast<int>(s.action);  // KillKey, KillValue, WriteString, WriteBinary, WriteDWORD
        std::string line = Lines{"kill key", "kill value", "string", "binary", "dword"}[a] + " " + import.keys[s.key];
        if (a > 0) line += " [" + s.name + "]";
        if (a == 2 || a == 3) line += "=[" + s.data + "]";
        if (a == 4) line += "=" + std::to_string(s.number);
        out.push_back(line);
    }
    return out;
}

TEST(Regedit4Reading, TheHeaderMustBeExactlyRegedit4InAnyCase) {
    RegImport import;  // with bare LF the whole file is one first line
    for (const char* text : {"regedit4\r\n[K]\r\na=b", " REGEDIT4\r\n[K]\r\na=b", "REGEDIT4 \r\n[K]\r\na=b",
                             "REGEDIT4\n[K]\na=b"})
        EXPECT_EQ(ParseRegedit4(text, import) && import.steps.size() == 1, text[0] == 'r') << text;
}

TEST(Regedit4Reading, EachKindOfLineByItsQuoting) {
    EXPECT_EQ(Parse({"REGEDIT4", "", "\"before\"=\"any key line\"", "[-HKEY_CURRENT_USER\\Software\\Gone]",
                     "\"after\"=\"a deleted key\"", "   [HKCU\\K]   ", "\"s\"=\"text\"", "\"b\"=hex:01,ab,FF",
                     "\"e\"=HEX:", "\"n\"=dword:0000001f", "\"N\"=DWORD:FFFFFFFF", "\"bad\"=dword:zz",
                     "\"a=b\"=\"c=d\"", "\"q\"=\"say \\\"hi\\\" \\\\now\"", "  \"spaced \" = \" v\"  ", "\"@\"=\"named at\"",
                     "\"v\"=-", "@=-", "@=\"default\"", "@=", "; comment", "no equals sign", "\"bad hex\"=hex:1,2g",
                     "\"two lines\"=hex(1):61,0d,0a,\\", "  62,00", "\"other type\"=hex(7):00", "[HKCU\\Unclosed",
                     "x=1", "[HKCU\\a]b]"}),
              (Lines{"kill key HKEY_CURRENT_USER\\Software\\Gone", "string HKCU\\K [s]=[text]",
                     "binary HKCU\\K [b]=[\x01\xAB\xFF]", "binary HKCU\\K [e]=[]", "dword HKCU\\K [n]=31",
                     "dword HKCU\\K [N]=4294967295", "dword HKCU\\K [bad]=0", "string HKCU\\K [a=b]=[c=d]",
                     "string HKCU\\K [q]=[say \"hi\" \\now]", "string HKCU\\K [spaced ]=[ v]",
                     "string HKCU\\K [@]=[named at]", "kill value HKCU\\K [v]", "kill value HKCU\\K []",
                     "string HKCU\\K []=[default]", "kill value HKCU\\K []", "string HKCU\\K [two lines]=[a\r\nb]",
                     "string HKCU\\Unclosed [x]=[1]"}));
}

// The random round trip of every kind of value runs through the real export and import
// (registry_file_test) and the fuzz target; here the two forms it does not reach.
TEST(Regedit4Writing, AStringWithALineBreakGoesInHexAndNoLineBreakInANameOrKey) {
    EXPECT_EQ(Regedit4StringLine("a\"b\\", "x\r\ny"), "\"a\\\"b\\\\\"=hex(1):78,0D,0A,79,00");
    EXPECT_FALSE(Regedit4CanCarry("HKEY_CURRENT_USER\\a\r\nb") || Regedit4CanCarry("a\rb") || Regedit4CanCarry("a\nb"));
}

// An export covers one branch; a file that reaches into another hive was not written by it.
TEST(Regedit4Reading, KeysOutsideTheFirstKeysHiveAreRefusedUnlessAllowed) {
    const std::string text = Join({"REGEDIT4", "[HKEY_CURRENT_USER\\Software\\X]", "\"a\"=\"1\"", "[HKCU\\Software\\Y]",
                                   "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]", "\"b\"=\"2\""});
    RegImport import;
    EXPECT_FALSE(ParseRegedit4(text, import));
    EXPECT_TRUE(import.steps.empty() && import.keys.empty());
    EXPECT_TRUE(ParseRegedit4(text, import, true));
    EXPECT_EQ(import.steps.size(), 2u);
    EXPECT_TRUE(ParseRegedit4(Join({"REGEDIT4", "[-HKCU\\Software\\X]", "[HKEY_CURRENT_USER\\Software\\Y]"}), import));
}

#ifdef VIVARTO_COUNTS_HEAP
// Many values under one long key path: what the reader keeps grows with the file, not with values x path.
TEST(Regedit4Reading, MemoryStaysInProportionToTheFile) {
    Lines file = {"REGEDIT4", "[HKEY_CURRENT_USER\\" + std::string(20000, 'k') + "]"};
    for (int i = 0; i < 3000; ++i) file.push_back("\"" + std::to_string(i) + "\"=\"v\"");
    const std::string text = Join(file);
    RegImport import;
    const size_t before = __sanitizer_get_current_allocated_bytes();
    ASSERT_TRUE(ParseRegedit4(text, import));
    EXPECT_LT(__sanitizer_get_current_allocated_bytes() - before, 10 * text.size());
}
#endif

}  // namespace
