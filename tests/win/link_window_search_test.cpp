// Window search over windows made in this process, their classes registered in
// other letter cases than the messenger's: every search also checks that case is ignored.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/messenger_link_win.h"
#include "tests/win/demo_messenger_driver.h"

namespace {

constexpr const char* kChat = "dlggroupchat window class";
constexpr const char* kSplitter = "SPLITTERWINDOWEX";
const std::string kTitle = "Poetry Corner #" + std::to_string(GetCurrentProcessId());

HWND Make(const char* cls, HWND parent, int id = 0, const std::string& title = "") {
    return CreateWindowExA(0, cls, title.c_str(), parent ? WS_CHILD : WS_OVERLAPPED, 0, 0, 50, 20, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

// The room's descendants count from one, each child then its own; the topmost room of the title
// decides, and the title search takes any window.
TEST(WindowSearch, DescendantsCountFromOneAndTheTopmostRoomOfTheTitleDecides) {
    for (const char* name : {kChat, kSplitter}) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    ASSERT_TRUE(LoadLibraryA("riched20.dll"));
    HWND room = Make(kChat, nullptr, 0, kTitle);
    Make(kSplitter, Make(kSplitter, Make(kSplitter, room, 1), 2), 3);
    HWND s4 = Make(kSplitter, room, 4);
    Make("RichEdit20A", s4, 20);
    Make("RichEdit20W", s4, 21);
    Make("RichEdit20W", Make(kSplitter, s4, 5), 22);
    Make("RichEdit20W", s4, 23);
    for (short index = 0; index <= 6; ++index)
        EXPECT_EQ(GetDlgCtrlID(FindRoomChild(kChatWindowClass, kTitle, kSplitterClass, index)), index % 6) << index;
    for (const auto& [index, id] : {std::pair{0L, 0}, {1L, 21}, {2L, 22}, {3L, 23}, {4L, 0}, {65538L, 22}})
        EXPECT_EQ(GetDlgCtrlID(FindChildByIndex(s4, index)), id) << index;  // a 16-bit position: 65538 is 2
    EXPECT_EQ(FindChildByIndex(nullptr, 1), nullptr);

    HWND twin = Make(kChat, nullptr, 0, kTitle), other = Make("STATIC", nullptr, 0, "Notes on " + kTitle);
    Make(kChat, nullptr);  // untitled: never listed
    const auto titles = ListChatWindowTitles(kChatWindowClass);
    EXPECT_EQ(std::count(titles.begin(), titles.end(), kTitle), 2);
    EXPECT_EQ(std::count(titles.begin(), titles.end(), ""), 0);
    DemoMessenger::BringToTop(twin);
    EXPECT_EQ(FindRoomChild(kChatWindowClass, kTitle, kSplitterClass, 4), nullptr);
    for (HWND top : {room, other}) DemoMessenger::BringToTop(top);
    EXPECT_EQ(GetDlgCtrlID(FindRoomChild(kChatWindowClass, LowerAnsi(kTitle), kSplitterClass, 4)), 4);
    EXPECT_EQ(FindWinByTitle(LowerAnsi(kTitle)), other);
}

}  // namespace
