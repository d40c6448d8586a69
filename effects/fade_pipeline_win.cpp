#include "effects/fade_pipeline_win.h"

#include "effects/fade_text.h"
#include "effects/markup_to_rich_win.h"

void FadePipeline(RichTextBox& box, COLORREF a, COLORREF b) { FadePipeline(box, a, b, box.Text()); }

void FadePipeline(RichTextBox& box, COLORREF a, COLORREF b, const std::string& text) {
    const std::string markup = FadeText(static_cast<std::int32_t>(a), static_cast<std::int32_t>(b), text);
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
