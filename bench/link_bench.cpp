// Speed of the messenger link: the room scan with many other windows open,
// delivery of one message into the demo messenger, the two ways of stating a
// message's full format on the way out, and the processor time a Delay costs
// compared with a wait that spins.
//
//   link_bench [--quick]      (run under Wine from the build folder, beside
//                              demo_messenger.exe)
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "effects/rtf_writer.h"
#include "link/full_format_rtf.h"
#include "link/messenger_link_win.h"
#include "tests/win/demo_messenger_driver.h"
#include "ui/rich_text_box_win.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

double ProcessCpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// The wait as a plain event-loop spin does it: run the events, look at the
// clock, again, with no sleep in between.
void SpinningDelay(double seconds) {
    const auto start = Clock::now();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    } while (Seconds(start) < seconds);
}

std::vector<HWND> OpenOtherWindows(int count) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VivartoBenchOtherProgram";
    RegisterClassA(&wc);
    std::vector<HWND> windows;
    for (int i = 0; i < count; ++i) {
        const std::string title = "Some other program, document " + std::to_string(i + 1);
        windows.push_back(CreateWindowExA(0, wc.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                          nullptr, nullptr, wc.hInstance, nullptr));
    }
    return windows;
}

// A message of the size a formatted one-liner has after fading: one colour
// per few characters.
std::string TypicalMessage() {
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl ;";
    for (int i = 0; i < 12; ++i)
        rtf += "\\red" + std::to_string(20 * i) + "\\green" + std::to_string(240 - 20 * i) + "\\blue128;";
    rtf += "}\\f0\\fs20\\b ";
    const char* words[] = {"Hello", "room,", "this", "is", "a", "faded", "message", "with", "a", "bullet", "\\'95",
                           "end"};
    for (int i = 0; i < 12; ++i) rtf += "\\cf" + std::to_string(i + 1) + " " + words[i] + " ";
    return rtf + "\\b0\\par}";
}

std::string LargeMessage() {
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 ";
    for (int line = 0; line < 200; ++line)
        rtf += "Line " + std::to_string(line) + " of a long art design with some text on it\\par ";
    return rtf + "}";
}

// The other way to a message with its full format: read the box's runs back
// through the control (one format query per character, the only way it
// tells them) and write the document anew with our own writer. Timing only:
// the markup it goes through has no size.
std::string RtfFromBoxRuns(const RichTextBox& box) {
    const std::string text = box.Text();
    std::string markup;
    CHARFORMAT2A last{};
    LONG pos = 0;  // the control counts CR LF as one character
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            markup += '\n';
            continue;
        }
        CHARRANGE one{pos, pos + 1};
        ++pos;
        SendMessageA(box.Hwnd(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
        CHARFORMAT2A cf{};
        cf.cbSize = sizeof cf;
        cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR;
        SendMessageA(box.Hwnd(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
        if (i == 0 || cf.dwEffects != last.dwEffects || cf.crTextColor != last.crTextColor ||
            std::strcmp(cf.szFaceName, last.szFaceName) != 0) {
            char tags[200];
            const DWORD e = cf.dwEffects;
            std::snprintf(tags, sizeof tags, "<font face=\"%s\"><font color=#%02X%02X%02X>%s%s%s%s", cf.szFaceName,
                          GetRValue(cf.crTextColor), GetGValue(cf.crTextColor), GetBValue(cf.crTextColor),
                          e & CFE_BOLD ? "<b>" : "</b>", e & CFE_ITALIC ? "<i>" : "</i>",
                          e & CFE_UNDERLINE ? "<u>" : "</u>", e & CFE_STRIKEOUT ? "<s>" : "</s>");
            markup += tags;
        }
        last = cf;
        markup += text[i];
    }
    return WriteRtf(ReadMarkup(markup));
}

void ReportScan(MessengerLink& link, HWND combo, const char* label, int rounds) {
    const auto start = Clock::now();
    for (int i = 0; i < rounds; ++i) link.FillRoomList();
    const double perScan = Seconds(start) / rounds;
    const auto findStart = Clock::now();
    HWND input = nullptr;
    for (int i = 0; i < rounds; ++i) input = link.FindInputBox();
    const double perFind = Seconds(findStart) / rounds;
    std::printf("  %-34s %8.3f ms per room list fill (%d rooms), %8.3f ms per input box search%s\n", label,
                perScan * 1e3, static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0)), perFind * 1e3,
                input ? "" : " (NOT FOUND)");
}

}  // namespace

