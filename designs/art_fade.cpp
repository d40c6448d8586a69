#include "designs/art_fade.h"

#include <cmath>
#include <cstdint>

#include "effects/fade_text.h"

namespace {

// Real to integer: nearest, halves to the even neighbour (the default
// floating-point rounding mode), as every conversion in the program rounds.
std::int32_t RoundEven(double value) { return static_cast<std::int32_t>(std::nearbyint(value)); }

std::uint32_t ShownChannel(std::int32_t channel) {
    if (channel > 255) return 255;
    if (channel < 0) return 0;
    return static_cast<std::uint32_t>(channel);
}

// Walks the schedule character by character and hands each colour to `emit`,
// with whether a run of the schedule starts there (every character up to 21).
// Channels and steps are 32-bit and the run counter 16-bit: designs saved and
// faded by earlier versions of the program must fade to the same colours now,
// the long ones included, or a user's library changes look when re-faded.
template <typename Emit>
void WalkSchedule(std::int32_t startColor, std::int32_t endColor, long length, Emit emit) {
    if (length <= 0) return;  // an empty design: nothing to colour
    const ColorChannels from = SplitColor(startColor);
    const ColorChannels to = SplitColor(endColor);
    const std::int32_t target[3] = {to.red, to.green, to.blue};
    std::int32_t current[3] = {from.red, from.green, from.blue};
    const double n = static_cast<double>(length);
    std::int32_t step[3];
    for (int c = 0; c < 3; ++c) step[c] = RoundEven((static_cast<double>(target[c]) - current[c]) / n);

    const bool runs = length > 21;
    const double runLimit = n / 20.0 + 1.0;
    std::int16_t counter = 0;
    bool runStarts = true;
    for (long i = 0; i < length; ++i) {
        emit(ShownChannel(current[0]) + 256u * ShownChannel(current[1]) + 65536u * ShownChannel(current[2]), runStarts);
        runStarts = !runs;
        if (runs) {
            if (runLimit > counter) {
                // A counter at its 16-bit limit stops there: a wrap-around
                // would restart the steps mid-design, so the colour holds to
                // the end instead.
                if (counter < INT16_MAX) ++counter;
            } else {
                for (int c = 0; c < 3; ++c) current[c] += step[c];
                counter = 0;
                runStarts = true;
            }
            for (int c = 0; c < 3; ++c)
                step[c] = RoundEven((static_cast<double>(target[c]) - current[c] + 15.0) / n * 9.0);
        } else {
            for (int c = 0; c < 3; ++c) current[c] += step[c];
        }
    }
}

}  // namespace

std::vector<std::uint32_t> ArtFadeColors(std::int32_t startColor, std::int32_t endColor, long length) {
    std::vector<std::uint32_t> colors;
    if (length > 0) colors.reserve(static_cast<std::size_t>(length));
    WalkSchedule(startColor, endColor, length, [&](std::uint32_t color, bool) { colors.push_back(color); });
    return colors;
}

std::vector<ArtFadeRun> ArtFadeRuns(std::int32_t startColor, std::int32_t endColor, long length) {
    std::vector<ArtFadeRun> result;
    long position = 0;
    WalkSchedule(startColor, endColor, length, [&](std::uint32_t color, bool) {
        if (!result.empty() && result.back().color == color)
            ++result.back().length;
        else
            result.push_back({position, 1, color});
        ++position;
    });
    return result;
}

std::vector<ArtFadeRun> ArtGradientRuns(FadeStyle style, const ColorStops& stops, const std::string& text) {
    const long n = static_cast<long>(CharacterEnds(text).size());
    if (style == FadeStyle::Classic && stops.size() == 2)
        return ArtFadeRuns(static_cast<std::int32_t>(stops[0]), static_cast<std::int32_t>(stops[1]), n);
    std::vector<std::uint32_t> colors;
    if (style == FadeStyle::Classic) {
        // The schedule's runs, counted; their colours come from the gradient.
        std::vector<long> runOf;
        long runs = 0;
        WalkSchedule(0, 0, n, [&](std::uint32_t, bool starts) {
            runs += starts ? 1 : 0;
            runOf.push_back(runs - 1);
        });
        const std::vector<ColorChannels> split = SplitStops(stops);
        const double last = runs > 1 ? static_cast<double>(runs - 1) : 1.0;
        for (long q : runOf) colors.push_back(JoinChannels(GradientAt(split, runs > 1 ? static_cast<double>(q) : 1.0, last)));
    } else {
        colors = CharacterColors(style, stops, text);
    }
    std::vector<ArtFadeRun> result;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        if (!result.empty() && result.back().color == colors[i])
            ++result.back().length;
        else
            result.push_back({static_cast<long>(i), 1, colors[i]});
    }
    return result;
}
