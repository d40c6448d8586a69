// The main window by keyboard and screen reader, page by page: every control that takes the focus
// has a name by the platform's rule, unique on its page; access keys never repeat on a page and
// each reaches its control; Tab goes round in reading order; tabs switch by key; Enter on a colour
// box opens the colour dialog; the program's fonts follow a change of DPI.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cwctype>
#include <set>

#include "app/form1_win.h"
#include "context/resource.h"
#include "tests/win/win_test_support.h"
#include "ui/window_util_win.h"

namespace {

// Each page's tab stops in reading order (an option group by its first option), then the shared ones.
const std::vector<int> kReadingOrder[3] = {
    {IDC_RICHTEXTBOX1, IDC_COMMAND2, IDC_COMMAND3, IDC_COMMAND5, IDC_COMMAND6, IDC_COMMAND7, IDC_COMMAND1,
     IDC_PICCOLORA, IDC_PICCOLORB, IDC_CHKRANDOMCOLOR, IDC_OPTION1, IDC_LIST1, IDC_TEXT3, IDC_COMMAND10,
     IDC_COMMAND11, IDC_OPTION3, IDC_TEXT2, IDC_COMMAND8, IDC_COMMAND9, IDC_LIST2, IDC_LIST3, IDC_RICHTEXTBOX2,
     IDC_RICHTEXTBOX3, IDC_COMMAND14, IDC_COMMAND13, IDC_COMMAND12},
    {IDC_LIST4, IDC_TEXT4, IDC_COMMAND17, IDC_COMMAND16, IDC_COMMAND4, IDC_COMMAND18, IDC_COMMAND19, IDC_OPENEDITOR,
     IDC_OPTION8, IDC_CHECK3, IDC_CHECK4, IDC_CHECK1, IDC_CHECK2, IDC_PICTURE10, IDC_PICTURE7, IDC_PICTURE8},
    {IDC_LIST5, IDC_RICHTEXTBOX5, IDC_COMMAND23, IDC_COMMAND20, IDC_COMMAND21, IDC_COMMAND22, IDC_COMMAND26,
     IDC_COMMAND27, IDC_COMMAND28, IDC_COMMAND29, IDC_COMMAND30, IDC_PICTURE13, IDC_PICTURE14, IDC_COMMAND24,
     IDC_TEXT5, IDC_COMMAND25}};
const std::vector<int> kSharedOrder = {IDC_COMMAND15, IDC_COMBO1, IDC_OPTION10, IDC_OPTION6, IDC_SSTAB1};

std::string ClassOf(HWND h) {
    char name[64] = {};
    GetClassNameA(h, name, sizeof(name));
    return name;
}
LONG StyleOf(HWND h) { return GetWindowLongW(h, GWL_STYLE); }
bool IsOption(HWND h) { return ClassOf(h) == "Button" && (StyleOf(h) & BS_TYPEMASK) == BS_AUTORADIOBUTTON; }
HWND GroupOf(HWND h) {  // an option's group is known by its first option; a combo box's edit is the box
    if (ClassOf(GetParent(h)) == "ComboBox") h = GetParent(h);
    while (IsOption(h) && !(StyleOf(h) & WS_GROUP)) h = GetWindow(h, GW_HWNDPREV);
    return h;
}

// A button is named by its caption, any other control by the label right before it.
std::string NameOf(HWND h) {
    HWND label = ClassOf(h) == "Button" ? h : GetWindow(h, GW_HWNDPREV);
    return label && (label == h || ClassOf(label) == "Static") ? CaptionOf(label) : "";
}

// The access key a caption marks ("&&" is a plain "&"), 0 for none.
wchar_t KeyOf(const std::string& caption) {
    const std::wstring text = WideFromUtf8(caption);
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == L'&' && text[++i] != L'&') return static_cast<wchar_t>(std::towupper(text[i]));
    return 0;
}

