// The Text Designs and Art Designs tabs in a real main window over a scratch application
// folder: the lists and their files, the editor and modal windows, fades, sending to a room.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "app/form1_win.h"
#include "designs/art_fade.h"
#include "designs/art_fade_win.h"
#include "designs/decorations.h"
#include "designs/text_designs_tab_win.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/rich_format_probe.h"
#include "tests/win/win_test_support.h"

namespace {

using Lines = std::vector<std::string>;
constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 128, 0), kBlue = RGB(0, 0, 255), kGrey = RGB(40, 40, 40);
const auto Text = DemoMessenger::WindowText;

// What a character shows here: itself, its colour, bold, italic and size in twips.
using Look = std::tuple<char16_t, COLORREF, bool, bool, LONG>;
std::vector<Look> Looks(RichTextBox& box) {
    std::vector<Look> looks;
    for (const ProbedChar& c : ProbeCharacters(box.Hwnd()))
        looks.emplace_back(c.ch, c.format.color, c.format.bold, c.format.italic, c.format.twips);
    return looks;
}

// A modal window is driven from a timer tick inside its own loop, as a user's clicks
// would: each text typed into `field`, then `button` clicked; one left open is cancelled.
// g_seen gets, over the whole test, the text each window opened with and "open" or
// "closed" after each click (and what other timer ticks saw).
struct ModalScript { const char* title; int field; Lines typed; int button; } g_script;
Lines g_seen;
void CALLBACK ActOnModal(HWND, UINT, UINT_PTR id, DWORD) {
    HWND window = FindWindowA("#32770", g_script.title);
    if (!window || !IsWindowVisible(window)) return;
    KillTimer(nullptr, id);
    g_seen.push_back(Text(GetDlgItem(window, g_script.field)));
    for (const std::string& text : g_script.typed) {
        SetDlgItemTextA(window, g_script.field, text.c_str());
        SendMessageA(GetDlgItem(window, g_script.button), BM_CLICK, 0, 0);
        g_seen.push_back(IsWindowVisible(window) ? "open" : "closed");
    }
    if (IsWindowVisible(window)) EndDialog(window, IDCANCEL);
}

class DesignTabs : public ::testing::Test {
protected:
    void Click(int id) { SendMessageA(form_->Control(id), BM_CLICK, 0, 0); }
    // Clicks `opener`, which shows a modal window, and runs `script` on it.
    void Modal(int opener, ModalScript script) {
        g_script = std::move(script);
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, ActOnModal);
        Click(opener);
        KillTimer(nullptr, timer);
    }
    // Each message box shown so far: its title, then its buttons and icon.
    Lines Shown() {
        Lines shown;
        for (const RecordedMessage& m : ui_.messages) shown.push_back(m.title + " " + std::to_string(m.flags));
        return shown;
    }
    TabContext& Ctx() { return form_->Context(); }
    RichTextBox& Box(int number) { return NumberedBox(Ctx(), number); }

    void Choose(int index) {
        SendMessageA(form_->Control(IDC_LIST4), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        form_->OnCommand(IDC_LIST4, LBN_SELCHANGE);
    }

    HWND List5() { return form_->Control(IDC_LIST5); }
    // Highlights exactly `rows` (none: a Ctrl-click took the last highlight away), the caret
    // on the last, and tells the tab.
    void ClickRows(std::initializer_list<int> rows) {
        SendMessageA(List5(), LB_SETSEL, FALSE, -1);
        for (int row : rows) SendMessageA(List5(), LB_SETSEL, TRUE, row);
        if (rows.size()) SendMessageA(List5(), LB_SETCARETINDEX, *(rows.end() - 1), FALSE);
        form_->OnCommand(IDC_LIST5, LBN_SELCHANGE);
    }
    // Lines "Red" bold red, "Green" green, "Blue!" bold blue, all 10 points; `extra` goes on at the end.
    void DrawThreeLines(const std::string& extra) {
        Box(5).SetTextRTF("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;}"
                          "\\fs20\\cf1\\b Red\\par\\cf2\\b0 Green\\par\\cf3\\b Blue!}");
        Box(5).Select(17, 0);
        Box(5).SetSelText(extra);
    }

    RecorderUi ui_;
    TempFolder dir_;
    std::unique_ptr<Form1> form_;
};

