// The fade pipeline on a real composer box and real colour pickers: what the
// user sees in the box, what the messenger would receive through TextRTF, and
// the "Random Color" repaint of the pickers.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "context/tab_context_win.h"
#include "effects/fade_pipeline_win.h"
#include "effects/fade_text.h"
#include "tests/win/rich_format_probe.h"
#include "tests/win/win_test_support.h"
#include "ui/color_box_win.h"

// The composer is one box, the messenger's view of what was sent the other.
class FadePipelineTest : public TwoBoxes {
protected:
    void SetUp() override {
        TwoBoxes::SetUp();
        RegisterColorBoxClass();
        Child("BUTTON", BS_AUTOCHECKBOX, IDC_CHKRANDOMCOLOR);
        ColorBox_SetColor(Child(kColorBoxClass, 0, IDC_PICCOLORA), RGB(255, 0, 0));
        ColorBox_SetColor(Child(kColorBoxClass, 0, IDC_PICCOLORB), RGB(0, 0, 255));
        context_.AttachWindows(host_, {});
    }
    HWND Child(const char* cls, DWORD style, int id) {
        return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 320, 20, 20, host_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    }
    // What a sender does: colours from the pickers, the "Random Color" roll,
    // the pipeline, then the characters the messenger shows for the box's TextRTF.
    std::vector<ProbedChar> Send(const char* text) {
        composer_.SetText(text);
        const COLORREF a = context_.BoxColor(IDC_PICCOLORA), b = context_.BoxColor(IDC_PICCOLORB);
        context_.RollRandomPickerColors();
        FadePipeline(composer_, a, b);
        receiver_.SetTextRTF(composer_.TextRTF());
        return ProbeCharacters(receiver_.Hwnd());
    }

    RichTextBox &composer_ = a_, &receiver_ = b_;
    RecorderUi ui_;
    TabContext context_{ui_, "."};
};

// Channel ranges and the pair sequence of the random source are checked in
// tests/native/fade_text_test.cpp; here, that the tab rolls a pair per call.
TEST_F(FadePipelineTest, TagsRenderedLinesKeptAndRandomColorRepaintsThePickersOnEveryCall) {
    std::vector<ProbedChar> shown = Send("a<b>bc\r\nnext line");
    ASSERT_EQ(shown.size(), 13u);  // the tag is gone and the line break is one character in the control
    EXPECT_TRUE(!shown[0].format.bold && shown[1].format.bold && shown[12].format.bold) << "bold from the tag on";
    EXPECT_EQ(shown[12].format.color, RGB(0, 0, 255));
    context_.SetChecked(IDC_CHKRANDOMCOLOR, true);
    std::set<std::pair<COLORREF, COLORREF>> seen;
    for (int send = 0; send < 12; ++send) {
        const COLORREF lastB = context_.BoxColor(IDC_PICCOLORB);
        shown = Send(send % 4 ? "0123456789" : "");  // empty text stays empty and repaints too
        EXPECT_EQ(shown.empty(), send % 4 == 0);
        EXPECT_TRUE(shown.empty() || shown.back().format.color == lastB) << "faded to the B shown before";
        seen.insert({context_.BoxColor(IDC_PICCOLORA), context_.BoxColor(IDC_PICCOLORB)});
    }
    EXPECT_EQ(seen.size(), 12u) << "a new pair on every call";
}
