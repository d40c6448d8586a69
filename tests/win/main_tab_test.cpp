// The Main tab in-process, the recorder answering its dialogs: formatting, colour pickers, the nick and dance
// lists with their files, then beside the demo messenger (its transcript the truth about what a room received
// and when) Send, Command15, the auto-send timer and the dance bot.
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/form1_win.h"
#include "app/list_files_win.h"
#include "app/main_tab_win.h"
#include "effects/fade_text.h"
#include "effects/markup_reader.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/rich_format_probe.h"
#include "tests/win/win_test_support.h"

namespace {

using Texts = std::vector<std::string>;
constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kBlack = RGB(0, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0), kYellow = RGB(250, 220, 10);

double NowSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::vector<COLORREF> Colors(const std::vector<ProbedChar>& chars) {
    std::vector<COLORREF> colors;
    for (const ProbedChar& c : chars) colors.push_back(c.format.color);
    return colors;
}

// The colour of every character of `text` faded from a to b, as the fader's markup gives them.
std::vector<COLORREF> FadeColors(COLORREF a, COLORREF b, const std::string& text) {
    std::vector<COLORREF> colors;
    for (const FormattedRun& run : ReadMarkup(FadeText(std::int32_t(a), std::int32_t(b), text)).runs)
        colors.insert(colors.end(), run.text.size(), run.format.color);
    return colors;
}

// The main window on a scratch folder with every list file present (empty unless a test writes its own first).
class MainTabTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"dl.txt", "dr.txt", "nicks.txt", "saved.txt", "dlist.txt"}) dir.Write(name, "");
    }
    void TearDown() override {
        form.reset();
        PumpMessages();  // the quit a closed window left is not for the next test
    }
    void Open() {
        form = std::make_unique<Form1>(ui, dir.Path());
        EXPECT_NE(form->Create(false), nullptr);
        ui.messages.clear();  // start-up notes (such as no messenger) are not this test's business
    }
    void Click(int id) { form->OnCommand(id, BN_CLICKED, form->Control(id)); }
    // A click, keyboard move or double-click on a list row: the selection moves, then the list reports it.
    void ClickRow(int listId, int row, int code = LBN_SELCHANGE) {
        SendMessageA(form->Control(listId), LB_SETCURSEL, row, 0);
        form->OnCommand(listId, code, form->Control(listId));
    }
    void Choose(int on, int off) {
        form->SetChecked(on, true);
        form->SetChecked(off, false);
    }
    std::vector<std::string> Rows(int listId) { return ListBoxItems(form->Control(listId)); }
    RichTextBox& Box(int n) { return form->Box(n); }
    void MakeBold(int box, long start, long length) {
        Box(box).Select(start, length);
        Box(box).SetSelBold(true);
    }
    ProbedFormat FormatAt(int box, long position) {
        Box(box).Select(position, 1);
        return ProbeSelectionFormat(Box(box).Hwnd());
    }
    void ExpectOneMessage(const char* text, const char* title, UINT flags) {
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, text);
        EXPECT_EQ(ui.messages[0].title, title);
        EXPECT_EQ(ui.messages[0].flags, flags);
    }

    RecorderUi ui;
    TempFolder dir;
    std::unique_ptr<Form1> form;
};

class ComposerTest : public MainTabTest {
protected:
    void SetUp() override {
        MainTabTest::SetUp();
        Open();
        Box(1).SetText("hello world");
        Box(2).SetText("\\o/");
        Box(3).SetText("/o\\");
    }
    // A press with "hello" selected in the composer and the first two characters of each frame.
    void Press(int id) {
        Box(1).Select(0, 5);
        Box(2).Select(0, 2);
        Box(3).Select(0, 2);
        Click(id);
    }
};

