// libFuzzer target for the mending of the RTF a rich edit control writes. An
// input is RTF bytes, then a 0x1E byte and the box's text in UTF-8, or a 0x1F
// byte and the text in UTF-16LE (any units, lone surrogates too).
//
// Any RTF with any text: nothing crashes or reads out of bounds, a balanced
// document stays balanced, mending at most multiplies the size by 16 (one
// byte can become \u-32768 and eight fallbacks) and mending again changes
// nothing; stating the code page keeps the document balanced, adds a few
// bytes per font and changes nothing the second time.
//
// The text as markup: its RTF from our writer is spoilt the way a control
// writes characters its code page lacks (a look-alike letter, another \uN, a
// byte of Windows-1252 or Shift-JIS), one choice byte of the RTF part per
// character. Mended with the box's text it reads back as that text, mending
// again and stating the code page change nothing.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "effects/markup_reader.h"
#include "effects/rtf_writer.h"
#include "ui/rtf_mend.h"
#include "ui/utf8.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view rtf, std::u16string_view text) {
    std::fprintf(stderr, "fuzz check failed: %s\n%.*s\ntext: %s\n", what, static_cast<int>(rtf.size()), rtf.data(),
                 Utf8FromUtf16(text).c_str());
    std::abort();
}

// Groups open and close in order, a backslash taking the next byte with it.
bool Balanced(std::string_view rtf) {
    long depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') ++i;
        else if (rtf[i] == '{') ++depth;
        else if (rtf[i] == '}' && --depth < 0) return false;
    }
    return depth == 0;
}

// The characters a reader takes from the body of our writer's document: \uN
// with its \ucN fallbacks passed over, \'xx (by Windows-1252 when the document
// is in it; otherwise a byte above 127 is a failure), \par as CR, \tab,
// escaped and plain characters; the font and colour tables and \* groups are
// passed over. False when something is not read as a character.
bool ReadBack(std::string_view rtf, bool windows1252, std::u16string& text) {
    struct Group { bool skip; long uc; };
    std::vector<Group> groups{{false, 1}};
    long fallback = 0;
    bool groupStart = false;
    for (std::size_t i = 0; i < rtf.size();) {
        const char c = rtf[i];
        const bool first = groupStart;
        groupStart = false;
        if (c == '{' || c == '}') {
            if (c == '{') groups.push_back(groups.back());
            else if (groups.size() > 1) groups.pop_back();
            groupStart = c == '{';
            fallback = 0;
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        Group& g = groups.back();
        int byte = -1;  // a character by its byte, or a word below
        std::string_view word;
        long n = 0;
        if (c != '\\') {
            byte = static_cast<unsigned char>(c);
            ++i;
        } else if (i + 1 >= rtf.size()) {
            return false;
        } else if (std::strchr("\\{}", rtf[i + 1])) {
            byte = static_cast<unsigned char>(rtf[i + 1]);
            i += 2;
        } else if (rtf[i + 1] == '\'') {
            if (i + 3 >= rtf.size() || !std::isxdigit(static_cast<unsigned char>(rtf[i + 2])) ||
                !std::isxdigit(static_cast<unsigned char>(rtf[i + 3])))
                return false;
            byte = static_cast<int>(std::strtol(std::string(rtf.substr(i + 2, 2)).c_str(), nullptr, 16));
            i += 4;
        } else if (rtf[i + 1] == '*') {
            g.skip = true;
            i += 2;
            continue;
        } else if (std::isalpha(static_cast<unsigned char>(rtf[i + 1]))) {
            std::size_t end = i + 1;
            while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
            word = rtf.substr(i + 1, end - i - 1);
            const bool negative = end < rtf.size() && rtf[end] == '-';
            if (negative) ++end;
            for (; end < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[end])); ++end)
                if (n < 1000000) n = n * 10 + (rtf[end] - '0');
            if (negative) n = -n;
            if (end < rtf.size() && rtf[end] == ' ') ++end;
            i = end;
            if (first && (word == "fonttbl" || word == "colortbl")) g.skip = true;
        } else {
            return false;
        }
        if (fallback > 0) {
            --fallback;
            continue;
        }
        if (word == "uc") g.uc = n;
        if (word == "u") fallback = g.uc;
        if (g.skip) continue;
        if (word == "u") text += static_cast<char16_t>(n);
        else if (word == "par") text += u'\r';
        else if (word == "tab") text += u'\t';
        else if (byte >= 0x80 && !windows1252) return false;
        else if (byte >= 0) text += static_cast<char16_t>(Windows1252ToUnicode(static_cast<unsigned char>(byte)));
    }
    return true;
}

std::string Hex(unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\'%02x", value & 0xFF);
    return buffer;
}

