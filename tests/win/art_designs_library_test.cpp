// The art design library on the Art Designs tab, in a scratch application
// folder: saving through the "Save" window, reopening, Save Changes, Delete From
// List, Clear, and the starter design shipped with the program. Checked on what
// the user sees (the list, the editor, the messages) and on the files written.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/form1_win.h"
#include "app/line_list.h"
#include "app/list_files_win.h"
#include "designs/art_designs_tab_win.h"
#include "tests/win/win_test_support.h"

namespace {

using Names = std::vector<std::string>;

// The list files the start-up reads, so it shows no message; `dlist` is the
// content of "dlist.txt". Also drops the quit that a main window closed by an
// earlier test leaves behind: the "Save" window's own loop would end on it.
void WriteStartFiles(const TempFolder& dir, const std::string& dlist) {
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    dir.Write("dl.txt", "");
    dir.Write("nicks.txt", "");
    dir.Write("saved.txt", "");
    dir.Write("dlist.txt", dlist);
}

// A small drawing: two lines, the first two characters bold and red.
void Draw(RichTextBox& box, const std::string& text = "ab\r\ncd") {
    box.SetText(text);
    box.Select(0, 2);
    box.SetSelBold(true);
    box.SetSelColor(RGB(255, 0, 0));
    box.Select(0, 0);
}

HWND List5(Form1& form) { return form.Control(IDC_LIST5); }

// Highlights exactly the given rows, with the caret on the last of them, then
// tells the tab as a click does.
void ClickRows(Form1& form, std::initializer_list<int> rows) {
    HWND list = List5(form);
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    for (int row : rows) {
        SendMessageA(list, LB_SETSEL, TRUE, row);
        SendMessageA(list, LB_SETCARETINDEX, row, FALSE);
    }
    form.OnCommand(IDC_LIST5, LBN_SELCHANGE, list);
}

void Click(Form1& form, int id) { form.OnCommand(id, BN_CLICKED, form.Control(id)); }

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Plays steps on the "Save" window while the "Save" button of the tab holds it
// open (it is modal: the steps run from a timer inside its own message loop).
// After each step it notes whether the window is still showing. Once the steps
// are used up a still open window is cancelled, so the test always ends.
class SaveWindowScript {
public:
    using Step = std::function<void(HWND window)>;

    explicit SaveWindowScript(std::vector<Step> steps) : steps_(std::move(steps)) {}

    // Clicks "Save" on the tab and returns when the window has closed.
    void Run(Form1& form) {
        current_ = this;
        const UINT_PTR timer = SetTimer(nullptr, 0, 30, Tick);
        Click(form, IDC_COMMAND23);
        KillTimer(nullptr, timer);
        current_ = nullptr;
    }

    std::vector<bool> openAfterStep;  // the window still showing after step k
    int ticksWithWindow = 0;

private:
    static HWND FindWindowOfThread() {
        HWND found = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND hwnd, LPARAM lParam) -> BOOL {
                char title[64] = {};
                GetWindowTextA(hwnd, title, sizeof(title));
                if (std::string(title) == "Save" && IsWindowVisible(hwnd) && GetDlgItem(hwnd, IDC_FORM5_TEXT1)) {
                    *reinterpret_cast<HWND*>(lParam) = hwnd;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        SaveWindowScript* self = current_;
        if (!self) return;
        HWND window = FindWindowOfThread();
        if (!window) return;
        ++self->ticksWithWindow;
        if (self->next_ < self->steps_.size()) {
            self->steps_[self->next_++](window);
            self->openAfterStep.push_back(IsWindowVisible(window) != FALSE);
        } else {
            SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
        }
    }

    static inline SaveWindowScript* current_ = nullptr;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
};

SaveWindowScript::Step TypeAndSave(const std::string& name) {
    return [name](HWND window) {
        SetDlgItemTextA(window, IDC_FORM5_TEXT1, name.c_str());
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_FORM5_COMMAND1, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_FORM5_COMMAND1)));
    };
}

}  // namespace

