#include "link/delay_win.h"

#include <windows.h>

#include <chrono>
#include <cmath>

#include "app/modeless_win.h"

namespace {

// Runs every event already waiting, the way the program's own loop does
// (keyboard navigation of its dialogs included). False when WM_QUIT was among
// them; it is posted again so that the program's own loop still sees it and ends.
bool RunPendingEvents() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        DispatchOne(msg);
    }
    return true;
}

}  // namespace

bool Delay(float nSeconds) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    for (;;) {
        if (!RunPendingEvents()) return false;
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        // Written so that a NaN wait ends too.
        if (!(elapsed < static_cast<double>(nSeconds))) return true;
        // Sleep until an event arrives or the time is up; rounded up so the
        // thread does not wake a moment early and go round once more for nothing.
        const double remainingMs = std::ceil((static_cast<double>(nSeconds) - elapsed) * 1000.0);
        const DWORD timeoutMs = remainingMs > 60000.0 ? 60000 : static_cast<DWORD>(remainingMs);
        MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}
