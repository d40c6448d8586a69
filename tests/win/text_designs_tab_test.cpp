// The Text Designs tab, the design editor (Form2) and "Change Text Design" (Form8)
// in a real main window, driven through the controls; Auto Send to a demo room.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/form1_win.h"
#include "app/line_list.h"
#include "app/list_files_win.h"
#include "designs/decorations.h"
#include "designs/text_designs_tab_win.h"
#include "link/messenger_link_win.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/win_test_support.h"

namespace {

using Lines = std::vector<std::string>;
constexpr COLORREF kGreen = RGB(0, 128, 0), kBlue = RGB(0, 0, 255);

std::string Decoration(int number) { return std::string(kDecorations[static_cast<std::size_t>(number - 1)]); }

const auto Text = DemoMessenger::WindowText;
std::string Shown(const RecordedMessage& m) { return m.title + ": " + m.text + " (" + std::to_string(m.flags) + ")"; }

// "Change Text Design" is modal: `g_act` runs on it from a timer tick inside
// its own loop, as a user's clicks would.
std::function<void(HWND)> g_act;
bool g_seen = false;
void CALLBACK ActOnChangeWindow(HWND, UINT, UINT_PTR id, DWORD) {
    HWND window = FindWindowA("#32770", "Change Text Design");
    if (!window || !IsWindowVisible(window)) return;
    KillTimer(nullptr, id);
    g_seen = true;
    g_act(window);
    if (IsWindowVisible(window)) EndDialog(window, 0);  // never left hanging
}

class TextDesigns : public ::testing::Test {
protected:
    void Start(const Lines& designs, bool show = false) {
        for (const char* name : {"dl.txt", "nicks.txt", "dlist.txt"}) dir_.Write(name, "");
        dir_.Write("saved.txt", FormatLineList(designs));
        form_ = std::make_unique<Form1>(ui_, dir_.Path());
        ASSERT_NE(form_->Create(show), nullptr);
        form_->ShowTab(1);
    }
    HWND List4() { return form_->Control(IDC_LIST4); }
    Lines Designs() { return ListBoxItems(List4()); }
    RichTextBox& Composer() { return form_->Box(1); }
    void Click(int id) { SendMessageA(form_->Control(id), BM_CLICK, 0, 0); }
    void Choose(int index) {
        SendMessageA(List4(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        form_->OnCommand(IDC_LIST4, LBN_SELCHANGE, List4());
    }
    HWND Editor() { return form_->TextDesigns().DesignEditorWindow(); }
    HWND EditorItem(int id) { return GetDlgItem(Editor(), id); }
    void ChooseDecoration(int number) {
        SendMessageA(EditorItem(IDC_FORM2_LIST1), LB_SETCURSEL, static_cast<WPARAM>(number - 1), 0);
        SendMessageA(Editor(), WM_COMMAND, MAKEWPARAM(IDC_FORM2_LIST1, LBN_SELCHANGE), 0);
    }
    // "Edit", then `act` on the window it opens; false when none opened.
    bool Edit(std::function<void(HWND)> act) {
        g_act = std::move(act);
        g_seen = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, ActOnChangeWindow);
        Click(IDC_COMMAND16);
        KillTimer(nullptr, timer);
        return g_seen;
    }

    RecorderUi ui_;
    TempFolder dir_;
    std::unique_ptr<Form1> form_;
};

TEST_F(TextDesigns, AutoSendNoCopiesTheDesignAsItIsAndFollowsTheArrowKeys) {
    const std::string softHyphen = Decoration(18) + "Thanks " + Decoration(19);
    Start({"Hi sn%!", softHyphen});
    form_->SetControlText(IDC_LABEL3, "Bob");
    Choose(0);
    EXPECT_EQ(Composer().Text(), "Hi sn%!");  // only Auto Send puts the nick in
    SetFocus(List4());
    SendMessageA(List4(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Composer().Text(), softHyphen);
}

TEST_F(TextDesigns, AutoSendDeliversTheFormattedDesignToTheRoom) {
    DemoMessenger messenger;
    ASSERT_TRUE(messenger.Start({"Lobby"}));
    const Lines designs{"Hi sn%!", "", Decoration(94) + " Thanks " + Decoration(19), Decoration(11) + "Hi"};
    Start(designs);
    form_->Link().SetPal10Classes();
    form_->Link().FillRoomList();
    Click(IDC_OPTION8);  // Auto Send "Yes"
    form_->SetControlText(IDC_LABEL3, "Bob");
    form_->SetBoxColor(IDC_PICTURE7, kGreen);
    form_->SetBoxColor(IDC_PICTURE10, RGB(1, 2, 3));  // shown, never applied
    Click(IDC_CHECK3);  // Bold
    Click(IDC_CHECK2);  // 12 points
    Choose(0);
    EXPECT_EQ(Composer().SelStart(), 7) << "the caret waits at the end";
    EXPECT_EQ(Composer().SelLength(), 0);
    Click(IDC_CHECK3);
    Click(IDC_CHECK4);  // 8 points
    form_->SetControlText(IDC_LABEL3, "No Nick");
    Choose(0);
    HWND input = messenger.InputBox("Lobby");
    SendMessageA(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("draft"));
    Choose(1);
    EXPECT_EQ(DemoMessenger::WindowText(input), "draft") << "an empty design sends nothing";
    SendMessageA(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    Choose(2);
    Choose(3);

    const std::vector<TranscriptEntry> posted = messenger.WaitForTranscript(4);
    ASSERT_EQ(posted.size(), 4u);
    EXPECT_EQ(posted[0].text, "Hi Bob!");
    EXPECT_EQ(posted[1].text, "Hi sn%!");
    EXPECT_EQ(posted[2].text, designs[2]) << "soft hyphens (AD) arrive as they are";
    EXPECT_EQ(posted[3].text, designs[3]) << "and so do 95 and F7";
    RichTextBox& shown = form_->Box(4);
    for (std::size_t k = 0; k < 2; ++k) {
        shown.SetTextRTF(posted[k].rtf);
        for (long i = 0; i < 7; ++i) {
            shown.Select(i, 1);
            EXPECT_EQ(shown.SelBold(), k == 0) << k << i;
            EXPECT_EQ(shown.SelFontSize(), k == 0 ? 12.0 : 8.0) << k << i;
        }
        EXPECT_EQ(shown.SelColor(), kBlue) << "faded to exactly colour B";
        shown.Select(0, 1);
        EXPECT_GT(GetGValue(shown.SelColor()), GetBValue(shown.SelColor())) << "from colour A";
    }
}

TEST_F(TextDesigns, SizeBoxesAreExclusiveAndColourBoxesShareTheDialog) {
    Start({"x"});
    for (auto [click, expected] : {std::pair{IDC_CHECK4, "x--"}, {IDC_CHECK1, "-x-"}, {IDC_CHECK2, "--x"},
                                   {IDC_CHECK2, "---"}, {IDC_CHECK1, "-x-"}, {IDC_CHECK3, "-x-"}}) {
        Click(click);
        std::string sizes;  // small, medium, large
        for (int id : {IDC_CHECK4, IDC_CHECK1, IDC_CHECK2}) sizes += form_->IsChecked(id) ? 'x' : '-';
        EXPECT_EQ(sizes, expected) << click;
    }
    ui_.colorAnswers = {kGreen};
    for (int box : {IDC_PICTURE8, IDC_PICTURE7, IDC_PICTURE10}) {  // the second and third cancelled
        form_->OnCommand(box, BN_CLICKED, form_->Control(box));
        EXPECT_EQ(form_->BoxColor(box), kGreen) << "the colour last accepted";
    }
}

TEST_F(TextDesigns, ListButtonsWriteSavedTxtAndSaveReloadsIt) {
    Start({"one", "two"});
    const std::string line = " a, \"quoted\" " + Decoration(93);
    form_->SetControlText(IDC_TEXT4, line);
    Click(IDC_COMMAND17);  // Save To List
    EXPECT_EQ(dir_.Read("saved.txt"), "one\r\ntwo\r\n" + line + "\r\n");
    Click(IDC_COMMAND4);  // Clear
    EXPECT_EQ(form_->ControlText(IDC_TEXT4), "");
    Choose(0);
    Click(IDC_COMMAND19);  // Delete: the list only
    EXPECT_EQ(Designs(), (Lines{"two", line}));
    EXPECT_EQ(dir_.Read("saved.txt"), "one\r\ntwo\r\n" + line + "\r\n");
    SendMessageA(List4(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("b\r\nc"));
    Click(IDC_COMMAND18);  // Save: the list as the file reads back
    EXPECT_EQ(dir_.Read("saved.txt"), "two\r\n" + line + "\r\nb\r\nc\r\n");
    EXPECT_EQ(Designs(), (Lines{"two", line, "b", "c"}));

    DeleteFileA(dir_.File("saved.txt").c_str());  // a folder instead: nothing to read back
    ASSERT_TRUE(CreateDirectoryA(dir_.File("saved.txt").c_str(), nullptr));
    Click(IDC_COMMAND18);
    EXPECT_EQ(Shown(ui_.messages.at(0)), "Saved: One of the files [saved.txt]does not exist! (16)");
    EXPECT_TRUE(Designs().empty());
}

TEST_F(TextDesigns, EditorBuildsALineSavesItToTheListAndIsOnlyOpenOnce) {
    Start({"first"}, true);
    Click(IDC_OPENEDITOR);
    HWND editor = Editor(), line = EditorItem(IDC_FORM2_TEXT1);
    EXPECT_EQ(ListBoxItems(EditorItem(IDC_FORM2_LIST1)), Lines(kDecorations.begin(), kDecorations.end()));
    ChooseDecoration(18);
    SetWindowTextA(line, (Decoration(18) + "Thanks ").c_str());
    SendMessageA(line, EM_SETSEL, 0, 0);  // the caret at the start: still appended at the end
    ChooseDecoration(19);
    const std::string made = Decoration(18) + "Thanks " + Decoration(19);
    ASSERT_EQ(Text(line), made);
    SendMessageA(EditorItem(IDC_FORM2_COMMAND1), BM_CLICK, 0, 0);
    EXPECT_EQ(Designs(), (Lines{"first", " " + made}));
    EXPECT_EQ(dir_.Read("saved.txt"), "first\r\n " + made + "\r\n");
    SendMessageA(editor, WM_COMMAND, MAKEWPARAM(IDM_FORM2_HELP, 0), 0);
    EXPECT_EQ(Shown(ui_.messages.at(0)), "Help: You can make your own design be creative :) (32)");

    SetForegroundWindow(form_->Hwnd());
    Click(IDC_OPENEDITOR);  // while open: the same window to the front, its line kept
    PumpMessages();
    EXPECT_EQ(Editor(), editor);
    EXPECT_EQ(GetForegroundWindow(), editor);
    EXPECT_EQ(Text(line), made);
    SendMessageA(editor, WM_CLOSE, 0, 0);
    EXPECT_EQ(Editor(), nullptr);
    Click(IDC_OPENEDITOR);
    EXPECT_EQ(SendMessageA(EditorItem(IDC_FORM2_LIST1), LB_GETCOUNT, 0, 0), 117);  // not 234
    EXPECT_EQ(Text(EditorItem(IDC_FORM2_TEXT1)), "");
}

TEST_F(TextDesigns, ChangeTextDesignRewritesTheEntryInPlaceAndCancelDoesNot) {
    const Lines designs{"a", Decoration(94) + " x", "c"};
    Start(designs);
    std::string shown;
    auto typeAndClick = [&](int button) {
        return [&, button](HWND dialog) {
            shown = Text(GetDlgItem(dialog, IDC_FORM8_TEXT1));
            EXPECT_FALSE(IsWindowEnabled(form_->Hwnd())) << "modal";
            SetDlgItemTextA(dialog, IDC_FORM8_TEXT1, "changed");
            SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
            EXPECT_FALSE(IsWindowVisible(dialog)) << "closed";
        };
    };
    EXPECT_FALSE(Edit(typeAndClick(IDC_FORM8_COMMAND1))) << "nothing selected: no window";
    SendMessageA(List4(), LB_SETCURSEL, 1, 0);
    ASSERT_TRUE(Edit(typeAndClick(IDC_FORM8_COMMAND2)));  // Cancel
    EXPECT_EQ(shown, designs[1]);
    EXPECT_EQ(Designs(), designs);
    ASSERT_TRUE(Edit(typeAndClick(IDC_FORM8_COMMAND1)));  // Change
    EXPECT_EQ(Designs(), (Lines{"a", "changed", "c"}));
    EXPECT_EQ(SendMessageA(List4(), LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(dir_.Read("saved.txt"), FormatLineList(designs)) << "until the next save";
}

}  // namespace
