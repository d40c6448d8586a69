#include "app/form1_win.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <set>
#include <algorithm>

#include "app/info_windows_win.h"
#include "app/main_tab_win.h"
#include "context/remembered_controls_win.h"
#include "designs/art_designs_tab_win.h"
#include "designs/text_designs_tab_win.h"
#include "ui/button_face_win.h"
#include "ui/color_box_win.h"
#include "ui/files_win.h"
#include "ui/list_box_win.h"
#include "ui/list_files_win.h"
#include "ui/message_loop_win.h"
#include "ui/window_util_win.h"

namespace {

const wchar_t* const kTabCaptions[3] = {L"&Main", L"Te&xt Designs", L"A&rt Designs"};
const int kPageDialogs[3] = {IDD_MAINPAGE, IDD_TEXTDESIGNSPAGE, IDD_ARTDESIGNSPAGE};
const int kPageIds[3] = {IDC_MAINPAGE, IDC_TEXTDESIGNSPAGE, IDC_ARTDESIGNSPAGE};

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

constexpr const char* kSettingsFile = "vivarto.ini";
constexpr const char* kWindowSection = "Window";
constexpr const char* kColorDialogSection = "ColorDialog";
constexpr RememberedControl kRemembered[] = {
    {RememberedControl::Choice, "Type", IDC_OPTION10, IDC_OPTION9, "Room", "PM"},
    {RememberedControl::Choice, "NickColor", IDC_OPTION6, IDC_OPTION5, "Plus", "Black"},
};

std::string CustomColorKey(std::size_t index) { return "Custom" + std::to_string(index + 1); }

// Runs one step of start-up or closing on its own: whatever goes wrong in it
// (a damaged settings file included) costs only that step.
template <class Step>
void Quietly(Step step) {
    try {
        step();
    } catch (...) {
    }
}

// Where a caption repeats on a page, the button is named for what it does
// (vivarto.rc) and shows the caption drawn as its face.
const struct {
    int id;
    const char* face;
} kButtonFaces[] = {
    {IDC_COMMAND3, "A"}, {IDC_COMMAND5, "A"},  {IDC_COMMAND6, "A"},    {IDC_COMMAND27, "A"},
    {IDC_COMMAND28, "A"}, {IDC_COMMAND29, "A"}, {IDC_CHECK4, "A"},     {IDC_CHECK1, "A"},
    {IDC_CHECK2, "A"},   {IDC_COMMAND10, "&Add"}, {IDC_COMMAND14, "Add"}, {IDC_OPTION2, "Re&gular"},
    {IDC_OPTION4, "R&egular"},
};

// The fonts the program makes itself: the size buttons show their size
// (small is the dialog's own font), the design boxes their type.
const struct {
    const char* face;
    double points;
    int ids[2];
} kFonts[] = {
    {"MS Shell Dlg", 10, {IDC_COMMAND5, IDC_COMMAND28}},
    {"MS Shell Dlg", 12, {IDC_COMMAND6, IDC_COMMAND29}},
    {"Arial", 8.25, {IDC_LIST4}},
    {"Tahoma", 8.25, {IDC_TEXT4}},
    {"MS Sans Serif", 9.75, {IDC_CHECK1}},
    {"MS Sans Serif", 12, {IDC_CHECK2}},
};
static_assert(std::size(kFonts) <= 8, "Form1::fonts_ holds eight");

}  // namespace

// A tab page is a child dialog: its commands and notifications go to Form1.
class Form1::TabPage : public Dialog {
public:
    TabPage(Form1& form, int dialogId) : form_(form) { CreateModeless(dialogId, form.Hwnd()); }

private:
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
        case WM_COMMAND: form_.OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
        case WM_NOTIFY: {
            LRESULT drawn;
            if (DrawButtonFace(lParam, drawn)) return SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, drawn), TRUE;
            form_.OnNotify(reinterpret_cast<const NMHDR*>(lParam));
            return TRUE;
        }
        }
        return FALSE;
    }

    Form1& form_;
};

Form1::Form1(Ui& ui, std::string appFolder) : ui_(ui), context_(ui, std::move(appFolder)) {}

