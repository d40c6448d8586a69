// Delay: how long it waits, that the window's events keep running while it
// does, that it sleeps rather than spins, and how it ends when the program is
// told to quit.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <initializer_list>
#include <string>
#include <cmath>
#include <limits>
#include <vector>

#include "app/modeless_win.h"
#include "link/delay_win.h"
#include "tests/win/win_test_support.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// CPU time of this process (user + kernel), in seconds.
double ProcessCpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

constexpr UINT kNote = WM_APP + 1;
constexpr UINT_PTR kTickTimer = 1;
constexpr UINT_PTR kQuitTimer = 2;
constexpr UINT_PTR kNestedTimer = 3;

// A window that notes when each of its events ran.
struct EventLog {
    Clock::time_point start = Clock::now();
    std::vector<double> notes;  // seconds after start, per kNote message
    int ticks = 0;
    int nestedResult = -1;
    double nestedSeconds = 0;
};
EventLog* g_log = nullptr;

LRESULT CALLBACK LogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kNote) {
        g_log->notes.push_back(SecondsSince(g_log->start));
        return 0;
    }
    if (msg == WM_TIMER && wParam == kTickTimer) {
        ++g_log->ticks;
        return 0;
    }
    if (msg == WM_TIMER && wParam == kQuitTimer) {
        KillTimer(hwnd, kQuitTimer);
        PostQuitMessage(3);  // the window is being closed while a sender waits
        return 0;
    }
    if (msg == WM_TIMER && wParam == kNestedTimer) {
        KillTimer(hwnd, kNestedTimer);
        const auto begin = Clock::now();
        g_log->nestedResult = Delay(0.2f) ? 1 : 0;  // a handler that itself waits
        g_log->nestedSeconds = SecondsSince(begin);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class DelayTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_log = &log_;
        WNDCLASSA wc{};
        wc.lpfnWndProc = LogProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VivartoDelayTestWindow";
        RegisterClassA(&wc);
        hwnd_ = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                wc.hInstance, nullptr);
        ASSERT_NE(hwnd_, nullptr);
        PumpMessages();
    }
    void TearDown() override {
        DestroyWindow(hwnd_);
        // Whatever a test left behind (a quit request included) must not
        // reach the next test.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        g_log = nullptr;
    }
    EventLog log_;
    HWND hwnd_ = nullptr;
};

TEST_F(DelayTest, HalfASecondWaitsHalfASecondAndRunsWhatWasPending) {
    PostMessageA(hwnd_, kNote, 0, 0);
    log_.start = Clock::now();
    EXPECT_TRUE(Delay(0.5f));
    const double waited = SecondsSince(log_.start);
    EXPECT_GE(waited, 0.5);
    EXPECT_LT(waited, 0.7);
    ASSERT_EQ(log_.notes.size(), 1u);
    EXPECT_LT(log_.notes[0], 0.1);  // at once, not at the end of the wait
}

TEST_F(DelayTest, ZeroNegativeAndNonsenseWaitsStillRunTheEventsOnce) {
    for (float seconds : {0.0f, -2.0f, std::numeric_limits<float>::quiet_NaN()}) {
        log_.notes.clear();
        PostMessageA(hwnd_, kNote, 0, 0);
        const auto begin = Clock::now();
        EXPECT_TRUE(Delay(seconds));
        EXPECT_LT(SecondsSince(begin), 0.1) << seconds;
        EXPECT_EQ(log_.notes.size(), 1u) << seconds;
    }
}

// Posts a note to the window from another thread after a pause.
DWORD WINAPI PostLater(LPVOID param) {
    Sleep(200);
    PostMessageA(static_cast<HWND>(param), kNote, 0, 0);
    return 0;
}

TEST_F(DelayTest, EventsThatArriveDuringTheWaitRunWhenTheyArrive) {
    SetTimer(hwnd_, kTickTimer, 50, nullptr);
    HANDLE poster = CreateThread(nullptr, 0, PostLater, hwnd_, 0, nullptr);
    log_.start = Clock::now();
    EXPECT_TRUE(Delay(0.6f));
    KillTimer(hwnd_, kTickTimer);
    WaitForSingleObject(poster, 5000);
    CloseHandle(poster);

    ASSERT_EQ(log_.notes.size(), 1u);
    EXPECT_GE(log_.notes[0], 0.19);
    EXPECT_LT(log_.notes[0], 0.35);  // handled soon after it came, not at the end
    EXPECT_GE(log_.ticks, 6);        // about one every 50 ms of the 600
}

