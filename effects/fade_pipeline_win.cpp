#include "effects/fade_pipeline_win.h"

#include "app/color_box_win.h"
#include "effects/fade_text.h"
#include "effects/markup_to_rich_win.h"

RandomColorSource& RandomColorGenerator() {
    static RandomColorSource source(255);
    return source;
}

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
    const std::string markup = FadeText(a, b, box.Text(), pickers);
    box.SetText(markup);
    // The box now holds the markup, but it is rendered from the string itself:
    // the fader cuts segments by character count and may put a colour tag
    // between the CR and the LF of a line break, and the box cannot hold a lone
    // CR or LF (each becomes a break of its own), so its text read back would
    // turn one line break into two.
    MarkupToRich(box, markup);
}
