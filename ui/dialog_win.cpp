#include "ui/dialog_win.h"

HWND Dialog::CreateModeless(int dialogId, HWND owner) {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialogId), owner, Proc,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::ShowModal(int dialogId, HWND owner) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialogId), owner, Proc,
                           reinterpret_cast<LPARAM>(this));
}

void Dialog::Detach() {
    if (hwnd_) SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    hwnd_ = nullptr;
}

INT_PTR CALLBACK Dialog::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->hwnd_ = hwnd;
    }
    // Messages that come before WM_INITDIALOG (the font, the size) find no object yet.
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self) return FALSE;
    try {
        return self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        return self->HandlerFailed();
    }
}
