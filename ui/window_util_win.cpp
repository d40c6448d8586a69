#include "ui/window_util_win.h"

HFONT MakeFont(HWND reference, const char* face, double points, bool bold) {
    HDC dc = GetDC(reference);
    int height = -MulDiv(static_cast<int>(points * 100 + 0.5), GetDeviceCaps(dc, LOGPIXELSY), 7200);
    ReleaseDC(reference, dc);
    return CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

std::string WindowTextOf(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    int got = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}
