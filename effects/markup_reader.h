// The tag markup reader: turns markup such as "<b>Hi <Font Color=#E80017>there"
// into runs of characters that share one character format. The window layer
// writes the runs as one RTF document and streams it into a rich text box, which
// gives the same characters and formats as appending them one at a time through
// the selection would.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Format of appended characters: what the rich text box keeps at its insertion
// point while a render runs.
struct CharFormat {
    std::string fontName = "Arial";
    double fontSize = 10.0;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeThru = false;
    std::uint32_t color = 0;  // red + 256 * green + 65536 * blue

    bool operator==(const CharFormat&) const = default;
};

// Consecutive characters with one format. Line breaks stay in the text as they
// were in the markup (CR LF, or a lone CR or LF).
struct FormattedRun {
    CharFormat format;
    std::string text;
};

struct RenderedMarkup {
    std::vector<FormattedRun> runs;  // never an empty run, never two equal formats in a row
    CharFormat endFormat;            // format in force after the last tag: the insertion point's
    std::size_t length = 0;          // characters rendered (tags do not count)
};

// What one tag does. At most one effect: no content matches two rows.
enum class TagEffect { None, Bold, Italic, Underline, StrikeThru, Color, FontName };
struct MarkupTag {
    TagEffect effect = TagEffect::None;
    bool on = false;            // for the four styles
    std::uint32_t color = 0;    // for TagEffect::Color
    std::string fontName;       // for TagEffect::FontName
};

// Interprets the content between "<" and ">" (any case).
MarkupTag ReadTag(std::string_view content);
// The format after the tag.
void ApplyTag(const MarkupTag& tag, CharFormat& format);

// Reads the whole markup. Every "<" opens a tag that runs to the first ">" after
// it; the tag content is compared lower-cased: "b" "/b" "i" "/i" "u" "/u" "s"
// "/s" switch a style, content beginning with "font color" sets the colour from
// the digits after the first "#" (or the first six characters when there is no
// "#"), content beginning with "font face" sets the font name from the text after
// the first double quote (up to a closing quote, which is dropped). Any other
// tag is dropped. A ">" outside a tag is an ordinary character, and a "<" with
// no ">" after it renders itself and the rest of the markup as plain text.
RenderedMarkup ReadMarkup(std::string_view markup);
