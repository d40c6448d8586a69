#include "ui/list_box_win.h"

std::string ListBoxItem(HWND list, int index) {
    LRESULT len = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (len == LB_ERR) return {};
    std::string text(static_cast<std::size_t>(len) + 1, '\0');
    LRESULT got = SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    return text;
}

std::vector<std::string> ListBoxItems(HWND list) {
    std::vector<std::string> items;
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (count == LB_ERR) return items;
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) items.push_back(ListBoxItem(list, i));
    return items;
}

std::optional<std::string> SelectedItem(HWND list) {
    const LRESULT row = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR) return std::nullopt;
    return ListBoxItem(list, static_cast<int>(row));
}

void AddListItem(HWND list, const std::string& text) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void AppendToListBox(HWND list, const std::vector<std::string>& entries) {
    if (entries.empty()) return;
    std::size_t bytes = 0;
    for (const auto& e : entries) bytes += e.size() + 1;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_INITSTORAGE, entries.size(), bytes);
    for (const auto& e : entries) AddListItem(list, e);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void DeleteSelectedRows(HWND list, HWND partner) {
    for (LRESULT i = SendMessageA(list, LB_GETCOUNT, 0, 0) - 1; i >= 0; --i) {
        if (SendMessageA(list, LB_GETSEL, static_cast<WPARAM>(i), 0) <= 0) continue;
        SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(i), 0);
        // The partner may be shorter (its file is read on its own): a missing
        // row is simply not there to delete.
        if (partner) SendMessageA(partner, LB_DELETESTRING, static_cast<WPARAM>(i), 0);
    }
}

void FillComboBox(HWND combo, const std::vector<std::string>& items) {
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    SetWindowTextA(combo, "");
    for (const std::string& item : items) {
        const LRESULT added = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        if (added == CB_ERR || added == CB_ERRSPACE) return;  // keep what was added
    }
    // Fails quietly on an empty list: the text stays empty.
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
}
