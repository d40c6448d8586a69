// Takes pictures of the main window's three tabs and of the About, Help and
// Contact windows, as BMP files in the folder given on the command line, so
// the layout can be seen without Windows. Runs the real windows in-process,
// with the starter lists beside the exe.
#include <windows.h>

#include <string>

#include "app/form1_win.h"
#include "app/info_windows_win.h"
#include "context/resource.h"
#include "ui/files_win.h"
#include "ui/ui_win.h"

namespace {

std::string g_outDir;
std::string g_pending;  // file name for the modal window being shown

void Pump() {
    MSG msg;
    for (int i = 0; i < 20; ++i) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(25);
    }
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
    std::string path = g_outDir + "\\" + name + ".bmp";
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n;
    WriteFile(f, &bf, sizeof(bf), &n, nullptr);
    WriteFile(f, &bi, sizeof(bi), &n, nullptr);
    WriteFile(f, pixels.data(), static_cast<DWORD>(pixels.size()), &n, nullptr);
    CloseHandle(f);
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

class SilentUi : public WindowsUi {
public:
    int MessageBox(HWND, const std::string&, const std::string&, UINT) override { return IDOK; }
    void OpenUrl(const std::string&) override {}
};

}  // namespace

int main(int argc, char** argv) {
    g_outDir = argc > 1 ? argv[1] : ".";
    SilentUi ui;
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
    struct Modal {
        const char* name;
        void (*show)(HWND, Ui&, const std::string&);
    };
    const Modal modals[] = {
        {"about", [](HWND o, Ui&, const std::string&) { ShowAbout(o); }},
        {"help", [](HWND o, Ui&, const std::string&) { ShowHelp(o); }},
        {"contact", [](HWND o, Ui& u, const std::string& f) { ShowContact(o, u, f); }},
    };
    for (const Modal& m : modals) {
        g_pending = m.name;
        SetTimer(nullptr, 0, 700, CaptureModal);
        m.show(hwnd, ui, ExeFolder());
    }
    return 0;
}
