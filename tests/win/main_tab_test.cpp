// The Main tab in-process with the recorder for its dialogs, then beside the demo messenger (its transcript the truth),
// with what other tabs' senders share with it: the faders and the waits.
#include <windows.h>

#include <deque>
#include <functional>
#include <set>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "app/form1_win.h"
#include "app/main_tab_win.h"
#include "designs/decorations.h"
#include "effects/fade_text.h"
#include "effects/markup_reader.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/rich_format_probe.h"
#include "tests/win/win_test_support.h"
#include "ui/utf8.h"

namespace {

using namespace std::string_literals;
using Texts = std::vector<std::string>;
using Colours = std::vector<COLORREF>;
constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255), kBlack = RGB(0, 0, 0);
constexpr COLORREF navy = RGB(0, 0, 0x80), sea = RGB(0, 0x77, 0xBE), turquoise = RGB(0x40, 0xE0, 0xD0);  // Ocean

Colours Faded(const std::string& text) {
    Colours colours;
    for (const FormattedRun& run : ReadMarkup(FadeText(std::int32_t(kRed), std::int32_t(kBlue), text)).runs)
        colours.insert(colours.end(), Utf16FromUtf8(run.text).size(), run.format.color);
    return colours;
}

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

class MainTabTest : public ::testing::Test {
protected:
    void SetUp() override {  // nicks and dance frames in their files; no messenger running yet
        dir.Write("nicks.txt", "Ann\r\nZ\0ed\r\n"s);  // a NUL is kept, shown and written back
        dir.Write("dl.txt", "l1\r\n(>'.')>\r\n");
        dir.Write("dr.txt", "r1\r\n");
        dir.Write("saved.txt", "abcdefg\r\n" + std::string(kDecorations[0]) + "\x95\r\n");  // Windows-1252: decoration 1, a bullet
        form = std::make_unique<Form1>(ui, dir.Path());
        EXPECT_NE(form->Create(false), nullptr);
        ui.messages.clear();  // start-up notes (such as missing list files) are not this test's business
    }
    void Click(int id) { form->OnCommand(id, BN_CLICKED); }
    void Connect() {  // the messenger with one room, chosen, found as a scan of an installed 11.3 finds it
        ASSERT_TRUE(messenger.Start({"Lobby"}));
        form->Link().SetPal10Classes();
        form->Context().SetControlText(IDC_COMBO1, "Lobby");
    }
    void ClickRow(int listId, int row, int code = LBN_SELCHANGE) {
        SendMessageA(form->Control(listId), LB_SETCURSEL, row, 0);
        form->OnCommand(listId, code);
    }
    void Modes(bool fade, bool dance) {  // both pairs of option buttons, as a user's clicks leave them
        for (int id : {IDC_OPTION1, IDC_OPTION2}) form->Context().SetChecked(id, fade == (id == IDC_OPTION1));
        for (int id : {IDC_OPTION3, IDC_OPTION4}) form->Context().SetChecked(id, dance == (id == IDC_OPTION3));
    }
    RichTextBox& Box(int n) { return NumberedBox(form->Context(), n); }
    ProbedFormat FormatAt(int box, long position) {
        Box(box).Select(position, 1);
        return ProbeSelectionFormat(Box(box).Hwnd());
    }
    std::string Said() {  // the titles and icons of the message boxes since the last call
        std::string all;
        for (const auto& m : std::exchange(ui.messages, {})) all += m.title + " " + std::to_string(m.flags) + "\n";
        return all;
    }

