// The fade pipeline that Send, the auto-send timer and the text designs share:
// the composer's plain text is faded from colour A to colour B, the markup is
// stored in the box and rendered back into it as coloured characters.
#pragma once
#include <windows.h>

#include <string>

#include "app/rich_text_box_win.h"

// The Main tab's "Random Color" check box and the two colour pickers it repaints.
struct MainPickers {
    HWND chkRandomColor = nullptr;
    HWND picColorA = nullptr;
    HWND picColorB = nullptr;
};

// Tag markup of `text` faded from `a` to `b`. When chkRandomColor is ticked the
// two pickers are first repainted with new random colours (channels 1 to 255,
// a different pair on every call); this call still fades between `a` and `b`,
// and the new colours take effect with the next call that reads the pickers.
std::string FadeText(COLORREF a, COLORREF b, const std::string& text, const MainPickers& pickers);

// Text -> FadeText -> MarkupToRich of the markup, which replaces the box's
// whole content. Afterwards the box's TextRTF is the faded message.
void FadePipeline(RichTextBox& box, COLORREF a, COLORREF b, const MainPickers& pickers);
