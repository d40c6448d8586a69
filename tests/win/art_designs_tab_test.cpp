// The Art Designs tab in a real main window and a scratch application folder: the
// library, formatting, the fade on the real box, sending to a demo messenger room.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "app/form1_win.h"
#include "app/list_files_win.h"
#include "designs/art_designs_tab_win.h"
#include "designs/art_fade.h"
#include "designs/art_fade_win.h"
#include "link/messenger_link_win.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/win_test_support.h"

namespace {

using Names = std::vector<std::string>;
constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 128, 0), kBlue = RGB(0, 0, 255);

// One character of a box as the user sees it; a line break is one character.
struct Look {
    char ch; COLORREF color; bool bold; double size;
    bool operator==(const Look&) const = default;
};
std::vector<Look> Looks(RichTextBox& box) {
    const std::string text = box.Text();
    std::vector<Look> looks;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') continue;
        box.Select(static_cast<long>(i), 1);
        looks.push_back({text[i], box.SelColor(), box.SelBold(), box.SelFontSize()});
    }
    return looks;
}

// The modal "Save" window: each name typed and saved from a timer tick inside its
// loop; whether it is still open after each. A window left open is cancelled.
std::vector<const char*> g_names;
std::vector<bool> g_open;
void CALLBACK TypeNames(HWND, UINT, UINT_PTR id, DWORD) {
    HWND window = FindWindowA("#32770", "Save");
    if (!window || !IsWindowVisible(window)) return;
    KillTimer(nullptr, id);
    for (const char* name : g_names) {
        SetDlgItemTextA(window, IDC_FORM5_TEXT1, name);
        SendMessageA(window, WM_COMMAND, IDC_FORM5_COMMAND1, 0);
        g_open.push_back(IsWindowVisible(window) != FALSE);
    }
    if (IsWindowVisible(window)) SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
}

class ArtTab : public ::testing::Test {
protected:
    void Start(const std::string& dlist, const Names& files = {}) {
        for (const char* name : {"dl.txt", "nicks.txt", "saved.txt"}) dir_.Write(name, "");
        dir_.Write("dlist.txt", dlist);
        if (!files.empty()) CreateDirectoryA(dir_.File("Designs").c_str(), nullptr);
        for (const std::string& name : files) dir_.Write("Designs\\" + name + ".rtf", "{\\rtf1 " + name + " design}");
        form_ = std::make_unique<Form1>(ui_, dir_.Path());
        ASSERT_NE(form_->Create(false), nullptr);
        form_->ShowTab(2);
    }
    RichTextBox& Design() { return form_->Box(5); }
    HWND List5() { return form_->Control(IDC_LIST5); }
    void Click(int id) { form_->OnCommand(id, BN_CLICKED, form_->Control(id)); }
    // Highlights exactly `rows`, the caret on the last, and tells the tab.
    void ClickRows(std::initializer_list<int> rows) {
        SendMessageA(List5(), LB_SETSEL, FALSE, -1);
        for (int row : rows) {
            SendMessageA(List5(), LB_SETSEL, TRUE, row);
            SendMessageA(List5(), LB_SETCARETINDEX, row, FALSE);
        }
        form_->OnCommand(IDC_LIST5, LBN_SELCHANGE, List5());
    }
    std::vector<bool> SaveAs(std::vector<const char*> names) {
        g_names = std::move(names);
        g_open.clear();
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, TypeNames);
        Click(IDC_COMMAND23);
        KillTimer(nullptr, timer);
        return g_open;
    }
    // Lines "Red" bold red, "Green" green, "Blue!" bold blue.
    void DrawThreeLines() {
        Design().SetText("Red\r\nGreen\r\nBlue!");
        for (auto [start, length, color, bold] : {std::tuple{0L, 3L, kRed, true}, {5L, 5L, kGreen, false},
                                                  {12L, 5L, kBlue, true}}) {
            Design().Select(start, length);
            Design().SetSelColor(color);
            Design().SetSelBold(bold);
        }
    }
    std::string Shown(std::size_t k) {
        const RecordedMessage& m = ui_.messages.at(k);
        return m.title + ": " + m.text + " (" + std::to_string(m.flags) + ")";
    }

    RecorderUi ui_;
    TempFolder dir_;
    std::unique_ptr<Form1> form_;
};

