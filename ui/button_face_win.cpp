#include "ui/button_face_win.h"

#include <commctrl.h>
#include <algorithm>
#include <uxtheme.h>
#include <vssym32.h>

#include "ui/window_util_win.h"

namespace {

constexpr UINT_PTR kFaceSubclass = 0x46616365;  // "Face"
constexpr const wchar_t* kFaceProperty = L"VivartoButtonFace";

const std::wstring* FaceOf(HWND button) { return static_cast<std::wstring*>(GetPropW(button, kFaceProperty)); }

// The face lives with the button and goes when the button goes.
LRESULT CALLBACK FaceSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, FaceSubclassProc, id);
        delete static_cast<std::wstring*>(RemovePropW(hwnd, kFaceProperty));
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

// The check box or radio mark, themed when the system draws themed buttons
// (never in high contrast, where the classic mark follows the system colours).
void DrawMark(HWND button, HDC dc, const RECT& mark, bool radio, bool checked, bool pressed, bool disabled) {
    if (HTHEME theme = OpenThemeData(button, L"Button")) {
        int state = (checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL) + (disabled ? 3 : pressed ? 2 : 0);
        DrawThemeBackground(theme, dc, radio ? BP_RADIOBUTTON : BP_CHECKBOX, state, &mark, nullptr);
        CloseThemeData(theme);
        return;
    }
    RECT r = mark;
    DrawFrameControl(dc, &r, DFC_BUTTON,
                     (radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK) | (checked ? DFCS_CHECKED : 0) |
                         (pressed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0));
}

void DrawPushFrame(HWND button, HDC dc, RECT rc, bool pressed, bool hot, bool disabled) {
    if (HTHEME theme = OpenThemeData(button, L"Button")) {
        int state = disabled ? PBS_DISABLED : pressed ? PBS_PRESSED : hot ? PBS_HOT : PBS_NORMAL;
        DrawThemeParentBackground(button, dc, &rc);
        DrawThemeBackground(theme, dc, BP_PUSHBUTTON, state, &rc, nullptr);
        CloseThemeData(theme);
        return;
    }
    DrawFrameControl(dc, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
}

void Paint(HWND button, HDC dc, RECT rc, const std::wstring& face, UINT itemState) {
    const LONG type = GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK;
    const bool radio = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
    const bool check = radio || type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
    const LRESULT state = SendMessageW(button, BM_GETSTATE, 0, 0);
    const bool pressed = (state & BST_PUSHED) != 0, disabled = !IsWindowEnabled(button);
    RECT text = rc;
    if (check) {
        DrawThemeParentBackground(button, dc, &rc);
        const int side = MulDiv(13, static_cast<int>(DpiOf(button)), 96);
        const int top = (rc.top + rc.bottom - side) / 2;
        DrawMark(button, dc, {rc.left, top, rc.left + side, top + side}, radio, (state & BST_CHECKED) != 0, pressed,
                 disabled);
        text.left += side + side / 3;
    } else {
        DrawPushFrame(button, dc, rc, pressed, (itemState & CDIS_HOT) != 0, disabled);
    }
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    // Underlines show as the system shows them: hidden until the keyboard is used.
    UINT flags = DT_SINGLELINE | DT_VCENTER | (check ? DT_LEFT : DT_CENTER);
    if (SendMessageW(button, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) flags |= DT_HIDEPREFIX;
    DrawTextW(dc, face.c_str(), -1, &text, flags);
    if (GetFocus() == button && !(SendMessageW(button, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
        RECT focus = rc;
        if (check) {
            focus = text;
            DrawTextW(dc, face.c_str(), -1, &focus, flags | DT_CALCRECT);
            InflateRect(&focus, 1, 1);
            focus.top = std::max(focus.top, rc.top), focus.bottom = std::min(focus.bottom, rc.bottom);
        } else {
            InflateRect(&focus, -3, -3);
        }
        DrawFocusRect(dc, &focus);
    }
    SelectObject(dc, oldFont);
}

}  // namespace

void SetButtonFace(HWND button, const std::string& face) {
    if (auto* old = const_cast<std::wstring*>(FaceOf(button))) {
        *old = WideFromUtf8(face);
    } else {
        SetPropW(button, kFaceProperty, new std::wstring(WideFromUtf8(face)));
        SetWindowSubclass(button, FaceSubclassProc, kFaceSubclass, 0);
    }
    InvalidateRect(button, nullptr, TRUE);
}

bool DrawButtonFace(LPARAM notify, LRESULT& result) {
    const auto* draw = reinterpret_cast<const NMCUSTOMDRAW*>(notify);
    if (draw->hdr.code != NM_CUSTOMDRAW) return false;
    const std::wstring* face = FaceOf(draw->hdr.hwndFrom);
    if (!face) return false;
    result = CDRF_DODEFAULT;
    if (draw->dwDrawStage == CDDS_PREPAINT) {
        Paint(draw->hdr.hwndFrom, draw->hdc, draw->rc, *face, draw->uItemState);
        result = CDRF_SKIPDEFAULT;
    }
    return true;
}
