#include "designs/art_save_window_win.h"

#include <string>

#include "app/resource.h"
#include "app/window_util_win.h"
#include "designs/art_designs_tab_win.h"

void Form5::ShowModal(HWND owner, ArtDesignsTab& tab) {
    // Built anew for every showing: the name box starts empty each time.
    Form5 window(tab);
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FORM5), owner, DlgProc,
                    reinterpret_cast<LPARAM>(&window));
}

INT_PTR CALLBACK Form5::DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        reinterpret_cast<Form5*>(lParam)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<Form5*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self) return FALSE;
    try {
        return self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        return FALSE;  // no exception may cross into the system's code
    }
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
    if (!tab_.SaveDesignAs(name, hwnd_)) return;  // the window stays open
    SetWindowTextA(text1, "");
    EndDialog(hwnd_, IDOK);
}
