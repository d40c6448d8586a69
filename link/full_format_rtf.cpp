#include "link/full_format_rtf.h"

#include <cstring>
#include <string_view>
#include <vector>

namespace {

// Underline kinds as the control words name them; index 0 is "none".
constexpr std::string_view kUnderlines[] = {
    "ulnone", "ul",       "ulw",        "uld",     "uldb",    "uldash",    "uldashd",     "uldashdd",  "ulwave",
    "ulth",   "ulldash",  "ulhwave",    "ululdbwave", "ulthd", "ulthdash", "ulthdashd",   "ulthdashdd", "ulthldash"};

// Groups whose words are not characters of the message: copied as they are.
constexpr std::string_view kDestinations[] = {
    "fonttbl", "colortbl", "stylesheet", "info",    "pict",       "object",   "listtable", "listoverridetable",
    "rsidtbl", "generator", "themedata", "latentstyles", "datastore", "xmlnstbl", "header", "footer",
    "footnote", "fldinst"};

// Words that put something into the text: the format is stated before them.
constexpr std::string_view kContentWords[] = {
    "par",    "line",  "tab",    "u",        "emdash", "endash", "bullet", "lquote", "rquote",
    "ldblquote", "rdblquote", "emspace", "enspace", "qmspace", "sect",   "page",   "cell",   "row"};

template <std::size_t N>
bool OneOf(std::string_view word, const std::string_view (&words)[N]) {
    for (std::string_view w : words)
        if (w == word) return true;
    return false;
}

struct CharState {
    int font = -1;  // -1: the document's default font
    int halfPoints = 24;
    bool bold = false, italic = false, strike = false;
    int underline = 0;  // index into kUnderlines
    int color = 0;      // colour table index as written; 0 is "automatic"
    bool operator==(const CharState&) const = default;
};

struct Frame {
    CharState state;    // what the words read so far set
    CharState stated;   // what the reader of our output has been told
    bool statedValid = false;
};

class Rewriter {
public:
    explicit Rewriter(const std::string& in) : in_(in), hasColorTable_(in.find("{\\colortbl") != std::string::npos) {
        out_.reserve(in.size() + in.size() / 4 + 64);
        stack_.emplace_back();
    }

    std::string Run() {
        while (pos_ < in_.size()) {
            const char c = in_[pos_];
            if (c == '{') OpenGroup();
            else if (c == '}') CloseGroup();
            else if (c == '\\') Control();
            else {
                if (c != '\r' && c != '\n') StateFormat();
                out_ += c;
                ++pos_;
            }
        }
        return std::move(out_);
    }

private:
    Frame& Top() { return stack_.back(); }

    void OpenGroup() {
        std::size_t at = pos_ + 1;
        if (at + 1 < in_.size() && in_[at] == '\\' && in_[at + 1] == '*') return CopyGroup(false);
        if (at < in_.size() && in_[at] == '\\') {
            std::size_t end = ++at;
            while (end < in_.size() && IsLetter(in_[end])) ++end;
            const std::string_view word(in_.data() + at, end - at);
            if (OneOf(word, kDestinations)) return CopyGroup(word == "colortbl");
        }
        stack_.push_back(Top());
        out_ += '{';
        ++pos_;
    }

    void CloseGroup() {
        if (stack_.size() > 1) stack_.pop_back();
        out_ += '}';
        ++pos_;
    }

    // A destination group, copied up to its closing brace; the colour table
    // is also read, and gains an explicit black when it has none.
    void CopyGroup(bool colorTable) {
        const std::size_t start = pos_;
        int depth = 0;
        for (; pos_ < in_.size(); ++pos_) {
            const char c = in_[pos_];
            if (c == '\\') ++pos_;  // an escaped brace or backslash is no brace
            else if (c == '{') ++depth;
            else if (c == '}' && --depth == 0) break;
        }
        const std::size_t end = pos_ < in_.size() ? pos_ : in_.size();
        out_.append(in_, start, end - start);
        if (colorTable) {
            ReadColorTable(std::string_view(in_).substr(start, end - start));
            if (black_ < 0) {
                black_ = static_cast<int>(colors_.size());
                out_ += "\\red0\\green0\\blue0;";
            }
        }
        if (pos_ < in_.size()) {
            out_ += '}';
            ++pos_;
        }
        if (!hasColorTable_ && !colorTableWritten_ && std::string_view(in_).substr(start).starts_with("{\\fonttbl"))
            WriteOwnColorTable();
    }

    void WriteOwnColorTable() {
        out_ += "{\\colortbl;\\red0\\green0\\blue0;}";
        colors_ = {-1, 0};
        black_ = 1;
        colorTableWritten_ = true;
    }

