#include "effects/random_colors.h"

double RandomColorSource::NextUniform() {
    // splitmix64: small, fast and well mixed even from small seeds like 255.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
}

int RandomColorSource::NextChannel() {
    return static_cast<int>(NextUniform() * 255.0 + 1.0);
}

std::uint32_t RandomColorSource::NextColor() {
    const std::uint32_t red = static_cast<std::uint32_t>(NextChannel());
    const std::uint32_t green = static_cast<std::uint32_t>(NextChannel());
    const std::uint32_t blue = static_cast<std::uint32_t>(NextChannel());
    return red + 256u * green + 65536u * blue;
}

ColorPair RandomColorSource::NextPair() {
    ColorPair pair;
    do {
        pair.a = NextColor();
        pair.b = NextColor();
    } while (haveLast_ && pair.a == last_.a && pair.b == last_.b);
    last_ = pair;
    haveLast_ = true;
    return pair;
}