TEST(ArtDesignLibrary, SaveThroughTheSaveWindowThenReopen) {
    RecorderUi ui;
    TempFolder dir;
    WriteStartFiles(dir, "smiley\r\n");
    Form1 form(ui, dir.Path());
    ASSERT_TRUE(form.Create(false));
    ASSERT_EQ(ListBoxItems(List5(form)), (Names{"smiley"}));
    ASSERT_FALSE(dir.Exists("Designs")) << "a fresh folder has no Designs folder yet";

    Draw(form.Box(5));
    SaveWindowScript script({TypeAndSave("heart")});
    script.Run(form);

    EXPECT_EQ(script.openAfterStep, (std::vector<bool>{false})) << "the window closes after a good save";
    EXPECT_TRUE(ui.messages.empty()) << "a save that works says nothing";
    EXPECT_EQ(ListBoxItems(List5(form)), (Names{"smiley", "heart"}));
    EXPECT_EQ(dir.Read("dlist.txt"), "smiley\r\nheart\r\n");
    const std::string file = dir.File("Designs\\heart.rtf");
    ASSERT_TRUE(FileExists(file)) << "the Designs folder is made for the first save";
    EXPECT_EQ(ReadFile(file).rfind("{\\rtf", 0), 0u);

    // Reopen it into an emptied editor: the text, the bold and the colour come back.
    Click(form, IDC_COMMAND22);
    EXPECT_EQ(form.Box(5).Text(), "");
    ClickRows(form, {1});
    RichTextBox& box = form.Box(5);
    EXPECT_EQ(box.Text(), "ab\r\ncd");
    box.Select(0, 2);
    EXPECT_TRUE(box.SelBold());
    EXPECT_EQ(box.SelColor(), RGB(255, 0, 0));
    box.Select(4, 2);
    EXPECT_FALSE(box.SelBold());

    // The window is built anew: its name box starts empty the next time.
    std::string nameShown = "?";
    SaveWindowScript second({[&](HWND window) {
        char text[64] = {};
        GetDlgItemTextA(window, IDC_FORM5_TEXT1, text, sizeof(text));
        nameShown = text;
        SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
    }});
    second.Run(form);
    EXPECT_EQ(nameShown, "");
    EXPECT_EQ(ListBoxItems(List5(form)), (Names{"smiley", "heart"})) << "a cancelled window lists nothing";
}

TEST(ArtDesignLibrary, NamesThatCannotBeFilesKeepTheWindowOpen) {
    RecorderUi ui;
    TempFolder dir;
    WriteStartFiles(dir, "");
    Form1 form(ui, dir.Path());
    ASSERT_TRUE(form.Create(false));
    Draw(form.Box(5));

    SaveWindowScript script({TypeAndSave("a/b"), TypeAndSave("con"), TypeAndSave("x:y"), TypeAndSave("star")});
    script.Run(form);

    EXPECT_EQ(script.openAfterStep, (std::vector<bool>{true, true, true, false}));
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].text, "The name \"a/b\" cannot be used as a file name. Please choose another name.");
    EXPECT_EQ(ui.messages[0].title, "Save");
    EXPECT_EQ(ui.messages[0].flags, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_NE(ui.messages[1].text.find("\"con\" cannot be used as a file name"), std::string::npos);
    EXPECT_NE(ui.messages[2].text.find("\"x:y\" cannot be used as a file name"), std::string::npos);
    EXPECT_EQ(ListBoxItems(List5(form)), (Names{"star"})) << "only the usable name is listed";
    EXPECT_EQ(dir.Read("dlist.txt"), "star\r\n");
    EXPECT_FALSE(dir.Exists("Designs\\a")) << "no folder made out of a name";
    EXPECT_TRUE(FileExists(dir.File("Designs\\star.rtf")));
}

