// The naive ways the program's fast ones are measured against (bench/) and
// checked against (tests/win/): each gets the same result one character at a
// time, through the selection, as a user's own macro would. Their cost grows
// with the length (the markup one with its square), so the program never uses
// them.
#pragma once
#include <cstdint>
#include <string>

#include "ui/rich_text_box_win.h"

// Every character of `markup` appended through the selection, every tag
// applied to the insertion point: what MarkupToRich does in one step.
void MarkupToRichCharByChar(RichTextBox& box, const std::string& markup);

// Selects each character and sets its colour: what ApplyArtFade does in one
// format call per run of equal colour.
void ApplyArtFadePerCharacter(RichTextBox& box, std::int32_t startColor, std::int32_t endColor);
