// The Main tab's composer in-process: the formatting buttons on their target
// in each scrolling mode, the colour pickers and the shared colour dialog,
// and what Send does to the composer. Delivery into a room is checked
// against the demo messenger in main_tab_messenger_test.cpp.
#include "tests/win/main_tab_test_helpers.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kYellow = RGB(250, 220, 10);

// Format of one character of a box (positions as Text() counts them).
ProbedFormat FormatAt(RichTextBox& box, long position) {
    box.Select(position, 1);
    return ProbeSelectionFormat(box.Hwnd());
}

class ComposerTest : public MainTabTest {
protected:
    void SetUp() override {
        MainTabTest::SetUp();
        Open();
        Box(1).SetText("hello world");
        Box(2).SetText("\\o/");
        Box(3).SetText("/o\\");
    }
    // The selections the buttons act on: "hello" in the composer, the first
    // two characters of each frame.
    void SelectTargets() {
        Box(1).Select(0, 5);
        Box(2).Select(0, 2);
        Box(3).Select(0, 2);
    }
};

TEST_F(ComposerTest, ButtonsFormatTheComposerSelectionInRegularScrolling) {
    const std::string leftBefore = Box(2).TextRTF(), rightBefore = Box(3).TextRTF();
    SelectTargets();
    Click(IDC_COMMAND2);
    SelectTargets();
    Click(IDC_COMMAND6);
    EXPECT_TRUE(FormatAt(Box(1), 0).bold);
    EXPECT_TRUE(FormatAt(Box(1), 4).bold);
    EXPECT_FALSE(FormatAt(Box(1), 5).bold);  // outside the selection
    EXPECT_EQ(FormatAt(Box(1), 2).twips, 240);
    EXPECT_EQ(FormatAt(Box(1), 6).twips, 200);
    // Bold never goes off: a second press leaves it on.
    SelectTargets();
    Click(IDC_COMMAND2);
    EXPECT_TRUE(FormatAt(Box(1), 1).bold);
    for (auto [button, twips] : {std::pair{IDC_COMMAND3, 160}, {IDC_COMMAND5, 200}, {IDC_COMMAND6, 240}}) {
        SelectTargets();
        Click(button);
        EXPECT_EQ(FormatAt(Box(1), 3).twips, twips) << "button " << button;
    }
    // The dance frames are not the target in Regular scrolling.
    EXPECT_EQ(Box(2).TextRTF(), leftBefore);
    EXPECT_EQ(Box(3).TextRTF(), rightBefore);
}

TEST_F(ComposerTest, ButtonsFormatBothDanceFramesInDanceScrolling) {
    Choose(IDC_OPTION3, IDC_OPTION4);
    const std::string composerBefore = Box(1).TextRTF();
    SelectTargets();
    Click(IDC_COMMAND2);
    ui.colorAnswers = {kGreen};
    SelectTargets();
    Click(IDC_COMMAND7);
    for (auto [button, twips] : {std::pair{IDC_COMMAND3, 160}, {IDC_COMMAND6, 240}, {IDC_COMMAND5, 200}}) {
        SelectTargets();
        Click(button);
        for (int frame : {2, 3}) EXPECT_EQ(FormatAt(Box(frame), 1).twips, twips) << "frame " << frame;
    }
    for (int frame : {2, 3}) {
        const ProbedFormat dressed = FormatAt(Box(frame), 1);
        EXPECT_TRUE(dressed.bold) << "frame " << frame;
        EXPECT_EQ(dressed.color, kGreen) << "frame " << frame;
        const ProbedFormat untouched = FormatAt(Box(frame), 2);
        EXPECT_FALSE(untouched.bold) << "frame " << frame;
        EXPECT_EQ(untouched.color, RGB(0, 0, 0)) << "frame " << frame;
    }
    EXPECT_EQ(ui.colorDialogs, 1);  // one dialog for both frames
    EXPECT_EQ(Box(1).TextRTF(), composerBefore);
    // Back to Regular scrolling, the composer is the target again.
    Choose(IDC_OPTION4, IDC_OPTION3);
    SelectTargets();
    Click(IDC_COMMAND2);
    EXPECT_TRUE(FormatAt(Box(1), 0).bold);
}