    void ReadColorTable(std::string_view table) {
        long rgb = 0;
        bool given = false;
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (table[i] == ';') {
                if (given && rgb == 0 && black_ < 0) black_ = static_cast<int>(colors_.size());
                colors_.push_back(given ? rgb : -1);
                rgb = 0;
                given = false;
            } else if (table[i] == '\\') {
                std::size_t end = i + 1;
                while (end < table.size() && IsLetter(table[end])) ++end;
                const std::string_view word = table.substr(i + 1, end - i - 1);
                const long value = ReadDigits(table, end);
                const int shift = word == "red" ? 0 : word == "green" ? 8 : word == "blue" ? 16 : -1;
                if (shift >= 0) {
                    rgb |= (value & 0xFF) << shift;
                    given = true;
                }
                i = end - 1;
            }
        }
    }

    void Control() {
        const std::size_t start = pos_;
        if (pos_ + 1 >= in_.size()) {
            out_ += in_[pos_++];
            return;
        }
        const char next = in_[pos_ + 1];
        if (!IsLetter(next)) {
            const std::size_t length = next == '\'' ? 4 : 2;
            if (next == '\'' || std::strchr("\\{}~-_\r\n", next)) StateFormat();
            out_.append(in_, start, length);
            pos_ = start + length > in_.size() ? in_.size() : start + length;
            return;
        }
        std::size_t end = pos_ + 1;
        while (end < in_.size() && IsLetter(in_[end])) ++end;
        const std::string_view word(in_.data() + pos_ + 1, end - pos_ - 1);
        bool negative = false;
        if (end < in_.size() && in_[end] == '-') negative = true, ++end;
        const std::size_t digits = end;
        long value = ReadDigits(in_, end);
        const bool hasValue = end > digits;
        if (negative) value = -value;
        if (end < in_.size() && in_[end] == ' ') ++end;  // the delimiter belongs to the word
        pos_ = end;

        CharState& s = Top().state;
        const bool on = !hasValue || value != 0;
        if (word == "f") s.font = static_cast<int>(value);
        else if (word == "fs") s.halfPoints = hasValue ? static_cast<int>(value) : 24;
        else if (word == "b") s.bold = on;
        else if (word == "i") s.italic = on;
        else if (word == "strike") s.strike = on;
        else if (word == "cf") s.color = static_cast<int>(value);
        else if (word.starts_with("ul") && UnderlineKind(word) >= 0) s.underline = on ? UnderlineKind(word) : 0;
        else {
            if (word == "deff") deff_ = static_cast<int>(value);
            if (word == "plain") {
                // Resets more than we restate (raised text, hidden text...),
                // so it stays, and our full format follows it.
                s = CharState{};
                Top().statedValid = false;
            }
            if (OneOf(word, kContentWords)) StateFormat();
            out_.append(in_, start, end - start);
        }
    }

    static int UnderlineKind(std::string_view word) {
        for (std::size_t k = 0; k < std::size(kUnderlines); ++k)
            if (kUnderlines[k] == word) return static_cast<int>(k);
        return -1;
    }

    // Before a character: when anything differs from what was last stated in
    // this group, state all of it.
    void StateFormat() {
        Frame& top = Top();
        if (top.statedValid && top.stated == top.state) return;
        if (black_ < 0) WriteOwnColorTable();
        const CharState& s = top.state;
        const int color = s.color > 0 && s.color < static_cast<int>(colors_.size()) && colors_[s.color] >= 0
                              ? s.color
                              : black_;
        out_ += "\\f" + std::to_string(s.font < 0 ? deff_ : s.font) + "\\fs" + std::to_string(s.halfPoints);
        out_ += s.bold ? "\\b" : "\\b0";
        out_ += s.italic ? "\\i" : "\\i0";
        out_ += '\\';
        out_ += kUnderlines[s.underline];
        out_ += s.strike ? "\\strike" : "\\strike0";
        out_ += "\\cf" + std::to_string(color) + ' ';
        top.stated = s;
        top.statedValid = true;
    }

    // The number at `at`, which is left after its last digit. Every digit is
    // read, but the value stops growing below a billion: a file may hold any
    // number of them, and a long has 32 bits on Windows.
    static long ReadDigits(std::string_view text, std::size_t& at) {
        long value = 0;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
            if (value < 100000000) value = value * 10 + (text[at] - '0');
        return value;
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

    const std::string& in_;
    std::string out_;
    std::size_t pos_ = 0;
    std::vector<Frame> stack_;
    std::vector<long> colors_;  // -1: the automatic colour
    int black_ = -1;
    int deff_ = 0;
    bool hasColorTable_;
    bool colorTableWritten_ = false;
};

}  // namespace

std::string StateFullFormat(const std::string& rtf) {
    if (rtf.rfind("{\\rtf", 0) != 0) return rtf;
    return Rewriter(rtf).Run();
}
