// The RTF writer: its documents are read back by a strict reader
// (tests/native/rtf_scan.h) and must give the very runs that went in.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "effects/fade_text.h"
#include "effects/markup_reader.h"
#include "effects/rtf_writer.h"
#include "tests/native/rtf_scan.h"

namespace {

void ExpectRoundTrip(const std::string& markup) {
    const RenderedMarkup doc = ReadMarkup(markup);
    const std::string rtf = WriteRtf(doc);
    const ScannedRtf back = ScanRtf(rtf);
    ASSERT_TRUE(back.ok) << back.error << "\n" << rtf;
    const std::vector<FormattedRun> expected = NormalizeRuns(doc.runs);
    ASSERT_EQ(back.runs.size(), expected.size()) << rtf;
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(back.runs[k].text, expected[k].text) << "run " << k << "\n" << rtf;
        EXPECT_EQ(back.runs[k].format, expected[k].format) << "run " << k << "\n" << rtf;
    }
    EXPECT_EQ(back.endFormat, NormalizeFormat(doc.endFormat)) << rtf;
}

}  // namespace

TEST(RtfWriter, EmptyDocumentIsAValidDocumentInTheBaseFormat) {
    const std::string rtf = WriteRtf(ReadMarkup(""));
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_NE(rtf.find("{\\f0\\fnil\\fcharset0 Arial;}"), std::string::npos);
    EXPECT_NE(rtf.find("\\fs20"), std::string::npos);
    EXPECT_EQ(rtf.back(), '}');
    const ScannedRtf back = ScanRtf(rtf);
    ASSERT_TRUE(back.ok) << back.error;
    EXPECT_TRUE(back.runs.empty());
    EXPECT_EQ(back.endFormat, CharFormat{});
}

TEST(RtfWriter, FadedTextKeepsEveryColour) {
    const RenderedMarkup doc = ReadMarkup(FadeText(255, 16711680, "Hello world"));
    const std::string rtf = WriteRtf(doc);
    EXPECT_NE(rtf.find("\\red232\\green0\\blue23;"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\red0\\green0\\blue255;"), std::string::npos) << rtf;
    ExpectRoundTrip(FadeText(255, 16711680, "Hello world"));
}

TEST(RtfWriter, StylesAndFontsSwitchWhereTheyChange) {
    const std::string rtf = WriteRtf(ReadMarkup("a<b>b<i>c<u>d<s>e</b></i></u></s>f"));
    EXPECT_NE(rtf.find("\\b b"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\b0\\i0\\ulnone\\strike0 f"), std::string::npos) << rtf;
    ExpectRoundTrip("a<b>b<i>c<u>d<s>e</b></i></u></s>f");
    ExpectRoundTrip("x<font face=\"Verdana\">y<font face=\"Arial\">z<font face=\"verdana\">w");
    const std::string fonts = WriteRtf(ReadMarkup("x<font face=\"Verdana\">y<font face=\"Arial\">z"));
    EXPECT_NE(fonts.find("{\\f1\\fnil\\fcharset0 verdana;}"), std::string::npos) << fonts;
    // Face names keep the case of the tag: "arial" is a name of its own, as it is
    // for the rich edit box that gets the same name through the selection.
    EXPECT_NE(fonts.find("{\\f2\\fnil\\fcharset0 arial;}"), std::string::npos) << fonts;
    EXPECT_EQ(fonts.find("{\\f3"), std::string::npos) << fonts;
}

TEST(RtfWriter, SpecialCharactersAreEscaped) {
    const std::string rtf = WriteRtf(ReadMarkup("a\\b{c}d\te\xE9\x80\xFF"));
    EXPECT_NE(rtf.find("a\\\\b\\{c\\}d\\tab e\\'e9\\'80\\'ff"), std::string::npos) << rtf;
    ExpectRoundTrip("a\\b{c}d\te\xE9\x80\xFF");
    ExpectRoundTrip("\\par {\\b not a control word}");
    ExpectRoundTrip("digits after words: <b>1<i>2</b>3 4");
}

TEST(RtfWriter, LineBreaksBecomeParagraphs) {
    const std::string rtf = WriteRtf(ReadMarkup("one\r\ntwo\nthree\rfour"));
    std::size_t pars = 0;
    for (std::size_t at = rtf.find("\\par\r\n"); at != std::string::npos; at = rtf.find("\\par\r\n", at + 1)) ++pars;
    EXPECT_EQ(pars, 4u) << "three breaks and the closing mark\n" << rtf;
    ExpectRoundTrip("one\r\ntwo\nthree\rfour");
    ExpectRoundTrip("\r\n\r\n<b>\r\n");
}

TEST(RtfWriter, ALineBreakCutBetweenTwoRunsStaysOneBreak) {
    // The fader cuts segments by character count, so a CR LF can straddle a tag.
    const std::string markup = "<Font Color=#FF0000>abc\r<Font Color=#0000FF>\ndef";
    const std::string rtf = WriteRtf(ReadMarkup(markup));
    EXPECT_EQ(rtf.find("\\par\r\n"), rtf.rfind("\\par\r\n", rtf.size() - 10)) << "one break, then the closing mark\n"
                                                                              << rtf;
    const ScannedRtf back = ScanRtf(rtf);
    ASSERT_TRUE(back.ok) << back.error;
    ASSERT_EQ(back.runs.size(), 2u);
    EXPECT_EQ(back.runs[0].text, "abc\r\n");
    EXPECT_EQ(back.runs[1].text, "def");
    ExpectRoundTrip(markup);
    ExpectRoundTrip("x\r<b>\n<i>\ny\r<u>\r\n");
    const std::string faded = FadeText(255, 16711680, "a<b>bc\r\nnext line");
    ASSERT_NE(faded.find("\r<Font"), std::string::npos) << "the fader does cut this text inside its break";
    ExpectRoundTrip(faded);
}

TEST(RtfWriter, OddFontNamesStayInsideTheirTableEntry) {
    ExpectRoundTrip("<font face=\"a;b\">x<font face=\"{x}\\y\">y<font face=\"\">z<font face=\"\xC9t\xE9\">w");
    const std::string rtf = WriteRtf(ReadMarkup("<font face=\"a;b\">x"));
    EXPECT_NE(rtf.find("{\\f1\\fnil\\fcharset0 ab;}"), std::string::npos) << rtf;
}

TEST(RtfWriter, ControlBytesAndNulsNeverBreakTheDocument) {
    std::string markup = "x";
    markup += '\0';
    markup += "\x01\x1f<font face=\"n";
    markup += '\0';
    markup += "l\">y";
    ExpectRoundTrip(markup);
}

TEST(RtfWriter, SeededRandomMarkupsRoundTrip) {
    // A broad sample of what users and the fader produce, beyond the cases above.
    std::mt19937 rng(20240611);
    const std::vector<std::string> pieces = {
        "<b>", "</b>", "<i>", "</i>", "<u>", "</u>", "<s>", "</s>", "<font color=#",
        "<Font Color=#A1B2C3>", "<font face=\"Tahoma\">", "<font face=\"Arial\">", ">", "<",
        "\r\n", "\\", "{", "}", "\t", "\xE4", "\x9C", "word ", "7", " ", "<x>", "\""};
    for (int round = 0; round < 500; ++round) {
        std::string markup;
        const int n = static_cast<int>(rng() % 30);
        for (int k = 0; k < n; ++k) markup += pieces[rng() % pieces.size()];
        SCOPED_TRACE(markup);
        ExpectRoundTrip(markup);
    }
}
