// Handlers of the Main tab: composer and Send, nick list, auto-send timer and
// dance bot.
#pragma once
#include <windows.h>

class Form1;

class MainTab {
public:
    explicit MainTab(Form1& form) : form_(form) {}
    // Routes a WM_COMMAND of a Main tab control; true when it was one.
    bool OnCommand(int id, int code);
    void Timer1_Timer();

private:
    Form1& form_;
};
