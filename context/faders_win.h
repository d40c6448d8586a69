// The three tabs' faders: each a "Fader Options" frame with two colour boxes
// (the first and last stop), the stops between them, a "Style" drop-down, a
// strip showing the fade as it will be applied and a "Colours..." button that
// opens the "Fade Colours" window. The presets saved there are shared by all
// three. Owned by the context and handed to the tabs through it.
#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "effects/fade_presets.h"
#include "effects/gradient.h"

class SettingsFile;
class TabContext;

enum class FaderId { Main = 0, TextDesigns = 1, Art = 2 };

class Faders {
public:
    // The colour of each character of `sample` faded in a style through stops.
    using Sampler = std::function<std::vector<std::uint32_t>(FadeStyle, const ColorStops&, const std::string& sample)>;

    explicit Faders(TabContext& ctx) : ctx_(ctx) {}

    // Fills the style drop-downs (Classic chosen) once the controls exist.
    void Attach();

    // The colour boxes with the stops between them, first to last.
    ColorStops Stops(FaderId fader) const;
    // Ends into the colour boxes, the rest kept between them.
    void SetStops(FaderId fader, const ColorStops& stops);
    FadeStyle Style(FaderId fader) const;
    void SetStyle(FaderId fader, FadeStyle style);
    FadePresetList& Presets() { return presets_; }

    // The art tab shows its own schedule; the others default to the markup's.
    void SetSampler(FaderId fader, Sampler sampler) { samplers_[Index(fader)] = std::move(sampler); }
    // What a strip `width` pixels wide shows: a sample text faded, a band per character.
    std::vector<COLORREF> Sample(FaderId fader, FadeStyle style, const ColorStops& stops, int width) const;

    // Each fader's style and stops, and the saved presets, in the settings kept
    // between runs. The ends stay the colour boxes' own business: a restored
    // row takes the boxes' colours as its ends.
    void SaveSettings(SettingsFile& settings) const;
    void RestoreSettings(const SettingsFile& settings);

    // Draws every strip again: after a colour box or a style changed.
    void Redraw();
    // A style chosen or "Colours..." clicked on any tab; false for other controls.
    bool OnCommand(int id, int code);
    // The "Fade Colours" window for `fader`; its stops change only on OK.
    void ShowFadeColours(FaderId fader);

private:
    struct Controls {
        int boxA, boxB, style, strip, colours;
    };
    static const Controls kControls[3];
    static std::size_t Index(FaderId fader) { return static_cast<std::size_t>(fader); }

    TabContext& ctx_;
    std::array<ColorStops, 3> between_;  // the stops inside each fader's two boxes
    std::array<Sampler, 3> samplers_;
    FadePresetList presets_;
};
