#include "designs/design_editor_win.h"

#include <string>

#include "context/tab_context_win.h"
#include "designs/decorations.h"
#include "ui/list_box_win.h"
#include "ui/list_files_win.h"
#include "ui/message_loop_win.h"
#include "ui/window_util_win.h"

Form2::~Form2() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

HWND Form2::Show() {
    if (hwnd_ && IsWindow(hwnd_)) {
        if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
        ShowWindow(hwnd_, SW_SHOW);
        BringWindowToTop(hwnd_);
        SetForegroundWindow(hwnd_);
        return hwnd_;
    }
    // Owned by the main window: it stays above it and goes when it goes.
    if (!CreateModeless(IDD_FORM2, ctx_.Hwnd())) return nullptr;
    RegisterDialogWindow(hwnd_);
    PlaceBesideMainWindow();
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    return hwnd_;
}

INT_PTR Form2::HandleMessage(UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG: Form_Load(); return TRUE;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_CLOSE: DestroyWindow(hwnd_); return TRUE;
    case WM_DESTROY: OnDestroy(); return TRUE;
    case WM_DPICHANGED: {
        // On a screen of another DPI the boxes' font is made again for it.
        HFONT old = font_;
        font_ = MakeFontForDpi("Arial", 8.25, HIWORD(wParam));
        for (int id : {IDC_FORM2_LIST1, IDC_FORM2_TEXT1})
            SendDlgItemMessageW(hwnd_, id, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
        if (old) DeleteObject(old);
        return FALSE;
    }
    }
    return FALSE;
}

void Form2::OnCommand(int id, int code) {
    switch (id) {
    case IDC_FORM2_LIST1:
        if (code == LBN_SELCHANGE) List1_Click();
        return;
    case IDC_FORM2_COMMAND1:
        if (code == BN_CLICKED) Command1_Click();
        return;
    case IDM_FORM2_HELP: Help_Click(); return;
    case IDCANCEL: DestroyWindow(hwnd_); return;  // Escape closes the editor
    }
}

void Form2::OnDestroy() {
    UnregisterDialogWindow(hwnd_);
    if (font_) DeleteObject(font_);
    font_ = nullptr;
    Detach();
}

void Form2::Form_Load() {
    font_ = MakeFont(hwnd_, "Arial", 8.25);
    HWND list = GetDlgItem(hwnd_, IDC_FORM2_LIST1);
    SendDlgItemMessageA(hwnd_, IDC_FORM2_LIST1, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendDlgItemMessageA(hwnd_, IDC_FORM2_TEXT1, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    // Built anew on every load: a window opened twice lists each decoration once.
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    // Each decoration is defined by its Windows-1252 bytes and shown as the
    // characters they mean.
    std::vector<std::string> shown;
    for (std::size_t number = 1; number <= kDecorations.size(); ++number) shown.push_back(DecorationUtf8(number));
    AppendToListBox(list, shown);
    SetWindowTextUtf8(GetDlgItem(hwnd_, IDC_FORM2_TEXT1), "");
}

void Form2::List1_Click() {
    const auto decoration = SelectedItem(GetDlgItem(hwnd_, IDC_FORM2_LIST1));
    if (!decoration) return;
    // Always at the end of the line, wherever the caret is; the caret then
    // waits after it for the next word.
    HWND line = GetDlgItem(hwnd_, IDC_FORM2_TEXT1);
    const std::string text = WindowTextOf(line) + *decoration;
    SetWindowTextUtf8(line, text);
    const LRESULT end = GetWindowTextLengthW(line);
    SendMessageW(line, EM_SETSEL, static_cast<WPARAM>(end), end);
}

void Form2::Command1_Click() {
    // A blank before the line keeps designs made here apart from the left
    // edge of the list. The editor stays open with its line, for variations.
    HWND list4 = ctx_.Control(IDC_LIST4);
    std::string entry(1, ' ');
    entry += WindowTextOf(GetDlgItem(hwnd_, IDC_FORM2_TEXT1));
    AddListItem(list4, entry);
    // A failed write is not reported; the entry stays in the list.
    SaveListFile(list4, ctx_.AppFile("saved.txt"));
}

void Form2::Help_Click() {
    ctx_.ui().MessageBox(hwnd_, "You can make your own design be creative :)", "Help", MB_OK | MB_ICONQUESTION);
}

void Form2::PlaceBesideMainWindow() {
    RECT main{}, mine{}, work{};
    if (!GetWindowRect(ctx_.Hwnd(), &main) || !GetWindowRect(hwnd_, &mine)) return;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int width = mine.right - mine.left, height = mine.bottom - mine.top;
    int x = main.right, y = main.top;
    // Right of the main window when it fits, else left of it, else over it.
    if (x + width > work.right) x = main.left - width;
    if (x < work.left) x = main.left + 24;
    if (y + height > work.bottom) y = work.bottom - height;
    if (y < work.top) y = work.top;
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
