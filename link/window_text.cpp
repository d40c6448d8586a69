#include "link/window_text.h"

std::string StripNull(std::string& text) {
    const auto nul = text.find('\0');
    if (nul != std::string::npos) text.erase(nul);
    return text;
}

namespace {

unsigned char LowerAnsiChar(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    // Windows-1252 capitals outside ASCII: À..Þ except the multiplication sign,
    // and the four in the 0x80 block (Š, Œ, Ž, Ÿ).
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
    }
}

}  // namespace

std::string LowerAnsi(std::string text) {
    for (char& c : text) c = static_cast<char>(LowerAnsiChar(static_cast<unsigned char>(c)));
    return text;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && LowerAnsi(a) == LowerAnsi(b);
}

bool ContainsNoCase(const std::string& text, const std::string& part) {
    return LowerAnsi(text).find(LowerAnsi(part)) != std::string::npos;
}

std::string WideCopySafeBuffer(const std::string& text) {
    std::string buffer = text;
    // Pad so that bytes [n, n+1] are zero for the first even n at or after
    // the end of the text.
    buffer.append(buffer.size() % 2 == 0 ? 2 : 3, '\0');
    return buffer;
}
