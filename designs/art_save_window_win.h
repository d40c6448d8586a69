// Form5, the "Save" window: asks for the name of a new art design. Modal on the
// main window; it closes once the design is saved and listed, and stays open
// when the name cannot be used, so the user can type another.
#pragma once
#include <windows.h>

class ArtDesignsTab;

class Form5 {
public:
    // Shows the window and returns when it has closed.
    static void ShowModal(HWND owner, ArtDesignsTab& tab);

private:
    explicit Form5(ArtDesignsTab& tab) : tab_(tab) {}
    static INT_PTR CALLBACK DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void Command1_Click();  // Save

    ArtDesignsTab& tab_;
    HWND hwnd_ = nullptr;
};
