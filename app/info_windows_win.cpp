#include "app/info_windows_win.h"

#include "app/resource.h"
#include "app/window_util_win.h"

namespace {

constexpr COLORREF kLinkBlue = RGB(0, 0, 255);

struct InfoWindow {
    int titleLabel;        // the label drawn in bold 12 pt blue
    Ui* ui = nullptr;
    std::string address;   // Contact only
    HFONT font = nullptr;
};

// Label5_Click: the address goes into the label's tag and is read back from
// there, then the shell opens it. Its result is not examined.
void Label5_Click(HWND dlg, InfoWindow& w) {
    HWND label = GetDlgItem(dlg, IDC_CONTACTFORM_LABEL5);
    SetPropA(label, "Tag", const_cast<char*>(w.address.c_str()));
    const char* tag = static_cast<const char*>(GetPropA(label, "Tag"));
    w.ui->OpenUrl(tag ? tag : "");
    RemovePropA(label, "Tag");
}

INT_PTR CALLBACK InfoProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* w = reinterpret_cast<InfoWindow*>(GetWindowLongPtrA(dlg, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dlg, DWLP_USER, lParam);
        w = reinterpret_cast<InfoWindow*>(lParam);
        w->font = MakeFont(dlg, "MS Shell Dlg", 12, true);
        SendDlgItemMessageA(dlg, w->titleLabel, WM_SETFONT, reinterpret_cast<WPARAM>(w->font), TRUE);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        if (w && GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == w->titleLabel) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, kLinkBlue);
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        return FALSE;
    case WM_SETCURSOR:
        if (w && w->ui && GetDlgCtrlID(reinterpret_cast<HWND>(wParam)) == IDC_CONTACTFORM_LABEL5) {
            SetCursor(LoadCursor(nullptr, IDC_HAND));
            SetWindowLongPtrA(dlg, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_FORM6_COMMAND1:
        case IDC_FORM7_COMMAND1:
        case IDC_CONTACTFORM_COMMAND1:
        case IDOK:
        case IDCANCEL:
            EndDialog(dlg, IDOK);
            return TRUE;
        case IDC_CONTACTFORM_LABEL5:
            if (w && w->ui && HIWORD(wParam) == STN_CLICKED) Label5_Click(dlg, *w);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        if (w && w->font) DeleteObject(w->font);
        return FALSE;
    }
    return FALSE;
}

void Show(HWND owner, int dialog, InfoWindow& w) {
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialog), owner, InfoProc,
                    reinterpret_cast<LPARAM>(&w));
}

}  // namespace

void ShowAbout(HWND owner) {
    InfoWindow w{IDC_FORM6_LABEL1, nullptr, {}, nullptr};
    Show(owner, IDD_FORM6, w);
}

void ShowHelp(HWND owner) {
    InfoWindow w{0, nullptr, {}, nullptr};
    Show(owner, IDD_FORM7, w);
}

std::string UserGuideAddress(const std::string& appFolder) { return appFolder + "\\help\\index.html"; }

void ShowContact(HWND owner, Ui& ui, const std::string& appFolder) {
    InfoWindow w{IDC_CONTACTFORM_LABEL5, &ui, UserGuideAddress(appFolder), nullptr};
    Show(owner, IDD_CONTACTFORM, w);
}
