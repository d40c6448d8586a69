// The auto-send timer in-process: Start and Stop, what a tick reads and when,
// the refusals (no room, a pause that is not a number), ticks that never
// overlap, and closing the window while a tick waits. With no messenger
// running nothing is delivered; the composer, through which every message of
// a tick goes out, shows what was sent. Delivery itself is checked against
// the demo messenger in main_tab_messenger_test.cpp.
#include "tests/win/main_tab_test_helpers.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
const char* const kLeft = "\\o/ sn%";
const char* const kRight = "/o\\ sn%";

// Notes each new content of the composer while handlers wait: the messages a
// tick put out, in order.
class ComposerWatch {
public:
    explicit ComposerWatch(RichTextBox& composer)
        : poll_(15, [this, &composer] {
              const std::string now = composer.Text();
              if (seen.empty() || seen.back() != now) seen.push_back(now);
          }, true) {}
    std::vector<std::string> seen;

private:
    ScheduledAction poll_;
};

class TimerTest : public MainTabTest {
protected:
    void SetUp() override {
        MainTabTest::SetUp();
        Open();
        form->SetControlText(IDC_COMBO1, "Nowhere Room");
        form->SetControlText(IDC_TEXT2, "0.2");
        form->SetControlText(IDC_LABEL3, "Bob");
        Box(1).SetText("hi sn%!");
        MakeBold(1, 0, 2);
        Box(2).SetText(kLeft);
        Box(3).SetText(kRight);
        MakeBold(3, 0, 3);
    }
    void DanceMode() { Choose(IDC_OPTION3, IDC_OPTION4); }
    void NoFade() { Choose(IDC_OPTION2, IDC_OPTION1); }
    // One tick as the timer runs it; returns how long it took in seconds.
    double Tick() {
        const double start = NowSeconds();
        form->Main().Timer1_Timer();
        return NowSeconds() - start;
    }
    bool Bold(int box, long position) {
        Box(box).Select(position, 1);
        return ProbeSelectionFormat(Box(box).Hwnd()).bold;
    }
};

TEST_F(TimerTest, StartWithoutARoomShowsTheMessageOnceAndSwitchesTheTimerOff) {
    form->SetControlText(IDC_COMBO1, "");
    const std::string before = Box(1).TextRTF();
    Click(IDC_COMMAND8);
    EXPECT_TRUE(form->Timer1Enabled());
    EXPECT_TRUE(PumpUntil(3000, [&] { return !ui.messages.empty(); }));
    PumpFor(200);  // time for more ticks, were the timer still on
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Please Connect to the room or PM first.");
    EXPECT_EQ(ui.messages[0].title, "Not Connected");
    EXPECT_EQ(ui.messages[0].flags, 64u);
    EXPECT_FALSE(form->Timer1Enabled());
    EXPECT_EQ(Box(1).TextRTF(), before);
}

TEST_F(TimerTest, APauseThatIsNotANumberStopsTheTimerAndSendsNothing) {
    for (bool dance : {false, true}) {
        if (dance) DanceMode();
        for (const char* pause : {"abc", "", "1,5", "0.5s"}) {
            SCOPED_TRACE(std::string(dance ? "dance, " : "regular, ") + "pause \"" + pause + "\"");
            ui.messages.clear();
            form->SetControlText(IDC_TEXT2, pause);
            const std::string before = Box(1).TextRTF();
            Click(IDC_COMMAND8);
            EXPECT_TRUE(PumpUntil(3000, [&] { return !ui.messages.empty(); }));
            PumpFor(100);
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].text,
                      "The time between messages must be a number of seconds, for example 1 or 0.5.");
            EXPECT_EQ(ui.messages[0].title, "Time");
            EXPECT_EQ(ui.messages[0].flags, 64u);
            EXPECT_FALSE(form->Timer1Enabled());
            // Neither the nick nor a dance frame went into the composer.
            EXPECT_EQ(Box(1).TextRTF(), before);
        }
    }
}

