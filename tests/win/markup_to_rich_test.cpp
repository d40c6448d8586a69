// MarkupToRich on real rich edit boxes under Wine: the one-step render must
// leave a box exactly as appending every character through the selection does,
// and the RTF writer's documents must load with every format intact.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/rich_text_box_win.h"
#include "effects/markup_char_by_char_win.h"
#include "effects/markup_reader.h"
#include "effects/markup_to_rich_win.h"
#include "effects/rtf_writer.h"
#include "tests/native/rtf_scan.h"
#include "tests/win/rich_format_probe.h"
#include "tests/win/win_test_support.h"

namespace {

class MarkupToRichTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 640, 400, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        fast_.Attach(RichTextBox::Create(parent_, 1, ES_MULTILINE | WS_VISIBLE, 0, 0, 600, 150));
        slow_.Attach(RichTextBox::Create(parent_, 2, ES_MULTILINE | WS_VISIBLE, 0, 160, 600, 150));
    }
    void TearDown() override { DestroyWindow(parent_); }

    // Renders `markup` both ways and reports the first difference, if any. The
    // format waiting at the insertion point is compared the way a user meets
    // it: a character typed there after the render must come out alike.
    ::testing::AssertionResult RenderBothWays(const std::string& markup) {
        MarkupToRich(fast_, markup);
        MarkupToRichCharByChar(slow_, markup);
        if (fast_.Text() != slow_.Text())
            return ::testing::AssertionFailure() << "text differs: fast \"" << fast_.Text() << "\" slow \""
                                                 << slow_.Text() << "\"";
        const std::string rendered = fast_.Text();
        fast_.SetSelText("Z");
        slow_.SetSelText("Z");
        if (fast_.Text() != rendered + "Z" || slow_.Text() != rendered + "Z")
            return ::testing::AssertionFailure() << "typing did not append at the end: fast \"" << fast_.Text()
                                                 << "\" slow \"" << slow_.Text() << "\"";
        const std::vector<ProbedChar> fast = ProbeCharacters(fast_.Hwnd());
        const std::vector<ProbedChar> slow = ProbeCharacters(slow_.Hwnd());
        if (fast.size() != slow.size())
            return ::testing::AssertionFailure() << "length differs: " << fast.size() << " vs " << slow.size();
        for (std::size_t k = 0; k < fast.size(); ++k) {
            if (fast[k].ch != slow[k].ch || !(fast[k].format == slow[k].format))
                return ::testing::AssertionFailure()
                       << (k + 1 == fast.size() ? "typed character" : "character " + std::to_string(k)) << " '"
                       << fast[k].ch << "': fast " << fast[k].format.Describe() << " slow "
                       << slow[k].format.Describe();
        }
        return ::testing::AssertionSuccess() << fast.size() << " characters alike";
    }

    HWND parent_ = nullptr;
    RichTextBox fast_, slow_;
};

// Random markup with every tag kind, the odd tags users type, and the bytes
// that need escaping in RTF. No line breaks: see LineBreaksKeepTheFormat...
std::string RandomMarkup(std::mt19937& rng, int pieces) {
    static const char* const kTags[] = {"<b>", "</b>", "<B>", "</B>", "<i>", "</i>", "<I>", "</I>",
                                        "<u>", "</u>", "<U>", "</U>", "<s>", "</s>", "<S>", "</S>"};
    static const char* const kFaces[] = {"<font face=\"Verdana\">", "<FONT FACE=\"Courier New\">",
                                         "<font face=\"Times New Roman\" size=3>", "<font face=Tahoma>",
                                         "<font face=\"Comic Sans MS>", "<font face=\"Arial\">",
                                         "<Font Face=\"Georgia\">"};
    static const char* const kOdd[] = {"<b >", "</font>", "<>", "<br>", "<font>", "<font color=red>",
                                       "<font color=#f00>", "<font color=#>", "<b<i>>", "< i>"};
    static const char* const kText[] = {"a", "Hello", " ", "world ", "7", ">", "\\", "{", "}", "{\\b x}",
                                        "caf\xE9", "\xFC", "\x80", "\x95", "\xFF", "\xA0", "\t", ";", "#", "\""};
    auto pick = [&](auto& list) { return std::string(list[rng() % (sizeof(list) / sizeof(list[0]))]); };
    static const char kHex[] = "0123456789ABCDEFabcdef";
    std::string out;
    for (int k = 0; k < pieces; ++k) {
        switch (rng() % 10) {
            case 0: case 1: out += pick(kTags); break;
            case 2: {
                std::string tag = (rng() % 2) ? "<Font Color=#" : "<font color=#";
                for (int d = 0; d < 6; ++d) tag += kHex[rng() % 22];
                out += tag + ">";
                break;
            }
            case 3: out += (rng() % 3 == 0) ? pick(kOdd) : pick(kFaces); break;
            default: out += pick(kText); break;
        }
    }
    if (rng() % 12 == 0) out += "<i never closed";
    return out;
}

}  // namespace

