#include "designs/art_designs_tab_win.h"

#include <vector>

#include "context/tab_context_win.h"
#include "designs/art_fade_win.h"
#include "designs/art_save_window_win.h"
#include "designs/art_text.h"
#include "effects/nick_rule.h"
#include "link/messenger_link_win.h"
#include "ui/list_box_win.h"
#include "ui/list_files_win.h"
#include "ui/message_loop_win.h"
#include "ui/utf8.h"
#include "ui/window_util_win.h"

namespace {

constexpr const char* kDesignList = "dlist.txt";

}  // namespace

bool ArtDesignsTab::OnCommand(int id, int code) {
    switch (id) {
    case IDC_LIST5:
        if (code == LBN_SELCHANGE) List5_Click();
        return true;
    case IDC_PICTURE13:
        if (code == BN_CLICKED) Picture13_Click();
        return true;
    case IDC_PICTURE14:
        if (code == BN_CLICKED) Picture14_Click();
        return true;
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
    case IDC_COMMAND20: Command20_Click(); return true;
    case IDC_COMMAND21: Command21_Click(); return true;
    case IDC_COMMAND22: Command22_Click(); return true;
    case IDC_COMMAND23: Command23_Click(); return true;
    case IDC_COMMAND24: Command24_Click(); return true;
    case IDC_COMMAND25: Command25_Click(); return true;
    case IDC_COMMAND26: Command26_Click(); return true;
    case IDC_COMMAND27: Command27_Click(); return true;
    case IDC_COMMAND28: Command28_Click(); return true;
    case IDC_COMMAND29: Command29_Click(); return true;
    case IDC_COMMAND30: Command30_Click(); return true;
    }
    return false;
}

RichTextBox& ArtDesignsTab::Design() { return ctx_.ArtDesign(); }

HWND ArtDesignsTab::List5() const { return ctx_.Control(IDC_LIST5); }

int ArtDesignsTab::HighlightedIndex() const {
    HWND list = List5();
    const int caret = static_cast<int>(SendMessageA(list, LB_GETCARETINDEX, 0, 0));
    if (caret >= 0 && SendMessageA(list, LB_GETSEL, caret, 0) > 0) return caret;
    int first = -1;
    if (SendMessageA(list, LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(&first)) == 1) return first;
    return -1;
}

// ---------------------------------------------------------------- the library

void ArtDesignsTab::List5_Click() {
    Design().SetText("");
    const int index = HighlightedIndex();
    if (index < 0) return;  // a click that took the last highlight away: the box stays empty
    const std::string name = ListBoxItem(List5(), index);
    const auto path = RowFile(name, ctx_.Hwnd());
    if (!path) return;
    if (!Design().LoadFile(*path)) {
        ctx_.ui().MessageBox(ctx_.Hwnd(), "The design file [Designs\\" + name + ".rtf] could not be opened.",
                              "Art Designs", MB_OK | MB_ICONHAND);
    }
}

void ArtDesignsTab::Command23_Click() {
    Form5::ShowModal(ctx_.Hwnd(), [this](const std::string& name, HWND owner) { return SaveDesignAs(name, owner); });
}

std::optional<std::string> ArtDesignsTab::RowFile(const std::string& row, HWND owner) {
    // dlist.txt may have been edited elsewhere: a row naming a device or a
    // file outside Designs stays listed but is never opened or written.
    auto path = DesignRowPath(ctx_.AppFolder(), row);
    if (!path)
        ctx_.ui().MessageBox(owner, "The design \"" + row + "\" in [dlist.txt] is not a usable file name, so it cannot be opened or saved.",
                              "Art Designs", MB_OK | MB_ICONHAND);
    return path;
}

bool ArtDesignsTab::WriteDesignFile(const std::string& name, HWND owner) {
    const auto path = RowFile(name, owner);
    if (!path) return false;
    // The first save of a fresh installation finds no Designs folder yet.
    CreateDirectoryW(WideFromUtf8(DesignsFolder(ctx_.AppFolder())).c_str(), nullptr);
    if (Design().SaveFile(*path)) return true;
    ctx_.ui().MessageBox(owner, "The design file [Designs\\" + name + ".rtf] could not be written; it keeps what it held before.",
                          "Save", MB_OK | MB_ICONHAND);
    return false;
}

void ArtDesignsTab::RewriteDesignList(HWND owner) {
    const std::string path = ctx_.AppFile(kDesignList);
    // A list that could not be written stays as it is in the window, so the
    // design just saved is not lost from view; the user is told instead.
    if (!SaveListFile(List5(), path)) {
        ctx_.ui().MessageBox(owner, "The list [dlist.txt] could not be written, so the next start will not show this change.",
                              "Saved", MB_OK | MB_ICONHAND);
        return;
    }
    SendMessageW(List5(), LB_RESETCONTENT, 0, 0);
    LoadListFile(List5(), path);
}

