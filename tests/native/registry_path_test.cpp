#include "registry/reg_path.h"

#include <gtest/gtest.h>

TEST(RegistryPath, RootAndSubkeyOfEachPathForm) {
    using R = RegRoot;
    const struct { const char* path; RegRoot root; const char* subkey; } cases[] = {
        {"HKEY_CURRENT_USER\\Software\\X", R::CurrentUser, "Software\\X"},
        {"hkcu\\Software\\X", R::CurrentUser, "Software\\X"}, {"HKEY_current_user\\X", R::CurrentUser, "X"},
        {"HKEY_CLASSES_ROOT\\a", R::ClassesRoot, "a"}, {"hkey_local_machine\\a", R::LocalMachine, "a"},
        {"HKEY_USERS\\a", R::Users, "a"}, {"HKEY_PERFORMANCE_DATA\\a", R::PerformanceData, "a"},
        {"HKEY_CURRENT_CONFIG\\a", R::CurrentConfig, "a"}, {"HKEY_DYN_DATA\\a", R::DynData, "a"},
        {"HKLM\\a", R::LocalMachine, "a"}, {"hkcr\\a", R::ClassesRoot, "a"},
        // The root alone is the root key itself; a trailing "\" stays in the subkey.
        {"HKCU", R::CurrentUser, ""}, {"HKEY_CURRENT_USER\\", R::CurrentUser, ""}, {"HKCU\\a b\\", R::CurrentUser, "a b\\"},
        // Long names inside the subkey are shortened too, abbreviations kept.
        {"HKLM\\Software\\HKEY_USERS", R::LocalMachine, "Software\\HKUS"},
        {"HKCU\\a\\hkey_current_user\\b\\HKEY_DYN_DATA", R::CurrentUser, "a\\HKCU\\b\\HKDD"},
        {"HKCU\\hklm", R::CurrentUser, "hklm"},
        // The root text is the first four characters whatever follows them.
        {"HKCUX\\Software", R::CurrentUser, "Software"}, {"HKC\\Software", R::None, "Software"},
        {"XYZW\\Software", R::None, "Software"}, {"HKCUX", R::None, ""}, {"", R::None, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(ParseRegPath(c.path).root, ParseRegPath(c.path).subkey), std::pair(c.root, std::string(c.subkey)))
            << c.path;
}

TEST(RegistryPath, LengtheningWritesEveryAbbreviationLongInAnyCase) {
    EXPECT_EQ(LengthenRootNames("hkcu\\x\\HKLM\\hkcr\\HKUS\\HKPD\\hkdd\\HKCC\\HKEY_USERS"),
              "HKEY_CURRENT_USER\\x\\HKEY_LOCAL_MACHINE\\HKEY_CLASSES_ROOT\\HKEY_USERS\\HKEY_PERFORMANCE_DATA\\"
              "HKEY_DYN_DATA\\HKEY_CURRENT_CONFIG\\HKEY_USERS");
}
