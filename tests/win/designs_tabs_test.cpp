// The Text Designs and Art Designs tabs in a real main window over a scratch application
// folder: the lists and their files, the editor and modal windows, fades, sending to a room.
// Each scenario starts from the same folder and window.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "app/form1_win.h"
#include "bench/baselines_win.h"
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
// g_seen gets the text each window opened with and "open" or "closed" after each click
// (and what other timer ticks saw).
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
    // No Designs folder yet; dlist.txt lists two designs never saved, one with no file and one leading out.
    void SetUp() override {
        g_seen.clear();
        for (const char* name : {"dl.txt", "nicks.txt"}) dir_.Write(name, "");
        dir_.Write("saved.txt", hi + "\r\n\r\n");
        dir_.Write("dlist.txt", "one\r\ntwo\r\nghost\r\n..\\out\r\n");
        form_ = std::make_unique<Form1>(ui_, dir_.Path());
        ASSERT_NE(form_->Create(true), nullptr);
        form_->ShowTab(2);
    }
    // The messenger, whose input box is bold italic green Tahoma unless told otherwise, and its room chosen.
    void Connect() {
        ASSERT_TRUE(messenger_.Start({kUnicodeRoom, "Chatter"}, {"--styled-input"}));
        form_->Link().SetPal10Classes();
        Ctx().SetControlText(IDC_COMBO1, kUnicodeRoom);
    }
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
    // What the room showed for post `k`: each character's look.
    std::vector<Look> PostedLooks(std::size_t k) {
        Box(4).SetTextRTF(messenger_.Transcript().at(k).rtf);
        return Looks(Box(4));
    }

    const std::string hi = "Hi sn%! " + kMixedScripts;
    RecorderUi ui_;
    TempFolder dir_;
    DemoMessenger messenger_;
    std::unique_ptr<Form1> form_;
};

// Each format button acts on the art design's selection only; the fade matches the colouring done one character
// at a time, which counts a character as a person does and a line break as two.
TEST_F(DesignTabs, ArtFormatButtonsActOnTheSelectionAndTheFadeColoursEachCharacterWhole) {
    DrawThreeLines("\r\n" + std::string(58, '~') + "😀~");  // 79 characters (80 units): runs of 6
    ui_.colorAnswers = {kGrey};  // accepted once, then cancelled: the colour last accepted
    for (auto [start, length, button] : {std::tuple{5L, 5L, IDC_COMMAND29}, {5L, 5L, IDC_COMMAND26},
                                         {5L, 1L, IDC_COMMAND28}, {0L, 1L, IDC_COMMAND27}, {0L, 1L, IDC_COMMAND30},
                                         {1L, 1L, IDC_COMMAND30}}) {
        Box(5).Select(start, length);
        Click(button);
    }
    const std::vector<Look> looks = Looks(Box(5));  // Red, then Green
    EXPECT_EQ(std::vector<Look>(looks.begin(), looks.begin() + 6),
              (std::vector<Look>{{'R', kGrey, true, false, 160}, {'e', kGrey, true, false, 200},
                                 {'d', kRed, true, false, 200}, {'\r', kRed, true, false, 200},
                                 {'G', kGreen, true, false, 200}, {'r', kGreen, true, false, 240}}));
    Box(4).SetTextRTF(Box(5).TextRTF());
    Click(IDC_COMMAND24);  // Fade, from the boxes' start colours red to blue
    ApplyArtFadePerCharacter(Box(4), static_cast<std::int32_t>(kRed), static_cast<std::int32_t>(kBlue));
    EXPECT_EQ(Looks(Box(5)), Looks(Box(4)));
    EXPECT_EQ(Shown(), Lines{});
}