TEST_F(ComposerTest, ButtonsFormatTheComposerInRegularAndBothFramesInDanceScrolling) {
    for (bool dance : {false, true}) {
        SCOPED_TRACE(dance ? "dance" : "regular");
        if (dance) Choose(IDC_OPTION3, IDC_OPTION4);
        auto others = [&] { return dance ? Box(1).TextRTF() : Box(2).TextRTF() + Box(3).TextRTF(); };
        const std::string othersBefore = others();
        ui.colorAnswers = {kGreen};
        Press(IDC_COMMAND7);
        Press(IDC_COMMAND2);
        Press(IDC_COMMAND2);  // bold has no "off": a second press leaves it on
        for (int box : dance ? std::vector<int>{2, 3} : std::vector<int>{1}) {
            for (auto [button, twips] : {std::pair{IDC_COMMAND3, 160}, {IDC_COMMAND5, 200}, {IDC_COMMAND6, 240}}) {
                Press(button);
                EXPECT_EQ(FormatAt(box, 1).twips, twips) << "box " << box << ", button " << button;
            }
            const ProbedFormat in = FormatAt(box, 1), out = FormatAt(box, box == 1 ? 5 : 2);
            EXPECT_TRUE(in.bold && in.color == kGreen) << box;
            EXPECT_TRUE(!out.bold && out.color == kBlack && out.twips == 200) << box;  // outside the selection
        }
        EXPECT_EQ(others(), othersBefore);
    }
    EXPECT_EQ(ui.colorDialogs, 2);  // one dialog for both frames
}

TEST_F(ComposerTest, PickersAndColorShareOneDialogWhoseCancelGivesTheLastAcceptedColour) {
    Box(1).Select(0, 11);
    Box(1).SetSelColor(kRed);
    Press(IDC_COMMAND7);  // cancelled before any colour was accepted: black
    EXPECT_EQ(FormatAt(1, 0).color, kBlack);
    Click(IDC_PICCOLORA);
    EXPECT_EQ(form->BoxColor(IDC_PICCOLORA), kBlack);
    ui.colorAnswers = {kYellow};
    Click(IDC_PICCOLORB);
    // The colour accepted for B is what a cancel gives A and the Color button.
    Click(IDC_PICCOLORA);
    Press(IDC_COMMAND7);
    EXPECT_EQ(form->BoxColor(IDC_PICCOLORB), kYellow);
    EXPECT_EQ(form->BoxColor(IDC_PICCOLORA), kYellow);
    EXPECT_EQ(FormatAt(1, 0).color, kYellow);
    EXPECT_EQ(FormatAt(1, 6).color, kRed);
    EXPECT_EQ(ui.colorDialogs, 5);
}

TEST_F(MainTabTest, NickListAddChooseClearAndDeleteRewriteNicksTxtWhole) {
    dir.Write("nicks.txt", "Ann\r\nZed\r\n");
    Open();
    for (const char* nick : {"Bob", "Bob", ""}) {
        form->SetControlText(IDC_TEXT3, nick);
        Click(IDC_COMMAND10);
    }
    EXPECT_EQ(Rows(IDC_LIST1), (Texts{"Ann", "Zed", "Bob", "Bob", ""}));  // appended, not sorted
    EXPECT_EQ(dir.Read("nicks.txt"), "Ann\r\nZed\r\nBob\r\nBob\r\n\r\n");
    ClickRow(IDC_LIST1, 4);
    EXPECT_EQ(form->Label3Caption(), "");  // the empty nick is chosen, not "no nick"
    form->OnCommand(IDC_LABEL3, STN_CLICKED, form->Control(IDC_LABEL3));
    EXPECT_EQ(form->Label3Caption(), "No Nick");
    ClickRow(IDC_LIST1, 2);
    Click(IDC_COMMAND11);
    EXPECT_EQ(form->Label3Caption(), "Bob");  // a copy: still chosen after its row went
    SendMessageA(form->Control(IDC_LIST1), LB_SETCURSEL, 3, 0);  // the last row
    Click(IDC_COMMAND11);
    EXPECT_EQ(Rows(IDC_LIST1), (Texts{"Ann", "Zed", "Bob"}));
    EXPECT_EQ(dir.Read("nicks.txt"), "Ann\r\nZed\r\nBob\r\n");
}

