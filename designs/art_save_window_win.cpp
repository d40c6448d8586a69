#include "designs/art_save_window_win.h"

#include "context/resource.h"
#include "ui/window_util_win.h"

void Form5::ShowModal(HWND owner, SaveFunction save) {
    // Built anew for every showing: the name box starts empty each time.
    Form5 window(std::move(save));
    window.Dialog::ShowModal(IDD_FORM5, owner);
}

INT_PTR Form5::HandleMessage(UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_FORM5_COMMAND1: Command1_Click(); return TRUE;  // Enter comes here too: the default button
        case IDCANCEL: EndDialog(hwnd_, IDCANCEL); return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

void Form5::Command1_Click() {
    HWND text1 = GetDlgItem(hwnd_, IDC_FORM5_TEXT1);
    const std::string name = WindowTextOf(text1);
    if (!save_(name, hwnd_)) return;  // the window stays open
    SetWindowTextW(text1, L"");
    EndDialog(hwnd_, IDOK);
}
