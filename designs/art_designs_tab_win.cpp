#include "designs/art_designs_tab_win.h"

#include <algorithm>
#include <vector>

#include "context/remembered_controls_win.h"
#include "context/tab_context_win.h"
#include "designs/art_fade.h"
#include "designs/art_fade_win.h"
#include "designs/art_save_window_win.h"
#include "designs/art_text.h"
#include "designs/design_rtf.h"
#include "effects/nick_rule.h"
#include "link/messenger_link_win.h"
#include "ui/files_win.h"
#include "ui/list_box_win.h"
#include "ui/list_files_win.h"
#include "ui/message_loop_win.h"
#include "ui/utf8.h"
#include "ui/window_util_win.h"

namespace {

constexpr const char* kDesignList = "dlist.txt";

// The art fade of a sample, a colour per character, for the tab's strip.
std::vector<std::uint32_t> ArtSample(FadeStyle style, const ColorStops& stops, const std::string& sample) {
    std::vector<std::uint32_t> colors;
    for (const ArtFadeRun& run : ArtGradientRuns(style, stops, sample))
        colors.insert(colors.end(), static_cast<std::size_t>(run.length), run.color);
    return colors;
}

constexpr const char* kSection = "ArtDesigns";
constexpr RememberedControl kRemembered[] = {
    {RememberedControl::Color, "FadeStart", IDC_PICTURE13},
    {RememberedControl::Color, "FadeEnd", IDC_PICTURE14},
    {RememberedControl::Text, "Timer", IDC_TEXT5},
};

}  // namespace

ArtDesignsTab::ArtDesignsTab(TabContext& ctx) : ctx_(ctx) {
    ctx_.FaderOptions().SetSampler(FaderId::Art, ArtSample);
    ctx_.FaderOptions().Redraw();
}

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
    unreadablePath_.clear();
    const int index = HighlightedIndex();
    if (index < 0) return;  // a click that took the last highlight away: the box stays empty
    const std::string name = ListBoxItem(List5(), index);
    const auto path = RowFile(name, ctx_.Hwnd());
    if (path && OpenDesign(name, *path)) openedDesign_ = name;
}

