#include "effects/gradient.h"

#include <algorithm>
#include <cmath>

namespace {

int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int Channel(const ColorChannels& c, int which) { return which == 0 ? c.red : which == 1 ? c.green : c.blue; }

// The fader's segments over `n` characters: where each ends (1-based,
// inclusive) and its colour position. The first is one character, the middle
// ones round(n / 5), the last takes the rest; up to 7 characters, one each.
struct Segment {
    std::size_t end;
    double position;
};
std::vector<Segment> ClassicSegments(std::size_t n) {
    std::vector<Segment> segments;
    std::size_t step = static_cast<std::size_t>(std::llround(static_cast<double>(n) / 5.0));
    if (step == 0) step = 1;
    for (std::size_t end = 1; end <= n; end += step) {
        const bool last = end + step > n;
        const std::size_t segmentEnd = last ? n : end;
        segments.push_back({segmentEnd, static_cast<double>(segmentEnd)});
        if (last) break;
    }
    return segments;
}

// Where character i sits for Rows: its line. Lines end after each CR LF; a
// break that ends the text starts no further line.
std::vector<std::size_t> LineOfEachCharacter(const std::string& text, const std::vector<std::size_t>& ends,
                                             std::size_t& lines) {
    std::vector<std::size_t> line(ends.size());
    std::size_t current = 0, from = 0;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        line[i] = current;
        // A CR LF is two characters: the line moves on after the LF.
        if (text.compare(from, ends[i] - from, "\n") == 0 && from > 0 && text[from - 1] == '\r' &&
            i + 1 < ends.size())
            ++current;
        from = ends[i];
    }
    lines = ends.empty() ? 0 : current + 1;
    return line;
}

}  // namespace

std::vector<ColorChannels> SplitStops(const ColorStops& stops) {
    std::vector<ColorChannels> split;
    split.reserve(stops.size());
    for (std::uint32_t color : stops) split.push_back(SplitColor(static_cast<std::int32_t>(color)));
    return split;
}

std::uint32_t JoinChannels(const ColorChannels& c) {
    auto shown = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    return shown(c.red) + 256u * shown(c.green) + 65536u * shown(c.blue);
}

ColorChannels GradientAt(const std::vector<ColorChannels>& stops, double p, double n) {
    const std::size_t k = stops.size();
    if (k == 0) return {};
    if (k == 1 || n <= 0) return stops.back();
    int out[3];
    if (k == 2) {
        // The fader's own formula, step first, so two stops give its colours exactly.
        for (int c = 0; c < 3; ++c) {
            const int a = Channel(stops[0], c), b = Channel(stops[1], c);
            out[c] = RoundEven(a + p * ((static_cast<double>(b) - a) / n));
        }
    } else {
        const double t = std::clamp(p / n, 0.0, 1.0);
        const double x = t * static_cast<double>(k - 1);
        const std::size_t j = std::min(static_cast<std::size_t>(std::floor(x)), k - 2);
        const double u = x - static_cast<double>(j);
        for (int c = 0; c < 3; ++c) {
            const int a = Channel(stops[j], c), b = Channel(stops[j + 1], c);
            out[c] = RoundEven(a + u * (static_cast<double>(b) - a));
        }
    }
    return {out[0], out[1], out[2]};
}

std::vector<std::uint32_t> CharacterColors(FadeStyle style, const ColorStops& stops, const std::string& text) {
    const std::vector<ColorChannels> split = SplitStops(stops);
    const std::vector<std::size_t> ends = CharacterEnds(text);
    const std::size_t n = ends.size();
    std::vector<std::uint32_t> colors;
    colors.reserve(n);
    if (style == FadeStyle::Classic) {
        for (const Segment& s : ClassicSegments(n))
            colors.resize(s.end, JoinChannels(GradientAt(split, s.position, static_cast<double>(n))));
    } else if (style == FadeStyle::Smooth) {
        // One character: position 1 of 1, the last stop.
        const double last = n > 1 ? static_cast<double>(n - 1) : 1.0;
        for (std::size_t i = 0; i < n; ++i)
            colors.push_back(JoinChannels(GradientAt(split, n > 1 ? static_cast<double>(i) : 1.0, last)));
    } else {
        std::size_t lines = 0;
        const std::vector<std::size_t> line = LineOfEachCharacter(text, ends, lines);
        std::vector<std::uint32_t> byLine(lines);
        const double last = lines > 1 ? static_cast<double>(lines - 1) : 1.0;
        for (std::size_t r = 0; r < lines; ++r)
            byLine[r] = JoinChannels(GradientAt(split, lines > 1 ? static_cast<double>(r) : 1.0, last));
        for (std::size_t i = 0; i < n; ++i) colors.push_back(byLine[line[i]]);
    }
    return colors;
}

std::string FadeMarkup(FadeStyle style, const ColorStops& stops, const std::string& text) {
    const std::vector<std::size_t> ends = CharacterEnds(text);
    const std::vector<std::uint32_t> colors = CharacterColors(style, stops, text);
    std::string out;
    out.reserve(text.size() + 20 * (style == FadeStyle::Classic ? 8 : ends.size()));
    // Classic tags every segment, equal neighbours included, as the fader
    // always has; the others tag only where the colour changes.
    std::vector<bool> tagAt(ends.size(), false);
    if (style == FadeStyle::Classic) {
        std::size_t start = 0;
        for (const Segment& s : ClassicSegments(ends.size())) {
            tagAt[start] = true;
            start = s.end;
        }
    } else {
        for (std::size_t i = 0; i < ends.size(); ++i) tagAt[i] = i == 0 || colors[i] != colors[i - 1];
    }
    std::size_t from = 0;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        if (tagAt[i]) {
            const std::uint32_t c = colors[i];
            AppendColorTag(out, static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                           static_cast<int>(c >> 16));
        }
        out.append(text, from, ends[i] - from);
        from = ends[i];
    }
    return out;
}
