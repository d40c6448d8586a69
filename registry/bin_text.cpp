#include "registry/bin_text.h"

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Half of `length`, halves rounded to the even neighbour: 5 -> 2, 7 -> 4.
size_t HalfRoundedToEven(size_t length) {
    const size_t whole = length / 2;
    if (length % 2 == 0) return whole;
    return (whole % 2 == 0) ? whole : whole + 1;
}

}  // namespace

std::string TrimSpaces(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string RemoveChar(const std::string& text, char c) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text)
        if (ch != c) out += ch;
    return out;
}

std::uint32_t LeadingHexValue(const std::string& text) {
    std::uint32_t value = 0;
    for (char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0) break;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::string StrToBin(std::string& sBin) {
    sBin = TrimSpaces(RemoveChar(sBin, ' '));
    if (sBin.empty()) return std::string();
    const size_t pieces = HalfRoundedToEven(sBin.size());
    std::string bytes;
    bytes.reserve(pieces);
    for (size_t i = 0; i < pieces; ++i) {
        // The last piece is one character long when the length is odd and it
        // is reached (lengths 3, 7, 11, ...).
        const std::string piece = sBin.substr(i * 2, 2);
        bytes += static_cast<char>(static_cast<unsigned char>(LeadingHexValue(piece) & 0xFF));
    }
    return bytes;
}

std::string BinToStr(const std::string& sStr) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(sStr.size() * 3);
    for (char c : sStr) {
        const unsigned char byte = static_cast<unsigned char>(c);
        out += ' ';
        out += kDigits[byte >> 4];
        out += kDigits[byte & 0x0F];
    }
    return out;
}

bool isBinValid(const std::string& sBin) {
    const std::string digits = TrimSpaces(RemoveChar(sBin, ' '));
    if (digits.empty()) return false;
    for (char c : digits)
        if (HexDigitValue(c) < 0) return false;
    return true;
}