TEST(ArtDesignLibrary, EnterSavesAndRepeatedOrEmptyNamesAreListedAsTyped) {
    RecorderUi ui;
    TempFolder dir;
    WriteStartFiles(dir, "star\r\n");
    Form1 form(ui, dir.Path());
    ASSERT_TRUE(form.Create(false));
    CreateDirectoryA(dir.File("Designs").c_str(), nullptr);
    dir.Write("Designs\\star.rtf", "{\\rtf1 old star}");

    // Typing the name and pressing Enter is the same as clicking "Save".
    Draw(form.Box(5), "new star");
    SaveWindowScript enter({[](HWND window) {
                                HWND text1 = GetDlgItem(window, IDC_FORM5_TEXT1);
                                SetWindowTextA(text1, "star");
                                SetFocus(text1);
                                PostMessageA(text1, WM_KEYDOWN, VK_RETURN, 0);
                            },
                            [](HWND) {}});
    enter.Run(form);
    EXPECT_EQ(enter.openAfterStep.size(), 1u) << "the window had closed before the second step";
    EXPECT_EQ(ListBoxItems(List5(form)), (Names{"star", "star"})) << "a repeated name is listed again";
    ClickRows(form, {0});
    EXPECT_EQ(form.Box(5).Text(), "new star") << "and its file replaced";

    SaveWindowScript empty({TypeAndSave("")});
    empty.Run(form);
    EXPECT_EQ(ListBoxItems(List5(form)), (Names{"star", "star", ""}));
    EXPECT_EQ(dir.Read("dlist.txt"), "star\r\nstar\r\n\r\n");
    EXPECT_TRUE(FileExists(dir.File("Designs\\.rtf"))) << "the empty name is the file \".rtf\"";
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ArtDesignLibrary, AListFileThatCannotBeWrittenIsReportedAndTheWindowStays) {
    RecorderUi ui;
    TempFolder dir;
    WriteStartFiles(dir, "");
    DeleteFileA(dir.File("dlist.txt").c_str());
    // A folder where the name list should be: it can be neither written nor found.
    CreateDirectoryA(dir.File("dlist.txt").c_str(), nullptr);
    Form1 form(ui, dir.Path());
    ASSERT_TRUE(form.Create(false));
    ui.messages.clear();  // the start-up's own "[dlist.txt]" message

    Draw(form.Box(5));
    SaveWindowScript script({TypeAndSave("lost")});
    script.Run(form);
    EXPECT_EQ(script.openAfterStep, (std::vector<bool>{true}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "One of the files [dlist.txt]does not exist!");
    EXPECT_EQ(ui.messages[0].title, "Saved");
    EXPECT_EQ(ui.messages[0].flags, static_cast<UINT>(MB_ICONHAND));
    EXPECT_EQ(SendMessageA(List5(form), LB_GETCOUNT, 0, 0), 0) << "the list is left empty";
    EXPECT_TRUE(FileExists(dir.File("Designs\\lost.rtf"))) << "the design itself was written";
}

TEST(ArtDesignLibrary, SaveChangesAsksFirstAndWritesOnlyTheHighlightedDesign) {
    RecorderUi ui;
    TempFolder dir;
    WriteStartFiles(dir, "one\r\ntwo\r\n");
    Form1 form(ui, dir.Path());
    ASSERT_TRUE(form.Create(false));
    CreateDirectoryA(dir.File("Designs").c_str(), nullptr);
    dir.Write("Designs\\one.rtf", "{\\rtf1 first}");
    dir.Write("Designs\\two.rtf", "{\\rtf1 second}");

    ClickRows(form, {1});
    ASSERT_EQ(form.Box(5).Text(), "second");
    Draw(form.Box(5), "second, changed");

    ui.nextAnswer = IDNO;
    Click(form, IDC_COMMAND20);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Are you sure you want to save the changes?");
    EXPECT_EQ(ui.messages[0].title, "Save Changes");
    EXPECT_EQ(ui.messages[0].flags, 36u);
    EXPECT_EQ(dir.Read("Designs\\two.rtf"), "{\\rtf1 second}") << "No keeps the file";

    ui.nextAnswer = IDYES;
    Click(form, IDC_COMMAND20);
    EXPECT_EQ(ui.messages.size(), 2u);
    Click(form, IDC_COMMAND22);
    ClickRows(form, {1});
    EXPECT_EQ(form.Box(5).Text(), "second, changed");
    EXPECT_EQ(dir.Read("Designs\\one.rtf"), "{\\rtf1 first}");
    EXPECT_EQ(ListBoxItems(List5(form)), (Names{"one", "two"}));
    EXPECT_EQ(dir.Read("dlist.txt"), "one\r\ntwo\r\n") << "the list file is not touched";

    // Clear empties the editor only; the highlight stays, so Save Changes
    // would store the empty design under that name.
    Click(form, IDC_COMMAND22);
    EXPECT_EQ(form.Box(5).Text(), "");
    EXPECT_GT(SendMessageA(List5(form), LB_GETSEL, 1, 0), 0);

    // With nothing highlighted the question is asked and nothing is written.
    SendMessageA(List5(form), LB_SETSEL, FALSE, -1);
    Draw(form.Box(5), "nowhere");
    Click(form, IDC_COMMAND20);
    EXPECT_EQ(ui.messages.size(), 3u) << "only the question";
    EXPECT_EQ(dir.Read("Designs\\one.rtf"), "{\\rtf1 first}");
    EXPECT_NE(dir.Read("Designs\\two.rtf").find("changed"), std::string::npos);
}

TEST(ArtDesignLibrary, DeleteFromListRemovesEveryHighlightedNameAndKeepsTheFiles) {
    RecorderUi ui;
    TempFolder dir;
    WriteStartFiles(dir, "a\r\nb\r\nc\r\nd\r\n");
    Form1 form(ui, dir.Path());
    ASSERT_TRUE(form.Create(false));
    CreateDirectoryA(dir.File("Designs").c_str(), nullptr);
    for (const char* name : {"a", "b", "c", "d"}) dir.Write(std::string("Designs\\") + name + ".rtf", "{\\rtf1 x}");

    ClickRows(form, {1, 3});
    Click(form, IDC_COMMAND21);
    EXPECT_EQ(ListBoxItems(List5(form)), (Names{"a", "c"}));
    EXPECT_EQ(dir.Read("dlist.txt"), "a\r\nc\r\n");
    EXPECT_TRUE(FileExists(dir.File("Designs\\b.rtf")));
    EXPECT_TRUE(FileExists(dir.File("Designs\\d.rtf")));
    EXPECT_TRUE(ui.messages.empty()) << "no confirmation is asked";

    // Nothing highlighted: the list is rewritten as it is.
    SendMessageA(List5(form), LB_SETSEL, FALSE, -1);
    Click(form, IDC_COMMAND21);
    EXPECT_EQ(ListBoxItems(List5(form)), (Names{"a", "c"}));

    // Saving under a deleted name lists it again and replaces its old file.
    Draw(form.Box(5), "b again");
    SaveWindowScript script({TypeAndSave("b")});
    script.Run(form);
    EXPECT_EQ(ListBoxItems(List5(form)), (Names{"a", "c", "b"}));
    ClickRows(form, {2});
    EXPECT_EQ(form.Box(5).Text(), "b again");
}

TEST(ArtDesignLibrary, ADesignWhoseFileIsGoneIsNamedInAMessage) {
    RecorderUi ui;
    TempFolder dir;
    WriteStartFiles(dir, "ghost\r\nbroken\r\n");
    Form1 form(ui, dir.Path());
    ASSERT_TRUE(form.Create(false));
    CreateDirectoryA(dir.File("Designs").c_str(), nullptr);
    dir.Write("Designs\\broken.rtf", "this is no rich text");

    Draw(form.Box(5), "left over");
    ClickRows(form, {0});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "The design file [Designs\\ghost.rtf] could not be opened.");
    EXPECT_EQ(ui.messages[0].flags, static_cast<UINT>(MB_ICONHAND));
    EXPECT_EQ(form.Box(5).Text(), "") << "the editor is left empty";

    Draw(form.Box(5), "left over");
    ClickRows(form, {1});
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "The design file [Designs\\broken.rtf] could not be opened.");
    EXPECT_EQ(form.Box(5).Text(), "");
}