    std::string Posted(std::size_t message) { return messenger.Transcript().at(message).rtf; }
    // Each character's whole format in `rtf` (the composer's, or what the room got) against Arial 10 in `colours`.
    void ExpectArial(const std::string& rtf, const Colours& colours, bool bold = false) {
        Box(4).SetTextRTF(rtf);
        std::vector<ProbedFormat> shown, plain;
        for (const ProbedChar& c : ProbeCharacters(Box(4).Hwnd())) shown.push_back(c.format);
        for (COLORREF colour : colours) plain.push_back({"Arial", 200, bold, false, false, false, false, colour});
        EXPECT_EQ(shown, plain);
    }
    // Starts the timer and runs the loop until it rests (timer off, no tick running), telling `onCount` each
    // new number of posts. A wait of 600 s that Stop or closing must end is still going after 60 s: a failure,
    // and a quit ends it (the poll runs inside the tick's own wait).
    void RunTimer(std::function<void(std::size_t)> onCount = [](std::size_t) {}, int start = IDC_COMMAND8) {
        static std::function<void()> poll;
        std::size_t seen = 0;
        const ULONGLONG end = GetTickCount64() + 60000;
        poll = [&] {
            if (const std::size_t count = messenger.Transcript().size(); count > seen) onCount(seen = count);
            if (GetTickCount64() > end) ADD_FAILURE() << "still running", PostQuitMessage(0);
        };
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) { poll(); });
        Click(start);
        DemoMessenger::WaitUntil(90000, [&] {
            return RunPendingEvents(), !form->Context().Timer1Enabled() && !form->Main().TickRunning();
        });
        KillTimer(nullptr, timer);
        MSG quit;  // the one a closed window leaves is not for whatever runs next
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    // The pause the room saw between posts `n` and n + 1: at least the one asked for, and less than twice it
    // (the margin for composing and delivering a message grows with it).
    void ExpectPause(std::size_t n, double seconds) {
        const std::vector<TranscriptEntry> posts = messenger.Transcript();
        const double ms = static_cast<double>(posts.at(n + 1).ms - posts.at(n).ms);
        EXPECT_TRUE(ms >= seconds * 1000 - 1 && ms < seconds * 2000) << "after post " << n << ": " << ms << " ms";
    }

    // Timer1's firings that reach the window while a tick runs, once CountTicks() has hooked the window.
    void CountTicks() {
        current = this;
        formProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(form->Hwnd(), GWLP_WNDPROC, LONG_PTR(&Counting)));
    }
    static LRESULT CALLBACK Counting(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_TIMER && wParam == IDT_TIMER1 && current->form->Main().TickRunning()) ++current->firedInTick;
        return CallWindowProcW(formProc, hwnd, msg, wParam, lParam);
    }
    static inline MainTabTest* current = nullptr;
    static inline WNDPROC formProc = nullptr;
    int firedInTick = 0;
    RecorderUi ui;
    TempFolder dir;
    PalInstallRecordsGuard records;
    DemoMessenger messenger;
    std::unique_ptr<Form1> form;  // last: the window goes before what it uses
};

