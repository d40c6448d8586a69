// The rich text box on a real RichEdit20W under Wine: text and positions with
// line breaks and characters 0x80-0xFF in play, and formats carried to another
// box through TextRTF and files. Setting formats at the insertion point is
// checked by tests/win/markup_to_rich_test.cpp, which builds a box that way.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/win/rich_format_probe.h"
#include "tests/win/win_test_support.h"
#include "ui/rich_text_box_win.h"
#include "ui/utf8.h"

using RichTextBoxTest = TwoBoxes;

const std::string kHigh = "caf\u00E9 \u2022 \u00AD soft \u20AC euro " + kMixedScripts;

TEST_F(RichTextBoxTest, TextAndPositionsCountABreakAsTwoAndTextRtfAndFilesCarryEveryFormat) {
    TempFolder dir;
    const std::string text = "bold red\r\n" + kHigh + "\r\n\r\nlast";
    a_.SetText(text);
    EXPECT_EQ(a_.Text(), text);
    const long length = static_cast<long>(Utf16FromUtf8(text).size());  // UTF-16 units
    EXPECT_EQ(a_.Length(), length);
    a_.Select(10, 4);
    EXPECT_EQ(std::tuple(a_.SelText(), a_.SelStart(), a_.SelLength()), std::tuple("caf\u00E9", 10L, 4L));
    a_.SetSelStart(length);  // the end: an insertion point
    EXPECT_EQ(std::pair(a_.SelStart(), a_.SelLength()), std::pair(length, 0L));
    a_.Select(0, 4);
    a_.SetSelBold(true);
    a_.Select(5, 3);
    a_.SetSelColor(RGB(255, 0, 0));
    ASSERT_TRUE(a_.SaveFile(dir.File("d.rtf")));
    const ProbedFormat bold{"Arial", 200, true}, red{"Arial", 200, false, false, false, false, false, RGB(255, 0, 0)};
    for (bool viaFile : {false, true}) {
        b_.SetText("");
        if (viaFile) ASSERT_TRUE(b_.LoadFile(dir.File("d.rtf")));
        else b_.SetTextRTF(a_.TextRTF());
        EXPECT_EQ(b_.Text(), a_.Text());
        const std::vector<ProbedChar> shown = ProbeCharacters(b_.Hwnd());
        EXPECT_EQ(std::tuple(shown[0].format, shown[5].format), std::tuple(bold, red)) << viaFile;
    }
    // A foreign file leaves the box alone (a missing one: tests/win/designs_tabs_test.cpp).
    dir.Write("plain.rtf", "not rtf");
    EXPECT_FALSE(b_.LoadFile(dir.File("plain.rtf")));
    EXPECT_EQ(b_.Text(), a_.Text());
}
