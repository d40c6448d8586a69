// Text rules of the window search and delivery, kept apart from the window
// calls so they can be checked without a window system. Titles and names are
// UTF-8; the message itself is RTF, which is plain ASCII.
#pragma once
#include <string>

#include "ui/ansi_text.h"

// The text up to (not including) its first NUL, or all of it when it holds
// none. The cut text is stored back into `text` as well, the way the window
// search reads fixed-size name buffers.
std::string StripNull(std::string& text);

// Both sides lower-cased, then compared whole.
bool EqualsNoCase(const std::string& a, const std::string& b);

// True when `part` occurs in `text`, letter case ignored. The empty text is
// contained in every text.
bool ContainsNoCase(const std::string& text, const std::string& part);

// The 8-bit message as a buffer that survives being handed to a wide-character
// window message. A message sent across processes through the wide entry point
// is copied up to its first 16-bit zero, so the buffer must end with a zero byte
// pair at an even offset or the copy runs on past its end; this appends two or
// three NUL bytes as needed. The text itself is unchanged up to its first NUL.
std::string WideCopySafeBuffer(const std::string& text);
