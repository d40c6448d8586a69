// Small helpers every window uses.
#pragma once
#include <windows.h>

#include <string>

// A font of `points` points (fractions allowed) for the screen `reference`
// is on. The caller deletes it with DeleteObject.
HFONT MakeFont(HWND reference, const char* face, double points, bool bold = false);

// The whole text of a window or control, 8-bit.
std::string WindowTextOf(HWND hwnd);