TEST_F(MainTabTest, DoubleClickPutsTheRowIntoItsOwnFrameAsPlainText) {
    dir.Write("dl.txt", "\\o/\r\n(>'.')>\r\n");
    dir.Write("dr.txt", "/o\\\r\n");
    Open();
    Box(2).SetText("old");
    MakeBold(2, 0, 3);
    ClickRow(IDC_LIST2, 1, LBN_DBLCLK);
    EXPECT_EQ(Box(2).Text(), "(>'.')>");
    EXPECT_FALSE(FormatAt(2, 0).bold);
    ClickRow(IDC_LIST3, 0, LBN_DBLCLK);
    EXPECT_EQ(Box(3).Text(), "/o\\");
    EXPECT_EQ(Box(2).Text(), "(>'.')>");
}

TEST_F(MainTabTest, AddDelAndSaveTheDancePairsThenReadTheFilesBack) {
    dir.Write("dl.txt", "l1\r\nl2\r\n");
    dir.Write("dr.txt", "r1\r\n");
    Open();
    ClickRow(IDC_LIST2, 1);
    Click(IDC_COMMAND13);  // List3 has no row 2: not an error
    EXPECT_EQ(Rows(IDC_LIST3), (Texts{"r1"}));
    for (auto [left, right] : {std::pair{"\\o/", "/o\\"}, {"caf\xE9", "x, \"y\""}, {"", ""}}) {
        Box(2).SetText(left);
        Box(3).SetText(right);
        Click(IDC_COMMAND14);
    }
    ClickRow(IDC_LIST2, 0);
    Click(IDC_COMMAND13);
    const Texts left{"\\o/", "caf\xE9", ""}, right{"/o\\", "x, \"y\"", ""};
    EXPECT_EQ(Rows(IDC_LIST2), left);
    EXPECT_EQ(Rows(IDC_LIST3), right);
    EXPECT_EQ(dir.Read("dl.txt"), "l1\r\nl2\r\n");  // Add and Del write nothing
    Click(IDC_COMMAND12);
    EXPECT_EQ(dir.Read("dl.txt"), "\\o/\r\ncaf\xE9\r\n\r\n");
    EXPECT_EQ(dir.Read("dr.txt"), "/o\\\r\nx, \"y\"\r\n\r\n");
    EXPECT_EQ(Rows(IDC_LIST2), left);  // read back from the files
    EXPECT_EQ(Rows(IDC_LIST3), right);
}

TEST_F(MainTabTest, SaveWithoutDlTxtAfterwardsSaysSoAndEmptiesBothLists) {
    Open();
    Box(2).SetText("L");
    Box(3).SetText("R");
    Click(IDC_COMMAND14);
    DeleteFileA(dir.File("dl.txt").c_str());
    CreateDirectoryA(dir.File("dl.txt").c_str(), nullptr);  // a folder where the file should be
    Click(IDC_COMMAND12);
    ExpectOneMessage("One of the files [dl.txt] or [nicks.txt] does not exist.", "Error", 16);
    EXPECT_TRUE(Rows(IDC_LIST2).empty());
    EXPECT_TRUE(Rows(IDC_LIST3).empty());  // dr.txt was written but is not read
    EXPECT_EQ(dir.Read("dr.txt"), "R\r\n");
}

class MessengerTest : public MainTabTest {
protected:
    void SetUp() override {
        MainTabTest::SetUp();
        PalInstallRecordsGuard::Remove("PalTalk8.2");
        ASSERT_TRUE(DemoMessenger::Install("11.3"));
        ASSERT_TRUE(messenger.Start({"Lobby"}));
        Open();
        ASSERT_EQ(form->ControlText(IDC_COMBO1), "Lobby");
    }

