#include "effects/fade_text.h"

#include <cmath>

#include "effects/hex_digits.h"

ColorChannels SplitColor(std::int32_t color) {
    const std::string hex = HexPad6(color);
    const std::string_view digits(hex);
    ColorChannels c;
    c.red = static_cast<int>(HexToNum(digits.substr(digits.size() - 2)));
    c.green = static_cast<int>(HexToNum(digits.substr(2, 2)));
    c.blue = static_cast<int>(HexToNum(digits.substr(0, 2)));
    return c;
}

namespace {

// A + position * (B - A) / n, rounded to the nearest integer with halves going
// to the even neighbour (the default floating-point rounding mode).
int StepChannel(int a, int b, double position, double n) {
    const double step = (static_cast<double>(b) - a) / n;
    return static_cast<int>(std::nearbyint(a + position * step));
}

void AppendColorTag(std::string& out, int red, int green, int blue) {
    static const char kDigits[] = "0123456789ABCDEF";
    out += "<Font Color=#";
    for (int channel : {red, green, blue}) {
        const unsigned v = static_cast<unsigned>(channel) & 0xFFu;
        out += kDigits[v >> 4];
        out += kDigits[v & 0xF];
    }
    out += '>';
}

}  // namespace

std::string FadeText(std::int32_t colorA, std::int32_t colorB, const std::string& text) {
    const ColorChannels a = SplitColor(colorA);
    const ColorChannels b = SplitColor(colorB);
    const std::size_t n = text.size();
    std::string out;
    if (n == 0) return out;

    // n / 5 never ends in .5, so plain rounding has no tie to settle here.
    std::size_t step = static_cast<std::size_t>(std::llround(static_cast<double>(n) / 5.0));
    if (step == 0) step = 1;
    out.reserve(n + 20 * (n / step + 2));

    const double length = static_cast<double>(n);
    std::size_t segmentStart = 0;  // 0-based index of the first character not yet written
    for (std::size_t end = 1; end <= n; end += step) {
        const bool last = end + step > n;
        const std::size_t segmentEnd = last ? n : end;  // 1-based, inclusive
        const double position = static_cast<double>(segmentEnd);
        AppendColorTag(out, StepChannel(a.red, b.red, position, length),
                       StepChannel(a.green, b.green, position, length),
                       StepChannel(a.blue, b.blue, position, length));
        out.append(text, segmentStart, segmentEnd - segmentStart);
        segmentStart = segmentEnd;
        if (last) break;
    }
    return out;
}
