// Fades through 2 to 10 colours and the styles a fader can apply them in.
//
// A fader's gradient is a row of stops: its two colour boxes are the first and
// the last, up to eight more lie between. With only the two ends, every style
// computes its colours by the fader's own step formula (FadeText's), so a
// user who never adds a stop sends exactly what earlier versions sent.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "effects/fade_text.h"

// In the order the "Style" drop-downs list them; Rows only on the art tab.
enum class FadeStyle { Classic = 0, Smooth = 1, Rows = 2 };

// Platform colour values (red + 256 * green + 65536 * blue), first stop first.
using ColorStops = std::vector<std::uint32_t>;
inline constexpr std::size_t kMinStops = 2;
inline constexpr std::size_t kMaxStops = 10;

// The gradient at position `p` of `n` (t = p / n, 0 to 1), each channel rounded
// to the nearest integer, halves to even. Two stops: A + p * ((B - A) / n), the
// fader's step. More: between stops j and j + 1 with j = min(floor(t (k - 1)),
// k - 2) and u = t (k - 1) - j, Sj + u (Sj+1 - Sj). `n` of 0 is the last stop.
ColorChannels GradientAt(const std::vector<ColorChannels>& stops, double p, double n);
std::vector<ColorChannels> SplitStops(const ColorStops& stops);
// red + 256 * green + 65536 * blue, each channel held to 0..255.
std::uint32_t JoinChannels(const ColorChannels& c);

// The colour of every character of UTF-8 `text` (counted as CharacterEnds
// counts them) in `style`:
// - Classic: the fader's segments, a segment ending at colour position p of n
//   coloured at t = p / n (two stops: exactly FadeText's colours);
// - Smooth: character i of n at t = i / (n - 1);
// - Rows: every character of line r of m at t = r / (m - 1), lines split at
//   CR LF (the break belongs to the line it ends), a break at the very end
//   opening no line of its own.
// One character (or line) takes the last stop. An empty text has no colours.
std::vector<std::uint32_t> CharacterColors(FadeStyle style, const ColorStops& stops, const std::string& text);

// Tag markup for `text`, "<Font Color=#RRGGBB>" as FadeText writes it. Classic
// puts a tag before every segment (two stops: byte for byte FadeText's
// result); Smooth and Rows put one before each run of characters of one colour.
std::string FadeMarkup(FadeStyle style, const ColorStops& stops, const std::string& text);
