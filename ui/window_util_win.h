// Small helpers every window uses. Program text is UTF-8; windows and controls
// take UTF-16, so these are the one place text crosses that boundary (the W
// functions are called by name: the build does not depend on UNICODE).
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

// UTF-8 to and from the platform's wide text (an invalid sequence reads as
// U+FFFD, so does a lone surrogate).
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// The dots per inch of the screen `hwnd` is on (of the system without one).
UINT DpiOf(HWND hwnd);
// A font of `points` points (fractions allowed) at `dpi` dots per inch: the
// one place the program sizes a font, so a window that moves to a screen of
// another DPI makes its fonts again here. The caller deletes it.
HFONT MakeFontForDpi(const char* face, double points, UINT dpi, bool bold = false);
// The same for the screen `reference` is on now.
HFONT MakeFont(HWND reference, const char* face, double points, bool bold = false);

// True while the user has a high-contrast scheme on: text and backgrounds then
// keep the system's colours.
bool HighContrastOn();

// The whole text of a window or control, and setting it.
std::string WindowTextOf(HWND hwnd);
void SetWindowTextUtf8(HWND hwnd, const std::string& text);
