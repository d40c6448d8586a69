// Delay: how long it waits, that events run while it does, that it sleeps rather than spins, how a quit ends it.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "ui/message_loop_win.h"
#include "link/delay_win.h"

namespace {

using Clock = std::chrono::steady_clock;
double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

constexpr UINT kNote = WM_APP + 1;
constexpr UINT_PTR kTick = 1, kQuit = 2;
Clock::time_point g_start;
std::vector<double> g_notes;  // seconds after g_start, per kNote
int g_ticks = 0, g_oks = 0;

LRESULT CALLBACK LogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kNote) g_notes.push_back(Since(g_start));
    if (msg == WM_TIMER && wParam == kTick) ++g_ticks;
    if (msg == WM_TIMER && wParam == kQuit && KillTimer(hwnd, kQuit)) PostQuitMessage(3);  // closed while waiting
    if (msg == WM_COMMAND && LOWORD(wParam) == IDOK) ++g_oks;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// One hidden window for every test, its messages going to LogProc.
HWND Window() {
    static const HWND hwnd = [] {
        HWND h = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
        SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LogProc));
        return h;
    }();
    return hwnd;
}

double CpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return (ULARGE_INTEGER{{kernel.dwLowDateTime, kernel.dwHighDateTime}}.QuadPart +
            ULARGE_INTEGER{{user.dwLowDateTime, user.dwHighDateTime}}.QuadPart) / 1e7;
}

// A pending event runs in the wait, a timer's ticks as they come; the wait sleeps rather than spins. The
// upper bound scales with the wait (a busy machine adds to it), and a wait that is not positive must not
// reach the first tick of a timer a second away.
TEST(Delay, WaitsAsLongAsAskedSleepingYetServingEachEventAsItComes) {
    for (float seconds : {3.0f, 0.0f, -2.0f, NAN}) {
        SetTimer(Window(), kTick, 1000, nullptr);  // its first tick a second from now
        g_notes.clear();
        g_ticks = 0;
        PostMessageA(Window(), kNote, 0, 0);
        const double cpuBefore = CpuSeconds();
        g_start = Clock::now();
        EXPECT_TRUE(Delay(seconds));
        const double waited = Since(g_start), cpu = CpuSeconds() - cpuBefore;
        EXPECT_TRUE(seconds > 0 ? waited >= seconds && waited < 2 * seconds : g_ticks == 0) << seconds << ": " << waited;
        EXPECT_EQ(g_notes.size(), 1u) << seconds;
        EXPECT_TRUE(!(seconds > 0) || (cpu / waited < 0.05 && g_ticks >= 2)) << "CPU " << cpu << " s, " << g_ticks << " ticks";
    }
    KillTimer(Window(), kTick);
}

TEST(Delay, AQuitRequestEndsTheWaitAndStillReachesTheProgramsLoop) {
    SetTimer(Window(), kQuit, 200, nullptr);
    g_start = Clock::now();
    EXPECT_FALSE(Delay(60.0f));
    EXPECT_LT(Since(g_start), 30.0);
    MSG msg{};
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST(Delay, EnterInAnEditBoxOfTheProgramsDialogsPressesOk) {
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, Window(), nullptr, nullptr, nullptr);
    RegisterDialogWindow(Window());
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(Delay(0.1f));
    UnregisterDialogWindow(Window());
    EXPECT_EQ(g_oks, 1);
}

}  // namespace