// The design tabs in one window over one scratch folder. The format buttons and the fade;
// the library of designs saved in Designs and listed in dlist.txt; then an art design goes
// out line by line with its pause and the nick in place of "sn%", text designs with Auto
// Send; an art send ends at a second click, the timer started meanwhile waiting its turn;
// last the text designs' list, file, boxes and windows.
Form1* g_form = nullptr;
TEST_F(DesignTabs, FormatsFadesTheArtLibrarySendingAndTheTextDesignsListAndWindows) {
    DemoMessenger messenger;  // whose input box is bold italic green Tahoma unless told otherwise
    ASSERT_TRUE(messenger.Start({kUnicodeRoom, "Chatter"}, {"--styled-input"}));
    const std::string hi = "Hi sn%! " + kMixedScripts;
    for (const char* name : {"dl.txt", "nicks.txt"}) dir_.Write(name, "");
    dir_.Write("saved.txt", hi + "\r\n\r\n");  // no Designs folder yet
    dir_.Write("dlist.txt", "one\r\ntwo\r\nghost\r\n..\\out\r\n");
    form_ = std::make_unique<Form1>(ui_, dir_.Path());
    ASSERT_NE(form_->Create(true), nullptr);
    form_->ShowTab(2);
    DrawThreeLines("\r\n" + std::string(58, '~') + "😀~");  // 79 characters (80 units): runs of 6
    ui_.colorAnswers = {kGrey};  // accepted once, then cancelled: the colour last accepted
    for (auto [start, length, button] : {std::tuple{5L, 5L, IDC_COMMAND29}, {5L, 5L, IDC_COMMAND26},
                                         {5L, 1L, IDC_COMMAND28}, {0L, 1L, IDC_COMMAND27}, {0L, 1L, IDC_COMMAND30},
                                         {1L, 1L, IDC_COMMAND30}}) {
        Box(5).Select(start, length);
        Click(button);
    }
    const std::vector<Look> looks = Looks(Box(5));  // Red, then Green: each button on its selection only
    EXPECT_EQ(std::vector<Look>(looks.begin(), looks.begin() + 6),
              (std::vector<Look>{{'R', kGrey, true, false, 160}, {'e', kGrey, true, false, 200},
                                 {'d', kRed, true, false, 200}, {'\r', kRed, true, false, 200},
                                 {'G', kGreen, true, false, 200}, {'r', kGreen, true, false, 240}}));
    Box(4).SetTextRTF(Box(5).TextRTF());
    Click(IDC_COMMAND24);  // Fade, from the boxes' start colours red to blue
    ApplyArtFadePerCharacter(Box(4), static_cast<std::int32_t>(kRed), static_cast<std::int32_t>(kBlue));
    const std::vector<Look> faded = Looks(Box(5));
    EXPECT_EQ(faded, Looks(Box(4)));
    const auto schedule = ArtFadeColors(static_cast<std::int32_t>(kRed), static_cast<std::int32_t>(kBlue), 79);
    EXPECT_EQ(faded[9], (Look{'\r', schedule[10], false, false, 200})) << "each break counts two";
    EXPECT_EQ(std::get<1>(faded[75]), schedule[77]) << "the emoji is one character, whole in one colour";

    // "Save As New": the window stays open after each refused name
    Modal(IDC_COMMAND23, {"Save", IDC_FORM5_TEXT1, {"a/b", "con", "x:y", "heart"}, IDC_FORM5_COMMAND1});
    EXPECT_EQ(dir_.Read("dlist.txt"), "one\r\ntwo\r\nghost\r\n..\\out\r\nheart\r\n");
    Click(IDC_COMMAND22);  // Clear
    EXPECT_EQ(Box(5).Text(), "");
    ClickRows({4});
    EXPECT_EQ(Looks(Box(5)), faded) << "from Designs\\heart.rtf in the folder the save made";

    Box(5).SetText("changed");
    ui_.nextAnswer = IDYES;
    Click(IDC_COMMAND20);  // Save Changes
    ClickRows({});
    EXPECT_EQ(Box(5).Text(), "");
    Click(IDC_COMMAND20);  // nothing highlighted: the question, then nothing
    ClickRows({2});  // ghost: no file
    ClickRows({3});  // a row leading out of Designs is listed, never opened nor written
    Click(IDC_COMMAND20);
    ClickRows({0, 4});
    Box(5).SetText("lost");
    ui_.nextAnswer = IDNO;
    Click(IDC_COMMAND20);
    ui_.nextAnswer = IDYES;
    CreateDirectoryA(dir_.File("Designs\\heart.rtf.new").c_str(), nullptr);  // the write fails: the old design stays
    Click(IDC_COMMAND20);
    ClickRows({0, 4});
    EXPECT_EQ(Box(5).Text(), "changed");
    Click(IDC_COMMAND21);  // Delete From List: no question, the files stay
    EXPECT_EQ(dir_.Read("dlist.txt"), "two\r\nghost\r\n..\\out\r\n");
    EXPECT_TRUE(dir_.Exists("Designs\\heart.rtf"));

    DeleteFileA(dir_.File("dlist.txt").c_str());  // a folder instead: it cannot be written
    CreateDirectoryA(dir_.File("dlist.txt").c_str(), nullptr);
    Modal(IDC_COMMAND23, {"Save", IDC_FORM5_TEXT1, {"kept"}, IDC_FORM5_COMMAND1});
    EXPECT_EQ(ListBoxItems(List5()), (Lines{"two", "ghost", "..\\out", "kept"}));

    DrawThreeLines(" sn% " + kMixedScripts);
    Ctx().SetControlText(IDC_LABEL3, "Bob");
    Click(IDC_COMMAND25);  // no room yet: the user is told, nothing sent
    form_->Link().SetPal10Classes();
    Ctx().SetControlText(IDC_COMBO1, kUnicodeRoom);
    Ctx().SetControlText(IDC_TEXT5, "1,5");
    Click(IDC_COMMAND25);
    Ctx().SetControlText(IDC_TEXT5, "0.5");
    const ULONGLONG start = GetTickCount64();
    Click(IDC_COMMAND25);
    EXPECT_GE(GetTickCount64() - start, 1500u) << "three pauses, the last included";
    EXPECT_EQ(Box(1).Text().substr(0, 5), "Blue!") << "the composer keeps the last line";
    EXPECT_EQ(Box(5).Text(), "Red\r\nGreen\r\nBlue! sn% " + kMixedScripts);

    Click(IDC_OPTION8);  // Auto Send "Yes", from colour A red (the box's start colour)
    Ctx().SetBoxColor(IDC_PICTURE10, RGB(1, 2, 3));  // shown, never applied
    Click(IDC_CHECK3);  // Bold
    Click(IDC_CHECK2);  // 12 points
    Choose(0);
    EXPECT_EQ(Box(1).SelStart(), 42) << "the caret waits at the end";
    Click(IDC_CHECK3);
    Click(IDC_CHECK4);  // 8 points
    Choose(0);
    HWND input = form_->Link().FindInputBox();  // the chosen room's
    SendMessageA(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("draft"));
    Choose(1);
    EXPECT_EQ(Text(input), "draft") << "an empty design sends nothing";

    const std::vector<TranscriptEntry> posted = messenger.WaitForTranscript(5);
    // Art lines keep their own colour and bold; Auto Send gives the whole message its bold and size, faded.
    const std::tuple<std::string, COLORREF, bool, LONG> sent[] = {
        {"Red", kRed, true, 200}, {"Green", kGreen, false, 200}, {"Blue! Bob " + kMixedScripts, kBlue, true, 200},
        {"Hi Bob! " + kMixedScripts, 0, true, 240}, {"Hi Bob! " + kMixedScripts, 0, false, 160}};
    for (std::size_t k = 0; k < 5; ++k) {
        const auto& [text, color, bold, twips] = sent[k];
        EXPECT_EQ(posted.at(k).room + ": " + posted[k].text, kUnicodeRoom + ": " + text);
        Box(4).SetTextRTF(posted[k].rtf);
        const std::vector<Look> shown = Looks(Box(4));
        for (const Look& look : shown)
            EXPECT_EQ(look, (Look{std::get<0>(look), k < 3 ? color : std::get<1>(look), bold, false, twips})) << k;
        if (k < 3) continue;
        EXPECT_EQ(std::get<1>(shown.back()), kBlue) << "faded to exactly colour B";
        EXPECT_EQ(std::get<1>(shown.at(shown.size() - 2)), kBlue) << "the emoji's two halves in one colour";
        EXPECT_GT(GetRValue(std::get<1>(shown[0])), GetBValue(std::get<1>(shown[0]))) << "from colour A";
    }

    g_form = form_.get();
    SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        g_seen.push_back(CaptionOf(g_form->Control(IDC_COMMAND25)));
        g_form->OnCommand(IDC_COMMAND8, BN_CLICKED);  // Start
        g_form->OnCommand(IDC_COMMAND25, BN_CLICKED);
    });
    Click(IDC_COMMAND25);
    form_->OnCommand(IDC_COMMAND9, BN_CLICKED);
    EXPECT_EQ(CaptionOf(form_->Control(IDC_COMMAND25)), "Send To Room") << "after the send; during it, Stop Sending";
    EXPECT_EQ(messenger.Transcript().size(), 6u) << "the first line, nothing of the timer's";

    // The Text Designs tab again, Auto Send "No": the list and saved.txt (read as UTF-8, so
    // written so), the size and colour boxes, the Change window and the editor.
    const std::string line = DecorationUtf8(18) + "a, \"quoted\" " + DecorationUtf8(93);
    Click(IDC_OPTION7);
    Choose(1);
    SetFocus(form_->Control(IDC_LIST4));
    SendMessageA(form_->Control(IDC_LIST4), WM_KEYDOWN, VK_UP, 0);  // a key selects too
    EXPECT_EQ(Box(1).Text(), hi);  // copied as it is, the nick chosen or not

    Ctx().SetControlText(IDC_TEXT4, line);
    Click(IDC_COMMAND17);  // Save To List
    Click(IDC_COMMAND4);   // Clear
    EXPECT_EQ(Ctx().ControlText(IDC_TEXT4), "");
    Choose(1);
    Click(IDC_COMMAND19);  // Delete: the list only
    EXPECT_EQ(dir_.Read("saved.txt"), hi + "\r\n\r\n" + line + "\r\n");
    SendMessageA(form_->Control(IDC_LIST4), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("b\r\nc"));
    Click(IDC_COMMAND18);  // Save: the list as the file reads back
    EXPECT_EQ(ListBoxItems(form_->Control(IDC_LIST4)), (Lines{hi, line, "b", "c"}));

    std::string sizes;  // small, medium, large after each click, from small
    for (int click : {IDC_CHECK1, IDC_CHECK3, IDC_CHECK1}) {  // Bold is no size
        Click(click);
        for (int id : {IDC_CHECK4, IDC_CHECK1, IDC_CHECK2}) sizes += Ctx().IsChecked(id) ? 'x' : '-';
    }
    EXPECT_EQ(sizes, "-x--x----");
    ui_.colorAnswers = {kGreen};
    for (int box : {IDC_PICTURE8, IDC_PICTURE7, IDC_PICTURE10, IDC_PICTURE13}) {  // all but the first cancelled
        form_->OnCommand(box, BN_CLICKED);
        EXPECT_EQ(Ctx().BoxColor(box), kGreen) << "the colour last accepted";
    }

    // "Edit" with nothing selected opens no window; then Cancel, then Change on the second
    // entry, which the editor's save below shows replaced in place.
    for (int button : {IDC_FORM8_COMMAND1, IDC_FORM8_COMMAND2, IDC_FORM8_COMMAND1}) {
        Modal(IDC_COMMAND16, {"Change Text Design", IDC_FORM8_TEXT1, {"changed"}, button});
        SendMessageA(form_->Control(IDC_LIST4), LB_SETCURSEL, 1, 0);
    }
    EXPECT_EQ(dir_.Read("saved.txt"), hi + "\r\n" + line + "\r\nb\r\nc\r\n");  // as saved

    Click(IDC_OPENEDITOR);
    HWND editor = form_->TextDesigns().DesignEditorWindow(), text = GetDlgItem(editor, IDC_FORM2_TEXT1);
    SetWindowTextUtf8(text, DecorationUtf8(18) + "Thanks ");
    SendMessageA(text, EM_SETSEL, 0, 0);  // the caret at the start: still appended at the end
    SendDlgItemMessageA(editor, IDC_FORM2_LIST1, LB_SETCURSEL, 18, 0);
    SendMessageA(editor, WM_COMMAND, MAKEWPARAM(IDC_FORM2_LIST1, LBN_SELCHANGE), 0);
    const std::string made = DecorationUtf8(18) + "Thanks " + DecorationUtf8(19);
    SendMessageA(GetDlgItem(editor, IDC_FORM2_COMMAND1), BM_CLICK, 0, 0);
    EXPECT_EQ(dir_.Read("saved.txt"), hi + "\r\nchanged\r\nb\r\nc\r\n " + made + "\r\n");
    SendMessageA(editor, WM_COMMAND, MAKEWPARAM(IDM_FORM2_HELP, 0), 0);
    SetForegroundWindow(form_->Hwnd());
    Click(IDC_OPENEDITOR);  // while open: the same window to the front, its line kept
    EXPECT_EQ(GetForegroundWindow(), editor);
    EXPECT_EQ(Text(text), made);
    SendMessageA(editor, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(editor)) << "closed for good: the next one starts with an empty line";

    DeleteFileA(dir_.File("saved.txt").c_str());  // a folder instead: nothing to read back
    ASSERT_TRUE(CreateDirectoryA(dir_.File("saved.txt").c_str(), nullptr));
    Click(IDC_COMMAND18);
    EXPECT_EQ(g_seen, (Lines{"", "open", "open", "open", "closed", "", "closed", "Stop Sending", line, "closed",
                             line, "closed"}));
    const std::string no = "Save 64", question = "Save Changes 36", refusal = "Art Designs 16";
    EXPECT_EQ(Shown(), (Lines{no, no, no, question, question, refusal, refusal, question, refusal, question,
                              question, "Save 16", "Saved 16", "Not Connected 64", "Send To Room 64", "Help 32",
                              "Saved 16"}));
}

}  // namespace
