// Renders tag markup into a rich text box in one step: the markup is read into
// runs, the runs are written as one RTF document, and the document is streamed
// into the box at once. The box ends up exactly as if every character had been
// appended through the selection in the format in force at that point.
#pragma once
#include <string>

#include "ui/rich_text_box_win.h"
#include "effects/markup_reader.h"

// Replaces the whole content of `box` by the rendered markup, given in
// UTF-8 as the box's own text is. The base font
// becomes Arial, and the insertion point is left at the end with the format
// last in force (Arial 10 plain black for markup without any tag or text).
void MarkupToRich(RichTextBox& box, const std::string& markup);

// The same for markup that has already been read (UTF-8).
void RenderRuns(RichTextBox& box, const RenderedMarkup& doc);

// Sets the format at the box's current selection (or insertion point) in one
// message: font name, size, the four styles and the colour.
void SetSelFormat(RichTextBox& box, const CharFormat& format);
