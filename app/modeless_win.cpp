#include "app/modeless_win.h"

#include <algorithm>
#include <vector>

static std::vector<HWND>& Dialogs() {
    static std::vector<HWND> dialogs;
    return dialogs;
}

void RegisterDialogWindow(HWND dialog) {
    if (std::find(Dialogs().begin(), Dialogs().end(), dialog) == Dialogs().end()) Dialogs().push_back(dialog);
}

void UnregisterDialogWindow(HWND dialog) {
    auto& d = Dialogs();
    d.erase(std::remove(d.begin(), d.end(), dialog), d.end());
}

bool DispatchDialogMessage(MSG& msg) {
    for (HWND dialog : Dialogs()) {
        if (IsWindow(dialog) && (dialog == msg.hwnd || IsChild(dialog, msg.hwnd)))
            return IsDialogMessageA(dialog, &msg);
    }
    return false;
}

void DispatchOne(MSG& msg) {
    if (DispatchDialogMessage(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}
