#include "ui/list_box_win.h"

#include "ui/window_util_win.h"

namespace {

constexpr wchar_t kNulStandIn = 0x2400;
constexpr LPARAM kRowHoldsNul = 1;

// The row as the control can hold it, and whether NULs were stood in for.
std::wstring Shown(const std::string& text, bool& heldNul) {
    std::wstring wide = WideFromUtf8(text);
    heldNul = wide.find(L'\0') != std::wstring::npos;
    for (wchar_t& c : wide)
        if (c == L'\0') c = kNulStandIn;
    return wide;
}

void InsertRow(HWND list, int index, const std::string& text) {
    bool heldNul = false;
    const std::wstring shown = Shown(text, heldNul);
    const UINT msg = index < 0 ? LB_ADDSTRING : LB_INSERTSTRING;
    const LRESULT row = SendMessageW(list, msg, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(shown.c_str()));
    if (heldNul && row >= 0) SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(row), kRowHoldsNul);
}

}  // namespace

std::string ListBoxItem(HWND list, int index) {
    LRESULT len = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (len == LB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(len) + 1, L'\0');
    LRESULT got = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    if (SendMessageW(list, LB_GETITEMDATA, index, 0) == kRowHoldsNul)
        for (wchar_t& c : text)
            if (c == kNulStandIn) c = L'\0';
    return Utf8FromWide(text);
}

std::vector<std::string> ListBoxItems(HWND list) {
    std::vector<std::string> items;
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    if (count == LB_ERR) return items;
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) items.push_back(ListBoxItem(list, i));
    return items;
}

std::optional<std::string> SelectedItem(HWND list) {
    const LRESULT row = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR) return std::nullopt;
    return ListBoxItem(list, static_cast<int>(row));
}

void AddListItem(HWND list, const std::string& text) { InsertRow(list, -1, text); }

void ReplaceListItem(HWND list, int index, const std::string& text) {
    SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    InsertRow(list, index, text);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AppendToListBox(HWND list, const std::vector<std::string>& entries) {
    if (entries.empty()) return;
    std::size_t bytes = 0;
    for (const auto& e : entries) bytes += (e.size() + 1) * sizeof(wchar_t);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_INITSTORAGE, entries.size(), bytes);
    for (const auto& e : entries) AddListItem(list, e);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void DeleteSelectedRows(HWND list, HWND partner) {
    for (LRESULT i = SendMessageW(list, LB_GETCOUNT, 0, 0) - 1; i >= 0; --i) {
        if (SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(i), 0) <= 0) continue;
        SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(i), 0);
        // The partner may be shorter (its file is read on its own): a missing
        // row is simply not there to delete.
        if (partner) SendMessageW(partner, LB_DELETESTRING, static_cast<WPARAM>(i), 0);
    }
}

void FillComboBox(HWND combo, const std::vector<std::string>& items) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    SetWindowTextW(combo, L"");
    for (const std::string& item : items) {
        const std::wstring wide = WideFromUtf8(item);
        const LRESULT added = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        if (added == CB_ERR || added == CB_ERRSPACE) return;  // keep what was added
    }
    // Fails quietly on an empty list: the text stays empty.
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

std::string ComboBoxItem(HWND combo, int index) {
    const LRESULT len = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (len == CB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(len) + 1, L'\0');
    const LRESULT got = SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == CB_ERR ? 0 : static_cast<std::size_t>(got));
    return Utf8FromWide(text);
}

std::vector<std::string> ComboBoxItems(HWND combo) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) items.push_back(ComboBoxItem(combo, i));
    return items;
}
