// Window search and delivery against chat windows built inside the test
// process, where every part of the layout can be chosen: nesting, distractor
// classes, several windows with one title, the top-level order.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/messenger_link_win.h"
#include "tests/win/win_test_support.h"

namespace {

// Registered in this process spelled in other letter cases than the
// messenger's, so every search here also checks that case is ignored.
constexpr const char* kLocalChatClass = "dlggroupchat window class";
constexpr const char* kLocalSplitterClass = "SPLITTERWINDOWEX";
constexpr const char* kOtherAppClass = "VivartoTestOtherApp";

void RegisterClasses() {
    static bool done = false;
    if (done) return;
    LoadLibraryA("riched20.dll");
    for (const char* name : {kLocalChatClass, kLocalSplitterClass, kOtherAppClass}) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    done = true;
}

// A token that makes the titles of this process unlike any other window's.
std::string Token() { return "#" + std::to_string(GetCurrentProcessId()); }

HWND TopLevel(const char* cls, const std::string& title) {
    RegisterClasses();
    return CreateWindowExA(0, cls, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 200, 150, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

HWND Child(HWND parent, const char* cls, int id) {
    return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | (std::string(cls) == "RichEdit20W" ? ES_MULTILINE : 0),
                           0, 0, 50, 20, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

int IdOf(HWND hwnd) { return hwnd ? GetDlgCtrlID(hwnd) : 0; }

void ToTop(HWND hwnd) { SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); }

// A chat window laid out like the messenger's: four splitters, the fourth
// holding a history box (id 41) and an input box (id 42).
HWND MessengerLikeRoom(const std::string& title) {
    HWND room = TopLevel(kLocalChatClass, title);
    HWND frame = Child(room, kLocalSplitterClass, 1);
    Child(frame, kLocalSplitterClass, 2);
    Child(frame, kLocalSplitterClass, 3);
    HWND chat = Child(frame, kLocalSplitterClass, 4);
    Child(chat, "RichEdit20W", 41);
    Child(chat, "RichEdit20W", 42);
    return room;
}

class Windows : public ::testing::Test {
protected:
    HWND Track(HWND hwnd) {
        windows_.push_back(hwnd);
        return hwnd;
    }
    void TearDown() override {
        for (HWND hwnd : windows_) DestroyWindow(hwnd);
        PumpMessages();
    }
    std::vector<HWND> windows_;
};

TEST_F(Windows, DescendantsAreCountedEachChildFollowedByItsOwn) {
    const std::string title = "Nested Room " + Token();
    HWND room = Track(TopLevel(kLocalChatClass, title));
    HWND s1 = Child(room, kLocalSplitterClass, 1);
    HWND s2 = Child(s1, kLocalSplitterClass, 2);
    Child(s2, kLocalSplitterClass, 3);
    Child(s1, "RichEdit20W", 10);
    HWND s4 = Child(room, kLocalSplitterClass, 4);
    Child(s4, "RichEdit20A", 20);  // another class: never counted
    Child(s4, "RichEdit20W", 21);
    HWND s5 = Child(s4, kLocalSplitterClass, 5);
    Child(s5, "RichEdit20W", 22);
    Child(s4, "RichEdit20W", 23);

    // Splitters 1, 2, 3 nested one in the next, then 4 and 5.
    for (short index = 1; index <= 5; ++index)
        EXPECT_EQ(IdOf(FindRoomChild(kChatWindowClass, title, kSplitterClass, index)), index);
    EXPECT_EQ(FindRoomChild(kChatWindowClass, title, kSplitterClass, 6), nullptr);
    EXPECT_EQ(FindRoomChild(kChatWindowClass, title, kSplitterClass, 0), nullptr);

    // Inside splitter 4: 21, then 22 (inside splitter 5, which comes before
    // the later sibling), then 23.
    EXPECT_EQ(IdOf(FindChildByIndex(s4, 1)), 21);
    EXPECT_EQ(IdOf(FindChildByIndex(s4, 2)), 22);
    EXPECT_EQ(IdOf(FindChildByIndex(s4, 3)), 23);
    EXPECT_EQ(FindChildByIndex(s4, 4), nullptr);
    EXPECT_EQ(FindChildByIndex(s4, 0), nullptr);
    // The position is a 16-bit number: 65538 is 2.
    EXPECT_EQ(IdOf(FindChildByIndex(s4, 65538)), 22);
    // Nothing is found below no window, whatever an earlier search found.
    EXPECT_EQ(FindChildByIndex(nullptr, 1), nullptr);
}

TEST_F(Windows, TooFewSplittersOrRichEditsFindNothing) {
    const std::string title = "Small Room " + Token();
    HWND room = Track(TopLevel(kLocalChatClass, title));
    HWND s1 = Child(room, kLocalSplitterClass, 1);
    Child(s1, kLocalSplitterClass, 2);
    HWND s3 = Child(room, kLocalSplitterClass, 3);
    Child(s3, "RichEdit20W", 31);

    EXPECT_EQ(FindRoomChild(kChatWindowClass, title, kSplitterClass, 4), nullptr);
    EXPECT_EQ(FindChildByIndex(s3, 2), nullptr);
    EXPECT_EQ(IdOf(FindChildByIndex(s3, 1)), 31);

    MessengerLink link(nullptr, nullptr);
    link.ChatClass = kChatWindowClass;
    link.InputIndex = 2;
    // No combo box: the room text is empty and nothing is found.
    EXPECT_EQ(link.FindInputBox(), nullptr);
}

TEST_F(Windows, ExactTitleForTheRoomContainmentForTheTitleSearch) {
    const std::string title = "Poetry Corner " + Token();
    HWND room = Track(MessengerLikeRoom(title));
    HWND other = Track(TopLevel(kOtherAppClass, "Notes on the Lobby " + Token()));

    // Letter case does not matter to either search.
    EXPECT_EQ(IdOf(FindRoomChild(kChatWindowClass, "POETRY CORNER " + Token(), kSplitterClass, 4)), 4);
    EXPECT_EQ(FindWinByTitle("poetry corner " + Token()), room);
    // Part of the title: the title search is satisfied, the room search is not.
    EXPECT_EQ(FindWinByTitle("ry Corner " + Token()), room);
    EXPECT_EQ(FindRoomChild(kChatWindowClass, "ry Corner " + Token(), kSplitterClass, 4), nullptr);
    EXPECT_EQ(FindRoomChild(kChatWindowClass, title + " 2", kSplitterClass, 4), nullptr);
    // The title search takes windows of any class.
    EXPECT_EQ(FindWinByTitle("the LOBBY " + Token()), other);
    EXPECT_EQ(FindWinByTitle("Nowhere Room " + Token()), nullptr);
    // The room search wants the chat class.
    EXPECT_EQ(FindRoomChild(kChatWindowClass, "Notes on the Lobby " + Token(), kSplitterClass, 1), nullptr);
}

TEST_F(Windows, TheFirstRoomWithTheTitleDecidesEvenWithoutTheSplitter) {
    const std::string title = "Twin Room " + Token();
    HWND full = Track(MessengerLikeRoom(title));
    HWND empty = Track(TopLevel(kLocalChatClass, title));

    ToTop(empty);
    EXPECT_EQ(FindRoomChild(kChatWindowClass, title, kSplitterClass, 4), nullptr);
    ToTop(full);
    EXPECT_EQ(IdOf(FindRoomChild(kChatWindowClass, title, kSplitterClass, 4)), 4);
}

// The main window's pieces the link works on: a top-level window and a
// drop-down combo box in it.
struct MainWindowParts {
    MainWindowParts() {
        RegisterClasses();
        form1 = TopLevel(kOtherAppClass, "Vivarto test main window");
        combo1 = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL, 0, 0,
                                 150, 200, form1, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~MainWindowParts() { DestroyWindow(form1); }
    std::vector<std::string> Items() const {
        std::vector<std::string> items;
        const auto count = SendMessageA(combo1, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char text[256] = {};
            SendMessageA(combo1, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }
    // Only the rooms of this test process: a messenger running beside the
    // test would add its own.
    std::vector<std::string> OurItems() const {
        std::vector<std::string> ours;
        for (const auto& item : Items())
            if (item.find(Token()) != std::string::npos) ours.push_back(item);
        return ours;
    }
    std::string Text() const {
        char text[256] = {};
        GetWindowTextA(combo1, text, sizeof(text));
        return text;
    }
    HWND form1;
    HWND combo1;
};

TEST_F(Windows, RoomListFollowsTheTopLevelOrderAndSkipsUntitledAndOtherWindows) {
    MainWindowParts main;
    MessengerLink link(main.form1, main.combo1);
    link.ChatClass = kChatWindowClass;
    HWND alpha = Track(MessengerLikeRoom("Alpha " + Token()));
    HWND beta = Track(MessengerLikeRoom("Beta " + Token()));
    HWND untitled = Track(MessengerLikeRoom(""));
    HWND other = Track(TopLevel(kOtherAppClass, "Gamma " + Token()));

    ToTop(beta);
    ToTop(alpha);
    ToTop(untitled);
    ToTop(other);
    link.FillRoomList();
    EXPECT_EQ(main.OurItems(), (std::vector<std::string>{"Alpha " + Token(), "Beta " + Token()}));
    for (const auto& item : main.Items()) EXPECT_FALSE(item.empty());
    EXPECT_EQ(main.Text(), main.Items().front());  // the first is selected
    EXPECT_EQ(SendMessageA(main.combo1, CB_GETCURSEL, 0, 0), 0);

    ToTop(beta);
    link.FillRoomList();
    EXPECT_EQ(main.OurItems(), (std::vector<std::string>{"Beta " + Token(), "Alpha " + Token()}));
    EXPECT_EQ(main.Text(), "Beta " + Token());
}

TEST_F(Windows, RoomListEmptiesWhenNothingMatches) {
    MainWindowParts main;
    MessengerLink link(main.form1, main.combo1);
    Track(MessengerLikeRoom("Alpha " + Token()));

    SetWindowTextA(main.combo1, "typed by hand");
    link.FillRoomList();  // no generation recognised yet: empty class
    EXPECT_TRUE(main.Items().empty());
    EXPECT_EQ(main.Text(), "");

    link.ChatClass = "Some Other Messenger";
    SendMessageA(main.combo1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("stale room"));
    SetWindowTextA(main.combo1, "stale room");
    link.FillRoomList();
    EXPECT_TRUE(main.Items().empty());
    EXPECT_EQ(main.Text(), "");
}

TEST_F(Windows, InputBoxIsTheSecondRichEditOfTheFourthSplitter) {
    MainWindowParts main;
    MessengerLink link(main.form1, main.combo1);
    const std::string title = "Input Room " + Token();
    Track(MessengerLikeRoom(title));
    SetWindowTextA(main.combo1, ("input room " + Token()).c_str());

    link.SetPal9Classes();  // generation 9: no input position
    EXPECT_EQ(link.FindInputBox(), nullptr);
    link.SetPal10Classes();
    EXPECT_EQ(IdOf(link.FindInputBox()), 42);
    // A later generation 9 scan keeps the position.
    link.SetPal9Classes();
    EXPECT_EQ(IdOf(link.FindInputBox()), 42);

    SetWindowTextA(main.combo1, "Input Room");  // only part of the title
    EXPECT_EQ(link.FindInputBox(), nullptr);
}

// What reached a window procedure, in order.
struct Received {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    std::string textAfter;  // the box's text right after the message
};
std::vector<Received> g_received;
WNDPROC g_inputDefault = nullptr;

LRESULT CALLBACK RecordingInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(g_inputDefault, hwnd, msg, wParam, lParam);
    if (msg == WM_SETTEXT || msg == WM_KEYDOWN) {
        char text[256] = {};
        GetWindowTextA(hwnd, text, sizeof(text));
        g_received.push_back({msg, wParam, msg == WM_KEYDOWN ? lParam : 0, text});
    }
    return result;
}

TEST_F(Windows, TxtSendPalSetsTheRtfThenPressesEnter) {
    MainWindowParts main;
    MessengerLink link(main.form1, main.combo1);
    link.SetPal10Classes();
    const std::string title = "Delivery Room " + Token();
    HWND room = Track(MessengerLikeRoom(title));
    HWND input = GetDlgItem(FindRoomChild(kChatWindowClass, title, kSplitterClass, 4), 42);
    ASSERT_NE(input, nullptr);
    g_received.clear();
    g_inputDefault = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(input, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingInput)));
    SetWindowTextA(main.combo1, title.c_str());

    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Hello {\\b bold} \\'95 world\\par}";
    std::string message = rtf;
    link.TxtSendPal(message);

    ASSERT_EQ(g_received.size(), 2u);
    EXPECT_EQ(g_received[0].msg, static_cast<UINT>(WM_SETTEXT));
    // Loaded as rich text: the codes are gone, the words are there.
    EXPECT_EQ(g_received[0].textAfter, "Hello bold \x95 world");
    EXPECT_EQ(g_received[1].msg, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(g_received[1].wParam, static_cast<WPARAM>(VK_RETURN));
    EXPECT_EQ(g_received[1].lParam, 0);
    EXPECT_EQ(message, rtf);  // the round trip leaves an 8-bit message as it was
    // The room text was there in full, so no rescan replaced it.
    EXPECT_EQ(main.Text(), title);

    // No room text: nothing reaches the box.
    g_received.clear();
    SetWindowTextA(main.combo1, "");
    message = rtf;
    link.TxtSendPal(message);
    EXPECT_TRUE(g_received.empty());
    SetWindowLongPtrW(input, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_inputDefault));
    (void)room;
}

}  // namespace
