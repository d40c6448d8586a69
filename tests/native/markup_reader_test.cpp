// The markup reader: which characters come out and with which format, for the
// tags and the awkward inputs users can type into the composer.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "effects/markup_reader.h"

// A format as a short code: the styles "bius", "#RRGGBB" unless black, the
// font name in quotes unless Arial, and the size unless 10 points.
static std::string Code(const CharFormat& f) {
    char color[16];
    std::snprintf(color, sizeof(color), "#%02X%02X%02X", f.color & 0xFF, (f.color >> 8) & 0xFF, f.color >> 16);
    return std::string(f.bold ? "b" : "") + (f.italic ? "i" : "") + (f.underline ? "u" : "") +
           (f.strikeThru ? "s" : "") + (f.color ? color : "") + (f.fontName != "Arial" ? "'" + std::string(f.fontName) + "'" : "") +
           (f.fontSize != 10.0 ? "@" + std::to_string(f.fontSize) : "");
}

// Every run as "{code}text", then "|{code}" of the format left for typing.
// Unmerged or empty runs show as extra "{code}" marks.
static std::string Shown(const std::string& markup) {
    const RenderedMarkup doc = ReadMarkup(markup);
    std::string out;
    for (const FormattedRun& run : doc.runs) out += "{" + Code(run.format) + "}" + std::string(run.text);
    return out + "|{" + Code(doc.endFormat) + "}";
}

TEST(MarkupReader, TagsTextAndTheFormatLeftForTyping) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "|{}"},
        {"<B>x</b>y", "{b}x{}y|{}"},
        {"<I>i</I><u>u</U><S>s</s>.", "{i}i{u}u{s}s{}.|{}"},
        {"</b></i>a<b><i><u><s>b</u>c<b>d", "{}a{bius}b{bis}cd|{bis}"},
        {"ab<b></b>cd<i>", "{}abcd|{i}"},
        {"a>b", "{}a>b|{}"},
        {"<b>>x", "{b}>x|{b}"},
        {"<b<Font Color=#0000FF>>x", "{}>x|{}"},
        {"<b>a<i and the rest", "{b}a<i and the rest|{b}"},
        {"<Font Color=#E80017>Hi<font color=#0000ff>!", "{#E80017}Hi{#0000FF}!|{#0000FF}"},
        {"<font color=#f00>x", "{#F00000}x|{#F00000}"},
        {"<font color=red>x", "{#F0000C}x|{#F0000C}"},
        {"<font color=#12#345678>x", "{#120345}x|{#120345}"},
        {"<font colorful #aabbcc>x", "{#AABBCC}x|{#AABBCC}"},
        {"<FONT FACE=\"Comic Sans MS>x", "{'comic sans ms'}x|{'comic sans ms'}"},
        {"<font face=Tahoma>x", "{'font face=tahoma'}x|{'font face=tahoma'}"},
        {"<font face=\"Courier New\" size=3>x", "{'courier new'}x|{'courier new'}"},
        {"<font face=\"\u00C9L\u00C8VE\u0160\u0152\u017D\u0178\u00D7\u00DF\u0394\">x",
         "{'\u00E9l\u00E8ve\u0161\u0153\u017E\u00FF\u00D7\u00DF\u0394'}x|{'\u00E9l\u00E8ve\u0161\u0153\u017E\u00FF\u00D7\u00DF\u0394'}"},
        {"<b><font color=#00ff00><font face=\"Georgia\">x", "{b#00FF00'georgia'}x|{b#00FF00'georgia'}"},
    };
    for (const auto& [markup, shown] : cases) EXPECT_EQ(Shown(markup), shown) << markup;
    for (const char* dropped : {"<b >x", "</font>x", "<bold>x", "<font>x", "<fontcolor=#ff0000>x", "< b>x"})
        EXPECT_EQ(Shown(dropped), "{}x|{}") << dropped;
    const std::string longText(40000, 'z');  // no length limit
    EXPECT_EQ(Shown("<i>" + longText), "{i}" + longText + "|{i}");
}
