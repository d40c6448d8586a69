#include "link/delay_win.h"

#include <windows.h>

#include <chrono>
#include <cmath>

#include "ui/message_loop_win.h"

bool Delay(float nSeconds, const bool* stop) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    for (;;) {
        // The events run as in the program's own loop, keyboard navigation
        // of its dialogs included; a quit ends the wait.
        if (!RunPendingEvents()) return false;
        if (stop && *stop) return false;
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
