// List boxes and combo boxes through their LB_ / CB_ messages. Items are UTF-8
// here and UTF-16 in the control.
//
// A list item cannot hold a NUL (the control keeps C strings), yet a list file
// may: such a row shows each NUL as "␀" (U+2400) and is marked in its item
// data, and reading the row gives the NULs back, so the file is written back
// as it was read. (A row that holds both a NUL and a real "␀" reads back with
// NULs for both.)
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

std::vector<std::string> ListBoxItems(HWND list);
std::string ListBoxItem(HWND list, int index);
// The text of the selected row (the caret row of a multiple-selection list);
// nothing when no row is selected.
std::optional<std::string> SelectedItem(HWND list);
void AddListItem(HWND list, const std::string& text);
// Replaces the row at `index` and selects it.
void ReplaceListItem(HWND list, int index, const std::string& text);
// Appends the entries with one redraw and storage reserved up front.
void AppendToListBox(HWND list, const std::vector<std::string>& entries);
// Deletes every highlighted row of a multiple-selection list, last first.
// With `partner`, the row at the same position there goes too: two lists that
// hold the halves of one pair stay paired.
void DeleteSelectedRows(HWND list, HWND partner = nullptr);
// Empties a drop-down combo box (its text too) and lists `items`, then selects
// the first. Stops quietly when the box refuses an item.
void FillComboBox(HWND combo, const std::vector<std::string>& items);
// The combo box's rows, and one of them (empty when there is none at `index`).
std::vector<std::string> ComboBoxItems(HWND combo);
std::string ComboBoxItem(HWND combo, int index);