TEST_F(ComposerTest, ColorCommandTakesTheDialogColourAndACancelGivesTheLastAccepted) {
    // Cancelled before any colour was accepted: the dialog's colour is black.
    Box(1).Select(0, 11);
    Box(1).SetSelColor(kRed);
    SelectTargets();
    Click(IDC_COMMAND7);
    EXPECT_EQ(FormatAt(Box(1), 0).color, RGB(0, 0, 0));
    ui.colorAnswers = {kGreen};
    SelectTargets();
    Click(IDC_COMMAND7);
    EXPECT_EQ(FormatAt(Box(1), 0).color, kGreen);
    // Cancelled again: the last accepted colour, not the text's old one.
    Box(1).Select(6, 5);
    Click(IDC_COMMAND7);
    EXPECT_EQ(FormatAt(Box(1), 7).color, kGreen);
    EXPECT_EQ(FormatAt(Box(1), 5).color, kRed);  // the blank between stays as it was
    EXPECT_EQ(ui.colorDialogs, 3);
}

TEST_F(ComposerTest, PickersShareTheOneColourDialog) {
    EXPECT_EQ(form->BoxColor(IDC_PICCOLORA), kRed);
    EXPECT_EQ(form->BoxColor(IDC_PICCOLORB), kBlue);
    // A first cancel gives the dialog's starting colour, black.
    Click(IDC_PICCOLORA);
    EXPECT_EQ(form->BoxColor(IDC_PICCOLORA), RGB(0, 0, 0));
    EXPECT_EQ(form->BoxColor(IDC_PICCOLORB), kBlue);
    ui.colorAnswers = {kYellow};
    Click(IDC_PICCOLORB);
    EXPECT_EQ(form->BoxColor(IDC_PICCOLORB), kYellow);
    // The colour accepted for B is what a cancel gives A and the Color button.
    Click(IDC_PICCOLORA);
    EXPECT_EQ(form->BoxColor(IDC_PICCOLORA), kYellow);
    SelectTargets();
    Click(IDC_COMMAND7);
    EXPECT_EQ(FormatAt(Box(1), 0).color, kYellow);
    ui.colorAnswers = {kGreen};
    Click(IDC_PICCOLORA);
    EXPECT_EQ(form->BoxColor(IDC_PICCOLORA), kGreen);
    EXPECT_EQ(form->BoxColor(IDC_PICCOLORB), kYellow);
    EXPECT_EQ(ui.colorDialogs, 5);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ComposerTest, SendWithoutARoomSaysSoAndLeavesTheComposerAlone) {
    form->SetControlText(IDC_LABEL3, "Bob");
    Box(1).SetText("hi sn%");
    MakeBold(1, 0, 2);
    const std::string before = Box(1).TextRTF();
    form->SetControlText(IDC_COMBO1, "");
    Click(IDC_COMMAND1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Please Connect to the room or PM first.");
    EXPECT_EQ(ui.messages[0].title, "Not Connected");
    EXPECT_EQ(ui.messages[0].flags, 64u);
    EXPECT_EQ(Box(1).TextRTF(), before);
}

// A room name no window has: Send goes through all its steps and delivers
// nowhere, which is enough to see what it leaves in the composer.
class SendTest : public ComposerTest {
protected:
    void SendToNowhere() {
        form->SetControlText(IDC_COMBO1, "Nowhere Room");
        Click(IDC_COMMAND1);
    }
};

TEST_F(SendTest, RegularSendKeepsTheNickInTheComposerWithItsFormatting) {
    Choose(IDC_OPTION2, IDC_OPTION1);
    form->SetControlText(IDC_LABEL3, "Bob");
    Box(1).SetText("hi sn%!");
    MakeBold(1, 0, 2);
    SendToNowhere();
    EXPECT_EQ(Box(1).Text(), "hi Bob!");
    EXPECT_TRUE(FormatAt(Box(1), 1).bold);
    EXPECT_FALSE(FormatAt(Box(1), 4).bold);
    // The placeholder is gone for good: another nick changes nothing.
    form->SetControlText(IDC_LABEL3, "Ann");
    SendToNowhere();
    EXPECT_EQ(Box(1).Text(), "hi Bob!");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SendTest, NoNickLeavesThePlaceholderAndARtfSpecialNickArrivesAsTyped) {
    Choose(IDC_OPTION2, IDC_OPTION1);
    Box(1).SetText("hi sn% and SN%");
    SendToNowhere();
    EXPECT_EQ(Box(1).Text(), "hi sn% and SN%");
    form->SetControlText(IDC_LABEL3, "{\\Bo}b");
    SendToNowhere();
    EXPECT_EQ(Box(1).Text(), "hi {\\Bo}b and SN%");
    // An empty caption is a nick too: the placeholder goes.
    Box(1).SetText("x sn% y");
    form->SetControlText(IDC_LABEL3, "");
    SendToNowhere();
    EXPECT_EQ(Box(1).Text(), "x  y");
}

TEST_F(SendTest, FadeSendShowsTheFadedTextAndFadesTheSamePlainTextAgain) {
    form->SetControlText(IDC_LABEL3, "Bob");
    Box(1).SetText("sn% says hello world");
    MakeBold(1, 0, 3);
    SendToNowhere();
    const std::string text = "Bob says hello world";
    EXPECT_EQ(Box(1).Text(), text);
    const std::vector<COLORREF> expected = FadeColors(kRed, kBlue, text);
    EXPECT_EQ(CharColors(Box(1).Hwnd()), expected);
    EXPECT_FALSE(FormatAt(Box(1), 0).bold);  // the user's own formatting is not sent
    // A second Send, with other colours, fades the same plain text.
    form->SetBoxColor(IDC_PICCOLORA, kGreen);
    form->SetBoxColor(IDC_PICCOLORB, kYellow);
    SendToNowhere();
    EXPECT_EQ(Box(1).Text(), text);
    EXPECT_EQ(CharColors(Box(1).Hwnd()), FadeColors(kGreen, kYellow, text));
}

TEST_F(SendTest, RandomColorFadesWithTheShownColoursThenRepaintsThePickers) {
    form->SetChecked(IDC_CHKRANDOMCOLOR, true);
    Box(1).SetText("colourful");
    SendToNowhere();
    EXPECT_EQ(CharColors(Box(1).Hwnd()), FadeColors(kRed, kBlue, "colourful"));
    const COLORREF a = form->BoxColor(IDC_PICCOLORA), b = form->BoxColor(IDC_PICCOLORB);
    EXPECT_FALSE(a == kRed && b == kBlue);
    // The next Send fades with the colours the pickers showed.
    SendToNowhere();
    EXPECT_EQ(CharColors(Box(1).Hwnd()), FadeColors(a, b, "colourful"));
}

TEST_F(SendTest, Command15BuildsTheMessageAsideAndLeavesTheComposer) {
    form->SetControlText(IDC_LABEL3, "Bob");
    Box(1).SetText("hi sn%");
    MakeBold(1, 3, 3);
    const std::string before = Box(1).TextRTF();
    form->SetControlText(IDC_COMBO1, "Nowhere Room");
    Click(IDC_COMMAND15);
    EXPECT_EQ(Box(1).TextRTF(), before);
    EXPECT_EQ(Box(4).Text(), "hi Bob");
    EXPECT_TRUE(FormatAt(Box(4), 4).bold);  // the composer's formatting, no fade
    EXPECT_EQ(FormatAt(Box(4), 4).color, RGB(0, 0, 0));
    // With no nick the work box gets the composer as it is.
    form->SetControlText(IDC_LABEL3, "No Nick");
    Click(IDC_COMMAND15);
    EXPECT_EQ(Box(4).Text(), "hi sn%");
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
