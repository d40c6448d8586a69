// The "Random Color" source: pairs of colours whose channels lie in 1..255,
// each pair different from the one before it.
#pragma once
#include <cstdint>

struct ColorPair {
    std::uint32_t a = 0;  // red + 256 * green + 65536 * blue
    std::uint32_t b = 0;
};

class RandomColorSource {
public:
    // The same seed gives the same sequence, which keeps tests repeatable.
    explicit RandomColorSource(std::uint64_t seed = 255) : state_(seed) {}

    // Uniform in [0, 1), 53 bits.
    double NextUniform();
    // One channel, int(r * 255 + 1): 1 to 255, never 0, so a random colour is
    // never pure black in any channel.
    int NextChannel();
    // Three channels red, green, blue, as one colour value.
    std::uint32_t NextColor();
    // Colour A then colour B; drawn again on the rare chance that the pair
    // repeats the last one, so every call shows the user a change.
    ColorPair NextPair();

private:
    std::uint64_t state_;
    ColorPair last_{};
    bool haveLast_ = false;
};
