// A small, strict RTF reader for checking what effects/rtf_writer.cpp writes:
// it refuses anything unbalanced or malformed and reads the text back with the
// format of every character, so tests and the fuzz target can compare the
// result with the runs that went in. It knows only the control words the
// writer may use; an unknown one is an error, not something to skip.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "effects/markup_reader.h"

struct ScannedRtf {
    bool ok = false;
    std::string error;
    std::vector<std::string> fonts;
    std::vector<std::uint32_t> colors;        // colour table without the automatic entry 0
    std::vector<FormattedRun> runs;           // text with line breaks as CR LF
    CharFormat endFormat;                     // format of the closing paragraph mark
};

namespace rtf_scan_detail {

struct State {
    int font = 0;
    int halfPoints = 24;
    int color = 0;
    bool bold = false, italic = false, underline = false, strike = false;
};

inline int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace rtf_scan_detail

inline ScannedRtf ScanRtf(std::string_view rtf) {
    using namespace rtf_scan_detail;
    ScannedRtf out;
    auto fail = [&](const std::string& why, std::size_t at) {
        out.ok = false;
        out.error = why + " at byte " + std::to_string(at);
        return out;
    };
    if (rtf.substr(0, 6) != "{\\rtf1") return fail("no {\\rtf1 header", 0);

    enum class Dest { Body, FontTable, FontEntry, ColorTable };
    struct Frame { State state; Dest dest; };
    std::vector<Frame> stack;
    State state;
    Dest dest = Dest::Body;
    std::string fontName;
    int fontEntryIndex = -1;
    int red = 0, green = 0, blue = 0;
    bool colorEntryStarted = false;
    bool sawAutoColor = false;
    struct Mark { char ch; bool paragraph; State state; };
    std::vector<Mark> chars;  // body characters and paragraph marks

    auto bodyChar = [&](char ch) { chars.push_back({ch, false, state}); };
    // `literal` marks a character written as an escape: it never ends an entry.
    auto textChar = [&](char ch, bool literal) -> bool {
        switch (dest) {
            case Dest::Body: bodyChar(ch); return true;
            case Dest::FontEntry:
                if (ch == ';' && !literal) {
                    if (fontEntryIndex != static_cast<int>(out.fonts.size())) return false;
                    out.fonts.push_back(fontName);
                    fontName.clear();
                    fontEntryIndex = -1;
                } else {
                    fontName += ch;
                }
                return true;
            case Dest::ColorTable:
                if (ch != ';' || literal) return false;
                if (!sawAutoColor && !colorEntryStarted) sawAutoColor = true;
                else out.colors.push_back(static_cast<std::uint32_t>(red + 256 * green + 65536 * blue));
                red = green = blue = 0;
                colorEntryStarted = false;
                return true;
            case Dest::FontTable: return false;
        }
        return false;
    };

    std::size_t i = 0;
    bool closed = false;
    while (i < rtf.size()) {
        if (closed) return fail("text after the closing brace", i);
        const char c = rtf[i];
        if (c == '{') {
            stack.push_back({state, dest});
            ++i;
        } else if (c == '}') {
            if (stack.empty()) return fail("unbalanced }", i);
            if (dest == Dest::FontEntry && fontEntryIndex != -1) return fail("font entry without ;", i);
            state = stack.back().state;
            dest = stack.back().dest;
            stack.pop_back();
            ++i;
            if (stack.empty()) closed = true;
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else if (c == '\\') {
            if (i + 1 >= rtf.size()) return fail("lone backslash at the end", i);
            const char n = rtf[i + 1];
            if (n == '\\' || n == '{' || n == '}') {
                if (!textChar(n, true)) return fail("escaped symbol out of place", i);
                i += 2;
            } else if (n == '\'') {
                if (i + 3 >= rtf.size()) return fail("cut \\' escape", i);
                const int hi = HexValue(rtf[i + 2]), lo = HexValue(rtf[i + 3]);
                if (hi < 0 || lo < 0) return fail("bad \\' escape", i);
                if (!textChar(static_cast<char>(hi * 16 + lo), true)) return fail("hex byte out of place", i);
                i += 4;
            } else if ((n >= 'a' && n <= 'z') || (n >= 'A' && n <= 'Z')) {
                std::size_t j = i + 1;
                while (j < rtf.size() && ((rtf[j] >= 'a' && rtf[j] <= 'z') || (rtf[j] >= 'A' && rtf[j] <= 'Z'))) ++j;
                const std::string word(rtf.substr(i + 1, j - i - 1));
                bool hasParam = false;
                long param = 0;
                std::size_t k = j;
                if (k < rtf.size() && (rtf[k] == '-' || (rtf[k] >= '0' && rtf[k] <= '9'))) {
                    std::size_t d = k + (rtf[k] == '-' ? 1 : 0);
                    std::size_t digits = d;
                    while (digits < rtf.size() && rtf[digits] >= '0' && rtf[digits] <= '9') ++digits;
                    if (digits == d) return fail("minus without digits", k);
                    param = std::strtol(std::string(rtf.substr(k, digits - k)).c_str(), nullptr, 10);
                    hasParam = true;
                    k = digits;
                }
                if (k < rtf.size() && rtf[k] == ' ') ++k;  // the delimiting space belongs to the word
                const std::size_t at = i;
                i = k;
                const bool on = !hasParam || param != 0;
                if (word == "rtf" || word == "ansi" || word == "ansicpg" || word == "deff" ||
                    word == "viewkind" || word == "uc" || word == "pard" || word == "fnil" ||
                    word == "fcharset") {
                } else if (word == "fonttbl") {
                    if (dest != Dest::Body) return fail("fonttbl out of place", at);
                    dest = Dest::FontTable;
                } else if (word == "colortbl") {
                    if (dest != Dest::Body) return fail("colortbl out of place", at);
                    dest = Dest::ColorTable;
                } else if (word == "f") {
                    if (!hasParam || param < 0) return fail("\\f without a number", at);
                    if (dest == Dest::FontTable) {
                        dest = Dest::FontEntry;
                        fontEntryIndex = static_cast<int>(param);
                        fontName.clear();
                    } else if (dest == Dest::Body) {
                        state.font = static_cast<int>(param);
                    } else {
                        return fail("\\f out of place", at);
                    }
                } else if (word == "red" || word == "green" || word == "blue") {
                    if (dest != Dest::ColorTable || !hasParam || param < 0 || param > 255)
                        return fail("bad colour component", at);
                    (word == "red" ? red : word == "green" ? green : blue) = static_cast<int>(param);
                    colorEntryStarted = true;
                } else if (dest != Dest::Body) {
                    return fail("control word \\" + word + " inside a table", at);
                } else if (word == "fs") {
                    if (!hasParam || param <= 0) return fail("bad \\fs", at);
                    state.halfPoints = static_cast<int>(param);
                } else if (word == "cf") {
                    if (!hasParam || param < 0) return fail("bad \\cf", at);
                    state.color = static_cast<int>(param);
                } else if (word == "b") {
                    state.bold = on;
                } else if (word == "i") {
                    state.italic = on;
                } else if (word == "ul") {
                    state.underline = on;
                } else if (word == "ulnone") {
                    state.underline = false;
                } else if (word == "strike") {
                    state.strike = on;
                } else if (word == "par") {
                    chars.push_back({'\n', true, state});
                } else if (word == "tab") {
                    bodyChar('\t');
                } else {
                    return fail("unexpected control word \\" + word, at);
                }
            } else {
                return fail("unexpected control symbol", i);
            }
        } else {
            if (static_cast<unsigned char>(c) >= 0x80) return fail("raw 8-bit byte", i);
            if (!textChar(c, false)) return fail("text out of place", i);
            ++i;
        }
    }
    if (!closed) return fail("document not closed", rtf.size());
    if (chars.empty() || !chars.back().paragraph) return fail("no closing paragraph mark", rtf.size());

    auto formatOf = [&](const State& s, CharFormat& f) -> bool {
        if (s.font < 0 || s.font >= static_cast<int>(out.fonts.size())) return false;
        if (s.color < 1 || s.color > static_cast<int>(out.colors.size())) return false;
        f.fontName = out.fonts[s.font];
        f.fontSize = s.halfPoints / 2.0;
        f.color = out.colors[s.color - 1];
        f.bold = s.bold;
        f.italic = s.italic;
        f.underline = s.underline;
        f.strikeThru = s.strike;
        return true;
    };
    for (std::size_t c = 0; c + 1 < chars.size(); ++c) {
        CharFormat f;
        if (!formatOf(chars[c].state, f)) return fail("character with an undefined font or colour", c);
        const std::string text = chars[c].paragraph ? std::string("\r\n") : std::string(1, chars[c].ch);
        if (out.runs.empty() || !(out.runs.back().format == f)) out.runs.push_back({f, ""});
        out.runs.back().text += text;
    }
    if (!formatOf(chars.back().state, out.endFormat)) return fail("closing mark with an undefined format", 0);
    out.ok = true;
    return out;
}

// The format as it survives the document: a font name loses NUL and ";".
inline CharFormat NormalizeFormat(CharFormat f) {
    std::string name;
    for (char ch : f.fontName) if (ch != '\0' && ch != ';') name += ch;
    f.fontName = name;
    return f;
}

// What a rich edit box holds after loading the runs: each line break is one
// CR LF, NUL bytes are gone, font names are normalized, and neighbouring runs
// that became equal are merged. Comparable with ScannedRtf::runs.
inline std::vector<FormattedRun> NormalizeRuns(const std::vector<FormattedRun>& runs) {
    struct Char { char ch; const FormattedRun* run; };
    std::vector<Char> chars;
    for (const FormattedRun& run : runs)
        for (char ch : run.text)
            if (ch != '\0') chars.push_back({ch, &run});
    std::vector<FormattedRun> out;
    auto append = [&](const std::string& text, const FormattedRun& from) {
        const CharFormat f = NormalizeFormat(from.format);
        if (!out.empty() && out.back().format == f) out.back().text += text;
        else out.push_back({f, text});
    };
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char ch = chars[i].ch;
        if (ch == '\r' || ch == '\n') {
            // A CR LF pair is one break in the CR's format, wherever the runs split.
            const FormattedRun& from = *chars[i].run;
            if (ch == '\r' && i + 1 < chars.size() && chars[i + 1].ch == '\n') ++i;
            append("\r\n", from);
        } else {
            append(std::string(1, ch), *chars[i].run);
        }
    }
    return out;
}
