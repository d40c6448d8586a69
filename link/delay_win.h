// Waiting while the window stays responsive.
#pragma once

// Waits `nSeconds` seconds (fractions allowed) while letting the thread's
// window events run: they are processed at least once, so a wait of 0 or less
// returns after one pass. Between events the thread sleeps, it does not spin.
// Time is measured on a monotonic clock, so a wait across midnight or a clock
// change still ends on time.
//
// Returns false when a WM_QUIT came in during the wait: the quit is posted
// again for the outer message loop and the wait ends at once. The caller must
// then stop what it was doing (its window may already be gone).
//
// With `stop`, the wait also ends, false, as soon as *stop is true after the
// events ran: a Stop click among them cuts the wait short at once.
bool Delay(float nSeconds, const bool* stop = nullptr);