    Texts Posted(std::size_t atLeast = 0) {
        Texts texts;
        for (const TranscriptEntry& e : messenger.WaitForTranscript(atLeast, 5000)) texts.push_back(e.text);
        return texts;
    }
    // Each character of a posted message with its format, read back through the hidden work box.
    std::vector<ProbedChar> Characters(std::size_t message) {
        Box(4).SetTextRTF(messenger.Transcript().at(message).rtf);
        return ProbeCharacters(Box(4).Hwnd());
    }
    void Dance(const std::string& left, const std::string& right, const char* pause) {
        Box(2).SetText(left);
        Box(3).SetText(right);
        Choose(IDC_OPTION3, IDC_OPTION4);
        form->SetControlText(IDC_TEXT2, pause);
    }
    // Starts the timer and runs messages until it is off and no tick runs, polling the transcript meanwhile
    // (inside the ticks' waits too): `onCount` hears each new number of posted messages. Returns their arrival times.
    std::vector<double> RunTimer(std::function<void(std::size_t)> onCount = {}) {
        static std::function<void()> poll;
        std::vector<double> times;
        poll = [&] {
            const std::size_t count = messenger.Transcript().size();
            if (count <= times.size()) return;
            times.resize(count, NowSeconds());
            if (onCount) onCount(count);
        };
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) { if (poll) poll(); });
        Click(IDC_COMMAND8);
        auto resting = [&] { return !form->Timer1Enabled() && !form->Main().TickRunning(); };
        for (const double end = NowSeconds() + 8; !resting() && NowSeconds() < end; Sleep(5)) PumpMessages();
        EXPECT_TRUE(resting());
        restedAt = NowSeconds();
        for (; NowSeconds() < restedAt + 0.3; Sleep(5)) PumpMessages();  // time for a message that must not come
        KillTimer(nullptr, timer);
        poll = nullptr;
        return times;
    }

    PalInstallRecordsGuard records;
    DemoMessenger messenger;
    double restedAt = 0;
};

TEST_F(MessengerTest, RegularSendWithANickPostsItBoldAndTheComposerShowsIt) {
    Choose(IDC_OPTION2, IDC_OPTION1);
    form->SetControlText(IDC_LABEL3, "Bob");
    Box(1).SetText("hi sn%");
    MakeBold(1, 0, 6);
    Click(IDC_COMMAND1);
    ASSERT_EQ(Posted(1), Texts{"hi Bob"});
    for (const ProbedChar& c : Characters(0)) EXPECT_TRUE(c.format.bold) << c.ch;
    EXPECT_EQ(Box(1).Text(), "hi Bob");
}

TEST_F(MessengerTest, FadeSendPostsTheFaderColoursPerSegmentAndTheComposerShowsThem) {
    const std::string text = "Hello colourful world";
    Box(1).SetText(text);
    MakeBold(1, 0, 5);
    Click(IDC_COMMAND1);
    ASSERT_EQ(Posted(1), Texts{text});
    const std::vector<ProbedChar> chars = Characters(0);
    EXPECT_EQ(Colors(chars), FadeColors(kRed, kBlue, text));
    for (const ProbedChar& c : chars) EXPECT_FALSE(c.format.bold);  // the composer's own bold is not sent
    EXPECT_EQ(Colors(ProbeCharacters(Box(1).Hwnd())), Colors(chars));
}

TEST_F(MessengerTest, PlaceholdersWithoutANickOrInCapitalsStayAndCommand15LeavesTheComposer) {
    Choose(IDC_OPTION2, IDC_OPTION1);
    Box(1).SetText("hello sn% and SN%");
    Click(IDC_COMMAND1);
    form->SetControlText(IDC_LABEL3, "Bob");
    Box(1).SetText("SN% and Sn% stay, sn% goes");
    Click(IDC_COMMAND1);
    Choose(IDC_OPTION1, IDC_OPTION2);
    Box(1).SetText("hi sn%");
    Click(IDC_COMMAND15);
    EXPECT_EQ(Posted(3), (Texts{"hello sn% and SN%", "SN% and Sn% stay, Bob goes", "hi Bob"}));
    EXPECT_EQ(Colors(Characters(2)), std::vector<COLORREF>(6, kBlack));  // no fade on this path
    EXPECT_EQ(Box(1).Text(), "hi sn%");
}

TEST_F(MessengerTest, RegularScrollingPutsTheNickInForGoodAndFadesEachTick) {
    form->SetControlText(IDC_LABEL3, "Bob");
    Box(1).SetText("hi sn%!");
    form->SetControlText(IDC_TEXT2, "0.3");
    const auto times = RunTimer([&](std::size_t count) {
        if (count == 1) form->SetControlText(IDC_LABEL3, "Ann");  // too late: the nick is in
        if (count >= 2) Click(IDC_COMMAND9);
    });
    EXPECT_EQ(Posted(), (Texts{"hi Bob!", "hi Bob!"}));
    ASSERT_EQ(times.size(), 2u);
    EXPECT_GE(times[1] - times[0], 0.25);
    EXPECT_EQ(Colors(Characters(1)), FadeColors(kRed, kBlue, "hi Bob!"));
}

