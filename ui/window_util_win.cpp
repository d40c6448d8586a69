#include "ui/window_util_win.h"

#include "ui/utf8.h"

// wchar_t is the 16-bit UTF-16 unit on this platform.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring WideFromUtf8(std::string_view text) {
    const std::u16string wide = Utf16FromUtf8(text);
    return std::wstring(wide.begin(), wide.end());
}

std::string Utf8FromWide(std::wstring_view text) {
    return Utf8FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

UINT DpiOf(HWND hwnd) {
    if (UINT dpi = hwnd ? GetDpiForWindow(hwnd) : 0) return dpi;
    HDC dc = GetDC(hwnd);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(hwnd, dc);
    return static_cast<UINT>(dpi);
}

HFONT MakeFontForDpi(const char* face, double points, UINT dpi, bool bold) {
    const int height = -MulDiv(static_cast<int>(points * 100 + 0.5), static_cast<int>(dpi), 7200);
    return CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       WideFromUtf8(face).c_str());
}

HFONT MakeFont(HWND reference, const char* face, double points, bool bold) {
    return MakeFontForDpi(face, points, DpiOf(reference), bold);
}

bool HighContrastOn() {
    HIGHCONTRASTW hc{};
    hc.cbSize = sizeof(hc);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(hc), &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON);
}

std::string WindowTextOf(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    int got = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return Utf8FromWide(text);
}

void SetWindowTextUtf8(HWND hwnd, const std::string& text) { SetWindowTextW(hwnd, WideFromUtf8(text).c_str()); }
