// The fade pipeline that Send, the auto-send timer and the text designs share:
// the box's plain text is faded from colour A to colour B and the markup is
// rendered back into the box as coloured characters.
#pragma once
#include <windows.h>

#include "effects/gradient.h"
#include "ui/rich_text_box_win.h"

// Text -> FadeText -> MarkupToRich of the markup, which replaces the box's
// whole content. Afterwards the box's TextRTF is the faded message.
void FadePipeline(RichTextBox& box, COLORREF a, COLORREF b);

// The same through a fader's stops in its style (Classic with two stops is
// the call above).
void FadePipeline(RichTextBox& box, FadeStyle style, const ColorStops& stops);
// The same with the text to fade given: the box is filled only with the result.
void FadePipeline(RichTextBox& box, FadeStyle style, const ColorStops& stops, const std::string& text);
