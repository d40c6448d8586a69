// Vivarto: compose, dress up and post messages into the messenger's chat rooms.
#include <windows.h>

#include "app/form1_win.h"
#include "ui/files_win.h"
#include "ui/ui_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    WindowsUi ui;
    Form1 form(ui, ExeFolder());
    if (!form.Create()) return 1;
    return form.Run();
}
