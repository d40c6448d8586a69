// RegAccess on the real (Wine) registry, grouped by operation. Every test
// works below its own scratch key under HKCU\Software and removes it.
#include "registry/reg_access_win.h"

#include "tests/win/registry_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using regtest::ScratchKey;

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(static_cast<unsigned char>(v));
    return out;
}

std::string Le32(DWORD v) {
    return Bytes({static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF), static_cast<int>(v >> 24)});
}

// The listed values as "name=value" texts, sorted, so that a listing reads as
// one expectation whatever order the registry keeps.
std::vector<std::string> Listing(RegAccess& reg, const std::string& path, long onlyType,
                                 long* count = nullptr) {
    std::vector<std::string> names;
    std::vector<RegValue> values;
    const long n = reg.EnumValues(path, names, values, onlyType);
    if (count) *count = n;
    EXPECT_EQ(names.size(), values.size());
    std::vector<std::string> out;
    for (size_t i = 0; i < names.size() && i < values.size(); ++i) {
        const char* kind = std::holds_alternative<long>(values[i])          ? "#"
                           : std::holds_alternative<std::string>(values[i]) ? "$"
                                                                           : "-";
        out.push_back(names[i] + "=" + kind + RegValueText(values[i]));
    }
    std::sort(out.begin(), out.end());
    return out;
}

// ---------------------------------------------------------------- paths

TEST(RegAccessPaths, LongShortAndMixedCaseRootsNameTheSameKey) {
    ScratchKey scratch("paths");
    RegAccess reg;
    const std::string tail = "\\" + scratch.Subkey();
    ASSERT_NE(reg.WriteString("HKCU" + tail, "v", "one"), 0);
    EXPECT_EQ(reg.ReadString("HKEY_CURRENT_USER" + tail, "v", "missing"), "one");
    EXPECT_EQ(reg.ReadString("hkcu" + tail, "v", "missing"), "one");
    EXPECT_EQ(reg.ReadString("HKEY_current_user" + tail, "v", "missing"), "one");
    EXPECT_EQ(scratch.Text("v"), "one");
}

TEST(RegAccessPaths, TheRootAloneIsTheRootKey) {
    ScratchKey scratch("root");
    RegAccess reg;
    ASSERT_NE(reg.CreateKey(scratch.Path()), 0);
    for (const char* root : {"HKCU", "HKCU\\", "hkey_current_user", "HKEY_CURRENT_USER\\"}) {
        EXPECT_TRUE(reg.KeyExists(root)) << root;
        std::vector<std::string> keys;
        EXPECT_GT(reg.EnumKeys(root, keys), 0) << root;
        EXPECT_NE(std::find(keys.begin(), keys.end(), "Software"), keys.end()) << root;
    }
}

TEST(RegAccessPaths, ALongRootNameInsideTheSubkeyIsShortenedToo) {
    ScratchKey scratch("inner");
    RegAccess reg;
    ASSERT_NE(reg.CreateKey(scratch.Path("HKEY_USERS")), 0);
    EXPECT_TRUE(scratch.Exists("HKUS"));
    EXPECT_FALSE(scratch.Exists("HKEY_USERS"));
    ASSERT_NE(reg.WriteDWORD(scratch.Path("x\\hkey_local_machine"), "n", 5), 0);
    EXPECT_EQ(scratch.Read("n", "x\\HKLM").bytes, Le32(5));
}

