// A small stand-in for the messenger, so Vivarto has real chat windows to
// drive where the messenger itself is not installed, and the end-to-end tests
// have a peer whose every received message they can read back.
//
//   demo_messenger [--install VERSION] [--uninstall] [--transcript FILE]
//                  [--freeze-after-post MS] [--styled-input] [ROOM ...]
//
// One window per room, titled with the room's name, built the way the
// messenger's generation 10/11 chat windows are: class "DlgGroupChat Window
// Class" holding four "SplitterWindowEx" panes in this descendant order:
//
//   1 the frame (fills the window)
//   2   the header strip: the room's name
//   3   the status strip: how many messages the room has posted
//   4   the chat pane: RichEdit20W history (first), RichEdit20W input (second)
//
// Enter in the input box posts its content: it is appended to the history
// with its formatting and written to the transcript, and the input is cleared.
// The process ends when its last room window is closed.
#include <windows.h>
#include <richedit.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "tools/demo_messenger_args.h"
#include "tools/transcript_format.h"
#include "ui/window_util_win.h"

namespace {

constexpr const wchar_t* kRoomClass = L"DlgGroupChat Window Class";
constexpr const wchar_t* kSplitterClass = L"SplitterWindowEx";
constexpr const char* kUninstallSubkey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Paltalk Messenger";

constexpr int kHeaderHeight = 30;
constexpr int kStatusHeight = 22;
constexpr int kInputHeight = 64;
constexpr int kGap = 6;
// Posted to itself after a message when the room is to play dead for a while.
constexpr UINT kFreezeMessage = WM_APP + 1;

// Shared by every room of the process.
struct Session {
    std::string transcriptPath;
    std::string installedVersion;
    unsigned freezeAfterPostMs = 0;
    bool styledInput = false;
    HFONT boxFont = nullptr;     // the rich edits' base font
    HFONT labelFont = nullptr;   // status strip
    HFONT titleFont = nullptr;   // header strip
    int openRooms = 0;
};
Session g_session;

// ------------------------------------------------------------- registry
// The messenger's installer writes its uninstall record in the 32-bit view
// (it is a 32-bit program); this exe is 64-bit, so the view is asked for.
bool RecordInstall(const std::string& version) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kUninstallSubkey, 0, nullptr, 0,
                        KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const auto setString = [&](const char* name, const std::string& value) {
        return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    };
    const bool ok = setString("DisplayName", "Paltalk Messenger") && setString("DisplayVersion", version);
    RegCloseKey(key);
    return ok;
}

bool RemoveInstall() {
    const LSTATUS status = RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kUninstallSubkey, KEY_WOW64_32KEY, 0);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

// ------------------------------------------------------------- rich edits
DWORD CALLBACK AppendToString(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer),
                                                    static_cast<std::size_t>(count));
    *done = count;
    return 0;
}

struct StringSource {
    const std::string* data;
    std::size_t pos;
};

DWORD CALLBACK ReadFromString(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got) {
    auto* source = reinterpret_cast<StringSource*>(cookie);
    const std::size_t left = source->data->size() - source->pos;
    const std::size_t n = left < static_cast<std::size_t>(wanted) ? left : static_cast<std::size_t>(wanted);
    std::memcpy(buffer, source->data->data() + source->pos, n);
    source->pos += n;
    *got = static_cast<LONG>(n);
    return 0;
}

std::string StreamOutRtf(HWND box) {
    std::string rtf;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&rtf), 0, AppendToString};
    SendMessageA(box, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return rtf;
}

void StreamInAtEnd(HWND box, const std::string& rtf) {
    StringSource source{&rtf, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, ReadFromString};
    SendMessageA(box, EM_STREAMIN, SF_RTF | SFF_SELECTION, reinterpret_cast<LPARAM>(&stream));
}