TEST_F(MessengerTest, DanceRunOfTwoTicksPostsLeftRightLeftRightHalfASecondApart) {
    Dance("\\o/", "/o\\", "0.5");
    // Stopped once the second tick has begun: it still finishes its two frames.
    const auto times = RunTimer([&](std::size_t count) {
        if (count >= 3) Click(IDC_COMMAND9);
    });
    EXPECT_EQ(Posted(), (Texts{"\\o/", "/o\\", "\\o/", "/o\\"}));
    ASSERT_EQ(times.size(), 4u);
    for (std::size_t i = 1; i < times.size(); ++i) EXPECT_NEAR(times[i] - times[i - 1], 0.7, 0.25) << i;
    EXPECT_EQ(Colors(Characters(3)), FadeColors(kRed, kBlue, "/o\\"));  // each frame faded by itself
    EXPECT_EQ(Box(1).Text(), "/o\\");
}

// Stop and other choices made during the first wait: the tick read the mode once, so the right frame still
// goes out, but "Fade" and the pause count for the message and the wait after them.
TEST_F(MessengerTest, StopDuringTheFirstWaitStillPostsTheRightFrameWithTheFadeAndPauseThenChosen) {
    Dance("left", "right", "0.3");
    const auto times = RunTimer([&](std::size_t count) {
        if (count != 1) return;
        Click(IDC_COMMAND9);
        Choose(IDC_OPTION4, IDC_OPTION3);  // Regular scrolling
        Choose(IDC_OPTION2, IDC_OPTION1);  // no fade
        form->SetControlText(IDC_TEXT2, "0.8");
    });
    EXPECT_EQ(Posted(), (Texts{"left", "right"}));
    EXPECT_EQ(Colors(Characters(0)), FadeColors(kRed, kBlue, "left"));
    EXPECT_EQ(Colors(Characters(1)), std::vector<COLORREF>(5, kBlack));
    ASSERT_EQ(times.size(), 2u);
    EXPECT_GE(times[1] - times[0], 0.25);
    EXPECT_GE(restedAt - times[1], 0.75);  // the second wait took the new pause
}

TEST_F(MessengerTest, SendOrStartWithNoRoomOrAPauseThatIsNotANumberSaysSoOnceAndPostsNothing) {
    form->SetControlText(IDC_LABEL3, "Bob");
    Box(1).SetText("anyone sn%?");
    const std::string before = Box(1).TextRTF();
    form->SetControlText(IDC_COMBO1, "");
    Click(IDC_COMMAND1);
    ExpectOneMessage("Please Connect to the room or PM first.", "Not Connected", 64);
    ui.messages.clear();
    RunTimer();
    ExpectOneMessage("Please Connect to the room or PM first.", "Not Connected", 64);
    form->SetControlText(IDC_COMBO1, "Lobby");
    for (bool dance : {false, true}) {
        SCOPED_TRACE(dance ? "dance" : "regular");
        if (dance) Choose(IDC_OPTION3, IDC_OPTION4);
        form->SetControlText(IDC_TEXT2, dance ? "0.5s" : "1,5");
        ui.messages.clear();
        RunTimer();
        ExpectOneMessage("The time between messages must be a number of seconds, for example 1 or 0.5.", "Time", 64);
    }
    EXPECT_TRUE(messenger.Transcript().empty());
    EXPECT_EQ(Box(1).TextRTF(), before);
}

TEST_F(MessengerTest, ClosingTheWindowDuringAWaitEndsTheTickAtOnceAndPostsNothingMore) {
    Dance("left", "right", "0.5");
    double closedAt = 0;
    RunTimer([&](std::size_t count) {
        if (count != 1) return;
        closedAt = NowSeconds();
        PostMessageA(form->Hwnd(), WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(form->Closed());
    EXPECT_LT(restedAt - closedAt, 0.3);  // neither the rest of the wait nor a second one
    EXPECT_EQ(Posted(), Texts{"left"});
    EXPECT_TRUE(ui.messages.empty());  // nor a tick going on over the closed window
}

}  // namespace