TEST_F(TimerTest, RegularTickPutsTheNickInForGoodAndWaitsThePause) {
    NoFade();
    EXPECT_GE(Tick(), 0.18);
    EXPECT_EQ(Box(1).Text(), "hi Bob!");
    EXPECT_TRUE(Bold(1, 1));
    EXPECT_FALSE(Bold(1, 3));
    // Later ticks find no placeholder, whatever nick is chosen by then.
    form->SetControlText(IDC_COMBO1, "Nowhere Room");
    form->SetControlText(IDC_LABEL3, "Ann");
    Tick();
    EXPECT_EQ(Box(1).Text(), "hi Bob!");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TimerTest, RegularTickWithFadeFadesTheComposerEachTime) {
    form->SetControlText(IDC_LABEL3, "No Nick");
    Tick();
    EXPECT_EQ(Box(1).Text(), "hi sn%!");
    EXPECT_EQ(CharColors(Box(1).Hwnd()), FadeColors(kRed, kBlue, "hi sn%!"));
    form->SetControlText(IDC_COMBO1, "Nowhere Room");
    form->SetBoxColor(IDC_PICCOLORA, RGB(0, 200, 0));
    Tick();
    EXPECT_EQ(CharColors(Box(1).Hwnd()), FadeColors(RGB(0, 200, 0), kBlue, "hi sn%!"));
}

TEST_F(TimerTest, DanceTickSendsLeftThenRightUnsubstitutedAndKeepsTheRightFrame) {
    DanceMode();
    NoFade();
    const std::string composerBefore = Box(1).Text();
    ComposerWatch watch(Box(1));
    EXPECT_GE(Tick(), 0.38);  // two waits of 0.2 s
    EXPECT_EQ(watch.seen, (std::vector<std::string>{kLeft, kRight}));
    EXPECT_NE(composerBefore, Box(1).Text());  // the composer's own message is gone
    EXPECT_EQ(Box(1).Text(), kRight);
    EXPECT_TRUE(Bold(1, 0));  // the frame's formatting came along
    EXPECT_FALSE(Bold(1, 4));
    // The frames themselves are untouched.
    EXPECT_EQ(Box(2).Text(), kLeft);
    EXPECT_EQ(Box(3).Text(), kRight);
}

TEST_F(TimerTest, DanceTickWithFadeFadesEachFrameByItself) {
    DanceMode();
    std::vector<COLORREF> leftColors;
    ScheduledAction duringFirstWait(100, [&] { leftColors = CharColors(Box(1).Hwnd()); });
    Tick();
    EXPECT_EQ(leftColors, FadeColors(kRed, kBlue, kLeft));
    EXPECT_EQ(Box(1).Text(), kRight);
    EXPECT_EQ(CharColors(Box(1).Hwnd()), FadeColors(kRed, kBlue, kRight));
}

TEST_F(TimerTest, ChangesDuringAWaitCountWhereTheTickReadsThem) {
    DanceMode();
    form->SetControlText(IDC_TEXT2, "0.3");
    // During the first wait: Regular scrolling, no fade, a longer pause.
    ScheduledAction duringFirstWait(100, [&] {
        Choose(IDC_OPTION4, IDC_OPTION3);
        NoFade();
        form->SetControlText(IDC_TEXT2, "0.5");
    });
    ComposerWatch watch(Box(1));
    const double took = Tick();
    // The scrolling mode was read once: the right frame still went out...
    EXPECT_EQ(watch.seen, (std::vector<std::string>{kLeft, kRight}));
    // ...unfaded, as "Fade" is read before each message...
    EXPECT_TRUE(Bold(1, 0));
    EXPECT_EQ(CharColors(Box(1).Hwnd()), std::vector<COLORREF>(7, RGB(0, 0, 0)));
    // ...and the second wait took the new pause.
    EXPECT_GE(took, 0.78);
}

