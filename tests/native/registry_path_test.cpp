#include "registry/reg_path.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct RootCase {
    const char* longName;
    const char* abbreviation;
    RegRoot root;
};

const RootCase kRoots[] = {
    {"HKEY_CLASSES_ROOT", "HKCR", RegRoot::ClassesRoot},
    {"HKEY_CURRENT_USER", "HKCU", RegRoot::CurrentUser},
    {"HKEY_LOCAL_MACHINE", "HKLM", RegRoot::LocalMachine},
    {"HKEY_USERS", "HKUS", RegRoot::Users},
    {"HKEY_PERFORMANCE_DATA", "HKPD", RegRoot::PerformanceData},
    {"HKEY_CURRENT_CONFIG", "HKCC", RegRoot::CurrentConfig},
    {"HKEY_DYN_DATA", "HKDD", RegRoot::DynData},
};

TEST(RegistryPath, EveryRootLongAndShortAndInAnyCaseNamesTheSameKey) {
    for (const RootCase& c : kRoots) {
        const std::string tail = "\\Software\\X";
        for (const std::string& head :
             {std::string(c.longName), std::string(c.abbreviation), AsciiUpper(c.longName),
              std::string("hk") + std::string(c.abbreviation).substr(2)}) {
            const RegPath parsed = ParseRegPath(head + tail);
            EXPECT_EQ(parsed.root, c.root) << head;
            EXPECT_EQ(parsed.subkey, "Software\\X") << head;
        }
    }
    const RegPath mixed = ParseRegPath("HKEY_current_user\\Software\\X");
    EXPECT_EQ(mixed.root, RegRoot::CurrentUser);
    EXPECT_EQ(mixed.subkey, "Software\\X");
    const RegPath lower = ParseRegPath("hkey_local_machine\\Software\\X");
    EXPECT_EQ(lower.root, RegRoot::LocalMachine);
}

TEST(RegistryPath, RootAloneOrWithOneBackslashIsTheRootKeyItself) {
    for (const char* path : {"HKCU", "hkcu", "HKEY_CURRENT_USER", "HKCU\\", "HKEY_CURRENT_USER\\"}) {
        const RegPath parsed = ParseRegPath(path);
        EXPECT_EQ(parsed.root, RegRoot::CurrentUser) << path;
        EXPECT_EQ(parsed.subkey, "") << path;
    }
}

TEST(RegistryPath, SubkeyKeepsItsTrailingBackslashAndItsLetterCase) {
    const RegPath parsed = ParseRegPath("HKCU\\Software\\Mixed Case\\");
    EXPECT_EQ(parsed.subkey, "Software\\Mixed Case\\");
    EXPECT_EQ(ParseRegPath("HKCU\\\\double").subkey, "\\double");
}

TEST(RegistryPath, LongRootNamesInsideTheSubkeyAreShortenedToo) {
    EXPECT_EQ(ParseRegPath("HKLM\\Software\\HKEY_USERS").subkey, "Software\\HKUS");
    EXPECT_EQ(ParseRegPath("HKCU\\a\\hkey_current_user\\b\\HKEY_DYN_DATA").subkey,
              "a\\HKCU\\b\\HKDD");
    // An abbreviation inside the subkey is left as it is.
    EXPECT_EQ(ParseRegPath("HKCU\\hklm").subkey, "hklm");
}

TEST(RegistryPath, RootTextIsTheFirstFourCharactersWhateverFollowsThem) {
    // "HKCUX" before the backslash still starts with "HKCU".
    const RegPath longer = ParseRegPath("HKCUX\\Software");
    EXPECT_EQ(longer.root, RegRoot::CurrentUser);
    EXPECT_EQ(longer.subkey, "Software");
    // The longer name ending in an S becomes "HKCUS", whose first four are "HKCU".
    EXPECT_EQ(ParseRegPath("HKEY_CURRENT_USERS\\Software").root, RegRoot::CurrentUser);
    // Three letters and the backslash make an unknown root text.
    const RegPath shorter = ParseRegPath("HKC\\Software");
    EXPECT_EQ(shorter.rootText, "HKC\\");
    EXPECT_EQ(shorter.root, RegRoot::None);
}

TEST(RegistryPath, UnknownRootsNameNoKey) {
    for (const char* path : {"XYZW\\Software", "HKCUX", "", "\\Software", "HKEY\\Software",
                             "HKEY_CURRENT_USE\\Software"}) {
        EXPECT_EQ(ParseRegPath(path).root, RegRoot::None) << path;
    }
    EXPECT_EQ(ParseRegPath("XYZW\\Software").subkey, "Software");
}

TEST(RegistryPath, LengtheningWritesEveryAbbreviationLongInAnyCase) {
    EXPECT_EQ(LengthenRootNames("HKCU\\Software\\X"), "HKEY_CURRENT_USER\\Software\\X");
    EXPECT_EQ(LengthenRootNames("hklm\\Software\\hkcc"), "HKEY_LOCAL_MACHINE\\Software\\HKEY_CURRENT_CONFIG");
    for (const RootCase& c : kRoots) {
        EXPECT_EQ(LengthenRootNames(c.abbreviation), c.longName);
        // A name already long stays as written.
        EXPECT_EQ(LengthenRootNames(std::string(c.longName) + "\\a"), std::string(c.longName) + "\\a");
        // Long and short forms parse to the same key.
        EXPECT_EQ(ParseRegPath(LengthenRootNames(std::string(c.abbreviation) + "\\k")).root, c.root);
    }
}

TEST(RegistryPath, ReplacingIgnoresCaseAndNeverRescansInsertedText) {
    EXPECT_EQ(ReplaceIgnoringCase("aXbxc", "x", "xx"), "axxbxxc");
    EXPECT_EQ(ReplaceIgnoringCase("abc", "", "z"), "abc");
    EXPECT_EQ(ReplaceIgnoringCase("HkCuHKCU", "hkcu", "1"), "11");
}

}  // namespace
