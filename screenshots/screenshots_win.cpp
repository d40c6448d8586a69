// Takes pictures of the main window's three tabs and of the About, Help,
// Contact and "Fade Colours" windows, as BMP files in the folder given on the command line, so
// the layout can be seen without Windows. Runs the real windows in-process,
// with the starter lists beside the exe.
#include <windows.h>

#include <fstream>
#include <string>

#include "app/form1_win.h"
#include "app/info_windows_win.h"
#include "context/resource.h"
#include "ui/files_win.h"
#include "ui/message_loop_win.h"
#include "ui/ui_win.h"

namespace {

std::string g_outDir;
std::string g_pending;  // file name for the modal window being shown

void Pump() {
    for (int i = 0; i < 20; ++i, Sleep(25)) RunPendingEvents();
}

// Copies the window as the screen shows it into a 24-bit BMP file.
void Capture(HWND hwnd, const std::string& name) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, rc.left, rc.top, SRCCOPY);
    SelectObject(mem, old);
    BITMAPINFOHEADER bi{sizeof(bi), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    int stride = ((w * 3 + 3) / 4) * 4;
    std::string pixels(static_cast<std::size_t>(stride) * h, '\0');
    GetDIBits(mem, bmp, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
    BITMAPFILEHEADER bf{0x4D42, static_cast<DWORD>(sizeof(bf) + sizeof(bi) + pixels.size()), 0, 0,
                        sizeof(bf) + sizeof(bi)};
    std::ofstream(g_outDir + "\\" + name + ".bmp", std::ios::binary)
        << std::string(reinterpret_cast<const char*>(&bf), sizeof(bf))
        << std::string(reinterpret_cast<const char*>(&bi), sizeof(bi)) << pixels;
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
}

// Fires inside the modal window's own loop: picture it, then close it.
void CALLBACK CaptureModal(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND dlg = GetActiveWindow();
    Capture(dlg, g_pending);
    PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
}

// The "Fade Colours" window with the Rainbow preset chosen in it.
void CALLBACK CaptureFadeColours(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND dlg = GetActiveWindow(), presets = GetDlgItem(dlg, IDC_PRESETS);
    SendMessageA(presets, CB_SETCURSEL, 0, 0);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_PRESETS, CBN_SELCHANGE), reinterpret_cast<LPARAM>(presets));
    Pump();
    Capture(dlg, "fade-colours");
    PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
}

class SilentUi : public WindowsUi {
public:
    int MessageBox(HWND, const std::string&, const std::string&, UINT) override { return IDOK; }
    void OpenUrl(const std::string&) override {}
};

}  // namespace

int main(int argc, char** argv) {
    g_outDir = argc > 1 ? argv[1] : ".";
    SilentUi ui;
    DeleteFileA((ExeFolder() + "\\vivarto.ini").c_str());  // the pictures show a first start
    Form1 form(ui, ExeFolder());
    HWND hwnd = form.Create(true);
    SetWindowPos(hwnd, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE);
    const char* tabs[3] = {"tab-main", "tab-text-designs", "tab-art-designs"};
    // Something to look at: a message in the composer and the first art design open.
    form.Context().Composer().SetText("Hi sn%, welcome to the room!");
    SendMessageA(form.Control(IDC_LIST5), LB_SETSEL, TRUE, 0);
    form.OnCommand(IDC_LIST5, LBN_SELCHANGE);
    for (int i = 0; i < 3; ++i) {
        form.ShowTab(i);
        Pump();
        Capture(hwnd, tabs[i]);
    }
    // The design editor is modeless: open it from its button and picture it.
    form.OnCommand(IDC_OPENEDITOR, BN_CLICKED);
    Pump();
    if (HWND editor = FindWindowA(nullptr, "Editor")) {
        SetWindowPos(editor, HWND_TOP, 60, 60, 0, 0, SWP_NOSIZE);
        Pump();
        Capture(editor, "design-editor");
        DestroyWindow(editor);
    }
    form.ShowTab(0);
    Pump();
    // Each modal window is pictured and closed by a timer firing inside its own loop.
    const auto picture = [](const char* name) { g_pending = name, SetTimer(nullptr, 0, 700, CaptureModal); };
    picture("about");
    ShowAbout(hwnd);
    picture("help");
    ShowHelp(hwnd);
    picture("contact");
    ShowContact(hwnd, ui, ExeFolder());
    SetTimer(nullptr, 0, 700, CaptureFadeColours);
    form.OnCommand(IDC_FADECOLORS, BN_CLICKED);
    return 0;
}
