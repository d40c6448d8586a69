#include "designs/change_text_design_win.h"

#include <string>

#include "context/tab_context_win.h"
#include "ui/dialog_win.h"
#include "ui/list_box_win.h"
#include "ui/window_util_win.h"

namespace {

class Form8 : public Dialog {
public:
    explicit Form8(TabContext& ctx) : ctx_(ctx) {}

    bool Show() {
        ShowModal(IDD_FORM8, ctx_.Hwnd());
        return changed_;
    }

private:
    // A failed handler closes the window without a change.
    INT_PTR HandlerFailed() override {
        EndDialog(hwnd_, 0);
        return TRUE;
    }

    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM) override {
        switch (msg) {
        case WM_INITDIALOG: Form_Load(); return TRUE;
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
        case WM_DESTROY:
            if (font_) DeleteObject(font_);
            font_ = nullptr;
            return TRUE;
        case WM_DPICHANGED: {
            // On a screen of another DPI the box's font is made again for it.
            HFONT old = font_;
            font_ = MakeFontForDpi("Tahoma", 8.25, HIWORD(wParam));
            SendDlgItemMessageW(hwnd_, IDC_FORM8_TEXT1, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
            if (old) DeleteObject(old);
            return FALSE;
        }
        }
        return FALSE;
    }

    void OnCommand(int id, int code) {
        if (code != BN_CLICKED) return;
        switch (id) {
        case IDC_FORM8_COMMAND1: Command1_Click(); return;
        case IDC_FORM8_COMMAND2:
        case IDCANCEL: Command2_Click(); return;  // the close box and Escape change nothing either
        }
    }

    void Form_Load() {
        font_ = MakeFont(hwnd_, "Tahoma", 8.25);
        SendDlgItemMessageA(hwnd_, IDC_FORM8_TEXT1, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        const std::string design = SelectedItem(ctx_.Control(IDC_LIST4)).value_or("");
        SetWindowTextUtf8(GetDlgItem(hwnd_, IDC_FORM8_TEXT1), design);
    }

    // "Change": the entry is replaced in place, at the same position, and
    // stays selected.
    void Command1_Click() {
        HWND list4 = ctx_.Control(IDC_LIST4);
        LRESULT index = SendMessageW(list4, LB_GETCURSEL, 0, 0);
        if (index != LB_ERR) {
            ReplaceListItem(list4, static_cast<int>(index), WindowTextOf(GetDlgItem(hwnd_, IDC_FORM8_TEXT1)));
            changed_ = true;
        }
        EndDialog(hwnd_, IDOK);
    }

    void Command2_Click() { EndDialog(hwnd_, IDCANCEL); }

    TabContext& ctx_;
    HFONT font_ = nullptr;
    bool changed_ = false;
};

}  // namespace

bool ShowChangeTextDesign(TabContext& ctx) { return Form8(ctx).Show(); }
