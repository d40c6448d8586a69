// What the user does while a sender waits must not change what it sends: an art send keeps the design it began
// with, Stop in the dance bot ends the pair at once, the timer stays quiet during its own tick, and the hidden work
// boxes never wrap. The demo messenger's transcript is the truth; a marker sent last shows that nothing followed.
#include <windows.h>

#include <functional>

#include <gtest/gtest.h>

#include "app/form1_win.h"
#include "app/main_tab_win.h"
#include "designs/art_designs_tab_win.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/win_test_support.h"

namespace {

class SendIntegrityTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(DemoMessenger::Install("11.3"));
        ASSERT_TRUE(messenger.Start({"Lobby"}));
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

// Stop between the two dance frames sends the right one at once, with no wait after it; Stop in any other wait
// sends nothing more, and Timer1 never fires into a running tick. An art send delivers the design as it stood when
// it began, whatever the user does during its waits. With a nick, Command15 and a faded Send leave a long
// paragraph in the hidden work box unwrapped, on one line.
TEST_F(SendIntegrityTest, WhatTheUserDoesDuringAWaitChangesNothingSent) {
    form->Context().SetChecked(IDC_OPTION1, false);  // no fade, and the dance bot
    form->Context().SetChecked(IDC_OPTION3, true);
    Box(2).SetText("L");
    Box(3).SetText("R");
    form->Context().SetControlText(IDC_TEXT2, "30");
    Run([&] { Click(IDC_COMMAND8); }, [&](std::size_t n) { if (n == 1) Click(IDC_COMMAND9); });
    form->Context().SetChecked(IDC_OPTION3, false);  // plain repeats, short pauses
    form->Context().SetControlText(IDC_TEXT2, "0.2");
    Run([&] { Box(1).SetText("tick"), Click(IDC_COMMAND8); }, [&](std::size_t n) { if (n == 3) Click(IDC_COMMAND9); });
    EXPECT_EQ(firedInTick, 0);

    Box(5).SetText("one\r\nsn% two\r\nthree\r\nfour");
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
    while (paragraph.size() < 3000) paragraph += " abcd";
    Box(1).SetText("sn%" + paragraph.substr(3));
    Click(IDC_COMMAND15);
    form->Context().SetChecked(IDC_OPTION1, true);
    Click(IDC_COMMAND1);
    EXPECT_EQ(SendMessageW(Box(4).Hwnd(), EM_GETLINECOUNT, 0, 0), 1);
    std::vector<std::string> posted;
    for (const TranscriptEntry& e : messenger.WaitForTranscript(14)) posted.push_back(e.text);
    EXPECT_EQ(posted, (std::vector<std::string>{"L", "R", "end", "tick", "tick", "tick", "end", "one", "sn% two", "three", "four", "end",
                                                paragraph, paragraph}));
    EXPECT_NE(messenger.Transcript().at(9).rtf.find("\\red255\\green0\\blue0"), std::string::npos) << "its colour";
}

}  // namespace
