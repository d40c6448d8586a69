// Handlers of the Text Designs tab.
#pragma once
#include <windows.h>

class Form1;

class TextDesignsTab {
public:
    explicit TextDesignsTab(Form1& form) : form_(form) {}
    bool OnCommand(int id, int code);

private:
    Form1& form_;
};
