// MarkupToRich on real rich edit boxes under Wine: the box must hold exactly the
// reader's runs, and match a box built one character at a time through the
// selection, what is typed afterwards included.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench/baselines_win.h"
#include "effects/markup_to_rich_win.h"
#include "tests/win/rich_format_probe.h"
#include "tests/win/win_test_support.h"
#include "ui/utf8.h"

using MarkupToRichTest = TwoBoxes;

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

// Random markup with every tag kind, odd and unknown tags, and bytes that need
// escaping; the line breaks come with the fixed markups below.
std::string RandomMarkup(std::mt19937& rng) {
    static const std::vector<std::string> kTags = {
        "<b>", "</b>", "<i>", "</i>", "<u>", "</u>", "<s>", "</s>", "<font face=\"Verdana\">", "<font face=Tahoma>",
        "<font face=\"Courier New\">", "<font face=\"Times New Roman\" size=3>", "<font face=\"Comic Sans MS>",
        "<font face=\"Arial\">", "</font>", "<font color=red>", "<font color=#f00>", "<font color=#>", "<b<i>>"};
    static const std::vector<std::string> kText = {"a", "Hello", " ", "world ", ">", "\\", "{", "}", "{\\b x}",
                                                   "caf\u00E9", "\u20AC", "\u2022", "\u00FF", "\u00A0", "\t", ";", "\""};
    std::string out;
    for (int k = 4 + static_cast<int>(rng() % 24); k > 0; --k) {
        const unsigned kind = rng() % 10;
        char color[24];
        std::snprintf(color, sizeof(color), "<font color=#%06x>", static_cast<unsigned>(rng() % 0x1000000));
        std::string piece = kind < 3 ? kTags[rng() % kTags.size()] : kind == 3 ? color : kText[rng() % kText.size()];
        out += piece;
    }
    return rng() % 12 == 0 ? out + "<i never closed" : out;
}

// Typing "Z" after a render must give what rendering the markup with a "Z" at
// its end gives: the format last in force waits at the insertion point.
TEST_F(MarkupToRichTest, BoxHoldsTheReaderRunsInOneStepOrCharByCharAndTypingGoesOnInTheLastFormat) {
    RichTextBox &fast = a_, &slow = b_;  // rendered in one step, and one character at a time
    fast.SetFontName("Courier New");  // what an empty markup must clear
    std::mt19937 rng(3031);
    // The random markups hold every tag kind; these add what they cannot: no
    // text at all, a tag after the last character, and line breaks.
    std::vector<std::string> markups = {
        "", "<b>", "<Font Color=#0000FF><b></b>", "open <b and no end",
        "<font face=\"Courier New\">{code}\\path<b>\u00E9t\u00E9 \u20AC\u0153\u00FF<i>it<u>ul<s>st</b></i></u></s>"
        "<Font Color=#123456>tab\there;",
        "<font color=#FF0000>one\r\n<b>two\r\n\r\n<font face=\"Tahoma\"><u>three\r</u>\nfour\r\n"};
    while (markups.size() < 230) markups.push_back(RandomMarkup(rng));
    for (const std::string& markup : markups) {
        SCOPED_TRACE(markup);
        MarkupToRich(fast, markup);
        EXPECT_EQ(fast.FontName(), "Arial");
        fast.SetSelText("Z");
        // Positions count a line break as two, as the text shows it: the caret after the "Z" is at the end.
        EXPECT_TRUE(fast.Length() == long(Utf16FromUtf8(fast.Text()).size()) && fast.SelStart() == fast.Length());
        const std::vector<ProbedChar> shown = ProbeCharacters(fast.Hwnd());
        ASSERT_EQ(shown, Expected(markup + "Z"));
        MarkupToRichCharByChar(slow, markup);
        slow.SetSelText("Z");
        ASSERT_EQ(ProbeCharacters(slow.Hwnd()), shown);
    }
}
