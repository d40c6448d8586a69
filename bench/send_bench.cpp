// Times the senders on one long paragraph on the real main window (run under
// Wine, where a rich edit takes seconds to lay out a long paragraph of short
// words). Each sender as it stands is timed against the way it used to go, in
// the same run: the nick put into the composer and then the fade rendered into
// it, two layouts of the composer for one message, and the hidden work boxes
// wrapping their text to their width. The old way is the same calls on a
// second main window whose work boxes wrap again. Built on a checkout from
// before the change, the "now" column shows the old program itself.
//
//   send_bench [--chars N] [--messenger]
//     N characters per paragraph (default 32,000): "abcd " repeated, and
//     ordinary sentences. Without --messenger no room is open, so only this
//     program's side is timed; with it the demo messenger takes every message
//     and lays it out in its own boxes as well.
#include <windows.h>
#include <richedit.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "app/form1_win.h"
#include "app/main_tab_win.h"
#include "designs/art_designs_tab_win.h"
#include "designs/art_text.h"
#include "effects/fade_pipeline_win.h"
#include "effects/nick_rule.h"
#include "tests/win/demo_messenger_driver.h"
#include "ui/utf8.h"

namespace {

using Clock = std::chrono::steady_clock;

class SilentUi : public Ui {
public:
    int MessageBox(HWND, const std::string&, const std::string&, UINT) override { return IDOK; }
    bool ChooseColor(HWND, COLORREF&) override { return false; }
    void OpenUrl(const std::string&) override {}
};

std::string Paragraph(const char* piece, std::size_t chars) {
    std::string text;
    while (text.size() + std::strlen(piece) <= chars) text += piece;
    return text;
}

double Time(const std::function<void()>& run) {
    const auto start = Clock::now();
    run();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void WorkBoxesWrap(TabContext& ctx, bool wrap) {
    for (RichTextBox* box : {&ctx.NickWorkBox(), &ctx.ArtWorkBox()})
        SendMessageW(box->Hwnd(), EM_SETTARGETDEVICE, 0, wrap ? 0 : 1);
}

// Send, Command15 and Send To Room the way they went before: every step on
// the composer or a work box that wraps.
void OldSend(TabContext& ctx, bool fade) {
    RichTextBox& composer = ctx.Composer();
    composer.SetTextRTF(ApplyChosenNick(composer.TextRTF(), ctx.Label3Caption()));
    if (fade) FadePipeline(composer, RGB(255, 0, 0), RGB(0, 0, 255));
    std::string message = composer.TextRTF();
    ctx.Link().TxtSendPal(message);
}

void OldCommand15(TabContext& ctx) {
    RichTextBox& work = ctx.NickWorkBox();
    work.SetTextRTF(ApplyChosenNick(ctx.Composer().TextRTF(), ctx.Label3Caption()));
    std::string message = work.TextRTF();
    ctx.Link().TxtSendPal(message);
}

void OldArtSend(TabContext& ctx) {
    RichTextBox& source = ctx.ArtWorkBox();
    source.SetTextRTF(ApplyChosenNick(ctx.ArtDesign().TextRTF(), ctx.Label3Caption()));
    const std::vector<std::string> lines = SplitDesignLines(source.Text());
    ctx.Composer().SetText("");
    long start = 0;
    for (const std::string& line : lines) {
        const long end = start + static_cast<long>(Utf16FromUtf8(line).size()) + 1;
        source.SelectInControl(start, end);
        ctx.Composer().SetTextRTF(source.SelRTF());
        start = end;
        std::string rtf = ctx.Composer().TextRTF();
        ctx.Link().TxtSendPal(rtf);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t chars = 32000;
    bool withMessenger = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--chars") == 0 && i + 1 < argc) chars = std::strtoul(argv[++i], nullptr, 10);
        if (std::strcmp(argv[i], "--messenger") == 0) withMessenger = true;
    }
    DemoMessenger messenger;
    if (withMessenger && !(DemoMessenger::Install("11.3") && messenger.Start({"Bench room"}))) {
        std::printf("the demo messenger did not start\n");
        return 1;
    }
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    SilentUi ui;
    // Two main windows: one as the program makes it, one with its work boxes
    // wrapping again for the old way. So each sender runs on boxes that hold
    // the same paragraph, and the program's own window is never altered.
    Form1 form(ui, temp), oldForm(ui, temp);
    if (!form.Create(true) || !oldForm.Create(true)) return 1;
    WorkBoxesWrap(oldForm.Context(), true);
    for (Form1* f : {&form, &oldForm}) {
        TabContext& c = f->Context();
        c.SetControlText(IDC_TEXT5, "0");
        c.SetControlText(IDC_LABEL3, "Bob");
        c.SetChecked(IDC_OPTION1, true);  // Fade: the nick and then the fade, the old way's two layouts
        c.SetChecked(IDC_OPTION2, false);
    }
    TabContext& ctx = form.Context();
    TabContext& old = oldForm.Context();

    const struct {
        const char* name;
        std::string text;
    } paragraphs[] = {
        {"\"abcd \" repeated", Paragraph("abcd ", chars)},
        {"ordinary sentences",
         Paragraph("The quick brown fox jumps over the lazy dog, and then it rests a while in the sun. ", chars)},
    };
    std::printf("Senders on one paragraph of %zu characters, seconds (%s)\n", chars,
                withMessenger ? "the demo messenger takes each message" : "no room open: this program's side only");
    std::printf("  %-20s %-24s %8s %8s\n", "paragraph", "sender", "old way", "now");
    for (const auto& p : paragraphs) {
        const std::string text = "sn% " + p.text;
        auto timed = [&](TabContext& c, const std::function<void()>& run) {
            c.SetControlText(IDC_COMBO1, "Bench room");  // a room that is not open: nothing is delivered
            return Time(run);
        };
        auto print = [&](const char* sender, double oldWay, double now) {
            std::printf("  %-20s %-24s %8.3f %8.3f\n", p.name, sender, oldWay, now);
            std::fflush(stdout);
        };
        for (TabContext* c : {&ctx, &old}) {
            c->Composer().SetText("");  // emptying a box that held a long paragraph takes its own time
            c->ArtDesign().SetText("");
        }
        const double hold = Time([&] { ctx.Composer().SetText(text); });
        std::printf("  %-20s %-24s %8s %8.3f\n", p.name, "composer takes it", "", hold);
        old.Composer().SetText(text);
        const double old15 = timed(old, [&] { OldCommand15(old); });
        print("Command15, nick", old15, timed(ctx, [&] { form.Main().Command15_Click(); }));
        const double oldSend = timed(old, [&] { OldSend(old, true); });
        print("Send, Fade, nick", oldSend, timed(ctx, [&] { form.Main().Command1_Click(); }));
        for (TabContext* c : {&ctx, &old}) c->ArtDesign().SetText(text);
        const double oldArt = timed(old, [&] { OldArtSend(old); });
        print("Send To Room, nick", oldArt, timed(ctx, [&] { form.ArtDesigns().Command25_Click(); }));
    }
    return 0;
}
