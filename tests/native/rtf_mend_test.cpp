// The RTF a control writes, lined up with the box's text: look-alikes and
// bytes of another code page become the box's characters, nothing else moves.
#include <gtest/gtest.h>

#include <string>

#include "ui/rtf_mend.h"

using namespace std::string_literals;

TEST(MendRtfText, WritesTheBoxsCharacterWhereTheWriterPutAnotherAndLeavesWhatCannotBeLinedUp) {
    const std::string wineHead =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
        "{\\*\\generator Riched20 10.0;}\\f0\\fs20 ";
    struct Case { std::string rtf; std::u16string text; std::string mended; } cases[] = {
        // Look-alikes under Windows-1252; its own characters, tables and escapes stay as written.
        {wineHead + "Ge\\u953?\\u940? 8 \\'b4\\par\\{a\\}\\tab Ga\\par\r\n}\0"s, u"Γειά ∞ ´\r{a}\tΓa",
         wineHead + "\\u915?\\u949?\\u953?\\u940? \\u8734? \\'b4\\par\\{a\\}\\tab \\u915?a\\par\r\n}\0"s},
        // A Greek code page's tonos for the acute accent, its alpha; a \uN of another value, \uc2 and \uc0.
        {"{\\rtf1\\ansi\\ansicpg1253{\\fonttbl{\\f0\\fcharset161 Arial;}}\\f0 \\'b4\\'e1x{\\uc2\\u56 GG}\\uc0\\u56 x}",
         u"´αx∞∞x",
         "{\\rtf1\\ansi\\ansicpg1253{\\fonttbl{\\f0\\fcharset161 Arial;}}\\f0 \\u180?\\u945?x{\\uc2\\u8734??}"
         "\\uc0\\u8734 x}"},
        // Two-byte characters, the second byte written as a letter; one above U+7FFF as a negative N.
        {"{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 M;}}\\f0 \\'83\\'a1\\'83A a\\'81\\'40}",
         u"Γ∞ a\uFF10",
         "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 M;}}\\f0 \\u915?\\u8734? a\\u-240?}"},
        // Not lined up: another ASCII letter, text left over on either side.
        {"{\\rtf1 abd}", u"abc", "{\\rtf1 abd}"},
        {"{\\rtf1 abc}", u"abcd", "{\\rtf1 abc}"},
        {"{\\rtf1 ab\\u915?c}", u"abΓ", "{\\rtf1 ab\\u915?c}"},
    };
    for (const Case& c : cases) EXPECT_EQ(MendRtfText(c.rtf, c.text), c.mended) << c.rtf;
}

TEST(StateCodePage, NamesWindows1252WhereTheDocumentNamesNoneAndItsCharacterSetOnEveryFontThatNamesNone) {
    const std::pair<std::string, std::string> cases[] = {
        {"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset161 G{\\*\\falt x;};}}\\'95}",
         "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset161 G{\\*\\falt x;};}}\\'95}"},
        {"{\\rtf1\\ansi\\ansicpg1253{\\fonttbl\\f0\\fnil A;\\f1 B;}\\f1 x}",
         "{\\rtf1\\ansi\\ansicpg1253{\\fonttbl\\f0\\fcharset161\\fnil A;\\f1\\fcharset161 B;}\\f1 x}"},
        {"{\\rtf1 x}", "{\\rtf1\\ansicpg1252 x}"},
        {"{\\rtf1\\mac{\\fonttbl{\\f0 Monaco;}}x}", "{\\rtf1\\mac{\\fonttbl{\\f0 Monaco;}}x}"},
    };
    for (const auto& [rtf, stated] : cases) EXPECT_EQ(StateCodePage(rtf), stated) << rtf;
}
