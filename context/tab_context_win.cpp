#include "context/tab_context_win.h"

#include "effects/random_colors.h"
#include "link/delay_win.h"
#include "link/pause_seconds.h"
#include "ui/color_box_win.h"
#include "ui/window_util_win.h"

void TabContext::AttachWindows(HWND owner, std::vector<HWND> pages) {
    owner_ = owner;
    pages_ = std::move(pages);
    const int ids[6] = {IDC_RICHTEXTBOX1, IDC_RICHTEXTBOX2, IDC_RICHTEXTBOX3,
                        IDC_RICHTEXTBOX4, IDC_RICHTEXTBOX5, IDC_RICHTEXTBOX6};
    for (int i = 0; i < 6; ++i)
        if (HWND box = Control(ids[i])) boxes_[i].Attach(box);
    faders_.Attach();
    // Nobody sees the work boxes, so they never wrap: under Wine a rich edit
    // takes seconds to wrap a long paragraph of short words, and a box that
    // does not wrap lays it out as one line in a fraction of that.
    for (RichTextBox* work : {&NickWorkBox(), &ArtWorkBox()})
        SendMessageW(work->Hwnd(), EM_SETTARGETDEVICE, 0, 1);
}

HWND TabContext::Control(int id) const {
    if (owner_)
        if (HWND c = GetDlgItem(owner_, id)) return c;
    for (HWND page : pages_)
        if (HWND c = GetDlgItem(page, id)) return c;
    return nullptr;
}

std::string TabContext::ControlText(int id) const { return WindowTextOf(Control(id)); }

void TabContext::SetControlText(int id, const std::string& text) { SetWindowTextUtf8(Control(id), text); }

bool TabContext::IsChecked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TabContext::SetChecked(int id, bool on) {
    SendMessageA(Control(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

COLORREF TabContext::BoxColor(int id) const { return ColorBox_GetColor(Control(id)); }

void TabContext::SetBoxColor(int id, COLORREF color) {
    ColorBox_SetColor(Control(id), color);
    faders_.Redraw();  // a colour box may be a fader's end
}

void TabContext::PickBoxColor(int boxId) {
    const COLORREF color = commonDialog1_.ShowColor(owner_);
    if (!closed_) SetBoxColor(boxId, color);
}

bool TabContext::ReadPause(int textId, float& seconds, const char* text, const char* title, bool stopTimer) {
    if (ParsePauseSeconds(ControlText(textId), seconds)) return true;
    if (stopTimer) SetTimer1Enabled(false);
    ui_.MessageBox(owner_, text, title, MB_OK | MB_ICONINFORMATION);
    return false;
}

void TabContext::RollRandomPickerColors() {
    // One generator for the program's run, so every call gives a new pair.
    static RandomColorSource source(255);
    if (!IsChecked(IDC_CHKRANDOMCOLOR)) return;
    const ColorPair pair = source.NextPair();
    SetBoxColor(IDC_PICCOLORA, pair.a);
    SetBoxColor(IDC_PICCOLORB, pair.b);
}

void TabContext::SetTimer1Enabled(bool on) {
    timer1Enabled_ = on && !closed_;
    if (timer1Enabled_ && !timer1Held_)
        SetTimer(owner_, IDT_TIMER1, 10, nullptr);
    else
        KillTimer(owner_, IDT_TIMER1);
}

void TabContext::HoldTimer1(bool hold) {
    timer1Held_ = hold;
    SetTimer1Enabled(timer1Enabled_);
}

void TabContext::MarkClosed() {
    closed_ = true;
    SetTimer1Enabled(false);
}

bool TabContext::SendPause(float seconds) { return Delay(seconds, &stopSending_) && !closed_ && !stopSending_; }

SendTurn::SendTurn(TabContext& ctx, const char* refusalTitle) : ctx_(ctx) {
    if (ctx.sending_) {
        if (refusalTitle)
            ctx.ui_.MessageBox(ctx.owner_, "Another message is being sent. Please wait until it is done, or stop it first.",
                               refusalTitle, MB_OK | MB_ICONINFORMATION);
        return;
    }
    taken_ = ctx.sending_ = true;
    ctx.stopSending_ = false;
}

SendTurn::~SendTurn() {
    if (taken_) ctx_.sending_ = ctx_.stopSending_ = false;
}
