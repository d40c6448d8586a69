// The markup reader: which characters come out and with which format, for the
// tags and the awkward inputs users can type into the composer.
#include <gtest/gtest.h>

#include <string>

#include "effects/markup_reader.h"

namespace {

// The format of the k-th rendered character (0-based).
CharFormat FormatAt(const RenderedMarkup& doc, std::size_t k) {
    for (const FormattedRun& run : doc.runs) {
        if (k < run.text.size()) return run.format;
        k -= run.text.size();
    }
    ADD_FAILURE() << "no character " << k;
    return {};
}

std::string TextOf(const RenderedMarkup& doc) {
    std::string out;
    for (const FormattedRun& run : doc.runs) out += run.text;
    return out;
}

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r + 256 * g + 65536 * b;
}

}  // namespace

TEST(MarkupReader, EmptyMarkupStartsAndEndsInTheBaseFormat) {
    const RenderedMarkup doc = ReadMarkup("");
    EXPECT_TRUE(doc.runs.empty());
    EXPECT_EQ(doc.length, 0u);
    EXPECT_EQ(doc.endFormat.fontName, "Arial");
    EXPECT_EQ(doc.endFormat.fontSize, 10.0);
    EXPECT_FALSE(doc.endFormat.bold || doc.endFormat.italic || doc.endFormat.underline ||
                 doc.endFormat.strikeThru);
    EXPECT_EQ(doc.endFormat.color, 0u);
}

TEST(MarkupReader, StyleTagsSwitchOnAndOffInAnyCase) {
    const RenderedMarkup doc = ReadMarkup("<B>x</b>y<I>i</I><u>u</U><S>s</s>.");
    EXPECT_EQ(TextOf(doc), "xyius.");
    EXPECT_TRUE(FormatAt(doc, 0).bold);
    EXPECT_FALSE(FormatAt(doc, 1).bold);
    EXPECT_TRUE(FormatAt(doc, 2).italic);
    EXPECT_TRUE(FormatAt(doc, 3).underline);
    EXPECT_FALSE(FormatAt(doc, 3).italic);
    EXPECT_TRUE(FormatAt(doc, 4).strikeThru);
    EXPECT_EQ(FormatAt(doc, 5), CharFormat{});
}

TEST(MarkupReader, StylesCombineAndUnbalancedTagsAreHarmless) {
    const RenderedMarkup doc = ReadMarkup("</b></i>a<b><i><u><s>b</u>c<b>d");
    EXPECT_EQ(TextOf(doc), "abcd");
    EXPECT_EQ(FormatAt(doc, 0), CharFormat{});
    const CharFormat b = FormatAt(doc, 1);
    EXPECT_TRUE(b.bold && b.italic && b.underline && b.strikeThru);
    const CharFormat c = FormatAt(doc, 2);
    EXPECT_TRUE(c.bold && c.italic && !c.underline && c.strikeThru);
    EXPECT_EQ(FormatAt(doc, 3), c);
    EXPECT_EQ(doc.endFormat, c);
}

TEST(MarkupReader, UnknownAndNearMissTagsAreDropped) {
    for (const char* markup : {"<b >x", "</font>x", "<>x", "<bold>x", "<font>x", "<fontcolor=#ff0000>x",
                               "<br>x", "< b>x"}) {
        const RenderedMarkup doc = ReadMarkup(markup);
        EXPECT_EQ(TextOf(doc), "x") << markup;
        EXPECT_EQ(FormatAt(doc, 0), CharFormat{}) << markup;
    }
}

TEST(MarkupReader, GreaterThanOutsideATagIsText) {
    EXPECT_EQ(TextOf(ReadMarkup("a>b")), "a>b");
    EXPECT_EQ(TextOf(ReadMarkup(">>")), ">>");
    EXPECT_EQ(TextOf(ReadMarkup("<b>>x")), ">x");
}

TEST(MarkupReader, ColourTagsReadRedGreenBlueAfterTheHash) {
    const RenderedMarkup doc = ReadMarkup("<Font Color=#E80017>Hi<font color=#0000ff>!");
    EXPECT_EQ(TextOf(doc), "Hi!");
    EXPECT_EQ(FormatAt(doc, 0).color, Rgb(232, 0, 23));
    EXPECT_EQ(FormatAt(doc, 1).color, Rgb(232, 0, 23)) << "colour stays until the next tag";
    EXPECT_EQ(FormatAt(doc, 2).color, Rgb(0, 0, 255));
    ASSERT_EQ(doc.runs.size(), 2u);
}