// "Save As New" refuses names that cannot be files, keeping its window open; a saved design opens again as it
// was, a file that is not RTF is said; Save Changes asks first and writes only the highlighted row's file, keeping the old one when the write
// fails; rows naming no file or leading out of Designs are never opened nor written; Delete From List keeps
// the files (a dlist.txt that cannot be written: form1_test).
TEST_F(DesignTabs, TheArtLibrarySavesOpensAndDeletesDesignsInDesignsAndDlist) {
    DrawThreeLines("");
    const std::vector<Look> drawn = Looks(Box(5));
    Modal(IDC_COMMAND23, {"Save", IDC_FORM5_TEXT1, {"a/b", "con", "x:y", "heart"}, IDC_FORM5_COMMAND1});
    EXPECT_EQ(g_seen, (Lines{"", "open", "open", "open", "closed"}));
    EXPECT_EQ(dir_.Read("dlist.txt"), "one\r\ntwo\r\nghost\r\n..\\out\r\nheart\r\n");
    Click(IDC_COMMAND22);  // Clear
    EXPECT_EQ(Box(5).Text(), "");
    ClickRows({4});
    EXPECT_EQ(Looks(Box(5)), drawn) << "from Designs\\heart.rtf in the folder the save made";

    Box(5).SetText("changed");
    ui_.nextAnswer = IDYES;
    Click(IDC_COMMAND20);  // Save Changes
    ClickRows({});
    EXPECT_EQ(Box(5).Text(), "");
    Click(IDC_COMMAND20);  // nothing highlighted: the question, then nothing
    dir_.Write("Designs\\two.rtf", "not rtf");
    ClickRows({1});  // said, as a missing file is
    ClickRows({2});  // ghost: no file
    ClickRows({3});  // a row leading out of Designs is listed, never opened nor written
    Click(IDC_COMMAND20);
    ClickRows({0, 4});
    Box(5).SetText("lost");
    ui_.nextAnswer = IDNO;
    Click(IDC_COMMAND20);
    ui_.nextAnswer = IDYES;
    HANDLE held = CreateFileA(dir_.File("Designs\\heart.rtf").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    Click(IDC_COMMAND20);  // held open by another program: the write fails, the old design stays
    CloseHandle(held);
    ClickRows({0, 4});
    EXPECT_EQ(Box(5).Text(), "changed");
    Click(IDC_COMMAND21);  // Delete From List: no question, the files stay
    EXPECT_EQ(dir_.Read("dlist.txt"), "two\r\nghost\r\n..\\out\r\n");
    EXPECT_TRUE(dir_.Exists("Designs\\heart.rtf"));
    const std::string no = "Save 64", question = "Save Changes 36", refusal = "Art Designs 16";
    EXPECT_EQ(Shown(), (Lines{no, no, no, question, question, refusal, refusal, refusal, question, refusal,
                              question, question, "Save 16"}));
}

// Send To Room: refused without a room or with a pause that is not a number; then the design goes out line by
// line, each keeping its colour and bold, with the nick in place of "sn%" (the design keeps its "sn%") and the
// pause asked for after each line, the last included. A second click ends a send after its line, the timer
// started meanwhile waiting its turn.
TEST_F(DesignTabs, AnArtSendGoesLineByLineWithItsPausesAndTheNickAndASecondClickEndsIt) {
    DrawThreeLines(" sn% " + kMixedScripts);
    Ctx().SetControlText(IDC_LABEL3, "Bob");
    Click(IDC_COMMAND25);  // no room yet: the user is told, nothing sent
    Connect();
    Ctx().SetControlText(IDC_TEXT5, "1,5");
    Click(IDC_COMMAND25);
    Ctx().SetControlText(IDC_TEXT5, "1");
    const ULONGLONG start = GetTickCount64();
    Click(IDC_COMMAND25);
    EXPECT_GE(GetTickCount64() - start, 3000u) << "three pauses, the last included";
    const std::vector<TranscriptEntry> posted = messenger_.Transcript();
    ASSERT_EQ(posted.size(), 3u);
    for (std::size_t k : {0, 1}) {  // at least the pause, less than twice it
        EXPECT_TRUE(posted[k + 1].ms - posted[k].ms >= 999 && posted[k + 1].ms - posted[k].ms < 2000) << k;
    }
    EXPECT_EQ(Box(1).Text().substr(0, 5), "Blue!") << "the composer keeps the last line";
    EXPECT_EQ(Box(5).Text(), "Red\r\nGreen\r\nBlue! sn% " + kMixedScripts);
    const std::tuple<std::string, COLORREF, bool> sent[] = {
        {"Red", kRed, true}, {"Green", kGreen, false}, {"Blue! Bob " + kMixedScripts, kBlue, true}};
    for (std::size_t k = 0; k < 3; ++k) {
        const auto& [text, color, bold] = sent[k];
        EXPECT_EQ(posted[k].room + ": " + posted[k].text, kUnicodeRoom + ": " + text);
        for (const Look& look : PostedLooks(k)) EXPECT_EQ(look, (Look{std::get<0>(look), color, bold, false, 200})) << k;
    }
    static Form1* form = form_.get();
    SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        g_seen.push_back(CaptionOf(form->Control(IDC_COMMAND25)));
        form->OnCommand(IDC_COMMAND8, BN_CLICKED);  // Start
        form->OnCommand(IDC_COMMAND25, BN_CLICKED);
    });
    Click(IDC_COMMAND25);
    form_->OnCommand(IDC_COMMAND9, BN_CLICKED);
    EXPECT_EQ(g_seen, Lines{"Stop Sending"});
    EXPECT_EQ(CaptionOf(form_->Control(IDC_COMMAND25)), "Send To Room");
    EXPECT_EQ(messenger_.Transcript().size(), 4u) << "the first line, nothing of the timer's";
    EXPECT_EQ(Shown(), (Lines{"Not Connected 64", "Send To Room 64"}));
}

