// List boxes and combo boxes through their LB_ / CB_ messages, 8-bit text.
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
// Appends the entries with one redraw and storage reserved up front.
void AppendToListBox(HWND list, const std::vector<std::string>& entries);
// Deletes every highlighted row of a multiple-selection list, last first.
// With `partner`, the row at the same position there goes too: two lists that
// hold the halves of one pair stay paired.
void DeleteSelectedRows(HWND list, HWND partner = nullptr);
// Empties a drop-down combo box (its text too) and lists `items`, then selects
// the first. Stops quietly when the box refuses an item.
void FillComboBox(HWND combo, const std::vector<std::string>& items);
