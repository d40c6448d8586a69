// What the user does while a sender waits must not change what it sends: an art send keeps the design it began
// with, the timer stays quiet during its own tick, and the hidden work
// boxes never wrap. The demo messenger's transcript is the truth; a marker sent last shows that nothing followed.
#include <windows.h>

#include <deque>
#include <functional>
#include <tuple>

#include <gtest/gtest.h>

#include "app/form1_win.h"
#include "app/main_tab_win.h"
#include "designs/art_designs_tab_win.h"
#include "designs/decorations.h"
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

class SendIntegrityTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(DemoMessenger::Install("11.3"));
        ASSERT_TRUE(messenger.Start({"Lobby"}));
        for (const char* name : {"dl.txt", "dr.txt", "nicks.txt"}) dir.Write(name, "x\r\n");
        dir.Write("saved.txt", "abcdefg\r\n" + std::string(kDecorations[0]) + "\x95\r\n");  // Windows-1252: decoration 1, a bullet
        form = std::make_unique<Form1>(ui, dir.Path());
        ASSERT_NE(form->Create(false), nullptr);
        form->Context().SetControlText(IDC_COMBO1, "Lobby");
        formProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(form->Hwnd(), GWLP_WNDPROC, LONG_PTR(&Counting)));
        current = this;
    }
    // Timer1's firings that reach the window while a tick runs.
    static LRESULT CALLBACK Counting(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_TIMER && wParam == IDT_TIMER1 && current->form->Main().TickRunning()) ++current->firedInTick;
        return CallWindowProcW(formProc, hwnd, msg, wParam, lParam);
    }
    void Click(int id) { form->OnCommand(id, BN_CLICKED); }
    RichTextBox& Box(int n) { return NumberedBox(form->Context(), n); }
    // Runs `start`, calling `onPost(n)` when the n-th message of this run is posted, until no sender is busy;
    // then sends the marker.
    void Run(std::function<void()> start, std::function<void(std::size_t)> onPost) {
        static std::function<void()> poll;
        const std::size_t before = messenger.Transcript().size();
        std::size_t seen = 0;
        poll = [&] { for (std::size_t n = messenger.Transcript().size() - before; seen < n;) onPost(++seen); };
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) { poll(); });
        start();
        for (const ULONGLONG end = GetTickCount64() + 8000; GetTickCount64() < end && (form->Context().Timer1Enabled() ||
             form->Context().Sending()); Sleep(5)) RunPendingEvents();
        KillTimer(nullptr, timer);
        Box(1).SetText("end");
        Click(IDC_COMMAND1);
    }

    static inline SendIntegrityTest* current = nullptr;
    static inline WNDPROC formProc = nullptr;
    int firedInTick = 0;
    RecorderUi ui;
    TempFolder dir;
    PalInstallRecordsGuard records;
    DemoMessenger messenger;
    std::unique_ptr<Form1> form;  // last: the window goes before what it uses
};

// Stop in a wait of the repeats sends nothing more, and Timer1 never fires into a running tick (Stop between the
// two dance frames: main_tab_test). An art send delivers the design as it stood when
// it began, whatever the user does during its waits. With a nick, Command15 and a faded Send leave a long
// paragraph in the hidden work box unwrapped, on one line.
TEST_F(SendIntegrityTest, WhatTheUserDoesDuringAWaitChangesNothingSent) {
    // List files and a design that name no code page read as Windows-1252 on every system.
    EXPECT_EQ(ListBoxItems(form->Control(IDC_LIST4)), (std::vector<std::string>{"abcdefg", DecorationUtf8(1) + "\u2022"}));
    Box(5).SetTextRTF("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 \\'95\\'b4\\'af\\'e9}");
    EXPECT_EQ(Box(5).Text(), "\u2022\u00B4\u00AF\u00E9");
    form->Context().SetChecked(IDC_OPTION1, false);  // no fade, plain repeats, short pauses
    form->Context().SetControlText(IDC_TEXT2, "0.2");
    Run([&] { Box(1).SetText("tick"), Click(IDC_COMMAND8); }, [&](std::size_t n) { if (n == 3) Click(IDC_COMMAND9); });
    EXPECT_EQ(firedInTick, 0);

    Box(5).SetText("one\r\nsn% two\r\nthree\r\nΓ ε α δ π σ τ φ Ω ∞");  // look-alikes under Windows-1252
    Box(5).Select(14, 5);
    Box(5).SetSelColor(RGB(255, 0, 0));
    form->Context().SetControlText(IDC_TEXT5, "0.2");
    Run([&] { Click(IDC_COMMAND25); }, [&](std::size_t n) {
        if (n == 1) Click(IDC_COMMAND22);  // Clear
        if (n == 2) Box(5).SetSelText("typed\r\n");
        if (n == 3) Box(5).SetTextRTF("{\\rtf1 another design}");
    });
    form->Context().SetControlText(IDC_LABEL3, "Bob");
    std::string paragraph = "Bob";
    while (paragraph.size() < 3000) paragraph += " Γειά ∞";
    Box(1).SetText("sn%" + paragraph.substr(3));
    Click(IDC_COMMAND15);
    form->Context().SetChecked(IDC_OPTION1, true);
    Click(IDC_COMMAND1);
    EXPECT_EQ(SendMessageW(Box(4).Hwnd(), EM_GETLINECOUNT, 0, 0), 1);
    std::vector<std::string> posted;
    for (const TranscriptEntry& e : messenger.WaitForTranscript(11)) posted.push_back(e.text);
    EXPECT_EQ(posted, (std::vector<std::string>{"tick", "tick", "tick", "end", "one", "sn% two", "three", "Γ ε α δ π σ τ φ Ω ∞", "end",
                                                paragraph, paragraph}));
    EXPECT_NE(messenger.Transcript().at(6).rtf.find("\\red255\\green0\\blue0"), std::string::npos) << "its colour";
}

// The faders' styles and stops end to end: set in the "Fade Colours" window (stops, presets, Save As),
// applied by Send, the dance bot, Auto Send and the art tab, read back per character from what the room got.
TEST_F(SendIntegrityTest, EachSenderColoursEveryCharacterByItsFadersStyleAndStops) {
    Form1& form = *this->form;
    TabContext& ctx = form.Context();
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
