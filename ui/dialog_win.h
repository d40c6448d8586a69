// The base of every window and page built from a dialog resource: the dialog
// procedure stores `this` on WM_INITDIALOG and forwards every message to
// HandleMessage. No exception crosses into the system's code: one that
// escapes a handler ends in HandlerFailed.
#pragma once
#include <windows.h>

class Dialog {
public:
    virtual ~Dialog() = default;
    HWND Hwnd() const { return hwnd_; }

protected:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // A modeless window (or a child page when `owner` is its parent); null
    // when it could not be made.
    HWND CreateModeless(int dialogId, HWND owner);
    // A modal window; returns the value given to EndDialog.
    INT_PTR ShowModal(int dialogId, HWND owner);

    virtual INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
    // What the procedure returns when a handler threw; the window stays as it is.
    virtual INT_PTR HandlerFailed() { return FALSE; }
    // After WM_DESTROY the window no longer reaches this object.
    void Detach();

    HWND hwnd_ = nullptr;

private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
