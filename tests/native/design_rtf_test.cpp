// What the art design box is given for a word processor's file: table rows as lines, a
// field's result, no picture; bounded numbers and nesting, and a cut file closed.
#include <gtest/gtest.h>

#include <string>

#include "designs/design_rtf.h"

TEST(DesignRtf, TablesFieldsAndPicturesBecomeTextWithinBounds) {
    const struct {
        std::string file, given;
        bool hasContent;
    } cases[] = {
        {"{\\rtf1\\trowd\\cellx900\\intbl A\\cell\\cell B\\cell\\row C}", "{\\rtf1 A\\tab \\tab B\\par C}", true},
        {"{\\rtf1\\intbl\\itap3 x\\nestcell{\\*\\nesttableprops\\trowd\\nestrow}{\\nonesttables y}\\cell\\row}",
         "{\\rtf1 x{\\par }}", true},  // the outer row adds no second break
        {"{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"a\"}{\\fldrslt link}}}", "{\\rtf1 {{link}}}", true},
        {"{\\rtf1 a{\\pict\\bin2 }}}b\\'4}", "{\\rtf1 ab4}", true},  // braces inside binary data; a cut \\'
        {"{\\rtf1{\\pict 0a}}", "{\\rtf1 }", true},                   // a picture alone: a design all the same
        {"{\\rtf1{\\b x\\pict{0a}}y}", "{\\rtf1 {\\b x}y}", true},     // a picture word in mid-group
        {"{\\rtf1{\\fonttbl{\\f0 Arial;}}\\fs99999999999\\par}", "{\\rtf1 {\\fonttbl {\\f0 Arial;}}\\fs2147483647 \\par }",
         false},  // an empty design saved by the box: a break only
        {"{\\rtf1{\\b x\\", "{\\rtf1 {\\b x}}", true},  // cut short: closed
        {"{\\rtf1 x}}{\\cell y", "{\\rtf1 x}", true},
    };
    for (const auto& c : cases) {
        const DesignRtf d = PrepareDesignRtf(c.file);
        EXPECT_EQ(d.rtf, c.given) << c.file;
        EXPECT_EQ(d.hasContent, c.hasContent) << c.file;
        EXPECT_FALSE(d.tooDeep) << c.file;
    }
    const DesignRtf deep = PrepareDesignRtf("{\\rtf1" + std::string(100000, '{') + "x");
    EXPECT_TRUE(deep.tooDeep && deep.hasContent && deep.rtf.empty());
    EXPECT_FALSE(PrepareDesignRtf("{\\rtf1" + std::string(kMaxDesignRtfDepth - 2, '{') + "x").tooDeep);
}
