#include "ui/ui_win.h"

#include <commdlg.h>
#include <shellapi.h>

int WindowsUi::MessageBox(HWND owner, const std::string& text, const std::string& title, UINT flags) {
    return ::MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

bool WindowsUi::ChooseColor(HWND owner, COLORREF& color) {
    static COLORREF custom[16] = {};
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = owner;
    cc.rgbResult = color;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!::ChooseColorA(&cc)) return false;
    color = cc.rgbResult;
    return true;
}

void WindowsUi::OpenUrl(const std::string& address) {
    ShellExecuteA(nullptr, "Open", address.c_str(), "", "", SW_SHOWNORMAL);
}

COLORREF ColorDialog::ShowColor(HWND owner) {
    COLORREF chosen = color_;
    if (ui_.ChooseColor(owner, chosen)) color_ = chosen;
    return color_;
}
