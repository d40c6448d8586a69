#include "designs/art_fade_win.h"

#include <vector>

#include "ui/rich_text_box_win.h"
#include "designs/art_fade.h"
#include "effects/fade_text.h"
#include "ui/utf8.h"

namespace {

// Holds the box's painting while many formats are set, then repaints once.
class RedrawPause {
public:
    explicit RedrawPause(HWND hwnd) : hwnd_(hwnd) { SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0); }
    ~RedrawPause() {
        SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

private:
    HWND hwnd_;
};

// Where each character as a person counts it starts in the box's positions
// (UTF-16 units), and the end: the schedule counts characters as seen, so an
// emoji (two units) or a letter with its accent takes one colour whole. A line
// break is still two characters, CR and LF.
std::vector<long> CharacterStarts(const std::string& text) {
    std::vector<long> starts{0};
    std::size_t from = 0;
    for (std::size_t end : CharacterEnds(text)) {
        starts.push_back(starts.back() + static_cast<long>(Utf16FromUtf8(std::string_view(text).substr(from, end - from)).size()));
        from = end;
    }
    return starts;
}

}  // namespace

void ApplyArtFade(RichTextBox& box, std::int32_t startColor, std::int32_t endColor) {
    ApplyArtFade(box, FadeStyle::Classic,
                 {static_cast<std::uint32_t>(startColor), static_cast<std::uint32_t>(endColor)});
}

void ApplyArtFade(RichTextBox& box, FadeStyle style, const ColorStops& stops) {
    const std::string text = box.Text();
    const std::vector<long> at = CharacterStarts(text);
    const std::vector<ArtFadeRun> runs = ArtGradientRuns(style, stops, text);
    {
        RedrawPause pause(box.Hwnd());
        for (const ArtFadeRun& run : runs) {
            box.Select(at[run.start], at[run.start + run.length] - at[run.start]);
            box.SetSelColor(static_cast<COLORREF>(run.color));
        }
    }
    box.Select(0, 0);
}
