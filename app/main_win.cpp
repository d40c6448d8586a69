// Vivarto: compose, dress up and post messages into the messenger's chat rooms.
#include <windows.h>

#include <stdexcept>

#include "app/form1_win.h"
#include "ui/files_win.h"
#include "ui/ui_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    WindowsUi ui;
    std::string folder;
    try {
        folder = ExeFolder();
    } catch (const std::runtime_error&) {
        // The lists and designs live beside the program: in a guessed folder
        // they could be read from, or written over, the wrong place.
        ui.MessageBox(nullptr,
                      "Vivarto cannot tell which folder it was started from, so it cannot find its lists and "
                      "designs. It will close now.",
                      "Vivarto", MB_OK | MB_ICONHAND);
        return 1;
    }
    Form1 form(ui, folder);
    if (!form.Create()) return 1;
    return form.Run();
}
