// RegAccess on the real (Wine) registry, grouped by operation, each test below
// its own scratch key under HKCU\Software; then the 32-bit registry view.
#include "tests/win/registry_test_support.h"

using namespace std::string_literals;
using regtest::Le32;
using regtest::Listing;
using Names = std::vector<std::string>;

namespace {

class RegAccessTest : public ::testing::Test {
protected:
    regtest::ScratchKey key{"access"};
    RegAccess reg;
    std::string P(const std::string& below = {}) const { return key.Path(below); }
};

TEST_F(RegAccessTest, PathsLongShortAnyCaseOrWithAnUnknownRoot) {
    const std::string tail = P().substr(4), bad = "XYZW" + tail;
    ASSERT_NE(reg.WriteDWORD("HKEY_current_user" + tail + "\\x\\hkey_local_machine", "n", 5), 0);
    EXPECT_EQ(key.Read("n", "x\\HKLM"), Le32(5));
    EXPECT_EQ(reg.ReadDWORD("hkcu" + tail + "\\x\\HKLM", "n"), 5);
    // An unknown root fails every operation.
    EXPECT_FALSE(reg.KeyExists(bad) || reg.ValueExists(bad, "v") || reg.HaveSubkey(bad));
    EXPECT_EQ(reg.CreateKey(bad) | reg.KillKey(bad) | reg.KillValue(bad, "v") | reg.WriteString(bad, "a", "b") |
                  reg.WriteDWORD(bad, "a", 1) | reg.WriteBinary(bad, "a", "01"), 0);
    EXPECT_EQ(reg.ReadDWORD(bad + "\\x\\HKLM", "n", 77), 77);
    EXPECT_EQ(reg.ReadString(bad, "v", "d") + reg.ReadBinary(bad, "v", "AA"), "dAA");
    Names keys{"stale"}, names{"stale"};
    std::vector<RegValue> values{"stale"s};
    EXPECT_TRUE(reg.EnumKeys(bad, keys) == -1 && reg.EnumValues(bad, names, values, -1) == -1 && keys.empty() &&
                names.empty() && values.empty());
}

TEST_F(RegAccessTest, KeysAreCreatedListedAndKilledOnlyWhenEmpty) {
    Names keys;
    EXPECT_FALSE(reg.KeyExists(P()));
    EXPECT_EQ(reg.EnumKeys(P(), keys), -1);
    for (const char* name : {"Gamma", "alpha", "Beta Key", "alpha\\nested\\c"}) EXPECT_NE(reg.CreateKey(P(name)), 0);
    EXPECT_TRUE(reg.KeyExists(P("alpha\\nested\\c")) && key.Exists("alpha\\nested\\c"));
    EXPECT_EQ(reg.EnumKeys(P("Gamma"), keys), 0);
    EXPECT_FALSE(reg.HaveSubkey(P("Gamma")));
    EXPECT_EQ(reg.EnumKeys(P(), keys), 3);
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (Names{"Beta Key", "Gamma", "alpha"}));
    EXPECT_TRUE(reg.HaveSubkey(P()));
    EXPECT_NE(reg.KillKey(P("alpha\\nested\\c")), 0);
    EXPECT_FALSE(key.Exists("alpha\\nested\\c"));
    EXPECT_NE(reg.KillKey(P("alpha")), 0);  // opens, but a key with subkeys stays
    EXPECT_TRUE(key.Exists("alpha\\nested"));
    EXPECT_EQ(reg.KillKey(P("alpha\\nested\\c")), 0);
}

// Writing into a missing key creates it (the exports below write so), unless told not to.
TEST_F(RegAccessTest, WritesCreateAMissingKeyOnlyWhenAllowed) {
    reg.CreateKeyIfDoesntExists(false);
    EXPECT_EQ(reg.WriteString(P("other"), "v", "x") | reg.WriteDWORD(P("other"), "n", 1) |
                  reg.WriteBinary(P("other"), "b", "01"), 0);
    EXPECT_FALSE(key.Exists("other"));
}

TEST_F(RegAccessTest, ReadStringTrimsDropsTheNulAndFallsBackToTheDefault) {
    const struct { const char* name; std::string stored, read; } cases[] = {
        {"lead", "  abc", "abc"}, {"trail", "abc  ", "abc  "}, {"empty", "", ""}, {"long", std::string(300, 'l'), "d"},
        {"max", std::string(254, 'm'), std::string(254, 'm')}, {"255", std::string(255, 'x') + '\0', "d"},
        {"DisplayVersion", "10.0.1234\0"s, "10.0.1234"}, {"@", "at sign\0"s, "at sign"}};
    for (const auto& c : cases) key.Write(c.name, REG_SZ, c.stored);
    for (const auto& c : cases) EXPECT_EQ(reg.ReadString(P(), c.name, "d"), c.read) << c.name;
    EXPECT_EQ(reg.ReadString(P(), "absent", "d") + reg.ReadString(P("absent"), "lead", "d"), "dd");
}

