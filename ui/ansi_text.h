// Letter case of 8-bit text in the Windows-1252 code page, the one rule the
// window search and the tag-markup reader share.
#pragma once
#include <string>
#include <string_view>

// Lower case as the system's ANSI code page has it: A-Z and the accented
// capitals of Windows-1252 (so "ÄRZTE" and "ärzte" compare equal).
std::string LowerAnsi(std::string_view text);
