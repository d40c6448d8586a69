// Characters the system's code page lacks, or holds as others, through every sender into the demo
// messenger's room: what arrives is what was composed, under any system locale.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/form1_win.h"
#include "app/main_tab_win.h"
#include "designs/decorations.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/win_test_support.h"

namespace {

TEST(Characters, LookAlikesAndDecorationsArriveAsComposedThroughEverySender) {
    // Letters a rich edit may write as Windows-1252 look-alikes, words around them, and decoration 1,
    // whose accent and macron a Greek code page holds as other characters.
    const std::string line = "Γ ε α δ π σ τ φ Ω ∞ | Γειά σου, naïve 中文" + DecorationUtf8(1);
    RecorderUi ui;
    TempFolder dir;
    PalInstallRecordsGuard records;
    DemoMessenger messenger;
    // A list file of Windows-1252 bytes: decoration 1 and a bullet.
    for (const char* name : {"dl.txt", "dr.txt", "nicks.txt"}) dir.Write(name, "x\r\n");
    dir.Write("saved.txt", std::string(kDecorations[0]) + "\x95\r\n");
    Form1 form(ui, dir.Path());
    ASSERT_NE(form.Create(false), nullptr);
    EXPECT_EQ(ListBoxItems(form.Control(IDC_LIST4)), std::vector<std::string>{DecorationUtf8(1) + "\u2022"});
    ui.messages.clear();  // the start-up note on the missing dlist.txt
    ASSERT_TRUE(DemoMessenger::Install("11.3"));
    ASSERT_TRUE(messenger.Start({"Lobby"}));
    TabContext& ctx = form.Context();
    form.OnCommand(IDC_COMBO1, CBN_DROPDOWN);
    ctx.SetControlText(IDC_COMBO1, "Lobby");
    ctx.SetControlText(IDC_TEXT2, "0.5");
    ctx.SetControlText(IDC_TEXT5, "0");
    auto pumpUntil = [&](auto done) {
        for (const ULONGLONG end = GetTickCount64() + 10000; !done() && GetTickCount64() < end; Sleep(5))
            RunPendingEvents();
    };
    struct Sender { const char* name; bool fade, dance; int button; std::size_t messages; } senders[] = {
        {"Send", false, false, IDC_COMMAND1, 1},      {"Send, faded", true, false, IDC_COMMAND1, 1},
        {"Command15", false, false, IDC_COMMAND15, 1}, {"Auto Send, faded", true, false, IDC_COMMAND8, 1},
        {"dance bot", false, true, IDC_COMMAND8, 2},   {"art design", false, false, IDC_COMMAND25, 1}};
    for (const Sender& s : senders) {
        const std::size_t before = messenger.Transcript().size();
        for (int box = 1; box <= 5; ++box) NumberedBox(ctx, box).SetText(line);
        for (int id : {IDC_OPTION1, IDC_OPTION2}) ctx.SetChecked(id, s.fade == (id == IDC_OPTION1));
        for (int id : {IDC_OPTION3, IDC_OPTION4}) ctx.SetChecked(id, s.dance == (id == IDC_OPTION3));
        form.OnCommand(s.button, BN_CLICKED);
        pumpUntil([&] { return messenger.Transcript().size() >= before + s.messages; });
        form.OnCommand(IDC_COMMAND9, BN_CLICKED);  // Stop: the timer's senders end in their wait
        pumpUntil([&] { return !ctx.Timer1Enabled() && !form.Main().TickRunning(); });
        // A timer's sender may have begun its next message before the Stop: that one counts too.
        const std::vector<TranscriptEntry> posted = messenger.Transcript();
        ASSERT_GE(posted.size(), before + s.messages) << s.name;
        for (std::size_t i = before; i < posted.size(); ++i) EXPECT_EQ(posted[i].text, line) << s.name;
    }
    EXPECT_TRUE(ui.messages.empty());
    // A design file that names no code page reads as Windows-1252 on every system.
    NumberedBox(ctx, 5).SetTextRTF("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 \\'95\\'b4\\'af\\'e9}");
    EXPECT_EQ(NumberedBox(ctx, 5).Text(), "\u2022\u00B4\u00AF\u00E9");
}

}  // namespace
