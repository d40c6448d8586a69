// Click to room for the fade styles: Send on the Main tab of a real main window
// with the composer holding 2,000 and 8,000 characters, faded Classic (the
// two-colour fader, a handful of colours) and Smooth through three stops (a
// colour per character, so a colour table of thousands of entries), timed from
// the click until the demo messenger has written the message to its record.
// The same run, the same window and room for both: Classic is the yardstick.
//
//   fade_send_bench
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/form1_win.h"
#include "bench/bench_clock_win.h"
#include "tests/win/demo_messenger_driver.h"
#include "ui/message_loop_win.h"

namespace {

// Words, accents and an emoji now and then; one long line or lines of about a hundred.
std::string ComposerText(std::size_t n, bool oneLine) {
    static const char* const kWords[] = {"hello", "room", "caf\u00E9", "everyone", "how", "are", "you",
                                         "today", "na\u00EFve", "colours", "fade", "\U0001F600", "!"};
    std::string out;
    std::size_t characters = 0, sinceBreak = 0;
    for (std::size_t word = 0; characters < n; ++word) {
        if (!oneLine && sinceBreak > 100) {
            out += "\r\n";
            characters += 2;
            sinceBreak = 0;
        }
        out += kWords[word % (sizeof(kWords) / sizeof(kWords[0]))];
        out += ' ';
        characters += word % 13 == 11 ? 2 : std::string(kWords[word % 13]).size() + 1;
        sinceBreak += 6;
    }
    return out;
}

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main() {
    WindowsUi ui;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "vivarto_fade_send_bench";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* name : {"dl.txt", "dr.txt", "nicks.txt", "saved.txt", "dlist.txt"}) ReplaceFileContent(folder + "\\" + name, "");

    PalInstallRecordsGuard records;
    DemoMessenger messenger;
    if (!DemoMessenger::Install("11.3") || !messenger.Start({"Lobby"})) {  // there at all
        std::printf("demo messenger not started (%s)\n", DemoMessenger::ExePath().c_str());
        return 1;
    }
    Form1 form(ui, folder);
    if (!form.Create(true)) return 1;
    TabContext& ctx = form.Context();
    // A fresh room for every row and style: a room's history that grows with
    // every 8,000-character message would slow the later rows down.
    auto freshRoom = [&] {
        messenger.Start({"Lobby"});
        form.OnCommand(IDC_COMBO1, CBN_DROPDOWN);
        ctx.SetControlText(IDC_COMBO1, "Lobby");
    };
    ctx.FaderOptions().SetStops(FaderId::Main, {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255)});

    std::printf("Send, click to room (median of 7, after one warm-up)\n");
    std::printf("%-12s | %6s | %12s | %12s | %8s | %s\n", "text", "chars", "Classic (ms)", "Smooth (ms)", "ratio",
                "of which until Send returned, Classic / Smooth (ms)");
    bool goal = true;
    for (bool oneLine : {true, false}) {
        for (std::size_t n : {2000u, 8000u}) {
            const std::string text = ComposerText(n, oneLine);
            double medians[2], handedOver[2];
            for (FadeStyle style : {FadeStyle::Classic, FadeStyle::Smooth}) {
                ctx.FaderOptions().SetStyle(FaderId::Main, style);
                freshRoom();
                std::vector<double> runs, handed;
                for (int r = 0; r < 8; ++r) {
                    ctx.Composer().SetText(text);
                    RunPendingEvents();
                    const long long before = FileSize(messenger.TranscriptPath());
                    const double t0 = NowMs();
                    form.OnCommand(IDC_COMMAND1, BN_CLICKED);
                    if (r > 0) handed.push_back(NowMs() - t0);
                    while (FileSize(messenger.TranscriptPath()) == before && NowMs() - t0 < 10000) Sleep(0);
                    if (r > 0) runs.push_back(NowMs() - t0);
                }
                medians[static_cast<int>(style)] = Median(runs);
                handedOver[static_cast<int>(style)] = Median(handed);
            }
            if (n == 8000) goal = goal && medians[1] < 300.0;
            std::printf("%-12s | %6zu | %12.1f | %12.1f | %7.2fx | %6.1f / %6.1f\n", oneLine ? "one line" : "100-ch lines", n,
                        medians[0], medians[1], medians[1] / medians[0], handedOver[0], handedOver[1]);
            std::fflush(stdout);
        }
    }
    const auto posted = messenger.Transcript();
    std::printf("the room got %zu of 8 Smooth messages of the last row; the last RTF %zu bytes\n", posted.size(),
                posted.empty() ? 0 : posted.back().rtf.size());
    std::printf("goal, Smooth 8000 characters under 300 ms: %s\n", goal ? "met" : "MISSED");
    return 0;
}
