#include "ui/message_loop_win.h"

#include <algorithm>
#include <vector>

#include "ui/window_util_win.h"

namespace {

struct DialogKeys {
    HWND dialog;
    HACCEL keys;
};

std::vector<DialogKeys>& Dialogs() {
    static std::vector<DialogKeys> dialogs;
    return dialogs;
}

// True when the message was a dialog keystroke and has been handled: first
// the window's own key commands, then the dialog manager's keys.
bool DispatchDialogMessage(MSG& msg) {
    for (const DialogKeys& d : Dialogs()) {
        if (IsWindow(d.dialog) && (d.dialog == msg.hwnd || IsChild(d.dialog, msg.hwnd)))
            return (d.keys && TranslateAcceleratorW(d.dialog, d.keys, &msg)) || IsDialogMessageW(d.dialog, &msg);
    }
    return false;
}

}  // namespace

void RegisterDialogWindow(HWND dialog, HACCEL keys) {
    UnregisterDialogWindow(dialog);
    Dialogs().push_back({dialog, keys});
}

void UnregisterDialogWindow(HWND dialog) {
    auto& d = Dialogs();
    d.erase(std::remove_if(d.begin(), d.end(), [&](const DialogKeys& k) { return k.dialog == dialog; }), d.end());
}

void DispatchOne(MSG& msg) {
    if (DispatchDialogMessage(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

bool RunPendingEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        DispatchOne(msg);
    }
    return true;
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchOne(msg);
    return static_cast<int>(msg.wParam);
}