Form1::~Form1() {
    if (hwnd_ && IsWindow(hwnd_)) {
        // Destroyed by its owner rather than closed by the user (tests, the
        // screenshot tool): the quit that WM_DESTROY posts is not meant for
        // whatever loop runs next on this thread.
        DestroyWindow(hwnd_);
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    for (HFONT f : fonts_)
        if (f) DeleteObject(f);
}

void Form1::Form_Initialize() {
    // The controls take the platform's current look.
    InitCommonControls();
    RegisterColorBoxClass();
    RichTextBox::LoadLibraryOnce();
}

HWND Form1::Create(bool show) {
    Form_Initialize();
    if (!CreateModeless(IDD_FORM1, nullptr)) return nullptr;
    SetWindowIcons();
    RegisterDialogWindow(hwnd_, LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_FORM1_ACCEL)));
    // Loaded before it is shown: the missing-file messages come first, and
    // the window appears with its final caption and full lists.
    Quietly([&] { ReadSettingsFile(); });
    Form_Load();
    // Over the start values, once the lists are in: a remembered nick or art
    // design is chosen again only while its row is still there.
    RestoreSettings();
    // After the lists are filled: a tooltip subclasses its list, and every
    // message through that subclass costs a great deal under Wine (10,000
    // rows took a second and more to add, 20 ms without it).
    AddTooltips();
    if (show) ShowWindow(hwnd_, SW_SHOW);
    return hwnd_;
}

// The dialog class has no icon of its own: the caption and the taskbar show
// what the window is given here (a program without the icon resource, as the
// tests are, keeps the default).
void Form1::SetWindowIcons() {
    const struct {
        WPARAM which;
        int width, height;
    } kIcons[] = {{ICON_BIG, SM_CXICON, SM_CYICON}, {ICON_SMALL, SM_CXSMICON, SM_CYSMICON}};
    for (const auto& icon : kIcons) {
        HANDLE image = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_VIVARTO), IMAGE_ICON,
                                  GetSystemMetrics(icon.width), GetSystemMetrics(icon.height), LR_SHARED);
        if (image) SendMessageA(hwnd_, WM_SETICON, icon.which, reinterpret_cast<LPARAM>(image));
    }
}

int Form1::Run() { return RunMessageLoop(); }

HWND Form1::Page(int index) const { return pages_[index] ? pages_[index]->Hwnd() : nullptr; }

INT_PTR Form1::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG: BuildPages(); return TRUE;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_NOTIFY: OnNotify(reinterpret_cast<const NMHDR*>(lParam)); return TRUE;
    case WM_TIMER:
        if (wParam == IDT_TIMER1 && context_.Timer1Enabled()) mainTab_->Timer1_Timer();
        return TRUE;
    case WM_DPICHANGED: {
        // Moved to a screen of another DPI: the size the system suggests, and
        // the program's own fonts made again for it. FALSE lets the dialog
        // manager scale its own font and the layout where the system does.
        const RECT& r = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SetFonts(HIWORD(wParam));
        return FALSE;
    }
    case WM_CLOSE:
        SaveSettings();
        DestroyWindow(hwnd_);
        return TRUE;
    case WM_ENDSESSION:
        if (wParam) SaveSettings();  // Windows ends the session: no WM_CLOSE comes
        return TRUE;
    case WM_DESTROY:
        context_.MarkClosed();
        UnregisterDialogWindow(hwnd_);
        PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}

void Form1::BuildPages() {
    HWND tab = GetDlgItem(hwnd_, IDC_SSTAB1);
    for (int i = 0; i < 3; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(kTabCaptions[i]);
        SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    RECT area;
    GetWindowRect(tab, &area);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&area), 2);
    TabCtrl_AdjustRect(tab, FALSE, &area);
    HWND after = tab;
    std::vector<HWND> pages;
    for (int i = 0; i < 3; ++i) {
        pages_[i] = std::make_unique<TabPage>(*this, kPageDialogs[i]);
        HWND page = pages_[i]->Hwnd();
        SetWindowLongPtrA(page, GWLP_ID, kPageIds[i]);
        // Right behind the tab control in the Z order, so Tab moves from the
        // tabs into the page and on to the controls after it.
        SetWindowPos(page, after, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     SWP_NOACTIVATE);
        // The page shows the tab control's own (themed) background.
        EnableThemeDialogTexture(page, ETDT_ENABLETAB);
        after = page;
        pages.push_back(page);
    }
    context_.AttachWindows(hwnd_, pages);
    context_.SetLink(link_);
    mainTab_ = std::make_unique<MainTab>(context_);
    textDesignsTab_ = std::make_unique<TextDesignsTab>(context_);
    artDesignsTab_ = std::make_unique<ArtDesignsTab>(context_);
    for (const auto& face : kButtonFaces) SetButtonFace(Control(face.id), face.face);
    SetFonts(DpiOf(hwnd_));
    SetStartValues();
    ShowTab(0);
}

