// The design editor (Form2, modeless) and "Change Text Design" (Form8, modal)
// against a real main window. The modal window is driven from a thread timer,
// whose ticks run inside the window's own message loop, as a user's clicks
// would; a window that never shows simply lets the timer run out.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/form1_win.h"
#include "app/line_list.h"
#include "app/list_files_win.h"
#include "app/modeless_win.h"
#include "designs/decorations.h"
#include "designs/text_designs_tab_win.h"
#include "tests/win/win_test_support.h"

namespace {

std::string Decoration(int number) { return std::string(kDecorations[static_cast<std::size_t>(number - 1)]); }

std::string Text(HWND hwnd) {
    char buffer[1024] = {};
    GetWindowTextA(hwnd, buffer, sizeof(buffer));
    return buffer;
}

// ---------------------------------------------------------------- modal script

// What the "user" does in the Change Text Design window once it shows.
struct ModalScript {
    std::function<void(HWND dialog)> act;
    HWND owner = nullptr;
    bool seen = false;
    bool ownerEnabledWhileOpen = true;
    std::string textAtOpen;
    int ticks = 0;
};
ModalScript* g_script = nullptr;

HWND FindThreadWindow(const char* caption) {
    struct Find {
        const char* caption;
        HWND found;
    } find{caption, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* f = reinterpret_cast<Find*>(lParam);
            if (IsWindowVisible(hwnd) && Text(hwnd) == f->caption) {
                f->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&find));
    return find.found;
}

void CALLBACK ModalTick(HWND, UINT, UINT_PTR id, DWORD) {
    ModalScript* s = g_script;
    if (!s) return;
    ++s->ticks;
    HWND dialog = FindThreadWindow("Change Text Design");
    if (dialog) {
        KillTimer(nullptr, id);
        s->seen = true;
        s->ownerEnabledWhileOpen = IsWindowEnabled(s->owner) != FALSE;
        s->textAtOpen = Text(GetDlgItem(dialog, IDC_FORM8_TEXT1));
        s->act(dialog);
        // Whatever the script did, the window must not outlive it.
        if (IsWindow(dialog)) EndDialog(dialog, 0);
    } else if (s->ticks > 250) {
        KillTimer(nullptr, id);
    }
}

class DesignWindowsTest : public ::testing::Test {
protected:
    void Start(const std::vector<std::string>& designs, bool show = false) {
        dir_.Write("dl.txt", "");
        dir_.Write("nicks.txt", "");
        dir_.Write("saved.txt", FormatLineList(designs));
        dir_.Write("dlist.txt", "");
        form_ = std::make_unique<Form1>(ui_, dir_.Path());
        ASSERT_NE(form_->Create(show), nullptr);
        form_->ShowTab(1);
    }
    void TearDown() override {
        form_.reset();
        PumpMessages();
    }

    HWND List4() { return form_->Control(IDC_LIST4); }
    std::vector<std::string> Designs() { return ListBoxItems(List4()); }
    void Click(int id) { SendMessageA(form_->Control(id), BM_CLICK, 0, 0); }

