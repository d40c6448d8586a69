// Buttons that show one caption and are named another: a screen reader (and
// the dialog manager's access keys) read a button's window text, so where
// several buttons on a page show the same caption ("A", "Add", "Regular") the
// window text says what each does ("1&0 point", "&Add nick") and the face the
// user sees is drawn here. The button keeps its own behaviour (push, check
// box, radio button and its state); only its painting is ours, through the
// NM_CUSTOMDRAW notification its parent receives.
#pragma once
#include <windows.h>

#include <string>

// Shows `face` (UTF-8; "&" marks the underlined letter) on `button` in place
// of its window text.
void SetButtonFace(HWND button, const std::string& face);

// For the parent's WM_NOTIFY: true when it was the custom-draw notice of a
// button with a face, with `result` the value to return for it.
bool DrawButtonFace(LPARAM notify, LRESULT& result);