TEST_F(MarkupToRichTest, EmptyMarkupLeavesAnEmptyBoxInArial10PlainBlack) {
    fast_.SetText("left over text");
    fast_.Select(0, 4);
    fast_.SetSelBold(true);
    MarkupToRich(fast_, "");
    EXPECT_EQ(fast_.Text(), "");
    EXPECT_EQ(fast_.FontName(), "Arial");
    const ProbedFormat caret = ProbeInsertionFormat(fast_.Hwnd());
    EXPECT_EQ(caret.face, "Arial");
    EXPECT_EQ(caret.twips, 200);
    EXPECT_FALSE(caret.bold || caret.italic || caret.underline || caret.strike);
    EXPECT_EQ(caret.color, 0u);
    EXPECT_FALSE(caret.autoColor);
    EXPECT_TRUE(RenderBothWays(""));
}

TEST_F(MarkupToRichTest, DocumentedExamplesRenderAsTheUserSeesThem) {
    MarkupToRich(fast_, "<B>x</b>y");
    EXPECT_EQ(fast_.Text(), "xy");
    fast_.Select(0, 1);
    EXPECT_TRUE(fast_.SelBold());
    fast_.Select(1, 1);
    EXPECT_FALSE(fast_.SelBold());

    MarkupToRich(fast_, "<Font Color=#E80017>Hi");
    fast_.Select(1, 1);
    EXPECT_EQ(fast_.SelColor(), RGB(232, 0, 23));

    MarkupToRich(fast_, "a>b<b >c<>");
    EXPECT_EQ(fast_.Text(), "a>bc");

    MarkupToRich(fast_, "<b<Font Color=#0000FF>>x");
    EXPECT_EQ(fast_.Text(), ">x");
    fast_.Select(1, 1);
    EXPECT_EQ(fast_.SelColor(), RGB(0, 0, 0));

    MarkupToRich(fast_, "<font face=\"Verdana\"><i>v");
    fast_.Select(0, 1);
    EXPECT_EQ(fast_.SelFontName(), "verdana");
    EXPECT_TRUE(fast_.SelItalic());
    EXPECT_EQ(fast_.SelFontSize(), 10);
}

TEST_F(MarkupToRichTest, TypingAfterTheRenderTakesTheFormatLastInForce) {
    MarkupToRich(fast_, "plain<b><font color=#00FF00>");
    const CHARRANGE sel = ProbeSelection(fast_.Hwnd());
    EXPECT_EQ(sel.cpMin, 5);
    EXPECT_EQ(sel.cpMax, 5);
    fast_.SetSelText("X");
    EXPECT_EQ(fast_.Text(), "plainX");
    fast_.Select(5, 1);
    EXPECT_TRUE(fast_.SelBold());
    EXPECT_EQ(fast_.SelColor(), RGB(0, 255, 0));
    fast_.Select(4, 1);
    EXPECT_FALSE(fast_.SelBold());
}

// Every character of `box` against the format the markup reader gave it. A
// line break is one character in the control and CR LF in the box's text.
void ExpectBoxHoldsRuns(RichTextBox& box, const RenderedMarkup& doc) {
    std::string expectedText;
    std::vector<CharFormat> expected;
    for (const FormattedRun& run : NormalizeRuns(doc.runs)) {
        expectedText += run.text;
        for (std::size_t i = 0; i < run.text.size(); ++i) {
            if (run.text[i] == '\r') ++i;  // always followed by its LF here
            expected.push_back(run.format);
        }
    }
    EXPECT_EQ(box.Text(), expectedText);
    const std::vector<ProbedChar> got = ProbeCharacters(box.Hwnd());
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t k = 0; k < got.size(); ++k) {
        SCOPED_TRACE("character " + std::to_string(k) + " " + got[k].format.Describe());
        const CharFormat& want = expected[k];
        EXPECT_EQ(got[k].format.face, want.fontName);
        EXPECT_EQ(got[k].format.twips, 200);
        EXPECT_EQ(got[k].format.bold, want.bold);
        EXPECT_EQ(got[k].format.italic, want.italic);
        EXPECT_EQ(got[k].format.underline, want.underline);
        EXPECT_EQ(got[k].format.strike, want.strikeThru);
        EXPECT_EQ(got[k].format.color, want.color);
        EXPECT_FALSE(got[k].format.autoColor);
    }
}

