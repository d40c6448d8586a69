// The pause of the auto-send timer as the user types it into the "Time:" box.
#pragma once
#include <string>

// Reads a decimal number of seconds: optional blanks around it, an optional
// sign, digits with at most one "." among them (at least one digit in all) and
// an optional exponent ("1e-1"). Anything else (empty text, letters, "1,5",
// "1 2") is not a number: false, and `seconds` is left alone; so is a pause
// longer than one day, which would hold a sender for good. Zero and
// negative pauses are numbers: they wait no longer than one pass over the
// pending events.
bool ParsePauseSeconds(const std::string& text, float& seconds);
