// The main window by keyboard and screen reader, page by page: every control that takes the focus
// has a name by the platform's rule, unique on its page; access keys never repeat on a page and
// each reaches its control; Tab goes round in reading order; tabs switch by key; Enter and Space
// on a colour box open the colour dialog; the program's fonts follow a change of DPI.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "app/form1_win.h"
#include "designs/text_designs_tab_win.h"
#include "context/resource.h"
#include "tests/win/win_test_support.h"
#include "ui/window_util_win.h"

namespace {

// Each page's tab stops in reading order (an option group by its first option), then the shared ones.
const std::vector<int> kReadingOrder[3] = {
    {IDC_RICHTEXTBOX1, IDC_COMMAND2, IDC_COMMAND3, IDC_COMMAND5, IDC_COMMAND6, IDC_COMMAND7, IDC_COMMAND1,
     IDC_PICCOLORA, IDC_PICCOLORB, IDC_CHKRANDOMCOLOR, IDC_FADESTYLE, IDC_FADECOLORS, IDC_OPTION1, IDC_LIST1, IDC_TEXT3, IDC_COMMAND10,
     IDC_COMMAND11, IDC_OPTION3, IDC_TEXT2, IDC_COMMAND8, IDC_COMMAND9, IDC_LIST2, IDC_LIST3, IDC_RICHTEXTBOX2,
     IDC_RICHTEXTBOX3, IDC_COMMAND14, IDC_COMMAND13, IDC_COMMAND12},
    {IDC_LIST4, IDC_TEXT4, IDC_COMMAND17, IDC_COMMAND16, IDC_COMMAND4, IDC_COMMAND18, IDC_COMMAND19, IDC_OPENEDITOR,
     IDC_OPTION8, IDC_CHECK3, IDC_CHECK4, IDC_CHECK1, IDC_CHECK2, IDC_PICTURE10, IDC_PICTURE7, IDC_PICTURE8,
     IDC_DESIGNFADESTYLE, IDC_DESIGNFADECOLORS},
    {IDC_LIST5, IDC_RICHTEXTBOX5, IDC_COMMAND23, IDC_COMMAND20, IDC_COMMAND21, IDC_COMMAND22, IDC_COMMAND26,
     IDC_COMMAND27, IDC_COMMAND28, IDC_COMMAND29, IDC_COMMAND30, IDC_PICTURE13, IDC_PICTURE14, IDC_COMMAND24,
     IDC_ARTFADESTYLE, IDC_ARTFADECOLORS, IDC_TEXT5, IDC_COMMAND25}};
const std::vector<int> kSharedOrder = {IDC_COMMAND15, IDC_COMBO1, IDC_OPTION10, IDC_OPTION6, IDC_SSTAB1};

std::string ClassOf(HWND h) { char name[64] = {}; return GetClassNameA(h, name, sizeof(name)), name; }
LONG StyleOf(HWND h) { return GetWindowLongW(h, GWL_STYLE); }
bool IsOption(HWND h) { return ClassOf(h) == "Button" && (StyleOf(h) & BS_TYPEMASK) == BS_AUTORADIOBUTTON; }
std::vector<HWND> Children(HWND parent, bool focusable) {  // the shown tab stops and options, or all
    std::vector<HWND> found;
    for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        const bool shown = (StyleOf(h) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
        if (!focusable || (shown && (StyleOf(h) & WS_TABSTOP || IsOption(h)))) found.push_back(h);
    }
    return found;
}
HWND GroupOf(HWND h) {  // an option's group is known by its first option; a combo box's edit is the box
    if (ClassOf(GetParent(h)) == "ComboBox") h = GetParent(h);
    while (IsOption(h) && !(StyleOf(h) & WS_GROUP)) h = GetWindow(h, GW_HWNDPREV);
    return h;
}
// The access key a caption marks, 0 for none.
char KeyOf(const std::string& caption) {
    const auto i = caption.find('&');
    return i != std::string::npos && i + 1 < caption.size() ? static_cast<char>(std::toupper(caption[i + 1])) : 0;
}
// A key as the user presses it: the modifiers held in the thread's key state, the key sent to the
// focus through the program's own event pump; Escape after an Alt key, which nothing may take.
void Press(UINT message, WPARAM key, std::initializer_list<int> held = {}) {
    BYTE keys[256] = {};
    for (int vk : held) keys[vk] = 0x80;
    SetKeyboardState(keys), PostMessageW(GetFocus(), message, key, message == WM_KEYDOWN ? 1 : 1 | 1 << 29);
    if (message == WM_SYSKEYDOWN) PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    RunPendingEvents(), SetKeyboardState(std::fill_n(keys, 256, 0) - 256);
}
TEST(Accessibility, EveryPageNamedKeyedReadInOrderTabsByKeyColorBoxesByEnterFontsByDpi) {
    TempFolder dir;
    RecorderUi ui;
    Form1 form(ui, dir.Path());
    const HWND hwnd = form.Create(true), tabs = form.Control(IDC_SSTAB1);
    char tabCaptions[3][64] = {};
    for (int i = 0; i < 3; ++i) {
        TCITEMA item{TCIF_TEXT, 0, 0, tabCaptions[i], sizeof(tabCaptions[i]), 0, 0};
        SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    std::set<HWND> all, keyed{tabs};  // the tab control's keys are its tabs', tried below
    for (int page = 0; page < 3; ++page) {
        form.ShowTab(page);
        std::vector<HWND> controls = Children(form.Page(page), true), shared = Children(hwnd, true), captions;
        controls.insert(controls.end(), shared.begin(), shared.end());
        std::set<std::string> names;
        for (HWND c : controls) {  // a button is named by its caption, any other control by the label before it
            const HWND label = GetWindow(c, GW_HWNDPREV);
            const std::string name = ClassOf(c) == "Button" ? CaptionOf(c) : ClassOf(label) == "Static" ? CaptionOf(label) : "";
            EXPECT_TRUE(!name.empty() && names.insert(name).second) << GetDlgCtrlID(c) << name;
            all.insert(c);
        }
        std::multiset<char> keys;  // the tabs', the menu's and those of every caption shown
        char text[64];
        for (const char* caption : tabCaptions) keys.insert(KeyOf(caption));
        for (int i = 0; GetMenuStringA(GetMenu(hwnd), i, text, sizeof(text), MF_BYPOSITION); ++i)
            keys.insert(KeyOf(text));
        for (HWND parent : {form.Page(page), hwnd})
            for (HWND h : Children(parent, false))
                if (const char key = KeyOf(WindowTextOf(h)); key && IsWindowVisible(h))
                    captions.push_back(h), keys.insert(key);
        for (char key : keys) EXPECT_TRUE(!key || keys.count(key) == 1) << page << ": " << key;

        // A button's key presses it (the dialog manager's part); a label's or frame's key takes the
        // focus to the control it names.
        for (HWND caption : captions) {
            if (ClassOf(caption) == "Button" && (StyleOf(caption) & BS_TYPEMASK) != BS_GROUPBOX) {
                keyed.insert(caption);
                continue;
            }
            SetFocus(tabs), Press(WM_SYSCHAR, std::tolower(KeyOf(WindowTextOf(caption))), {VK_MENU});
            const HWND reached = GroupOf(GetFocus()), label = GetWindow(reached, GW_HWNDPREV);
            EXPECT_TRUE(std::count(controls.begin(), controls.end(), reached) &&
                        (label == caption || GetWindow(label, GW_HWNDPREV) == caption)) << WindowTextOf(caption);
            keyed.insert(reached);
        }

        // Tab from the page's first control goes round it in reading order, then the shared controls.
        std::vector<int> expected = kReadingOrder[page], visited;
        expected.insert(expected.end(), kSharedOrder.begin(), kSharedOrder.end());
        SetFocus(GetDlgItem(form.Page(page), expected[0]));
        for (std::size_t i = 0; i < expected.size(); ++i)
            Press(WM_KEYDOWN, VK_TAB), visited.push_back(GetDlgCtrlID(GroupOf(GetFocus())));
        std::rotate(expected.begin(), expected.begin() + 1, expected.end());
        EXPECT_EQ(visited, expected) << "page " << page;

        // Enter and Space on a colour box open the colour dialog.
        for (HWND box : controls)
            for (WPARAM key : {VK_RETURN, VK_SPACE})
                if (const int shown = ui.colorDialogs; ClassOf(box) == "VivartoColorBox") {
                    SetFocus(box), Press(WM_KEYDOWN, key);
                    EXPECT_EQ(ui.colorDialogs, shown + 1) << GetDlgCtrlID(box);
                }
    }
    EXPECT_GE(keyed.size() * 4, all.size() * 3) << keyed.size() << " of " << all.size() << " controls have a key";

    // Ctrl+Tab and Ctrl+PageDown forward, with Shift or PageUp back, from within a box too; a tab's own
    // key shows it with the focus on the tabs.
    form.ShowTab(0), SetFocus(form.Control(IDC_RICHTEXTBOX1));
    const struct { WPARAM key; int held, tab; } switches[] = {{VK_TAB, VK_CONTROL, 1}, {VK_TAB, VK_CONTROL, 2},
        {VK_TAB, VK_CONTROL, 0}, {VK_TAB, VK_SHIFT, 2}, {VK_PRIOR, VK_CONTROL, 1}, {VK_NEXT, VK_CONTROL, 2}};
    for (const auto& s : switches) {
        Press(WM_KEYDOWN, s.key, {VK_CONTROL, s.held});
        EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), s.tab);
    }
    for (int i = 0; i < 3; ++i) {
        SetFocus(GetNextDlgTabItem(hwnd, tabs, FALSE)), Press(WM_SYSKEYDOWN, KeyOf(tabCaptions[i]), {VK_MENU});
        EXPECT_TRUE(SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == i && IsWindowVisible(form.Page(i)) && GetFocus() == tabs)
            << i;
    }

