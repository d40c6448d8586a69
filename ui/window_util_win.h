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

// A font of `points` points (fractions allowed) for the screen `reference`
// is on. The caller deletes it with DeleteObject.
HFONT MakeFont(HWND reference, const char* face, double points, bool bold = false);

// The whole text of a window or control, and setting it.
std::string WindowTextOf(HWND hwnd);
void SetWindowTextUtf8(HWND hwnd, const std::string& text);
