// The rich text box on a real RichEdit20W under Wine: the members every sender
// relies on, with line breaks and characters 0x80-0xFF in play.
#include <gtest/gtest.h>

#include <tuple>

#include "ui/rich_text_box_win.h"
#include "tests/win/win_test_support.h"
#include "ui/utf8.h"

namespace {

using RichTextBoxTest = TwoBoxes;

const std::string kHigh = "caf\u00E9 \u2022 \u00AD soft \u20AC euro " + kMixedScripts;

// The format of the character at `at` as the box reports it: "bius" flags, colour, size, face.
std::string FormatAt(RichTextBox& box, long at) {
    box.Select(at, 1);
    return std::string(box.SelBold() ? "b" : "") + (box.SelItalic() ? "i" : "") + (box.SelUnderline() ? "u" : "") +
           (box.SelStrikeThru() ? "s" : "") + " " + std::to_string(box.SelColor()) + " " +
           std::to_string(box.SelFontSize()).substr(0, 4) + " " + box.SelFontName();
}

TEST_F(RichTextBoxTest, TextKeepsCrLfAndHighBytesAndPositionsCountABreakAsTwo) {
    for (const std::string text : {"first line\r\n" + kHigh + "\r\n\r\nlast", std::string(), std::string("{\\rtf not a document")}) {
        a_.SetText(text);  // plain text that starts like RTF stays plain text
        EXPECT_EQ(a_.Text(), text);
        EXPECT_EQ(a_.Length(), static_cast<long>(Utf16FromUtf8(text).size()));  // UTF-16 units
    }
    a_.SetText("ab\r\ncd\r\nef");
    a_.Select(4, 2);
    EXPECT_EQ(std::tuple(a_.SelText(), a_.SelStart(), a_.SelLength()), std::tuple("cd", 4L, 2L));
    a_.Select(0, 4);  // "ab" and its line break
    EXPECT_EQ(std::tuple(a_.SelText(), a_.SelStart(), a_.SelLength()), std::tuple("ab\r\n", 0L, 4L));
    a_.SetSelStart(10);  // the end: an insertion point
    EXPECT_EQ(std::pair(a_.SelStart(), a_.SelLength()), std::pair(10L, 0L));
}

TEST_F(RichTextBoxTest, TypedCharactersTakeTheFormatSetAtTheInsertionPointAndSetTextDropsIt) {
    a_.SetText("");
    a_.SetSelBold(true);
    a_.SetSelColor(RGB(10, 200, 30));
    a_.SetSelFontSize(12);
    a_.SetSelText("X");
    a_.SetSelStart(1);
    a_.SetSelBold(false);
    a_.SetSelItalic(true);
    a_.SetSelFontName("Courier New");
    a_.SetSelText("y");
    EXPECT_EQ(a_.Text(), "Xy");
    EXPECT_EQ(FormatAt(a_, 0), "b " + std::to_string(RGB(10, 200, 30)) + " 12.0 Arial");
    EXPECT_EQ(FormatAt(a_, 1), "i " + std::to_string(RGB(10, 200, 30)) + " 12.0 Courier New");
    a_.SetText("new\r\ntext");
    for (long at : {0L, 5L}) EXPECT_EQ(FormatAt(a_, at), " 0 10.0 Arial") << at;
}

TEST_F(RichTextBoxTest, TextRtfAndFilesCarryEveryFormatToAnotherBox) {
    TempFolder dir;
    a_.SetText("bold red\r\n" + kHigh);
    a_.Select(0, 4);
    a_.SetSelBold(true);
    a_.Select(5, 3);
    a_.SetSelColor(RGB(255, 0, 0));
    a_.SetSelUnderline(true);
    a_.SetSelStrikeThru(true);
    ASSERT_EQ(a_.TextRTF().rfind("{\\rtf", 0), 0u);
    ASSERT_TRUE(a_.SaveFile(dir.File("d.rtf")));
    for (bool viaFile : {false, true}) {
        b_.SetText("");
        if (viaFile) ASSERT_TRUE(b_.LoadFile(dir.File("d.rtf")));
        else b_.SetTextRTF(a_.TextRTF());
        EXPECT_EQ(b_.Text(), a_.Text());
        EXPECT_EQ(FormatAt(b_, 0), "b 0 10.0 Arial");
        EXPECT_EQ(FormatAt(b_, 5), "us 255 10.0 Arial");
    }
    // A missing or foreign file leaves the box alone.
    EXPECT_FALSE(b_.LoadFile(dir.File("missing.rtf")));
    dir.Write("plain.rtf", "not rtf");
    EXPECT_FALSE(b_.LoadFile(dir.File("plain.rtf")));
    EXPECT_EQ(b_.Text(), a_.Text());
}

}  // namespace
