// The Main tab against the demo messenger: the main window runs in this
// process, the messenger in its own, and the messenger's transcript is the
// truth about what the room received and when.
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/main_tab_test_helpers.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
const char* const kRoom = "Lobby";

// Notes when each message reached the room, polling the transcript while
// this thread's message loops run (the test's own or Delay's). `onCount` is
// called with the number of messages each time new ones have arrived.
class ArrivalWatch {
public:
    ArrivalWatch(const DemoMessenger& messenger, std::function<void(std::size_t)> onCount = nullptr)
        : messenger_(messenger), onCount_(std::move(onCount)), poll_(10, [this] { Poll(); }, true) {}

    std::vector<double> times;  // seconds, one per message in order

private:
    void Poll() {
        const std::size_t count = messenger_.Transcript().size();
        if (count <= times.size()) return;
        const double now = NowSeconds();
        while (times.size() < count) times.push_back(now);
        if (onCount_) onCount_(count);
    }

    const DemoMessenger& messenger_;
    std::function<void(std::size_t)> onCount_;
    ScheduledAction poll_;
};

class MessengerTest : public MainTabTest {
protected:
    void SetUp() override {
        MainTabTest::SetUp();
        // The room list comes from the registry's record of the messenger.
        PalInstallRecordsGuard::Remove("PalTalk8.2");
        ASSERT_TRUE(DemoMessenger::Install("11.3"));
        ASSERT_TRUE(messenger.Start({kRoom}));
        Open();
        ASSERT_EQ(form->ControlText(IDC_COMBO1), kRoom);
        probeHost_ = CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 400, 200, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
        probe_.Attach(RichTextBox::Create(probeHost_, 1, ES_MULTILINE, 0, 0, 400, 200));
    }
    void TearDown() override {
        DestroyWindow(probeHost_);
        MainTabTest::TearDown();
    }

    std::vector<TranscriptEntry> Posted(std::size_t atLeast) { return messenger.WaitForTranscript(atLeast, 5000); }
    std::vector<std::string> PostedTexts() {
        std::vector<std::string> texts;
        for (const TranscriptEntry& e : messenger.Transcript()) texts.push_back(e.text);
        return texts;
    }
    // Each character of a posted message with its format, as a rich edit reads its RTF.
    std::vector<ProbedChar> Characters(const TranscriptEntry& entry) {
        probe_.SetTextRTF(entry.rtf);
        return ProbeCharacters(probe_.Hwnd());
    }
    void ChooseNick(const std::string& nick) {
        form->SetControlText(IDC_TEXT3, nick);
        Click(IDC_COMMAND10);
        ClickRow(IDC_LIST1, static_cast<int>(Rows(IDC_LIST1).size()) - 1);
    }
    void DanceFrames(const std::string& left, const std::string& right) {
        Box(2).SetText(left);
        Box(3).SetText(right);
        Choose(IDC_OPTION3, IDC_OPTION4);
    }
    // Lets the timer run until no tick runs any more and it is off (or 8 s).
    bool UntilTheTimerRests() {
        return PumpUntil(8000, [&] { return !form->Timer1Enabled() && !form->Main().TickRunning(); });
    }

    PalInstallRecordsGuard records;
    DemoMessenger messenger;

private:
    HWND probeHost_ = nullptr;
    RichTextBox probe_;
};

TEST_F(MessengerTest, RegularSendWithANickPostsItBoldAndTheComposerShowsIt) {
    Choose(IDC_OPTION2, IDC_OPTION1);
    ChooseNick("Bob");
    Box(1).SetText("hi sn%");
    MakeBold(1, 0, 6);
    Click(IDC_COMMAND1);
    const auto posted = Posted(1);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].room, kRoom);
    EXPECT_EQ(posted[0].text, "hi Bob");
    const auto chars = Characters(posted[0]);
    ASSERT_EQ(chars.size(), 6u);
    for (const ProbedChar& c : chars) EXPECT_TRUE(c.format.bold) << "'" << c.ch << "'";
    EXPECT_EQ(Box(1).Text(), "hi Bob");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MessengerTest, FadeSendPostsTheFaderColoursPerSegment) {
    const std::string text = "Hello colourful world";
    Box(1).SetText(text);
    MakeBold(1, 0, 5);
    Click(IDC_COMMAND1);
    const auto posted = Posted(1);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].text, text);
    std::vector<COLORREF> colors;
    for (const ProbedChar& c : Characters(posted[0])) {
        colors.push_back(c.format.color);
        EXPECT_FALSE(c.format.bold);  // the composer's own bold is not sent
    }
    EXPECT_EQ(colors, FadeColors(kRed, kBlue, text));
    EXPECT_EQ(CharColors(Box(1).Hwnd()), colors);  // the composer shows what was sent
}

TEST_F(MessengerTest, PlaceholderWithoutANickAndInCapitalsGoesOutUnchanged) {
    Choose(IDC_OPTION2, IDC_OPTION1);
    Box(1).SetText("hello sn% and SN%");
    Click(IDC_COMMAND1);
    ChooseNick("Bob");
    Box(1).SetText("SN% and Sn% stay, sn% goes");
    Click(IDC_COMMAND1);
    ASSERT_EQ(Posted(2).size(), 2u);
    EXPECT_EQ(PostedTexts(), (std::vector<std::string>{"hello sn% and SN%", "SN% and Sn% stay, Bob goes"}));
}

