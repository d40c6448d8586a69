// The faders' styles and stops end to end: set in the "Fade Colours" window (stops, presets, Save As),
// applied by Send, the dance bot, Auto Send and the art tab, read back per character from what the room got.
#include <deque>
#include <tuple>
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
// retried until its window is up. A step clicks `id`, chooses `row` of that drop-down (`listed` its rows),
// or types `name` there in the "Save Preset" window and presses OK.
std::deque<std::function<bool()>> g_steps;
std::function<bool()> Act(int id, int row = -1, std::vector<std::string>* listed = nullptr, const char* name = nullptr) {
    return [=] {
        HWND w = FindWindowA("#32770", name ? "Save Preset" : "Fade Colours"), control = GetDlgItem(w, id);
        if (!IsWindowVisible(w)) return false;
        if (listed) *listed = ComboBoxItems(control);
        if (row >= 0) SendMessageA(control, CB_SETCURSEL, row, 0);
        if (name) SetWindowTextA(control, name);
        return PostMessageA(w, WM_COMMAND, MAKEWPARAM(name ? IDOK : id, row >= 0 ? CBN_SELCHANGE : BN_CLICKED), 0) != 0;
    };
}
const auto Named = Act(IDC_SAVEPRESET_TEXT1, -1, nullptr, "Mine");

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
    form.OnCommand(IDC_COMBO1, CBN_DROPDOWN), ctx.SetControlText(IDC_COMBO1, "Lobby");
    auto inWindow = [&](int opener, std::deque<std::function<bool()>> steps) {
        g_steps = std::move(steps);
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
            if (!g_steps.empty() && g_steps.front()()) g_steps.pop_front();
        });
        form.OnCommand(opener, BN_CLICKED);
        KillTimer(nullptr, timer);
        EXPECT_TRUE(g_steps.empty());
    };
    auto choose = [&](int id, int row, UINT message = CB_SETCURSEL, int code = CBN_SELCHANGE) {
        SendMessageA(ctx.Control(id), message, row, 0);
        form.OnCommand(id, code);
    };

    // Main: a stop added between red and blue and made green; Cancel keeps the fader as it was.
    ui.colorAnswers = {kGreen};
    inWindow(IDC_FADECOLORS, {Act(IDC_FADECOLOURS_ADD), Act(IDC_FADECOLOURS_STOP1 + 1), Act(IDOK)});
    inWindow(IDC_FADECOLORS, {Act(IDC_FADECOLOURS_REMOVE), Act(IDCANCEL)});
    EXPECT_EQ(ctx.FaderOptions().Stops(FaderId::Main), (ColorStops{kRed, kGreen, kBlue}));
    choose(IDC_FADESTYLE, 1);
    ctx.Composer().SetText("abcde");
    form.OnCommand(IDC_COMMAND1, BN_CLICKED);
    // The dance bot, both frames through the same fader.
    ctx.DanceFrame1().SetText("xyz"), ctx.DanceFrame2().SetText("q"), ctx.SetControlText(IDC_TEXT2, "0");
    ctx.SetChecked(IDC_OPTION3, true);
    form.OnCommand(IDC_COMMAND8, BN_CLICKED);
    auto pumpUntil = [](auto done) { return DemoMessenger::WaitUntil(10000, [&] { RunPendingEvents(); return done(); }); };
    EXPECT_TRUE(pumpUntil([&] { return messenger.Transcript().size() >= 3; }));
    form.OnCommand(IDC_COMMAND9, BN_CLICKED);
    EXPECT_TRUE(pumpUntil([&] { return !form.Main().TickRunning(); }));
    const std::size_t danced = messenger.Transcript().size();

    // Text Designs: Rainbow chosen, saved as "Mine" (listed after the built-in ones), Auto Send.
    std::vector<std::string> listed;
    inWindow(IDC_DESIGNFADECOLORS, {Act(IDC_PRESETS, 0), Act(IDC_FADECOLOURS_SAVEAS), Named, Act(IDC_PRESETS, 7, &listed), Act(IDOK)});
    EXPECT_EQ(listed, (std::vector<std::string>{"Rainbow", "Sunset", "Ocean", "Fire", "Forest", "Candy", "Silver", "Mine"}));
    choose(IDC_DESIGNFADESTYLE, 1);
    ctx.SetChecked(IDC_OPTION8, true);
    choose(IDC_LIST4, 0, LB_SETCURSEL, LBN_SELCHANGE);

    // Art: "Mine" deleted, Ocean (three stops) taken and saved as "Mine"; Rows, faded and sent line by line.
    inWindow(IDC_ARTFADECOLORS, {Act(IDC_PRESETS, 7), Act(IDC_FADECOLOURS_DELETE), Act(IDC_PRESETS, 2, &listed),
                                 Act(IDC_FADECOLOURS_SAVEAS), Named, Act(IDOK)});
    EXPECT_EQ(listed.size(), 7u);
    choose(IDC_ARTFADESTYLE, 2);
    ctx.ArtDesign().SetText("ab\r\ncd\r\nef"), ctx.SetControlText(IDC_TEXT5, "0");
    form.OnCommand(IDC_COMMAND24, BN_CLICKED);
    form.OnCommand(IDC_COMMAND25, BN_CLICKED);

    const auto posted = messenger.WaitForTranscript(danced + 4);
    ASSERT_EQ(posted.size(), danced + 4);
    // Send (Smooth, 127.5 to 128); a dance pair (one character: the last stop); Auto Send through the
    // rainbow; the art design's three Rows.
    const std::pair<std::size_t, Colours> expected[] = {
        {0, {kRed, RGB(128, 128, 0), kGreen, RGB(0, 128, 128), kBlue}}, {1, {kRed, kGreen, kBlue}}, {2, {kBlue}},
        {danced, {kRed, RGB(255, 127, 0), RGB(255, 255, 0), kGreen, kBlue, RGB(0x4B, 0, 0x82), RGB(0x94, 0, 0xD3)}},
        {danced + 1, {navy, navy}}, {danced + 2, {sea, sea}}, {danced + 3, {turquoise, turquoise}}};
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
    EXPECT_EQ(kept.Stops(FaderId::Art), (ColorStops{navy, sea, turquoise}));
    EXPECT_EQ(std::tuple(kept.Style(FaderId::Main), kept.Style(FaderId::TextDesigns), kept.Style(FaderId::Art)),
              std::tuple(FadeStyle::Smooth, FadeStyle::Smooth, FadeStyle::Rows));
    EXPECT_EQ(kept.Presets().Saved(), (std::vector<FadePreset>{{"Mine", {navy, sea, turquoise}}}));
    MSG quit;  // the first window's quit is not for whatever runs next
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
