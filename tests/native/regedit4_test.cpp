#include "registry/regedit4.h"

#include "registry/bin_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Action = RegImportStep::Action;

std::string Lines(std::initializer_list<std::string> lines) {
    std::string out;
    bool first = true;
    for (const std::string& line : lines) {
        if (!first) out += "\r\n";
        out += line;
        first = false;
    }
    return out;
}

std::vector<RegImportStep> Parse(const std::string& text) {
    std::vector<RegImportStep> steps;
    EXPECT_TRUE(ParseRegedit4(text, steps));
    return steps;
}

// A compact picture of one step, so a whole import reads as one expectation.
std::string Describe(const RegImportStep& step) {
    switch (step.action) {
        case Action::KillKey: return "kill key " + step.path;
        case Action::KillValue: return "kill value " + step.path + " [" + step.name + "]";
        case Action::WriteString:
            return "string " + step.path + " [" + step.name + "]=[" + step.data + "]";
        case Action::WriteBinary:
            return "binary " + step.path + " [" + step.name + "]=[" + step.data + "]";
        case Action::WriteDWORD:
            return "dword " + step.path + " [" + step.name + "]=" + std::to_string(step.number);
    }
    return "?";
}

std::vector<std::string> DescribeAll(const std::vector<RegImportStep>& steps) {
    std::vector<std::string> out;
    for (const RegImportStep& step : steps) out.push_back(Describe(step));
    return out;
}

TEST(Regedit4Writing, ABlockOfOneKeyOfEachValueType) {
    const std::string block = Lines({
        kRegedit4Header, "",
        Regedit4KeyLine("HKEY_CURRENT_USER\\Software\\X"),
        Regedit4StringLine("name", "abc"),
        Regedit4BinaryLine("b", BinToStr(std::string("\x01\xAB\xFF"))),
        Regedit4DwordLine("n", 31), "", ""});
    EXPECT_EQ(block,
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\X]\r\n\"name\"=\"abc\"\r\n"
              "\"b\"=hex:01,AB,FF\r\n\"n\"=dword:0000001F\r\n\r\n");
}

TEST(Regedit4Writing, ValueLinesOfEveryShape) {
    EXPECT_EQ(Regedit4DefaultValueLine("hello"), "@=\"hello\"");
    EXPECT_EQ(Regedit4DefaultValueLine(""), "@=\"\"");
    EXPECT_EQ(Regedit4BinaryLine("empty", ""), "\"empty\"=hex:");
    EXPECT_EQ(Regedit4BinaryLine("", " 01"), "\"\"=hex:01");
    EXPECT_EQ(Regedit4DwordLine("max", 0xFFFFFFFFu), "\"max\"=dword:FFFFFFFF");
    EXPECT_EQ(Regedit4DwordLine("zero", 0), "\"zero\"=dword:00000000");
    // Written as they are, no escapes.
    EXPECT_EQ(Regedit4StringLine("a\"b", "c:\\d"), "\"a\"b\"=\"c:\\d\"");
}

TEST(Regedit4Reading, TheHeaderMustBeExactlyRegedit4InAnyCase) {
    std::vector<RegImportStep> steps;
    const std::string body = "\r\n[HKCU\\X]\r\n\"a\"=\"b\"\r\n";
    EXPECT_TRUE(ParseRegedit4("REGEDIT4" + body, steps));
    EXPECT_EQ(steps.size(), 1u);
    EXPECT_TRUE(ParseRegedit4("regedit4" + body, steps));
    for (const char* header : {" REGEDIT4", "REGEDIT4 ", "REGEDIT5", "",
                                       "Windows Registry Editor Version 5.00"}) {
        EXPECT_FALSE(ParseRegedit4(std::string(header) + body, steps)) << header;
        EXPECT_TRUE(steps.empty());
    }
    // Lines end in CR LF; a file with bare LF is one long first line.
    EXPECT_FALSE(ParseRegedit4("REGEDIT4\n\n[HKCU\\X]\n\"a\"=\"b\"\n", steps));
}

TEST(Regedit4Reading, ValueTypesInAKeyBlock) {
    const auto steps = DescribeAll(Parse(Lines({
        "REGEDIT4", "",
        "[HKEY_CURRENT_USER\\Software\\X]",
        "\"s\"=\"text\"",
        "\"b\"=hex:01,ab,FF",
        "\"B\"=HEX:02",
        "\"e\"=hex:",
        "\"n\"=dword:0000001f",
        "\"N\"=DWORD:FFFFFFFF",
        "\"bad\"=dword:zz",
        "@=\"default\"",
        "",
    })));
    const std::vector<std::string> expected = {
        "string HKEY_CURRENT_USER\\Software\\X [s]=[text]",
        "binary HKEY_CURRENT_USER\\Software\\X [b]=[01 ab FF]",
        "binary HKEY_CURRENT_USER\\Software\\X [B]=[02]",
        "binary HKEY_CURRENT_USER\\Software\\X [e]=[]",
        "dword HKEY_CURRENT_USER\\Software\\X [n]=31",
        "dword HKEY_CURRENT_USER\\Software\\X [N]=4294967295",
        "dword HKEY_CURRENT_USER\\Software\\X [bad]=0",
        "string HKEY_CURRENT_USER\\Software\\X [@]=[default]",
    };
    EXPECT_EQ(steps, expected);
}

