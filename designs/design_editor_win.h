// Form2, the design editor ("Editor"): a modeless window beside the main one
// that builds a design line from the ready-made decorations and adds it to the
// text design list (List4) of the main window.
#pragma once
#include <windows.h>

#include "ui/dialog_win.h"

class TabContext;

class Form2 : public Dialog {
public:
    explicit Form2(TabContext& ctx) : ctx_(ctx) {}
    ~Form2();
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;

    // Opens the editor, loaded afresh; when it is already open it is brought to
    // the front as it is (its line kept). Returns the window.
    HWND Show();
    // Hwnd() is null while the editor is not open.

private:
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code);

    void Form_Load();
    void List1_Click();
    void Command1_Click();
    void Help_Click();
    void PlaceBesideMainWindow();
    void OnDestroy();

    TabContext& ctx_;
    HFONT font_ = nullptr;
};