// Auto Send "Yes": choosing a text design sends it, the nick put in, faded from colour A (the box's, not the one shown in
// Picture10) to exactly B, with the bold and size checked, and leaves the caret at the end; an empty design
// sends nothing.
TEST_F(DesignTabs, AutoSendFadesTheChosenDesignWithItsBoldAndSizeAndAnEmptyOneSendsNothing) {
    Connect();
    Ctx().SetControlText(IDC_LABEL3, "Bob");
    Click(IDC_OPTION8);
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
    ASSERT_EQ(messenger_.Transcript().size(), 2u);
    for (const auto [k, bold, twips] : {std::tuple{0u, true, 240L}, {1u, false, 160L}}) {
        EXPECT_EQ(messenger_.Transcript()[k].text, "Hi Bob! " + kMixedScripts);
        const std::vector<Look> shown = PostedLooks(k);
        for (const Look& look : shown) EXPECT_EQ(look, (Look{std::get<0>(look), std::get<1>(look), bold, false, twips})) << k;
        EXPECT_EQ(std::get<1>(shown.back()), kBlue) << "faded to exactly colour B";
        EXPECT_EQ(std::get<1>(shown.at(shown.size() - 2)), kBlue) << "the emoji's two halves in one colour";
        EXPECT_GT(GetRValue(std::get<1>(shown[0])), GetBValue(std::get<1>(shown[0]))) << "from colour A";
    }
    EXPECT_EQ(Shown(), Lines{});
}

// Auto Send "No": the list and saved.txt (read as UTF-8, so written so), the size boxes, the Change window and the
// editor. (Each colour box keeps what its picker gave: settings_test; a cancelled picker: main_tab_test.)
TEST_F(DesignTabs, TheTextDesignsListItsFileTheSizeAndColourBoxesTheChangeWindowAndTheEditor) {
    const std::string line = DecorationUtf8(18) + "a, \"quoted\" " + DecorationUtf8(93);
    Ctx().SetControlText(IDC_LABEL3, "Bob");
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

    // "Edit" with nothing selected opens no window; then Cancel, then Change on the second
    // entry, which the editor's save below shows replaced in place.
    for (int button : {IDC_FORM8_COMMAND1, IDC_FORM8_COMMAND2, IDC_FORM8_COMMAND1}) {
        Modal(IDC_COMMAND16, {"Change Text Design", IDC_FORM8_TEXT1, {"changed"}, button});
        SendMessageA(form_->Control(IDC_LIST4), LB_SETCURSEL, 1, 0);
    }
    EXPECT_EQ(g_seen, (Lines{line, "closed", line, "closed"}));
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
    EXPECT_EQ(Shown(), (Lines{"Help 32", "Saved 16"}));
}

// Word processors' files: a table the rich edit's own table code cannot take opens as its text (every other form
// of theirs design_rtf_test holds to the exact RTF); a file with nothing the box can show is said, and never saved over.
TEST_F(DesignTabs, ATableOpensAsTextAndAnUnreadableDesignIsNeverSavedOver) {
    const std::string unreadable = "{\\rtf1{\\pict\\pngblip 89504e47}}";
    CreateDirectoryA(dir_.File("Designs").c_str(), nullptr);
    dir_.Write("Designs\\one.rtf", "{\\rtf1\\trowd\\cellx2000\\intbl A\\cell B\\cell C\\cell D\\cell\\row\\pard After}");
    dir_.Write("Designs\\two.rtf", unreadable);
    ClickRows({0});
    EXPECT_EQ(Box(5).Text(), "A\tB\tC\tD\r\nAfter");
    ClickRows({1});
    Box(5).SetText("drawn after");
    ui_.nextAnswer = IDYES;
    Click(IDC_COMMAND20);  // Save Changes: asked, then refused
    EXPECT_EQ(dir_.Read("Designs\\two.rtf"), unreadable);
    EXPECT_NE(ui_.messages.at(0).text.find("could not be read"), std::string::npos) << ui_.messages[0].text;
    EXPECT_EQ(Shown(), (Lines{"Art Designs 16", "Save Changes 36", "Save Changes 16"}));
}

}  // namespace
