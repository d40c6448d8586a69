// Vivarto: compose, dress up and post messages into the messenger's chat rooms.
#include <windows.h>

#include "app/form1_win.h"
#include "app/ui_win.h"

static std::string ExeFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of('\\'));
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    WindowsUi ui;
    Form1 form(ui, ExeFolder());
    if (!form.Create()) return 1;
    return form.Run();
}