bool ArtDesignsTab::SaveDesignAs(const std::string& name, HWND owner) {
    // A name that cannot be a file could never be opened again: say so and
    // list nothing, so the user can pick another name in the open window.
    if (!IsUsableDesignName(ctx_.AppFolder(), name)) {
        ctx_.ui().MessageBox(owner,
                              "The name \"" + name + "\" cannot be used as a file name. Please choose another name.",
                              "Save", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    if (!WriteDesignFile(name, owner)) return false;
    AddListItem(List5(), name);
    RewriteDesignList(owner);
    return true;
}

void ArtDesignsTab::Command20_Click() {
    const int answer = ctx_.ui().MessageBox(ctx_.Hwnd(), "Are you sure you want to save the changes?",
                                             "Save Changes", MB_YESNO | MB_ICONQUESTION);
    if (answer != IDYES) return;
    // The tab's own label asks the user to highlight the design first; with
    // nothing highlighted there is no name to save under.
    const int index = HighlightedIndex();
    if (index < 0) return;
    WriteDesignFile(ListBoxItem(List5(), index), ctx_.Hwnd());
}

void ArtDesignsTab::Command21_Click() {
    DeleteSelectedRows(List5());
    // The design files stay in the Designs folder; only the list forgets them.
    RewriteDesignList(ctx_.Hwnd());
}

void ArtDesignsTab::Command22_Click() { Design().SetText(""); }

// ---------------------------------------------------------------- formatting

void ArtDesignsTab::Command26_Click() { Design().SetSelBold(true); }
void ArtDesignsTab::Command27_Click() { Design().SetSelFontSize(8); }
void ArtDesignsTab::Command28_Click() { Design().SetSelFontSize(10); }
void ArtDesignsTab::Command29_Click() { Design().SetSelFontSize(12); }

void ArtDesignsTab::Command30_Click() {
    // A cancelled dialog gives the colour chosen last, and that is applied too.
    const COLORREF color = ctx_.CommonDialog1().ShowColor(ctx_.Hwnd());
    Design().SetSelColor(color);
}

void ArtDesignsTab::Picture13_Click() { ctx_.PickBoxColor(IDC_PICTURE13); }

void ArtDesignsTab::Picture14_Click() { ctx_.PickBoxColor(IDC_PICTURE14); }

void ArtDesignsTab::Command24_Click() { FadeArtDesign(); }

void ArtDesignsTab::FadeArtDesign() {
    ApplyArtFade(Design(), static_cast<std::int32_t>(ctx_.BoxColor(IDC_PICTURE13)),
                 static_cast<std::int32_t>(ctx_.BoxColor(IDC_PICTURE14)));
}

// ---------------------------------------------------------------- sending

bool ArtDesignsTab::ReadPause(float& seconds) {
    // Going on without a pause would pour the whole design into the room at once.
    return ctx_.ReadPause(IDC_TEXT5, seconds, "The pause in Timer: must be a number of seconds, for example 1 or 0.5.",
                          "Send To Room");
}

void ArtDesignsTab::Command25_Click() {
    // A second click while the design goes out stops it.
    if (sending_) {
        ctx_.StopSending();
        return;
    }
    if (ctx_.ControlText(IDC_COMBO1).empty()) {
        ctx_.ui().MessageBox(ctx_.Hwnd(), "Please Connect to the room first.", "Not Connected",
                              MB_OK | MB_ICONINFORMATION);
        return;
    }
    float seconds = 0;
    if (!ReadPause(seconds)) return;

    // With a nick chosen the lines come from a copy in RichTextBox6 that holds
    // the nick, so the design itself keeps its "sn%".
    RichTextBox* source = &Design();
    const std::string nick = ctx_.Label3Caption();
    if (nick != kNoNick) {
        ctx_.ArtWorkBox().SetTextRTF(ApplyChosenNick(Design().TextRTF(), nick));
        source = &ctx_.ArtWorkBox();
    }
    SendTurn turn(ctx_, "Send To Room");
    if (!turn) return;
    RunningFlag sending(sending_);
    ctx_.SetControlText(IDC_COMMAND25, "Stop S&ending");
    SendLines(*source);
    if (!ctx_.Closed()) ctx_.SetControlText(IDC_COMMAND25, "S&end To Room");
}

void ArtDesignsTab::SendLines(RichTextBox& source) {
    // The text is read once; the control counts a break as one character and
    // every other in UTF-16 units, so each line's place follows from the
    // lengths before it, with no re-read of the whole text per line.
    const std::vector<std::string> lines = SplitDesignLines(source.Text());
    RichTextBox& composer = ctx_.Composer();
    composer.SetText("");
    source.SetSelStart(0);
    long start = 0;
    for (const std::string& line : lines) {
        // Let the window's waiting events run; a close or a stop among them ends the send.
        if (!ctx_.SendPause(0)) return;
        // The line and its line break.
        const long end = start + static_cast<long>(Utf16FromUtf8(line).size()) + 1;
        source.SelectInControl(start, end);
        composer.SetTextRTF(source.SelRTF());
        start = end;
        source.SelectInControl(start, start);
        std::string rtf = composer.TextRTF();
        ctx_.Link().TxtSendPal(rtf);
        // The pause is read afresh at every wait: the user may change it while
        // the design goes out.
        float seconds = 0;
        if (!ReadPause(seconds)) return;
        if (!ctx_.SendPause(seconds)) return;
    }
}
