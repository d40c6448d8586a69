// RegAccess sees the registry as a 32-bit program does: under
// HKLM\Software its keys are the 32-bit view's, which the system's own "reg"
// tool shows with /reg:32 and not with /reg:64. Scratch keys under
// HKLM\Software in both views, removed at the end of each test.
#include "registry/reg_access_win.h"

#include "tests/win/registry_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using regtest::ScratchKey;

// Both views of one HKLM\Software scratch key.
struct MachineScratch {
    ScratchKey view32{"view", HKEY_LOCAL_MACHINE, "HKLM", regtest::kView32};
    ScratchKey view64{"view", HKEY_LOCAL_MACHINE, "HKLM", regtest::kView64};
    // As the command line tool names it.
    std::string ToolPath() const { return "HKLM\\" + view32.Subkey(); }
};

regtest::ProcessResult Reg(const std::string& arguments) {
    return regtest::RunProgram("reg.exe " + arguments);
}

TEST(RegAccessView, WhatTheClassWritesIsInThe32BitViewOnly) {
    MachineScratch scratch;
    RegAccess reg;
    ASSERT_NE(reg.WriteString(scratch.view32.Path(), "Marker", "thirty-two"), 0);
    ASSERT_NE(reg.WriteDWORD(scratch.view32.Path(), "Number", 32), 0);

    const regtest::ProcessResult in32 =
        Reg("query \"" + scratch.ToolPath() + "\" /v Marker /reg:32");
    ASSERT_TRUE(in32.finished) << in32.output;
    EXPECT_EQ(in32.exitCode, 0u) << in32.output;
    EXPECT_NE(in32.output.find("thirty-two"), std::string::npos) << in32.output;

    const regtest::ProcessResult in64 =
        Reg("query \"" + scratch.ToolPath() + "\" /v Marker /reg:64");
    ASSERT_TRUE(in64.finished) << in64.output;
    EXPECT_NE(in64.exitCode, 0u) << in64.output;
    EXPECT_EQ(in64.output.find("thirty-two"), std::string::npos) << in64.output;

    EXPECT_TRUE(scratch.view32.Exists());
    EXPECT_FALSE(scratch.view64.Exists());
}

TEST(RegAccessView, TheClassReadsThe32BitViewAndNotThe64BitOne) {
    MachineScratch scratch;
    RegAccess reg;
    const regtest::ProcessResult add32 = Reg("add \"" + scratch.ToolPath() +
                                             "\" /v Seen /t REG_SZ /d from32 /reg:32 /f");
    ASSERT_EQ(add32.exitCode, 0u) << add32.output;
    const regtest::ProcessResult add64 = Reg("add \"" + scratch.ToolPath() +
                                             "\" /v Hidden /t REG_SZ /d from64 /reg:64 /f");
    ASSERT_EQ(add64.exitCode, 0u) << add64.output;

    EXPECT_EQ(reg.ReadString(scratch.view32.Path(), "Seen", "missing"), "from32");
    EXPECT_FALSE(reg.ValueExists(scratch.view32.Path(), "Hidden"));
    EXPECT_EQ(reg.ReadString(scratch.view32.Path(), "Hidden", "missing"), "missing");

    std::vector<std::string> names;
    std::vector<RegValue> values;
    EXPECT_EQ(reg.EnumValues(scratch.view32.Path(), names, values, -1), 1);
    EXPECT_EQ(names, std::vector<std::string>{"Seen"});

    // The class's listing of HKLM\Software holds the key once: the 32-bit one.
    std::vector<std::string> keys;
    ASSERT_GT(reg.EnumKeys("HKLM\\Software", keys), 0);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), regtest::UniqueName("view")), 1);
}

TEST(RegAccessView, DeletingTouchesOnlyThe32BitView) {
    MachineScratch scratch;
    RegAccess reg;
    ASSERT_EQ(Reg("add \"" + scratch.ToolPath() + "\" /v Both /d b64 /reg:64 /f").exitCode, 0u);
    ASSERT_NE(reg.WriteString(scratch.view32.Path(), "Both", "b32"), 0);

    EXPECT_NE(reg.KillValue(scratch.view32.Path(), "Both"), 0);
    EXPECT_FALSE(scratch.view32.Read("Both").found);
    EXPECT_TRUE(scratch.view64.Read("Both").found);

    EXPECT_NE(reg.KillKey(scratch.view32.Path()), 0);
    EXPECT_FALSE(scratch.view32.Exists());
    EXPECT_TRUE(scratch.view64.Exists());
    const regtest::ProcessResult query64 = Reg("query \"" + scratch.ToolPath() + "\" /reg:64");
    EXPECT_EQ(query64.exitCode, 0u) << query64.output;
    EXPECT_NE(query64.output.find("b64"), std::string::npos) << query64.output;
}

}  // namespace
