// The main window as start-up leaves it: the five list files (and what the user keeps in them survives), the
// layout rules, and the information windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <filesystem>

#include "app/form1_win.h"
#include "app/info_windows_win.h"
#include "designs/art_designs_tab_win.h"
#include "ui/list_files_win.h"
#include "context/resource.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/win_test_support.h"
#include "ui/window_util_win.h"

namespace {

using Entries = std::vector<std::string>;

const char* const kFiles[5] = {"dl.txt", "dr.txt", "nicks.txt", "saved.txt", "dlist.txt"};

// Start-up's messages come before the window shows (the user meets a finished window): one
// that comes after is recorded with "(shown)" before its text.
struct WindowWatchingUi : RecorderUi {
    int MessageBox(HWND owner, const std::string& text, const std::string& title, UINT flags) override {
        return RecorderUi::MessageBox(owner, IsWindowVisible(owner) ? "(shown) " + text : text, title, flags);
    }
};

// One file left out, or there but hidden or system (which counts as missing): the message said, and
// which of List2, List3, List1, List4 and List5 (filled from kFiles in turn) hold their file's two lines;
// then every file there but not loaded keeps its bytes.
TEST(Form1StartUp, LoadsTheListsUpToTheFirstMissingFile) {
    const struct { const char* missing; DWORD attributes; const char* said; const char* filled; } cases[] = {
        {"dr.txt", 0, "", "10111"},
        {"dl.txt", 0, "Error: One of the files [dl.txt] or [nicks.txt] does not exist. 16", "00000"},
        {"nicks.txt", 0, "Saved: One of the files [nicks.txt]does not exist! 16", "11000"},
        {"saved.txt", FILE_ATTRIBUTE_HIDDEN, "Saved: One of the files [saved.txt]does not exist! 16", "11100"},
        {"dlist.txt", FILE_ATTRIBUTE_SYSTEM, "Saved: One of the files [dlist.txt]does not exist! 16", "11110"},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        for (const char* f : kFiles)
            if (std::string(f) != c.missing || c.attributes) dir.Write(f, std::string(f) + " one\r\n" + f + " two\r\n");
        if (c.attributes) SetFileAttributesA(dir.File(c.missing).c_str(), c.attributes);
        WindowWatchingUi ui;
        Form1 form(ui, dir.Path());
        ASSERT_TRUE(form.Create(true));
        std::string said, kept;
        for (const RecordedMessage& m : ui.messages)  // the files then kept, said once: checked below
            (m.text.rfind("These list files", 0) ? said : kept) += m.title + ": " + m.text + " " + std::to_string(m.flags);
        EXPECT_EQ(said, c.said) << c.missing;
        const int lists[5] = {IDC_LIST2, IDC_LIST3, IDC_LIST1, IDC_LIST4, IDC_LIST5};
        for (int i = 0; i < 5; ++i) {
            const std::string f = kFiles[i];
            const Entries both{f + " one", f + " two"};
            EXPECT_EQ(ListBoxItems(form.Control(lists[i])), c.filled[i] == '1' ? both : Entries{}) << c.missing << f;
        }
        // What start-up left out is never written: not by an add, a save or a delete, nor by an art "Save", which
        // leaves its window open over what dlist.txt holds.
        const std::size_t before = ui.messages.size();
        form.Context().SetControlText(IDC_TEXT3, "Carol");
        for (int id : {IDC_COMMAND10, IDC_COMMAND11, IDC_COMMAND17, IDC_COMMAND18, IDC_COMMAND12, IDC_COMMAND21}) {
            SendMessageA(form.Control(IDC_LIST1), LB_SETCURSEL, 0, 0);  // Delete takes the first nick
            form.OnCommand(id, BN_CLICKED);
        }
        EXPECT_EQ(form.ArtDesigns().SaveDesignAs("art", form.Hwnd()), c.filled[4] == '1') << c.missing;
        for (std::size_t k = before; k < ui.messages.size(); ++k)  // the files kept are said once, at start-up
            EXPECT_EQ(ui.messages[k].text.find("These list files"), std::string::npos) << c.missing << ui.messages[k].text;
        for (int i = 0; i < 5; ++i) {
            const std::string f = kFiles[i];
            if (c.filled[i] == '1' || (f == c.missing && !c.attributes)) continue;
            EXPECT_EQ(dir.Read(f), f + " one\r\n" + f + " two\r\n") << c.missing << f;
            EXPECT_NE(kept.find("[" + f + "]"), std::string::npos) << c.missing << kept;
        }
        DeleteFileA(dir.File("dlist.txt").c_str());  // a folder in its place: nothing to write or read back
        CreateDirectoryA(dir.File("dlist.txt").c_str(), nullptr);
        EXPECT_FALSE(form.ArtDesigns().SaveDesignAs("art", form.Hwnd()));
        EXPECT_EQ(ui.messages.back(), (RecordedMessage{"(shown) One of the files [dlist.txt]does not exist!", "Saved", MB_ICONHAND}));
        EXPECT_TRUE(ListBoxItems(form.Control(IDC_LIST5)).empty());
    }
}

// Five long list files, one held locked by another program: the others load whole (how fast is
// startup_bench's business), the locked one is said once and no later add writes over it; with no
// messenger installed the caption says so; then the window's layout rules.
TEST(Form1StartUp, LongListsLoadALockedOneIsKeptAndTheWindowIsLaidOut) {
    PalInstallRecordsGuard noMessenger;
    TempFolder dir;
    Entries many;
    for (int i = 0; i < 10000; ++i) many.push_back("design number " + std::to_string(i));
    for (const char* f : kFiles) ASSERT_TRUE(WriteLineListFile(dir.File(f), many));
    const std::string nicks = dir.Read("nicks.txt");
    HANDLE lock = CreateFileA(dir.File("nicks.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    RecorderUi ui;
    Form1 form(ui, dir.Path());
    HWND hwnd = form.Create(true);
    CloseHandle(lock);
    EXPECT_EQ(ListBoxItems(form.Control(IDC_LIST4)), many);
    form.Context().SetControlText(IDC_TEXT3, "Bob");
    form.OnCommand(IDC_COMMAND10, BN_CLICKED);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("[nicks.txt]"), std::string::npos) << ui.messages[0].text;
    EXPECT_EQ(dir.Read("nicks.txt"), nicks);

    EXPECT_EQ(WindowTextOf(hwnd), "No Pal Found");  // installed, "Vivarto 11.5": vivarto_e2e_test
    RECT client;
    GetClientRect(hwnd, &client);
    POINT left{};  // Command15's left edge in the window's client area: just beyond its right edge
    MapWindowPoints(form.Control(IDC_COMMAND15), hwnd, &left, 1);
    EXPECT_TRUE(left.x >= client.right && left.x < client.right + 20) << left.x;
    // The Main tab's page alone shows (RichTextBox1 is on it, List5 on Art Designs); the work boxes never.
    for (int id : {IDC_RICHTEXTBOX4, IDC_RICHTEXTBOX6, IDC_RICHTEXTBOX1, IDC_LIST5})
        EXPECT_EQ(IsWindowVisible(form.Control(id)) != FALSE, id == IDC_RICHTEXTBOX1) << id;
}

// A replace uses a file of its own, never a user's "<name>.new", leaves none behind and keeps the
// replaced file's attributes.
TEST(FilesSafety, ReplaceLeavesOtherFilesAndKeepsAttributes) {
    TempFolder dir;
    dir.Write("list.txt.new", "mine");
    dir.Write("list.txt", "old");
    SetFileAttributesA(dir.File("list.txt").c_str(), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(ReplaceFileContent(dir.File("list.txt"), "new"));
    EXPECT_EQ(dir.Read("list.txt") + " " + dir.Read("list.txt.new"), "new mine");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2) << "none of its own left";
    EXPECT_EQ(GetFileAttributesA(dir.File("list.txt").c_str()), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN);
}

// The program's folder from a path of any length; a failed query gives no folder at all.
TEST(FilesSafety, ModuleFolderOfAnyLengthOrNone) {
    for (std::size_t length : {5u, 259u, 300u, 2000u}) {
        const std::wstring path = L"C:\\" + std::wstring(length, L'd') + L"\\vivarto.exe";
        const auto query = [&](wchar_t* buffer, unsigned long size) {  // as GetModuleFileNameW: cut, size
            const std::size_t n = std::min<std::size_t>(path.size(), size - 1);
            buffer[path.copy(buffer, n)] = L'\0';
            return static_cast<unsigned long>(n < path.size() ? size : n);
        };
        EXPECT_EQ(ModuleFolder(query), "C:\\" + std::string(length, 'd'));
    }
    EXPECT_EQ(ModuleFolder([](wchar_t*, unsigned long) { return 0ul; }), std::nullopt);
}

// Modal windows run their own loop: a thread timer inside it clicks the
// Contact window's link and presses Enter on it, then closes the window.
int g_driven = 0;  // the windows the timer found open

void CALLBACK DriveModal(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND dlg = GetActiveWindow();
    g_driven += dlg != nullptr;
    HWND link = GetDlgItem(dlg, IDC_CONTACTFORM_LABEL5);
    NMHDR click{link, IDC_CONTACTFORM_LABEL5, static_cast<UINT>(NM_CLICK)};
    if (link) SendMessageA(dlg, WM_NOTIFY, click.idFrom, reinterpret_cast<LPARAM>(&click));
    if (link) SetFocus(link), PostMessageA(link, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
}

TEST(InformationWindows, EachClosesAndTheContactLinkOpensTheUserGuideOnAClickAndOnEnter) {
    RecorderUi ui;
    for (int i = 0; i < 3; ++i) {
        SetTimer(nullptr, 0, 50, DriveModal);
        if (i == 0) ShowAbout(nullptr);
        if (i == 1) ShowHelp(nullptr);
        if (i == 2) ShowContact(nullptr, ui, "C:\\Vivarto");
        EXPECT_EQ(g_driven, i + 1) << "window " << i << " closed before its own loop ran";
    }
    EXPECT_EQ(ui.opened, (std::vector<std::string>{"C:\\Vivarto\\help\\index.html", "C:\\Vivarto\\help\\index.html"}));
}

}  // namespace
