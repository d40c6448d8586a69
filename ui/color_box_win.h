// A colour box: a small window showing one colour as its background, like a
// picture box. A click (or Space/Enter when it has the focus) sends its parent
// WM_COMMAND with BN_CLICKED, so the handlers treat it like a button. The
// focused box shows a focus rectangle; its colour stays in high contrast too.
#pragma once
#include <windows.h>

#include <vector>

inline constexpr const char* kColorBoxClass = "VivartoColorBox";

// A colour strip: colours side by side, each an equal share of the width (a
// fade as it will be applied). Shows nothing but its background until given
// colours; owner-drawn, it takes no focus and no clicks.
inline constexpr const char* kColorStripClass = "VivartoColorStrip";

// Registers both window classes; call before any dialog that holds either.
void RegisterColorBoxClass();

COLORREF ColorBox_GetColor(HWND box);
void ColorBox_SetColor(HWND box, COLORREF color);
void ColorStrip_SetColors(HWND strip, std::vector<COLORREF> colors);