TEST(MarkupReader, ShortOrOddColourDigitsReadAsZeros) {
    EXPECT_EQ(FormatAt(ReadMarkup("<font color=#f00>x"), 0).color, Rgb(240, 0, 0));
    EXPECT_EQ(FormatAt(ReadMarkup("<font color=red>x"), 0).color, Rgb(240, 0, 12));
    EXPECT_EQ(FormatAt(ReadMarkup("<font color=#>x"), 0).color, 0u);
    EXPECT_EQ(FormatAt(ReadMarkup("<font color=#zz11qq>x"), 0).color, Rgb(0, 17, 0));
    // Only six digits count, and the first "#" decides where they start.
    EXPECT_EQ(FormatAt(ReadMarkup("<font color=#11223344>x"), 0).color, Rgb(0x11, 0x22, 0x33));
    EXPECT_EQ(FormatAt(ReadMarkup("<font color=#12#345678>x"), 0).color, Rgb(0x12, 0x03, 0x45));
    EXPECT_EQ(FormatAt(ReadMarkup("<font colorful #aabbcc>x"), 0).color, Rgb(0xAA, 0xBB, 0xCC));
}

TEST(MarkupReader, TagSplitByAnotherTagIsDroppedWhole) {
    const RenderedMarkup doc = ReadMarkup("<b<Font Color=#0000FF>>x");
    EXPECT_EQ(TextOf(doc), ">x");
    EXPECT_EQ(FormatAt(doc, 0), CharFormat{});
    EXPECT_EQ(FormatAt(doc, 1), CharFormat{});
}

TEST(MarkupReader, FaceTagsNameTheFontInLowerCase) {
    EXPECT_EQ(FormatAt(ReadMarkup("<font face=\"Verdana\">x"), 0).fontName, "verdana");
    EXPECT_EQ(FormatAt(ReadMarkup("<FONT FACE=\"Comic Sans MS>x"), 0).fontName, "comic sans ms");
    EXPECT_EQ(FormatAt(ReadMarkup("<font face=Tahoma>x"), 0).fontName, "font face=tahoma");
    EXPECT_EQ(FormatAt(ReadMarkup("<font face=\"Courier New\" size=3>x"), 0).fontName, "courier new");
    EXPECT_EQ(FormatAt(ReadMarkup("<font face=\"\xC9L\xC8VE\">x"), 0).fontName, "\xE9l\xE8ve");
    // Colour and face are independent: a face tag keeps the colour and the styles.
    const RenderedMarkup doc = ReadMarkup("<b><font color=#00ff00><font face=\"Georgia\">x");
    const CharFormat f = FormatAt(doc, 0);
    EXPECT_EQ(f.fontName, "georgia");
    EXPECT_EQ(f.color, Rgb(0, 255, 0));
    EXPECT_TRUE(f.bold);
}

TEST(MarkupReader, LessThanWithoutClosingRendersTheRestAsText) {
    const RenderedMarkup doc = ReadMarkup("<b>a<b c <i>");
    // "<b c <i>" is a tag whose content "b c <i" matches nothing.
    EXPECT_EQ(TextOf(doc), "a");
    const RenderedMarkup open = ReadMarkup("<b>a<i and the rest");
    EXPECT_EQ(TextOf(open), "a<i and the rest");
    EXPECT_TRUE(FormatAt(open, 5).bold);
    EXPECT_FALSE(FormatAt(open, 5).italic);
    EXPECT_EQ(TextOf(ReadMarkup("<")), "<");
}

TEST(MarkupReader, RunsMergeEqualFormatsAndTrackTheEndFormat) {
    const RenderedMarkup doc = ReadMarkup("ab<b></b>cd<i>");
    ASSERT_EQ(doc.runs.size(), 1u) << "a switch on and off between characters changes nothing";
    EXPECT_EQ(doc.runs[0].text, "abcd");
    EXPECT_EQ(doc.length, 4u);
    EXPECT_TRUE(doc.endFormat.italic) << "a tag after the last character still counts for typing";
}

TEST(MarkupReader, LineBreaksAndEightBitBytesPassThrough) {
    const RenderedMarkup doc = ReadMarkup("one\r\n<b>tw\xF6\r\nthree");
    EXPECT_EQ(TextOf(doc), "one\r\ntw\xF6\r\nthree");
    EXPECT_EQ(doc.length, 15u);
    EXPECT_TRUE(FormatAt(doc, 5).bold);
}

TEST(MarkupReader, LongTextHasNoLengthLimit) {
    std::string markup = "<i>";
    markup += std::string(40000, 'z');
    const RenderedMarkup doc = ReadMarkup(markup);
    EXPECT_EQ(doc.length, 40000u);
    ASSERT_EQ(doc.runs.size(), 1u);
    EXPECT_TRUE(doc.runs[0].format.italic);
}

TEST(MarkupReader, LowerAnsiHandlesAccentedCapitals) {
    EXPECT_EQ(LowerAnsi("ABC xyz"), "abc xyz");
    EXPECT_EQ(LowerAnsi("\xC0\xD6\xD7\xD8\xDE\xDF"), "\xE0\xF6\xD7\xF8\xFE\xDF");
    EXPECT_EQ(LowerAnsi("\x8A\x8C\x8E\x9F"), "\x9A\x9C\x9E\xFF");
}
