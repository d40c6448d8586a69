// About (Form6), Help (Form7) and Contact (contactform): modal, fixed texts,
// built anew each time they are shown.
#pragma once
#include <windows.h>

#include <string>

#include "ui/ui_win.h"

void ShowAbout(HWND owner);
void ShowHelp(HWND owner);
// The link opens the user guide that ships beside the program.
void ShowContact(HWND owner, Ui& ui, const std::string& appFolder);

// What the Contact link opens.
std::string UserGuideAddress(const std::string& appFolder);
