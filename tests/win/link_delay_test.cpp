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

HWND Window() {
    static const HWND hwnd = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = LogProc;
        wc.lpszClassName = "VivartoDelayTest";
        RegisterClassA(&wc);
        return CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    }();
    return hwnd;
}

TEST(Delay, WaitsAsLongAsAskedAfterRunningThePendingEventsAtOnce) {
    for (float seconds : {0.5f, 0.0f, -2.0f, NAN}) {
        g_notes.clear();
        PostMessageA(Window(), kNote, 0, 0);
        g_start = Clock::now();
        EXPECT_TRUE(Delay(seconds));
        const double waited = Since(g_start);
        EXPECT_TRUE(seconds > 0 ? waited >= seconds && waited < seconds + 0.2 : waited < 0.1) << seconds << ": " << waited;
        ASSERT_EQ(g_notes.size(), 1u) << seconds;
        EXPECT_LT(g_notes[0], 0.1) << seconds;
    }
}

TEST(Delay, AThreeSecondWaitSleepsYetServesEachEventAsItComes) {
    const auto cpuSeconds = [] {
        FILETIME created, exited, kernel, user;
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
        return (ULARGE_INTEGER{{kernel.dwLowDateTime, kernel.dwHighDateTime}}.QuadPart +
                ULARGE_INTEGER{{user.dwLowDateTime, user.dwHighDateTime}}.QuadPart) / 1e7;
    };
    SetTimer(Window(), kTick, 100, nullptr);
    const double cpuBefore = cpuSeconds();
    g_start = Clock::now();
    EXPECT_TRUE(Delay(3.0f));
    const double wall = Since(g_start), cpu = cpuSeconds() - cpuBefore;
    KillTimer(Window(), kTick);
    EXPECT_GE(wall, 3.0);
    EXPECT_LT(cpu / wall, 0.05) << "CPU " << cpu << " s in " << wall << " s";
    EXPECT_GE(g_ticks, 20);  // served during the wait, not once at its end
}

TEST(Delay, AQuitRequestEndsTheWaitAndStillReachesTheProgramsLoop) {
    SetTimer(Window(), kQuit, 200, nullptr);
    g_start = Clock::now();
    EXPECT_FALSE(Delay(5.0f));
    EXPECT_LT(Since(g_start), 0.6);
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
