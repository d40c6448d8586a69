// Named rows of fade stops: the ones the program comes with and the ones a
// user saves, and the "#RRGGBB,#RRGGBB,..." form stops are stored in.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "effects/gradient.h"

struct FadePreset {
    std::string name;
    ColorStops stops;
    bool operator==(const FadePreset&) const = default;
};

// Built in, Rainbow first; every one has 2 to 10 stops.
const std::vector<FadePreset>& BuiltInFadePresets();

// "#RRGGBB" per stop, joined by ",".
std::string FormatStops(const ColorStops& stops);
// The form FormatStops writes (spaces around a stop allowed, digits in either
// case); nothing when a stop is malformed or there are not 2 to 10 of them.
std::optional<ColorStops> ParseStops(std::string_view text);

// The built-in presets followed by the user's, in the order saved.
class FadePresetList {
public:
    std::vector<FadePreset> All() const;
    const std::vector<FadePreset>& Saved() const { return saved_; }
    void SetSaved(std::vector<FadePreset> saved) { saved_ = std::move(saved); }
    bool IsBuiltIn(std::string_view name) const;
    // Saves under `name`, replacing a saved preset of that name; false (and
    // nothing saved) for an empty name, a built-in's name, or stops out of range.
    bool Save(const std::string& name, const ColorStops& stops);
    // Only a saved preset can go; false when there is none of that name.
    bool Delete(std::string_view name);

private:
    std::vector<FadePreset> saved_;
};