TEST_F(DelayTest, AWaitInsideAHandlerThatIsItselfWaiting) {
    SetTimer(hwnd_, kNestedTimer, 100, nullptr);
    const auto begin = Clock::now();
    EXPECT_TRUE(Delay(0.5f));
    EXPECT_GE(SecondsSince(begin), 0.5);
    EXPECT_LT(SecondsSince(begin), 0.8);
    EXPECT_EQ(log_.nestedResult, 1);
    EXPECT_GE(log_.nestedSeconds, 0.2);
}

TEST_F(DelayTest, AQuitRequestEndsTheWaitAndIsPassedOn) {
    // Already waiting in the queue.
    PostQuitMessage(7);
    auto begin = Clock::now();
    EXPECT_FALSE(Delay(5.0f));
    EXPECT_LT(SecondsSince(begin), 0.2);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 7u);

    // Raised by a handler in the middle of the wait.
    SetTimer(hwnd_, kQuitTimer, 200, nullptr);
    begin = Clock::now();
    EXPECT_FALSE(Delay(5.0f));
    const double waited = SecondsSince(begin);
    EXPECT_GE(waited, 0.15);
    EXPECT_LT(waited, 0.6);
    // The program's own loop still sees it and ends.
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), 0);
    EXPECT_EQ(msg.wParam, 3u);
}

// A dialog with one edit box (ID 100), built in memory.
std::vector<WORD> OneEditDialogTemplate() {
    std::vector<WORD> t;
    const auto dword = [&](DWORD v) {
        t.push_back(LOWORD(v));
        t.push_back(HIWORD(v));
    };
    const auto words = [&](std::initializer_list<int> values) {
        for (int v : values) t.push_back(static_cast<WORD>(v));
    };
    dword(WS_POPUP | DS_SETFONT);
    dword(0);
    t.push_back(1);                                         // one control
    words({0, 0, 100, 40});                                 // x, y, cx, cy
    words({0, 0, 0});                                       // no menu, default class, no title
    t.push_back(8);                                         // font size
    for (char c : std::string("Tahoma")) t.push_back(static_cast<WORD>(c));
    t.push_back(0);
    if (t.size() % 2) t.push_back(0);                       // control on a DWORD boundary
    dword(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL);
    dword(0);
    words({5, 5, 80, 12, 100});                             // x, y, cx, cy, ID
    words({0xFFFF, 0x0081, 0, 0});                          // EDIT class, no text, no data
    return t;
}

int g_dialogOk = 0;
INT_PTR CALLBACK CountOk(HWND, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_COMMAND && LOWORD(wParam) == IDOK) ++g_dialogOk;
    return msg == WM_INITDIALOG;
}

TEST_F(DelayTest, KeysReachTheProgramsDialogsAsInItsOwnLoop) {
    const std::vector<WORD> dialogTemplate = OneEditDialogTemplate();
    HWND dialog = CreateDialogIndirectA(GetModuleHandleA(nullptr),
                                        reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()), nullptr,
                                        CountOk);
    ASSERT_NE(dialog, nullptr);
    RegisterDialogWindow(dialog);
    g_dialogOk = 0;
    // Enter in a dialog's edit box is the dialog's default button, pressed.
    PostMessageA(GetDlgItem(dialog, 100), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(Delay(0.1f));
    EXPECT_EQ(g_dialogOk, 1);
    UnregisterDialogWindow(dialog);
    DestroyWindow(dialog);
}

TEST_F(DelayTest, AThreeSecondWaitSleepsInsteadOfSpinning) {
    // The measure itself works: a spin shows up as CPU time (within a few
    // seconds even on a machine busy with other work).
    double cpuBefore = ProcessCpuSeconds();
    const auto spinStart = Clock::now();
    volatile unsigned long sink = 0;
    while (ProcessCpuSeconds() - cpuBefore < 0.1 && SecondsSince(spinStart) < 5.0) sink = sink + 1;
    ASSERT_GE(ProcessCpuSeconds() - cpuBefore, 0.1);

    SetTimer(hwnd_, kTickTimer, 100, nullptr);  // some events to serve as well
    cpuBefore = ProcessCpuSeconds();
    const auto begin = Clock::now();
    EXPECT_TRUE(Delay(3.0f));
    const double wall = SecondsSince(begin);
    const double cpu = ProcessCpuSeconds() - cpuBefore;
    KillTimer(hwnd_, kTickTimer);
    EXPECT_GE(wall, 3.0);
    EXPECT_LT(cpu / wall, 0.05) << "CPU " << cpu << " s in " << wall << " s";
    EXPECT_GE(log_.ticks, 20);
}

}  // namespace
