#include "registry/regedit4.h"

#include "registry/bin_text.h"
#include "registry/reg_path.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr char kQuote = '"';
constexpr char kEscape = '\\';

std::string Quoted(const std::string& text) {
    std::string out(1, kQuote);
    out.reserve(text.size() + 2);
    for (char c : text) {
        if (c == kQuote || c == kEscape) out += kEscape;
        out += c;
    }
    return out += kQuote;
}

// Bytes as "01,AB,FF".
std::string HexBytes(std::string_view bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (unsigned char b : bytes) {
        if (!out.empty()) out += ',';
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

// The data of a string value: quoted when it fits on one line, else its bytes
// with the closing NUL as the format's string-in-hex form.
std::string StringData(const std::string& value) {
    if (value.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos) return Quoted(value);
    return "hex(1):" + HexBytes(value + '\0');
}

std::string_view TrimSpaces(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view head) {
    return text.size() >= head.size() && AsciiUpper(std::string(text.substr(0, head.size()))) == head;
}

// The text of a quoted string whose opening quote is at `at`: "\\" and "\""
// stand for "\" and the quote, any other backslash stays as written. Ends at
// the closing quote or the line's end; `at` is left after it.
std::string ReadQuoted(std::string_view line, size_t& at) {
    std::string out;
    for (++at; at < line.size() && line[at] != kQuote; ++at) {
        if (line[at] == kEscape && at + 1 < line.size() && (line[at + 1] == kQuote || line[at + 1] == kEscape))
            ++at;
        out += line[at];
    }
    if (at < line.size()) ++at;
    return out;
}

// "01,ab,FF" (spaces anywhere) as raw bytes; false when a piece is not one or
// two hexadecimal digits.
bool ReadHexBytes(std::string_view text, std::string& bytes) {
    bytes.clear();
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view piece = TrimSpaces(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        if (piece.empty()) continue;
        if (piece.size() > 2 || piece.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos)
            return false;
        bytes += static_cast<char>(LeadingHexValue(std::string(piece)));
    }
    return true;
}

// Walks a file's text one CR LF line at a time without copying it.
class LineReader {
public:
    explicit LineReader(const std::string& text) : text_(text) {}
    bool Next(std::string_view& line) {
        if (pos_ > text_.size()) return false;
        const size_t end = text_.find(kRegedit4LineEnd, pos_);
        const size_t stop = end == std::string::npos ? text_.size() : end;
        line = std::string_view(text_).substr(pos_, stop - pos_);
        pos_ = end == std::string::npos ? text_.size() + 1 : end + 2;
        return true;
    }

private:
    const std::string& text_;
    size_t pos_ = 0;
};

class Reader {
public:
    Reader(RegImport& import, bool allowOtherHives) : import_(import), allowOtherHives_(allowOtherHives) {}

    // False when the key line reaches outside the hive of the first one.
    bool KeyLine(std::string_view line) {
        const size_t close = line.rfind(']');
        std::string path(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
        const bool kill = !path.empty() && path[0] == '-';
        if (kill) path.erase(0, 1);
        const RegRoot root = ParseRegPath(path).root;
        if (!haveHive_) hive_ = root, haveHive_ = true;
        if (root != hive_ && !allowOtherHives_) return false;
        import_.keys.push_back(std::move(path));
        inBlock_ = !kill;
        if (kill) Add(RegImportStep::Action::KillKey, {});
        return true;
    }

    void ValueLine(std::string_view line, LineReader& lines) {
        using Action = RegImportStep::Action;
        if (!inBlock_ || line.empty() || line[0] == ';') return;
        size_t at = 0;
        std::string name;
        bool quotedName = line[0] == kQuote;
        if (quotedName) {
            name = ReadQuoted(line, at);
        } else {
            at = line.find('=');
            if (at == std::string_view::npos) return;
            name = std::string(line.substr(0, line.substr(0, at).find_last_not_of(' ') + 1));
            if (name == "@") name.clear();  // the default value
        }
        while (at < line.size() && line[at] == ' ') ++at;
        if (at >= line.size() || line[at] != '=') return;
        std::string_view data = TrimSpaces(line.substr(at + 1));

        if (data == "-") {
            Add(Action::KillValue, std::move(name));
        } else if (!data.empty() && data[0] == kQuote) {
            size_t from = 0;
            Add(Action::WriteString, std::move(name), ReadQuoted(data, from));
        } else if (StartsWithIgnoringCase(data, "HEX:") || StartsWithIgnoringCase(data, "HEX(")) {
            HexValue(data, std::move(name), lines);
        } else if (StartsWithIgnoringCase(data, "DWORD:")) {
            // More than eight digits is no 32-bit number: left alone, like malformed bytes.
            const std::string_view digits = data.substr(6);
            if (digits.substr(0, digits.find_first_not_of("0123456789abcdefABCDEF")).size() > 8) return;
            Add(Action::WriteDWORD, std::move(name), {}, LeadingHexValue(std::string(digits)));
        } else if (!quotedName && name.empty() && data.empty()) {
            Add(Action::KillValue, {});
        } else {
            Add(Action::WriteString, std::move(name), std::string(data));
        }
    }

private:
    // "hex:" (binary) or "hex(1):" (a string) bytes, continued over the lines
    // that follow while a line ends in "\". Other value types are not ours and
    // are left alone, and so are malformed bytes.
    void HexValue(std::string_view data, std::string name, LineReader& lines) {
        const size_t colon = data.find(':');
        if (colon == std::string_view::npos) return;
        const std::string kind = AsciiUpper(std::string(data.substr(0, colon)));
        std::string text(data.substr(colon + 1));
        std::string_view next;
        while (!text.empty() && text.back() == kEscape && lines.Next(next)) {
            text.pop_back();
            text += TrimSpaces(next);
        }
        std::string bytes;
        if (!ReadHexBytes(text, bytes)) return;
        if (kind == "HEX") {
            Add(RegImportStep::Action::WriteBinary, std::move(name), std::move(bytes));
        } else if (kind == "HEX(1)") {
            if (!bytes.empty() && bytes.back() == '\0') bytes.pop_back();
            Add(RegImportStep::Action::WriteString, std::move(name), std::move(bytes));
        }
    }

    void Add(RegImportStep::Action action, std::string name, std::string data = {}, std::uint32_t number = 0) {
        RegImportStep step;
        step.action = action;
        step.key = import_.keys.size() - 1;
        step.name = std::move(name);
        step.data = std::move(data);
        step.number = number;
        import_.steps.push_back(std::move(step));
    }

    RegImport& import_;
    bool allowOtherHives_;
    bool inBlock_ = false;
    bool haveHive_ = false;
    RegRoot hive_ = RegRoot::None;
};

}  // namespace

bool Regedit4CanCarry(const std::string& text) { return text.find_first_of("\r\n") == std::string::npos; }

std::string Regedit4KeyLine(const std::string& path) { return "[" + path + "]"; }

std::string Regedit4DefaultValueLine(const std::string& value) { return "@=" + StringData(value); }

std::string Regedit4StringLine(const std::string& name, const std::string& value) {
    return Quoted(name) + "=" + StringData(value);
}

std::string Regedit4BinaryLine(const std::string& name, const std::string& bytes) {
    return Quoted(name) + "=hex:" + HexBytes(bytes);
}

std::string Regedit4DwordLine(const std::string& name, std::uint32_t value) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(value));
    return Quoted(name) + "=dword:" + digits;
}

bool ParseRegedit4(const std::string& fileText, RegImport& import, bool allowOtherHives) {
    import = RegImport();
    LineReader lines(fileText);
    std::string_view line;
    if (!lines.Next(line) || AsciiUpper(std::string(line)) != kRegedit4Header) return false;
    Reader reader(import, allowOtherHives);
    while (lines.Next(line)) {
        line = TrimSpaces(line);
        if (!line.empty() && line[0] == '[') {
            if (!reader.KeyLine(line)) {
                import = RegImport();
                return false;
            }
        } else {
            reader.ValueLine(line, lines);
        }
    }
    return true;
}
