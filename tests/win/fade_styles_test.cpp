// The faders' styles and stops end to end: set in the "Fade Colours" window (stops, presets, Save As),
// applied by Send, the dance bot, Auto Send and the art tab, read back per character from what the room got.
#include <windows.h>

#include <deque>
#include <functional>

#include <gtest/gtest.h>

#include "app/form1_win.h"
#include "app/main_tab_win.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/rich_format_probe.h"
#include "tests/win/win_test_support.h"

namespace {

using Colours = std::vector<COLORREF>;
constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);
constexpr COLORREF navy = RGB(0, 0, 0x80), sea = RGB(0, 0x77, 0xBE), turquoise = RGB(0x40, 0xE0, 0xD0);  // Ocean

// The "Fade Colours" window (and the name window over it) is modal: a timer acts in its loop, each step
// retried until its window is up.
std::deque<std::function<bool()>> g_steps;
HWND Shown(const char* title) {
    HWND w = FindWindowA("#32770", title);
    return w && IsWindowVisible(w) ? w : nullptr;
}
std::function<bool()> Press(int id, const char* title = "Fade Colours") {
    return [=] { HWND w = Shown(title); return w && PostMessageA(w, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0) != 0; };
}
std::function<bool()> Preset(int index, std::vector<std::string>* listed = nullptr) {
    return [=] {
        HWND w = Shown("Fade Colours"), combo = GetDlgItem(w, IDC_PRESETS);
        if (!w) return false;
        if (listed) *listed = ComboBoxItems(combo);
        SendMessageA(combo, CB_SETCURSEL, index, 0);
        return PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDC_PRESETS, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo)) != 0;
    };
}
bool Named() {
    HWND w = Shown("Save Preset");
    return w && SetDlgItemTextA(w, IDC_SAVEPRESET_TEXT1, "Mine") && PostMessageA(w, WM_COMMAND, IDOK, 0);
}

