// The RTF writer's documents, to the byte: what a rich edit box loads (checked
// under Wine in tests/win/markup_to_rich_test.cpp) and the messenger receives.
#include <gtest/gtest.h>

#include <string>

#include "effects/fade_text.h"
#include "effects/markup_reader.h"
#include "effects/rtf_writer.h"

namespace {

const std::string kHead = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}";

// The document after its tables.
std::string Body(const std::string& markup) {
    const std::string rtf = WriteRtf(ReadMarkup(markup));
    return rtf.substr(rtf.find("\\pard") + 5);
}

}  // namespace

TEST(RtfWriter, WholeDocumentsWithEveryFormatAndEscape) {
    EXPECT_EQ(WriteRtf(ReadMarkup("a<b>{\\}<font color=#FF0000><font face=\"Arial\"><i><u><s>\xC3\xA9\t</b></i></u></s>z")),
              kHead + "{\\f1\\fnil\\fcharset0 arial;}}\r\n{\\colortbl ;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}"
                      "\r\n\\viewkind4\\uc1\\pard\\f0\\fs20\\cf1 a\\b \\{\\\\\\}\\f1\\cf2\\i\\ul\\strike \\u233?\\tab "
                      "\\b0\\i0\\ulnone\\strike0 z\\par\r\n}");
    // "arial" is a face of its own, as for a box given it through the selection.
    // No text: the closing paragraph mark still carries the format left for typing.
    EXPECT_EQ(WriteRtf(ReadMarkup("<b>")), kHead + "}\r\n{\\colortbl ;\\red0\\green0\\blue0;}\r\n"
                                                   "\\viewkind4\\uc1\\pard\\f0\\fs20\\cf1\\b \\par\r\n}");
}

TEST(RtfWriter, LineBreaksAreParagraphsEvenWhenARunBoundarySplitsThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"one\r\ntwo\nthree\rfour", "\\f0\\fs20\\cf1 one\\par\r\ntwo\\par\r\nthree\\par\r\nfour\\par\r\n}"},
        {"<Font Color=#FF0000>abc\r<Font Color=#0000FF>\ndef", "\\f0\\fs20\\cf1 abc\\par\r\n\\cf2 def\\par\r\n}"},
        {"x\r<b>\n<i>\ny", "\\f0\\fs20\\cf1 x\\par\r\n\\b\\i \\par\r\ny\\par\r\n}"},
    };
    for (const auto& [markup, body] : cases) EXPECT_EQ(Body(markup), body) << markup;
    // The fader cuts segments by count, here between the CR and the LF of the break.
    const std::string faded = FadeText(255, 16711680, "a<b>bc\r\nnext line");
    ASSERT_NE(faded.find("\r<Font"), std::string::npos);
    const std::string body = Body(faded);
    std::size_t pars = 0;
    for (std::size_t at = body.find("\\par"); at != std::string::npos; at = body.find("\\par", at + 1)) ++pars;
    EXPECT_EQ(pars, 2u) << "one break and the closing mark\n" << body;
}

TEST(RtfWriter, NulsSemicolonsAndControlBytesStayOutOfTheWay) {
    static const char kMarkup[] = "x\0\x01<font face=\"a;b{x}\\y\0z\">y";
    const std::string rtf = WriteRtf(ReadMarkup(std::string(kMarkup, sizeof(kMarkup) - 1)));
    EXPECT_NE(rtf.find("{\\f1\\fnil\\fcharset0 ab\\{x\\}\\\\yz;}}"), std::string::npos) << rtf;
    EXPECT_EQ(Body(std::string(kMarkup, sizeof(kMarkup) - 1)), "\\f0\\fs20\\cf1 x\\'01\\f1 y\\par\r\n}");
}

TEST(RtfWriter, CharactersAbove127AreUnicodeEscapesOfSigned16BitUnits) {
    // U+00E9, U+4E2D, U+AC00 (above 32767: negative), U+1F600 as its surrogate
    // pair, and a byte that is not UTF-8, which becomes U+FFFD.
    EXPECT_EQ(Body("\xC3\xA9\xE4\xB8\xAD\xEA\xB0\x80\xF0\x9F\x98\x80\xFF!"),
              "\\f0\\fs20\\cf1 \\u233?\\u20013?\\u-21504?\\u-10179?\\u-8704?\\u-3?!\\par\r\n}");
    // Face names keep their Windows-1252 bytes where there are some.
    const std::string rtf = WriteRtf(ReadMarkup("<font face=\"Caf\xC3\xA9 \xE4\xB8\xAD\">x"));
    EXPECT_NE(rtf.find("{\\f1\\fnil\\fcharset0 caf\\'e9 \\u20013?;}"), std::string::npos) << rtf;
}
