// The character-at-a-time renderer: every character appended through the
// selection, every tag applied to the insertion point, as a user's own macro
// would do it. Its cost grows with the square of the length, so the program
// never uses it; it is the yardstick the one-step MarkupToRich is checked
// against (tests/win/markup_to_rich_test.cpp) and timed against (bench/).
#pragma once
#include <string>

#include "ui/rich_text_box_win.h"

void MarkupToRichCharByChar(RichTextBox& box, const std::string& markup);
