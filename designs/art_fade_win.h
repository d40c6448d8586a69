// The art design fade on a real rich text box.
#pragma once
#include <windows.h>

#include <cstdint>

#include "effects/gradient.h"

class RichTextBox;

// Colours every character of `box` (as a person counts them: an emoji or a
// letter with its accent is one, each whole in one colour) by the art fade
// schedule from `startColor` to `endColor`, one format call per run of equal colour, and leaves the
// caret at the start with nothing selected. Bold, sizes and fonts stay as they
// are. An empty box is left uncoloured. bench/baselines_win holds the naive
// way (one character at a time) it is measured and checked against.
void ApplyArtFade(RichTextBox& box, std::int32_t startColor, std::int32_t endColor);
// The same in a fader's style through its stops (ArtGradientRuns).
void ApplyArtFade(RichTextBox& box, FadeStyle style, const ColorStops& stops);

