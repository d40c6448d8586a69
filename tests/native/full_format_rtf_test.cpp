#include <gtest/gtest.h>

#include "link/full_format_rtf.h"

TEST(FullFormatRtf, AColourTableNumberOfAnyLengthIsReadWithinItsBound) {
    const std::string out = StateFullFormat("{\\rtf1{\\colortbl;\\red77777777777777777777777\\green0\\blue0;}\\cf1 x}");
    EXPECT_NE(out.find("\\cf1 x"), std::string::npos) << out;
}
