#include "designs/design_rtf.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

template <std::size_t N>
bool OneOf(std::string_view word, const std::string_view (&words)[N]) {
    for (std::string_view w : words)
        if (w == word) return true;
    return false;
}

// Groups dropped whole: pictures, objects and shapes the control cannot show, a
// field's instruction, and the plain copy of a nested table kept for readers that
// know no nesting (its cells are already lines here).
constexpr std::string_view kDroppedGroups[] = {"pict", "shppict", "nonshppict", "shp",     "shpgrp",
                                               "object", "do",     "fldinst",    "nonesttables"};
// Of those, the ones that are content of the document, not just its machinery.
constexpr std::string_view kPictureGroups[] = {"pict", "shppict", "nonshppict", "shp", "shpgrp", "object", "do"};

// Groups whose words are settings, not text: their characters make no design.
constexpr std::string_view kDestinations[] = {
    "fonttbl", "colortbl", "stylesheet", "info", "listtable", "listoverridetable", "revtbl", "rsidtbl",
    "generator", "xmlnstbl", "themedata", "colorschememapping", "latentstyles", "datastore", "header",
    "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "pgdsctbl"};

// Words of a table's structure, and of a field around its result: dropped.
constexpr std::string_view kDroppedWords[] = {"trowd",  "tcelld", "cellx",   "intbl",   "itap",    "irow",
                                              "irowband", "lastrow", "ltrrow", "rtlrow", "nesttableprops",
                                              "field",  "fldrslt", "fldlock", "flddirty", "fldedit", "fldpriv",
                                              "fldalt"};

// Words that put a character into the text.
constexpr std::string_view kTextWords[] = {"par",     "line",      "tab",     "u",        "emdash",  "endash",
                                           "bullet",  "lquote",    "rquote",  "ldblquote", "rdblquote", "emspace",
                                           "enspace", "qmspace",   "zwj",     "zwnj",     "ltrmark", "rtlmark",
                                           "sect",    "page",      "chpgn",   "chdate",   "chtime"};

// Of those, the breaks: an empty design saved by the control still holds one.
constexpr std::string_view kBreakWords[] = {"par", "line", "sect", "page"};

bool IsTablePropertyWord(std::string_view w) {
    // Row (tr...), cell (cl...), table (tbl...) and table style (ts...) properties,
    // and the borders they draw.
    return w.starts_with("tr") || w.starts_with("cl") || w.starts_with("tbl") || w.starts_with("ts") ||
           w.starts_with("brdr");
}

struct Token {
    enum Kind { Open, Close, Word, Symbol, Char, End } kind = End;
    std::string_view text;  // a word's letters, a symbol's bytes, a character
    bool hasValue = false;
    std::int32_t value = 0;
};

class Pass {
public:
    explicit Pass(std::string_view in) : in_(in) { out_.reserve(in.size() + in.size() / 8 + 16); }

    DesignRtf Run() {
        DesignRtf result;
        for (Token t = Next(); t.kind != Token::End; t = Next()) {
            if (t.kind == Token::Open) {
                if (!Open()) {
                    result.tooDeep = true;
                    result.hasContent = true;
                    return result;
                }
            } else if (t.kind == Token::Close) {
                if (Close()) break;  // the document's own closing brace: anything after it is no part of it
            } else if (skipDepth_ == 0) {
                Kept(t);
            }
        }
        out_.append(frames_.size(), '}');  // a file cut short still gets its groups closed
        result.rtf = std::move(out_);
        result.hasContent = hasContent_;
        return result;
    }

private:
    struct Frame {
        bool destination = false;  // settings, not text
    };

    // ------------------------------------------------------------------ reading

    Token Next() {
        Token t;
        if (pos_ >= in_.size()) return t;
        const char c = in_[pos_];
        if (c == '{' || c == '}') {
            t.kind = c == '{' ? Token::Open : Token::Close;
            ++pos_;
            return t;
        }
        if (c != '\\') {
            t.kind = Token::Char;
            t.text = in_.substr(pos_++, 1);
            return t;
        }
        const std::size_t start = pos_++;
        if (pos_ < in_.size() && IsLetter(in_[pos_])) return Word(start);
        // A control symbol: \'hh takes two hexadecimal digits, any other one
        // character. A cut or malformed one is dropped, so what is written after it
        // (a closing brace above all) keeps its meaning.
        std::size_t length = 2;
        if (pos_ < in_.size() && in_[pos_] == '\'') {
            length = 4;
            for (std::size_t k = 1; k <= 2; ++k)
                if (pos_ + k >= in_.size() || !std::isxdigit(static_cast<unsigned char>(in_[pos_ + k]))) length = 0;
        }
        if (start + length > in_.size()) length = 0;
        t.kind = Token::Symbol;
        t.text = in_.substr(start, length);
        pos_ = std::min(start + (length == 0 ? 2 : length), in_.size());
        return t;
    }

    Token Word(std::size_t start) {
        Token t;
        t.kind = Token::Word;
        std::size_t end = start + 1;
        while (end < in_.size() && IsLetter(in_[end])) ++end;
        t.text = in_.substr(start + 1, end - start - 1);
        const bool negative = end + 1 < in_.size() && in_[end] == '-' && IsDigit(in_[end + 1]);
        if (negative) ++end;
        // Every digit belongs to the word, however many; the value stops growing at
        // the 32-bit limit instead of overflowing.
        std::int64_t value = 0;
        constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
        while (end < in_.size() && IsDigit(in_[end])) {
            value = std::min(kLimit, value * 10 + (in_[end++] - '0'));
            t.hasValue = true;
        }
        t.value = static_cast<std::int32_t>(negative ? -value : value);
        if (end < in_.size() && in_[end] == ' ') ++end;  // the delimiter belongs to the word
        pos_ = end;
        // \binN: N raw bytes follow, braces and backslashes among them meaning nothing.
        if (t.text == "bin" && t.value > 0) {
            const std::size_t bytes = std::min(static_cast<std::size_t>(t.value), in_.size() - pos_);
            binary_ = in_.substr(pos_, bytes);
            pos_ += bytes;
        } else {
            binary_ = {};
        }
        return t;
    }

    // The first word of the group just opened, looking past "\*"; nothing is consumed.
    std::string_view FirstWord(bool& starred) const {
        std::size_t at = pos_;
        starred = in_.substr(at, 2) == "\\*";
        if (starred) at += 2;
        while (at < in_.size() && (in_[at] == '\r' || in_[at] == '\n')) ++at;
        if (at + 1 >= in_.size() || in_[at] != '\\' || !IsLetter(in_[at + 1])) return {};
        std::size_t end = at + 1;
        while (end < in_.size() && IsLetter(in_[end]) && end - at <= 32) ++end;
        return in_.substr(at + 1, end - at - 1);
    }

    // ------------------------------------------------------------------ writing

    // False when groups nest too deep to go on.
    bool Open() {
        if (frames_.size() + skipDepth_ >= kMaxDesignRtfDepth) return false;
        if (skipDepth_ > 0) {
            ++skipDepth_;
            return true;
        }
        bool starred = false;
        const std::string_view first = FirstWord(starred);
        if (OneOf(first, kDroppedGroups)) {
            if (OneOf(first, kPictureGroups) && !InDestination()) hasContent_ = true;
            skipDepth_ = 1;
            return true;
        }
        // A field's result shows as plain text; a group of table properties
        // leaves only its row end.
        if (starred && (first == "fldrslt" || first == "nesttableprops")) pos_ += 2;
        Frame frame;
        frame.destination = InDestination() || (starred && first != "fldrslt" && first != "nesttableprops") ||
                            OneOf(first, kDestinations);
        frames_.push_back(frame);
        out_ += '{';
        return true;
    }

    // True when the document's outermost group closed.
    bool Close() {
        if (skipDepth_ > 0) {
            if (--skipDepth_ > 0 || !skipClosesFrame_) return false;
            skipClosesFrame_ = false;  // the group dropped from its middle: its start was written
        }
        if (frames_.empty()) return false;  // a stray brace before the document
        frames_.pop_back();
        out_ += '}';
        return frames_.empty();
    }

    bool InDestination() const { return !frames_.empty() && frames_.back().destination; }

    void Kept(const Token& t) {
        if (frames_.empty()) return;  // nothing before the document's first brace
        const bool text = !InDestination();
        if (t.kind == Token::Char) {
            const char c = t.text[0];
            if (text && c != '\r' && c != '\n') Content(true);
            out_ += c;
            return;
        }
        if (t.kind == Token::Symbol) {
            if (t.text.empty()) return;
            if (text && t.text != "\\*") Content(true);
            out_.append(t.text);
            return;
        }
        const std::string_view w = t.text;
        if (w == "cell" || w == "nestcell") {
            // The tab goes out only when more of the row follows, so a row
            // ends without one.
            if (pendingTab_) WriteWord("tab", false, 0);
            pendingTab_ = true;
            return;
        }
        if (w == "row" || w == "nestrow") {
            pendingTab_ = false;
            // A nested row just ended the line: its outer row adds no empty one.
            if (!rowJustEnded_) WriteWord("par", false, 0);
            rowJustEnded_ = true;
            return;
        }
        if (OneOf(w, kDroppedGroups)) {
            // Such a word makes the rest of its group the picture or instruction.
            if (OneOf(w, kPictureGroups) && text) hasContent_ = true;
            skipDepth_ = 1;
            skipClosesFrame_ = true;
            return;
        }
        if (OneOf(w, kDroppedWords) || IsTablePropertyWord(w)) return;
        if (text && OneOf(w, kTextWords)) Content(!OneOf(w, kBreakWords));
        if (w == "bin") {
            // The count of the bytes there are: in a cut file, fewer than it said.
            WriteWord(w, true, static_cast<std::int32_t>(binary_.size()));
            out_.append(binary_);
            return;
        }
        WriteWord(w, t.hasValue, t.value);
    }

    // Text follows: a cell's tab still owed goes before it. `visible`: a
    // character, not only a break.
    void Content(bool visible) {
        if (pendingTab_) {
            pendingTab_ = false;
            WriteWord("tab", false, 0);
        }
        rowJustEnded_ = false;
        if (visible) hasContent_ = true;
    }

    // Always with its space: a word dropped after it could otherwise join it to the
    // letters that follow.
    void WriteWord(std::string_view word, bool hasValue, std::int32_t value) {
        out_ += '\\';
        out_.append(word);
        if (hasValue) out_ += std::to_string(value);
        out_ += ' ';
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::string out_;
    std::vector<Frame> frames_;   // the groups written, at most kMaxDesignRtfDepth
    std::size_t skipDepth_ = 0;   // groups open inside a dropped one
    bool skipClosesFrame_ = false;  // the dropped part ends with a written group
    std::string_view binary_;     // the bytes of the last \bin word
    bool pendingTab_ = false;
    bool rowJustEnded_ = false;
    bool hasContent_ = false;
};

}  // namespace

DesignRtf PrepareDesignRtf(std::string_view file) { return Pass(file).Run(); }
