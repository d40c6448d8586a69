#include "app/main_tab_win.h"

#include <algorithm>

#include "context/remembered_controls_win.h"
#include "context/tab_context_win.h"
#include "effects/fade_pipeline_win.h"
#include "effects/nick_rule.h"
#include "link/messenger_link_win.h"
#include "ui/list_box_win.h"
#include "ui/list_files_win.h"
#include "ui/window_util_win.h"

namespace {

constexpr const char* kNotConnectedText = "Please Connect to the room or PM first.";
constexpr const char* kNotConnectedTitle = "Not Connected";

constexpr const char* kSection = "Main";
constexpr RememberedControl kRemembered[] = {
    {RememberedControl::Choice, "Mode", IDC_OPTION1, IDC_OPTION2, "Fade", "Regular"},
    {RememberedControl::Check, "RandomColor", IDC_CHKRANDOMCOLOR},
    {RememberedControl::Color, "ColorA", IDC_PICCOLORA},
    {RememberedControl::Color, "ColorB", IDC_PICCOLORB},
    {RememberedControl::Choice, "ScrollingMode", IDC_OPTION3, IDC_OPTION4, "Dance", "Regular"},
    {RememberedControl::Text, "Time", IDC_TEXT2},
};

}  // namespace

bool MainTab::OnCommand(int id, int code) {
    // Buttons and colour boxes report a click as BN_CLICKED, Label3 (a notify
    // static) as STN_CLICKED; both are code 0.
    const bool clicked = code == BN_CLICKED;
    // The three tabs' styles and "Colours..." buttons: the faders' own business.
    if (ctx_.FaderOptions().OnCommand(id, code)) return true;
    switch (id) {
    case IDC_COMMAND1: if (clicked) Command1_Click(); return true;
    case IDC_COMMAND2: if (clicked) Command2_Click(); return true;
    case IDC_COMMAND3: if (clicked) Command3_Click(); return true;
    case IDC_COMMAND5: if (clicked) Command5_Click(); return true;
    case IDC_COMMAND6: if (clicked) Command6_Click(); return true;
    case IDC_COMMAND7: if (clicked) Command7_Click(); return true;
    case IDC_PICCOLORA: if (clicked) PicColorA_Click(); return true;
    case IDC_PICCOLORB: if (clicked) PicColorB_Click(); return true;
    case IDC_COMMAND10: if (clicked) Command10_Click(); return true;
    case IDC_COMMAND11: if (clicked) Command11_Click(); return true;
    case IDC_LIST1: if (code == LBN_SELCHANGE) List1_Click(); return true;
    case IDC_LABEL3: if (code == STN_CLICKED) Label3_Click(); return true;
    case IDC_COMMAND15: if (clicked) Command15_Click(); return true;
    case IDC_COMMAND8: if (clicked) Command8_Click(); return true;
    case IDC_COMMAND9: if (clicked) Command9_Click(); return true;
    case IDC_LIST2: if (code == LBN_DBLCLK) List2_DblClick(); return true;
    case IDC_LIST3: if (code == LBN_DBLCLK) List3_DblClick(); return true;
    case IDC_COMMAND14: if (clicked) Command14_Click(); return true;
    case IDC_COMMAND13: if (clicked) Command13_Click(); return true;
    case IDC_COMMAND12: if (clicked) Command12_Click(); return true;
    }
    return false;
}

// ---------------------------------------------------------------- composer

std::vector<RichTextBox*> MainTab::FormattingTarget() {
    // With the dance bot chosen the buttons dress the two frames, so a user
    // formats a dance pair with the same buttons as an ordinary message.
    if (ctx_.IsChecked(IDC_OPTION3)) return {&ctx_.DanceFrame1(), &ctx_.DanceFrame2()};
    return {&ctx_.Composer()};
}

void MainTab::Command2_Click() {
    // Bold only ever goes on: the button has no "off" state to show.
    for (RichTextBox* box : FormattingTarget()) box->SetSelBold(true);
}

void MainTab::Command3_Click() {
    for (RichTextBox* box : FormattingTarget()) box->SetSelFontSize(8);
}

void MainTab::Command5_Click() {
    for (RichTextBox* box : FormattingTarget()) box->SetSelFontSize(10);
}

void MainTab::Command6_Click() {
    for (RichTextBox* box : FormattingTarget()) box->SetSelFontSize(12);
}

void MainTab::Command7_Click() {
    const COLORREF color = ctx_.CommonDialog1().ShowColor(ctx_.Hwnd());
    if (ctx_.Closed()) return;
    // The target is decided when the colour is applied: the user may have
    // switched the scrolling mode while the dialog was open.
    for (RichTextBox* box : FormattingTarget()) box->SetSelColor(color);
}

