// The Text Designs tab in a real main window, driven as a user drives it:
// button clicks go to the controls, a list choice comes as the list's own
// notification. Auto Send runs its whole pipeline into the composer; no
// messenger is running, so the delivery finds no room and sends nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/form1_win.h"
#include "app/line_list.h"
#include "app/list_files_win.h"
#include "designs/decorations.h"
#include "designs/text_designs_tab_win.h"
#include "tests/win/rich_format_probe.h"
#include "tests/win/win_test_support.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

std::string Decoration(int number) { return std::string(kDecorations[static_cast<std::size_t>(number - 1)]); }

class TextDesignsTabTest : public ::testing::Test {
protected:
    void Start(const std::vector<std::string>& designs) {
        dir_.Write("dl.txt", "");
        dir_.Write("nicks.txt", "Bob\r\n");
        dir_.Write("saved.txt", FormatLineList(designs));
        dir_.Write("dlist.txt", "");
        form_ = std::make_unique<Form1>(ui_, dir_.Path());
        ASSERT_NE(form_->Create(false), nullptr);
        form_->ShowTab(1);
        ASSERT_TRUE(ui_.messages.empty());
    }

    HWND List4() { return form_->Control(IDC_LIST4); }
    std::vector<std::string> Designs() { return ListBoxItems(List4()); }
    RichTextBox& Composer() { return form_->Box(1); }

