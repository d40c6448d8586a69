// Form1: the main window. A shell that owns the window, the controls every tab
// shares and the routing of commands; each tab's handlers live in a class of
// their own (MainTab, TextDesignsTab, ArtDesignsTab).
#pragma once
#include <windows.h>

#include <memory>
#include <set>
#include <string>

#include "context/tab_context_win.h"
#include "link/messenger_link_win.h"
#include "ui/dialog_win.h"
#include "ui/ui_win.h"

class MainTab;
class TextDesignsTab;
class ArtDesignsTab;

class Form1 : public Dialog, private RoomChooser {
public:
    // appFolder: where the list files and the Designs folder live (the exe's
    // folder in the program, a scratch folder in tests).
    Form1(Ui& ui, std::string appFolder);
    ~Form1() override;

    // Form_Initialize, then the window is built and Form_Load runs. Returns the
    // window, or null when it could not be created.
    HWND Create(bool show = true);
    // The event loop of the program; returns the exit code.
    int Run();

    // Any control of the window, tab pages included, by its ID.
    HWND Control(int id) const { return context_.Control(id); }
    HWND Page(int index) const;
    // What the tabs and small windows are handed: the shared boxes by name,
    // Ui, CommonDialog1, the link, the timer and the closing state.
    TabContext& Context() { return context_; }
    MessengerLink& Link() { return link_; }
    MainTab& Main() { return *mainTab_; }
    TextDesignsTab& TextDesigns() { return *textDesignsTab_; }
    ArtDesignsTab& ArtDesigns() { return *artDesignsTab_; }

    // Selects tab 0, 1 or 2 (Main, Text Designs, Art Designs).
    void ShowTab(int index);

    // The routing of WM_COMMAND (public so tests can drive a handler exactly
    // as a click would).
    void OnCommand(int id, int code);
    void OnNotify(const NMHDR* header);

private:
    class TabPage;

    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Combo1 and the caption show what the messenger link found.
    std::string ChosenRoom() const override;
    void ShowRooms(const std::vector<std::string>& rooms) override;
    void ShowMessengerMissing() override;

    void Form_Initialize();
    void SetWindowIcons();
    void Form_Load();
    void BuildPages();
    void SetStartValues();
    void SetFonts(UINT dpi);
    void SwitchTabByKey(int index);
    void AddTooltips();
    void LoadListFiles();
    void LoadListFilesInOrder(std::set<std::string>& read);
    void KeepListFilesNotRead(const std::set<std::string>& read);
    // vivarto.ini beside the lists: read before the room scan (it names the
    // room to choose again), restored once the lists are in, written on close.
    void ReadSettingsFile();
    void RestoreSettings();
    void SaveSettings();

    Ui& ui_;
    TabContext context_;
    MessengerLink link_{*this};
    std::unique_ptr<TabPage> pages_[3];
    HWND tooltip_ = nullptr;
    HFONT fonts_[8] = {};
    std::unique_ptr<MainTab> mainTab_;
    std::unique_ptr<TextDesignsTab> textDesignsTab_;
    std::unique_ptr<ArtDesignsTab> artDesignsTab_;
    // The room chosen when the window last closed, until a scan lists it.
    std::string rememberedRoom_;
    // False when a vivarto.ini is there but could not be read: it is kept.
    bool settingsWritable_ = true;
};
