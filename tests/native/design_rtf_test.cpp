// What the art design box is given for a word processor's file: table rows as lines, a
// field's result, no picture; bounded numbers and nesting, and a cut file closed.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "designs/design_rtf.h"

TEST(DesignRtf, TablesFieldsAndPicturesBecomeTextWithinBounds) {
    const std::tuple<std::string, std::string, bool> cases[] = {  // the file, what the box gets, a design in it
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
    };
    for (const auto& [file, given, hasContent] : cases) {
        const DesignRtf d = PrepareDesignRtf(file);
        EXPECT_EQ(d.rtf, given) << file;
        EXPECT_TRUE(d.hasContent == hasContent && !d.tooDeep) << file;
    }
    const DesignRtf deep = PrepareDesignRtf("{\\rtf1" + std::string(100000, '{') + "x");
    EXPECT_TRUE(deep.tooDeep && deep.hasContent && deep.rtf.empty());
    EXPECT_FALSE(PrepareDesignRtf("{\\rtf1" + std::string(kMaxDesignRtfDepth - 2, '{') + "x").tooDeep);
}
