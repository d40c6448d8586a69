// Times the fade pipeline (fade, render into the composer, read TextRTF) the
// one-step way against the character-at-a-time way, on a real RichEdit20W
// under the platform or Wine, the same steps on an 8,000-character text mixing
// scripts and emoji, and the markup reader with the RTF writer on hostile
// shapes that once grew with the square of their length. Prints the tables;
// exits non-zero only when the two ways disagree on the text they produce.
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
#include "bench/baselines_win.h"
#include "bench/bench_clock_win.h"
#include "effects/fade_pipeline_win.h"
#include "effects/fade_text.h"
#include "effects/markup_reader.h"
#include "effects/markup_to_rich_win.h"
#include "effects/rtf_writer.h"
#include "ui/utf8.h"

namespace {

// A composer text of `n` characters: words, punctuation and a few accented
// letters, as one line or with a line break about every hundred characters.
// One long line is the harder case: the control lays out a paragraph whole.
std::string ComposerText(std::size_t n, bool oneLine) {
    static const char* const kWords[] = {"hello", "room", "caf\u00E9", "everyone", "how", "are", "you",
                                         "today", "na\u00EFve", "colours", "fade", "nicely", "!", "?"};
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

// About `n` characters as a person counts them, as UTF-8: Latin with accents,
// Greek, Arabic, CJK, and emoji (one of them a surrogate pair with a skin tone).
std::string MixedScriptText(std::size_t n) {
    static const char* const kWords[] = {"caf\u00E9", "na\u00EFve", "\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1",
                                         "\u0645\u0631\u062D\u0628\u0627", "\u4F60\u597D", "\u4E16\u754C",
                                         "\U0001F600", "\U0001F44D\U0001F3FD", "\u2615", "hello"};
    static const std::size_t kCounts[] = {4, 5, 7, 5, 2, 2, 1, 1, 1, 5};
    std::string out;
    std::size_t count = 0, word = 0;
    while (count < n) {
        const std::size_t w = word++ % (sizeof(kWords) / sizeof(kWords[0]));
        out += kWords[w];
        out += ' ';
        count += kCounts[w] + 1;
    }
    return out;
}

// The fade, render and read-back of UTF-8 text on the core's path (the box is
// given the document; its 8-bit Text() could not carry these characters).
double Utf8Pipeline(RichTextBox& box, const std::string& text) {
    const double t0 = NowMs();
    RenderRuns(box, ReadMarkup(FadeText(RGB(255, 0, 0), RGB(0, 0, 255), text)));
    const std::string rtf = box.TextRTF();
    return NowMs() - t0 + (rtf.empty() ? 1e9 : 0);
}

// Markup shapes that made the reader or the writer quadratic: one long face
// name followed by many style switches, a megabyte of distinct colours, a
// megabyte of distinct faces.
void HostileMarkupTable() {
    struct Shape {
        const char* name;
        std::string markup;
    };
    std::vector<Shape> shapes(3);
    shapes[0].name = "long face, bold toggles";
    shapes[0].markup = "<font face=\"" + std::string(10000, 'f') + "\">";
    while (shapes[0].markup.size() < 190000) shapes[0].markup += "<b>x</b>y";
    shapes[1].name = "distinct colours";
    shapes[2].name = "distinct faces";
    char tag[64];
    for (unsigned i = 0; shapes[1].markup.size() < 1000000; ++i) {
        std::snprintf(tag, sizeof(tag), "<font color=#%06X>x", i & 0xFFFFFF);
        shapes[1].markup += tag;
    }
    for (unsigned i = 0; shapes[2].markup.size() < 1000000; ++i) {
        std::snprintf(tag, sizeof(tag), "<font face=\"Face %u\">x", i);
        shapes[2].markup += tag;
    }
    std::printf("\nMarkup reader and RTF writer on hostile markup; median of 3 runs\n");
    std::printf("%-24s | %9s | %9s | %10s\n", "shape", "bytes", "read (ms)", "write (ms)");
    std::printf("-------------------------+-----------+-----------+-----------\n");
    for (const Shape& shape : shapes) {
        std::vector<double> reads, writes;
        for (int r = 0; r < 3; ++r) {
            const double t0 = NowMs();
            const RenderedMarkup doc = ReadMarkup(shape.markup);
            const double t1 = NowMs();
            const std::string rtf = WriteRtf(doc);
            const double t2 = NowMs();
            reads.push_back(t1 - t0);
            writes.push_back(t2 - t1 + (rtf.empty() ? 1e9 : 0));
        }
        std::printf("%-24s | %9zu | %9.1f | %10.1f\n", shape.name, shape.markup.size(), Median(reads), Median(writes));
    }
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

    std::printf("\nUTF-8 path (FadeText, render the document, read TextRTF), one line; median of 7 runs\n");
    for (const auto& [name, text] : {std::pair<const char*, std::string>{"Latin", ComposerText(8000, true)},
                                     {"mixed scripts", MixedScriptText(8000)}}) {
        std::vector<double> runs;
        Utf8Pipeline(fast, text);  // warm-up: the first use of a script loads its fonts
        for (int r = 0; r < 7; ++r) runs.push_back(Utf8Pipeline(fast, text));
        std::printf("%-14s | 8000 chars | %8.2f ms | %zu UTF-8 bytes\n", name, Median(runs), text.size());
        std::fflush(stdout);
    }
    HostileMarkupTable();
    DestroyWindow(host);
    return agree ? 0 : 1;
}
