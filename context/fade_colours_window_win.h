// The "Fade Colours" window: a fader's stops as colour boxes in a row, Add and
// Remove (2 to 10 stops), the strip, the presets (built in, then the user's,
// which "Save As..." adds and "Delete" removes), OK and Cancel. Modal; the
// fader takes the stops only on OK.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "effects/fade_presets.h"
#include "ui/dialog_win.h"
#include "ui/ui_win.h"

class FadeColoursWindow : public Dialog {
public:
    // What the strip shows for some stops, `width` pixels wide.
    using Sampler = std::function<std::vector<COLORREF>(const ColorStops& stops, int width)>;

    FadeColoursWindow(Ui& ui, ColorDialog& colorDialog, FadePresetList& presets, ColorStops stops, Sampler sampler)
        : ui_(ui), colorDialog_(colorDialog), presets_(presets), stops_(std::move(stops)), sampler_(std::move(sampler)) {}

    // True when closed with OK; Result() then holds the stops chosen.
    bool Show(HWND owner);
    const ColorStops& Result() const { return stops_; }

private:
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code);
    void ShowStops();
    void FillPresets(const std::string& chosen);
    std::string ChosenPreset() const;
    void Stop_Click(std::size_t index);
    void Add_Click();
    void Remove_Click();
    void Presets_Change();
    void SaveAs_Click();
    void Delete_Click();

    Ui& ui_;
    ColorDialog& colorDialog_;
    FadePresetList& presets_;
    ColorStops stops_;
    Sampler sampler_;
};
