#include "ui/color_box_win.h"

namespace {

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
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
        FillRect(dc, &rc, brush);
        DeleteObject(brush);
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

}  // namespace

void RegisterColorBoxClass() {
    WNDCLASSA wc{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kColorBoxClass, &wc)) return;
    wc.lpfnWndProc = ColorBoxProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_HAND);
    wc.lpszClassName = kColorBoxClass;
    RegisterClassA(&wc);
}

COLORREF ColorBox_GetColor(HWND box) { return static_cast<COLORREF>(GetWindowLongPtrA(box, GWLP_USERDATA)); }

void ColorBox_SetColor(HWND box, COLORREF color) {
    SetWindowLongPtrA(box, GWLP_USERDATA, static_cast<LONG_PTR>(color));
    InvalidateRect(box, nullptr, FALSE);
}
