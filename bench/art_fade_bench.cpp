// Times the art design fade on a real RichEdit20W (under the platform or Wine):
// the run-by-run way the "Fade" button uses against colouring one character at
// a time, on the same design in the same run. Prints one table and whether the
// fast way meets its goal; exits non-zero when the two ways leave the box
// differently coloured.
//
//   art_fade_bench [--lines N] [--width N] [--repeat N] [--slow-max N]
//     defaults: 100 lines of 80 characters (and a second design of 20 lines),
//     5 timed runs of the fast way; --slow-max caps the design size the
//     character-at-a-time way is run on (default: no cap, so its figure is on
//     the very same design; about 20 s under Wine for the default size).
//   Then the walk of Send To Room over a 2,000-line design: each line selected
//   and its RTF taken, by positions kept while walking against positions
//   converted from the whole text again for every line.
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ui/rich_text_box_win.h"
#include "bench/baselines_win.h"
#include "bench/bench_clock_win.h"
#include "designs/art_fade.h"
#include "designs/art_fade_win.h"
#include "designs/art_text.h"

namespace {

// An ASCII drawing of `lines` lines of `width` characters, lines joined by CR LF.
std::string Drawing(int lines, int width) {
    static const char kPattern[] = " /\\_/\\ ( o.o ) > ^ < ~*~ |##| <3 ";
    const std::size_t period = sizeof(kPattern) - 1;
    std::string out;
    for (int line = 0; line < lines; ++line) {
        if (line) out += "\r\n";
        for (int i = 0; i < width; ++i) out += kPattern[static_cast<std::size_t>(line * 3 + i) % period];
    }
    return out;
}

// The drawing with bold and size changes here and there, the way a user draws.
void Draw(RichTextBox& box, int lines, int width) {
    box.SetText(Drawing(lines, width));
    const long lineLength = width + 2;
    for (int line = 0; line < lines; line += 3) {
        box.Select(line * lineLength + 4, 10);
        box.SetSelBold(true);
        box.Select(line * lineLength + 30, 6);
        box.SetSelFontSize(12);
    }
    box.Select(0, 0);
}

struct CharLook {
    COLORREF color;
    DWORD effects;
    LONG height;
    bool operator==(const CharLook&) const = default;
};

std::vector<CharLook> Looks(HWND box) {
    GETTEXTLENGTHEX len{GTL_PRECISE | GTL_NUMCHARS, 1200};
    const LONG n = static_cast<LONG>(SendMessageA(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0));
    std::vector<CharLook> looks;
    for (LONG k = 0; k < n; ++k) {
        CHARRANGE cr{k, k + 1};
        SendMessageA(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
        CHARFORMAT2A cf{};
        cf.cbSize = sizeof(cf);
        cf.dwMask = CFM_COLOR | CFM_BOLD | CFM_SIZE;
        SendMessageA(box, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
        looks.push_back({cf.crTextColor, cf.dwEffects & (CFE_BOLD | CFE_AUTOCOLOR), cf.yHeight});
    }
    return looks;
}

int Arg(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return std::atoi(argv[i + 1]);
    return fallback;
}

HWND MakeWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VivartoArtFadeBench";
    RegisterClassA(&wc);
    HWND frame = CreateWindowExA(0, wc.lpszClassName, "art fade bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 900,
                                 700, nullptr, nullptr, wc.hInstance, nullptr);
    return frame;
}

HWND MakeBox(HWND frame, int id, int x) {
    return RichTextBox::Create(frame, id, ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_VISIBLE, x, 0, 440, 650);
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

struct CaseResult {
    long characters = 0;
    std::size_t runs = 0;
    std::vector<double> fastMs;  // sorted
    long slowCharacters = 0;
    int slowLines = 0;
    double slowMs = 0;
    bool same = false;
    double FastMedian() const { return fastMs[fastMs.size() / 2]; }
};

// Times both ways on a drawing of `lines` x `width` characters from red to blue.
CaseResult RunCase(RichTextBox& fast, RichTextBox& slow, int lines, int width, int repeat, int slowMax) {
    const std::int32_t start = RGB(255, 0, 0), end = RGB(0, 0, 255);
    CaseResult result;
    Draw(fast, lines, width);
    const std::string designRtf = fast.TextRTF();
    result.characters = fast.Length();
    result.runs = ArtFadeRuns(start, end, result.characters).size();

    // The fast way, as the "Fade" button runs it, on a freshly drawn design each time.
    for (int r = 0; r < repeat; ++r) {
        fast.SetTextRTF(designRtf);
        Pump();
        const double t0 = NowMs();
        ApplyArtFade(fast, start, end);
        Pump();  // the one repaint belongs to the cost
        result.fastMs.push_back(NowMs() - t0);
    }
    std::sort(result.fastMs.begin(), result.fastMs.end());

    // The character-at-a-time way on the same design (or a smaller one when capped).
    result.slowLines = lines;
    if (slowMax > 0)
        while (result.slowLines > 1 && static_cast<long>(result.slowLines) * (width + 2) - 2 > slowMax)
            --result.slowLines;
    Draw(slow, result.slowLines, width);
    result.slowCharacters = slow.Length();
    const double s0 = NowMs();
    ApplyArtFadePerCharacter(slow, start, end);
    Pump();
    result.slowMs = NowMs() - s0;

    // The same design must come out the same either way.
    if (result.slowCharacters != result.characters) {
        Draw(fast, result.slowLines, width);
        ApplyArtFade(fast, start, end);
    }
    result.same = Looks(fast.Hwnd()) == Looks(slow.Hwnd());
    return result;
}

void Print(const char* title, int lines, int width, int repeat, const CaseResult& r) {
    std::printf("%s: %d lines of %d characters, %ld characters with the line breaks, %zu run%s of colour\n", title,
                lines, width, r.characters, r.runs, r.runs == 1 ? "" : "s");
    std::printf("  run by run          %9.1f ms  (median of %d; fastest %.1f, slowest %.1f)\n", r.FastMedian(), repeat,
                r.fastMs.front(), r.fastMs.back());
    if (r.slowCharacters == r.characters)
        std::printf("  character by char.  %9.1f ms  (same design)\n", r.slowMs);
    else
        std::printf("  character by char.  %9.1f ms  (%ld characters, %d lines; capped by --slow-max)\n", r.slowMs,
                    r.slowCharacters, r.slowLines);
    std::printf("  ratio               %9.1f x%s\n", r.slowMs / r.FastMedian(),
                r.slowCharacters == r.characters ? "" : "  (understated: the slow way ran on a smaller design)");
    std::printf("  both ways leave the same colours, bold and sizes: %s\n", r.same ? "yes" : "NO");
}

// Both walks over the same design; true when they took the same RTF line for line.
bool TimeLineWalk(RichTextBox& box, int lines, int width) {
    Draw(box, lines, width);
    const std::vector<std::string> split = SplitDesignLines(box.Text());
    std::vector<std::string> kept, converted;
    double t0 = NowMs();
    long start = 0;
    for (const std::string& line : split) {
        const long end = start + static_cast<long>(line.size()) + 1;  // the control counts a break as one
        box.SelectInControl(start, end);
        kept.push_back(box.SelRTF());
        start = end;
    }
    const double keptMs = NowMs() - t0;
    t0 = NowMs();
    start = 0;
    for (const std::string& line : split) {
        const long length = static_cast<long>(line.size()) + 2;
        box.Select(start, length);
        converted.push_back(box.SelRTF());
        start += length;
    }
    const double convertedMs = NowMs() - t0;
    std::printf("line-by-line send walk: %zu lines of %d characters\n", split.size(), width);
    std::printf("  positions kept      %9.1f ms\n  text read per line  %9.1f ms\n  ratio               %9.1f x\n",
                keptMs, convertedMs, convertedMs / keptMs);
    std::printf("  the same line RTF either way: %s\n", kept == converted ? "yes" : "NO");
    return kept == converted;
}

}  // namespace

int main(int argc, char** argv) {
    const int lines = Arg(argc, argv, "--lines", 100);
    const int width = Arg(argc, argv, "--width", 80);
    const int repeat = std::max(1, Arg(argc, argv, "--repeat", 5));
    const int slowMax = Arg(argc, argv, "--slow-max", 0);

    HWND frame = MakeWindow();
    RichTextBox fast(MakeBox(frame, 1, 0));
    RichTextBox slow(MakeBox(frame, 2, 445));
    Pump();

    // The goal's design. On a design this long every step of the fade rounds to
    // 0 (each change moves a channel 9 / n of the way, under half a unit), so it
    // is one run; the second case is short enough for the colour to change at
    // every run, the most format calls the fast way ever makes (20).
    const CaseResult goal = RunCase(fast, slow, lines, width, repeat, slowMax);
    Print("art design fade", lines, width, repeat, goal);
    const int movingLines = 20;
    const CaseResult moving = RunCase(fast, slow, movingLines, width, repeat, slowMax);
    Print("colour moving at every run", movingLines, width, repeat, moving);
    std::printf("goal, %ld characters under 150 ms: %s (%.1f ms)\n", goal.characters,
                goal.FastMedian() < 150.0 ? "met" : "NOT met", goal.FastMedian());
    const bool walkSame = TimeLineWalk(fast, 2000, width);
    DestroyWindow(frame);
    return goal.same && moving.same && walkSame ? 0 : 1;
}
