#include "ui/message_loop_win.h"

#include <algorithm>
#include <vector>

#include "ui/window_util_win.h"

namespace {

std::vector<HWND>& Dialogs() {
    static std::vector<HWND> dialogs;
    return dialogs;
}

// True when the message was a dialog keystroke and has been handled.
bool DispatchDialogMessage(MSG& msg) {
    for (HWND dialog : Dialogs()) {
        if (IsWindow(dialog) && (dialog == msg.hwnd || IsChild(dialog, msg.hwnd)))
            return IsDialogMessageW(dialog, &msg);
    }
    return false;
}

}  // namespace

void RegisterDialogWindow(HWND dialog) {
    if (std::find(Dialogs().begin(), Dialogs().end(), dialog) == Dialogs().end()) Dialogs().push_back(dialog);
}

void UnregisterDialogWindow(HWND dialog) {
    auto& d = Dialogs();
    d.erase(std::remove(d.begin(), d.end(), dialog), d.end());
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
