// The main window as start-up leaves it: the five list files, the start
// values, the layout rules, and the information windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>

#include "app/form1_win.h"
#include "app/info_windows_win.h"
#include "app/list_files_win.h"
#include "app/resource.h"
#include "link/messenger_link_win.h"
#include "tests/win/win_test_support.h"
#include "vivarto_version.h"

namespace {

using Entries = std::vector<std::string>;

const char* const kFiles[5] = {"dl.txt", "dr.txt", "nicks.txt", "saved.txt", "dlist.txt"};

struct StartUpCase {
    const char* missing;               // file left out, or "" for none
    std::vector<RecordedMessage> messages;
    bool filled[5];                    // List2, List3, List1, List4, List5
};

class StartUp : public ::testing::TestWithParam<StartUpCase> {};

TEST_P(StartUp, LoadsTheListsUpToTheFirstMissingFile) {
    const StartUpCase& c = GetParam();
    TempFolder dir;
    for (const char* f : kFiles)
        if (std::string(f) != c.missing) dir.Write(f, std::string(f) + " one\r\n" + f + " two\r\n");
    RecorderUi ui;
    Form1 form(ui, dir.Path());
    ASSERT_TRUE(form.Create(false));
    ASSERT_EQ(ui.messages.size(), c.messages.size());
    for (std::size_t i = 0; i < c.messages.size(); ++i) {
        EXPECT_EQ(ui.messages[i].text, c.messages[i].text);
        EXPECT_EQ(ui.messages[i].title, c.messages[i].title);
        EXPECT_EQ(ui.messages[i].flags, c.messages[i].flags);
    }
    const int lists[5] = {IDC_LIST2, IDC_LIST3, IDC_LIST1, IDC_LIST4, IDC_LIST5};
    for (int i = 0; i < 5; ++i) {
        Entries expected;
        if (c.filled[i]) expected = {std::string(kFiles[i]) + " one", std::string(kFiles[i]) + " two"};
        EXPECT_EQ(ListBoxItems(form.Control(lists[i])), expected) << kFiles[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Form1, StartUp,
    ::testing::Values(
        StartUpCase{"", {}, {true, true, true, true, true}},
        StartUpCase{"dr.txt", {}, {true, false, true, true, true}},
        StartUpCase{"dl.txt", {{"One of the files [dl.txt] or [nicks.txt] does not exist.", "Error", 16}},
                    {false, false, false, false, false}},
        StartUpCase{"nicks.txt", {{"One of the files [nicks.txt]does not exist!", "Saved", 16}},
                    {true, true, false, false, false}},
        StartUpCase{"saved.txt", {{"One of the files [saved.txt]does not exist!", "Saved", 16}},
                    {true, true, true, false, false}},
        StartUpCase{"dlist.txt", {{"One of the files [dlist.txt]does not exist!", "Saved", 16}},
                    {true, true, true, true, false}}));

TEST(Form1StartUp, EntriesAreTakenWholeAndUnchanged) {
    TempFolder dir;
    for (const char* f : kFiles) dir.Write(f, "");
    dir.Write("saved.txt", "a, b, \"c\"\r\n   leading\r\n\r\n\x95\xAD\xE9\r\nlast\r\n\r\n");
    RecorderUi ui;
    Form1 form(ui, dir.Path());
    ASSERT_TRUE(form.Create(false));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ListBoxItems(form.Control(IDC_LIST4)),
              (Entries{"a, b, \"c\"", "   leading", "", "\x95\xAD\xE9", "last", ""}));
    EXPECT_TRUE(ListBoxItems(form.Control(IDC_LIST1)).empty());
}

TEST(Form1StartUp, ALongListLoadsWhole) {
    TempFolder dir;
    for (const char* f : kFiles) dir.Write(f, "");
    Entries many;
    for (int i = 0; i < 10000; ++i) many.push_back("design number " + std::to_string(i));
    ASSERT_TRUE(WriteLineListFile(dir.File("saved.txt"), many));
    RecorderUi ui;
    Form1 form(ui, dir.Path());
    ASSERT_TRUE(form.Create(false));
    EXPECT_EQ(ListBoxItems(form.Control(IDC_LIST4)), many);
}

BOOL CALLBACK CollectIds(HWND child, LPARAM param) {
    auto* ids = reinterpret_cast<std::multiset<int>*>(param);
    ids->insert(GetDlgCtrlID(child));
    return TRUE;
}

TEST(Form1Layout, StartValuesHiddenWorkBoxesOffscreenButtonAndUniqueIds) {
    TempFolder dir;
    for (const char* f : kFiles) dir.Write(f, "");
    RecorderUi ui;
    Form1 form(ui, dir.Path());
    HWND hwnd = form.Create(true);
    ASSERT_TRUE(hwnd);
    char caption[64];
    GetWindowTextA(hwnd, caption, sizeof caption);
    EXPECT_STREQ(caption, DetectPalVersion() == 0 ? "No Pal Found" : "Vivarto 11.5");
    for (int on : {IDC_OPTION1, IDC_OPTION4, IDC_OPTION7, IDC_OPTION10, IDC_OPTION5}) EXPECT_TRUE(form.IsChecked(on));
    for (int off : {IDC_OPTION2, IDC_OPTION3, IDC_OPTION8, IDC_OPTION9, IDC_OPTION6, IDC_CHKRANDOMCOLOR, IDC_CHECK1,
                    IDC_CHECK2, IDC_CHECK3, IDC_CHECK4})
        EXPECT_FALSE(form.IsChecked(off));
    for (int red : {IDC_PICCOLORA, IDC_PICTURE7, IDC_PICTURE10}) EXPECT_EQ(form.BoxColor(red), RGB(255, 0, 0));
    for (int blue : {IDC_PICCOLORB, IDC_PICTURE8}) EXPECT_EQ(form.BoxColor(blue), RGB(0, 0, 255));
    EXPECT_EQ(form.ControlText(IDC_TEXT2) + form.ControlText(IDC_TEXT5) + form.Label3Caption(), "11No Nick");
    EXPECT_FALSE(form.Timer1Enabled());
    RECT client;
    GetClientRect(hwnd, &client);
    HWND command15 = form.Control(IDC_COMMAND15);
    RECT r;
    GetWindowRect(command15, &r);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_GE(r.left, client.right);  // just beyond the right edge
    EXPECT_LT(r.left, client.right + 20);
    LONG style = GetWindowLongA(command15, GWL_STYLE);
    EXPECT_TRUE(style & WS_TABSTOP);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_FALSE(IsWindowVisible(form.Control(IDC_RICHTEXTBOX4)));
    EXPECT_FALSE(IsWindowVisible(form.Control(IDC_RICHTEXTBOX6)));
    EXPECT_TRUE(IsWindowVisible(form.Control(IDC_RICHTEXTBOX1)));
    std::multiset<int> ids;
    EnumChildWindows(hwnd, CollectIds, reinterpret_cast<LPARAM>(&ids));
    for (int id : ids) EXPECT_EQ(ids.count(id), 1u) << "control ID " << id << " is not unique";
    // Switching tabs shows exactly one page.
    form.ShowTab(2);
    EXPECT_TRUE(IsWindowVisible(form.Control(IDC_LIST5)));
    EXPECT_FALSE(IsWindowVisible(form.Control(IDC_LIST1)));
}

TEST(ListFiles, AFailedWriteLeavesTheOldFileWhole) {
    TempFolder dir;
    ASSERT_TRUE(WriteLineListFile(dir.File("nicks.txt"), {"Bob", "Ann"}));
    EXPECT_EQ(dir.Read("nicks.txt"), "Bob\r\nAnn\r\n");
    // Something in the way of the temporary file: the write fails, the old list stays.
    CreateDirectoryA(dir.File("nicks.txt.new").c_str(), nullptr);
    EXPECT_FALSE(WriteLineListFile(dir.File("nicks.txt"), {"Carl"}));
    EXPECT_EQ(dir.Read("nicks.txt"), "Bob\r\nAnn\r\n");
    RemoveDirectoryA(dir.File("nicks.txt.new").c_str());
    ASSERT_TRUE(WriteLineListFile(dir.File("nicks.txt"), {}));
    EXPECT_EQ(dir.Read("nicks.txt"), "");
    EXPECT_FALSE(FilePresent(dir.File("missing.txt")));
    EXPECT_FALSE(FilePresent(dir.Path()));  // a folder is not a list file
}

// Modal windows run their own loop: a thread timer inside it does the clicks.
struct ModalScript {
    std::vector<std::string> texts;
    int linkClicks = 0;
};
ModalScript* g_script = nullptr;

void CALLBACK DriveModal(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND dlg = GetActiveWindow();
    char buf[256];
    GetWindowTextA(dlg, buf, sizeof buf);
    g_script->texts.push_back(buf);
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        GetWindowTextA(c, buf, sizeof buf);
        g_script->texts.push_back(buf);
    }
    HWND link = GetDlgItem(dlg, IDC_CONTACTFORM_LABEL5);
    for (int i = 0; link && i < g_script->linkClicks; ++i)
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_CONTACTFORM_LABEL5, STN_CLICKED), reinterpret_cast<LPARAM>(link));
    PostMessageA(dlg, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
}

