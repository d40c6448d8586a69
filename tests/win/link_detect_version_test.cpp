// Generation detection through the real registry, and what one window's scans make of it.
#include <gtest/gtest.h>

#include "link/messenger_link_win.h"
#include "registry/reg_access_win.h"
#include "tests/win/demo_messenger_driver.h"

namespace {

constexpr const char* kAbsent = nullptr;
constexpr const char* kNoVersion = "(a record without DisplayVersion)";

// A standard user, or an administrator under UAC, may only read the machine's uninstall records: detection must
// not ask for more. Wine lets everyone write there, so the rights asked for are what is checked.
TEST(DetectPalVersion, TheOldRecordWinsItsTextDecidesOnlyReadingAndAScanNeverTakesBackWhatItSet) {
    PalInstallRecordsGuard keepRecords;
    RegAccess registry;  // the 32-bit view, where the installers write
    LinkWindows main;
    MessengerLink link(main);
    // In the order of the substring tests: "9." first, "10.2.0" (not "10.2", nor "2.0") before "10.";
    // a record without a version is none.
    const struct {
        const char *old, *current;
        short code;
    } cases[] = {{kAbsent, "9.1", 9},     {"10.5", kAbsent, 10},    {"9.1", "11.0", 9},           {kAbsent, "11.0.9.2", 9},
                 {kAbsent, "10.9", 10},   {kAbsent, "10.22.0", 10}, {kAbsent, "10.2.0.450", 450}, {kAbsent, "111.5", 450},
                 {kNoVersion, "11.0", 0}, {kAbsent, kAbsent, 0},    {kAbsent, kNoVersion, 0},     {kAbsent, "10.9.1", 9}};
    bool sawNone = false, sawTen = false;
    std::vector<std::pair<std::string, REGSAM>> opened;
    for (const auto& c : cases) {
        for (const auto& [key, version] : {std::pair{kPal82UninstallKey, c.old}, {kPalMessengerUninstallKey, c.current}}) {
            registry.KillKey(key);
            if (version) registry.CreateKey(key);
            if (version && version != kNoVersion) registry.WriteString(key, "DisplayVersion", version);
        }
        SCOPED_TRACE(std::string(c.old ? c.old : "-") + " / " + (c.current ? c.current : "-"));
        SetRegOpenObserver([&](const std::string& path, REGSAM access) { opened.emplace_back(path, access); });
        EXPECT_EQ(DetectPalVersion(), c.code);
        link.PalRoomGrab();
        SetRegOpenObserver(nullptr);
        sawNone |= c.code == 0;
        sawTen |= c.code == 10 || c.code == 450;
        EXPECT_EQ(DemoMessenger::WindowText(main.form1), sawNone ? "No Pal Found" : "Vivarto");
        EXPECT_EQ(link.ChatClass, "DlgGroupChat Window Class");
        EXPECT_EQ(link.InputIndex, sawTen ? 2 : 0);
    }
    ASSERT_FALSE(opened.empty());
    for (const auto& [path, access] : opened) EXPECT_EQ(access, KEY_READ | KEY_WOW64_32KEY) << path;
    // The demo messenger's --uninstall removes the newer record the last case left, as its uninstaller would.
    ASSERT_TRUE(DemoMessenger::Uninstall());
    EXPECT_EQ(DetectPalVersion(), 0);
}

}  // namespace
