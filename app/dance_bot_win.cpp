// The auto-send timer and the dance bot of the Main tab.
#include "app/form1_win.h"
#include "app/list_files_win.h"
#include "app/main_tab_win.h"
#include "app/nick_rule.h"
#include "app/pause_seconds.h"
#include "link/messenger_link_win.h"
#include "effects/utf8.h"

namespace {

constexpr const char* kPauseNotNumberText =
    "The time between messages must be a number of seconds, for example 1 or 0.5.";
constexpr const char* kPauseNotNumberTitle = "Time";
constexpr const char* kDanceFilesMissingText = "One of the files [dl.txt] or [nicks.txt] does not exist.";

// Marks a tick as running for as long as it lives, also when a handler
// throws on the way out.
class TickGuard {
public:
    explicit TickGuard(bool& running) : running_(running) { running_ = true; }
    ~TickGuard() { running_ = false; }
    TickGuard(const TickGuard&) = delete;
    TickGuard& operator=(const TickGuard&) = delete;

private:
    bool& running_;
};

}  // namespace

void MainTab::Command8_Click() { form_.SetTimer1Enabled(true); }

// The running tick, if any, still finishes its messages; no new one starts.
void MainTab::Command9_Click() { form_.SetTimer1Enabled(false); }

void MainTab::Timer1_Timer() {
    // Delay lets the timer's own ticks through while a tick waits; they must
    // not start a second run over the same composer.
    if (tickRunning_ || form_.Closed()) return;
    TickGuard guard(tickRunning_);
    RunTick();
}

bool MainTab::ReadPauseOrStop(float& seconds) {
    if (ParsePauseSeconds(form_.ControlText(IDC_TEXT2), seconds)) return true;
    // Without a pause the timer would post as fast as it ticks and flood the
    // room; nothing goes out until the user fixes the time and starts again.
    form_.SetTimer1Enabled(false);
    form_.ui().MessageBox(form_.Hwnd(), kPauseNotNumberText, kPauseNotNumberTitle, MB_OK | MB_ICONINFORMATION);
    return false;
}

bool MainTab::SendAndWait(float seconds) {
    std::string message = form_.Box(1).TextRTF();
    form_.Link().TxtSendPal(message);
    // Delay is false when the program is quitting; the window (and every box
    // this tick would touch next) may already be gone.
    return Delay(seconds) && !form_.Closed();
}

void MainTab::RunTick() {
    if (RefuseWithoutRoom(true)) return;
    RichTextBox& composer = form_.Box(1);
    const bool dance = form_.IsChecked(IDC_OPTION3);  // read once per tick
    // The pause is read anew for every message, just before the message is
    // built: a time that is not a number leaves both the composer and the
    // room untouched. No user input is handled between this read and the
    // wait, so it is the pause in force at the wait.
    float seconds = 0;
    if (!dance) {
        if (!ReadPauseOrStop(seconds)) return;
        const std::string nick = form_.Label3Caption();
        if (nick != kNoNick) composer.SetTextRTF(ApplyChosenNick(composer.TextRTF(), Utf8FromWindows1252(nick)));
        if (form_.IsChecked(IDC_OPTION1)) FadeComposer();
        SendAndWait(seconds);
        return;
    }
    for (int frame : {2, 3}) {
        if (!ReadPauseOrStop(seconds)) return;
        composer.SetTextRTF(form_.Box(frame).TextRTF());
        if (form_.IsChecked(IDC_OPTION1)) FadeComposer();  // read before each frame
        if (!SendAndWait(seconds)) return;
    }
}

// ------------------------------------------------------------- dance lists

void MainTab::List2_DblClick() {
    HWND list2 = form_.Control(IDC_LIST2);
    const LRESULT row = SendMessageA(list2, LB_GETCURSEL, 0, 0);
    if (row != LB_ERR) form_.Box(2).SetText(ListBoxItem(list2, static_cast<int>(row)));
}

void MainTab::List3_DblClick() {
    HWND list3 = form_.Control(IDC_LIST3);
    const LRESULT row = SendMessageA(list3, LB_GETCURSEL, 0, 0);
    if (row != LB_ERR) form_.Box(3).SetText(ListBoxItem(list3, static_cast<int>(row)));
}

void MainTab::Command14_Click() {
    const std::string left = form_.Box(2).Text();
    const std::string right = form_.Box(3).Text();
    SendMessageA(form_.Control(IDC_LIST2), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(left.c_str()));
    SendMessageA(form_.Control(IDC_LIST3), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(right.c_str()));
}

void MainTab::Command13_Click() {
    HWND list2 = form_.Control(IDC_LIST2), list3 = form_.Control(IDC_LIST3);
    const LRESULT count = SendMessageA(list2, LB_GETCOUNT, 0, 0);
    for (LRESULT i = count - 1; i >= 0; --i) {
        if (SendMessageA(list2, LB_GETSEL, i, 0) <= 0) continue;
        SendMessageA(list2, LB_DELETESTRING, i, 0);
        // The files are read independently, so List3 may be shorter: a
        // missing partner row is simply not there to delete.
        SendMessageA(list3, LB_DELETESTRING, i, 0);
    }
}

void MainTab::Command12_Click() {
    HWND list2 = form_.Control(IDC_LIST2), list3 = form_.Control(IDC_LIST3);
    const std::string left = form_.AppFile("dl.txt"), right = form_.AppFile("dr.txt");
    // Write errors are not reported: the reload below shows the user what the
    // files really hold, which is the older content when a write failed.
    SaveListFile(list2, left);
    SaveListFile(list3, right);
    SendMessageA(list2, LB_RESETCONTENT, 0, 0);
    SendMessageA(list3, LB_RESETCONTENT, 0, 0);
    if (FilePresent(left)) {
        LoadListFile(list2, left);
        if (FilePresent(right)) LoadListFile(list3, right);
        return;
    }
    form_.ui().MessageBox(form_.Hwnd(), kDanceFilesMissingText, "Error", MB_OK | MB_ICONHAND);
    SendMessageA(list2, LB_RESETCONTENT, 0, 0);
    SendMessageA(list3, LB_RESETCONTENT, 0, 0);
}