TEST_F(MarkupToRichTest, RtfWriterDocumentsLoadWithEveryFormat) {
    const std::string markup =
        "<font face=\"Courier New\">{code}\\path<b>\xE9t\xE9 \x80\x9C\xFF<i>it<u>ul<s>st"
        "</b></i></u></s><Font Color=#123456>tab\there;<font face=\"a;b\">z";
    const RenderedMarkup doc = ReadMarkup(markup);
    fast_.SetTextRTF(WriteRtf(doc));
    ExpectBoxHoldsRuns(fast_, doc);
}

TEST_F(MarkupToRichTest, LineBreaksKeepTheFormatInForceOnTheNextLine) {
    // Appending through the selection under Wine loses the format after a line
    // break (the new line starts in the base format), so this is checked
    // against the reader's runs rather than against the char-by-char box.
    const std::string markup =
        "<font color=#FF0000>one\r\n<b>two\r\n\r\n<font face=\"Tahoma\"><u>three\r</u>\nfour\r\n";
    MarkupToRich(fast_, markup);
    EXPECT_EQ(fast_.Text(), "one\r\ntwo\r\n\r\nthree\r\nfour\r\n");
    ExpectBoxHoldsRuns(fast_, ReadMarkup(markup));
    MarkupToRich(fast_, markup);  // the probe moved the selection; render afresh
    fast_.SetSelText("Z");
    EXPECT_EQ(fast_.Text(), "one\r\ntwo\r\n\r\nthree\r\nfour\r\nZ");
    fast_.Select(static_cast<long>(fast_.Text().size()) - 1, 1);
    EXPECT_TRUE(fast_.SelBold());
    EXPECT_FALSE(fast_.SelUnderline());
    EXPECT_EQ(fast_.SelColor(), RGB(255, 0, 0));
    EXPECT_EQ(fast_.SelFontName(), "tahoma");
}

TEST_F(MarkupToRichTest, TextRtfOfARenderedBoxCarriesItToAnotherBox) {
    MarkupToRich(fast_, "<font color=#FF0000>red <b>bold</b> <font face=\"Tahoma\"><u>\xE9\\{}</u>");
    slow_.SetTextRTF(fast_.TextRTF());
    EXPECT_EQ(slow_.Text(), fast_.Text());
    const std::vector<ProbedChar> a = ProbeCharacters(fast_.Hwnd());
    const std::vector<ProbedChar> b = ProbeCharacters(slow_.Hwnd());
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t k = 0; k < a.size(); ++k)
        EXPECT_EQ(a[k].format, b[k].format) << k << ": " << a[k].format.Describe() << " / " << b[k].format.Describe();
}

TEST_F(MarkupToRichTest, FastAndCharByCharAgreeOnHandPickedMarkups) {
    for (const char* markup :
         {"x", "<b>", "<b>x</b>y", "<i><u><s>all</s></u></i>", "<font color=#f00>x", "<font color=red>x",
          "a<b>b<i>c</b>d</i>e", "<font face=\"Verdana\">v<font face=\"Arial\">a", "{\\rtf1 not really}",
          "open <b and no end", "\xE9\xE8\x80\x9F\xFF", "<Font Color=#0000FF><b></b>", "<>>"}) {
        EXPECT_TRUE(RenderBothWays(markup)) << markup;
    }
}

TEST_F(MarkupToRichTest, FastAndCharByCharAgreeOnSeededRandomMarkups) {
    std::mt19937 rng(3031);
    int compared = 0;
    for (int round = 0; round < 220; ++round) {
        const std::string markup = RandomMarkup(rng, 4 + static_cast<int>(rng() % 24));
        ASSERT_TRUE(RenderBothWays(markup)) << "markup #" << round << ": " << markup;
        ++compared;
    }
    EXPECT_EQ(compared, 220);
}
