#include "effects/fade_pipeline_win.h"

#include "app/color_box_win.h"
#include "effects/fade_text.h"
#include "effects/markup_to_rich_win.h"
#include "effects/random_colors.h"
#include "effects/utf8.h"

namespace {

// The generator behind "Random Color", one for the program's run.
RandomColorSource& RandomColorGenerator() {
    static RandomColorSource source(255);
    return source;
}

}  // namespace

std::string FadeText(COLORREF a, COLORREF b, const std::string& text, const MainPickers& pickers) {
    // The colours are taken as given before the pickers change, so a repaint
    // never alters the fade of this call.
    const std::int32_t colorA = static_cast<std::int32_t>(a);
    const std::int32_t colorB = static_cast<std::int32_t>(b);
    if (pickers.chkRandomColor &&
        SendMessageA(pickers.chkRandomColor, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        const ColorPair pair = RandomColorGenerator().NextPair();
        if (pickers.picColorA) ColorBox_SetColor(pickers.picColorA, pair.a);
        if (pickers.picColorB) ColorBox_SetColor(pickers.picColorB, pair.b);
    }
    return FadeText(colorA, colorB, text);
}

void FadePipeline(RichTextBox& box, COLORREF a, COLORREF b, const MainPickers& pickers) {
    const std::string markup = FadeText(a, b, Utf8FromWindows1252(box.Text()), pickers);
    // The markup is rendered straight from the string; the box never holds it
    // as plain text in between. Nothing could see that state (no message runs
    // before the render replaces it), yet storing it costs several complete
    // layouts of the text: on one 8,000-character line under Wine, 0.7 s
    // against 0.1 s for everything else. Reading it back would also be wrong:
    // the fader cuts segments by character count and may put a colour tag
    // between the CR and the LF of a line break, and a box holding a lone CR
    // or LF makes a break of each.
    RenderRuns(box, ReadMarkup(markup));
}
