// Every message box, the colour dialog and "open this address in the browser"
// go through Ui, so that tests can put a recorder in place of the real dialogs.
#pragma once
#include <windows.h>

#include <array>
#include <string>

class Ui {
public:
    virtual ~Ui() = default;
    // Returns the button pressed (IDOK, IDYES, IDNO, ...).
    virtual int MessageBox(HWND owner, const std::string& text, const std::string& title,
                           UINT flags) = 0;
    // Shows the colour dialog starting at `color`; true and the chosen colour when
    // the user accepted, false when cancelled.
    virtual bool ChooseColor(HWND owner, COLORREF& color) = 0;
    // Opens an address or file in the user's browser ("Open" verb).
    virtual void OpenUrl(const std::string& address) = 0;

    // The colour dialog's 16 custom colours, which the user edits inside the
    // dialog; kept here for the run (and by the main window between runs).
    std::array<COLORREF, 16>& CustomColors() { return customColors_; }

protected:
    std::array<COLORREF, 16> customColors_{};
};

// The real dialogs: MessageBoxW, ChooseColorW, ShellExecuteW (text is UTF-8 here).
class WindowsUi : public Ui {
public:
    int MessageBox(HWND owner, const std::string& text, const std::string& title,
                   UINT flags) override;
    bool ChooseColor(HWND owner, COLORREF& color) override;
    void OpenUrl(const std::string& address) override;
};

// CommonDialog1: the main window's one colour dialog, shared by every colour
// command. A cancelled dialog yields the colour last accepted in it (black
// before any was accepted).
class ColorDialog {
public:
    explicit ColorDialog(Ui& ui) : ui_(ui) {}
    COLORREF ShowColor(HWND owner);
    COLORREF Color() const { return color_; }

private:
    Ui& ui_;
    COLORREF color_ = 0;
};
