// MarkupToRich on real rich edit boxes under Wine: the box must hold exactly the
// reader's runs, and match a box built one character at a time through the
// selection, what is typed afterwards included.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "effects/markup_char_by_char_win.h"
#include "effects/markup_to_rich_win.h"
#include "tests/win/rich_format_probe.h"
#include "tests/win/win_test_support.h"
#include "ui/utf8.h"

// fast_ is rendered in one step, slow_ one character at a time.
class MarkupToRichTest : public TwoBoxes {
protected:
    RichTextBox& fast_ = a_;
    RichTextBox& slow_ = b_;
};

// What the box should show for `markup`: the reader's characters, a line break
// as the control's one '\r', every character in its run's format.
std::vector<ProbedChar> Expected(const std::string& markup) {
    std::vector<ProbedChar> out;
    bool afterCr = false;  // a CR LF is one break in the CR's format, even split between runs
    for (const FormattedRun& run : ReadMarkup(markup).runs) {
        const CharFormat& f = run.format;
        for (char16_t ch : Utf16FromUtf8(run.text)) {
            if (ch != '\n' || !afterCr)
                out.push_back({ch == u'\n' ? u'\r' : ch, {std::string(f.fontName), static_cast<LONG>(f.fontSize * 20), f.bold,
                                                        f.italic, f.underline, f.strikeThru, false, f.color}});
            afterCr = ch == '\r';
        }
    }
    return out;
}

// Random markup with every tag kind, in either case, odd and unknown tags, and
// bytes that need escaping. Line breaks stay out: under Wine a line appended
// through the selection starts in the base format.
std::string RandomMarkup(std::mt19937& rng) {
    static const std::vector<std::string> kTags = {
        "<b>", "</b>", "<i>", "</i>", "<u>", "</u>", "<s>", "</s>", "<font face=\"Verdana\">", "<font face=Tahoma>",
        "<font face=\"Courier New\">", "<font face=\"Times New Roman\" size=3>", "<font face=\"Comic Sans MS>",
        "<font face=\"Arial\">", "<b >", "</font>", "<>", "<br>", "<font>", "<font color=red>", "<font color=#f00>",
        "<font color=#>", "<b<i>>"};
    static const std::vector<std::string> kText = {"a", "Hello", " ", "world ", ">", "\\", "{", "}", "{\\b x}",
                                                   "caf\u00E9", "\u20AC", "\u2022", "\u00FF", "\u00A0", "\t", ";", "\""};
    std::string out;
    for (int k = 4 + static_cast<int>(rng() % 24); k > 0; --k) {
        const unsigned kind = rng() % 10;
        char color[24];
        std::snprintf(color, sizeof(color), "<font color=#%06x>", static_cast<unsigned>(rng() % 0x1000000));
        std::string piece = kind < 3 ? kTags[rng() % kTags.size()] : kind == 3 ? color : kText[rng() % kText.size()];
        if (rng() % 2) for (char& ch : piece) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        out += piece;
    }
    return rng() % 12 == 0 ? out + "<i never closed" : out;
}

TEST_F(MarkupToRichTest, EmptyMarkupLeavesAnEmptyBoxInArial10PlainBlack) {
    fast_.SetFontName("Courier New");
    fast_.SetText("left over text");
    fast_.Select(0, 4);
    fast_.SetSelBold(true);
    MarkupToRich(fast_, "");
    EXPECT_EQ(fast_.Text(), "");
    EXPECT_EQ(fast_.FontName(), "Arial");
    EXPECT_EQ(ProbeSelectionFormat(fast_.Hwnd()), (ProbedFormat{"Arial", 200}));
}

TEST_F(MarkupToRichTest, BoxHoldsTheReaderRunsAndTypingGoesOnInTheLastFormat) {
    // Typing "Z" after a render must give what rendering the markup with a "Z"
    // at its end gives: the format last in force waits at the insertion point.
    for (const std::string markup :
         {"<B>x</b>y", "<Font Color=#E80017>Hi", "a>b<b >c<>", "<b<Font Color=#0000FF>>x",
          "<font face=\"Verdana\"><i>v", "plain<b><font color=#00FF00>",
          "<font face=\"Courier New\">{code}\\path<b>\u00E9t\u00E9 \u20AC\u0153\u00FF<i>it<u>ul<s>st</b></i></u></s>"
          "<Font Color=#123456>tab\there;",
          "<font color=#FF0000>one\r\n<b>two\r\n\r\n<font face=\"Tahoma\"><u>three\r</u>\nfour\r\n"}) {
        SCOPED_TRACE(markup);
        MarkupToRich(fast_, markup);
        fast_.SetSelText("Z");
        EXPECT_EQ(ProbeCharacters(fast_.Hwnd()), Expected(markup + "Z"));
    }
}

TEST_F(MarkupToRichTest, OneStepAndCharByCharAgreeOnEveryCharacterOfSeededMarkups) {
    std::mt19937 rng(3031);
    std::vector<std::string> markups = {"<b>", "<i><u><s>all</s></u></i>", "a<b>b<i>c</b>d</i>e", "<>>",
                                        "open <b and no end", "\u00E9\u00E8\u20AC\u0178\u00FF", "<Font Color=#0000FF><b></b>"};
    while (markups.size() < 230) markups.push_back(RandomMarkup(rng));
    for (const std::string& markup : markups) {
        SCOPED_TRACE(markup);
        MarkupToRich(fast_, markup);
        MarkupToRichCharByChar(slow_, markup);
        fast_.SetSelText("Z");
        slow_.SetSelText("Z");
        const std::vector<ProbedChar> fast = ProbeCharacters(fast_.Hwnd()), slow = ProbeCharacters(slow_.Hwnd());
        ASSERT_EQ(fast, slow);
    }
}