TEST_F(TimerTest, APauseTurnedIntoLettersDuringAWaitEndsTheTickBeforeTheNextFrame) {
    DanceMode();
    NoFade();
    Click(IDC_COMMAND8);
    ScheduledAction duringFirstWait(100, [&] { form->SetControlText(IDC_TEXT2, "soon"); });
    ComposerWatch watch(Box(1));
    Tick();
    EXPECT_EQ(watch.seen, (std::vector<std::string>{kLeft}));
    EXPECT_EQ(Box(1).Text(), kLeft);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_FALSE(form->Timer1Enabled());
}

TEST_F(TimerTest, NoTickStartsWhileOneWaitsAndStopLetsTheRunningTickFinish) {
    DanceMode();
    NoFade();
    bool runningDuringWait = false, enabledAfterStop = true;
    double nestedCallTook = 1e9;
    std::string composerAroundNestedCall;
    ScheduledAction duringFirstWait(100, [&] {
        runningDuringWait = form->Main().TickRunning();
        const std::string before = Box(1).Text();
        const double start = NowSeconds();
        form->Main().Timer1_Timer();  // what a timer message in the wait would do
        nestedCallTook = NowSeconds() - start;
        composerAroundNestedCall = before == Box(1).Text() ? before : "changed";
        Click(IDC_COMMAND9);
        enabledAfterStop = form->Timer1Enabled();
    });
    ComposerWatch watch(Box(1));
    Click(IDC_COMMAND8);
    ASSERT_TRUE(PumpUntil(3000, [&] { return duringFirstWait.Runs() == 1 && !form->Main().TickRunning(); }));
    PumpFor(300);  // a further tick would show in the composer now
    EXPECT_TRUE(runningDuringWait);
    EXPECT_LT(nestedCallTook, 0.05);
    EXPECT_EQ(composerAroundNestedCall, kLeft);
    EXPECT_FALSE(enabledAfterStop);
    // The right frame still went out after Stop, and nothing followed it.
    EXPECT_EQ(watch.seen, (std::vector<std::string>{kLeft, kRight}));
    EXPECT_FALSE(form->Timer1Enabled());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TimerTest, StartWhileOnStaysOnAndStopBeforeATickSendsNothing) {
    const std::string before = Box(1).TextRTF();
    Click(IDC_COMMAND8);
    Click(IDC_COMMAND8);
    EXPECT_TRUE(form->Timer1Enabled());
    Click(IDC_COMMAND9);
    EXPECT_FALSE(form->Timer1Enabled());
    PumpFor(100);
    EXPECT_EQ(Box(1).TextRTF(), before);
}

TEST_F(TimerTest, ClosingTheWindowDuringAWaitEndsTheTickAtOnce) {
    DanceMode();
    NoFade();
    form->SetControlText(IDC_TEXT2, "0.4");
    double closedAt = 0;
    ScheduledAction duringFirstWait(100, [&] {
        closedAt = NowSeconds();
        SendMessageA(form->Hwnd(), WM_CLOSE, 0, 0);
    });
    ComposerWatch watch(Box(1));
    Click(IDC_COMMAND8);
    ASSERT_TRUE(PumpUntil(3000, [&] { return duringFirstWait.Runs() == 1 && !form->Main().TickRunning(); }));
    const double endedAfter = NowSeconds() - closedAt;
    EXPECT_TRUE(form->Closed());
    EXPECT_FALSE(IsWindow(form->Hwnd()));
    EXPECT_LT(endedAfter, 0.3);  // neither the rest of the wait nor a second one
    EXPECT_FALSE(form->Timer1Enabled());
    EXPECT_TRUE(ui.messages.empty());
    // Only the left frame was ever put out.
    ASSERT_FALSE(watch.seen.empty());
    EXPECT_EQ(watch.seen.front(), kLeft);
    for (const std::string& seen : watch.seen) EXPECT_NE(seen, kRight);
}

}  // namespace