// The nick and dance lists with their files, the format buttons, then keys as the keyboard sends them.
TEST_F(MainTabTest, ListsAndTheirFilesFormatButtonsAndTheEnterKey) {
    for (const char* nick : {"Bob", "Bob", ""}) {
        form->Context().SetControlText(IDC_TEXT3, nick);
        Click(IDC_COMMAND10);
    }
    EXPECT_EQ(dir.Read("nicks.txt"), "Ann\r\nZ\0ed\r\nBob\r\nBob\r\n\r\n"s);  // appended, not sorted
    ClickRow(IDC_LIST1, 4);
    EXPECT_EQ(form->Context().Label3Caption(), "");  // the empty nick is chosen, not "No Nick"
    form->OnCommand(IDC_LABEL3, STN_CLICKED);
    EXPECT_EQ(form->Context().Label3Caption(), "No Nick");
    ClickRow(IDC_LIST1, 2);
    Click(IDC_COMMAND11);
    SendMessageA(form->Control(IDC_LIST1), LB_SETCURSEL, 3, 0);  // the last row, without choosing it
    Click(IDC_COMMAND11);
    EXPECT_EQ(form->Context().Label3Caption(), "Bob");  // a copy: still chosen after its row went
    EXPECT_EQ(dir.Read("nicks.txt"), "Ann\r\nZ\0ed\r\nBob\r\n"s);
    // The dance lists: double-click, Add, Del, and Save with the files read back or one said to be missing.
    Box(2).SetTextRTF("{\\rtf1 \\b old}");
    ClickRow(IDC_LIST2, 1, LBN_DBLCLK);
    ClickRow(IDC_LIST3, 0, LBN_DBLCLK);
    EXPECT_EQ((Texts{Box(2).Text(), Box(3).Text()}), (Texts{"(>'.')>", "r1"}));  // each row into its own frame
    EXPECT_FALSE(FormatAt(2, 0).bold);  // as plain text
    ClickRow(IDC_LIST2, 1);
    Click(IDC_COMMAND13);  // List3 has no row 1: not an error
    for (auto [left, right] : {std::pair{"\\o/", "/o\\"}, {"two\r\nlines", "r"}, {"caf\u00E9", "x, \"y\""}, {"", ""}}) {
        Box(2).SetText(left);
        Box(3).SetText(right);
        Click(IDC_COMMAND14);
    }
    ClickRow(IDC_LIST2, 0);
    Click(IDC_COMMAND13);
    Click(IDC_COMMAND12);
    EXPECT_EQ(ListBoxItems(form->Control(IDC_LIST2)), (Texts{"\\o/", "caf\u00E9", ""}));  // read back from the files
    EXPECT_EQ(ListBoxItems(form->Control(IDC_LIST3)), (Texts{"/o\\", "x, \"y\"", ""}));
    DeleteFileA(dir.File("dl.txt").c_str());
    CreateDirectoryA(dir.File("dl.txt").c_str(), nullptr);  // a folder where the file should be
    Click(IDC_COMMAND12);
    EXPECT_EQ(Said(), "Add 64\nError 16\n");  // the line break refused, then the file missing
    EXPECT_EQ(ListBoxItems(form->Control(IDC_LIST2)).size() + ListBoxItems(form->Control(IDC_LIST3)).size(), 0u);

    // The format buttons act on the target of the mode; every colour picker shares one dialog.
    for (int box : {1, 2, 3}) Box(box).SetText(box == 1 ? "hello world" : "\\o/");
    auto press = [&](int id) {  // "hello" and the first two characters of each frame selected
        for (int box : {1, 2, 3}) Box(box).Select(0, box == 1 ? 5 : 2);
        Click(id);
    };
    Click(IDC_PICCOLORA);  // cancelled before any colour was accepted: black
    ui.colorAnswers = {kRed};
    Click(IDC_PICCOLORB);
    press(IDC_COMMAND7);  // cancelled: the colour last accepted, in B
    EXPECT_EQ((Colours{form->Context().BoxColor(IDC_PICCOLORA), form->Context().BoxColor(IDC_PICCOLORB), FormatAt(1, 0).color}),
              (Colours{kBlack, kRed, kRed}));
    for (bool dance : {false, true}) {
        Modes(true, dance);
        const std::string others = dance ? Box(1).TextRTF() : Box(2).TextRTF() + Box(3).TextRTF();
        ui.colorAnswers = {kBlue};
        for (int id : {IDC_COMMAND7, IDC_COMMAND2, IDC_COMMAND2}) press(id);  // bold has no "off"
        for (auto [button, twips] : {std::pair{IDC_COMMAND3, 160}, {IDC_COMMAND5, 200}, {IDC_COMMAND6, 240}}) {
            press(button);
            for (int box : dance ? std::vector<int>{2, 3} : std::vector<int>{1}) {
                const ProbedFormat in = FormatAt(box, 1), out = FormatAt(box, box == 1 ? 5 : 2);
                EXPECT_TRUE(in.bold && in.color == kBlue && in.twips == twips) << box << ": " << in;
                EXPECT_TRUE(!out.bold && out.color == kBlack && out.twips == 200) << box << ": " << out;
            }
        }
        EXPECT_EQ(dance ? Box(1).TextRTF() : Box(2).TextRTF() + Box(3).TextRTF(), others);  // the other target
    }
    EXPECT_EQ(ui.colorDialogs, 5);  // one dialog for both frames

    // Keys as the keyboard sends them, through the program's own loop, with the focus really in each box.
    ShowWindow(form->Hwnd(), SW_SHOW);
    form->Context().SetControlText(IDC_COMBO1, "");  // so a press of Send would say "Not Connected"
    form->Context().SetControlText(IDC_TEXT3, "Zed");
    for (int n : {1, 2, 3}) Box(n).SetText("ab"), Box(n).Select(1, 0);
    for (HWND box : {form->Control(IDC_TEXT3), form->Control(IDC_TEXT2), GetWindow(form->Control(IDC_COMBO1), GW_CHILD),
                     form->Control(IDC_LIST1), form->Control(IDC_PICCOLORA), Box(1).Hwnd(), Box(2).Hwnd(), Box(3).Hwnd()})
        for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
            SetFocus(box);
            PostMessageA(box, WM_KEYDOWN, key, 1 | (MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC) << 16));
            RunPendingEvents();
            EXPECT_EQ(GetFocus(), box);
        }
    EXPECT_EQ(ListBoxItems(form->Control(IDC_LIST1)), (Texts{"Ann", "Z\0ed"s, "Bob", "Zed"}));
    for (int n : {1, 2, 3}) EXPECT_EQ(Box(n).Text(), "a\r\nb") << n;
    EXPECT_EQ(Said(), "") << "Send was pressed";
}

