#include "link/window_search_win.h"

#include <cstdint>

#include "link/pal_version.h"
#include "ui/window_util_win.h"

namespace {

constexpr int kNameBufferSize = 255;

// The state of one search, handed to the callbacks through their LPARAM.
struct WindowSearch {
    std::string searchClass;      // chat window class to match
    std::string searchTitle;      // exact chat window title to match
    std::string childClass;       // class of the descendant wanted
    short childIndex = 0;         // which matching descendant, from 1
    short childCounter = 1;       // number the next matching descendant gets
    HWND found = nullptr;         // result of the room child / descendant search
    std::string titleText;        // text a title must contain
    HWND titleResult = nullptr;   // result of the title search
    std::vector<std::string>* titles = nullptr;  // room list being collected
};

WindowSearch& SearchOf(LPARAM lParam) { return *reinterpret_cast<WindowSearch*>(lParam); }

// Counts matching descendants; stores and stops at the wanted one.
BOOL CALLBACK DescendantProc(HWND hwnd, LPARAM lParam) {
    WindowSearch& search = SearchOf(lParam);
    if (!EqualsNoCase(WindowClassName(hwnd), search.childClass)) return TRUE;
    if (search.childCounter == search.childIndex) {
        search.found = hwnd;
        return FALSE;
    }
    // A 16-bit counter, as the position is a 16-bit number throughout.
    search.childCounter = static_cast<short>(static_cast<std::uint16_t>(search.childCounter) + 1);
    return TRUE;
}

void RunDescendantSearch(HWND parent, WindowSearch& search) {
    EnumChildWindows(parent, DescendantProc, reinterpret_cast<LPARAM>(&search));
}

BOOL CALLBACK ChatListProc(HWND hwnd, LPARAM lParam) {
    WindowSearch& search = SearchOf(lParam);
    if (EqualsNoCase(WindowClassName(hwnd), search.searchClass)) {
        std::string title = WindowTitle(hwnd);
        if (!title.empty()) search.titles->push_back(std::move(title));
    }
    return TRUE;
}

BOOL CALLBACK TitleProc(HWND hwnd, LPARAM lParam) {
    WindowSearch& search = SearchOf(lParam);
    if (ContainsNoCase(WindowTitle(hwnd), search.titleText)) {
        search.titleResult = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK RoomProc(HWND hwnd, LPARAM lParam) {
    WindowSearch& search = SearchOf(lParam);
    search.childCounter = 1;
    if (EqualsNoCase(WindowClassName(hwnd), search.searchClass) &&
        EqualsNoCase(WindowTitle(hwnd), search.searchTitle)) {
        RunDescendantSearch(hwnd, search);
        return FALSE;  // the first matching room decides, found or not
    }
    return TRUE;
}

}  // namespace

std::string WindowClassName(HWND hwnd) {
    wchar_t name[kNameBufferSize];
    const int n = GetClassNameW(hwnd, name, kNameBufferSize);
    return n > 0 ? Utf8FromWide(name) : std::string();
}

std::string WindowTitle(HWND hwnd) {
    wchar_t title[kNameBufferSize];
    const int n = GetWindowTextW(hwnd, title, kNameBufferSize);
    return n > 0 ? Utf8FromWide(title) : std::string();
}

std::vector<std::string> ListChatWindowTitles(const std::string& chatClass) {
    std::vector<std::string> titles;
    if (chatClass.empty()) return titles;  // no class name is empty: nothing matches
    WindowSearch search;
    search.searchClass = chatClass;
    search.titles = &titles;
    EnumWindows(ChatListProc, reinterpret_cast<LPARAM>(&search));
    return titles;
}

HWND FindWinByTitle(const std::string& text) {
    WindowSearch search;
    search.titleText = text;
    EnumWindows(TitleProc, reinterpret_cast<LPARAM>(&search));
    return search.titleResult;
}

HWND FindRoomChild(const std::string& chatClass, const std::string& chatTitle,
                   const std::string& childClass, short childIndex) {
    WindowSearch search;
    search.searchClass = chatClass;
    search.searchTitle = chatTitle;
    search.childClass = childClass;
    search.childIndex = childIndex;
    EnumWindows(RoomProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindChildByIndex(HWND parent, long index) {
    // Enumerating the children of no window would walk every top-level window.
    if (parent == nullptr) return nullptr;
    WindowSearch search;
    search.childClass = kInputBoxClass;
    search.childIndex = static_cast<short>(static_cast<std::uint16_t>(index));
    search.childCounter = 1;
    RunDescendantSearch(parent, search);
    return search.found;
}