std::vector<std::string> RunModal(void (*show)(HWND, Ui&), Ui& ui, int linkClicks = 0) {
    ModalScript script;
    script.linkClicks = linkClicks;
    g_script = &script;
    SetTimer(nullptr, 0, 50, DriveModal);
    show(nullptr, ui);
    g_script = nullptr;
    return script.texts;
}

TEST(InformationWindows, TextsWordForWordBuiltAnewAndTheContactLink) {
    RecorderUi ui;
    auto about = [](HWND o, Ui&) { ShowAbout(o); };
    auto first = RunModal(about, ui);
    auto second = RunModal(about, ui);
    EXPECT_EQ(first, second);
    ASSERT_GE(first.size(), 7u);
    EXPECT_EQ(first[0], "About");
    EXPECT_EQ(first[1], "Vivarto");
    EXPECT_EQ(first[2], "Version " VIVARTO_VERSION_TEXT);
    EXPECT_EQ(first[3].rfind("By: ", 0), 0u);
    EXPECT_EQ(first[5], "This is a real cool program for sending text to paltalk rooms, you can have dance steps "
                        "cool art designs and more.");
    EXPECT_EQ(first[6], "OK");
    auto help = RunModal([](HWND o, Ui&) { ShowHelp(o); }, ui);
    EXPECT_EQ(help, (std::vector<std::string>{
                        "Help", "1- First connect to the room",
                        "2- Select the mode you want to use like fade or regular.",
                        "3- Now to desigh art desighs click on Designs then click on art designs.",
                        "Well peeps this program has a lot of stuff, so it would be better if go to my site for "
                        "better help :)",
                        "OK"}));
    // The Contact link opens the user guide, once per click.
    auto texts = RunModal([](HWND o, Ui& u) { ShowContact(o, u, "C:\\Vivarto"); }, ui, 2);
    ASSERT_GE(texts.size(), 5u);
    EXPECT_EQ(texts[0], "Contact");
    EXPECT_EQ(texts[2], "Visit");
    EXPECT_EQ(texts[3], "Vivarto user guide");
    EXPECT_EQ(texts[4], "Ok");
    EXPECT_EQ(ui.opened, (std::vector<std::string>{"C:\\Vivarto\\help\\index.html", "C:\\Vivarto\\help\\index.html"}));
}

}  // namespace
