#include "effects/rtf_writer.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "ui/utf8.h"

namespace {

// Distinct values in order of first use, found by hash: a document may hold as
// many colours or faces as it has runs.
template <typename T>
class Table {
public:
    std::size_t IndexOf(const T& value) {
        const auto [it, added] = index_.try_emplace(value, items_.size());
        if (added) items_.push_back(value);
        return it->second;
    }
    const std::vector<T>& Items() const { return items_; }

private:
    std::vector<T> items_;
    std::unordered_map<T, std::size_t> index_;
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
void AppendFontName(std::string& out, std::string_view name) {
    for (std::size_t at = 0; at < name.size();) {
        const DecodedCodePoint d = DecodeUtf8(name, at);
        at += d.length;
        const int ansi = UnicodeToWindows1252(d.value);
        if (d.value == 0 || d.value == ';') continue;
        if (d.value >= 0x80 && ansi >= 0) AppendHexByte(out, static_cast<unsigned char>(ansi));
        else if (d.value < 0x20) AppendHexByte(out, static_cast<unsigned char>(d.value));
        else AppendRtfCharacter(out, d.value);
    }
}

// `afterCr` carries over from one run to the next: the fader may cut a CR LF
// between two colour segments, and the pair is still one line break.
void AppendText(std::string& out, std::string_view text, bool& afterCr) {
    for (std::size_t at = 0; at < text.size();) {
        const DecodedCodePoint d = DecodeUtf8(text, at);
        at += d.length;
        const char32_t c = d.value;
        if (c == 0) continue;  // no rich edit text holds one
        const bool completesBreak = c == '\n' && afterCr;
        afterCr = c == '\r';
        if (completesBreak) continue;
        if (c == '\t') out += "\\tab ";
        else if (c == '\r' || c == '\n') out += "\\par\r\n";
        else if (c < 0x20) AppendHexByte(out, static_cast<unsigned char>(c));
        else AppendRtfCharacter(out, c);
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

void AppendRtfCharacter(std::string& out, char32_t c) {
    if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c < 0x80) {
        out += static_cast<char>(c);
    } else {
        std::string unit;
        AppendUtf8(unit, c);
        for (char16_t u : Utf16FromUtf8(unit)) {
            out += "\\u";
            out += std::to_string(static_cast<std::int16_t>(u));
            out += '?';
        }
    }
}

std::string WriteRtf(const RenderedMarkup& doc) {
    const RunList& runs = doc.runs;
    Table<std::string_view> fonts;
    Table<std::uint32_t> colors;
    fonts.IndexOf("Arial");  // the box's base font is font 0, the document default
    // The document's names are interned, so a face is looked up by content
    // once and then by address: a long name is never hashed once per run.
    std::unordered_map<const char*, std::size_t> fontByAddress;
    auto fontIndex = [&](std::string_view name) {
        const auto [it, added] = fontByAddress.try_emplace(name.data(), 0);
        if (added) it->second = fonts.IndexOf(name);
        return it->second;
    };
    auto resolve = [&](const CharFormat& f) {
        WrittenFormat w;
        w.font = fontIndex(f.fontName);
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

    // Each distinct format is resolved when first used, which keeps the tables
    // in order of first use.
    std::vector<std::optional<WrittenFormat>> written(runs.Formats().size());
    std::string body;
    body.reserve(doc.length + doc.length / 8 + 16 * runs.size() + 64);

    WrittenFormat current{};
    bool haveCurrent = false;
    bool afterCr = false;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const FormattedRun run = runs[i];
        if (run.text.empty() || (afterCr && run.text == "\n")) {
            afterCr = false;  // only the LF of a CR LF already written
            continue;
        }
        std::optional<WrittenFormat>& known = written[runs.FormatIndex(i)];
        if (!known) known = resolve(run.format);
        const WrittenFormat next = *known;
        AppendFormatChange(body, haveCurrent ? &current : nullptr, next);
        current = next;
        haveCurrent = true;
        AppendText(body, run.text, afterCr);
    }
    const WrittenFormat end = resolve(doc.endFormat);
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
