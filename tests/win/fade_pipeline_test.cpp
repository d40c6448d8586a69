// The fade pipeline on a real composer box and real colour pickers: what the
// user sees in the box, what the messenger would receive through TextRTF, and
// the "Random Color" repaint of the pickers.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/color_box_win.h"
#include "app/rich_text_box_win.h"
#include "effects/fade_pipeline_win.h"
#include "effects/fade_text.h"
#include "tests/win/rich_format_probe.h"
#include "tests/win/win_test_support.h"

namespace {

class FadePipelineTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterColorBoxClass();
        HINSTANCE inst = GetModuleHandleA(nullptr);
        parent_ = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 640, 400, nullptr, nullptr,
                                  inst, nullptr);
        composer_.Attach(RichTextBox::Create(parent_, 1, ES_MULTILINE | WS_VISIBLE, 0, 0, 600, 120));
        receiver_.Attach(RichTextBox::Create(parent_, 2, ES_MULTILINE | WS_VISIBLE, 0, 130, 600, 120));
        pickers_.chkRandomColor = CreateWindowExA(0, "BUTTON", "Random Color", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX,
                                                  0, 260, 120, 20, parent_, nullptr, inst, nullptr);
        pickers_.picColorA = CreateWindowExA(0, kColorBoxClass, "", WS_CHILD | WS_VISIBLE, 130, 260, 20, 20,
                                             parent_, nullptr, inst, nullptr);
        pickers_.picColorB = CreateWindowExA(0, kColorBoxClass, "", WS_CHILD | WS_VISIBLE, 160, 260, 20, 20,
                                             parent_, nullptr, inst, nullptr);
        ColorBox_SetColor(pickers_.picColorA, RGB(255, 0, 0));
        ColorBox_SetColor(pickers_.picColorB, RGB(0, 0, 255));
        RandomColorGenerator() = RandomColorSource(255);
    }
    void TearDown() override { DestroyWindow(parent_); }

    void TickRandomColor(bool on) {
        SendMessageA(pickers_.chkRandomColor, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    // What a sender does: colours from the pickers, then the pipeline.
    void SendLikeTheComposer() {
        FadePipeline(composer_, ColorBox_GetColor(pickers_.picColorA), ColorBox_GetColor(pickers_.picColorB),
                     pickers_);
    }
    // Colours of the characters the messenger would show, read from the RTF.
    std::vector<COLORREF> ReceivedColors() {
        receiver_.SetTextRTF(composer_.TextRTF());
        std::vector<COLORREF> out;
        for (const ProbedChar& c : ProbeCharacters(receiver_.Hwnd())) out.push_back(c.format.color);
        return out;
    }

    HWND parent_ = nullptr;
    RichTextBox composer_, receiver_;
    MainPickers pickers_;
};

bool ChannelsInRange(COLORREF c) {
    return GetRValue(c) >= 1 && GetGValue(c) >= 1 && GetBValue(c) >= 1 && (c >> 24) == 0;
}

}  // namespace

TEST_F(FadePipelineTest, HelloWorldArrivesFadedFromRedToBlue) {
    composer_.SetText("Hello world");
    SendLikeTheComposer();
    EXPECT_EQ(composer_.Text(), "Hello world");
    const std::vector<COLORREF> expected = {
        RGB(0xE8, 0, 0x17), RGB(0xB9, 0, 0x46), RGB(0xB9, 0, 0x46), RGB(0x8B, 0, 0x74), RGB(0x8B, 0, 0x74),
        RGB(0x5D, 0, 0xA2), RGB(0x5D, 0, 0xA2), RGB(0x2E, 0, 0xD1), RGB(0x2E, 0, 0xD1), RGB(0, 0, 0xFF),
        RGB(0, 0, 0xFF)};
    EXPECT_EQ(ReceivedColors(), expected);
    EXPECT_EQ(receiver_.Text(), "Hello world");
    // Everything else stays the box's base format.
    for (const ProbedChar& c : ProbeCharacters(composer_.Hwnd())) {
        EXPECT_EQ(c.format.face, "Arial");
        EXPECT_EQ(c.format.twips, 200);
        EXPECT_FALSE(c.format.bold || c.format.italic || c.format.underline || c.format.strike);
    }
}

