#include "ui/utf8.h"

namespace {

// Windows-1252 0x80-0x9F; the undefined bytes keep their C1 value.
constexpr char16_t kHigh1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

DecodedCodePoint DecodeUtf8(std::string_view text, std::size_t at) {
    if (at >= text.size()) return {};
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return {lead, 1, true};
    std::size_t need = 0;
    char32_t value = 0;
    // The second byte's range also rules out overlong forms, surrogates and
    // values above U+10FFFF, so a bad sequence is known after its second byte.
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        value = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        value = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {kReplacementCharacter, 1, false};
    }
    std::size_t i = at + 1;
    for (std::size_t k = 0; k < need; ++k, ++i) {
        const bool inRange = i < text.size() && (k == 0 ? byte(i) >= low && byte(i) <= high : IsContinuation(byte(i)));
        if (!inRange) return {kReplacementCharacter, i - at, false};
        value = (value << 6) | (byte(i) & 0x3F);
    }
    return {value, need + 1, true};
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacementCharacter;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const DecodedCodePoint d = DecodeUtf8(text, at);
        if (!d.valid) return false;
        at += d.length;
    }
    return true;
}

std::u16string Utf16FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const DecodedCodePoint d = DecodeUtf8(text, at);
        at += d.length;
        if (d.value < 0x10000) {
            out += static_cast<char16_t>(d.value);
        } else {
            out += static_cast<char16_t>(0xD800 + ((d.value - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((d.value - 0x10000) & 0x3FF));
        }
    }
    return out;
}

std::string Utf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        AppendUtf8(out, cp);  // a lone surrogate becomes U+FFFD there
    }
    return out;
}

char32_t Windows1252ToUnicode(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHigh1252[byte - 0x80] : byte;
}

int UnicodeToWindows1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh1252[i] == cp) return 0x80 + i;
    return -1;
}

std::string Utf8FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) AppendUtf8(out, Windows1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string Windows1252FromUtf8(std::string_view text, bool* lossless) {
    std::string out;
    out.reserve(text.size());
    bool all = true;
    for (std::size_t at = 0; at < text.size();) {
        const DecodedCodePoint d = DecodeUtf8(text, at);
        at += d.length;
        const int byte = d.valid ? UnicodeToWindows1252(d.value) : -1;
        all = all && byte >= 0;
        out += byte >= 0 ? static_cast<char>(byte) : '?';
    }
    if (lossless) *lossless = all;
    return out;
}