int main(int argc, char** argv) {
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    const int rounds = quick ? 20 : 200;
    const int messages = quick ? 20 : 100;
    const double delaySeconds = quick ? 1.0 : 5.0;
    const double spinSeconds = quick ? 0.5 : 2.0;

    LinkWindows main;
    HWND combo1 = main.combo1;
    MessengerLink link(main);
    link.SetPal10Classes();

    DemoMessenger messenger;
    const bool haveMessenger = messenger.Start({"Lobby", "Poetry Corner"});
    if (!haveMessenger) std::printf("demo messenger not started (%s)\n", DemoMessenger::ExePath().c_str());

    std::printf("Room scan\n");
    for (int i = 0; i < 20; ++i) link.FillRoomList();  // warm-up: the first calls pay for setting up
    ReportScan(link, combo1, "without our extra windows:", rounds);
    std::vector<HWND> others = OpenOtherWindows(200);
    ReportScan(link, combo1, "with 200 other top-level windows:", rounds);

    if (haveMessenger) {
        std::printf("Delivery into the demo messenger (TxtSendPal, synchronous)\n");
        SetWindowTextA(combo1, "Lobby");
        for (const auto& [label, rtf] : {std::pair<const char*, std::string>{"typical message", TypicalMessage()},
                                         {"200-line message", LargeMessage()}}) {
            const auto start = Clock::now();
            for (int i = 0; i < messages; ++i) {
                std::string message = rtf;
                link.TxtSendPal(message);
            }
            const double perMessage = Seconds(start) / messages;
            std::printf("  %-17s %6zu bytes: %8.3f ms per message\n", label, rtf.size(), perMessage * 1e3);
        }
        std::printf("Full format on the way out, per message (delivery above includes the first way)\n");
        RichTextBox box(RichTextBox::Create(main.form1, 1, ES_MULTILINE, 0, 0, 200, 100));
        for (const auto& [label, rtf] : {std::pair<const char*, std::string>{"typical message", TypicalMessage()},
                                         {"200-line message", LargeMessage()}}) {
            box.SetTextRTF(rtf);
            auto start = Clock::now();
            std::size_t bytes = 0;
            for (int i = 0; i < messages; ++i) bytes += StateFullFormat(box.TextRTF()).size();
            const double rewrite = Seconds(start) / messages;
            const int runRounds = quick ? 2 : 5;
            start = Clock::now();
            for (int i = 0; i < runRounds; ++i) bytes += RtfFromBoxRuns(box).size();
            const double runs = Seconds(start) / runRounds;
            std::printf("  %-17s rewriting the box's RTF: %8.3f ms; its runs read back and written anew: %8.3f ms%s\n",
                        label, rewrite * 1e3, runs * 1e3, bytes ? "" : " (nothing written)");
        }
        const auto posted = messenger.Transcript();
        std::printf("  the messenger posted %zu of %d messages\n", posted.size(), 2 * messages);
    }
    for (HWND hwnd : others) DestroyWindow(hwnd);

    std::printf("Waiting (processor time spent during the wait)\n");
    double cpu = ProcessCpuSeconds();
    auto start = Clock::now();
    Delay(static_cast<float>(delaySeconds));
    double wall = Seconds(start);
    cpu = ProcessCpuSeconds() - cpu;
    std::printf("  Delay(%.0f):          %6.3f s wall, %6.3f s CPU = %5.2f %% of the wall time\n", delaySeconds, wall,
                cpu, 100.0 * cpu / wall);
    cpu = ProcessCpuSeconds();
    start = Clock::now();
    SpinningDelay(spinSeconds);
    wall = Seconds(start);
    cpu = ProcessCpuSeconds() - cpu;
    std::printf("  spinning wait (%.1f): %6.3f s wall, %6.3f s CPU = %5.2f %% of the wall time\n", spinSeconds, wall,
                cpu, 100.0 * cpu / wall);

    messenger.Close();
    return 0;
}