// Send, Command15, the timer and the dance bot in one messenger run, with a nick no code page holds,
// into a room titled likewise: every character arrives, and the fade colours each as a person counts it.
TEST_F(MainTabTest, SendCommand15TimerAndDanceBotPostMixedScriptsWithTheNickPutInAndTheFadeOfTheirPath) {
    ASSERT_TRUE(DemoMessenger::Install("11.3"));
    // The room's input box has a look of its own: only what a message states overrides it.
    ASSERT_TRUE(messenger.Start({"Lobby", kUnicodeRoom}, {"--styled-input"}));
    // Refused without a room (Send and the timer: none is listed yet), then with a pause that is not a
    // number (more than a day).
    Click(IDC_COMMAND1);
    RunTimer();
    form->OnCommand(IDC_COMBO1, CBN_DROPDOWN);
    form->Context().SetControlText(IDC_COMBO1, kUnicodeRoom);
    for (bool dance : {true, false}) {
        Modes(true, dance);
        form->Context().SetControlText(IDC_TEXT2, dance ? "0.5s" : "86401");
        RunTimer();
    }
    EXPECT_EQ(Said(), "Not Connected 64\nNot Connected 64\nTime 64\nTime 64\n");
    form->Context().SetControlText(IDC_TEXT3, kMixedScripts);
    Click(IDC_COMMAND10);
    Modes(false, false);
    Box(1).SetText("hello sn% and SN%");
    Click(IDC_COMMAND1);
    ClickRow(IDC_LIST1, 2);
    const std::string hi = "hi " + kMixedScripts;
    Box(1).SetTextRTF("{\\rtf1 \\b hi sn%}");
    Click(IDC_COMMAND1);
    Box(1).SetText("SN% and Sn% stay, sn% goes");
    Click(IDC_COMMAND1);
    Modes(true, false);
    Box(1).SetText("hi sn%");
    Click(IDC_COMMAND15);
    EXPECT_EQ(Box(1).Text(), "hi sn%");
    Click(IDC_COMMAND1);
    ExpectArial(Box(1).TextRTF(), Faded(hi));  // the nick stays in the composer
    Box(2).SetText(kMixedScripts);
    Box(3).SetText("😀");
    Modes(true, true);
    form->Context().SetControlText(IDC_TEXT2, "1");
    // In the second tick's first wait, of 600 s, another sender is refused, and Stop sends the right frame at once.
    Box(5).SetText("art");
    RunTimer([&](std::size_t count) {
        if (count == 7) form->Context().SetControlText(IDC_TEXT2, "600");
        if (count != 8) return;
        Click(IDC_COMMAND25);  // the Art Designs tab's Send To Room
        Click(IDC_COMMAND9);
    });
    for (std::size_t n : {5, 6}) ExpectPause(n, 1);
    EXPECT_EQ(Said(), "Send To Room 64\n");  // another message is being sent
    ExpectArial(Posted(0), Colours(17, kBlack));  // black stated, not left to the room's own colour
    ExpectArial(Posted(1), Colours(Utf16FromUtf8(hi).size(), kBlack), true);  // bold, and not the room's italic
    ExpectArial(Posted(3), Colours(Utf16FromUtf8(hi).size(), kBlack));  // no fade on Command15's path
    ExpectArial(Posted(4), Faded(hi));
    ExpectArial(Posted(6), Colours(2, kBlue));  // one character: colour B whole
    // Scrolling, then dancing from the next tick, until the window closes in a wait.
    Box(1).SetText("hi sn%!");
    Box(2).SetText("\\o/");
    Modes(true, false);
    form->Context().SetControlText(IDC_TEXT2, "1.5");
    RunTimer([&](std::size_t count) {
        if (count == 10) form->Context().SetControlText(IDC_LABEL3, "Ann");  // too late: the nick is in
        if (count == 11) Modes(true, true), form->Context().SetControlText(IDC_TEXT2, "600");
        if (count != 12) return;
        ExpectArial(Posted(10), Faded(hi + "!"));
        PostMessageA(form->Hwnd(), WM_CLOSE, 0, 0);  // in the wait of 600 s after the left frame
    });
    for (std::size_t n : {9, 10}) ExpectPause(n, 1.5);
    EXPECT_EQ(Said(), "");  // neither the right frame nor a tick going on over the closed window
    Texts posted;
    for (const TranscriptEntry& e : messenger.Transcript()) posted.push_back(e.text);
    EXPECT_EQ(posted, (Texts{"hello sn% and SN%", hi, "SN% and Sn% stay, " + kMixedScripts + " goes", hi, hi,
                             kMixedScripts, "😀", kMixedScripts, "😀", hi + "!", hi + "!", "\\o/"}));
    for (const TranscriptEntry& e : messenger.Transcript()) EXPECT_EQ(e.room, kUnicodeRoom);
}

