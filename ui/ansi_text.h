// Letter case of UTF-8 text by the rule of the Windows-1252 code page, the one
// rule the window search and the tag-markup reader share.
#pragma once
#include <string>
#include <string_view>

// Lower case as the system's ANSI code page has it: A-Z and the capitals
// Windows-1252 has a small form for (so "ÄRZTE" and "ärzte" compare equal);
// every other character, and bytes that are not UTF-8, stay as they are. The
// length in bytes never changes.
std::string LowerAnsi(std::string_view text);
