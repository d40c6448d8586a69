// Keyboard navigation for every open window of the program: the event loop
// and the nested loop of Delay hand each message to the dialog manager of the
// window it belongs to (Tab, arrows, Enter, Escape).
#pragma once
#include <windows.h>

void RegisterDialogWindow(HWND dialog);
void UnregisterDialogWindow(HWND dialog);
// True when the message was a dialog keystroke and has been handled.
bool DispatchDialogMessage(MSG& msg);
// Translate and dispatch one message, keyboard navigation included.
void DispatchOne(MSG& msg);