void Form1::SetFonts(UINT dpi) {
    for (std::size_t i = 0; i < std::size(kFonts); ++i) {
        HFONT old = fonts_[i];
        fonts_[i] = MakeFontForDpi(kFonts[i].face, kFonts[i].points, dpi);
        for (int id : kFonts[i].ids)
            if (id) SendMessageW(Control(id), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[i]), TRUE);
        if (old) DeleteObject(old);
    }
}

void Form1::SetStartValues() {
    TabContext& c = context_;
    for (int id : {IDC_OPTION10, IDC_OPTION5, IDC_OPTION1, IDC_OPTION4, IDC_OPTION7}) c.SetChecked(id, true);
    c.SetBoxColor(IDC_PICCOLORA, kRed);
    c.SetBoxColor(IDC_PICCOLORB, kBlue);
    c.SetBoxColor(IDC_PICTURE10, kRed);
    c.SetBoxColor(IDC_PICTURE7, kRed);
    c.SetBoxColor(IDC_PICTURE8, kBlue);
    c.SetBoxColor(IDC_PICTURE13, kRed);
    c.SetBoxColor(IDC_PICTURE14, kBlue);
    c.SetControlText(IDC_TEXT2, "1");
    c.SetControlText(IDC_TEXT5, "1");
    c.SetControlText(IDC_LABEL3, "No Nick");
}

