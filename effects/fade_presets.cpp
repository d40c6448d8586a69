#include "effects/fade_presets.h"

#include <algorithm>

namespace {

// #RRGGBB as the user reads it, to the platform's red-in-the-low-byte value.
constexpr std::uint32_t Rgb(std::uint32_t rrggbb) {
    return (rrggbb >> 16) | (rrggbb & 0xFF00) | ((rrggbb & 0xFF) << 16);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

const std::vector<FadePreset>& BuiltInFadePresets() {
    static const std::vector<FadePreset> presets = {
        {"Rainbow", {Rgb(0xFF0000), Rgb(0xFF7F00), Rgb(0xFFFF00), Rgb(0x00FF00), Rgb(0x0000FF), Rgb(0x4B0082),
                     Rgb(0x9400D3)}},
        {"Sunset", {Rgb(0x2E1A47), Rgb(0xC0392B), Rgb(0xF39C12), Rgb(0xF9E79F)}},
        {"Ocean", {Rgb(0x000080), Rgb(0x0077BE), Rgb(0x40E0D0)}},
        {"Fire", {Rgb(0x800000), Rgb(0xFF0000), Rgb(0xFF8C00), Rgb(0xFFD700)}},
        {"Forest", {Rgb(0x013220), Rgb(0x228B22), Rgb(0x9ACD32)}},
        {"Candy", {Rgb(0xFF69B4), Rgb(0xDA70D6), Rgb(0x87CEFA)}},
        {"Silver", {Rgb(0x202020), Rgb(0xC0C0C0), Rgb(0x404040)}},
    };
    return presets;
}

std::string FormatStops(const ColorStops& stops) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (std::uint32_t c : stops) {
        if (!out.empty()) out += ',';
        out += '#';
        for (int shift : {0, 8, 16}) {
            out += kDigits[(c >> (shift + 4)) & 0xF];
            out += kDigits[(c >> shift) & 0xF];
        }
    }
    return out;
}

std::optional<ColorStops> ParseStops(std::string_view text) {
    ColorStops stops;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view item = Trimmed(text.substr(0, comma));
        if (item.size() != 7 || item[0] != '#' || stops.size() == kMaxStops) return std::nullopt;
        std::uint32_t rrggbb = 0;
        for (char c : item.substr(1)) {
            const int v = HexValue(c);
            if (v < 0) return std::nullopt;
            rrggbb = rrggbb * 16 + static_cast<std::uint32_t>(v);
        }
        stops.push_back(Rgb(rrggbb));
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    if (stops.size() < kMinStops) return std::nullopt;
    return stops;
}

std::vector<FadePreset> FadePresetList::All() const {
    std::vector<FadePreset> all = BuiltInFadePresets();
    all.insert(all.end(), saved_.begin(), saved_.end());
    return all;
}

bool FadePresetList::IsBuiltIn(std::string_view name) const {
    const auto& builtIn = BuiltInFadePresets();
    return std::any_of(builtIn.begin(), builtIn.end(), [&](const FadePreset& p) { return p.name == name; });
}

bool FadePresetList::Save(const std::string& name, const ColorStops& stops) {
    if (name.empty() || IsBuiltIn(name) || stops.size() < kMinStops || stops.size() > kMaxStops) return false;
    for (FadePreset& p : saved_) {
        if (p.name != name) continue;
        p.stops = stops;
        return true;
    }
    saved_.push_back({name, stops});
    return true;
}

bool FadePresetList::Delete(std::string_view name) {
    return std::erase_if(saved_, [&](const FadePreset& p) { return p.name == name; }) > 0;
}
