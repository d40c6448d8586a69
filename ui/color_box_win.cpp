#include "ui/color_box_win.h"

namespace {

void FillWithColor(HDC dc, const RECT& rect, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void Click(HWND box) {
    HWND parent = GetParent(box);
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), BN_CLICKED), reinterpret_cast<LPARAM>(box));
}

LRESULT CALLBACK ColorBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillWithColor(dc, rc, static_cast<COLORREF>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
        if (GetFocus() == hwnd) {
            InflateRect(&rc, -2, -2);
            DrawFocusRect(dc, &rc);
        }
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONUP:
        Click(hwnd);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE || wParam == VK_RETURN) {
            Click(hwnd);
            return 0;
        }
        break;
    case WM_GETDLGCODE: {
        // Enter is ours too: the dialog manager would take it for the
        // window's default button, which the main window has none of.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        const bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
        return DLGC_BUTTON | (enter ? DLGC_WANTMESSAGE : 0);
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

using StripColors = std::vector<COLORREF>;

LRESULT CALLBACK ColorStripProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* colors = reinterpret_cast<StripColors*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
        const LONG width = rc.right, count = colors ? static_cast<LONG>(colors->size()) : 0;
        for (LONG i = 0; i < count; ++i) {
            FillWithColor(dc, {i * width / count, 0, (i + 1) * width / count, rc.bottom},
                          (*colors)[static_cast<std::size_t>(i)]);
        }
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_NCDESTROY:
        delete colors;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

void RegisterColorBoxClass() {
    WNDCLASSA wc{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kColorBoxClass, &wc)) return;
    wc.lpfnWndProc = ColorBoxProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_HAND);
    wc.lpszClassName = kColorBoxClass;
    RegisterClassA(&wc);
    WNDCLASSA strip{};
    strip.lpfnWndProc = ColorStripProc;
    strip.hInstance = wc.hInstance;
    strip.hCursor = LoadCursor(nullptr, IDC_ARROW);
    strip.lpszClassName = kColorStripClass;
    RegisterClassA(&strip);
}

void ColorStrip_SetColors(HWND strip, std::vector<COLORREF> colors) {
    if (!strip) return;
    auto* held = reinterpret_cast<StripColors*>(GetWindowLongPtrA(strip, GWLP_USERDATA));
    if (held)
        *held = std::move(colors);
    else
        SetWindowLongPtrA(strip, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new StripColors(std::move(colors))));
    InvalidateRect(strip, nullptr, FALSE);
}

COLORREF ColorBox_GetColor(HWND box) { return static_cast<COLORREF>(GetWindowLongPtrA(box, GWLP_USERDATA)); }

void ColorBox_SetColor(HWND box, COLORREF color) {
    SetWindowLongPtrA(box, GWLP_USERDATA, static_cast<LONG_PTR>(color));
    InvalidateRect(box, nullptr, FALSE);
}