// The box's text in UTF-8, line breaks as CR LF, so the transcript holds every
// character that arrived.
std::string PlainText(HWND box) {
    GETTEXTLENGTHEX length{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
    const LRESULT chars = SendMessageW(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    if (chars <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<std::size_t>(chars) + 1, L'\0');
    GETTEXTEX get{};
    get.cb = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    get.flags = GT_USECRLF;
    get.codepage = 1200;
    SendMessageW(box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(buffer.data()));
    return Utf8FromWide(buffer.data());
}

void MoveCaretToEnd(HWND box) {
    CHARRANGE end{-1, -1};
    GETTEXTLENGTHEX length{GTL_DEFAULT, 1200};
    end.cpMin = end.cpMax =
        static_cast<LONG>(SendMessageA(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    SendMessageA(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
}

// The history's format; the input box's too unless it is styled.
CHARFORMAT2A BaseFormat(bool input = false) {
    CHARFORMAT2A format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT |
                    CFM_COLOR | CFM_CHARSET;
    format.yHeight = 200;  // 10 points
    format.bCharSet = DEFAULT_CHARSET;
    lstrcpynA(format.szFaceName, "Arial", LF_FACESIZE);
    if (input && g_session.styledInput) {
        format.yHeight = 280;
        format.dwEffects = CFE_BOLD | CFE_ITALIC;
        format.crTextColor = RGB(0, 128, 0);
        lstrcpynA(format.szFaceName, "Tahoma", LF_FACESIZE);
    }
    return format;
}

// Every box gets its font when it is made: a rich edit left without one
// writes its text as "System" bold.
HWND CreateRichEdit(HWND parent, DWORD style, bool input = false) {
    HWND box = CreateWindowExW(WS_EX_CLIENTEDGE, L"RichEdit20W", L"",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | style,
                               0, 0, 10, 10, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(g_session.boxFont), FALSE);
    CHARFORMAT2A format = BaseFormat(input);
    SendMessageA(box, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageA(box, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    SendMessageA(box, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    return box;
}

void AppendTranscript(const TranscriptEntry& entry) {
    if (g_session.transcriptPath.empty()) return;
    // Opened and closed per message, shared, so a reader always sees whole
    // records and never finds the file locked.
    HANDLE file = CreateFileW(WideFromUtf8(g_session.transcriptPath).c_str(), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string record = FormatTranscriptEntry(entry);
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
}

// ------------------------------------------------------------- room window
class RoomWindow {
public:
    static bool Register(HINSTANCE instance);
    static RoomWindow* Open(const std::string& room, int x, int y);

private:
    explicit RoomWindow(std::string room) : room_(std::move(room)) {}
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK InputProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    void CreatePanes();
    void Layout();
    void PostInput();
    void ShowCount();

    std::string room_;
    HWND hwnd_ = nullptr;
    HWND frame_ = nullptr, header_ = nullptr, status_ = nullptr, chat_ = nullptr;
    HWND title_ = nullptr, count_ = nullptr, history_ = nullptr, input_ = nullptr;
    WNDPROC inputDefault_ = nullptr;
    bool swallowReturnChar_ = false;
    int posted_ = 0;
};

LRESULT CALLBACK SplitterProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Panes hand their children's colour requests up so the labels blend in.
    if (msg == WM_CTLCOLORSTATIC) {
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

bool RoomWindow::Register(HINSTANCE instance) {
    WNDCLASSEXW room{};
    room.cbSize = sizeof(room);
    room.lpfnWndProc = WndProc;
    room.hInstance = instance;
    room.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    room.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    room.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    room.lpszClassName = kRoomClass;
    WNDCLASSEXW splitter = room;
    splitter.lpfnWndProc = SplitterProc;
    splitter.hIcon = nullptr;
    splitter.lpszClassName = kSplitterClass;
    return RegisterClassExW(&room) != 0 && RegisterClassExW(&splitter) != 0;
}

RoomWindow* RoomWindow::Open(const std::string& room, int x, int y) {
    auto* window = new RoomWindow(room);
    HWND hwnd = CreateWindowExW(0, kRoomClass, WideFromUtf8(room).c_str(), WS_OVERLAPPEDWINDOW, x, y, 460, 360, nullptr,
                                nullptr, GetModuleHandleW(nullptr), window);
    if (!hwnd) {
        delete window;
        return nullptr;
    }
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    return window;
}

LRESULT CALLBACK RoomWindow::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* window = static_cast<RoomWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<RoomWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcW(hwnd, msg, wParam, lParam);
    const LRESULT result = window->HandleMessage(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete window;
    }
    return result;
}

LRESULT RoomWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: CreatePanes(); ++g_session.openRooms; return 0;
    case WM_SIZE: Layout(); return 0;
    case WM_SETFOCUS: SetFocus(input_); return 0;
    case WM_GETMINMAXINFO: reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {300, 220}; return 0;
    case WM_DESTROY: if (--g_session.openRooms == 0) PostQuitMessage(0); return 0;
    case kFreezeMessage: Sleep(g_session.freezeAfterPostMs); return 0;
    default: return DefWindowProcW(hwnd_, msg, wParam, lParam);
    }
}

void RoomWindow::CreatePanes() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto pane = [&](HWND parent) {
        return CreateWindowExW(0, kSplitterClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 10, 10,
                               parent, nullptr, instance, nullptr);
    };
    const auto label = [&](HWND parent, const std::string& text, HFONT font) {
        HWND hwnd = CreateWindowExW(0, L"STATIC", WideFromUtf8(text).c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX |
                                    SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, 0, 0, 10, 10, parent, nullptr,
                                    instance, nullptr);
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return hwnd;
    };
    // Creation order is the descendant order the messenger's windows have.
    frame_ = pane(hwnd_);
    header_ = pane(frame_);
    title_ = label(header_, room_.empty() ? std::string("(untitled room)") : room_, g_session.titleFont);
    status_ = pane(frame_);
    count_ = label(status_, "", g_session.labelFont);
    chat_ = pane(frame_);
    history_ = CreateRichEdit(chat_, ES_READONLY);
    input_ = CreateRichEdit(chat_, ES_WANTRETURN, true);
    // A wide subclass: the input must stay a wide window, or a message set
    // through the wide entry point would be converted on its way in.
    SetWindowLongPtrW(input_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    inputDefault_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(input_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(InputProc)));
    ShowCount();
}

void RoomWindow::Layout() {
    RECT client;
    GetClientRect(hwnd_, &client);
    const int width = client.right, height = client.bottom;
    MoveWindow(frame_, 0, 0, width, height, TRUE);
    MoveWindow(header_, 0, 0, width, kHeaderHeight, TRUE);
    MoveWindow(title_, kGap + 2, 0, width - 2 * kGap, kHeaderHeight, TRUE);
    MoveWindow(status_, 0, height - kStatusHeight, width, kStatusHeight, TRUE);
    MoveWindow(count_, kGap + 2, 0, width - 2 * kGap, kStatusHeight, TRUE);
    const int chatHeight = height - kHeaderHeight - kStatusHeight;
    MoveWindow(chat_, 0, kHeaderHeight, width, chatHeight, TRUE);
    const int historyHeight = chatHeight - kInputHeight - kGap;
    MoveWindow(history_, kGap, 0, width - 2 * kGap, historyHeight > 20 ? historyHeight : 20, TRUE);
    MoveWindow(input_, kGap, chatHeight - kInputHeight, width - 2 * kGap, kInputHeight - kGap, TRUE);
}

LRESULT CALLBACK RoomWindow::InputProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* window = reinterpret_cast<RoomWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    if (msg == WM_KEYDOWN && wParam == VK_RETURN && !shift) {
        // The key-down posts; the character a real key press brings after it
        // must not add a line to the emptied box.
        window->swallowReturnChar_ = true;
        window->PostInput();
        return 0;
    }
    if (msg == WM_CHAR && wParam == '\r' && window->swallowReturnChar_) {
        window->swallowReturnChar_ = false;
        return 0;
    }
    return CallWindowProcW(window->inputDefault_, hwnd, msg, wParam, lParam);
}

void RoomWindow::PostInput() {
    LARGE_INTEGER counter{}, frequency{};
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    TranscriptEntry entry{room_, StreamOutRtf(input_), PlainText(input_),
                          static_cast<std::size_t>(counter.QuadPart / (frequency.QuadPart / 1000))};
    if (entry.text.empty()) return;  // nothing to post

    // History: who and when in small grey, then the message as it arrived.
    MoveCaretToEnd(history_);
    CHARFORMAT2A who = BaseFormat();
    who.dwEffects = CFE_BOLD;
    who.yHeight = 160;
    who.crTextColor = RGB(0x70, 0x70, 0x78);
    SendMessageA(history_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&who));
    char stamp[16];
    const std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof(stamp), "%H:%M:%S", std::localtime(&now));
    const std::string heading = std::string(posted_ == 0 ? "" : "\r") + "You  " + stamp + "\r";
    SendMessageA(history_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(heading.c_str()));
    MoveCaretToEnd(history_);
    StreamInAtEnd(history_, entry.rtf);
    SendMessageA(history_, WM_VSCROLL, SB_BOTTOM, 0);

    AppendTranscript(entry);

    SetWindowTextW(input_, L"");
    CHARFORMAT2A base = BaseFormat(true);
    SendMessageA(input_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&base));
    ++posted_;
    ShowCount();
    // Stop answering only once the sender has its reply for this key press.
    if (g_session.freezeAfterPostMs > 0) PostMessageW(hwnd_, kFreezeMessage, 0, 0);
}

void RoomWindow::ShowCount() {
    std::string text = posted_ == 1 ? "1 message posted" : std::to_string(posted_) + " messages posted";
    if (!g_session.installedVersion.empty()) text += " \u00B7 installed as " + g_session.installedVersion;
    if (!g_session.transcriptPath.empty()) text += " \u00B7 transcript on";
    SetWindowTextW(count_, WideFromUtf8(text).c_str());
}

HFONT MakeFont(const char* face, int points, int weight) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Wide arguments: a room's title may hold any character.
    std::vector<std::string> args;
    int argc = 0;
    if (LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc)) {
        for (int i = 1; i < argc; ++i) args.push_back(Utf8FromWide(argv[i]));
        LocalFree(argv);
    }
    const DemoMessengerOptions options = ParseDemoMessengerArgs(args);
    if (!options.error.empty()) return 2;

    int exitCode = 0;
    if (options.install) {
        if (!RecordInstall(options.installVersion)) exitCode = 3;
        g_session.installedVersion = options.installVersion;
    }
    if (options.uninstall && !RemoveInstall()) exitCode = 3;
    if (!options.OpensRooms()) return exitCode;

    g_session.transcriptPath = options.transcriptPath;
    g_session.freezeAfterPostMs = options.freezeAfterPostMs;
    g_session.styledInput = options.styledInput;
    if (!g_session.transcriptPath.empty()) {
        // A fresh transcript per run: it holds what this run's rooms posted.
        HANDLE file = CreateFileW(WideFromUtf8(g_session.transcriptPath).c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }

    LoadLibraryA("riched20.dll");
    g_session.boxFont = MakeFont("Arial", 10, FW_NORMAL);
    g_session.labelFont = MakeFont("Tahoma", 8, FW_NORMAL);
    g_session.titleFont = MakeFont("Tahoma", 11, FW_BOLD);
    if (!RoomWindow::Register(instance)) return 4;

    int offset = 0;
    for (const std::string& room : options.rooms) {
        RoomWindow::Open(room, 60 + offset, 60 + offset);
        offset += 36;
    }
    if (g_session.openRooms == 0) return 4;

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DeleteObject(g_session.boxFont);
    DeleteObject(g_session.labelFont);
    DeleteObject(g_session.titleFont);
    return exitCode;
}
