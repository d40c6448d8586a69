#include "designs/change_text_design_win.h"

#include <string>

#include "app/form1_win.h"
#include "app/list_files_win.h"
#include "app/window_util_win.h"

namespace {

class Form8 {
public:
    explicit Form8(Form1& form) : form_(form) {}

    bool ShowModal() {
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FORM8), form_.Hwnd(), DlgProc,
                        reinterpret_cast<LPARAM>(this));
        return changed_;
    }

private:
    static INT_PTR CALLBACK DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_INITDIALOG) {
            SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
            reinterpret_cast<Form8*>(lParam)->hwnd_ = hwnd;
        }
        auto* self = reinterpret_cast<Form8*>(GetWindowLongPtrA(hwnd, DWLP_USER));
        if (!self) return FALSE;
        try {
            return self->HandleMessage(msg, wParam);
        } catch (...) {
            EndDialog(hwnd, 0);  // no exception may cross into the system's code
            return TRUE;
        }
    }

    INT_PTR HandleMessage(UINT msg, WPARAM wParam) {
        switch (msg) {
        case WM_INITDIALOG: Form_Load(); return TRUE;
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
        case WM_DESTROY:
            if (font_) DeleteObject(font_);
            font_ = nullptr;
            return TRUE;
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
        HWND list4 = form_.Control(IDC_LIST4);
        LRESULT index = SendMessageA(list4, LB_GETCURSEL, 0, 0);
        const std::string design = index == LB_ERR ? std::string() : ListBoxItem(list4, static_cast<int>(index));
        SetDlgItemTextA(hwnd_, IDC_FORM8_TEXT1, design.c_str());
    }

    // "Change": the entry is replaced in place, at the same position, and
    // stays selected.
    void Command1_Click() {
        HWND list4 = form_.Control(IDC_LIST4);
        LRESULT index = SendMessageA(list4, LB_GETCURSEL, 0, 0);
        if (index != LB_ERR) {
            const std::string line = WindowTextOf(GetDlgItem(hwnd_, IDC_FORM8_TEXT1));
            SendMessageA(list4, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
            SendMessageA(list4, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(line.c_str()));
            SendMessageA(list4, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
            changed_ = true;
        }
        EndDialog(hwnd_, IDOK);
    }

    void Command2_Click() { EndDialog(hwnd_, IDCANCEL); }

    Form1& form_;
    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr;
    bool changed_ = false;
};

}  // namespace

bool ShowChangeTextDesign(Form1& form) { return Form8(form).ShowModal(); }