TEST(ArtDesignLibrary, TheStarterDesignOpensAsAColouredDrawing) {
    RecorderUi ui;
    TempFolder dir;
    WriteStartFiles(dir, "");
    const std::string starter = std::string(VIVARTO_SOURCE_DIR) + "/app/starter/";
    const std::string dlist = ReadFile(starter + "dlist.txt");
    const std::vector<std::string> names = ParseLineList(dlist);
    ASSERT_EQ(names.size(), 1u) << "the program ships one art design";
    dir.Write("dlist.txt", dlist);
    CreateDirectoryA(dir.File("Designs").c_str(), nullptr);
    dir.Write("Designs\\" + names[0] + ".rtf", ReadFile(starter + "Designs/" + names[0] + ".rtf"));

    Form1 form(ui, dir.Path());
    ASSERT_TRUE(form.Create(false));
    EXPECT_EQ(ListBoxItems(List5(form)), names);
    ClickRows(form, {0});
    EXPECT_TRUE(ui.messages.empty());

    RichTextBox& box = form.Box(5);
    const std::string text = box.Text();
    std::size_t lines = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    EXPECT_GE(lines, 3u) << "a drawing of several lines";
    std::vector<COLORREF> colors;
    for (long i = 0; i < static_cast<long>(text.size()); ++i) {
        if (text[static_cast<std::size_t>(i)] == ' ' || text[static_cast<std::size_t>(i)] == '\r' ||
            text[static_cast<std::size_t>(i)] == '\n')
            continue;
        box.Select(i, 1);
        const COLORREF c = box.SelColor();
        if (std::find(colors.begin(), colors.end(), c) == colors.end()) colors.push_back(c);
    }
    EXPECT_GE(colors.size(), 3u) << "in several colours";
}