TEST_F(RegAccessTest, NumbersAndBytesAsStoredAndTheirDefaults) {
    EXPECT_NE(reg.WriteDWORD(P(), "n", 0x12345678), 0);
    EXPECT_NE(reg.WriteBinary(P(), "b", "01 ab FF"), 0);
    EXPECT_NE(reg.WriteBinary(P(), "empty", ""), 0);
    reg.WriteBinary(P(), "big", std::string(1200, 'A'));
    key.Write("eight", REG_BINARY, std::string(8, '\1'));
    key.Write("four", REG_BINARY, "*\0\0\0"s);
    EXPECT_EQ(key.Read("n") + key.Read("b") + key.Read("big"), Le32(0x12345678) + "\x01\xAB\xFF" + std::string(600, '\xAA'));
    EXPECT_EQ(reg.ReadDWORD(P(), "n", 9), 0x12345678);
    EXPECT_EQ(reg.ReadDWORD(P(), "absent", 55), 55);
    EXPECT_EQ(reg.ReadDWORD(P(), "eight", 55), 55);
    EXPECT_EQ(reg.ReadDWORD(P(), "four", 55), 42);  // the stored type is not checked
    EXPECT_EQ(reg.ReadBinary(P(), "b") + "|" + reg.ReadBinary(P(), "empty", "dflt") + "|" + reg.ReadBinary(P(), "absent", "dflt"),
              "01 AB FF||dflt");
    EXPECT_EQ(reg.ReadBinary(P(), "big"), RegAccess::BinToStr(std::string(600, '\xAA')).substr(1));
}

TEST_F(RegAccessTest, KillValueAndValueExists) {
    reg.WriteString(P(), "gone", std::string(1000, 's'));
    reg.WriteBinary(P(), "empty", "");
    EXPECT_TRUE(reg.ValueExists(P(), "gone") && reg.ValueExists(P(), "empty"));
    EXPECT_FALSE(reg.ValueExists(P(), "@") || reg.ValueExists(P("no key"), "gone"));
    EXPECT_NE(reg.KillValue(P(), "gone"), 0);
    EXPECT_TRUE(!reg.ValueExists(P(), "gone") && reg.ValueExists(P(), "empty"));
    EXPECT_NE(reg.KillValue(P(), "gone"), 0);  // the key opened
    EXPECT_EQ(reg.KillValue(P("no key"), "empty"), 0);
}

TEST_F(RegAccessTest, EnumValuesListsEachTypeInItsFormAndFiltersByType) {
    Names names;
    std::vector<RegValue> values;
    reg.CreateKey(P());
    EXPECT_EQ(reg.EnumValues(P(), names, values, -1), 0);
    reg.WriteString(P(), "str", "  padded text");
    reg.WriteString(P(), "@", "dflt");
    reg.WriteBinary(P(), "bin", "01 ab ff");
    reg.WriteBinary(P(), "nobytes", "");
    reg.WriteDWORD(P(), "num", 31);
    key.Write("multi", REG_MULTI_SZ, "a\0b\0\0"s);
    key.Write("  spaced", REG_DWORD, Le32(9));  // read again under the trimmed name: none
    EXPECT_EQ(reg.EnumValues(P(), names, values, -1), 7);
    EXPECT_EQ(Listing(reg, P()), (Names{"=$dflt", "bin=$01 AB FF", "multi=-", "nobytes=$", "num=#31", "spaced=#0",
                                        "str=$padded text"}));
    EXPECT_EQ(Listing(reg, P(), REG_DWORD), (Names{"num=#31", "spaced=#0"}));
    // Names and data longer than the 255-character buffers are cut to them.
    std::string bytes;
    for (int i = 0; i < 400; ++i) bytes += static_cast<char>(i);
    key.Write(std::string(300, 'n'), REG_DWORD, Le32(3), "long");
    key.Write("bigbin", REG_BINARY, bytes, "long");
    EXPECT_EQ(Listing(reg, P("long")), (Names{"bigbin=$" + RegAccess::BinToStr(bytes.substr(0, 255)).substr(1),
                                              std::string(255, 'n') + "=#0"}));
}

// Under HKLM\Software the class works in the 32-bit view, as a 32-bit program
// does; the system's "reg" tool shows that view with /reg:32.
class RegAccessView : public ::testing::Test {
protected:
    regtest::ScratchKey view32{"view", HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY};
    regtest::ScratchKey view64{"view", HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY};
    RegAccess reg;
    long Reg(const std::string& verb, const std::string& rest) const {
        return regtest::RunProgram("reg.exe " + verb + " \"HKLM\\Software\\" + view32.Leaf() + "\" " + rest);
    }
};

TEST_F(RegAccessView, TheClassWritesReadsAndDeletesInThe32BitViewOnly) {
    ASSERT_NE(reg.WriteString(view32.Path(), "Marker", "thirty-two"), 0);
    EXPECT_EQ(Reg("query", "/v Marker /reg:32"), 0);
    EXPECT_NE(Reg("query", "/v Marker /reg:64"), 0);
    ASSERT_EQ(Reg("add", "/v Seen /d from32 /reg:32 /f") | Reg("add", "/v Hidden /d from64 /reg:64 /f"), 0);
    EXPECT_EQ(reg.ReadString(view32.Path(), "Seen", "missing"), "from32");
    EXPECT_FALSE(reg.ValueExists(view32.Path(), "Hidden"));
    EXPECT_NE(reg.KillKey(view32.Path()), 0);
    EXPECT_FALSE(view32.Exists());
    EXPECT_TRUE(view64.Exists());
}

}  // namespace
