#include "ui/ansi_text.h"

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

std::string LowerAnsi(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(LowerAnsiChar(static_cast<unsigned char>(c)));
    return out;
}
