#include "designs/art_fade_win.h"

#include <vector>

#include "ui/rich_text_box_win.h"
#include "designs/art_fade.h"

namespace {

// Holds the box's painting while many formats are set, then repaints once.
class RedrawPause {
public:
    explicit RedrawPause(HWND hwnd) : hwnd_(hwnd) { SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0); }
    ~RedrawPause() {
        SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

private:
    HWND hwnd_;
};

}  // namespace

void ApplyArtFade(RichTextBox& box, std::int32_t startColor, std::int32_t endColor) {
    // The length as the design's text counts it: a line break is two characters.
    const std::vector<ArtFadeRun> runs = ArtFadeRuns(startColor, endColor, box.Length());
    {
        RedrawPause pause(box.Hwnd());
        for (const ArtFadeRun& run : runs) {
            box.Select(run.start, run.length);
            box.SetSelColor(static_cast<COLORREF>(run.color));
        }
    }
    box.Select(0, 0);
}

void ApplyArtFadePerCharacter(RichTextBox& box, std::int32_t startColor, std::int32_t endColor) {
    const std::vector<std::uint32_t> colors = ArtFadeColors(startColor, endColor, box.Length());
    for (std::size_t i = 0; i < colors.size(); ++i) {
        box.Select(static_cast<long>(i), 1);
        box.SetSelColor(static_cast<COLORREF>(colors[i]));
    }
    box.Select(0, 0);
}
