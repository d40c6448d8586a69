// End to end: Auto Send on the Text Designs tab delivers into a room of the
// demo messenger (another process), and what the room posted is read back
// from its transcript. The posted RTF is loaded into a rich edit here to see
// the formatting the room shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/form1_win.h"
#include "app/line_list.h"
#include "app/rich_text_box_win.h"
#include "designs/decorations.h"
#include "link/messenger_link_win.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/rich_format_probe.h"
#include "tests/win/win_test_support.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

std::string Decoration(int number) { return std::string(kDecorations[static_cast<std::size_t>(number - 1)]); }

// The characters and formats a room shows for a posted message.
std::vector<ProbedChar> AsShown(const std::string& rtf) {
    RichTextBox::LoadLibraryOnce();
    HWND hwnd = CreateWindowExA(0, "RichEdit20W", "", WS_POPUP | ES_MULTILINE, 0, 0, 300, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    RichTextBox box(hwnd);
    box.SetTextRTF(rtf);
    auto chars = ProbeCharacters(hwnd);
    DestroyWindow(hwnd);
    // The paragraph mark at the end is no character of the message.
    while (!chars.empty() && (chars.back().ch == '\r' || chars.back().ch == '\n')) chars.pop_back();
    return chars;
}

class AutoSendToRoom : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The messenger generation is read from its uninstall record; the
        // guard puts the records back as they were when the suite ends.
        records_ = new PalInstallRecordsGuard;
        ASSERT_TRUE(DemoMessenger::Install("11.5"));
    }
    static void TearDownTestSuite() {
        delete records_;
        records_ = nullptr;
    }
    static inline PalInstallRecordsGuard* records_ = nullptr;

    void Start(const std::vector<std::string>& designs) {
        room_ = "Lobby " + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(messenger_.Start({room_}));
        dir_.Write("dl.txt", "");
        dir_.Write("nicks.txt", "Bob\r\n");
        dir_.Write("saved.txt", FormatLineList(designs));
        dir_.Write("dlist.txt", "");
        form_ = std::make_unique<Form1>(ui_, dir_.Path());
        ASSERT_NE(form_->Create(false), nullptr);
        form_->Link().PalRoomGrab();
        ASSERT_EQ(form_->ControlText(IDC_COMBO1), room_);
        form_->ShowTab(1);
        Click(IDC_OPTION8);  // Auto Send "Yes"
    }
    void TearDown() override {
        form_.reset();
        PumpMessages();
    }

    void Click(int id) { SendMessageA(form_->Control(id), BM_CLICK, 0, 0); }
    HWND List4() { return form_->Control(IDC_LIST4); }
    void Choose(int index) {
        SendMessageA(List4(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        form_->OnCommand(IDC_LIST4, LBN_SELCHANGE, List4());
    }
    // Something the user has started typing in the room's own input box: any
    // delivery would replace it.
    void DraftInRoom(const char* text) {
        SendMessageTimeoutA(messenger_.InputBox(room_), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text),
                            SMTO_ABORTIFHUNG, 2000, nullptr);
    }
    std::string InputBoxText() { return DemoMessenger::WindowText(messenger_.InputBox(room_)); }

    DemoMessenger messenger_;
    RecorderUi ui_;
    TempFolder dir_;
    std::unique_ptr<Form1> form_;
    std::string room_;
};

TEST_F(AutoSendToRoom, NickFadeBoldAndSizeReachTheRoom) {
    Start({"Hi sn%!"});
    form_->SetControlText(IDC_LABEL3, "Bob");
    form_->SetBoxColor(IDC_PICTURE7, kGreen);
    Click(IDC_CHECK3);  // Bold
    Click(IDC_CHECK2);  // 12 points
    Choose(0);

    auto posted = messenger_.WaitForTranscript(1);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].room, room_);
    EXPECT_EQ(posted[0].text, "Hi Bob!");
    auto shown = AsShown(posted[0].rtf);
    ASSERT_EQ(shown.size(), 7u);
    for (const auto& c : shown) {
        SCOPED_TRACE(std::string(1, c.ch));
        EXPECT_TRUE(c.format.bold);
        EXPECT_EQ(c.format.twips, 240);
    }
    // From colour A towards colour B, ending exactly on B.
    EXPECT_EQ(shown.back().format.color, kBlue);
    EXPECT_GT(GetGValue(shown.front().format.color), GetBValue(shown.front().format.color));
    EXPECT_NE(shown[3].format.color, shown.front().format.color);
}

TEST_F(AutoSendToRoom, WithoutANickThePlaceholderArrivesAsWritten) {
    Start({"Hi sn%!"});
    ASSERT_EQ(form_->Label3Caption(), "No Nick");
    Choose(0);
    auto posted = messenger_.WaitForTranscript(1);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].text, "Hi sn%!");
    auto shown = AsShown(posted[0].rtf);
    ASSERT_FALSE(shown.empty());
    EXPECT_FALSE(shown.front().format.bold);
    // Colour A is still the red it starts with.
    EXPECT_GT(GetRValue(shown.front().format.color), GetBValue(shown.front().format.color));
    EXPECT_EQ(shown.back().format.color, kBlue);
}

TEST_F(AutoSendToRoom, AnEmptyDesignAndAutoSendNoSendNothing) {
    Start({"", "copied only", "marker"});
    DraftInRoom("draft");
    Choose(0);  // empty design
    Click(IDC_OPTION7);
    Choose(1);  // "No": into the composer only
    EXPECT_EQ(form_->Box(1).Text(), "copied only");
    // The room's input box still holds the user's draft: nothing was delivered.
    EXPECT_EQ(InputBoxText(), "draft");
    EXPECT_TRUE(messenger_.Transcript().empty());

    DraftInRoom("");
    Click(IDC_OPTION8);
    Choose(2);
    auto posted = messenger_.WaitForTranscript(1);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].text, "marker");
}

TEST_F(AutoSendToRoom, DecorationsArriveByteForByte) {
    const std::string softHyphens = Decoration(94) + " Thanks " + Decoration(19);  // 0xAD in both
    const std::string bullets = Decoration(11) + "Hi " + Decoration(12);            // 0x95, 0xF7, ...
    Start({softHyphens, bullets});
    Choose(0);
    Choose(1);
    auto posted = messenger_.WaitForTranscript(2);
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].text, softHyphens);
    EXPECT_EQ(posted[1].text, bullets);
}

TEST_F(AutoSendToRoom, ArrowKeysSendEveryEntryPassed) {
    Start({"one", "two", "three"});
    Choose(0);
    SetFocus(List4());
    SendMessageA(List4(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(List4(), WM_KEYDOWN, VK_DOWN, 0);
    auto posted = messenger_.WaitForTranscript(3);
    ASSERT_EQ(posted.size(), 3u);
    EXPECT_EQ(posted[0].text, "one");
    EXPECT_EQ(posted[1].text, "two");
    EXPECT_EQ(posted[2].text, "three");
}

}  // namespace