// Send in Fade mode: tags rendered and lines kept, faded from the pickers' colours to B on the last character;
// with "Random Color" every press rolls a new pair for the next message, an empty one's too.
TEST_F(MainTabTest, FadeSendRendersTagsAndRandomColorRollsAPairPerPress) {
    Connect();
    Modes(true, false);
    form->Context().SetChecked(IDC_CHKRANDOMCOLOR, true);
    std::set<std::pair<COLORREF, COLORREF>> seen;
    for (std::size_t press = 0; press < 8; ++press) {
        const COLORREF b = form->Context().BoxColor(IDC_PICCOLORB);
        Box(1).SetText(press % 4 ? "a<b>bc\r\nnext line" : "");
        Click(IDC_COMMAND1);
        seen.insert({form->Context().BoxColor(IDC_PICCOLORA), form->Context().BoxColor(IDC_PICCOLORB)});
        if (press % 4 == 0) continue;
        Box(4).SetTextRTF(Posted(press - press / 4 - 1));
        const std::vector<ProbedChar> shown = ProbeCharacters(Box(4).Hwnd());
        ASSERT_EQ(shown.size(), 13u);  // the tag gone, the line break one character in the box
        EXPECT_TRUE(!shown[0].format.bold && shown[1].format.bold && shown[12].format.bold && shown[12].format.color == b);
    }
    EXPECT_EQ(seen.size(), 8u) << "a new pair on every press";
}

// What the user does while a sender waits changes nothing sent. Stop in a wait of the repeats sends nothing more,
// and Timer1 never fires into a running tick (Stop between the two dance frames: the timer scenario above). An art
// send delivers the design as it stood when it began, whatever the user does during its waits. With a nick, Command15 and a faded Send leave a long
// paragraph in the hidden work box unwrapped, on one line.
TEST_F(MainTabTest, WhatTheUserDoesDuringAWaitChangesNothingSent) {
    Connect();
    CountTicks();
    // List files and a design that name no code page read as Windows-1252 on every system.
    EXPECT_EQ(ListBoxItems(form->Control(IDC_LIST4)), (Texts{"abcdefg", DecorationUtf8(1) + "\u2022"}));
    Box(5).SetTextRTF("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 \\'95\\'b4\\'af\\'e9}");
    EXPECT_EQ(Box(5).Text(), "\u2022\u00B4\u00AF\u00E9");
    Modes(false, false);  // plain repeats, short pauses
    form->Context().SetControlText(IDC_TEXT2, "0.2");
    Box(1).SetText("tick");
    RunTimer([&](std::size_t count) { if (count == 3) Click(IDC_COMMAND9); });
    EXPECT_EQ(firedInTick, 0);

    Box(5).SetText("one\r\nsn% two\r\nthree\r\nΓ ε α δ π σ τ φ Ω ∞");  // look-alikes under Windows-1252
    Box(5).Select(14, 5);
    Box(5).SetSelColor(RGB(255, 0, 0));
    form->Context().SetControlText(IDC_TEXT5, "0.2");
    RunTimer([&](std::size_t count) {
        if (count == 4) Click(IDC_COMMAND22);  // Clear
        if (count == 5) Box(5).SetSelText("typed\r\n");
        if (count == 6) Box(5).SetTextRTF("{\\rtf1 another design}");
    }, IDC_COMMAND25);
    form->Context().SetControlText(IDC_LABEL3, "Bob");
    std::string paragraph = "Bob";
    while (paragraph.size() < 3000) paragraph += " Γειά ∞";
    Box(1).SetText("sn%" + paragraph.substr(3));
    Click(IDC_COMMAND15);
    form->Context().SetChecked(IDC_OPTION1, true);
    Click(IDC_COMMAND1);
    EXPECT_EQ(SendMessageW(Box(4).Hwnd(), EM_GETLINECOUNT, 0, 0), 1);
    Texts posted;
    for (const TranscriptEntry& e : messenger.Transcript()) posted.push_back(e.text);
    EXPECT_EQ(posted, (Texts{"tick", "tick", "tick", "one", "sn% two", "three", "Γ ε α δ π σ τ φ Ω ∞", paragraph, paragraph}));
    EXPECT_NE(Posted(5).find("\\red255\\green0\\blue0"), std::string::npos) << "its colour";
}

