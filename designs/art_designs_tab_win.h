// Handlers of the Art Designs tab.
#pragma once
#include <windows.h>

class Form1;

class ArtDesignsTab {
public:
    explicit ArtDesignsTab(Form1& form) : form_(form) {}
    bool OnCommand(int id, int code);

private:
    Form1& form_;
};
