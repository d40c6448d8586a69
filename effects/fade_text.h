// The colour fader: cuts a text into segments and puts a colour tag before each,
// stepping from near colour A at the start to exactly colour B at the end.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One channel triple as the fader reads it from a colour value.
struct ColorChannels {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Splits a colour value by the digit positions of its HexPad6 form: red from the
// last two digits, green from the third and fourth, blue from the first two.
// For an ordinary colour that is the usual red/green/blue; a system colour with
// eight digits is split by the same positions and never fails.
ColorChannels SplitColor(std::int32_t color);

// Appends "<Font Color=#RRGGBB>", each channel as two upper-case digits.
void AppendColorTag(std::string& out, int red, int green, int blue);

// Byte offsets in UTF-8 `text` where each character as a person counts it
// ends: a base code point with what extends it, a ZWJ joining the next one in,
// two regional indicators making one flag. A byte that is not UTF-8 is a
// character of its own.
std::vector<std::size_t> CharacterEnds(const std::string& text);

// Tag markup for UTF-8 `text` faded from colour A to colour B: "<Font
// Color=#RRGGBB>" before each segment. Characters are counted as a person sees
// them: a code point outside the BMP, a letter with its combining marks,
// variation selectors or skin-tone modifier, code points joined by U+200D, a
// flag of two regional indicators are one character each and never cut. A byte
// that is not UTF-8 counts as one character and is copied as it is. Up to 7 characters get one colour each; a longer text
// gets a colour every round(length / 5) characters, the last segment taking the
// rest. Channels step in double precision and round half to even. An empty text
// gives an empty result. Pure: the "Random Color" repaint of the pickers is the
// window layer's business (effects/fade_pipeline_win.h).
std::string FadeText(std::int32_t colorA, std::int32_t colorB, const std::string& text);
