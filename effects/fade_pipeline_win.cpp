#include "effects/fade_pipeline_win.h"

#include "effects/markup_to_rich_win.h"

void FadePipeline(RichTextBox& box, COLORREF a, COLORREF b) {
    FadePipeline(box, FadeStyle::Classic, {static_cast<std::uint32_t>(a), static_cast<std::uint32_t>(b)});
}

void FadePipeline(RichTextBox& box, FadeStyle style, const ColorStops& stops) {
    FadePipeline(box, style, stops, box.Text());
}

void FadePipeline(RichTextBox& box, FadeStyle style, const ColorStops& stops, const std::string& text) {
    const std::string markup = FadeMarkup(style, stops, text);
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
