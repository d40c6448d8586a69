// Writes formatted runs as one RTF document that a Windows rich edit control
// loads as the same characters with the same formats: a font table, a colour
// table, and \f \fs \cf \b \i \ul \strike switched only where a run differs
// from the one before it.
#pragma once
#include <string>
#include <vector>

#include "effects/markup_reader.h"

// `endFormat` is given to the closing paragraph mark, so a box that loads the
// document keeps it at the end of the content. Text bytes are 8-bit ANSI
// (Windows-1252): 0x80-0xFF go out as \'xx, "\" "{" "}" are escaped, a tab is
// \tab, and a line break is \par: CR LF (even with a run boundary between the
// two, where the fader may cut), or a lone CR or LF. A NUL byte, which no rich
// edit text can hold, is left out, as is a ";" in a font name.
std::string WriteRtf(const std::vector<FormattedRun>& runs, const CharFormat& endFormat);
inline std::string WriteRtf(const RenderedMarkup& doc) { return WriteRtf(doc.runs, doc.endFormat); }
