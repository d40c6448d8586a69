#include "registry/regedit4.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// Each step of an import as one line of text, so a whole file reads as one expectation.
Lines Parse(const Lines& file) {
    std::string text;
    for (const std::string& line : file) text += line + "\r\n";
    std::vector<RegImportStep> steps;
    EXPECT_TRUE(ParseRegedit4(text, steps));
    Lines out;
    for (const RegImportStep& s : steps) {
        const int a = static_cast<int>(s.action);  // KillKey, KillValue, WriteString, WriteBinary, WriteDWORD
        std::string line = Lines{"kill key", "kill value", "string", "binary", "dword"}[a] + " " + s.path;
        if (a > 0) line += " [" + s.name + "]";
        if (a == 2 || a == 3) line += "=[" + s.data + "]";
        if (a == 4) line += "=" + std::to_string(s.number);
        out.push_back(line);
    }
    return out;
}

TEST(Regedit4Writing, NamesAndValuesGoOutUnescaped) {
    EXPECT_EQ(Regedit4StringLine("a\"b", "c:\\d"), "\"a\"b\"=\"c:\\d\"");
}

TEST(Regedit4Reading, TheHeaderMustBeExactlyRegedit4InAnyCase) {
    std::vector<RegImportStep> steps;  // with bare LF the whole file is one first line
    for (const char* text : {"regedit4\r\n[K]\r\na=b", " REGEDIT4\r\n[K]\r\na=b", "REGEDIT4 \r\n[K]\r\na=b",
                             "REGEDIT4\n[K]\na=b"})
        EXPECT_EQ(ParseRegedit4(text, steps) && steps.size() == 1, text[0] == 'r') << text;
}

TEST(Regedit4Reading, EachKindOfLine) {
    EXPECT_EQ(Parse({"REGEDIT4", "", "\"before\"=\"any key line\"", "[-HKEY_CURRENT_USER\\Software\\Gone]",
                     "\"after\"=\"a deleted key\"", "   [HKCU\\K]   ", "\"s\"=\"text\"", "\"b\"=hex:01,ab,FF",
                     "\"e\"=HEX:", "\"n\"=dword:0000001f", "\"N\"=DWORD:FFFFFFFF", "\"bad\"=dword:zz",
                     "\"eq\"=\"a=b=c\"", "\"q\"=\"say \"hi\" now\"", "\"path\"=\"C:\\\\Temp\"", "  \"spaced\" = \"v\"  ",
                     "\"v\"=-", "\"w\"= - ", "@=-", "@=\"default\"", "@=", "; comment", ";\"commented\"=\"out\"",
                     "no equals sign", "", "\"even\"=hex:01,02,03,04,\\", "  05,06", "[HKCU\\Unclosed", "\"x\"=\"1\""}),
              (Lines{"kill key HKEY_CURRENT_USER\\Software\\Gone", "string HKCU\\K [s]=[text]",
                     "binary HKCU\\K [b]=[01 ab FF]", "binary HKCU\\K [e]=[]", "dword HKCU\\K [n]=31",
                     "dword HKCU\\K [N]=4294967295", "dword HKCU\\K [bad]=0", "string HKCU\\K [eq]=[a]",
                     "string HKCU\\K [q]=[say hi now]", "string HKCU\\K [path]=[C:\\\\Temp]",
                     "string HKCU\\K [spaced ]=[ v]", "kill value HKCU\\K [v]", "kill value HKCU\\K [w]",
                     "kill value HKCU\\K [@]", "string HKCU\\K [@]=[default]", "string HKCU\\K [@]=[]",
                     "kill value HKCU\\K []", "binary HKCU\\K [even]=[01 02 03 04 \\]", "string HKCU\\Unclose [x]=[1]"}));
}

}  // namespace