// The shown controls under `parent` that take the focus: tab stops and every option of a group.
std::vector<HWND> Focusable(HWND parent) {
    std::vector<HWND> found;
    for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if ((StyleOf(h) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE && ((StyleOf(h) & WS_TABSTOP) || IsOption(h)))
            found.push_back(h);
    return found;
}

// A key as the user presses it: the modifiers held in the thread's key state, the key sent to the focus
// through the program's own event pump.
void Press(UINT message, WPARAM key, std::initializer_list<int> held = {}) {
    BYTE keys[256] = {};
    for (int vk : held) keys[vk] = 0x80;
    SetKeyboardState(keys);
    PostMessageW(GetFocus(), message, key, message == WM_KEYDOWN ? 1 : 1 | 1 << 29);
    // Escape after an Alt key that nothing took, or the menu bar would wait for one.
    if (message == WM_SYSKEYDOWN) PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    RunPendingEvents();
    std::fill(std::begin(keys), std::end(keys), 0);
    SetKeyboardState(keys);
}

// Button clicks reach the window procedure below instead of their handlers and are only noted.
HWND g_pressed = nullptr;
LRESULT CALLBACK NoteClicks(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && lParam && HIWORD(wParam) == BN_CLICKED) return g_pressed = HWND(lParam), 0;
    return CallWindowProcW(reinterpret_cast<WNDPROC>(GetPropW(h, L"proc")), h, msg, wParam, lParam);
}
void HoldClicks(HWND h, bool hold) {
    if (hold) SetPropW(h, L"proc", reinterpret_cast<HANDLE>(GetWindowLongPtrW(h, GWLP_WNDPROC)));
    SetWindowLongPtrW(h, GWLP_WNDPROC, hold ? LONG_PTR(NoteClicks) : LONG_PTR(GetPropW(h, L"proc")));
}

class Accessibility : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(hwnd_ = form_.Create(true)); }
    HWND Tabs() { return form_.Control(IDC_SSTAB1); }
    int ShownTab() { return static_cast<int>(SendMessageW(Tabs(), TCM_GETCURSEL, 0, 0)); }
    std::string TabCaption(int i) {
        char text[64] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT, item.pszText = text, item.cchTextMax = sizeof(text);
        SendMessageA(Tabs(), TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        return text;
    }

    TempFolder dir_;
    RecorderUi ui_;
    Form1 form_{ui_, dir_.Path()};
    HWND hwnd_ = nullptr;
};

TEST_F(Accessibility, EveryPageIsNamedKeyedAndReadInOrder) {
    std::set<HWND> all, keyed{Tabs()};  // the tab control's keys are its tabs', tried below
    const HMENU menu = GetMenu(hwnd_);
    for (int page = 0; page < 3; ++page) {
        form_.ShowTab(page);
        const HWND pageHwnd = form_.Page(page);
        std::vector<HWND> controls = Focusable(pageHwnd), shared = Focusable(hwnd_), captions;
        controls.insert(controls.end(), shared.begin(), shared.end());
        std::set<std::string> names;
        for (HWND c : controls) {
            const std::string name = NameOf(c);
            EXPECT_TRUE(!name.empty() && names.insert(name).second) << page << ": " << GetDlgCtrlID(c) << " " << name;
            all.insert(c);
        }
        std::multiset<wchar_t> keys;  // the tabs', the menu's and those of every caption shown
        for (int i = 0; i < 3; ++i) keys.insert(KeyOf(TabCaption(i)));
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[64] = {};
            GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION);
            keys.insert(KeyOf(text));
        }
        for (HWND parent : {pageHwnd, hwnd_})
            for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
                if (IsWindowVisible(h) && KeyOf(WindowTextOf(h))) captions.push_back(h), keys.insert(KeyOf(WindowTextOf(h)));
        for (wchar_t key : keys) EXPECT_TRUE(!key || keys.count(key) == 1) << page << ": " << char(key);

        // Each key presses its button or moves the focus to the control its label or frame names.
        HoldClicks(pageHwnd, true), HoldClicks(hwnd_, true);
        for (HWND caption : captions) {
            SetFocus(Tabs()), g_pressed = nullptr;
            Press(WM_SYSCHAR, std::towlower(KeyOf(WindowTextOf(caption))), {VK_MENU});
            const HWND reached = g_pressed ? g_pressed : GroupOf(GetFocus()), before = GetWindow(reached, GW_HWNDPREV);
            EXPECT_TRUE(std::count(controls.begin(), controls.end(), reached) &&
                        (reached == caption || before == caption || GetWindow(before, GW_HWNDPREV) == caption))
                << page << ": " << WindowTextOf(caption) << " reached " << GetDlgCtrlID(reached);
            keyed.insert(reached);
        }
        HoldClicks(pageHwnd, false), HoldClicks(hwnd_, false);

        // Tab from the page's first control goes round it in reading order, then the shared controls;
        // nothing it reaches is hidden or outside the window but Command15, which is meant to be.
        std::vector<int> expected = kReadingOrder[page], visited;
        expected.insert(expected.end(), kSharedOrder.begin(), kSharedOrder.end());
        SetFocus(GetDlgItem(pageHwnd, expected[0]));
        RECT client, place;
        GetClientRect(hwnd_, &client);
        MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&client), 2);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            Press(WM_KEYDOWN, VK_TAB);
            visited.push_back(GetDlgCtrlID(GroupOf(GetFocus())));
            GetWindowRect(GetFocus(), &place);
            EXPECT_TRUE(IsWindowVisible(GetFocus()) && (visited.back() == IDC_COMMAND15 || IntersectRect(&place, &place, &client)));
        }
        std::rotate(expected.begin(), expected.begin() + 1, expected.end());
        EXPECT_EQ(visited, expected) << "page " << page;
    }
    EXPECT_GE(keyed.size() * 4, all.size() * 3) << keyed.size() << " of " << all.size() << " controls have a key";
}

