// The RTF writer's documents. What a rich edit box shows of them is checked
// under Wine in tests/win/markup_to_rich_test.cpp; here are the whole layout
// and the bytes no box there is given: control bytes, NULs, lone CR or LF,
// characters beyond 32767 and face names holding ";" or accents.
#include <gtest/gtest.h>

#include <string>

#include "effects/markup_reader.h"
#include "effects/rtf_writer.h"

// The document after its tables.
static std::string Body(const std::string& markup) {
    const std::string rtf = WriteRtf(ReadMarkup(markup));
    return rtf.substr(rtf.find("\\pard") + 5);
}

TEST(RtfWriter, AWholeDocumentWithEveryFormatAndEscape) {
    // "arial" is a face of its own, as for a box given it through the selection.
    EXPECT_EQ(WriteRtf(ReadMarkup("a<b>{\\}<font color=#FF0000><font face=\"Arial\"><i><u><s>\xC3\xA9\t</b></i></u></s>z")),
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 arial;}}\r\n"
        "{\\colortbl ;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20\\cf1 a\\b "
        "\\{\\\\\\}\\f1\\cf2\\i\\ul\\strike \\u233?\\tab \\b0\\i0\\ulnone\\strike0 z\\par\r\n}");
}

TEST(RtfWriter, ControlBytesLineEndsAndWideCharactersInTextAndFaces) {
    static const char kMarkup[] = "x\0\x01<font face=\"a;b{x}\\y\0z\xC3\xA9 \xE4\xB8\xAD\">y\r\nCR\rLF\n";
    const std::string markup(kMarkup, sizeof(kMarkup) - 1);
    EXPECT_EQ(Body(markup), "\\f0\\fs20\\cf1 x\\'01\\f1 y\\par\r\nCR\\par\r\nLF\\par\r\n\\par\r\n}");
    // No text: the closing paragraph mark still carries the format left for typing.
    EXPECT_EQ(Body("<b>"), "\\f0\\fs20\\cf1\\b \\par\r\n}");
    // A face name keeps its Windows-1252 bytes; ";" would end its entry and goes.
    const std::string rtf = WriteRtf(ReadMarkup(markup));
    EXPECT_NE(rtf.find("{\\f1\\fnil\\fcharset0 ab\\{x\\}\\\\yz\\'e9 \\u20013?;}}"), std::string::npos) << rtf;
    // U+00E9, U+4E2D, U+AC00 (above 32767: negative), U+1F600 as its surrogate
    // pair, and a byte that is not UTF-8, which becomes U+FFFD.
    EXPECT_EQ(Body("\xC3\xA9\xE4\xB8\xAD\xEA\xB0\x80\xF0\x9F\x98\x80\xFF!"),
        "\\f0\\fs20\\cf1 \\u233?\\u20013?\\u-21504?\\u-10179?\\u-8704?\\u-3?!\\par\r\n}");
}