// Our writer's document with each \uN? written instead as a control under a
// code page without that character might write it, as `choices` say.
std::string Spoil(const std::string& rtf, std::string_view choices, bool shiftJis) {
    std::string out;
    std::size_t next = 1;
    for (std::size_t i = 0; i < rtf.size();) {
        const bool unicode = rtf.compare(i, 2, "\\u") == 0 && i + 2 < rtf.size() &&
                             (rtf[i + 2] == '-' || std::isdigit(static_cast<unsigned char>(rtf[i + 2])));
        if (!unicode) {
            const std::size_t length = rtf[i] == '\\' ? 2 : 1;  // an escaped "\" is never a \u
            out.append(rtf, i, length);
            i += length;
            continue;
        }
        char* after = nullptr;
        const long n = std::strtol(rtf.c_str() + i + 2, &after, 10);
        i = static_cast<std::size_t>(after - rtf.c_str()) + 1;  // past the "?"
        const char16_t unit = static_cast<char16_t>(n);
        const unsigned choice = choices.empty() ? 0 : static_cast<unsigned char>(choices[next++ % choices.size()]);
        const unsigned payload = choice / 4;
        const int ansi = UnicodeToWindows1252(unit);
        if (choice % 4 == 0 || unit == 0xFFFC) {  // kept; an embedded object is never a look-alike
            out += "\\u" + std::to_string(n) + (payload % 2 ? "\\'3f" : "?");
        } else if (choice % 4 == 1) {
            out += "\\u" + std::to_string(static_cast<std::int16_t>(unit + 1 + payload)) + "?";
        } else if (choice % 4 == 2) {
            out += payload < 52 ? static_cast<char>(payload < 26 ? 'A' + payload : 'a' + payload - 26) : '8';
        } else if (!shiftJis) {
            out += Hex(payload == 0 && ansi >= 0 ? static_cast<unsigned>(ansi) : 0x80 | ((payload + unit) & 0x7F));
        } else if (payload >= 32) {
            out += Hex(0xA1 + payload % 63);  // a half-width katakana: one byte
        } else {
            out += Hex(payload < 16 ? 0x81 + payload * 2 : 0xE0 + payload % 29);  // a lead byte, then its trail
            out += payload % 2 ? Hex(0x40 + unit % 0xBC) : std::string(1, static_cast<char>('A' + unit % 26));
        }
    }
    return out;
}

// The header up to the colour table as Shift-JIS: its code page and every font's
// character set (font names escape their backslashes, so only the words match).
std::string InShiftJis(const std::string& rtf) {
    const std::size_t body = rtf.find("{\\colortbl");
    std::string head = rtf.substr(0, body);
    head.replace(head.find("\\ansicpg1252"), 12, "\\ansicpg932");
    for (std::size_t at = head.find("\\fcharset0 "); at != std::string::npos; at = head.find("\\fcharset0 ", at))
        head.replace(at, 10, "\\fcharset128");
    return head + rtf.substr(body);
}

void CheckAnyRtf(std::string_view rtf, std::u16string_view text) {
    const bool balanced = Balanced(rtf);
    const std::string mended = MendRtfText(rtf, text);
    if (mended.size() > 16 * rtf.size()) Fail("mending grew the document more than 16 times", rtf, text);
    if (balanced && !Balanced(mended)) Fail("mending unbalanced the document", mended, text);
    if (MendRtfText(mended, text) != mended) Fail("mending twice changed more", mended, text);
    const std::string stated = StateCodePage(rtf);
    if (stated.size() > 4 * rtf.size() + 16) Fail("stating the code page grew the document", rtf, text);
    if (balanced && !Balanced(stated)) Fail("stating the code page unbalanced the document", stated, text);
    if (StateCodePage(stated) != stated) Fail("stating the code page twice changed more", stated, text);
}

void CheckWritersRtf(std::string_view markup, std::string_view choices) {
    const RenderedMarkup doc = ReadMarkup(markup);
    // The box's text: NULs left out, a CR LF, CR or LF one CR.
    std::u16string box;
    bool afterCr = false;
    for (const FormattedRun& run : doc.runs)
        for (const char16_t u : Utf16FromUtf8(run.text)) {
            if (u == 0) continue;
            const bool completesBreak = u == u'\n' && afterCr;
            afterCr = u == u'\r';
            if (!completesBreak) box += u == u'\n' ? u'\r' : u;
        }
    const bool shiftJis = !choices.empty() && choices[0] & 1;
    const std::string rtf = shiftJis ? InShiftJis(WriteRtf(doc)) : WriteRtf(doc);
    const std::string spoilt = Spoil(rtf, choices, shiftJis);
    const std::string mended = MendRtfText(spoilt, box);
    std::u16string read;
    if (!ReadBack(mended, !shiftJis, read) || read != box + u'\r') Fail("the mended RTF reads otherwise", mended, box);
    if (MendRtfText(mended, box) != mended) Fail("mending twice changed more", mended, box);
    if (StateCodePage(mended) != mended) Fail("stating the code page changed a stated one", mended, box);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find_first_of("\x1e\x1f");
    const std::string_view rtf = input.substr(0, split);
    std::u16string text;
    if (split != std::string_view::npos && input[split] == '\x1e') {
        text = Utf16FromUtf8(input.substr(split + 1));
    } else if (split != std::string_view::npos) {
        for (std::size_t i = split + 1; i + 1 < size; i += 2)
            text += static_cast<char16_t>(data[i] | data[i + 1] << 8);
    }
    CheckAnyRtf(rtf, text);
    CheckWritersRtf(Utf8FromUtf16(text), rtf);
    return 0;
}
