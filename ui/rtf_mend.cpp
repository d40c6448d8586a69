#include "ui/rtf_mend.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "ui/utf8.h"

namespace {

// Destinations whose words are not characters of the box.
constexpr std::string_view kNoTextGroups[] = {
    "fonttbl", "colortbl",  "stylesheet", "info",     "listtable", "listoverridetable", "rsidtbl", "generator",
    "themedata", "latentstyles", "datastore", "xmlnstbl", "header", "footer", "footnote", "fldinst",
    "pntext", "listtext", "pict", "object", "shppict", "nonshppict", "revtbl", "filetbl"};

// Words that stand for one character of the box; 0 where the character the
// box holds for them varies.
struct Symbol {
    std::string_view word;
    char16_t ch;
};
constexpr Symbol kSymbols[] = {
    {"par", u'\r'},        {"tab", u'\t'},        {"line", 0},           {"emdash", 0x2014},    {"endash", 0x2013},
    {"bullet", 0x2022},    {"lquote", 0x2018},    {"rquote", 0x2019},    {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
    {"emspace", 0x2003},   {"enspace", 0x2002},   {"qmspace", 0x2005},   {"sect", 0},           {"page", 0},
    {"cell", 0},           {"row", 0}};

// What a byte of text means: the only code page whose bytes are compared is
// Windows-1252; of the others only whether a byte leads a two-byte character.
enum class Bytes { Windows1252, OtherSingle, ShiftJis, OtherDouble };

Bytes OfCodePage(int codePage) {
    switch (codePage) {
    case 1252: return Bytes::Windows1252;
    case 932: return Bytes::ShiftJis;
    case 936: case 949: case 950: case 1361: return Bytes::OtherDouble;
    default: return Bytes::OtherSingle;
    }
}

Bytes OfCharset(int charset, int ansiCodePage) {
    switch (charset) {
    case 0: return Bytes::Windows1252;
    case 1: return OfCodePage(ansiCodePage);  // the default character set
    case 128: return Bytes::ShiftJis;
    case 129: case 130: case 134: case 136: return Bytes::OtherDouble;
    default: return Bytes::OtherSingle;
    }
}

bool IsLeadByte(Bytes bytes, unsigned char b) {
    if (bytes == Bytes::ShiftJis) return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    return bytes == Bytes::OtherDouble && b >= 0x81 && b <= 0xFE;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

struct Group {
    bool noText = false;
    bool fontTable = false;
    int uc = 1;     // fallback characters after \uN
    int font = -1;  // -1: the document's default font
};

class Mender {
public:
    Mender(std::string_view rtf, std::u16string_view text) : in_(rtf), text_(text) { out_.reserve(rtf.size() + 64); }

    std::string Run() {
        while (pos_ < in_.size() && !failed_) {
            const char c = in_[pos_];
            const bool first = groupStart_;
            groupStart_ = false;
            if (c == '{' || c == '}') {
                if (!leadRaw_.empty()) failed_ = true;  // a two-byte character cut in half
                if (c == '{') groups_.push_back(groups_.back());
                else if (groups_.size() > 1) groups_.pop_back();
                groupStart_ = c == '{';
                fallbackLeft_ = 0;
                out_ += c;
                ++pos_;
            } else if (c == '\r' || c == '\n' || c == '\0') {  // the control ends its RTF with a NUL
                out_ += c;
                ++pos_;
            } else if (c == '\\') {
                Control(first);
            } else {
                ++pos_;
                Byte(static_cast<unsigned char>(c), in_.substr(pos_ - 1, 1));
            }
        }
        while (at_ < text_.size() && text_[at_] == u'\r') ++at_;  // a last break the writer leaves out
        if (failed_ || !leadRaw_.empty() || at_ != text_.size()) return std::string(in_);
        return out_;
    }

private:
    void Control(bool first) {
        const std::size_t start = pos_++;
        if (pos_ >= in_.size()) return Copy(start);
        const char c = in_[pos_];
        if (!leadRaw_.empty() && c != '\'' && c != '\\' && c != '{' && c != '}') failed_ = true;
        if (!IsLetter(c)) {
            ++pos_;
            if (c == '\'') {
                int value = 0;
                for (int i = 0, d; i < 2 && pos_ < in_.size() && (d = HexValue(in_[pos_])) >= 0; ++i, ++pos_)
                    value = value * 16 + d;
                return Byte(static_cast<unsigned char>(value), in_.substr(start, pos_ - start));
            }
            if (c == '\\' || c == '{' || c == '}') return Byte(static_cast<unsigned char>(c), in_.substr(start, 2));
            if (c == '*') groups_.back().noText = true;
            if (Fallback(start)) return;
            if (c == '\r' || c == '\n') return SymbolChar(u'\r', start);
            if (c == '~' || c == '-' || c == '_') return SymbolChar(0, start);
            return Copy(start);
        }
        std::size_t end = pos_;
        while (end < in_.size() && IsLetter(in_[end])) ++end;
        const std::string_view word = in_.substr(pos_, end - pos_);
        bool negative = end < in_.size() && in_[end] == '-';
        if (negative) ++end;
        long long value = 0;
        bool hasParam = false;
        for (; end < in_.size() && IsDigit(in_[end]); ++end, hasParam = true)
            if (value < 100000000) value = value * 10 + (in_[end] - '0');
        if (negative && !hasParam) --end;  // a lone "-" is text, not part of the word
        if (end < in_.size() && in_[end] == ' ') ++end;
        pos_ = end;
        const int param = static_cast<int>(negative ? -value : value);
        if (Fallback(start)) return;
        Word(word, hasParam ? param : 0, start, first);
    }

    void Word(std::string_view word, int param, std::size_t start, bool first) {
        Group& g = groups_.back();
        const bool textGroup = !g.noText;
        for (std::string_view w : kNoTextGroups) {
            if (first && w == word) {
                g.noText = true;
                g.fontTable = word == "fonttbl";
            }
        }
        if (first && textGroup && (word == "pict" || word == "object") && at_ < text_.size() && text_[at_] == 0xFFFC)
            ++at_;  // the box holds an embedded object as one character
        if (word == "ansicpg") ansiCodePage_ = param;
        else if (word == "deff") defaultFont_ = param;
        else if (word == "uc") g.uc = param < 0 ? 0 : param > 8 ? 8 : param;
        else if (word == "f" && g.fontTable) tableFont_ = param;
        else if (word == "f") g.font = param;
        else if (word == "fcharset" && g.fontTable) charsets_[tableFont_] = param;
        else if (word == "bin") pos_ += std::min<std::size_t>(param < 0 ? 0 : param, in_.size() - pos_);
        else if (word == "u" && !g.noText) return Unicode(static_cast<char16_t>(param), start);
        else if (!g.noText)
            for (const Symbol& s : kSymbols)
                if (s.word == word) return SymbolChar(s.ch, start);
        Copy(start);
    }

    // A word or character that stands in for the \uN before it.
    bool Fallback(std::size_t start) {
        if (fallbackLeft_ == 0) return false;
        --fallbackLeft_;
        if (!dropFallback_) Copy(start);
        return true;
    }

    void Unicode(char16_t got, std::size_t start) {
        if (!Next()) return;
        fallbackLeft_ = groups_.back().uc;
        dropFallback_ = got != want_;
        if (dropFallback_) Write(want_);
        else Copy(start);
    }

    void Byte(unsigned char b, std::string_view raw) {
        if (Fallback(static_cast<std::size_t>(raw.data() - in_.data()))) return;
        if (groups_.back().noText) return void(out_ += raw);
        if (!leadRaw_.empty()) {  // the second byte of a two-byte character: never compared
            leadRaw_ = {};
            if (Next()) Write(want_);
            return;
        }
        const Group& g = groups_.back();
        const auto charset = charsets_.find(g.font >= 0 ? g.font : defaultFont_);
        const Bytes bytes =
            charset == charsets_.end() ? OfCodePage(ansiCodePage_) : OfCharset(charset->second, ansiCodePage_);
        if (IsLeadByte(bytes, b)) return void(leadRaw_ = raw);
        if (!Next()) return;
        const bool same = b < 0x80 ? want_ == b : bytes == Bytes::Windows1252 && Windows1252ToUnicode(b) == want_;
        if (same) out_ += raw;
        else if (want_ >= 0x80 && want_ != 0xFFFC) Write(want_);
        else failed_ = true;  // an ASCII character against another: the two are not lined up
    }

    void SymbolChar(char16_t ch, std::size_t start) {
        Copy(start);
        if (at_ >= text_.size()) return;
        if (ch != 0 && text_[at_] != ch) failed_ = true;
        ++at_;
    }

    bool Next() {
        if (at_ >= text_.size()) return !(failed_ = true);
        want_ = text_[at_++];
        return true;
    }

    void Write(char16_t ch) {
        out_ += "\\u" + std::to_string(static_cast<std::int16_t>(ch));
        const int uc = groups_.back().uc;
        out_.append(uc == 0 ? 1 : static_cast<std::size_t>(uc), uc == 0 ? ' ' : '?');
    }

    void Copy(std::size_t start) { out_.append(in_.substr(start, pos_ - start)); }

    std::string_view in_;
    std::u16string_view text_;
    std::string out_;
    std::size_t pos_ = 0;
    std::size_t at_ = 0;  // the box's next character
    char16_t want_ = 0;
    std::vector<Group> groups_{Group{}};
    std::map<int, int> charsets_;  // font number to \fcharset
    int tableFont_ = -1, defaultFont_ = 0, ansiCodePage_ = 1252;
    int fallbackLeft_ = 0;
    bool dropFallback_ = false, groupStart_ = false, failed_ = false;
    std::string_view leadRaw_;
};

}  // namespace

std::string MendRtfText(std::string_view rtf, std::u16string_view text) { return Mender(rtf, text).Run(); }

namespace {

int CharsetOfCodePage(int codePage) {
    constexpr int kPairs[][2] = {{1252, 0},   {1250, 238}, {1251, 204}, {1253, 161}, {1254, 162},
                                 {1255, 177}, {1256, 178}, {1257, 186}, {1258, 163}, {874, 222},
                                 {932, 128},  {936, 134},  {949, 129},  {950, 136}};
    for (const auto& pair : kPairs)
        if (pair[0] == codePage) return pair[1];
    return -1;
}

// The control word starting at `at` (a backslash): its letters, parameter and end.
struct Word {
    std::string_view letters;
    int param = -1;
    std::size_t end = 0;  // after its digits, before any delimiting space
};

Word ReadWord(std::string_view rtf, std::size_t at) {
    Word w;
    std::size_t end = at + 1;
    while (end < rtf.size() && IsLetter(rtf[end])) ++end;
    w.letters = rtf.substr(at + 1, end - at - 1);
    if (w.letters.empty()) {  // a control symbol; \'xx with its two digits
        end = std::min(rtf.size(), end + (end < rtf.size() && rtf[end] == '\'' ? 3 : 1));
    } else if (end < rtf.size() && IsDigit(rtf[end])) {
        w.param = 0;
        for (; end < rtf.size() && IsDigit(rtf[end]); ++end)
            if (w.param < 100000) w.param = w.param * 10 + (rtf[end] - '0');
    }
    w.end = end;
    return w;
}

}  // namespace

std::string StateCodePage(std::string_view rtf) {
    if (rtf.substr(0, 5) != "{\\rtf") return std::string(rtf);
    std::vector<std::pair<std::size_t, std::string>> inserts;
    int codePage = 1252;
    std::size_t charsetEnd = ReadWord(rtf, 1).end;  // after \rtfN, or after the \ansi that follows it
    const std::size_t next = charsetEnd + (charsetEnd < rtf.size() && rtf[charsetEnd] == ' ');
    if (next < rtf.size() && rtf[next] == '\\') {
        const Word charsetWord = ReadWord(rtf, next);
        const std::string_view word = charsetWord.letters;
        if (word == "mac" || word == "pc" || word == "pca") return std::string(rtf);
        if (word == "ansi") charsetEnd = charsetWord.end;
    }
    const std::size_t named = rtf.find("\\ansicpg");
    if (named == std::string_view::npos) inserts.emplace_back(charsetEnd, "\\ansicpg1252");
    else codePage = ReadWord(rtf, named).param;
    const int charset = CharsetOfCodePage(codePage);
    const std::size_t table = rtf.find("{\\fonttbl");
    if (charset >= 0 && table != std::string_view::npos) {
        // Each font runs from its \fN to the ";" at the same depth; groups inside it are passed over.
        int depth = 0, fontDepth = -1;
        std::size_t fontEnd = 0;
        bool hasCharset = false;
        for (std::size_t at = table; at < rtf.size();) {
            const char c = rtf[at];
            if (c == '{' || c == '}') {
                depth += c == '{' ? 1 : -1;
                if (depth == 0) break;  // the end of the table
                ++at;
            } else if (c == '\\') {
                const Word w = ReadWord(rtf, at);
                if (w.letters == "f" && w.param >= 0) fontDepth = depth, fontEnd = w.end, hasCharset = false;
                if (w.letters == "fcharset" && depth == fontDepth) hasCharset = true;
                at = w.end;
            } else {
                if (c == ';' && depth == fontDepth) {
                    if (!hasCharset) inserts.emplace_back(fontEnd, "\\fcharset" + std::to_string(charset));
                    fontDepth = -1;
                }
                ++at;
            }
        }
    }
    std::string out;
    out.reserve(rtf.size() + inserts.size() * 12);
    std::size_t from = 0;
    for (const auto& [at, word] : inserts) {
        out.append(rtf.substr(from, at - from)).append(word);
        from = at;
    }
    return out.append(rtf.substr(from));
}