TEST_F(MessengerTest, Command15PostsWithTheNickAndLeavesTheComposer) {
    ChooseNick("Bob");
    Box(1).SetText("hi sn%");
    Click(IDC_COMMAND15);
    const auto posted = Posted(1);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].text, "hi Bob");
    // No fade on this path, even with "Fade" chosen.
    for (const ProbedChar& c : Characters(posted[0])) EXPECT_EQ(c.format.color, RGB(0, 0, 0));
    EXPECT_EQ(Box(1).Text(), "hi sn%");
}

TEST_F(MessengerTest, RegularScrollingPostsTheSameMessageEveryTick) {
    Choose(IDC_OPTION2, IDC_OPTION1);
    ChooseNick("Bob");
    Box(1).SetText("hi sn%!");
    form->SetControlText(IDC_TEXT2, "0.3");
    ArrivalWatch watch(messenger, [&](std::size_t count) {
        if (count == 1) form->SetControlText(IDC_LABEL3, "Ann");  // too late: the nick is in
        if (count >= 2) Click(IDC_COMMAND9);
    });
    Click(IDC_COMMAND8);
    ASSERT_TRUE(UntilTheTimerRests());
    EXPECT_EQ(PostedTexts(), (std::vector<std::string>{"hi Bob!", "hi Bob!"}));
    ASSERT_EQ(watch.times.size(), 2u);
    EXPECT_GE(watch.times[1] - watch.times[0], 0.25);
}

TEST_F(MessengerTest, DanceRunOfTwoTicksPostsLeftRightLeftRightHalfASecondApart) {
    DanceFrames("\\o/", "/o\\");
    form->SetControlText(IDC_TEXT2, "0.5");
    // Stop once the second tick has begun: it still finishes its two frames.
    ArrivalWatch watch(messenger, [&](std::size_t count) {
        if (count >= 3) Click(IDC_COMMAND9);
    });
    Click(IDC_COMMAND8);
    ASSERT_TRUE(UntilTheTimerRests());
    PumpFor(300);
    EXPECT_EQ(PostedTexts(), (std::vector<std::string>{"\\o/", "/o\\", "\\o/", "/o\\"}));
    ASSERT_EQ(watch.times.size(), 4u);
    for (std::size_t i = 1; i < watch.times.size(); ++i) {
        const double gap = watch.times[i] - watch.times[i - 1];
        EXPECT_GE(gap, 0.45) << "between messages " << i << " and " << i + 1;
        EXPECT_LE(gap, 1.0) << "between messages " << i << " and " << i + 1;
    }
    // Each frame is faded by itself.
    const auto posted = messenger.Transcript();
    std::vector<COLORREF> right;
    for (const ProbedChar& c : Characters(posted[3])) right.push_back(c.format.color);
    EXPECT_EQ(right, FadeColors(kRed, kBlue, "/o\\"));
    EXPECT_EQ(Box(1).Text(), "/o\\");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MessengerTest, StopDuringTheFirstWaitStillPostsTheRightFrame) {
    DanceFrames("left", "right");
    form->SetControlText(IDC_TEXT2, "0.3");
    ArrivalWatch watch(messenger, [&](std::size_t count) {
        if (count == 1) Click(IDC_COMMAND9);
    });
    Click(IDC_COMMAND8);
    ASSERT_TRUE(UntilTheTimerRests());
    PumpFor(500);
    EXPECT_EQ(PostedTexts(), (std::vector<std::string>{"left", "right"}));
}

TEST_F(MessengerTest, StartWithNoRoomShowsOneMessageSwitchesOffAndPostsNothing) {
    form->SetControlText(IDC_COMBO1, "");
    Box(1).SetText("anyone?");
    Click(IDC_COMMAND8);
    ASSERT_TRUE(UntilTheTimerRests());
    PumpFor(300);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Please Connect to the room or PM first.");
    EXPECT_EQ(ui.messages[0].flags, 64u);
    EXPECT_FALSE(form->Timer1Enabled());
    EXPECT_TRUE(messenger.Transcript().empty());
}

TEST_F(MessengerTest, APauseThatIsNotANumberPostsNothing) {
    DanceFrames("left", "right");
    form->SetControlText(IDC_TEXT2, "fast");
    Click(IDC_COMMAND8);
    ASSERT_TRUE(UntilTheTimerRests());
    PumpFor(300);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(messenger.Transcript().empty());
}

TEST_F(MessengerTest, ClosingTheWindowDuringAWaitPostsNothingMore) {
    DanceFrames("left", "right");
    form->SetControlText(IDC_TEXT2, "0.3");
    ArrivalWatch watch(messenger, [&](std::size_t count) {
        if (count == 1) PostMessageA(form->Hwnd(), WM_CLOSE, 0, 0);
    });
    Click(IDC_COMMAND8);
    ASSERT_TRUE(PumpUntil(5000, [&] { return form->Closed() && !form->Main().TickRunning(); }));
    PumpFor(800);  // longer than the rest of the tick would have taken
    EXPECT_EQ(PostedTexts(), (std::vector<std::string>{"left"}));
    EXPECT_FALSE(form->Timer1Enabled());
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
