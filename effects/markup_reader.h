// The tag markup reader: turns markup such as "<b>Hi <Font Color=#E80017>there"
// into runs of characters that share one character format. The window layer
// writes the runs as one RTF document and streams it into a rich text box, which
// gives the same characters and formats as appending them one at a time through
// the selection would.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// Format of appended characters: what the rich text box keeps at its insertion
// point while a render runs. The font name is UTF-8; in a format read from
// markup it points into the document (RenderedMarkup), which owns the names,
// so keep the document while using it.
struct CharFormat {
    std::string_view fontName = "Arial";
    double fontSize = 10.0;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeThru = false;
    std::uint32_t color = 0;  // red + 256 * green + 65536 * blue

    bool operator==(const CharFormat&) const = default;
};

// Consecutive characters with one format, a view into the document. Line breaks
// stay in the text as they were in the markup (CR LF, or a lone CR or LF).
struct FormattedRun {
    CharFormat format;
    std::string_view text;
};

// What a document holds, shared by its copies. Each distinct format is stored
// once and each distinct font name once, so a long face name followed by many
// style switches costs its length once, not once per run.
struct MarkupStore {
    struct Span {
        std::uint32_t format;  // index into formats
        std::uint32_t end;     // end of the run's text in `text`
    };
    std::string text;  // every run's characters, one after the other
    std::vector<CharFormat> formats;
    std::vector<Span> spans;
    std::unordered_set<std::string> fontNames;  // node-based: the views stay valid
};

// The runs of a document, in order: never an empty run, never two equal formats
// in a row. Read as FormattedRun values.
class RunList {
public:
    class iterator {
    public:
        using value_type = FormattedRun;
        using difference_type = std::ptrdiff_t;
        iterator() = default;
        iterator(const RunList* list, std::size_t i) : list_(list), i_(i) {}
        FormattedRun operator*() const { return (*list_)[i_]; }
        iterator& operator++() { return ++i_, *this; }
        iterator operator++(int) { iterator old = *this; ++i_; return old; }
        bool operator==(const iterator& o) const { return i_ == o.i_; }

    private:
        const RunList* list_ = nullptr;
        std::size_t i_ = 0;
    };

    std::size_t size() const { return store_ ? store_->spans.size() : 0; }
    bool empty() const { return size() == 0; }
    FormattedRun operator[](std::size_t i) const;
    FormattedRun back() const { return (*this)[size() - 1]; }
    iterator begin() const { return {this, 0}; }
    iterator end() const { return {this, size()}; }
    // The distinct formats, and the index of run i's among them.
    const std::vector<CharFormat>& Formats() const;
    std::size_t FormatIndex(std::size_t i) const { return store_->spans[i].format; }

private:
    friend class RunBuilder;
    std::shared_ptr<MarkupStore> store_;
};

struct RenderedMarkup {
    RunList runs;
    CharFormat endFormat;    // format in force after the last tag: the insertion point's
    std::size_t length = 0;  // bytes of text rendered (tags do not count)
};

// What one tag does. At most one effect: no content matches two rows.
enum class TagEffect { None, Bold, Italic, Underline, StrikeThru, Color, FontName };
struct MarkupTag {
    TagEffect effect = TagEffect::None;
    bool on = false;            // for the four styles
    std::uint32_t color = 0;    // for TagEffect::Color
    std::string fontName;       // for TagEffect::FontName, UTF-8
};

// Interprets the content between "<" and ">" (any case).
MarkupTag ReadTag(std::string_view content);

// Reads the whole UTF-8 markup in time and memory linear in its length. Every "<" opens a tag that runs to the first ">" after
// it; the tag content is compared lower-cased: "b" "/b" "i" "/i" "u" "/u" "s"
// "/s" switch a style, content beginning with "font color" sets the colour from
// the digits after the first "#" (or the first six characters when there is no
// "#"), content beginning with "font face" sets the font name from the text after
// the first double quote (up to a closing quote, which is dropped). Any other
// tag is dropped. A ">" outside a tag is an ordinary character, and a "<" with
// no ">" after it renders itself and the rest of the markup as plain text.
RenderedMarkup ReadMarkup(std::string_view markup);

