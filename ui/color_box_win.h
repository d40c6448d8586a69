// A colour box: a small window showing one colour as its background, like a
// picture box. A click (or Space/Enter when it has the focus) sends its parent
// WM_COMMAND with BN_CLICKED, so the handlers treat it like a button. The
// focused box shows a focus rectangle; its colour stays in high contrast too.
#pragma once
#include <windows.h>

inline constexpr const char* kColorBoxClass = "VivartoColorBox";

// Registers the window class; call before any dialog that holds colour boxes.
void RegisterColorBoxClass();

COLORREF ColorBox_GetColor(HWND box);
void ColorBox_SetColor(HWND box, COLORREF color);