    // The "Design Editor" button, then the editor's parts.
    HWND OpenEditor() {
        Click(IDC_OPENEDITOR);
        return form_->TextDesigns().DesignEditorWindow();
    }
    HWND Editor() { return form_->TextDesigns().DesignEditorWindow(); }
    HWND List1() { return GetDlgItem(Editor(), IDC_FORM2_LIST1); }
    HWND Line() { return GetDlgItem(Editor(), IDC_FORM2_TEXT1); }
    void ChooseDecoration(int number) {
        SendMessageA(List1(), LB_SETCURSEL, static_cast<WPARAM>(number - 1), 0);
        SendMessageA(Editor(), WM_COMMAND, MAKEWPARAM(IDC_FORM2_LIST1, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(List1()));
    }
    void SaveToDesignBox() { SendMessageA(GetDlgItem(Editor(), IDC_FORM2_COMMAND1), BM_CLICK, 0, 0); }

    // "Edit" with a script for the window it opens.
    ModalScript Edit(std::function<void(HWND)> act) {
        ModalScript script;
        script.act = std::move(act);
        script.owner = form_->Hwnd();
        g_script = &script;
        UINT_PTR timer = SetTimer(nullptr, 0, 20, ModalTick);
        Click(IDC_COMMAND16);
        KillTimer(nullptr, timer);
        g_script = nullptr;
        return script;
    }

    RecorderUi ui_;
    TempFolder dir_;
    std::unique_ptr<Form1> form_;
};

// ---------------------------------------------------------------- the editor

TEST_F(DesignWindowsTest, EditorOpensBesideTheMainWindowWithTheDecorationsInOrder) {
    Start({"a"});
    EXPECT_EQ(Editor(), nullptr);
    HWND editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(IsWindowVisible(editor));
    EXPECT_EQ(Text(editor), "Editor");
    EXPECT_EQ(GetWindow(editor, GW_OWNER), form_->Hwnd());
    EXPECT_EQ(Text(Line()), "");
    EXPECT_EQ(Text(GetDlgItem(editor, IDC_FORM2_LABEL1)), "Use the ASCII on the lisbox or create your own :)");
    EXPECT_EQ(Text(GetDlgItem(editor, IDC_FORM2_COMMAND1)), "Save To Design Box");
    // Byte for byte as the list box holds them: the ANSI round trip keeps the
    // soft hyphens and the typographic characters.
    const std::vector<std::string> expected(kDecorations.begin(), kDecorations.end());
    EXPECT_EQ(ListBoxItems(List1()), expected);
}

TEST_F(DesignWindowsTest, DecorationsGoToTheEndOfTheLineWhereverTheCaretIs) {
    Start({});
    OpenEditor();
    ChooseDecoration(11);
    EXPECT_EQ(Text(Line()), Decoration(11));
    // The user types a word after it, then moves the caret to the start.
    const std::string typed = Decoration(11) + "Bob ";
    SetWindowTextA(Line(), typed.c_str());
    SendMessageA(Line(), EM_SETSEL, 0, 0);
    ChooseDecoration(12);
    EXPECT_EQ(Text(Line()), Decoration(11) + "Bob " + Decoration(12));
    // An arrow key in the list chooses the next one, and it is appended too.
    SetFocus(List1());
    SendMessageA(List1(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Text(Line()), Decoration(11) + "Bob " + Decoration(12) + Decoration(13));
}

TEST_F(DesignWindowsTest, SaveToDesignBoxAddsTheLineAfterABlankAndWritesSavedTxt) {
    Start({"first"});
    OpenEditor();
    ChooseDecoration(18);
    const std::string line = Decoration(18) + "Thanks " + Decoration(19);
    SetWindowTextA(Line(), line.c_str());
    SaveToDesignBox();
    EXPECT_EQ(Designs(), (std::vector<std::string>{"first", " " + line}));
    // The file holds the soft hyphen of decoration 19 as the byte AD.
    EXPECT_EQ(dir_.Read("saved.txt"), "first\r\n " + line + "\r\n");
    EXPECT_NE(dir_.Read("saved.txt").find('\xAD'), std::string::npos);
    // The editor stays open with its line.
    EXPECT_TRUE(IsWindow(Editor()));
    EXPECT_EQ(Text(Line()), line);

    SaveToDesignBox();  // twice: two entries
    EXPECT_EQ(Designs(), (std::vector<std::string>{"first", " " + line, " " + line}));

    SetWindowTextA(Line(), "");
    SaveToDesignBox();  // an empty line: a single blank
    EXPECT_EQ(Designs().back(), " ");
    EXPECT_EQ(dir_.Read("saved.txt"), FormatLineList({"first", " " + line, " " + line, " "}));
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(DesignWindowsTest, HelpMenuShowsTheTipWithTheQuestionIcon) {
    Start({});
    HWND editor = OpenEditor();
    HMENU menu = GetMenu(editor);
    ASSERT_NE(menu, nullptr);
    char caption[32] = {};
    GetMenuStringA(menu, IDM_FORM2_HELP, caption, sizeof(caption), MF_BYCOMMAND);
    EXPECT_STREQ(caption, "Help");
    SendMessageA(editor, WM_COMMAND, MAKEWPARAM(IDM_FORM2_HELP, 0), 0);
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, "You can make your own design be creative :)");
    EXPECT_EQ(ui_.messages[0].title, "Help");
    EXPECT_EQ(ui_.messages[0].flags, 32u);  // OK button, question mark
}

TEST_F(DesignWindowsTest, OneEditorOnlyReopenedFreshAfterClosing) {
    Start({}, true);
    HWND editor = OpenEditor();
    SetWindowTextA(Line(), "work in progress");
    ShowWindow(editor, SW_MINIMIZE);
    SetForegroundWindow(form_->Hwnd());
    PumpMessages();

    // Open while open: the same window comes back to the front, as it was.
    EXPECT_EQ(OpenEditor(), editor);
    PumpMessages();
    EXPECT_FALSE(IsIconic(editor));
    EXPECT_EQ(GetForegroundWindow(), editor);
    EXPECT_EQ(Text(Line()), "work in progress");
    EXPECT_EQ(SendMessageA(List1(), LB_GETCOUNT, 0, 0), 117);

    // Closed and opened again: built anew, 117 decorations and not 234.
    SendMessageA(editor, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(Editor(), nullptr);
    HWND again = OpenEditor();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(SendMessageA(List1(), LB_GETCOUNT, 0, 0), 117);
    EXPECT_EQ(Text(Line()), "");
    // Escape closes it as well.
    SendMessageA(again, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindow(again));
}

TEST_F(DesignWindowsTest, TabMovesThroughTheEditorsControls) {
    Start({}, true);
    OpenEditor();
    PumpMessages();
    SetFocus(List1());
    ASSERT_EQ(GetFocus(), List1());
    // The program's event loop hands keystrokes to the editor's dialog manager.
    MSG tab{List1(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    DispatchOne(tab);
    EXPECT_EQ(GetFocus(), Line());
}

TEST_F(DesignWindowsTest, ClosingTheMainWindowTakesTheEditorAlong) {
    Start({});
    HWND editor = OpenEditor();
    DestroyWindow(form_->Hwnd());
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_TRUE(form_->Closed());
}

// ---------------------------------------------------------------- Change Text Design

TEST_F(DesignWindowsTest, ChangeReplacesTheSelectedDesignInPlaceAndWaitsForTheNextSave) {
    const std::string decorated = Decoration(94) + " x " + Decoration(93);
    Start({"a", decorated, "c"});
    const std::string fileBefore = dir_.Read("saved.txt");
    SendMessageA(List4(), LB_SETCURSEL, 1, 0);
    ModalScript script = Edit([](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_FORM8_TEXT1, "b, \"changed\"");
        SendMessageA(GetDlgItem(dialog, IDC_FORM8_COMMAND1), BM_CLICK, 0, 0);
    });
    ASSERT_TRUE(script.seen);
    EXPECT_EQ(script.textAtOpen, decorated);  // the design, soft hyphens and all
    EXPECT_FALSE(script.ownerEnabledWhileOpen);  // modal: the main window waits
    EXPECT_FALSE(IsWindow(FindThreadWindow("Change Text Design")));
    EXPECT_TRUE(IsWindowEnabled(form_->Hwnd()));
    EXPECT_EQ(Designs(), (std::vector<std::string>{"a", "b, \"changed\"", "c"}));
    EXPECT_EQ(SendMessageA(List4(), LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(dir_.Read("saved.txt"), fileBefore);

    Click(IDC_COMMAND18);  // Save stores the change
    EXPECT_EQ(dir_.Read("saved.txt"), "a\r\nb, \"changed\"\r\nc\r\n");
}

TEST_F(DesignWindowsTest, CancelAndTheCloseBoxChangeNothing) {
    Start({"a", "b"});
    SendMessageA(List4(), LB_SETCURSEL, 0, 0);
    ModalScript cancelled = Edit([](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_FORM8_TEXT1, "edited");
        SendMessageA(GetDlgItem(dialog, IDC_FORM8_COMMAND2), BM_CLICK, 0, 0);
    });
    ASSERT_TRUE(cancelled.seen);
    EXPECT_EQ(cancelled.textAtOpen, "a");
    EXPECT_EQ(Designs(), (std::vector<std::string>{"a", "b"}));

    ModalScript closed = Edit([](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_FORM8_TEXT1, "edited");
        SendMessageA(dialog, WM_CLOSE, 0, 0);
        PumpMessages();
    });
    ASSERT_TRUE(closed.seen);
    EXPECT_EQ(Designs(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(dir_.Read("saved.txt"), "a\r\nb\r\n");
}

TEST_F(DesignWindowsTest, EditWithNoDesignSelectedOpensNothing) {
    Start({"a", "b"});
    SendMessageA(List4(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ModalScript script = Edit([](HWND dialog) {
        SendMessageA(GetDlgItem(dialog, IDC_FORM8_COMMAND1), BM_CLICK, 0, 0);
    });
    EXPECT_FALSE(script.seen);
    EXPECT_EQ(Designs(), (std::vector<std::string>{"a", "b"}));
}

}  // namespace
