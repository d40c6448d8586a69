#include "link/pause_seconds.h"

#include <cstdlib>

namespace {

constexpr double kLongestPauseSeconds = 24 * 60 * 60;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ParsePauseSeconds(const std::string& text, float& seconds) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    if (begin == end) return false;

    // The shape is checked by hand: strtod alone would accept "inf", "nan"
    // and hexadecimal forms, none of which is a pause a user means.
    bool negative = false;
    if (text[begin] == '+' || text[begin] == '-') {
        negative = text[begin] == '-';
        ++begin;
    }
    std::size_t pos = begin;
    int digits = 0;
    while (pos < end && IsDigit(text[pos])) ++pos, ++digits;
    if (pos < end && text[pos] == '.') {
        ++pos;
        while (pos < end && IsDigit(text[pos])) ++pos, ++digits;
    }
    if (digits == 0) return false;
    if (pos < end && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < end && (text[pos] == '+' || text[pos] == '-')) ++pos;
        int exponentDigits = 0;
        while (pos < end && IsDigit(text[pos])) ++pos, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    if (pos != end) return false;

    // The shape is a plain decimal number now; the program never changes the C
    // locale, so strtod reads "." as the decimal point. Underflow gives zero
    // (no wait), overflow a value far beyond the longest pause.
    const std::string number = text.substr(begin, end - begin);
    const double value = std::strtod(number.c_str(), nullptr);
    if (!negative && value > kLongestPauseSeconds) return false;
    seconds = static_cast<float>(negative ? -value : value);
    return true;
}