// The faders' styles and stops end to end: set in the "Fade Colours" window (stops, presets, Save As),
// applied by Send, the dance bot, Auto Send and the art tab, read back per character from what the room got.
TEST_F(MainTabTest, EachSenderColoursEveryCharacterByItsFadersStyleAndStops) {
    Connect();
    TabContext& ctx = form->Context();
    auto inWindow = [&](int opener, std::deque<std::function<bool()>> steps) {
        g_steps = std::move(steps);
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
            if (!g_steps.empty() && g_steps.front()()) g_steps.pop_front();
        });
        form->OnCommand(opener, BN_CLICKED);
        KillTimer(nullptr, timer);
        EXPECT_TRUE(g_steps.empty());
    };
    auto choose = [&](int id, int row) {
        SendMessageA(ctx.Control(id), CB_SETCURSEL, row, 0);
        form->OnCommand(id, CBN_SELCHANGE);
    };

    // Main: a stop added between red and blue and made green; Cancel keeps the fader as it was.
    ui.colorAnswers = {kGreen};
    inWindow(IDC_FADECOLORS, {Act(IDC_FADECOLOURS_ADD), Act(IDC_FADECOLOURS_STOP1 + 1), Act(IDOK)});
    inWindow(IDC_FADECOLORS, {Act(IDC_FADECOLOURS_REMOVE), Act(IDCANCEL)});
    EXPECT_EQ(ctx.FaderOptions().Stops(FaderId::Main), (ColorStops{kRed, kGreen, kBlue}));
    choose(IDC_FADESTYLE, 1);
    ctx.Composer().SetText("abcde");
    form->OnCommand(IDC_COMMAND1, BN_CLICKED);
    // The dance bot, both frames through the same fader.
    ctx.DanceFrame1().SetText("xyz"), ctx.DanceFrame2().SetText("q"), ctx.SetControlText(IDC_TEXT2, "0");
    Modes(true, true);
    RunTimer([&](std::size_t count) { if (count >= 3) Click(IDC_COMMAND9); });
    const std::size_t danced = messenger.Transcript().size();

    // Text Designs: Rainbow chosen, saved as "Mine" (listed after the built-in ones), Auto Send.
    std::vector<std::string> listed;
    inWindow(IDC_DESIGNFADECOLORS, {Act(IDC_PRESETS, 0), Act(IDC_FADECOLOURS_SAVEAS), Named, Act(IDC_PRESETS, 7, &listed), Act(IDOK)});
    EXPECT_EQ(listed, (std::vector<std::string>{"Rainbow", "Sunset", "Ocean", "Fire", "Forest", "Candy", "Silver", "Mine"}));
    choose(IDC_DESIGNFADESTYLE, 1);
    ctx.SetChecked(IDC_OPTION8, true);
    ClickRow(IDC_LIST4, 0);

    // Art: "Mine" deleted, Ocean (three stops) taken and saved as "Mine"; Rows, faded and sent line by line.
    inWindow(IDC_ARTFADECOLORS, {Act(IDC_PRESETS, 7), Act(IDC_FADECOLOURS_DELETE), Act(IDC_PRESETS, 2, &listed),
                                 Act(IDC_FADECOLOURS_SAVEAS), Named, Act(IDOK)});
    EXPECT_EQ(listed.size(), 7u);
    choose(IDC_ARTFADESTYLE, 2);
    ctx.ArtDesign().SetText("ab\r\ncd\r\nef"), ctx.SetControlText(IDC_TEXT5, "0");
    form->OnCommand(IDC_COMMAND24, BN_CLICKED);
    form->OnCommand(IDC_COMMAND25, BN_CLICKED);

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
    SendMessageA(form->Hwnd(), WM_CLOSE, 0, 0);
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