TEST(Regedit4Reading, DeletionsOfKeysAndValues) {
    const auto steps = DescribeAll(Parse(Lines({
        "REGEDIT4",
        "[-HKEY_CURRENT_USER\\Software\\Gone]",
        "\"ignored\"=\"after a deleted key no block follows\"",
        "[HKCU\\K]",
        "\"v\"=-",
        "\"w\"= - ",
        "@=-",
        "@=",
        "@=\"\"",
    })));
    const std::vector<std::string> expected = {
        "kill key HKEY_CURRENT_USER\\Software\\Gone",
        "kill value HKCU\\K [v]",
        "kill value HKCU\\K [w]",
        // "@" is an ordinary name for a deletion...
        "kill value HKCU\\K [@]",
        // ...while an empty "@" writes the default value and then removes it.
        "string HKCU\\K [@]=[]",
        "kill value HKCU\\K []",
        "string HKCU\\K [@]=[]",
        "kill value HKCU\\K []",
    };
    EXPECT_EQ(steps, expected);
}

TEST(Regedit4Reading, QuotesAreDroppedAndTheTextIsCutAtTheSecondEquals) {
    const auto steps = DescribeAll(Parse(Lines({
        "REGEDIT4",
        "   [HKCU\\K]   ",
        "\"eq\"=\"a=b=c\"",
        "\"q\"=\"say \"hi\" now\"",
        "\"path\"=\"C:\\\\Temp\\\\x\"",
        "  \"spaced\" = \"v\"  ",
        "\"trail\"=\"abc \"",
    })));
    const std::vector<std::string> expected = {
        "string HKCU\\K [eq]=[a]",
        "string HKCU\\K [q]=[say hi now]",
        // escaped backslashes are written as they stand, both of them
        "string HKCU\\K [path]=[C:\\\\Temp\\\\x]",
        // the name keeps the space before "=", the data the one after it
        "string HKCU\\K [spaced ]=[ v]",
        "string HKCU\\K [trail]=[abc ]",
    };
    EXPECT_EQ(steps, expected);
}

TEST(Regedit4Reading, SkippedLines) {
    const auto steps = DescribeAll(Parse(Lines({
        "REGEDIT4",
        "\"before\"=\"any key line\"",
        "[HKCU\\K]",
        "; comment",
        ";\"commented\"=\"out\"",
        "no equals sign here",
        "",
        "\"kept\"=\"yes\"",
        "[HKCU\\L]",
        "\"second\"=dword:1",
    })));
    const std::vector<std::string> expected = {
        "string HKCU\\K [kept]=[yes]",
        "dword HKCU\\L [second]=1",
    };
    EXPECT_EQ(steps, expected);
}

TEST(Regedit4Reading, AHexValueContinuedOverLinesKeepsItsFirstLineOnly) {
    const auto steps = Parse(Lines({
        "REGEDIT4",
        "[HKCU\\K]",
        "\"even\"=hex:01,02,03,04,\\",
        "  05,06,\\",
        "  07",
        "\"odd\"=hex:0a,0b,0c,\\",
        "  0d",
    }));
    ASSERT_EQ(steps.size(), 2u);
    std::string even = steps[0].data;
    EXPECT_EQ(StrToBin(even), std::string("\x01\x02\x03\x04", 4));
    // Three bytes and the backslash: seven characters make four pieces, the
    // backslash reading as a zero byte.
    std::string odd = steps[1].data;
    EXPECT_EQ(StrToBin(odd), std::string("\x0a\x0b\x0c\x00", 4));
}

TEST(Regedit4Reading, KeyLinePathIsTheLineWithoutItsFirstAndLastCharacter) {
    const auto steps = DescribeAll(Parse(Lines({
        "REGEDIT4",
        "[HKCU\\Unclosed",
        "\"a\"=\"1\"",
        "[",
        "\"b\"=\"2\"",
    })));
    const std::vector<std::string> expected = {
        "string HKCU\\Unclose [a]=[1]",
        "string  [b]=[2]",
    };
    EXPECT_EQ(steps, expected);
}

TEST(Regedit4RoundTrip, WrittenLinesReadBackAsTheSameValues) {
    const std::string binary = std::string("\x00\x7F\x80\xFF", 4);
    const std::string file = Lines({
        kRegedit4Header, "", Regedit4KeyLine("HKEY_LOCAL_MACHINE\\Software\\R"),
        Regedit4DefaultValueLine("dflt"), Regedit4StringLine("s", "x y"),
        Regedit4BinaryLine("b", BinToStr(binary)), Regedit4DwordLine("d", 0x80000001u), "", ""});
    const auto steps = Parse(file);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(Describe(steps[0]), "string HKEY_LOCAL_MACHINE\\Software\\R [@]=[dflt]");
    EXPECT_EQ(Describe(steps[1]), "string HKEY_LOCAL_MACHINE\\Software\\R [s]=[x y]");
    std::string binText = steps[2].data;
    EXPECT_EQ(StrToBin(binText), binary);
    EXPECT_EQ(steps[3].number, 0x80000001u);
}

TEST(Regedit4Reading, SplitAtCrLfOnly) {
    EXPECT_EQ(SplitAtCrLf("a\r\nb\r\n"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(SplitAtCrLf("a\nb\rc"), (std::vector<std::string>{"a\nb\rc"}));
    EXPECT_EQ(SplitAtCrLf(""), (std::vector<std::string>{""}));
}

}  // namespace
