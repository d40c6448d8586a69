#include "app/info_windows_win.h"

#include <commctrl.h>

#include "context/resource.h"
#include "ui/dialog_win.h"
#include "ui/window_util_win.h"

namespace {

constexpr COLORREF kLinkBlue = RGB(0, 0, 255);

class InfoWindow : public Dialog {
public:
    // titleLabel: the label drawn in bold 12 pt blue (0: none); ui and
    // address: the Contact window's link.
    InfoWindow(int titleLabel, Ui* ui = nullptr, std::string address = {})
        : titleLabel_(titleLabel), ui_(ui), address_(std::move(address)) {}
    void Show(HWND owner, int dialog) { ShowModal(dialog, owner); }

private:
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
        case WM_INITDIALOG:
            SetTitleFont(DpiOf(hwnd_));
            return TRUE;
        case WM_DPICHANGED:
            SetTitleFont(HIWORD(wParam));
            return FALSE;
        case WM_CTLCOLORSTATIC:
            // High contrast keeps the system's colours.
            if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == titleLabel_ && !HighContrastOn()) {
                HDC dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, kLinkBlue);
                SetBkMode(dc, TRANSPARENT);
                return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
            }
            return FALSE;
        case WM_NOTIFY: {
            // The link is a link control: a click, or Enter while it has the focus.
            const auto* note = reinterpret_cast<const NMHDR*>(lParam);
            if (ui_ && note->idFrom == IDC_CONTACTFORM_LABEL5 && (note->code == NM_CLICK || note->code == NM_RETURN))
                Label5_Click();
            return FALSE;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
            case IDC_FORM6_COMMAND1:
            case IDC_FORM7_COMMAND1:
            case IDC_CONTACTFORM_COMMAND1:
            case IDOK:
            case IDCANCEL:
                EndDialog(hwnd_, IDOK);
                return TRUE;
            }
            return FALSE;
        case WM_DESTROY:
            if (font_) DeleteObject(font_);
            font_ = nullptr;
            return FALSE;
        }
        return FALSE;
    }

    void SetTitleFont(UINT dpi) {
        HFONT old = font_;
        font_ = MakeFontForDpi("MS Shell Dlg", 12, dpi, true);
        SendDlgItemMessageA(hwnd_, titleLabel_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
        if (old) DeleteObject(old);
    }

    // Label5_Click: the address goes into the label's tag and is read back
    // from there, then the shell opens it. Its result is not examined.
    void Label5_Click() {
        HWND label = GetDlgItem(hwnd_, IDC_CONTACTFORM_LABEL5);
        SetPropA(label, "Tag", const_cast<char*>(address_.c_str()));
        const char* tag = static_cast<const char*>(GetPropA(label, "Tag"));
        ui_->OpenUrl(tag ? tag : "");
        RemovePropA(label, "Tag");
    }

    int titleLabel_;
    Ui* ui_;
    std::string address_;
    HFONT font_ = nullptr;
};

}  // namespace

void ShowAbout(HWND owner) { InfoWindow(IDC_FORM6_LABEL1).Show(owner, IDD_FORM6); }

void ShowHelp(HWND owner) { InfoWindow(0).Show(owner, IDD_FORM7); }

std::string UserGuideAddress(const std::string& appFolder) { return appFolder + "\\help\\index.html"; }

void ShowContact(HWND owner, Ui& ui, const std::string& appFolder) {
    const INITCOMMONCONTROLSEX links{sizeof(INITCOMMONCONTROLSEX), ICC_LINK_CLASS};
    InitCommonControlsEx(&links);
    InfoWindow(IDC_CONTACTFORM_LABEL5, &ui, UserGuideAddress(appFolder)).Show(owner, IDD_CONTACTFORM);
}