    // The window takes the rectangle a DPI change suggests, and each font of the program's own (not
    // its page's or window's) is made again for the new DPI, the design editor's too.
    form.OnCommand(IDC_OPENEDITOR, BN_CLICKED);
    const HWND editor = form.TextDesigns().DesignEditorWindow();
    std::vector<std::pair<HWND, LONG>> made;
    LOGFONTW font{};
    for (HWND parent : {form.Page(0), form.Page(1), form.Page(2), editor})
        for (HWND h : Children(parent, false))
            if (HGDIOBJ f = HGDIOBJ(SendMessageW(h, WM_GETFONT, 0, 0)); f && ClassOf(h) != "RichEdit20W" &&
                f != HGDIOBJ(SendMessageW(parent, WM_GETFONT, 0, 0)) && GetObjectW(f, sizeof(font), &font))
                made.push_back({h, font.lfHeight});
    RECT suggested{10, 10, 900, 900}, now;
    const UINT dpi = GetDpiForWindow(hwnd) * 3 / 2;
    for (HWND window : {editor, hwnd})
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_TRUE(GetWindowRect(hwnd, &now) && EqualRect(&now, &suggested) && !made.empty());
    for (auto [control, height] : made) {
        GetObjectW(HGDIOBJ(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
        EXPECT_NEAR(font.lfHeight, height * 3 / 2, 1) << GetDlgCtrlID(control);
    }
}

}  // namespace
