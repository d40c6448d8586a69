#include "context/faders_win.h"

#include "context/fade_colours_window_win.h"
#include "context/tab_context_win.h"
#include "ui/color_box_win.h"
#include "ui/settings_file.h"

namespace {

constexpr const char* kSection = "Fades";
constexpr const char* kPresetSection = "FadePresets";
const char* const kFaderKeys[3] = {"Main", "TextDesigns", "ArtDesigns"};
const char* const kStyleNames[3] = {"Classic", "Smooth", "Rows"};

}  // namespace

const Faders::Controls Faders::kControls[3] = {
    {IDC_PICCOLORA, IDC_PICCOLORB, IDC_FADESTYLE, IDC_FADESTRIP, IDC_FADECOLORS},
    {IDC_PICTURE7, IDC_PICTURE8, IDC_DESIGNFADESTYLE, IDC_DESIGNFADESTRIP, IDC_DESIGNFADECOLORS},
    {IDC_PICTURE13, IDC_PICTURE14, IDC_ARTFADESTYLE, IDC_ARTFADESTRIP, IDC_ARTFADECOLORS},
};

void Faders::Attach() {
    for (std::size_t f = 0; f < 3; ++f) {
        HWND combo = ctx_.Control(kControls[f].style);
        SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        for (const wchar_t* item : {L"Classic", L"Smooth", L"Rows"}) {
            if (f != Index(FaderId::Art) && item[0] == L'R') break;  // banding by lines suits art designs only
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        SendMessageW(combo, CB_SETCURSEL, 0, 0);
    }
    Redraw();
}

ColorStops Faders::Stops(FaderId fader) const {
    const Controls& c = kControls[Index(fader)];
    ColorStops stops{static_cast<std::uint32_t>(ctx_.BoxColor(c.boxA))};
    stops.insert(stops.end(), between_[Index(fader)].begin(), between_[Index(fader)].end());
    stops.push_back(static_cast<std::uint32_t>(ctx_.BoxColor(c.boxB)));
    return stops;
}

void Faders::SetStops(FaderId fader, const ColorStops& stops) {
    if (stops.size() < kMinStops || stops.size() > kMaxStops) return;
    between_[Index(fader)].assign(stops.begin() + 1, stops.end() - 1);
    ctx_.SetBoxColor(kControls[Index(fader)].boxA, static_cast<COLORREF>(stops.front()));
    ctx_.SetBoxColor(kControls[Index(fader)].boxB, static_cast<COLORREF>(stops.back()));
}

FadeStyle Faders::Style(FaderId fader) const {
    const LRESULT chosen = SendMessageW(ctx_.Control(kControls[Index(fader)].style), CB_GETCURSEL, 0, 0);
    return chosen > 0 ? static_cast<FadeStyle>(chosen) : FadeStyle::Classic;
}

void Faders::SetStyle(FaderId fader, FadeStyle style) {
    SendMessageW(ctx_.Control(kControls[Index(fader)].style), CB_SETCURSEL, static_cast<WPARAM>(style), 0);
    Redraw();
}

std::vector<COLORREF> Faders::Sample(FaderId fader, FadeStyle style, const ColorStops& stops, int width) const {
    // Classic as on a message of 60 characters; Smooth a character per pixel;
    // Rows as a design of six lines.
    std::string sample;
    if (style == FadeStyle::Classic) sample.assign(60, 'x');
    else if (style == FadeStyle::Smooth) sample.assign(static_cast<std::size_t>(width > 1 ? width : 2), 'x');
    else for (int line = 0; line < 6; ++line) sample += line ? "\r\nxxxx" : "xxxx";
    const Sampler& own = samplers_[Index(fader)];
    const std::vector<std::uint32_t> colors = own ? own(style, stops, sample) : CharacterColors(style, stops, sample);
    return std::vector<COLORREF>(colors.begin(), colors.end());
}

void Faders::Redraw() {
    for (std::size_t f = 0; f < 3; ++f) {
        HWND strip = ctx_.Control(kControls[f].strip);
        if (!strip) continue;
        RECT rc;
        GetClientRect(strip, &rc);
        const FaderId fader = static_cast<FaderId>(f);
        ColorStrip_SetColors(strip, Sample(fader, Style(fader), Stops(fader), rc.right));
    }
}

bool Faders::OnCommand(int id, int code) {
    for (std::size_t f = 0; f < 3; ++f) {
        if (id == kControls[f].style) {
            if (code == CBN_SELCHANGE) Redraw();
            return true;
        }
        if (id == kControls[f].colours) {
            if (code == BN_CLICKED) ShowFadeColours(static_cast<FaderId>(f));
            return true;
        }
    }
    return false;
}

void Faders::ShowFadeColours(FaderId fader) {
    const FadeStyle style = Style(fader);
    FadeColoursWindow window(ctx_.ui(), ctx_.CommonDialog1(), presets_, Stops(fader),
                             [this, fader, style](const ColorStops& stops, int width) {
                                 return Sample(fader, style, stops, width);
                             });
    if (window.Show(ctx_.Hwnd()) && !ctx_.Closed()) SetStops(fader, window.Result());
}

void Faders::SaveSettings(SettingsFile& settings) const {
    for (std::size_t f = 0; f < 3; ++f) {
        const FaderId fader = static_cast<FaderId>(f);
        const std::string key = kFaderKeys[f];
        settings.SetString(kSection, key + "Style", kStyleNames[static_cast<int>(Style(fader))]);
        settings.SetString(kSection, key + "Stops", FormatStops(Stops(fader)));
    }
    // Written whole each time, so a preset deleted in this run is gone from the file too.
    settings.RemoveSection(kPresetSection);
    for (const FadePreset& preset : presets_.Saved()) settings.SetString(kPresetSection, preset.name, FormatStops(preset.stops));
}

void Faders::RestoreSettings(const SettingsFile& settings) {
    for (std::size_t f = 0; f < 3; ++f) {
        const std::string key = kFaderKeys[f];
        const auto style = settings.GetString(kSection, key + "Style");
        for (int s = 0; style && s < (f == Index(FaderId::Art) ? 3 : 2); ++s)
            if (*style == kStyleNames[s]) SendMessageW(ctx_.Control(kControls[f].style), CB_SETCURSEL, s, 0);
        if (const auto stops = ParseStops(settings.GetString(kSection, key + "Stops").value_or("")))
            between_[f].assign(stops->begin() + 1, stops->end() - 1);
    }
    for (const std::string& name : settings.Keys(kPresetSection))
        if (const auto stops = ParseStops(settings.GetString(kPresetSection, name).value_or(""))) presets_.Save(name, *stops);
    Redraw();
}
