#include "effects/hex_digits.h"

int HexDigitValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return 0;
}

float HexToNum(std::string_view digits) {
    if (digits.size() > 8) digits = digits.substr(digits.size() - 8);
    // The sum is kept in single precision after every step, so eight-digit
    // strings lose their low bits exactly the way callers have always seen.
    float sum = 0.0f;
    double weight = 1.0;
    for (std::size_t k = digits.size(); k-- > 0;) {
        char ch = digits[k];
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
        sum = static_cast<float>(static_cast<double>(sum) + HexDigitValue(ch) * weight);
        weight *= 16.0;
    }
    return sum;
}

std::string HexPad6(std::int32_t value) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::uint32_t bits = static_cast<std::uint32_t>(value);
    std::string out;
    do {
        out.insert(out.begin(), kDigits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    if (out.size() < 6) out.insert(0, 6 - out.size(), '0');
    return out;
}
