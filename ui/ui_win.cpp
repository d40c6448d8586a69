#include "ui/ui_win.h"

#include <commdlg.h>
#include <shellapi.h>

#include "ui/window_util_win.h"

int WindowsUi::MessageBox(HWND owner, const std::string& text, const std::string& title, UINT flags) {
    return ::MessageBoxW(owner, WideFromUtf8(text).c_str(), WideFromUtf8(title).c_str(), flags);
}

bool WindowsUi::ChooseColor(HWND owner, COLORREF& color) {
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = owner;
    cc.rgbResult = color;
    cc.lpCustColors = customColors_.data();
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!::ChooseColorW(&cc)) return false;
    color = cc.rgbResult;
    return true;
}

void WindowsUi::OpenUrl(const std::string& address) {
    ShellExecuteW(nullptr, L"Open", WideFromUtf8(address).c_str(), L"", L"", SW_SHOWNORMAL);
}

COLORREF ColorDialog::ShowColor(HWND owner) {
    COLORREF chosen = color_;
    if (ui_.ChooseColor(owner, chosen)) color_ = chosen;
    return color_;
}
