#include "context/fade_colours_window_win.h"

#include "context/resource.h"
#include "ui/color_box_win.h"
#include "ui/list_box_win.h"
#include "ui/utf8.h"
#include "ui/window_util_win.h"

namespace {

// "Save As...": asks for the preset's name; empty when cancelled.
class PresetNameWindow : public Dialog {
public:
    std::string Ask(HWND owner) {
        ShowModal(IDD_SAVEPRESET, owner);
        return name_;
    }

private:
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM) override {
        if (msg == WM_INITDIALOG) return TRUE;
        if (msg != WM_COMMAND) return FALSE;
        if (LOWORD(wParam) == IDOK) name_ = WindowTextOf(GetDlgItem(hwnd_, IDC_SAVEPRESET_TEXT1));
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(hwnd_, LOWORD(wParam));
        return TRUE;
    }

    std::string name_;
};

}  // namespace

bool FadeColoursWindow::Show(HWND owner) { return ShowModal(IDD_FADECOLOURS, owner) == IDOK; }

INT_PTR FadeColoursWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG:
        FillPresets("");
        ShowStops();
        return TRUE;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
    }
    return FALSE;
}

void FadeColoursWindow::OnCommand(int id, int code) {
    if (id >= IDC_FADECOLOURS_STOP1 && id < IDC_FADECOLOURS_STOP1 + static_cast<int>(kMaxStops)) {
        if (code == BN_CLICKED) Stop_Click(static_cast<std::size_t>(id - IDC_FADECOLOURS_STOP1));
        return;
    }
    if (id == IDC_PRESETS) {
        if (code == CBN_SELCHANGE) Presets_Change();
        return;
    }
    if (code != BN_CLICKED) return;
    switch (id) {
    case IDC_FADECOLOURS_ADD: Add_Click(); return;
    case IDC_FADECOLOURS_REMOVE: Remove_Click(); return;
    case IDC_FADECOLOURS_SAVEAS: SaveAs_Click(); return;
    case IDC_FADECOLOURS_DELETE: Delete_Click(); return;
    case IDOK:
    case IDCANCEL: EndDialog(hwnd_, id); return;
    }
}

void FadeColoursWindow::ShowStops() {
    for (std::size_t i = 0; i < kMaxStops; ++i) {
        HWND box = GetDlgItem(hwnd_, IDC_FADECOLOURS_STOP1 + static_cast<int>(i));
        if (i < stops_.size()) ColorBox_SetColor(box, static_cast<COLORREF>(stops_[i]));
        ShowWindow(box, i < stops_.size() ? SW_SHOWNA : SW_HIDE);
    }
    EnableWindow(GetDlgItem(hwnd_, IDC_FADECOLOURS_ADD), stops_.size() < kMaxStops);
    EnableWindow(GetDlgItem(hwnd_, IDC_FADECOLOURS_REMOVE), stops_.size() > kMinStops);
    HWND strip = GetDlgItem(hwnd_, IDC_FADECOLOURS_STRIP);
    RECT rc;
    GetClientRect(strip, &rc);
    ColorStrip_SetColors(strip, sampler_(stops_, rc.right));
}

void FadeColoursWindow::FillPresets(const std::string& chosen) {
    HWND combo = GetDlgItem(hwnd_, IDC_PRESETS);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    int select = -1;
    for (const FadePreset& preset : presets_.All()) {
        const LRESULT at = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromUtf8(preset.name).c_str()));
        if (preset.name == chosen) select = static_cast<int>(at);
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(select), 0);
    EnableWindow(GetDlgItem(hwnd_, IDC_FADECOLOURS_DELETE), !chosen.empty() && !presets_.IsBuiltIn(chosen));
}

std::string FadeColoursWindow::ChosenPreset() const {
    HWND combo = GetDlgItem(hwnd_, IDC_PRESETS);
    return ComboBoxItem(combo, static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)));
}

void FadeColoursWindow::Stop_Click(std::size_t index) {
    if (index >= stops_.size()) return;
    // As with the tabs' colour boxes, a cancelled dialog gives the colour last accepted.
    stops_[index] = static_cast<std::uint32_t>(colorDialog_.ShowColor(hwnd_));
    ShowStops();
}

void FadeColoursWindow::Add_Click() {
    if (stops_.size() >= kMaxStops) return;
    // The new stop goes before the last, halfway between its neighbours, so
    // the fade looks the same until the user gives it a colour of its own.
    const std::size_t k = stops_.size();
    const ColorChannels middle = GradientAt(SplitStops({stops_[k - 2], stops_[k - 1]}), 1, 2);
    stops_.insert(stops_.end() - 1, JoinChannels(middle));
    ShowStops();
}

void FadeColoursWindow::Remove_Click() {
    // The two ends are the tab's colour boxes and always stay.
    if (stops_.size() <= kMinStops) return;
    stops_.erase(stops_.end() - 2);
    ShowStops();
}

void FadeColoursWindow::Presets_Change() {
    const std::string name = ChosenPreset();
    for (const FadePreset& preset : presets_.All())
        if (preset.name == name) stops_ = preset.stops;
    EnableWindow(GetDlgItem(hwnd_, IDC_FADECOLOURS_DELETE), !name.empty() && !presets_.IsBuiltIn(name));
    ShowStops();
}

void FadeColoursWindow::SaveAs_Click() {
    const std::string name = PresetNameWindow().Ask(hwnd_);
    if (name.empty()) return;
    if (!presets_.Save(name, stops_)) {
        ui_.MessageBox(hwnd_, "\"" + name + "\" is a preset that comes with the program. Please choose another name.",
                       "Save As", MB_OK | MB_ICONINFORMATION);
        return;
    }
    FillPresets(name);
}

void FadeColoursWindow::Delete_Click() {
    presets_.Delete(ChosenPreset());
    FillPresets("");
}
