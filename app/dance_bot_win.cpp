// The auto-send timer and the dance bot of the Main tab.
#include "app/main_tab_win.h"
#include "context/tab_context_win.h"
#include "effects/nick_rule.h"
#include "link/messenger_link_win.h"
#include "ui/files_win.h"
#include "ui/list_box_win.h"
#include "ui/list_files_win.h"
#include "ui/message_loop_win.h"
#include "ui/window_util_win.h"

namespace {

constexpr const char* kPauseNotNumberText =
    "The time between messages must be a number of seconds, for example 1 or 0.5.";
constexpr const char* kPauseNotNumberTitle = "Time";
constexpr const char* kDanceFilesMissingText = "One of the files [dl.txt] or [nicks.txt] does not exist.";

// Timer1 held quiet for as long as one tick runs.
class Timer1Hold {
public:
    explicit Timer1Hold(TabContext& ctx) : ctx_(ctx) { ctx_.HoldTimer1(true); }
    ~Timer1Hold() { ctx_.HoldTimer1(false); }
    Timer1Hold(const Timer1Hold&) = delete;
    Timer1Hold& operator=(const Timer1Hold&) = delete;

private:
    TabContext& ctx_;
};

}  // namespace

void MainTab::Command8_Click() { ctx_.SetTimer1Enabled(true); }

// A running tick ends its wait at once and sends nothing more; no new one starts.
void MainTab::Command9_Click() {
    ctx_.SetTimer1Enabled(false);
    if (tickRunning_) ctx_.StopSending();
}

void MainTab::Timer1_Timer() {
    // While another sender waits, Delay lets the timer's ticks through; they
    // wait for a tick that finds no other sender running. The tick's own
    // waits hear nothing of the timer: it rests until the tick is over.
    if (ctx_.Closed()) return;
    SendTurn turn(ctx_);
    if (!turn) return;
    Timer1Hold quiet(ctx_);
    RunningFlag running(tickRunning_);
    RunTick();
}

bool MainTab::ReadPauseOrStop(float& seconds) {
    // Without a pause the timer would post as fast as it ticks and flood the
    // room; nothing goes out until the user fixes the time and starts again.
    return ctx_.ReadPause(IDC_TEXT2, seconds, kPauseNotNumberText, kPauseNotNumberTitle, true);
}

bool MainTab::SendAndWait(float seconds) {
    std::string message = ctx_.Composer().TextRTF();
    ctx_.Link().TxtSendPal(message);
    // False when stopped, or when the program is quitting: the window (and
    // every box this tick would touch next) may already be gone.
    return ctx_.SendPause(seconds);
}

void MainTab::RunTick() {
    if (RefuseWithoutRoom(true)) return;
    RichTextBox& composer = ctx_.Composer();
    const bool dance = ctx_.IsChecked(IDC_OPTION3);  // read once per tick
    // The pause is read anew for every message, just before the message is
    // built: a time that is not a number leaves both the composer and the
    // room untouched. No user input is handled between this read and the
    // wait, so it is the pause in force at the wait.
    float seconds = 0;
    if (!dance) {
        if (!ReadPauseOrStop(seconds)) return;
        BuildComposerMessage();
        SendAndWait(seconds);
        return;
    }
    // Stop between the two frames still sends the right one, at once and
    // with no wait after it: a dance step is never left half done in the
    // room, and Stop still ends the bot now.
    bool stopped = false;
    for (RichTextBox* frame : {&ctx_.DanceFrame1(), &ctx_.DanceFrame2()}) {
        if (!stopped && !ReadPauseOrStop(seconds)) return;
        // "Fade" is read before each frame; the frame's own text is faded,
        // so the composer is laid out once, to what goes out.
        if (ctx_.IsChecked(IDC_OPTION1))
            FadeComposer(frame->Text());
        else
            composer.SetTextRTF(frame->TextRTF());
        if (stopped) {
            std::string message = composer.TextRTF();
            ctx_.Link().TxtSendPal(message);
            return;
        }
        if (SendAndWait(seconds)) continue;
        if (ctx_.Closed() || !ctx_.StopRequested()) return;  // closed, or the program quitting
        stopped = true;
    }
}

// ------------------------------------------------------------- dance lists

void MainTab::List2_DblClick() {
    if (const auto frame = SelectedItem(ctx_.Control(IDC_LIST2))) ctx_.DanceFrame1().SetText(*frame);
}

void MainTab::List3_DblClick() {
    if (const auto frame = SelectedItem(ctx_.Control(IDC_LIST3))) ctx_.DanceFrame2().SetText(*frame);
}

void MainTab::Command14_Click() {
    const std::string left = ctx_.DanceFrame1().Text(), right = ctx_.DanceFrame2().Text();
    // A frame is one line of dl.txt or dr.txt: a line break would split it in
    // two and put every later pair out of step on the next start.
    if (left.find_first_of("\r\n") != std::string::npos || right.find_first_of("\r\n") != std::string::npos) {
        ctx_.ui().MessageBox(ctx_.Hwnd(), "A dance frame must be one line. Please remove the line break and add it again.",
                              "Add", MB_OK | MB_ICONINFORMATION);
        return;
    }
    AddListItem(ctx_.Control(IDC_LIST2), left);
    AddListItem(ctx_.Control(IDC_LIST3), right);
}

void MainTab::Command13_Click() { DeleteSelectedRows(ctx_.Control(IDC_LIST2), ctx_.Control(IDC_LIST3)); }

void MainTab::Command12_Click() {
    HWND list2 = ctx_.Control(IDC_LIST2), list3 = ctx_.Control(IDC_LIST3);
    const std::string right = ctx_.AppFile("dr.txt");
    // Write errors are not reported: the reload shows the user what the files
    // really hold, which is the older content when a write failed.
    SaveListFile(list3, right);
    SendMessageA(list3, LB_RESETCONTENT, 0, 0);
    if (SaveAndReloadListFile(list2, ctx_.AppFile("dl.txt"))) {
        if (ListFilePresent(right)) LoadListFile(list3, right);
        return;
    }
    ctx_.ui().MessageBox(ctx_.Hwnd(), kDanceFilesMissingText, "Error", MB_OK | MB_ICONHAND);
}
