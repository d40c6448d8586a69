#include "effects/fade_text.h"

#include <cmath>
#include <vector>

#include "effects/hex_digits.h"
#include "ui/utf8.h"

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

bool InRange(char32_t c, char32_t low, char32_t high) { return c >= low && c <= high; }

// Code points drawn on the character before them: combining marks, variation
// selectors and skin-tone modifiers.
bool ExtendsPrevious(char32_t c) {
    return InRange(c, 0x300, 0x36F) || InRange(c, 0x1AB0, 0x1AFF) || InRange(c, 0x1DC0, 0x1DFF) ||
           InRange(c, 0x20D0, 0x20FF) || InRange(c, 0xFE20, 0xFE2F) || InRange(c, 0xFE00, 0xFE0F) ||
           InRange(c, 0xE0100, 0xE01EF) || InRange(c, 0x1F3FB, 0x1F3FF);
}

bool IsRegionalIndicator(char32_t c) { return InRange(c, 0x1F1E6, 0x1F1FF); }

}  // namespace

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

std::vector<std::size_t> CharacterEnds(const std::string& text) {
    std::vector<std::size_t> ends;
    ends.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const DecodedCodePoint base = DecodeUtf8(text, at);
        at += base.length;
        if (base.valid) {
            if (IsRegionalIndicator(base.value)) {
                const DecodedCodePoint second = DecodeUtf8(text, at);
                if (second.valid && IsRegionalIndicator(second.value)) at += second.length;
            }
            for (bool joinNext = false; at < text.size();) {
                const DecodedCodePoint d = DecodeUtf8(text, at);
                if (!d.valid || !(joinNext || ExtendsPrevious(d.value) || d.value == 0x200D)) break;
                joinNext = d.value == 0x200D;
                at += d.length;
            }
        }
        ends.push_back(at);
    }
    return ends;
}

std::string FadeText(std::int32_t colorA, std::int32_t colorB, const std::string& text) {
    const ColorChannels a = SplitColor(colorA);
    const ColorChannels b = SplitColor(colorB);
    const std::vector<std::size_t> ends = CharacterEnds(text);
    const std::size_t n = ends.size();
    std::string out;
    if (n == 0) return out;

    // n / 5 never ends in .5, so plain rounding has no tie to settle here.
    std::size_t step = static_cast<std::size_t>(std::llround(static_cast<double>(n) / 5.0));
    if (step == 0) step = 1;
    out.reserve(text.size() + 20 * (n / step + 2));

    const double length = static_cast<double>(n);
    std::size_t written = 0;  // bytes of the text already written
    for (std::size_t end = 1; end <= n; end += step) {
        const bool last = end + step > n;
        const std::size_t segmentEnd = last ? n : end;  // in characters, 1-based, inclusive
        const double position = static_cast<double>(segmentEnd);
        AppendColorTag(out, StepChannel(a.red, b.red, position, length),
                       StepChannel(a.green, b.green, position, length),
                       StepChannel(a.blue, b.blue, position, length));
        out.append(text, written, ends[segmentEnd - 1] - written);
        written = ends[segmentEnd - 1];
        if (last) break;
    }
    return out;
}
