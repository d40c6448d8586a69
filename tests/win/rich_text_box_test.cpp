// The rich text box on a real RichEdit20W under Wine: the members every sender
// relies on, with line breaks and characters 0x80-0xFF in play.
#include <gtest/gtest.h>

#include "ui/rich_text_box_win.h"
#include "tests/win/win_test_support.h"
#include "ui/utf8.h"

namespace {

using RichTextBoxTest = TwoBoxes;

const std::string kHigh = "caf\u00E9 \u2022 \u00AD soft \u20AC euro " + kMixedScripts;

TEST_F(RichTextBoxTest, TextKeepsCrLfAndHighBytes) {
    std::string text = "first line\r\n" + kHigh + "\r\n\r\nlast";
    a_.SetText(text);
    EXPECT_EQ(a_.Text(), text);
    EXPECT_EQ(a_.Length(), static_cast<long>(Utf16FromUtf8(text).size()));  // UTF-16 units
    a_.SetText("");
    EXPECT_EQ(a_.Text(), "");
    // Plain text that happens to start like RTF stays plain text.
    a_.SetText("{\\rtf is not a document here}");
    EXPECT_EQ(a_.Text(), "{\\rtf is not a document here}");
}

TEST_F(RichTextBoxTest, SettingTextDropsEveryFormerFormat) {
    a_.SetText("old");
    a_.Select(0, 3);
    a_.SetSelBold(true);
    a_.SetSelColor(RGB(255, 0, 0));
    a_.SetSelFontSize(12);
    a_.SetSelFontName("Courier New");
    a_.SetText("new\r\ntext");
    for (long at : {0L, 5L}) {
        a_.Select(at, 1);
        EXPECT_FALSE(a_.SelBold());
        EXPECT_EQ(a_.SelColor(), RGB(0, 0, 0));
        EXPECT_EQ(a_.SelFontSize(), 10);
        EXPECT_EQ(a_.SelFontName(), "Arial");
    }
}

TEST_F(RichTextBoxTest, PositionsCountALineBreakAsTwoCharacters) {
    a_.SetText("ab\r\ncd\r\nef");
    a_.Select(4, 2);
    EXPECT_EQ(a_.SelText(), "cd");
    EXPECT_EQ(a_.SelStart(), 4);
    EXPECT_EQ(a_.SelLength(), 2);
    a_.Select(0, 4);  // "ab" and its line break
    EXPECT_EQ(a_.SelText(), "ab\r\n");
    EXPECT_EQ(a_.SelLength(), 4);
    a_.SetSelStart(10);  // the end: an insertion point
    EXPECT_EQ(a_.SelStart(), 10);
    EXPECT_EQ(a_.SelLength(), 0);
}

TEST_F(RichTextBoxTest, CharactersAppendedAtTheInsertionPointTakeTheFormatSetThere) {
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
    a_.Select(0, 1);
    EXPECT_TRUE(a_.SelBold());
    EXPECT_FALSE(a_.SelItalic());
    EXPECT_EQ(a_.SelColor(), RGB(10, 200, 30));
    EXPECT_EQ(a_.SelFontSize(), 12);
    a_.Select(1, 1);
    EXPECT_FALSE(a_.SelBold());
    EXPECT_TRUE(a_.SelItalic());
    EXPECT_EQ(a_.SelFontName(), "Courier New");
}

TEST_F(RichTextBoxTest, TextRtfCarriesEveryFormatToAnotherBox) {
    a_.SetText("bold red\r\n" + kHigh);
    a_.Select(0, 4);
    a_.SetSelBold(true);
    a_.Select(5, 3);
    a_.SetSelColor(RGB(255, 0, 0));
    a_.SetSelUnderline(true);
    a_.SetSelStrikeThru(true);
    std::string rtf = a_.TextRTF();
    ASSERT_EQ(rtf.rfind("{\\rtf", 0), 0u);
    b_.SetTextRTF(rtf);
    EXPECT_EQ(b_.Text(), a_.Text());
    b_.Select(0, 4);
    EXPECT_TRUE(b_.SelBold());
    b_.Select(5, 3);
    EXPECT_FALSE(b_.SelBold());
    EXPECT_EQ(b_.SelColor(), RGB(255, 0, 0));
    EXPECT_TRUE(b_.SelUnderline());
    EXPECT_TRUE(b_.SelStrikeThru());
}

TEST_F(RichTextBoxTest, FilesRoundTripAndAMissingOrForeignFileLeavesTheBoxAlone) {
    TempFolder dir;
    a_.SetText("saved\r\n" + kHigh);
    a_.Select(0, 5);
    a_.SetSelColor(RGB(0, 0, 255));
    ASSERT_TRUE(a_.SaveFile(dir.File("d.rtf")));
    ASSERT_TRUE(b_.LoadFile(dir.File("d.rtf")));
    EXPECT_EQ(b_.Text(), a_.Text());
    b_.Select(0, 5);
    EXPECT_EQ(b_.SelColor(), RGB(0, 0, 255));
    EXPECT_FALSE(b_.LoadFile(dir.File("missing.rtf")));
    dir.Write("plain.rtf", "not rtf");
    EXPECT_FALSE(b_.LoadFile(dir.File("plain.rtf")));
    EXPECT_EQ(b_.Text(), a_.Text());
}

}  // namespace