TEST_F(FadePipelineTest, FormattingInTheComposerGivesWayToThePlainFadedText) {
    composer_.SetText("bold me");
    composer_.Select(0, 4);
    composer_.SetSelBold(true);
    composer_.SetSelColor(RGB(0, 200, 0));
    SendLikeTheComposer();
    EXPECT_EQ(composer_.Text(), "bold me");
    for (const ProbedChar& c : ProbeCharacters(composer_.Hwnd())) EXPECT_FALSE(c.format.bold);
    EXPECT_EQ(ReceivedColors().back(), RGB(0, 0, 255));
}

TEST_F(FadePipelineTest, TagsTypedByTheUserAreRenderedAndLinesKept) {
    composer_.SetText("a<b>bc\r\nnext line");
    SendLikeTheComposer();
    EXPECT_EQ(composer_.Text(), "abc\r\nnext line");
    const std::vector<ProbedChar> chars = ProbeCharacters(composer_.Hwnd());
    ASSERT_EQ(chars.size(), 13u);  // the line break is one character in the control
    EXPECT_FALSE(chars[0].format.bold);
    EXPECT_TRUE(chars[1].format.bold);
    EXPECT_TRUE(chars[12].format.bold) << "bold carries over the line break";
    EXPECT_EQ(chars[12].format.color, RGB(0, 0, 255));
}

TEST_F(FadePipelineTest, EmptyComposerStaysEmpty) {
    composer_.SetText("");
    SendLikeTheComposer();
    EXPECT_EQ(composer_.Text(), "");
    receiver_.SetTextRTF(composer_.TextRTF());
    EXPECT_EQ(receiver_.Text(), "");
}

TEST_F(FadePipelineTest, RandomColorOffLeavesThePickersAlone) {
    TickRandomColor(false);
    composer_.SetText("some text");
    SendLikeTheComposer();
    SendLikeTheComposer();
    EXPECT_EQ(ColorBox_GetColor(pickers_.picColorA), RGB(255, 0, 0));
    EXPECT_EQ(ColorBox_GetColor(pickers_.picColorB), RGB(0, 0, 255));
}

TEST_F(FadePipelineTest, RandomColorRepaintsThePickersButFadesBetweenTheGivenColours) {
    TickRandomColor(true);
    const std::string markup = FadeText(RGB(255, 0, 0), RGB(0, 0, 255), "Hello world", pickers_);
    EXPECT_EQ(markup, FadeText(255, 16711680, "Hello world")) << "this call keeps the colours it was given";
    const COLORREF a = ColorBox_GetColor(pickers_.picColorA);
    const COLORREF b = ColorBox_GetColor(pickers_.picColorB);
    EXPECT_NE(a, RGB(255, 0, 0));
    EXPECT_NE(b, RGB(0, 0, 255));
    EXPECT_TRUE(ChannelsInRange(a)) << std::hex << a;
    EXPECT_TRUE(ChannelsInRange(b)) << std::hex << b;

    // Even an empty text repaints the pickers.
    FadeText(0, 0, "", pickers_);
    EXPECT_FALSE(ColorBox_GetColor(pickers_.picColorA) == a && ColorBox_GetColor(pickers_.picColorB) == b);
}

TEST_F(FadePipelineTest, RandomColorGivesNewColoursOnEverySendAndTheNextSendUsesThem) {
    TickRandomColor(true);
    composer_.SetText("0123456789");
    std::set<std::pair<COLORREF, COLORREF>> seen;
    COLORREF lastA = ColorBox_GetColor(pickers_.picColorA), lastB = ColorBox_GetColor(pickers_.picColorB);
    for (int send = 0; send < 25; ++send) {
        composer_.SetText("0123456789");
        SendLikeTheComposer();
        // This send faded to the colour B shown before it; the pickers moved on.
        EXPECT_EQ(ReceivedColors().back(), lastB) << "send " << send;
        const COLORREF a = ColorBox_GetColor(pickers_.picColorA);
        const COLORREF b = ColorBox_GetColor(pickers_.picColorB);
        EXPECT_TRUE(ChannelsInRange(a) && ChannelsInRange(b)) << std::hex << a << " " << b;
        EXPECT_FALSE(a == lastA && b == lastB) << "send " << send;
        seen.insert({a, b});
        lastA = a;
        lastB = b;
    }
    EXPECT_EQ(seen.size(), 25u);
}