TEST(RegAccessPaths, AnUnknownRootFailsEveryOperation) {
    ScratchKey scratch("unknown");  // proves nothing is created anywhere
    RegAccess reg;
    const std::string bad = "XYZW\\" + scratch.Subkey();
    EXPECT_FALSE(reg.KeyExists(bad));
    EXPECT_EQ(reg.CreateKey(bad), 0);
    EXPECT_EQ(reg.KillKey(bad), 0);
    EXPECT_EQ(reg.WriteString(bad, "a", "b"), 0);
    EXPECT_EQ(reg.WriteDWORD(bad, "a", 1), 0);
    EXPECT_EQ(reg.WriteBinary(bad, "a", "01"), 0);
    EXPECT_EQ(reg.KillValue(bad, "a"), 0);
    EXPECT_EQ(reg.ReadDWORD(bad, "a", 77), 77);
    EXPECT_EQ(reg.ReadDWORD(bad, "a"), 0);
    EXPECT_EQ(reg.ReadString(bad, "a", "dflt"), "dflt");
    EXPECT_EQ(reg.ReadBinary(bad, "a", "AA"), "AA");
    EXPECT_FALSE(reg.ValueExists(bad, "a"));
    EXPECT_FALSE(reg.HaveSubkey(bad));
    std::vector<std::string> keys{"stale"};
    EXPECT_EQ(reg.EnumKeys(bad, keys), -1);
    EXPECT_TRUE(keys.empty());
    std::vector<std::string> names{"stale"};
    std::vector<RegValue> values{std::string("stale")};
    EXPECT_EQ(reg.EnumValues(bad, names, values, -1), -1);
    EXPECT_TRUE(names.empty());
    EXPECT_TRUE(values.empty());
    EXPECT_FALSE(scratch.Exists());
    // Three letters and a backslash are no root either.
    EXPECT_FALSE(reg.KeyExists("HKC\\Software"));
}

// ---------------------------------------------------------------- keys

TEST(RegAccessCreateKey, CreatesEveryMissingLevel) {
    ScratchKey scratch("create");
    RegAccess reg;
    EXPECT_NE(reg.CreateKey(scratch.Path("a\\b\\c")), 0);
    EXPECT_TRUE(scratch.Exists("a"));
    EXPECT_TRUE(scratch.Exists("a\\b\\c"));
    // An existing key "creates" fine again.
    EXPECT_NE(reg.CreateKey(scratch.Path("a\\b")), 0);
    // A trailing backslash names the same key.
    EXPECT_NE(reg.CreateKey(scratch.Path("d\\")), 0);
    EXPECT_TRUE(scratch.Exists("d"));
}

TEST(RegAccessKillKey, DeletesAKeyWithoutSubkeysOnly) {
    ScratchKey scratch("kill");
    RegAccess reg;
    ASSERT_NE(reg.WriteString(scratch.Path("leaf"), "v", "x"), 0);
    ASSERT_NE(reg.CreateKey(scratch.Path("parent\\child")), 0);

    EXPECT_NE(reg.KillKey(scratch.Path("leaf")), 0);
    EXPECT_FALSE(scratch.Exists("leaf"));

    // The key opens, so the result is non-zero, but a key with subkeys stays.
    EXPECT_NE(reg.KillKey(scratch.Path("parent")), 0);
    EXPECT_TRUE(scratch.Exists("parent\\child"));

    EXPECT_EQ(reg.KillKey(scratch.Path("never-there")), 0);
    EXPECT_EQ(reg.KillKey(scratch.Path("leaf")), 0);
}

TEST(RegAccessKeyExists, TellsPresentFromMissingKeys) {
    ScratchKey scratch("exists");
    RegAccess reg;
    EXPECT_FALSE(reg.KeyExists(scratch.Path()));
    ASSERT_TRUE(scratch.Write("v", REG_SZ, "x"));
    EXPECT_TRUE(reg.KeyExists(scratch.Path()));
    EXPECT_TRUE(reg.KeyExists("HKEY_CURRENT_USER\\" + scratch.Subkey()));
    EXPECT_FALSE(reg.KeyExists(scratch.Path("sub")));
    // A value name is not a key.
    EXPECT_FALSE(reg.KeyExists(scratch.Path("v")));
}

TEST(RegAccessEnumKeys, ListsEverySubkeyName) {
    ScratchKey scratch("enumkeys");
    RegAccess reg;
    std::vector<std::string> keys{"stale"};
    EXPECT_EQ(reg.EnumKeys(scratch.Path(), keys), -1);
    EXPECT_TRUE(keys.empty());

    ASSERT_NE(reg.CreateKey(scratch.Path()), 0);
    keys = {"stale"};
    EXPECT_EQ(reg.EnumKeys(scratch.Path(), keys), 0);
    EXPECT_TRUE(keys.empty());

    for (const char* name : {"Gamma", "alpha", "Beta Key"}) reg.CreateKey(scratch.Path(name));
    reg.CreateKey(scratch.Path("alpha\\nested"));  // grandchildren are not listed
    ASSERT_TRUE(scratch.Write("value", REG_SZ, "not a key"));
    EXPECT_EQ(reg.EnumKeys(scratch.Path(), keys), 3);
    ASSERT_EQ(keys.size(), 3u);
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"Beta Key", "Gamma", "alpha"}));
}