TEST_F(ArtTab, SaveAsNewRefusesNamesThatCannotBeFilesThenListsAndReopens) {
    Start("smiley\r\n");
    DrawThreeLines();
    const std::vector<Look> drawn = Looks(Design());
    EXPECT_EQ(SaveAs({"a/b", "con", "x:y", "heart"}), (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(Shown(0), "Save: The name \"a/b\" cannot be used as a file name. Please choose another name. (64)");
    EXPECT_EQ(ListBoxItems(List5()), (Names{"smiley", "heart"}));
    EXPECT_EQ(dir_.Read("dlist.txt"), "smiley\r\nheart\r\n");
    EXPECT_TRUE(dir_.Exists("Designs\\heart.rtf")) << "the missing Designs folder is made";

    Click(IDC_COMMAND22);  // Clear
    EXPECT_EQ(Design().Text(), "");
    ClickRows({1});
    EXPECT_EQ(Looks(Design()), drawn);

    DeleteFileA(dir_.File("dlist.txt").c_str());  // a folder instead: it cannot be written
    CreateDirectoryA(dir_.File("dlist.txt").c_str(), nullptr);
    EXPECT_EQ(SaveAs({"lost"}), (std::vector<bool>{true}));
    EXPECT_EQ(Shown(3), "Saved: One of the files [dlist.txt]does not exist! (16)");
    EXPECT_EQ(SendMessageA(List5(), LB_GETCOUNT, 0, 0), 0);
    EXPECT_TRUE(dir_.Exists("Designs\\lost.rtf"));
}

TEST_F(ArtTab, SaveChangesDeleteFromListAndAMissingFile) {
    Start("one\r\ntwo\r\nghost\r\n", {"one", "two"});
    const std::string one = dir_.Read("Designs\\one.rtf"), two = dir_.Read("Designs\\two.rtf");
    ClickRows({1});
    ASSERT_EQ(Design().Text(), "two design");
    Design().SetText("changed");
    ui_.nextAnswer = IDNO;
    Click(IDC_COMMAND20);
    EXPECT_EQ(Shown(0), "Save Changes: Are you sure you want to save the changes? (36)");
    EXPECT_EQ(dir_.Read("Designs\\two.rtf"), two);
    ui_.nextAnswer = IDYES;
    Click(IDC_COMMAND20);
    SendMessageA(List5(), LB_SETSEL, FALSE, -1);  // nothing highlighted: the question, then nothing
    Click(IDC_COMMAND20);
    EXPECT_EQ(dir_.Read("Designs\\one.rtf"), one);
    ClickRows({1});
    EXPECT_EQ(Design().Text(), "changed");

    ClickRows({2});
    EXPECT_EQ(Shown(3), "Art Designs: The design file [Designs\\ghost.rtf] could not be opened. (16)");
    EXPECT_EQ(Design().Text(), "");
    ClickRows({2, 0});
    Click(IDC_COMMAND21);
    EXPECT_EQ(ListBoxItems(List5()), (Names{"two"}));
    EXPECT_EQ(dir_.Read("dlist.txt"), "two\r\n");
    EXPECT_TRUE(dir_.Exists("Designs\\one.rtf")) << "the files stay";
    EXPECT_EQ(ui_.messages.size(), 4u) << "no question before deleting";
}

TEST_F(ArtTab, FormatButtonsAndTheFadeRunByRunAsCharacterByCharacter) {
    Start("");
    Design().SetText("Hello art");
    ui_.colorAnswers = {kGreen};  // accepted once, then cancelled: the colour last accepted
    for (auto [start, length, button] : {std::tuple{0L, 5L, IDC_COMMAND26}, {0L, 5L, IDC_COMMAND27},
                                         {6L, 3L, IDC_COMMAND29}, {0L, 1L, IDC_COMMAND28}, {0L, 1L, IDC_COMMAND30},
                                         {8L, 1L, IDC_COMMAND30}, {0L, 0L, IDC_PICTURE13}}) {
        Design().Select(start, length);
        Click(button);
    }
    const std::vector<Look> looks = Looks(Design());
    EXPECT_EQ(looks[0], (Look{'H', kGreen, true, 10}));
    EXPECT_EQ(looks[1], (Look{'e', 0, true, 8}));
    EXPECT_EQ(looks[5], (Look{' ', 0, false, 10}));
    EXPECT_EQ(looks[8], (Look{'t', kGreen, false, 12}));
    EXPECT_EQ(form_->BoxColor(IDC_PICTURE13), kGreen);

    RichTextBox& other = form_->Box(4);
    for (auto [from, to] : {std::pair{kRed, kBlue}, {RGB(40, 40, 40), RGB(40, 40, 40)}}) {
        DrawThreeLines();
        Design().Select(17, 0);
        Design().SetSelText("\r\n" + std::string(60, '~'));  // 79 characters: runs of 6
        Design().Select(5, 5);
        Design().SetSelFontSize(12);
        other.SetTextRTF(Design().TextRTF());
        form_->SetBoxColor(IDC_PICTURE13, from);
        form_->SetBoxColor(IDC_PICTURE14, to);
        Click(IDC_COMMAND24);
        ApplyArtFadePerCharacter(other, static_cast<std::int32_t>(from), static_cast<std::int32_t>(to));
        const std::vector<Look> faded = Looks(Design());
        EXPECT_EQ(faded, Looks(other));
        const auto schedule = ArtFadeColors(static_cast<std::int32_t>(from), static_cast<std::int32_t>(to), 79);
        EXPECT_EQ(faded[9].color, schedule[10]) << "each break counts two";
        EXPECT_EQ(faded.back().color, schedule[78]);
        EXPECT_EQ(faded[4], (Look{'G', schedule[5], false, 12})) << "bold and sizes stay";
    }
}

// The send goes out line by line with its pause, the nick in place of "sn%",
// and ends when the window is closed during a pause.
HWND g_closing = nullptr;
TEST_F(ArtTab, SendToRoomLineByLine) {
    DemoMessenger messenger;
    ASSERT_TRUE(messenger.Start({"Art Gallery", "Chatter"}));
    Start("");
    DrawThreeLines();
    Design().Select(3, 0);
    Design().SetSelText(" sn%");
    form_->SetControlText(IDC_LABEL3, "Bob");
    form_->SetControlText(IDC_COMBO1, "");
    Click(IDC_COMMAND25);
    EXPECT_EQ(Shown(0), "Not Connected: Please Connect to the room first. (64)");
    form_->Link().SetPal10Classes();
    form_->Link().FillRoomList();
    form_->SetControlText(IDC_COMBO1, "Art Gallery");
    form_->SetControlText(IDC_TEXT5, "1,5");
    Click(IDC_COMMAND25);
    EXPECT_EQ(Shown(1), "Send To Room: The pause in Timer: must be a number of seconds, for example 1 or 0.5. (64)");

    form_->SetControlText(IDC_TEXT5, "0.5");
    const ULONGLONG start = GetTickCount64();
    Click(IDC_COMMAND25);
    EXPECT_GE(GetTickCount64() - start, 1500u) << "three pauses, the last included";
    EXPECT_EQ(form_->Box(1).Text().substr(0, 5), "Blue!") << "the composer keeps the last line";
    EXPECT_EQ(Design().Text(), "Red sn%\r\nGreen\r\nBlue!");
    const std::vector<TranscriptEntry> posted = messenger.WaitForTranscript(3);
    ASSERT_EQ(posted.size(), 3u);
    const std::tuple<std::string, COLORREF, bool> expected[] = {
        {"Red Bob", kRed, true}, {"Green", kGreen, false}, {"Blue!", kBlue, true}};
    for (std::size_t k = 0; k < 3; ++k) {
        const auto& [line, color, bold] = expected[k];
        EXPECT_EQ(posted[k].room, "Art Gallery");
        form_->Box(4).SetTextRTF(posted[k].rtf);
        const std::vector<Look> looks = Looks(form_->Box(4));
        ASSERT_EQ(form_->Box(4).Text().substr(0, line.size()), line);
        for (std::size_t i = 0; i < line.size(); ++i) EXPECT_EQ(looks[i], (Look{line[i], color, bold, 10})) << line;
    }

    g_closing = form_->Hwnd();
    SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        PostMessageA(g_closing, WM_CLOSE, 0, 0);
    });
    Click(IDC_COMMAND25);
    EXPECT_TRUE(form_->Closed());
    Sleep(300);
    EXPECT_EQ(messenger.Transcript().size(), 4u) << "the first line only, then the close ended the send";
    EXPECT_EQ(ui_.messages.size(), 2u);
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "left for the program's loop";
}

}  // namespace