void MainTab::PicColorA_Click() { ctx_.PickBoxColor(IDC_PICCOLORA); }

void MainTab::PicColorB_Click() { ctx_.PickBoxColor(IDC_PICCOLORB); }

bool MainTab::RefuseWithoutRoom(bool stopTimer) {
    if (!ctx_.ControlText(IDC_COMBO1).empty()) return false;
    // Off before the message: its own message loop must not run more ticks.
    if (stopTimer) ctx_.SetTimer1Enabled(false);
    ctx_.ui().MessageBox(ctx_.Hwnd(), kNotConnectedText, kNotConnectedTitle, MB_OK | MB_ICONINFORMATION);
    return true;
}

void MainTab::FadeComposer(const std::string& text) {
    // The pickers are read at this moment: a change made during an earlier
    // wait counts for this message.
    const ColorStops stops = ctx_.FaderOptions().Stops(FaderId::Main);
    const FadeStyle style = ctx_.FaderOptions().Style(FaderId::Main);
    ctx_.RollRandomPickerColors();
    FadePipeline(ctx_.Composer(), style, stops, text);
}

void MainTab::BuildComposerMessage() {
    // A long paragraph of short words takes the rich edit seconds to lay out,
    // so the composer gets only the finished message. The nick goes in first
    // where a fade needs its text: the hidden work box, which does not wrap.
    RichTextBox& composer = ctx_.Composer();
    const std::string nick = ctx_.Label3Caption();
    const std::string rtf = composer.TextRTF();
    const std::string withNick = nick == kNoNick ? rtf : ApplyChosenNick(rtf, nick);
    const bool nickPut = withNick != rtf;
    if (!ctx_.IsChecked(IDC_OPTION1)) {
        if (nickPut) composer.SetTextRTF(withNick);
        return;
    }
    if (!nickPut) return FadeComposer(composer.Text());
    RichTextBox& work = ctx_.NickWorkBox();
    work.SetTextRTF(withNick);
    FadeComposer(work.Text());
}

void MainTab::Command1_Click() {
    if (RefuseWithoutRoom(false)) return;
    SendTurn turn(ctx_, "Send");
    if (!turn) return;
    // The nick goes into the composer for good, so the user sees what was sent.
    BuildComposerMessage();
    std::string message = ctx_.Composer().TextRTF();
    ctx_.Link().TxtSendPal(message);
}

// --------------------------------------------------------------- nick list

void MainTab::Command10_Click() {
    HWND list1 = ctx_.Control(IDC_LIST1);
    AddListItem(list1, ctx_.ControlText(IDC_TEXT3));
    // A file that cannot be written is not worth a message: the list in the
    // window stays right and the next change tries again.
    SaveListFile(list1, ctx_.AppFile("nicks.txt"));
}

void MainTab::Command11_Click() {
    HWND list1 = ctx_.Control(IDC_LIST1);
    DeleteSelectedRows(list1);
    // The chosen nick is a copy: deleting its row leaves it chosen.
    SaveListFile(list1, ctx_.AppFile("nicks.txt"));
}

void MainTab::List1_Click() {
    if (const auto nick = SelectedItem(ctx_.Control(IDC_LIST1))) ctx_.SetControlText(IDC_LABEL3, *nick);
}

void MainTab::Label3_Click() { ctx_.SetControlText(IDC_LABEL3, kNoNick); }

void MainTab::Command15_Click() {
    SendTurn turn(ctx_, "Send");
    if (!turn) return;
    // Built in the hidden work box so the composer keeps its placeholder.
    RichTextBox& work = ctx_.NickWorkBox();
    work.SetTextRTF(ApplyChosenNick(ctx_.Composer().TextRTF(), ctx_.Label3Caption()));
    std::string message = work.TextRTF();
    ctx_.Link().TxtSendPal(message);
}

// ---------------------------------------------------------------- settings

void MainTab::RestoreSettings() {
    RestoreControls(ctx_, kSection, kRemembered);
    const auto nick = ctx_.Settings().GetString(kSection, "Nick");
    if (!nick) return;
    const std::vector<std::string> nicks = ListBoxItems(ctx_.Control(IDC_LIST1));
    // A nick deleted from the list since is not chosen again.
    if (std::find(nicks.begin(), nicks.end(), *nick) != nicks.end()) ctx_.SetControlText(IDC_LABEL3, *nick);
}

void MainTab::SaveSettings() {
    SaveControls(ctx_, kSection, kRemembered);
    ctx_.Settings().SetString(kSection, "Nick", ctx_.Label3Caption());
}