bool ArtDesignsTab::OpenDesign(const std::string& name, const std::string& path) {
    const std::string file = "The design file [Designs\\" + name + ".rtf]";
    std::string bytes;
    if (!ReadWholeFile(path, bytes) || bytes.rfind("{\\rtf", 0) != 0) {
        ctx_.ui().MessageBox(ctx_.Hwnd(), file + " could not be opened.", "Art Designs", MB_OK | MB_ICONHAND);
        return false;
    }
    // Tables, fields and pictures are rewritten first: the control's own table
    // code can end the program, and what it cannot show would leave the box empty.
    const DesignRtf design = PrepareDesignRtf(bytes);
    if (!design.tooDeep) Design().SetTextRTF(design.rtf);
    if (!design.hasContent || !Design().Text().empty()) return true;
    // An empty box saved back would replace the user's file with nothing.
    Design().SetText("");
    unreadablePath_ = path;
    ctx_.ui().MessageBox(ctx_.Hwnd(), file + " could not be read. It is kept as it is, and Save Changes will not write over it.",
                          "Art Designs", MB_OK | MB_ICONHAND);
    return false;
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

bool ArtDesignsTab::RewriteDesignList(HWND owner) {
    const std::string path = ctx_.AppFile(kDesignList);
    const bool written = SaveListFile(List5(), path);
    // Whatever happened, the list shows what the file holds: a design the
    // file does not list is not listed in the window either.
    SendMessageW(List5(), LB_RESETCONTENT, 0, 0);
    if (!ListFilePresent(path)) {
        ctx_.ui().MessageBox(owner, "One of the files [dlist.txt]does not exist!", "Saved", MB_OK | MB_ICONHAND);
        return false;
    }
    const bool read = LoadListFile(List5(), path);
    if (written && read) return true;
    ctx_.ui().MessageBox(owner,
                          read ? "The list [dlist.txt] could not be written, so it shows what the file holds and "
                                 "the next start will not show this change."
                               : "The list [dlist.txt] could not be read back, so it shows nothing for now.",
                          "Saved", MB_OK | MB_ICONHAND);
    return false;
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
    return RewriteDesignList(owner);
}

void ArtDesignsTab::Command20_Click() {
    const int answer = ctx_.ui().MessageBox(ctx_.Hwnd(), "Are you sure you want to save the changes?",
                                             "Save Changes", MB_YESNO | MB_ICONQUESTION);
    if (answer != IDYES) return;
    // The tab's own label asks the user to highlight the design first; with
    // nothing highlighted there is no name to save under.
    const int index = HighlightedIndex();
    if (index < 0) return;
    const std::string name = ListBoxItem(List5(), index);
    if (!unreadablePath_.empty() && DesignRowPath(ctx_.AppFolder(), name) == unreadablePath_) {
        ctx_.ui().MessageBox(ctx_.Hwnd(), "The design file [Designs\\" + name + ".rtf] could not be read, so it is not saved over. Use Save to keep this design under a new name.",
                              "Save Changes", MB_OK | MB_ICONHAND);
        return;
    }
    WriteDesignFile(name, ctx_.Hwnd());
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
    const Faders& faders = ctx_.FaderOptions();
    ApplyArtFade(Design(), faders.Style(FaderId::Art), faders.Stops(FaderId::Art));
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
    SendTurn turn(ctx_, "Send To Room");
    if (!turn) return;
    RunningFlag sending(sending_);
    ctx_.SetControlText(IDC_COMMAND25, "Stop S&ending");
    // Taken whole before the first line goes: the user may edit the design,
    // clear it or open another while the lines go out, and the room still
    // gets the design the send began with.
    SendLines(DesignLines());
    if (!ctx_.Closed()) ctx_.SetControlText(IDC_COMMAND25, "S&end To Room");
}

std::vector<std::string> ArtDesignsTab::DesignLines() {
    RichTextBox& design = Design();
    CHARRANGE userSelection{};
    SendMessageW(design.Hwnd(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&userSelection));
    // The text is read once; the control counts a break as one character and
    // every other in UTF-16 units, so each line's place follows from the
    // lengths before it, with no re-read of the whole text per line.
    const std::string nick = ctx_.Label3Caption();
    std::vector<std::string> lines;
    long start = 0;
    for (const std::string& line : SplitDesignLines(design.Text())) {
        const long end = start + static_cast<long>(Utf16FromUtf8(line).size()) + 1;
        design.SelectInControl(start, end);
        // The nick goes into each line's copy, never into the design, which
        // keeps its "sn%"; no placeholder spans a line break.
        lines.push_back(nick == kNoNick ? design.SelRTF() : ApplyChosenNick(design.SelRTF(), nick));
        start = end;
    }
    design.SelectInControl(userSelection.cpMin, userSelection.cpMax);
    return lines;
}

void ArtDesignsTab::SendLines(const std::vector<std::string>& lines) {
    RichTextBox& composer = ctx_.Composer();
    composer.SetText("");
    for (const std::string& line : lines) {
        // Let the window's waiting events run; a close or a stop among them ends the send.
        if (!ctx_.SendPause(0)) return;
        composer.SetTextRTF(line);
        std::string rtf = composer.TextRTF();
        ctx_.Link().TxtSendPal(rtf);
        // The pause is read afresh at every wait: the user may change it while
        // the design goes out.
        float seconds = 0;
        if (!ReadPause(seconds)) return;
        if (!ctx_.SendPause(seconds)) return;
    }
}

// ---------------------------------------------------------------- settings

void ArtDesignsTab::RestoreSettings() {
    RestoreControls(ctx_, kSection, kRemembered);
    const auto name = ctx_.Settings().GetString(kSection, "Design");
    if (!name) return;
    const std::vector<std::string> rows = ListBoxItems(List5());
    const auto row = std::find(rows.begin(), rows.end(), *name);
    const auto path = DesignRowPath(ctx_.AppFolder(), *name);
    // Gone from the list or from the Designs folder: the box stays empty, as at a first start.
    if (row == rows.end() || !path || !FilePresent(*path)) return;
    const int index = static_cast<int>(row - rows.begin());
    SendMessageW(List5(), LB_SETSEL, TRUE, index);
    SendMessageW(List5(), LB_SETCARETINDEX, index, FALSE);
    List5_Click();
}

void ArtDesignsTab::SaveSettings() {
    SaveControls(ctx_, kSection, kRemembered);
    if (!openedDesign_.empty()) ctx_.Settings().SetString(kSection, "Design", openedDesign_);
}