TEST_F(Accessibility, TabsSwitchByKeyColorBoxesOpenOnEnterFontsFollowTheDpi) {
    SetFocus(form_.Control(IDC_RICHTEXTBOX1));
    const struct { WPARAM key; bool shift; int tab; } switches[] = {
        {VK_TAB, false, 1}, {VK_TAB, false, 2}, {VK_TAB, false, 0}, {VK_TAB, true, 2}, {VK_PRIOR, false, 1}, {VK_NEXT, false, 2}};
    for (const auto& s : switches) {
        Press(WM_KEYDOWN, s.key, {VK_CONTROL, s.shift ? VK_SHIFT : VK_CONTROL});
        EXPECT_EQ(ShownTab(), s.tab) << s.key;
    }
    for (int i = 0; i < 3; ++i) {
        SetFocus(Focusable(form_.Page(ShownTab()))[0]);
        Press(WM_SYSKEYDOWN, KeyOf(TabCaption(i)), {VK_MENU});
        EXPECT_TRUE(ShownTab() == i && IsWindowVisible(form_.Page(i)) && GetFocus() == Tabs()) << TabCaption(i);
        form_.ShowTab(i);  // the colour boxes are tried where they are seen, whatever the key did
        for (HWND box : Focusable(form_.Page(i)))
            for (WPARAM key : {VK_RETURN, VK_SPACE})
                if (ClassOf(box) == "VivartoColorBox") {
                    const int shown = ui_.colorDialogs;
                    SetFocus(box), Press(WM_KEYDOWN, key);
                    EXPECT_EQ(ui_.colorDialogs, shown + 1) << GetDlgCtrlID(box) << " key " << key;
                }
    }
    // The controls with a font of the program's own (not their window's) get it again at 1.5 times the DPI.
    std::vector<std::pair<HWND, LONG>> made;
    LOGFONTW font{};
    for (HWND parent : {hwnd_, form_.Page(0), form_.Page(1), form_.Page(2)})
        for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
            if (HGDIOBJ f = HGDIOBJ(SendMessageW(h, WM_GETFONT, 0, 0)); f && ClassOf(h) != "RichEdit20W" && ClassOf(h) != "#32770" &&
                f != HGDIOBJ(SendMessageW(parent, WM_GETFONT, 0, 0)) && GetObjectW(f, sizeof(font), &font))
                made.push_back({h, font.lfHeight});
    ASSERT_FALSE(made.empty());
    RECT was, now;
    GetWindowRect(hwnd_, &was);
    RECT suggested{was.left + 5, was.top + 5, was.left + 5 + (was.right - was.left) * 3 / 2, was.top + 5 + (was.bottom - was.top) * 3 / 2};
    const UINT dpi = GetDpiForWindow(hwnd_) * 3 / 2;
    SendMessageW(hwnd_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(hwnd_, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested));
    for (auto [control, height] : made) {
        GetObjectW(HGDIOBJ(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
        EXPECT_NEAR(font.lfHeight, height * 3 / 2, 1) << GetDlgCtrlID(control);
    }
}

}  // namespace