void Form1::AddTooltips() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, GetModuleHandleW(nullptr),
                               nullptr);
    struct Tip {
        int id;
        const wchar_t* text;
    };
    const Tip tips[] = {
        {IDC_COMMAND2, L"Highlight text to change format."},
        {IDC_LIST2, L"Double click to add to dance bot."},
        {IDC_LIST3, L"Double click to add to dance bot."},
        {IDC_COMMAND14, L"Add To Dance List"},
        {IDC_COMMAND13, L"Delete From Dance List"},
        {IDC_COMMAND12, L"Save Current Dance List"},
        {IDC_LIST4, L"Double Click to send to the messege box."},
    };
    for (const Tip& tip : tips) {
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        HWND control = Control(tip.id);
        info.hwnd = GetParent(control);
        info.uId = reinterpret_cast<UINT_PTR>(control);
        info.lpszText = const_cast<wchar_t*>(tip.text);
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void Form1::Form_Load() {
    // Each step runs on its own: one that fails is skipped and loading goes on.
    try {
        context_.SetTimer1Enabled(false);
    } catch (...) {
    }
    try {
        link_.PalRoomGrab();
    } catch (...) {
    }
    try {
        LoadListFiles();
    } catch (...) {
    }
}

void Form1::LoadListFiles() {
    std::set<std::string> read;
    try {
        LoadListFilesInOrder(read);
    } catch (...) {
        // what was not read whole is kept below all the same
    }
    KeepListFilesNotRead(read);
}

// The five list files. The tests are nested: a missing file ends the loading
// of the files after it, with the message for that file. `read` gets each
// file whose read has ended (an unreadable one is kept by ui/list_files_win).
void Form1::LoadListFilesInOrder(std::set<std::string>& read) {
    HWND list1 = Control(IDC_LIST1), list2 = Control(IDC_LIST2), list3 = Control(IDC_LIST3);
    HWND list4 = Control(IDC_LIST4), list5 = Control(IDC_LIST5);
    auto clear = [](HWND list) { SendMessageA(list, LB_RESETCONTENT, 0, 0); };
    auto missing = [&](const char* name, const char* text, const char* title) {
        if (ListFilePresent(context_.AppFile(name))) return false;
        ui_.MessageBox(hwnd_, text, title, MB_OK | MB_ICONHAND);
        return true;
    };
    // A file that is there but cannot be read is left out of every save of
    // this run (ui/list_files_win), so the user's entries survive; said once.
    auto load = [&](HWND list, const char* name) {
        if (!ListFilePresent(context_.AppFile(name))) return;
        const bool loaded = LoadListFile(list, context_.AppFile(name));
        read.insert(name);
        if (loaded) return;
        ui_.MessageBox(hwnd_,
                       std::string("The file [") + name +
                           "] could not be read (another program may be using it). Its list is not loaded and "
                           "will not be saved, so the file is kept as it is.",
                       "Error", MB_OK | MB_ICONHAND);
    };
    if (missing("dl.txt", "One of the files [dl.txt] or [nicks.txt] does not exist.", "Error")) {
        clear(list2);
        clear(list3);
        return;
    }
    load(list2, "dl.txt");
    load(list3, "dr.txt");
    if (missing("nicks.txt", "One of the files [nicks.txt]does not exist!", "Saved")) {
        clear(list1);
        return;
    }
    load(list1, "nicks.txt");
    if (missing("saved.txt", "One of the files [saved.txt]does not exist!", "Saved")) {
        clear(list4);
        return;
    }
    load(list4, "saved.txt");
    clear(list5);
    if (missing("dlist.txt", "One of the files [dlist.txt]does not exist!", "Saved")) {
        clear(list5);
        return;
    }
    load(list5, "dlist.txt");
}

// A list file that is there but was not read (loading stopped before it, or
// it is hidden) would lose the user's entries to the first save of its list:
// it is kept as it is for this run, and the user is told once.
void Form1::KeepListFilesNotRead(const std::set<std::string>& read) {
    std::string kept;
    for (const char* name : {"dl.txt", "dr.txt", "nicks.txt", "saved.txt", "dlist.txt"}) {
        if (read.count(name) || !FilePresent(context_.AppFile(name))) continue;
        KeepListFileThisRun(context_.AppFile(name));
        kept += std::string(" [") + name + "]";
    }
    if (kept.empty()) return;
    ui_.MessageBox(hwnd_,
                   "These list files are there but were not loaded (a hidden file counts as missing, and loading "
                   "stops at the first missing one):" + kept +
                       ". They will not be written in this run, so they are kept as they are.",
                   "Error", MB_OK | MB_ICONHAND);
}

void Form1::OnCommand(int id, int code) {
    switch (id) {
    case IDM_ABOUT: ShowAbout(hwnd_); return;
    case IDM_HELP: ShowHelp(hwnd_); return;
    case IDM_CONTACT: ShowContact(hwnd_, ui_, context_.AppFolder()); return;
    case IDC_COMBO1:
        if (code == CBN_DROPDOWN) link_.Combo1_DropDown();
        return;
    case IDOK:
        // Enter where the box has no use for it. No window button is the
        // default, so Enter presses only the button that has the focus; in
        // the nick box it adds the nick, elsewhere it does nothing.
        if (GetFocus() == Control(IDC_TEXT3)) mainTab_->OnCommand(IDC_COMMAND10, BN_CLICKED);
        return;
    case IDCANCEL:
        return;  // Escape never closes the main window
    case IDM_NEXTTAB:
    case IDM_PREVTAB: {
        const int now = static_cast<int>(SendMessageW(Control(IDC_SSTAB1), TCM_GETCURSEL, 0, 0));
        SwitchTabByKey(now + (id == IDM_NEXTTAB ? 1 : 2));
        return;
    }
    case IDM_TAB_MAIN: SwitchTabByKey(0); return;
    case IDM_TAB_TEXTDESIGNS: SwitchTabByKey(1); return;
    case IDM_TAB_ARTDESIGNS: SwitchTabByKey(2); return;
    }
    if (mainTab_->OnCommand(id, code)) return;
    if (textDesignsTab_->OnCommand(id, code)) return;
    artDesignsTab_->OnCommand(id, code);
}

void Form1::OnNotify(const NMHDR* header) {
    if (header->idFrom == IDC_SSTAB1 && header->code == TCN_SELCHANGE)
        ShowTab(static_cast<int>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
}

void Form1::ShowTab(int index) {
    SendMessageA(GetDlgItem(hwnd_, IDC_SSTAB1), TCM_SETCURSEL, index, 0);
    for (int i = 0; i < 3; ++i) ShowWindow(Page(i), i == index ? SW_SHOW : SW_HIDE);
}

// A tab chosen from the keyboard: the focus goes to the tab control, so it is
// never left in the page that was hidden and a screen reader says the tab.
void Form1::SwitchTabByKey(int index) {
    ShowTab(index % 3);
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(IDC_SSTAB1)), TRUE);
}

std::string Form1::ChosenRoom() const { return WindowTextOf(Control(IDC_COMBO1)); }

