// Form5, the "Save" window: asks for the name of a new art design. Modal on the
// main window; it closes once the design is saved and listed, and stays open
// when the name cannot be used (the user can type another) or dlist.txt could
// not be written or read back (the list then shows what the file holds).
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "ui/dialog_win.h"

class Form5 : public Dialog {
public:
    // Saves the design under `name`, with message boxes owned by `owner`;
    // true when the window may close.
    using SaveFunction = std::function<bool(const std::string& name, HWND owner)>;

    // Shows the window and returns when it has closed.
    static void ShowModal(HWND owner, SaveFunction save);

private:
    explicit Form5(SaveFunction save) : save_(std::move(save)) {}
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Command1_Click();  // Save

    SaveFunction save_;
};
