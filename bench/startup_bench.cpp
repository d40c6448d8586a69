// Start-up with large lists: vivarto.exe launched from a folder holding the
// starter lists and from one whose five lists hold 10,000 entries each, timed
// from the launch until the text design list (List4) holds all its entries.
//
//   startup_bench [--quick]   (run under Wine from the build folder, beside
//                              vivarto.exe and its starter lists)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/form1_win.h"
#include "context/resource.h"
#include "ui/files_win.h"
#include "ui/line_list.h"
#include "ui/list_box_win.h"
#include "ui/ui_win.h"

namespace {

using Clock = std::chrono::steady_clock;
const char* const kLists[5] = {"dl.txt", "dr.txt", "nicks.txt", "saved.txt", "dlist.txt"};

// A program folder under %TEMP%: the exe and five list files, gone afterwards.
class AppFolder {
public:
    explicit AppFolder(const char* name) {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + name + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path_.c_str(), nullptr);
        CopyFileA((ExeFolder() + "\\vivarto.exe").c_str(), File("vivarto.exe").c_str(), FALSE);
    }
    ~AppFolder() {
        for (const char* list : kLists) DeleteFileA(File(list).c_str());
        DeleteFileA(File("vivarto.exe").c_str());
        RemoveDirectoryA(path_.c_str());
    }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

struct Find {
    DWORD pid;
    HWND found;
};

HWND MainWindowOf(DWORD pid) {
    Find find{pid, nullptr};
    EnumWindows(
        [](HWND h, LPARAM p) -> BOOL {
            auto* f = reinterpret_cast<Find*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(h, &owner);
            if (owner != f->pid || !IsWindowVisible(h) || !GetMenu(h)) return TRUE;
            f->found = h;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&find));
    return find.found;
}

HWND ControlById(HWND main, int id) {
    Find find{static_cast<DWORD>(id), nullptr};
    EnumChildWindows(
        main,
        [](HWND h, LPARAM p) -> BOOL {
            auto* f = reinterpret_cast<Find*>(p);
            if (GetDlgCtrlID(h) != static_cast<int>(f->pid)) return TRUE;
            f->found = h;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&find));
    return find.found;
}

// Seconds from the launch until List4 holds `entries` rows; negative on failure.
double TimeStart(const AppFolder& folder, LRESULT entries) {
    const std::string exe = folder.File("vivarto.exe");
    std::string cmd = "\"" + exe + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const auto start = Clock::now();
    if (!CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.Path().c_str(), &si, &pi))
        return -1;
    double seconds = -1;
    for (HWND list4 = nullptr; std::chrono::duration<double>(Clock::now() - start).count() < 60; Sleep(2)) {
        HWND main = MainWindowOf(pi.dwProcessId);
        if (main && !list4) list4 = ControlById(main, IDC_LIST4);
        DWORD_PTR count = 0;
        if (list4 && SendMessageTimeoutA(list4, LB_GETCOUNT, 0, 0, SMTO_NORMAL, 10000, &count) &&
            static_cast<LRESULT>(count) == entries) {
            seconds = std::chrono::duration<double>(Clock::now() - start).count();
            PostMessageA(main, WM_CLOSE, 0, 0);
            break;
        }
    }
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return seconds;
}

// In-process: one list of `entries` filled the way start-up fills it, and an
// item at a time with the list redrawing (the naive way).
void ReportFill(const std::vector<std::string>& entries) {
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    for (bool fast : {true, false}) {
        HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL, 0, 0,
                                    300, 200, owner, nullptr, nullptr, nullptr);
        const auto start = Clock::now();
        if (fast) AppendToListBox(list, entries);
        else
            for (const std::string& e : entries) AddListItem(list, e);
        std::printf("  one list of %zu, %-28s %8.3f s\n", entries.size(),
                    fast ? "storage reserved, no redraw:" : "an item at a time:",
                    std::chrono::duration<double>(Clock::now() - start).count());
        DestroyWindow(list);
    }
    DestroyWindow(owner);
}

// In-process: the main window made and loaded from `folder`, not shown.
double TimeForm1(const AppFolder& folder) {
    WindowsUi ui;
    Form1 form(ui, folder.Path());
    const auto start = Clock::now();
    form.Create(false);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Best(const AppFolder& folder, LRESULT entries, int rounds) {
    double best = -1;
    for (int i = 0; i < rounds; ++i) {
        const double s = TimeStart(folder, entries);
        if (s >= 0 && (best < 0 || s < best)) best = s;
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    const int rounds = quick ? 1 : 3;
    constexpr int kEntries = 10000;

    AppFolder starter("vivarto_bench_starter"), large("vivarto_bench_large");
    for (const char* list : kLists) CopyFileA((ExeFolder() + "\\" + list).c_str(), starter.File(list).c_str(), FALSE);
    std::string saved;
    ReadWholeFile(starter.File("saved.txt"), saved);
    const LRESULT starterEntries = static_cast<LRESULT>(ParseLineList(saved).size());
    for (const char* list : kLists) {
        std::vector<std::string> entries;
        for (int i = 0; i < kEntries; ++i)
            entries.push_back(std::string(list) + " entry number " + std::to_string(i) + ", a line of some length");
        ReplaceFileContent(large.File(list), FormatLineList(entries));
    }

    std::printf("Filling a list box in-process\n");
    std::string bytes;
    ReadWholeFile(large.File("saved.txt"), bytes);
    ReportFill(ParseLineList(bytes));
    std::printf("Form1 made and loaded in-process: starter lists %.3f s, large lists %.3f s\n", TimeForm1(starter),
                TimeForm1(large));
    std::printf("Start-up until List4 holds all its entries (best of %d)\n", rounds);
    const double base = Best(starter, starterEntries, rounds);
    const double big = Best(large, kEntries, rounds);
    std::printf("  starter lists (%ld in List4):        %8.3f s\n", static_cast<long>(starterEntries), base);
    std::printf("  five lists of %d entries each: %8.3f s\n", kEntries, big);
    std::printf("  the large lists add:                 %8.3f s\n", big - base);
    return base < 0 || big < 0 ? 1 : 0;
}
