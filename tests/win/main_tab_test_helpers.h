// Pieces shared by the Main tab's tests: a main window on a scratch folder
// with a recorder in place of the dialogs, actions scheduled to run while a
// handler waits inside Delay, and the colours a fade should give.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/form1_win.h"
#include "app/list_files_win.h"
#include "app/main_tab_win.h"
#include "app/resource.h"
#include "effects/fade_text.h"
#include "effects/markup_reader.h"
#include "tests/win/rich_format_probe.h"
#include "tests/win/win_test_support.h"

// A thread timer that runs `action` on the test's own thread every `ms`
// milliseconds (or once), from whatever message loop is running: the test's
// or the one inside Delay. Stopped when it goes out of scope.
class ScheduledAction {
public:
    ScheduledAction(UINT ms, std::function<void()> action, bool repeat = false)
        : action_(std::move(action)), repeat_(repeat) {
        id_ = SetTimer(nullptr, 0, ms, &ScheduledAction::Fire);
        Registry()[id_] = this;
    }
    ~ScheduledAction() { Stop(); }
    ScheduledAction(const ScheduledAction&) = delete;
    ScheduledAction& operator=(const ScheduledAction&) = delete;

    void Stop() {
        if (!id_) return;
        KillTimer(nullptr, id_);
        Registry().erase(id_);
        id_ = 0;
    }
    int Runs() const { return runs_; }

private:
    static std::map<UINT_PTR, ScheduledAction*>& Registry() {
        static std::map<UINT_PTR, ScheduledAction*> timers;
        return timers;
    }
    static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
        auto it = Registry().find(id);
        if (it == Registry().end()) {
            KillTimer(nullptr, id);
            return;
        }
        ScheduledAction* self = it->second;
        if (!self->repeat_) self->Stop();
        ++self->runs_;
        self->action_();
    }

    std::function<void()> action_;
    bool repeat_;
    UINT_PTR id_ = 0;
    int runs_ = 0;
};

// Runs this thread's messages until `done()` holds or `timeoutMs` passed;
// true when it held. A quit left by a destroyed window is dropped, so the
// next test starts clean.
template <typename Condition>
bool PumpUntil(DWORD timeoutMs, Condition done) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= end) return false;
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(end - now > 20 ? 20 : end - now), QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
}

inline void PumpFor(DWORD ms) { PumpUntil(ms, [] { return false; }); }

// Seconds on a monotonic clock.
inline double NowSeconds() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The colour of every character of `text` faded from a to b, as the fader's
// markup gives them.
inline std::vector<COLORREF> FadeColors(COLORREF a, COLORREF b, const std::string& text) {
    std::vector<COLORREF> colors;
    const RenderedMarkup rendered =
        ReadMarkup(FadeText(static_cast<std::int32_t>(a), static_cast<std::int32_t>(b), text));
    for (const FormattedRun& run : rendered.runs)
        for (char c : run.text)
            if (c != '\n') colors.push_back(run.format.color);  // the box keeps CR LF as one break
    return colors;
}

// The colour of every character the box shows.
inline std::vector<COLORREF> CharColors(HWND box) {
    std::vector<COLORREF> colors;
    for (const ProbedChar& c : ProbeCharacters(box)) colors.push_back(c.format.color);
    return colors;
}

// The main window on a scratch folder, every list file present (empty unless
// a test writes its own first), the dialogs answered by the recorder.
class MainTabTest : public ::testing::Test {
protected:
    void SetUp() override {
        PumpUntil(0, [] { return true; });  // drop a quit left by an earlier window
        for (const char* name : {"dl.txt", "dr.txt", "nicks.txt", "saved.txt", "dlist.txt"}) dir.Write(name, "");
    }
    void TearDown() override {
        form.reset();
        PumpUntil(0, [] { return true; });
    }

    Form1& Open() {
        form = std::make_unique<Form1>(ui, dir.Path());
        EXPECT_NE(form->Create(false), nullptr);
        ui.messages.clear();  // start-up notes (such as no messenger) are not this test's business
        return *form;
    }

    void Click(int id) { form->OnCommand(id, BN_CLICKED, form->Control(id)); }
    // A click on a list row: the selection moves, then the list reports it.
    void ClickRow(int listId, int row) {
        SendMessageA(form->Control(listId), LB_SETCURSEL, row, 0);
        form->OnCommand(listId, LBN_SELCHANGE, form->Control(listId));
    }
    void DoubleClickRow(int listId, int row) {
        ClickRow(listId, row);
        form->OnCommand(listId, LBN_DBLCLK, form->Control(listId));
    }
    // Chooses one button of a pair of options, as a click on it would.
    void Choose(int on, int off) {
        form->SetChecked(on, true);
        form->SetChecked(off, false);
    }
    std::vector<std::string> Rows(int listId) { return ListBoxItems(form->Control(listId)); }
    RichTextBox& Box(int n) { return form->Box(n); }
    // Bold on the characters [start, start + length) of a box.
    void MakeBold(int box, long start, long length) {
        Box(box).Select(start, length);
        Box(box).SetSelBold(true);
    }

    RecorderUi ui;
    TempFolder dir;
    std::unique_ptr<Form1> form;
};