void Form1::ShowRooms(const std::vector<std::string>& rooms) {
    HWND combo1 = Control(IDC_COMBO1);
    FillComboBox(combo1, rooms);
    // The room of the last run is chosen again the first time a scan lists
    // it; after that a scan chooses as it always does.
    const auto found = std::find(rooms.begin(), rooms.end(), rememberedRoom_);
    if (rememberedRoom_.empty() || found == rooms.end()) return;
    SendMessageW(combo1, CB_SETCURSEL, found - rooms.begin(), 0);
    rememberedRoom_.clear();
}

void Form1::ShowMessengerMissing() { SetWindowTextUtf8(hwnd_, "No Pal Found"); }

// ---------------------------------------------------------------- settings

void Form1::ReadSettingsFile() {
    const std::string path = context_.AppFile(kSettingsFile);
    std::string bytes;
    // No file: the first start, every start value as it is. A file that is
    // there but cannot be read is left alone, not replaced at close.
    if (!FilePresent(path)) return;
    settingsWritable_ = ReadWholeFile(path, bytes);
    context_.Settings() = SettingsFile::Parse(bytes);
    rememberedRoom_ = context_.Settings().GetString(kWindowSection, "Room").value_or("");
}

void Form1::RestoreSettings() {
    const SettingsFile& settings = context_.Settings();
    Quietly([&] {
        RestoreControls(context_, kWindowSection, kRemembered);
        if (const auto tab = settings.GetInt(kWindowSection, "Tab", 0, 2)) ShowTab(*tab);
        auto& custom = ui_.CustomColors();
        for (std::size_t i = 0; i < custom.size(); ++i)
            if (const auto color = settings.GetColor(kColorDialogSection, CustomColorKey(i))) custom[i] = *color;
    });
    Quietly([&] {
        const auto left = settings.GetInt(kWindowSection, "Left", -100000, 100000);
        const auto top = settings.GetInt(kWindowSection, "Top", -100000, 100000);
        if (!left || !top) return;
        RECT window;
        GetWindowRect(hwnd_, &window);
        // Only where the middle of the caption is on a monitor now, so the
        // window can be seen and dragged; otherwise it stays centred.
        const int width = window.right - window.left;
        const RECT caption{*left + width / 4, *top, *left + width - width / 4, *top + GetSystemMetrics(SM_CYCAPTION)};
        if (MonitorFromRect(&caption, MONITOR_DEFAULTTONULL))
            SetWindowPos(hwnd_, nullptr, *left, *top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
    Quietly([&] { mainTab_->RestoreSettings(); });
    Quietly([&] { textDesignsTab_->RestoreSettings(); });
    Quietly([&] { artDesignsTab_->RestoreSettings(); });
    Quietly([&] { context_.FaderOptions().RestoreSettings(settings); });
}

void Form1::SaveSettings() {
    if (!settingsWritable_) return;
    Quietly([&] {
        SettingsFile& settings = context_.Settings();
        SaveControls(context_, kWindowSection, kRemembered);
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        RECT window{};
        // Minimized, the window's own rectangle is off screen: its place is the restored one.
        if (IsIconic(hwnd_) && GetWindowPlacement(hwnd_, &placement)) window = placement.rcNormalPosition;
        else GetWindowRect(hwnd_, &window);
        settings.SetInt(kWindowSection, "Left", window.left);
        settings.SetInt(kWindowSection, "Top", window.top);
        settings.SetInt(kWindowSection, "Tab", static_cast<int>(SendMessageA(Control(IDC_SSTAB1), TCM_GETCURSEL, 0, 0)));
        // Without a messenger this run, the room of the last one stays remembered.
        if (const std::string room = ChosenRoom(); !room.empty()) settings.SetString(kWindowSection, "Room", room);
        const auto& custom = ui_.CustomColors();
        for (std::size_t i = 0; i < custom.size(); ++i) settings.SetColor(kColorDialogSection, CustomColorKey(i), custom[i]);
        mainTab_->SaveSettings();
        textDesignsTab_->SaveSettings();
        artDesignsTab_->SaveSettings();
        context_.FaderOptions().SaveSettings(settings);
        // A folder that cannot be written (read-only media) only means the next
        // start is a first one: not worth a message at every close.
        ReplaceFileContent(context_.AppFile(kSettingsFile), settings.Format());
    });
}