TEST(RegAccessEnumKeys, LongNamesComeWhole) {
    ScratchKey scratch("longkey");
    RegAccess reg;
    // Wine refuses key names much longer than this one.
    const std::string longest(200, 'k');
    ASSERT_NE(reg.CreateKey(scratch.Path(longest)), 0);
    ASSERT_NE(reg.CreateKey(scratch.Path("short")), 0);
    std::vector<std::string> keys;
    EXPECT_EQ(reg.EnumKeys(scratch.Path(), keys), 2);
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{longest, "short"}));
}

TEST(RegAccessHaveSubkey, TrueOnlyWithASubkey) {
    ScratchKey scratch("havesub");
    RegAccess reg;
    EXPECT_FALSE(reg.HaveSubkey(scratch.Path()));
    ASSERT_TRUE(scratch.Write("v", REG_SZ, "values are not subkeys"));
    EXPECT_FALSE(reg.HaveSubkey(scratch.Path()));
    reg.CreateKey(scratch.Path("child"));
    EXPECT_TRUE(reg.HaveSubkey(scratch.Path()));
    EXPECT_FALSE(reg.HaveSubkey(scratch.Path("child")));
}

// ---------------------------------------------------------------- strings

TEST(RegAccessWriteString, StoresTheTextAsAString) {
    ScratchKey scratch("wstring");
    RegAccess reg;
    EXPECT_NE(reg.WriteString(scratch.Path(), "Greeting", "Hello \xE9t\xE9"), 0);
    EXPECT_EQ(scratch.Read("Greeting").type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(scratch.Text("Greeting"), "Hello \xE9t\xE9");
    EXPECT_EQ(reg.ReadString(scratch.Path(), "Greeting", "missing"), "Hello \xE9t\xE9");
}

TEST(RegAccessWriteString, AtNamesTheDefaultValueOnlyWhenWriting) {
    ScratchKey scratch("atname");
    RegAccess reg;
    ASSERT_NE(reg.WriteString(scratch.Path(), "@", "the default"), 0);
    EXPECT_EQ(scratch.Text(""), "the default");
    EXPECT_FALSE(scratch.Read("@").found);
    EXPECT_EQ(reg.ReadString(scratch.Path(), "", "missing"), "the default");
    // Reading takes "@" as an ordinary name.
    EXPECT_EQ(reg.ReadString(scratch.Path(), "@", "no such value"), "no such value");
    ASSERT_TRUE(scratch.Write("@", REG_SZ, std::string("at sign\0", 8)));
    EXPECT_EQ(reg.ReadString(scratch.Path(), "@", "missing"), "at sign");
}

TEST(RegAccessWriteString, AMissingKeyIsCreatedOnlyWhenAllowed) {
    ScratchKey scratch("wcreate");
    RegAccess reg;
    EXPECT_TRUE(reg.CreateKeyIfDoesntExists());
    EXPECT_NE(reg.WriteString(scratch.Path("new\\deeper"), "v", "made"), 0);
    EXPECT_EQ(scratch.Text("v", "new\\deeper"), "made");

    reg.CreateKeyIfDoesntExists(false);
    EXPECT_FALSE(reg.CreateKeyIfDoesntExists());
    EXPECT_EQ(reg.WriteString(scratch.Path("other"), "v", "x"), 0);
    EXPECT_EQ(reg.WriteDWORD(scratch.Path("other"), "n", 1), 0);
    EXPECT_EQ(reg.WriteBinary(scratch.Path("other"), "b", "01"), 0);
    EXPECT_FALSE(scratch.Exists("other"));
    // An existing key is still written.
    EXPECT_NE(reg.WriteString(scratch.Path("new"), "v", "still"), 0);
    EXPECT_EQ(reg.ReadString(scratch.Path("new"), "v", ""), "still");
}

TEST(RegAccessReadString, LosesSurroundingSpacesAndLongValues) {
    ScratchKey scratch("rstring");
    RegAccess reg;
    reg.WriteString(scratch.Path(), "lead", "  abc");
    reg.WriteString(scratch.Path(), "trail", "abc  ");
    reg.WriteString(scratch.Path(), "empty", "");
    reg.WriteString(scratch.Path(), "max", std::string(254, 'm'));
    reg.WriteString(scratch.Path(), "long", std::string(300, 'l'));
    EXPECT_EQ(reg.ReadString(scratch.Path(), "lead", "d"), "abc");
    // Trailing spaces stand before the NUL, so they stay.
    EXPECT_EQ(reg.ReadString(scratch.Path(), "trail", "d"), "abc  ");
    EXPECT_EQ(reg.ReadString(scratch.Path(), "empty", "d"), "");
    EXPECT_EQ(reg.ReadString(scratch.Path(), "max", "d"), std::string(254, 'm'));
    EXPECT_EQ(reg.ReadString(scratch.Path(), "long", "d"), "d");
    EXPECT_EQ(reg.ReadString(scratch.Path(), "absent", "d"), "d");
    EXPECT_EQ(reg.ReadString(scratch.Path("absent key"), "lead", "d"), "d");
}

TEST(RegAccessReadString, ReadsValuesOtherProgramsWroteWithTheirNul) {
    ScratchKey scratch("rforeign");
    RegAccess reg;
    ASSERT_TRUE(scratch.Write("DisplayVersion", REG_SZ, std::string("10.0.1234\0", 10)));
    ASSERT_TRUE(scratch.Write("blank", REG_SZ, std::string("\0", 1)));
    ASSERT_TRUE(scratch.Write("254", REG_SZ, std::string(254, 'x') + '\0'));
    ASSERT_TRUE(scratch.Write("255", REG_SZ, std::string(255, 'x') + '\0'));
    EXPECT_EQ(reg.ReadString(scratch.Path(), "DisplayVersion", "0"), "10.0.1234");
    EXPECT_EQ(reg.ReadString(scratch.Path(), "blank", "d"), "");
    EXPECT_EQ(reg.ReadString(scratch.Path(), "254", "d"), std::string(254, 'x'));
    EXPECT_EQ(reg.ReadString(scratch.Path(), "255", "d"), "d");
}

// ---------------------------------------------------------------- numbers

TEST(RegAccessDWORD, WritesFourBytesLowFirstAndReadsThemBack) {
    ScratchKey scratch("dword");
    RegAccess reg;
    EXPECT_NE(reg.WriteDWORD(scratch.Path(), "n", 0x12345678), 0);
    const regtest::RawValue raw = scratch.Read("n");
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(raw.bytes, Le32(0x12345678));
    EXPECT_EQ(reg.ReadDWORD(scratch.Path(), "n"), 0x12345678);

    reg.WriteDWORD(scratch.Path(), "negative", -2);
    EXPECT_EQ(scratch.Read("negative").bytes, Le32(0xFFFFFFFE));
    EXPECT_EQ(reg.ReadDWORD(scratch.Path(), "negative", 9), -2);
    // Writing again replaces the number.
    reg.WriteDWORD(scratch.Path(), "n", 31);
    EXPECT_EQ(reg.ReadDWORD(scratch.Path(), "n"), 31);
}

TEST(RegAccessDWORD, MissingOrOversizedNumbersGiveTheDefault) {
    ScratchKey scratch("rdword");
    RegAccess reg;
    ASSERT_TRUE(scratch.Write("eight", REG_BINARY, Bytes({1, 0, 0, 0, 0, 0, 0, 0})));
    ASSERT_TRUE(scratch.Write("four", REG_BINARY, Bytes({0x2A, 0, 0, 0})));
    EXPECT_EQ(reg.ReadDWORD(scratch.Path(), "absent", 55), 55);
    EXPECT_EQ(reg.ReadDWORD(scratch.Path(), "absent"), 0);
    EXPECT_EQ(reg.ReadDWORD(scratch.Path(), "eight", 55), 55);
    // The stored type is not checked.
    EXPECT_EQ(reg.ReadDWORD(scratch.Path(), "four", 55), 42);
}

// ---------------------------------------------------------------- binary

TEST(RegAccessBinary, StoresTheBytesOfTheBinaryText) {
    ScratchKey scratch("binary");
    RegAccess reg;
    EXPECT_NE(reg.WriteBinary(scratch.Path(), "b", "01 ab FF"), 0);
    const regtest::RawValue raw = scratch.Read("b");
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(raw.bytes, Bytes({1, 171, 255}));
    EXPECT_EQ(reg.ReadBinary(scratch.Path(), "b"), "01 AB FF");

    EXPECT_NE(reg.WriteBinary(scratch.Path(), "zeros", "00 00 7f"), 0);
    EXPECT_EQ(scratch.Read("zeros").bytes, Bytes({0, 0, 127}));
    EXPECT_EQ(reg.ReadBinary(scratch.Path(), "zeros"), "00 00 7F");
}

TEST(RegAccessBinary, EmptyAndMissingValues) {
    ScratchKey scratch("binempty");
    RegAccess reg;
    EXPECT_NE(reg.WriteBinary(scratch.Path(), "empty", ""), 0);
    const regtest::RawValue raw = scratch.Read("empty");
    EXPECT_TRUE(raw.found);
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(raw.bytes, "");
    EXPECT_EQ(reg.ReadBinary(scratch.Path(), "empty", "dflt"), "");
    EXPECT_EQ(reg.ReadBinary(scratch.Path(), "absent", "dflt"), "dflt");
    EXPECT_EQ(reg.ReadBinary(scratch.Path(), "absent"), "");
}

TEST(RegAccessBinary, LongDataReadsWhole) {
    ScratchKey scratch("binlong");
    RegAccess reg;
    std::string text;
    std::string expected;
    for (int i = 0; i < 600; ++i) {
        static const char kHex[] = "0123456789ABCDEF";
        const int b = (i * 7) & 0xFF;
        text += kHex[b >> 4];
        text += kHex[b & 15];
        expected += static_cast<char>(b);
    }
    EXPECT_NE(reg.WriteBinary(scratch.Path(), "big", text), 0);
    EXPECT_EQ(scratch.Read("big").bytes, expected);
    EXPECT_EQ(reg.ReadBinary(scratch.Path(), "big"), RegAccess::BinToStr(expected).substr(1));
}

// ---------------------------------------------------------------- values

TEST(RegAccessKillValue, RemovesOneValueAndReportsTheOpenedKey) {
    ScratchKey scratch("killvalue");
    RegAccess reg;
    reg.WriteString(scratch.Path(), "gone", "x");
    reg.WriteString(scratch.Path(), "kept", "y");
    EXPECT_NE(reg.KillValue(scratch.Path(), "gone"), 0);
    EXPECT_FALSE(scratch.Read("gone").found);
    EXPECT_TRUE(scratch.Read("kept").found);
    // A missing value in an existing key: the key opened, so non-zero.
    EXPECT_NE(reg.KillValue(scratch.Path(), "gone"), 0);
    EXPECT_EQ(reg.KillValue(scratch.Path("no key"), "kept"), 0);
    EXPECT_TRUE(scratch.Exists());
}

TEST(RegAccessValueExists, AnyValueOfAnySizeExists) {
    ScratchKey scratch("valueexists");
    RegAccess reg;
    reg.WriteString(scratch.Path(), "s", std::string(1000, 's'));
    reg.WriteBinary(scratch.Path(), "empty", "");
    reg.WriteDWORD(scratch.Path(), "n", 0);
    EXPECT_TRUE(reg.ValueExists(scratch.Path(), "s"));
    EXPECT_TRUE(reg.ValueExists(scratch.Path(), "empty"));
    EXPECT_TRUE(reg.ValueExists(scratch.Path(), "n"));
    EXPECT_TRUE(reg.ValueExists(scratch.Path(), "N"));  // names ignore case
    EXPECT_FALSE(reg.ValueExists(scratch.Path(), "absent"));
    EXPECT_FALSE(reg.ValueExists(scratch.Path(), "@"));
    EXPECT_FALSE(reg.ValueExists(scratch.Path("no key"), "s"));
}

// ---------------------------------------------------------------- listing

TEST(RegAccessEnumValues, ListsEveryTypeInItsOwnForm) {
    ScratchKey scratch("enumvalues");
    RegAccess reg;
    reg.WriteString(scratch.Path(), "str", "  padded text");
    reg.WriteString(scratch.Path(), "@", "dflt");
    reg.WriteBinary(scratch.Path(), "bin", "01 ab ff");
    reg.WriteBinary(scratch.Path(), "nobytes", "");
    reg.WriteDWORD(scratch.Path(), "num", 31);
    ASSERT_TRUE(scratch.Write("multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5)));
    ASSERT_TRUE(scratch.Write("expand", REG_EXPAND_SZ, std::string("%PATH%\0", 7)));

    long count = 0;
    EXPECT_EQ(Listing(reg, scratch.Path(), -1, &count),
              (std::vector<std::string>{"=$dflt", "bin=$01 AB FF", "expand=-", "multi=-",
                                        "nobytes=$", "num=#31", "str=$padded text"}));
    EXPECT_EQ(count, 7);

    EXPECT_EQ(Listing(reg, scratch.Path(), REG_DWORD, &count),
              (std::vector<std::string>{"num=#31"}));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(Listing(reg, scratch.Path(), REG_SZ),
              (std::vector<std::string>{"=$dflt", "str=$padded text"}));
    EXPECT_EQ(Listing(reg, scratch.Path(), REG_BINARY),
              (std::vector<std::string>{"bin=$01 AB FF", "nobytes=$"}));
    EXPECT_EQ(Listing(reg, scratch.Path(), 11), std::vector<std::string>{});
}

TEST(RegAccessEnumValues, EmptyAndMissingKeys) {
    ScratchKey scratch("enumempty");
    RegAccess reg;
    std::vector<std::string> names{"stale"};
    std::vector<RegValue> values{std::string("stale")};
    EXPECT_EQ(reg.EnumValues(scratch.Path(), names, values, -1), -1);
    EXPECT_TRUE(names.empty());
    EXPECT_TRUE(values.empty());
    reg.CreateKey(scratch.Path());
    names = {"stale"};
    values = {std::string("stale")};
    EXPECT_EQ(reg.EnumValues(scratch.Path(), names, values, -1), 0);
    EXPECT_TRUE(names.empty());
    EXPECT_TRUE(values.empty());
}

TEST(RegAccessEnumValues, NamesAreTrimmedBeforeTheirValueIsRead) {
    ScratchKey scratch("enumtrim");
    RegAccess reg;
    // The number is read again under the trimmed name, which does not exist.
    ASSERT_TRUE(scratch.Write("  spaced", REG_DWORD, Le32(9)));
    ASSERT_TRUE(scratch.Write("spaced text ", REG_SZ, std::string("v\0", 2)));
    EXPECT_EQ(Listing(reg, scratch.Path(), -1),
              (std::vector<std::string>{"spaced text=$", "spaced=#0"}));
}

TEST(RegAccessEnumValues, OversizedNamesAndDataAreCutToTheBuffer) {
    ScratchKey scratch("enumlong");
    RegAccess reg;
    const std::string longName(300, 'n');
    std::string bytes;
    for (int i = 0; i < 400; ++i) bytes += static_cast<char>(i & 0xFF);
    ASSERT_TRUE(scratch.Write(longName, REG_DWORD, Le32(3)));
    ASSERT_TRUE(scratch.Write("bigbin", REG_BINARY, bytes));
    ASSERT_TRUE(scratch.Write("after", REG_DWORD, Le32(4)));
    std::vector<std::string> names;
    std::vector<RegValue> values;
    ASSERT_EQ(reg.EnumValues(scratch.Path(), names, values, -1), 3);
    std::vector<std::string> listed;
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == "bigbin") {
            EXPECT_EQ(RegValueText(values[i]),
                      RegAccess::BinToStr(bytes.substr(0, 255)).substr(1));
        }
        listed.push_back(names[i]);
    }
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"after", "bigbin", std::string(255, 'n')}));
}

// ---------------------------------------------------------------- binary text

TEST(RegAccessBinaryText, TheClassConvertsBothWays) {
    std::string text = "01 ab FF";
    EXPECT_EQ(RegAccess::StrToBin(text), Bytes({1, 171, 255}));
    EXPECT_EQ(text, "01abFF");
    EXPECT_EQ(RegAccess::BinToStr(Bytes({1, 171, 255})), " 01 AB FF");
    EXPECT_TRUE(RegAccess::isBinValid("01 AB ff"));
    EXPECT_FALSE(RegAccess::isBinValid("0G"));
}

}  // namespace
