// The colour schedule of the art design fade: which colour each character of a
// design gets when it is faded from a start colour towards an end colour.
//
// Short designs (up to 21 characters) step linearly, one step per character,
// beginning exactly at the start colour. Longer ones hold each colour for a run
// of ceil(n / 20) + 2 characters and at every change move each channel about
// 9 / n of the way towards the end colour + 15, so they creep towards it and
// stop once the step rounds to 0. Line breaks count as the two characters CR LF
// they are in the design's text.
//
// The schedule is given as runs of equal colour so that the window layer can
// colour a whole run with one format call instead of one call per character.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "effects/gradient.h"

// Colour values are the platform's: red + 256 * green + 65536 * blue.
struct ArtFadeRun {
    long start = 0;       // first character, counted from 0 (CR LF = 2)
    long length = 0;      // characters in the run, at least 1
    std::uint32_t color = 0;
    bool operator==(const ArtFadeRun&) const = default;
};

// Colour of every character of a design of `length` characters, in order.
// The start and end colours are split into channels by the digit positions of
// their six-digit hexadecimal form, as the composer's fader does. A channel
// above 255 shows as 255 and one below 0 as 0. An empty design has no colours.
std::vector<std::uint32_t> ArtFadeColors(std::int32_t startColor, std::int32_t endColor, long length);

// The same schedule as maximal runs of equal colour: adjacent characters of the
// same colour always share a run, and the runs cover 0 .. length - 1 in order.
std::vector<ArtFadeRun> ArtFadeRuns(std::int32_t startColor, std::int32_t endColor, long length);

// The runs of a design whose text is `text` (UTF-8, line breaks as CR LF) in a
// fader's style and stops. Classic with two stops is the schedule above. With
// more, Classic keeps its runs (one character each up to 21, then runs of
// ceil(n / 20) + 2) and gives run q of Q the gradient at t = q / (Q - 1);
// Smooth and Rows colour by CharacterColors.
std::vector<ArtFadeRun> ArtGradientRuns(FadeStyle style, const ColorStops& stops, const std::string& text);
