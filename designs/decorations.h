// The ready-made decorations of the design editor: short runs of Windows-1252
// characters, many of them a left half followed by its mirrored right half, so
// that a word typed between the two is framed.
//
// They are kept as bytes, not as text in the source file's own encoding, so the
// soft hyphens (0xAD) and the typographic characters of the 0x80..0x9F range
// reach the list box and the messenger exactly as they are meant.
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kDecorationCount = 117;

// In the order the editor lists them; the repeats in the list are deliberate
// (entries 80 and 81 repeat 42, 82 and 83 repeat 43, 89 repeats 45).
extern const std::array<std::string_view, kDecorationCount> kDecorations;

// Entry `number` (1-based) as the characters its bytes mean, in UTF-8.
std::string DecorationUtf8(std::size_t number);
