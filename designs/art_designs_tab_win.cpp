#include "designs/art_designs_tab_win.h"

#include <vector>

#include "app/form1_win.h"
#include "app/list_files_win.h"
#include "app/nick_rule.h"
#include "app/pause_seconds.h"
#include "designs/art_fade_win.h"
#include "designs/art_save_window_win.h"
#include "designs/art_text.h"
#include "link/messenger_link_win.h"
#include "effects/utf8.h"

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

RichTextBox& ArtDesignsTab::Design() { return form_.Box(5); }

HWND ArtDesignsTab::List5() const { return form_.Control(IDC_LIST5); }

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
    const int index = HighlightedIndex();
    if (index < 0) return;  // a click that took the last highlight away
    const std::string name = ListBoxItem(List5(), index);
    Design().SetText("");
    if (!Design().LoadFile(DesignFilePath(form_.AppFolder(), name))) {
        form_.ui().MessageBox(form_.Hwnd(), "The design file [Designs\\" + name + ".rtf] could not be opened.",
                              "Art Designs", MB_OK | MB_ICONHAND);
    }
}

void ArtDesignsTab::Command23_Click() { Form5::ShowModal(form_.Hwnd(), *this); }

void ArtDesignsTab::WriteDesignFile(const std::string& name) {
    // The first save of a fresh installation finds no Designs folder yet.
    CreateDirectoryA(DesignsFolder(form_.AppFolder()).c_str(), nullptr);
    // A design that cannot be written is skipped without a message; the
    // callers carry on with the list as they always have.
    Design().SaveFile(DesignFilePath(form_.AppFolder(), name));
}

bool ArtDesignsTab::RewriteDesignList(HWND owner) {
    HWND list = List5();
    const std::string path = form_.AppFile(kDesignList);
    SaveListFile(list, path);  // a failed write shows up in the check below
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    if (FilePresent(path)) {
        LoadListFile(list, path);
        return true;
    }
    form_.ui().MessageBox(owner, "One of the files [dlist.txt]does not exist!", "Saved", MB_OK | MB_ICONHAND);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    return false;
}

bool ArtDesignsTab::SaveDesignAs(const std::string& name, HWND owner) {
    // A name that cannot be a file could never be opened again: say so and
    // list nothing, so the user can pick another name in the open window.
    if (!IsUsableDesignName(form_.AppFolder(), name)) {
        form_.ui().MessageBox(owner,
                              "The name \"" + name + "\" cannot be used as a file name. Please choose another name.",
                              "Save", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    WriteDesignFile(name);
    SendMessageA(List5(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    return RewriteDesignList(owner);
}

void ArtDesignsTab::Command20_Click() {
    const int answer = form_.ui().MessageBox(form_.Hwnd(), "Are you sure you want to save the changes?",
                                             "Save Changes", MB_YESNO | MB_ICONQUESTION);
    if (answer != IDYES) return;
    // The tab's own label asks the user to highlight the design first; with
    // nothing highlighted there is no name to save under.
    const int index = HighlightedIndex();
    if (index < 0) return;
    WriteDesignFile(ListBoxItem(List5(), index));
}

void ArtDesignsTab::Command21_Click() {
    HWND list = List5();
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = count - 1; i >= 0; --i)
        if (SendMessageA(list, LB_GETSEL, i, 0) > 0) SendMessageA(list, LB_DELETESTRING, i, 0);
    // The design files stay in the Designs folder; only the list forgets them.
    RewriteDesignList(form_.Hwnd());
}

void ArtDesignsTab::Command22_Click() { Design().SetText(""); }

// ---------------------------------------------------------------- formatting

void ArtDesignsTab::Command26_Click() { Design().SetSelBold(true); }
void ArtDesignsTab::Command27_Click() { Design().SetSelFontSize(8); }
void ArtDesignsTab::Command28_Click() { Design().SetSelFontSize(10); }
void ArtDesignsTab::Command29_Click() { Design().SetSelFontSize(12); }

void ArtDesignsTab::Command30_Click() {
    // A cancelled dialog gives the colour chosen last, and that is applied too.
    const COLORREF color = form_.CommonDialog1().ShowColor(form_.Hwnd());
    Design().SetSelColor(color);
}

void ArtDesignsTab::Picture13_Click() {
    form_.SetBoxColor(IDC_PICTURE13, form_.CommonDialog1().ShowColor(form_.Hwnd()));
}

void ArtDesignsTab::Picture14_Click() {
    form_.SetBoxColor(IDC_PICTURE14, form_.CommonDialog1().ShowColor(form_.Hwnd()));
}

void ArtDesignsTab::Command24_Click() { FadeArtDesign(); }

void ArtDesignsTab::FadeArtDesign() {
    ApplyArtFade(Design(), static_cast<std::int32_t>(form_.BoxColor(IDC_PICTURE13)),
                 static_cast<std::int32_t>(form_.BoxColor(IDC_PICTURE14)));
}

// ---------------------------------------------------------------- sending

bool ArtDesignsTab::ReadPause(float& seconds) {
    if (ParsePauseSeconds(form_.ControlText(IDC_TEXT5), seconds)) return true;
    // Going on without a pause would pour the whole design into the room at once.
    form_.ui().MessageBox(form_.Hwnd(), "The pause in Timer: must be a number of seconds, for example 1 or 0.5.",
                          "Send To Room", MB_OK | MB_ICONINFORMATION);
    return false;
}

void ArtDesignsTab::Command25_Click() {
    if (sending_) return;  // one send at a time: a second click while it waits is ignored
    if (form_.ControlText(IDC_COMBO1).empty()) {
        form_.ui().MessageBox(form_.Hwnd(), "Please Connect to the room first.", "Not Connected",
                              MB_OK | MB_ICONINFORMATION);
        return;
    }
    float seconds = 0;
    if (!ReadPause(seconds)) return;

    // With a nick chosen the lines come from a copy in RichTextBox6 that holds
    // the nick, so the design itself keeps its "sn%".
    RichTextBox* source = &Design();
    const std::string nick = form_.Label3Caption();
    if (nick != kNoNick) {
        form_.Box(6).SetTextRTF(ApplyChosenNick(Design().TextRTF(), Utf8FromWindows1252(nick)));
        source = &form_.Box(6);
    }
    struct SendingFlag {
        bool& flag;
        explicit SendingFlag(bool& f) : flag(f) { flag = true; }
        ~SendingFlag() { flag = false; }
    } sending(sending_);
    SendLines(*source);
}

void ArtDesignsTab::SendLines(RichTextBox& source) {
    const std::vector<std::string> lines = SplitDesignLines(source.Text());
    RichTextBox& composer = form_.Box(1);
    composer.SetText("");
    source.SetSelStart(0);
    long start = 0;
    for (const std::string& line : lines) {
        // Let the window's waiting events run; a close among them ends the send.
        if (!Delay(0) || form_.Closed()) return;
        // The line and its line break.
        const long length = static_cast<long>(line.size()) + 2;
        source.Select(start, length);
        composer.SetTextRTF(source.SelRTF());
        start += length;
        source.SetSelStart(start);
        std::string rtf = composer.TextRTF();
        form_.Link().TxtSendPal(rtf);
        // The pause is read afresh at every wait: the user may change it while
        // the design goes out.
        float seconds = 0;
        if (!ReadPause(seconds)) return;
        if (!Delay(seconds) || form_.Closed()) return;
    }
}
