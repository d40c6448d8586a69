// Times the fade pipeline (fade, render into the composer, read TextRTF) the
// one-step way against the character-at-a-time way, on a real RichEdit20W
// under the platform or Wine. Prints one table; exits non-zero only when the
// two ways disagree on the text they produce.
//
//   effects_bench [--slow-max N]   (default 2000: the slow way grows with the
//                                   square of the length and 8000 characters
//                                   would take minutes)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ui/rich_text_box_win.h"
#include "bench/bench_clock_win.h"
#include "effects/fade_pipeline_win.h"
#include "effects/fade_text.h"
#include "effects/markup_char_by_char_win.h"

namespace {

// A composer text of `n` characters: words, punctuation and a few accented
// letters, as one line or with a line break about every hundred characters.
// One long line is the harder case: the control lays out a paragraph whole.
std::string ComposerText(std::size_t n, bool oneLine) {
    static const char* const kWords[] = {"hello", "room", "caf\xE9", "everyone", "how", "are", "you",
                                         "today", "na\xEFve", "colours", "fade", "nicely", "!", "?"};
    std::string out;
    std::size_t word = 0, sinceBreak = 0;
    while (out.size() < n) {
        if (!oneLine && sinceBreak > 100 && out.size() + 2 <= n) {
            out += "\r\n";
            sinceBreak = 0;
            continue;
        }
        std::string w = kWords[word++ % (sizeof(kWords) / sizeof(kWords[0]))];
        w += ' ';
        out += w;
        sinceBreak += w.size();
    }
    out.resize(n);
    if (!out.empty() && out.back() == '\r') out.back() = '.';
    return out;
}

struct Timing {
    double ms = 0;
    std::string text;
    std::size_t rtfBytes = 0;
};

// The fast way: the real pipeline as Send runs it.
Timing FastPipeline(RichTextBox& box, const std::string& text) {
    box.SetText(text);
    const double t0 = NowMs();
    FadePipeline(box, RGB(255, 0, 0), RGB(0, 0, 255));
    const std::string rtf = box.TextRTF();
    const double t1 = NowMs();
    return {t1 - t0, box.Text(), rtf.size()};
}

// The same steps with the render done one character at a time.
Timing SlowPipeline(RichTextBox& box, const std::string& text) {
    box.SetText(text);
    const double t0 = NowMs();
    const std::string markup = FadeText(RGB(255, 0, 0), RGB(0, 0, 255), box.Text());
    MarkupToRichCharByChar(box, markup);
    const std::string rtf = box.TextRTF();
    const double t1 = NowMs();
    return {t1 - t0, box.Text(), rtf.size()};
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t slowMax = 2000;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--slow-max") == 0) slowMax = static_cast<std::size_t>(std::atol(argv[i + 1]));

    RichTextBox::LoadLibraryOnce();
    HWND host = CreateWindowExA(0, "STATIC", "effects bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 500,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    RichTextBox fast(RichTextBox::Create(host, 1, ES_MULTILINE | WS_VISIBLE | WS_VSCROLL, 0, 0, 680, 220));
    RichTextBox slow(RichTextBox::Create(host, 2, ES_MULTILINE | WS_VISIBLE | WS_VSCROLL, 0, 230, 680, 220));

    std::printf("Fade pipeline (FadeText, render into the composer, read TextRTF); fast: median of 7 runs\n");
    std::printf("%-12s | %6s | %10s | %14s | %7s | %s\n", "text", "chars", "fast (ms)", "char-by-char", "ratio",
                "RTF bytes");
    std::printf("-------------+--------+------------+----------------+---------+----------\n");
    bool agree = true;
    bool goal500 = true, goal8000 = true;
    for (bool oneLine : {true, false}) {
        for (std::size_t n : {500u, 2000u, 8000u}) {
            const std::string text = ComposerText(n, oneLine);
            const char* shape = oneLine ? "one line" : "100-ch lines";
            std::vector<double> runs;
            Timing f;
            FastPipeline(fast, text);  // warm-up: the first use loads fonts
            for (int r = 0; r < 7; ++r) {
                f = FastPipeline(fast, text);
                runs.push_back(f.ms);
            }
            const double fastMs = Median(runs);
            if (n == 500) goal500 = goal500 && fastMs < 10.0;
            if (n == 8000) goal8000 = goal8000 && fastMs < 150.0;
            if (n <= slowMax) {
                const Timing s = SlowPipeline(slow, text);
                if (s.text != f.text) {
                    agree = false;
                    std::printf("  !! the two ways produced different text for %zu characters\n", n);
                }
                std::printf("%-12s | %6zu | %10.2f | %11.1f ms | %6.0fx | %zu\n", shape, n, fastMs, s.ms,
                            s.ms / fastMs, f.rtfBytes);
            } else {
                std::printf("%-12s | %6zu | %10.2f | %14s | %7s | %zu\n", shape, n, fastMs, "not run", "-",
                            f.rtfBytes);
            }
            std::fflush(stdout);
        }
    }
    if (slowMax < 8000)
        std::printf("(char-by-char measured once per size, only up to %zu characters: it grows with the\n"
                    " square of the length; pass --slow-max 8000 to time 8000 as well)\n", slowMax);
    else
        std::printf("(char-by-char measured once per size)\n");
    std::printf("goal 500 chars < 10 ms: %s; 8000 chars < 150 ms: %s\n", goal500 ? "met" : "MISSED",
                goal8000 ? "met" : "MISSED");
    DestroyWindow(host);
    return agree ? 0 : 1;
}
