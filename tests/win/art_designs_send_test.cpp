// "Send To Room" on the Art Designs tab: the checks before anything goes out,
// and, with the demo messenger as the room, what the room receives line by
// line (text, colours, bold, the nick) and how the sending is paced and ended.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "app/form1_win.h"
#include "designs/art_designs_tab_win.h"
#include "link/messenger_link_win.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/win_test_support.h"

namespace {

void Click(Form1& form, int id) { form.OnCommand(id, BN_CLICKED, form.Control(id)); }

// A main window closed by an earlier test leaves the quit it posted; a send
// here would take it for a close of its own window and stop at once.
void DropLeftoverQuit() {
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

struct Tab {
    RecorderUi ui;
    TempFolder dir;
    Form1 form{ui, dir.Path()};
    Tab() {
        DropLeftoverQuit();
        for (const char* name : {"dl.txt", "nicks.txt", "saved.txt", "dlist.txt"}) dir.Write(name, "");
        form.Create(false);
        form.ShowTab(2);
    }
};

// Three lines: "Red" bold red, "Green" green, "Blue!" bold blue.
void DrawThreeLines(RichTextBox& box) {
    box.SetText("Red\r\nGreen\r\nBlue!");
    box.Select(0, 3);
    box.SetSelColor(RGB(255, 0, 0));
    box.SetSelBold(true);
    box.Select(5, 5);
    box.SetSelColor(RGB(0, 128, 0));
    box.Select(12, 5);
    box.SetSelColor(RGB(0, 0, 255));
    box.SetSelBold(true);
    box.Select(0, 0);
}

// The room's text of one message without the line break that ends it.
std::string Line(const TranscriptEntry& entry) {
    std::string text = entry.text;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

// The colour and boldness of every character of a posted message, read by
// loading its RTF into a box of our own.
struct Posted {
    std::string text;
    std::vector<COLORREF> colors;
    std::vector<bool> bold;
};

Posted Read(Form1& form, const TranscriptEntry& entry) {
    RichTextBox& scratch = form.Box(4);
    scratch.SetTextRTF(entry.rtf);
    Posted posted;
    posted.text = scratch.Text();
    while (!posted.text.empty() && (posted.text.back() == '\n' || posted.text.back() == '\r')) posted.text.pop_back();
    for (long i = 0; i < static_cast<long>(posted.text.size()); ++i) {
        scratch.Select(i, 1);
        posted.colors.push_back(scratch.SelColor());
        posted.bold.push_back(scratch.SelBold());
    }
    return posted;
}

// Connects the tab to one room of a running demo messenger.
bool Connect(Form1& form, const std::string& room) {
    form.Link().SetPal10Classes();
    form.Link().FillRoomList();
    form.SetControlText(IDC_COMBO1, room);
    return form.ControlText(IDC_COMBO1) == room;
}

double SecondsOf(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs `action` once, `afterMs` into whatever the test does next (inside the
// waits of a send, whose loop dispatches the timer).
class Later {
public:
    Later(UINT afterMs, std::function<void()> action) {
        action_ = std::move(action);
        timer_ = SetTimer(nullptr, 0, afterMs, Fire);
    }
    ~Later() { KillTimer(nullptr, timer_); }

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        if (action_) {
            auto action = std::move(action_);
            action_ = nullptr;
            action();
        }
    }
    static inline std::function<void()> action_;
    UINT_PTR timer_;
};

}  // namespace

TEST(ArtDesignSend, WithoutARoomNothingIsSent) {
    Tab tab;
    DrawThreeLines(tab.form.Box(5));
    tab.form.Box(1).SetText("the composer");
    tab.form.SetControlText(IDC_COMBO1, "");
    Click(tab.form, IDC_COMMAND25);
    ASSERT_EQ(tab.ui.messages.size(), 1u);
    EXPECT_EQ(tab.ui.messages[0].text, "Please Connect to the room first.");
    EXPECT_EQ(tab.ui.messages[0].title, "Not Connected");
    EXPECT_EQ(tab.ui.messages[0].flags, 64u);
    EXPECT_EQ(tab.form.Box(1).Text(), "the composer") << "no line was put into the composer";
}

TEST(ArtDesignSend, APauseThatIsNotANumberStopsBeforeTheFirstLine) {
    Tab tab;
    DrawThreeLines(tab.form.Box(5));
    tab.form.Box(1).SetText("the composer");
    tab.form.SetControlText(IDC_COMBO1, "Some Room");
    for (const char* pause : {"", "abc", "1,5"}) {
        tab.ui.messages.clear();
        tab.form.SetControlText(IDC_TEXT5, pause);
        Click(tab.form, IDC_COMMAND25);
        ASSERT_EQ(tab.ui.messages.size(), 1u) << "\"" << pause << "\"";
        EXPECT_EQ(tab.ui.messages[0].text, "The pause in Timer: must be a number of seconds, for example 1 or 0.5.");
        EXPECT_EQ(tab.ui.messages[0].title, "Send To Room");
        EXPECT_EQ(tab.form.Box(1).Text(), "the composer");
    }
}

TEST(ArtDesignSendToMessenger, EachLineArrivesWithItsColoursAndBoldAndThePauseAfterIt) {
    DemoMessenger messenger;
    ASSERT_TRUE(messenger.Start({"Art Gallery", "Chatter"}));
    Tab tab;
    ASSERT_TRUE(Connect(tab.form, "Art Gallery"));
    DrawThreeLines(tab.form.Box(5));
    tab.form.SetControlText(IDC_TEXT5, "0.5");

    const double seconds = SecondsOf([&] { Click(tab.form, IDC_COMMAND25); });
    EXPECT_TRUE(tab.ui.messages.empty());
    // Three pauses of half a second, the one after the last line included.
    EXPECT_GE(seconds, 1.5);
    EXPECT_LT(seconds, 10.0);

    const std::vector<TranscriptEntry> posted = messenger.WaitForTranscript(3);
    ASSERT_EQ(posted.size(), 3u);
    for (const TranscriptEntry& entry : posted) EXPECT_EQ(entry.room, "Art Gallery");
    EXPECT_EQ(Line(posted[0]), "Red");
    EXPECT_EQ(Line(posted[1]), "Green");
    EXPECT_EQ(Line(posted[2]), "Blue!");

    const Posted red = Read(tab.form, posted[0]);
    const Posted green = Read(tab.form, posted[1]);
    const Posted blue = Read(tab.form, posted[2]);
    ASSERT_EQ(red.text, "Red");
    ASSERT_EQ(green.text, "Green");
    ASSERT_EQ(blue.text, "Blue!");
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(red.colors[i], RGB(255, 0, 0));
        EXPECT_TRUE(red.bold[i]);
    }
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(green.colors[i], RGB(0, 128, 0));
        EXPECT_FALSE(green.bold[i]);
        EXPECT_EQ(blue.colors[i], RGB(0, 0, 255));
        EXPECT_TRUE(blue.bold[i]);
    }
    EXPECT_EQ(tab.form.Box(1).Text().substr(0, 5), "Blue!") << "the composer keeps the last line";
}

TEST(ArtDesignSendToMessenger, TheNickGoesOutWhileTheDesignKeepsItsPlaceholder) {
    DemoMessenger messenger;
    ASSERT_TRUE(messenger.Start({"Nick Room"}));
    Tab tab;
    ASSERT_TRUE(Connect(tab.form, "Nick Room"));
    RichTextBox& design = tab.form.Box(5);
    design.SetText("hi sn%\r\n\r\nbye sn%\r\n");
    design.Select(0, 6);
    design.SetSelBold(true);
    tab.form.SetControlText(IDC_LABEL3, "Bob");
    tab.form.SetControlText(IDC_TEXT5, "0.3");

    // Four lines go out, the two empty ones included (the last after the final
    // line break): four pauses. The room posts no empty message, so it shows two.
    const double seconds = SecondsOf([&] { Click(tab.form, IDC_COMMAND25); });
    EXPECT_GE(seconds, 1.2);
    EXPECT_EQ(tab.form.Box(1).Text(), "") << "the composer holds the last, empty line";
    const std::vector<TranscriptEntry> posted = messenger.WaitForTranscript(2);
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(Line(posted[0]), "hi Bob");
    EXPECT_EQ(Line(posted[1]), "bye Bob");
    const Posted first = Read(tab.form, posted[0]);
    ASSERT_EQ(first.bold.size(), 6u);
    EXPECT_TRUE(first.bold[5]) << "the nick takes the placeholder's format";
    EXPECT_EQ(design.Text(), "hi sn%\r\n\r\nbye sn%\r\n");

    // Without a nick the placeholder goes out as it is.
    tab.form.SetControlText(IDC_LABEL3, "No Nick");
    tab.form.SetControlText(IDC_TEXT5, "0");
    design.SetText("sn% was here");
    Click(tab.form, IDC_COMMAND25);
    const std::vector<TranscriptEntry> more = messenger.WaitForTranscript(3);
    ASSERT_EQ(more.size(), 3u);
    EXPECT_EQ(Line(more[2]), "sn% was here");
}

TEST(ArtDesignSendToMessenger, APauseChangedToTextDuringTheSendStopsIt) {
    DemoMessenger messenger;
    ASSERT_TRUE(messenger.Start({"Pause Room"}));
    Tab tab;
    ASSERT_TRUE(Connect(tab.form, "Pause Room"));
    DrawThreeLines(tab.form.Box(5));
    tab.form.SetControlText(IDC_TEXT5, "0.6");
    {
        Later change(200, [&] { tab.form.SetControlText(IDC_TEXT5, "soon"); });
        Click(tab.form, IDC_COMMAND25);
    }
    ASSERT_EQ(tab.ui.messages.size(), 1u);
    EXPECT_EQ(tab.ui.messages[0].title, "Send To Room");
    // The first wait had read 0.6 already; the second line went out, then the
    // pause after it was found to be no number.
    Sleep(300);
    const std::vector<TranscriptEntry> posted = messenger.Transcript();
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(Line(posted[1]), "Green");
    EXPECT_FALSE(tab.form.ArtDesigns().Sending());
}

// Last in this file: closing the window ends the program's message loop, and
// the quit left behind is taken away at the end so nothing after it is cut short.
TEST(ArtDesignSendToMessenger, ClosingTheWindowDuringASendEndsItCleanly) {
    DemoMessenger messenger;
    ASSERT_TRUE(messenger.Start({"Closing Room"}));
    Tab tab;
    ASSERT_TRUE(Connect(tab.form, "Closing Room"));
    DrawThreeLines(tab.form.Box(5));
    tab.form.SetControlText(IDC_TEXT5, "0.5");
    HWND window = tab.form.Hwnd();
    {
        Later close(200, [window] { PostMessageA(window, WM_CLOSE, 0, 0); });
        const double seconds = SecondsOf([&] { Click(tab.form, IDC_COMMAND25); });
        EXPECT_LT(seconds, 0.5) << "the send ended at the close, not after its pause";
    }
    EXPECT_TRUE(tab.form.Closed());
    EXPECT_FALSE(IsWindow(window));
    Sleep(300);
    const std::vector<TranscriptEntry> posted = messenger.Transcript();
    ASSERT_EQ(posted.size(), 1u) << "only the line sent before the close";
    EXPECT_EQ(Line(posted[0]), "Red");
    EXPECT_TRUE(tab.ui.messages.empty());

    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is left for the program's loop";
}
