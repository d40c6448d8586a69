// Form2, the design editor ("Editor"): a modeless window beside the main one
// that builds a design line from the ready-made decorations and adds it to the
// text design list (List4) of the main window.
#pragma once
#include <windows.h>

class Form1;

class Form2 {
public:
    explicit Form2(Form1& form) : form_(form) {}
    ~Form2();
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;

    // Opens the editor, loaded afresh; when it is already open it is brought to
    // the front as it is (its line kept). Returns the window.
    HWND Show();
    // Null while the editor is not open.
    HWND Hwnd() const { return hwnd_; }

private:
    static INT_PTR CALLBACK DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);

    void Form_Load();
    void List1_Click();
    void Command1_Click();
    void Help_Click();
    void PlaceBesideMainWindow();
    void OnDestroy();

    Form1& form_;
    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr;
};
