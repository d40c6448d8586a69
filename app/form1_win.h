// Form1: the main window. A shell that owns the window, the controls every tab
// shares and the routing of commands; each tab's handlers live in a class of
// their own (MainTab, TextDesignsTab, ArtDesignsTab).
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "app/resource.h"
#include "app/rich_text_box_win.h"
#include "app/ui_win.h"

class MainTab;
class TextDesignsTab;
class ArtDesignsTab;
class MessengerLink;

class Form1 {
public:
    // appFolder: where the list files and the Designs folder live (the exe's
    // folder in the program, a scratch folder in tests).
    Form1(Ui& ui, std::string appFolder);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Form_Initialize, then the window is built and Form_Load runs. Returns the
    // window, or null when it could not be created.
    HWND Create(bool show = true);
    // The event loop of the program; returns the exit code.
    int Run();

    HWND Hwnd() const { return hwnd_; }
    // Any control of the window, tab pages included, by its ID.
    HWND Control(int id) const;
    HWND Page(int index) const { return pages_[index]; }
    // RichTextBox1 .. RichTextBox6.
    RichTextBox& Box(int number) { return boxes_[number - 1]; }

    Ui& ui() { return ui_; }
    ColorDialog& CommonDialog1() { return commonDialog1_; }
    const std::string& AppFolder() const { return appFolder_; }
    std::string AppFile(const std::string& name) const { return appFolder_ + "\\" + name; }
    MessengerLink& Link() { return *link_; }
    MainTab& Main() { return *mainTab_; }
    TextDesignsTab& TextDesigns() { return *textDesignsTab_; }
    ArtDesignsTab& ArtDesigns() { return *artDesignsTab_; }

    // Small conveniences over the controls.
    std::string Label3Caption() const { return ControlText(IDC_LABEL3); }
    std::string ControlText(int id) const;
    void SetControlText(int id, const std::string& text);
    bool IsChecked(int id) const;
    void SetChecked(int id, bool on);
    COLORREF BoxColor(int id) const;
    void SetBoxColor(int id, COLORREF color);

    // Timer1: 10 ms interval, off until Start.
    void SetTimer1Enabled(bool on);
    bool Timer1Enabled() const { return timer1Enabled_; }

    // True once the window has been destroyed: a sender that waited in Delay
    // must stop and touch nothing.
    bool Closed() const { return closed_; }

    // Selects tab 0, 1 or 2 (Main, Text Designs, Art Designs).
    void ShowTab(int index);

    // The routing of WM_COMMAND (public so tests can drive a handler exactly
    // as a click would).
    void OnCommand(int id, int code, HWND control);

private:
    static INT_PTR CALLBACK DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    void Form_Initialize();
    void SetWindowIcons();
    void Form_Load();
    void BuildPages();
    void SetStartValues();
    void SetFonts();
    void AddTooltips();
    void LoadListFiles();
    void OnNotify(const NMHDR* header);
    void OnTimer();

    Ui& ui_;
    ColorDialog commonDialog1_;
    std::string appFolder_;
    HWND hwnd_ = nullptr;
    HWND pages_[3] = {};
    HWND tooltip_ = nullptr;
    RichTextBox boxes_[6];
    HFONT fonts_[8] = {};
    bool timer1Enabled_ = false;
    bool closed_ = false;
    std::unique_ptr<MessengerLink> link_;
    std::unique_ptr<MainTab> mainTab_;
    std::unique_ptr<TextDesignsTab> textDesignsTab_;
    std::unique_ptr<ArtDesignsTab> artDesignsTab_;
};
