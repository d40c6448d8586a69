// The one event pump of the program. The main loop, the nested loop of Delay
// and anything else that lets events run while it works all go through it, so
// every open window gets its keyboard navigation (Tab, arrows, Enter, Escape)
// from its dialog manager wherever the events are run.
#pragma once
#include <windows.h>

#include <string>

// Modeless windows whose keystrokes go to their dialog manager, after the
// window's own key commands `keys` (an accelerator table; none when null).
void RegisterDialogWindow(HWND dialog, HACCEL keys = nullptr);
void UnregisterDialogWindow(HWND dialog);

// Translate and dispatch one message, keyboard navigation included.
void DispatchOne(MSG& msg);

// Runs every event already waiting. False when WM_QUIT was among them; it is
// posted again so that the program's own loop still sees it and ends.
bool RunPendingEvents();

// The program's event loop: runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

// Marks a handler as running for as long as it lives, also when it throws on
// the way out. A handler that lets events run while it waits uses it to turn
// away a second start of itself.
class RunningFlag {
public:
    explicit RunningFlag(bool& running) : running_(running) { running_ = true; }
    ~RunningFlag() { running_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& running_;
};