TEST(FadeStyles, EachSenderColoursEveryCharacterByItsFadersStyleAndStops) {
    RecorderUi ui;
    TempFolder dir;
    for (const char* name : {"dl.txt", "nicks.txt", "dlist.txt"}) dir.Write(name, "");
    dir.Write("saved.txt", "abcdefg\r\n");
    PalInstallRecordsGuard records;
    DemoMessenger messenger;
    ASSERT_TRUE(DemoMessenger::Install("11.3") && messenger.Start({"Lobby"}));
    Form1 form(ui, dir.Path());
    ASSERT_NE(form.Create(false), nullptr);
    TabContext& ctx = form.Context();
    form.OnCommand(IDC_COMBO1, CBN_DROPDOWN);
    ctx.SetControlText(IDC_COMBO1, "Lobby");
    auto inWindow = [&](int opener, std::deque<std::function<bool()>> steps) {
        g_steps = std::move(steps);
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
            if (!g_steps.empty() && g_steps.front()()) g_steps.pop_front();
        });
        form.OnCommand(opener, BN_CLICKED);
        KillTimer(nullptr, timer);
        EXPECT_TRUE(g_steps.empty());
    };
    auto style = [&](int combo, int index) {
        SendMessageA(ctx.Control(combo), CB_SETCURSEL, index, 0);
        form.OnCommand(combo, CBN_SELCHANGE);
    };
    Faders& faders = ctx.FaderOptions();

    // Main: a stop added between red and blue and made green; Cancel keeps the fader as it was.
    ui.colorAnswers = {kGreen};
    inWindow(IDC_FADECOLORS, {Press(IDC_FADECOLOURS_ADD), Press(IDC_FADECOLOURS_STOP1 + 1), Press(IDOK)});
    inWindow(IDC_FADECOLORS, {Press(IDC_FADECOLOURS_REMOVE), Press(IDCANCEL)});
    EXPECT_EQ(faders.Stops(FaderId::Main), (ColorStops{kRed, kGreen, kBlue}));
    style(IDC_FADESTYLE, 1);
    ctx.Composer().SetText("abcde");
    form.OnCommand(IDC_COMMAND1, BN_CLICKED);
    // The dance bot, both frames through the same fader.
    ctx.DanceFrame1().SetText("xyz");
    ctx.DanceFrame2().SetText("q");
    ctx.SetChecked(IDC_OPTION3, true);
    ctx.SetControlText(IDC_TEXT2, "0");
    form.OnCommand(IDC_COMMAND8, BN_CLICKED);
    auto pumpUntil = [](auto done) { return DemoMessenger::WaitUntil(10000, [&] { RunPendingEvents(); return done(); }); };
    EXPECT_TRUE(pumpUntil([&] { return messenger.Transcript().size() >= 3; }));
    form.OnCommand(IDC_COMMAND9, BN_CLICKED);
    EXPECT_TRUE(pumpUntil([&] { return !form.Main().TickRunning(); }));
    const std::size_t danced = messenger.Transcript().size();

    // Text Designs: Rainbow chosen, saved as "Mine" (listed after the built-in ones), Auto Send.
    std::vector<std::string> listed;
    inWindow(IDC_DESIGNFADECOLORS, {Preset(0), Press(IDC_FADECOLOURS_SAVEAS), Named, Preset(7, &listed), Press(IDOK)});
    EXPECT_EQ(listed, (std::vector<std::string>{"Rainbow", "Sunset", "Ocean", "Fire", "Forest", "Candy", "Silver", "Mine"}));
    style(IDC_DESIGNFADESTYLE, 1);
    ctx.SetChecked(IDC_OPTION8, true);
    SendMessageA(ctx.Control(IDC_LIST4), LB_SETCURSEL, 0, 0);
    form.OnCommand(IDC_LIST4, LBN_SELCHANGE);

    // Art: "Mine" deleted, Ocean (three stops) taken and saved as "Mine"; Rows, faded and sent line by line.
    inWindow(IDC_ARTFADECOLORS, {Preset(7), Press(IDC_FADECOLOURS_DELETE), Preset(2, &listed),
                                 Press(IDC_FADECOLOURS_SAVEAS), Named, Press(IDOK)});
    EXPECT_EQ(listed.size(), 7u);
    style(IDC_ARTFADESTYLE, 2);
    ctx.ArtDesign().SetText("ab\r\ncd\r\nef");
    ctx.SetControlText(IDC_TEXT5, "0");
    form.OnCommand(IDC_COMMAND24, BN_CLICKED);
    form.OnCommand(IDC_COMMAND25, BN_CLICKED);

    const auto posted = messenger.WaitForTranscript(danced + 4);
    ASSERT_EQ(posted.size(), danced + 4);
    const std::pair<std::size_t, Colours> expected[] = {
        {0, {kRed, RGB(128, 128, 0), kGreen, RGB(0, 128, 128), kBlue}},  // Send, Smooth: 127.5 to 128
        {1, {kRed, kGreen, kBlue}}, {2, {kBlue}},                         // a dance pair; one character: the last stop
        {danced, {RGB(255, 0, 0), RGB(255, 127, 0), RGB(255, 255, 0), RGB(0, 255, 0), RGB(0, 0, 255),
                  RGB(0x4B, 0, 0x82), RGB(0x94, 0, 0xD3)}},                  // Auto Send through the rainbow
        {danced + 1, {navy, navy}}, {danced + 2, {sea, sea}}, {danced + 3, {turquoise, turquoise}},  // art Rows
    };
    for (const auto& [message, colours] : expected) {
        ctx.NickWorkBox().SetTextRTF(posted[message].rtf);
        Colours got;
        for (const ProbedChar& c : ProbeCharacters(ctx.NickWorkBox().Hwnd()))
            if (c.ch != '\r') got.push_back(c.format.color);
        EXPECT_EQ(got, colours) << message << ": " << posted[message].text;
    }

    // Closed and started again: styles, stops and the saved preset are kept.
    SendMessageA(form.Hwnd(), WM_CLOSE, 0, 0);
    Form1 again(ui, dir.Path());
    ASSERT_NE(again.Create(false), nullptr);
    Faders& kept = again.Context().FaderOptions();
    EXPECT_EQ(kept.Stops(FaderId::Main), (ColorStops{kRed, kGreen, kBlue}));
    EXPECT_EQ(kept.Stops(FaderId::Art), (ColorStops{navy, sea, turquoise}));
    EXPECT_EQ(std::vector({kept.Style(FaderId::Main), kept.Style(FaderId::TextDesigns), kept.Style(FaderId::Art)}),
              std::vector({FadeStyle::Smooth, FadeStyle::Smooth, FadeStyle::Rows}));
    EXPECT_EQ(kept.Presets().Saved(), (std::vector<FadePreset>{{"Mine", {navy, sea, turquoise}}}));
    MSG quit;  // the first window's quit is not for whatever runs next
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