    // A click on the entry: the selection moves, the list tells its window.
    void Choose(int index) {
        SendMessageA(List4(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        form_->OnCommand(IDC_LIST4, LBN_SELCHANGE, List4());
    }
    // A click on a button or check box, through the control itself.
    void Click(int id) { SendMessageA(form_->Control(id), BM_CLICK, 0, 0); }
    void AutoSend(bool yes) { Click(yes ? IDC_OPTION8 : IDC_OPTION7); }
    bool Checked(int id) { return form_->IsChecked(id); }

    RecorderUi ui_;
    TempFolder dir_;
    std::unique_ptr<Form1> form_;
};

// --------------------------------------------------------------- Auto Send "No"

TEST_F(TextDesignsTabTest, AutoSendNoCopiesTheChosenDesignAsItIs) {
    const std::string withSoftHyphen = Decoration(18) + "Thanks " + Decoration(19);
    const std::string withBullets = Decoration(11) + "Hi sn%! " + Decoration(12);
    Start({withBullets, withSoftHyphen, "third"});
    ASSERT_FALSE(Checked(IDC_OPTION8));
    ASSERT_TRUE(Checked(IDC_OPTION7));
    form_->SetControlText(IDC_LABEL3, "Bob");
    Composer().SetText("what I was typing");

    Choose(0);
    // The placeholder stays: only Auto Send puts the nick in.
    EXPECT_EQ(Composer().Text(), withBullets);
    EXPECT_EQ(ProbeCharacters(Composer().Hwnd()).front().format.color, 0u);

    // An arrow key moves the selection and the composer follows.
    SetFocus(List4());
    SendMessageA(List4(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(SendMessageA(List4(), LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Composer().Text(), withSoftHyphen);  // the soft hyphen survives the copy
}

// --------------------------------------------------------------- Auto Send "Yes"

TEST_F(TextDesignsTabTest, AutoSendPutsTheNickInAndFormatsTheWholeMessage) {
    Start({"Hi sn%!"});
    AutoSend(true);
    EXPECT_FALSE(Checked(IDC_OPTION7));
    form_->SetControlText(IDC_LABEL3, "Bobby");  // longer than the placeholder
    form_->SetBoxColor(IDC_PICTURE7, kGreen);
    Click(IDC_CHECK3);  // Bold
    Click(IDC_CHECK2);  // the large A: 12 points

    Choose(0);
    ASSERT_EQ(Composer().Text(), "Hi Bobby!");
    // The caret waits at the end with nothing selected.
    EXPECT_EQ(Composer().SelLength(), 0);
    EXPECT_EQ(Composer().SelStart(), Composer().Length());
    const auto chars = ProbeCharacters(Composer().Hwnd());
    ASSERT_EQ(chars.size(), 9u);
    for (const auto& c : chars) {
        SCOPED_TRACE(std::string(1, c.ch));
        EXPECT_TRUE(c.format.bold);
        EXPECT_EQ(c.format.twips, 240);
    }
    // Faded from colour A (Picture7) at the start to exactly colour B (Picture8).
    EXPECT_EQ(chars.back().format.color, kBlue);
    EXPECT_NE(chars.front().format.color, kBlue);
    EXPECT_GT(GetGValue(chars.front().format.color), GetBValue(chars.front().format.color));
    std::size_t colours = 0;
    for (std::size_t i = 1; i < chars.size(); ++i) colours += chars[i].format.color != chars[i - 1].format.color;
    EXPECT_GE(colours, 2u);
}

TEST_F(TextDesignsTabTest, AutoSendSizeAndBoldFollowTheBoxes) {
    Start({"small", "plain", "middle"});
    AutoSend(true);
    Click(IDC_CHECK4);
    Choose(0);
    for (const auto& c : ProbeCharacters(Composer().Hwnd())) {
        EXPECT_EQ(c.format.twips, 160);
        EXPECT_FALSE(c.format.bold);
    }
    Click(IDC_CHECK4);  // none checked: the rendering's own size stays
    Choose(1);
    for (const auto& c : ProbeCharacters(Composer().Hwnd())) EXPECT_EQ(c.format.twips, 200);
    Click(IDC_CHECK1);
    Choose(2);
    for (const auto& c : ProbeCharacters(Composer().Hwnd())) EXPECT_EQ(c.format.twips, 200);
    EXPECT_EQ(Composer().Text(), "middle");
}

TEST_F(TextDesignsTabTest, AutoSendPlaceholderRules) {
    Start({"sn% and SN% and sn%", "Hi sn%!"});
    AutoSend(true);
    form_->SetControlText(IDC_LABEL3, "Bob");
    Choose(0);
    EXPECT_EQ(Composer().Text(), "Bob and SN% and Bob");  // exact case only, every one
    form_->SetControlText(IDC_LABEL3, "No Nick");
    Choose(1);
    EXPECT_EQ(Composer().Text(), "Hi sn%!");
    // Still faded to colour B at the end.
    EXPECT_EQ(ProbeCharacters(Composer().Hwnd()).back().format.color, kBlue);
}

TEST_F(TextDesignsTabTest, AutoSendOfAnEmptyDesignLeavesTheComposerEmpty) {
    Start({"", "x"});
    AutoSend(true);
    Composer().SetText("left over");
    Choose(0);
    EXPECT_EQ(Composer().Text(), "");
}

TEST_F(TextDesignsTabTest, RandomColorRepaintsTheMainPickersWhileTheFadeUsesThisTabsColours) {
    Start({"random colours"});
    AutoSend(true);
    form_->SetChecked(IDC_CHKRANDOMCOLOR, true);
    form_->SetBoxColor(IDC_PICTURE8, kGreen);
    const COLORREF a = form_->BoxColor(IDC_PICCOLORA), b = form_->BoxColor(IDC_PICCOLORB);
    Choose(0);
    EXPECT_TRUE(form_->BoxColor(IDC_PICCOLORA) != a || form_->BoxColor(IDC_PICCOLORB) != b);
    EXPECT_EQ(ProbeCharacters(Composer().Hwnd()).back().format.color, kGreen);
}

// --------------------------------------------------------------- the list and saved.txt

TEST_F(TextDesignsTabTest, SaveToListAppendsTheLineAndWritesTheWholeList) {
    Start({"one", "two"});
    const std::string line = "  a, \"quoted\" " + Decoration(93);
    form_->SetControlText(IDC_TEXT4, line);
    Click(IDC_COMMAND17);
    EXPECT_EQ(Designs(), (std::vector<std::string>{"one", "two", line}));
    EXPECT_EQ(form_->ControlText(IDC_TEXT4), line);  // Text4 keeps it
    EXPECT_EQ(dir_.Read("saved.txt"), "one\r\ntwo\r\n" + line + "\r\n");

    // An empty line is an entry too, written as an empty line.
    Click(IDC_COMMAND4);  // Clear
    EXPECT_EQ(form_->ControlText(IDC_TEXT4), "");
    Click(IDC_COMMAND17);
    EXPECT_EQ(Designs().size(), 4u);
    EXPECT_EQ(Designs().back(), "");
    EXPECT_EQ(dir_.Read("saved.txt"), "one\r\ntwo\r\n" + line + "\r\n\r\n");
}

TEST_F(TextDesignsTabTest, DeleteChangesOnlyTheListUntilSaveRewritesAndReloads) {
    const std::vector<std::string> designs{"first", " leading, \"quoted\"", "third", Decoration(19)};
    Start(designs);
    const std::string before = dir_.Read("saved.txt");

    SendMessageA(List4(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Click(IDC_COMMAND19);  // nothing selected: nothing removed
    EXPECT_EQ(Designs(), designs);

    Choose(2);
    Click(IDC_COMMAND19);
    EXPECT_EQ(Designs(), (std::vector<std::string>{"first", " leading, \"quoted\"", Decoration(19)}));
    EXPECT_EQ(dir_.Read("saved.txt"), before);

    Click(IDC_COMMAND18);  // Save
    EXPECT_EQ(dir_.Read("saved.txt"), FormatLineList({"first", " leading, \"quoted\"", Decoration(19)}));
    EXPECT_EQ(Designs(), (std::vector<std::string>{"first", " leading, \"quoted\"", Decoration(19)}));
    EXPECT_TRUE(ui_.messages.empty());  // a good save says nothing
}

TEST_F(TextDesignsTabTest, SaveShowsTheListAsReadBackFromTheFile) {
    Start({"a"});
    // The list can hold what a line of the file cannot: a line break. What the
    // user sees after Save is the file's view of it.
    std::string twoLines = "b\r\nc";
    SendMessageA(List4(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(twoLines.c_str()));
    Click(IDC_COMMAND18);
    EXPECT_EQ(Designs(), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(TextDesignsTabTest, SaveThatLeavesNoFileReportsItAndEmptiesTheList) {
    Start({"a", "b"});
    // saved.txt turns into a folder: the write fails and no file is there to read.
    DeleteFileA(dir_.File("saved.txt").c_str());
    ASSERT_TRUE(CreateDirectoryA(dir_.File("saved.txt").c_str(), nullptr));
    Click(IDC_COMMAND18);
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, "One of the files [saved.txt]does not exist!");
    EXPECT_EQ(ui_.messages[0].title, "Saved");
    EXPECT_EQ(ui_.messages[0].flags, static_cast<UINT>(MB_OK | MB_ICONHAND));
    EXPECT_TRUE(Designs().empty());

    // Save To List still adds the entry although the file cannot be written.
    form_->SetControlText(IDC_TEXT4, "kept");
    Click(IDC_COMMAND17);
    EXPECT_EQ(Designs(), (std::vector<std::string>{"kept"}));
    EXPECT_EQ(ui_.messages.size(), 1u);
}

// --------------------------------------------------------------- options

TEST_F(TextDesignsTabTest, SizeBoxesAreExclusiveAndAClickOnTheCheckedOneClearsIt) {
    Start({"x"});
    auto state = [&] {
        return std::vector<bool>{Checked(IDC_CHECK4), Checked(IDC_CHECK1), Checked(IDC_CHECK2)};
    };
    EXPECT_EQ(state(), (std::vector<bool>{false, false, false}));
    Click(IDC_CHECK4);
    EXPECT_EQ(state(), (std::vector<bool>{true, false, false}));
    // The medium A while the small one is checked: medium stays, small goes.
    Click(IDC_CHECK1);
    EXPECT_EQ(state(), (std::vector<bool>{false, true, false}));
    Click(IDC_CHECK2);
    EXPECT_EQ(state(), (std::vector<bool>{false, false, true}));
    Click(IDC_CHECK2);
    EXPECT_EQ(state(), (std::vector<bool>{false, false, false}));
    // Space on the focused box is a click too.
    Click(IDC_CHECK1);
    SetFocus(form_->Control(IDC_CHECK4));
    SendMessageA(form_->Control(IDC_CHECK4), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(form_->Control(IDC_CHECK4), WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(state(), (std::vector<bool>{true, false, false}));
    // Bold is not one of them.
    Click(IDC_CHECK3);
    EXPECT_TRUE(Checked(IDC_CHECK3));
    EXPECT_EQ(state(), (std::vector<bool>{true, false, false}));
}

TEST_F(TextDesignsTabTest, ColourBoxesTakeTheSharedDialogsColour) {
    Start({"x"});
    auto clickBox = [&](int id) { form_->OnCommand(id, BN_CLICKED, form_->Control(id)); };
    ui_.colorAnswers = {kGreen};
    clickBox(IDC_PICTURE8);
    EXPECT_EQ(form_->BoxColor(IDC_PICTURE8), kGreen);
    // Cancelled: the colour last accepted anywhere in the dialog.
    clickBox(IDC_PICTURE7);
    EXPECT_EQ(form_->BoxColor(IDC_PICTURE7), kGreen);
    ui_.colorAnswers = {RGB(1, 2, 3)};
    clickBox(IDC_PICTURE10);
    EXPECT_EQ(form_->BoxColor(IDC_PICTURE10), RGB(1, 2, 3));
    EXPECT_EQ(ui_.colorDialogs, 3);
    EXPECT_EQ(form_->CommonDialog1().Color(), RGB(1, 2, 3));

    // Picture10 shows a colour that no send applies: the fade runs from
    // Picture7 to Picture8.
    AutoSend(true);
    form_->SetBoxColor(IDC_PICTURE8, kBlue);
    Choose(0);
    EXPECT_EQ(ProbeCharacters(Composer().Hwnd()).back().format.color, kBlue);
}

}  // namespace
