// Writes formatted runs as one RTF document that a Windows rich edit control
// loads as the same characters with the same formats: a font table, a colour
// table, and \f \fs \cf \b \i \ul \strike switched only where a run differs
// from the one before it.
#pragma once
#include <string>
#include <vector>

#include "effects/markup_reader.h"

// `endFormat` is given to the closing paragraph mark, so a box that loads the
// document keeps it at the end of the content. Text is UTF-8: every character
// above 127 goes out as \uN? per UTF-16 unit (N signed 16-bit, so negative
// above 32767; a surrogate pair is two), never through the code page; a byte
// that is not UTF-8 is U+FFFD. "\" "{" "}" are escaped, a tab is \tab, and a
// line break is \par: CR LF (even with a run boundary between the two, where
// the fader may cut), or a lone CR or LF. A NUL byte, which no rich edit text
// can hold, is left out, as is a ";" in a font name. Font names keep the
// Windows-1252 byte (\'xx) of each character that has one, which any reader of
// the font table understands. Time and memory are linear in the document.
std::string WriteRtf(const RenderedMarkup& doc);

// Appends one character as RTF text: "\", "{", "}" escaped, above 127 as
// \uN? units. Control characters go out unchanged.
void AppendRtfCharacter(std::string& out, char32_t codePoint);
