#include "effects/rtf_writer.h"

#include <cmath>
#include <cstdint>

namespace {

// Distinct values in order of first use; the documents hold a handful at most.
template <typename T>
class Table {
public:
    std::size_t IndexOf(const T& value) {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i] == value) return i;
        items_.push_back(value);
        return items_.size() - 1;
    }
    const std::vector<T>& Items() const { return items_; }

private:
    std::vector<T> items_;
};

void AppendHexByte(std::string& out, unsigned char c) {
    static const char kDigits[] = "0123456789abcdef";
    out += "\\'";
    out += kDigits[c >> 4];
    out += kDigits[c & 0xF];
}

// A font name inside the font table. A ";" ends the entry for a rich edit
// reader even when written as a hex byte, so it is left out: no installed font
// has one in its name, and the document stays one entry per font.
void AppendFontName(std::string& out, const std::string& name) {
    for (char ch : name) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c == 0 || ch == ';') continue;
        if (ch == '\\' || ch == '{' || ch == '}') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c >= 0x80) {
            AppendHexByte(out, c);
        } else {
            out += ch;
        }
    }
}

// `afterCr` carries over from one run to the next: the fader may cut a CR LF
// between two colour segments, and the pair is still one line break.
void AppendText(std::string& out, const std::string& text, bool& afterCr) {
    for (const char ch : text) {
        if (ch == '\0') continue;  // no rich edit text holds one
        const unsigned char c = static_cast<unsigned char>(ch);
        const bool completesBreak = ch == '\n' && afterCr;
        afterCr = ch == '\r';
        if (completesBreak) continue;
        switch (ch) {
            case '\\': out += "\\\\"; break;
            case '{': out += "\\{"; break;
            case '}': out += "\\}"; break;
            case '\t': out += "\\tab "; break;
            case '\r':
            case '\n': out += "\\par\r\n"; break;
            default:
                if (c < 0x20 || c >= 0x80) AppendHexByte(out, c);
                else out += ch;
        }
    }
}

int HalfPoints(double points) { return static_cast<int>(std::lround(points * 2.0)); }

struct WrittenFormat {
    std::size_t font = 0;
    int halfPoints = 0;
    std::size_t color = 0;
    bool bold = false, italic = false, underline = false, strikeThru = false;
};

// Control words that take the reader from `from` to `to`; `first` writes every
// property, since the reader's defaults (12 points, automatic colour) are not
// ours.
void AppendFormatChange(std::string& out, const WrittenFormat* from, const WrittenFormat& to) {
    const std::size_t before = out.size();
    if (!from || from->font != to.font) out += "\\f" + std::to_string(to.font);
    if (!from || from->halfPoints != to.halfPoints) out += "\\fs" + std::to_string(to.halfPoints);
    if (!from || from->color != to.color) out += "\\cf" + std::to_string(to.color);
    if (from ? from->bold != to.bold : to.bold) out += to.bold ? "\\b" : "\\b0";
    if (from ? from->italic != to.italic : to.italic) out += to.italic ? "\\i" : "\\i0";
    if (from ? from->underline != to.underline : to.underline) out += to.underline ? "\\ul" : "\\ulnone";
    if (from ? from->strikeThru != to.strikeThru : to.strikeThru) out += to.strikeThru ? "\\strike" : "\\strike0";
    if (out.size() != before) out += ' ';  // ends the last control word before text
}

}  // namespace

std::string WriteRtf(const std::vector<FormattedRun>& runs, const CharFormat& endFormat) {
    Table<std::string> fonts;
    Table<std::uint32_t> colors;
    fonts.IndexOf("Arial");  // the box's base font is font 0, the document default
    auto resolve = [&](const CharFormat& f) {
        WrittenFormat w;
        w.font = fonts.IndexOf(f.fontName);
        w.halfPoints = HalfPoints(f.fontSize);
        // Index 0 of the colour table is the reader's automatic colour; black is
        // written as a colour of its own so it stays an explicit black.
        w.color = colors.IndexOf(f.color & 0xFFFFFFu) + 1;
        w.bold = f.bold;
        w.italic = f.italic;
        w.underline = f.underline;
        w.strikeThru = f.strikeThru;
        return w;
    };

    std::string body;
    std::size_t textBytes = 0;
    for (const FormattedRun& run : runs) textBytes += run.text.size();
    body.reserve(textBytes + textBytes / 8 + 64 * runs.size() + 64);

    WrittenFormat current{};
    bool haveCurrent = false;
    bool afterCr = false;
    for (const FormattedRun& run : runs) {
        if (run.text.empty() || (afterCr && run.text == "\n")) {
            afterCr = false;  // only the LF of a CR LF already written
            continue;
        }
        const WrittenFormat next = resolve(run.format);
        AppendFormatChange(body, haveCurrent ? &current : nullptr, next);
        current = next;
        haveCurrent = true;
        AppendText(body, run.text, afterCr);
    }
    const WrittenFormat end = resolve(endFormat);
    AppendFormatChange(body, haveCurrent ? &current : nullptr, end);
    body += "\\par\r\n}";

    std::string out;
    out.reserve(body.size() + 256);
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    for (std::size_t i = 0; i < fonts.Items().size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ";
        AppendFontName(out, fonts.Items()[i]);
        out += ";}";
    }
    out += "}\r\n{\\colortbl ;";
    for (std::uint32_t c : colors.Items()) {
        out += "\\red" + std::to_string(c & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) +
               "\\blue" + std::to_string((c >> 16) & 0xFF) + ";";
    }
    out += "}\r\n\\viewkind4\\uc1\\pard";
    out += body;
    return out;
}
